# A file and a subject but no body.
with_standin
postlark report.txt "Weekly report"
