# A subject of 256 bytes is refused; the body too long after it is not
# the one reported.
with_standin
t=$(printf 'y%.0s' {1..256})
postlark report.txt "$t" "$t"
