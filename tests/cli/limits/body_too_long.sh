# A body of 256 bytes is refused.
with_standin
t=$(printf 'y%.0s' {1..256})
postlark report.txt "Weekly report" "$t"
