# The mail system cannot do it.
with_standin
result=26
postlark report.txt "Weekly report" "Please see the file"
