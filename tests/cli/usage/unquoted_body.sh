# A body given without quotes comes as several arguments: too many.
with_standin
postlark report.txt "Weekly report" Please see the file
