# The texts reach the mail library exactly, with every record field set.
with_standin
postlark report.txt "Weekly report" "Please see the file"
