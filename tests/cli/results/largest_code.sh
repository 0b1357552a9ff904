# All 32 bits of a code reach the exit status on Windows.
with_standin
result=4294967294
postlark report.txt "Weekly report" "Please see the file"
