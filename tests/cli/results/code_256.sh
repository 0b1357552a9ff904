# A code whose low 8 bits are zero must not read as success where only
# 8 bits of the exit status are kept.
with_standin
result=256
postlark report.txt "Weekly report" "Please see the file"
