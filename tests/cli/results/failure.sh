# A failure of the mail system is the exit status.
with_standin
result=2
postlark report.txt "Weekly report" "Please see the file"
