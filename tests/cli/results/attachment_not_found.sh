# The file to attach is missing.
with_standin
result=11
postlark report.txt "Weekly report" "Please see the file"
