# Texts of 255 bytes fit.
with_standin
t=$(printf 'x%.0s' {1..255})
postlark "$t" "$t" "$t"
