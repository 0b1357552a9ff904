# No mail library: one line, and -1.
postlark report.txt "Weekly report" "Please see the file"
