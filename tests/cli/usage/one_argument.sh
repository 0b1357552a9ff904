# Only a file: how to use the program, and nothing mailed.
with_standin
postlark report.txt
