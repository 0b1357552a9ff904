# The user cancelled the message: their own choice, not a failure.
with_standin
result=1
postlark report.txt "Weekly report" "Please see the file"
