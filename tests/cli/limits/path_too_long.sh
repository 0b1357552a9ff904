# A path of 256 bytes is refused, never cut, before the library loads.
with_standin
t=$(printf 'y%.0s' {1..256})
postlark "$t" "Weekly report" "Please see the file"
