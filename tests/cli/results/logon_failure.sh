# A failed log-on sent nothing: a failure, not a success.
with_standin
result=3
postlark report.txt "Weekly report" "Please see the file"
