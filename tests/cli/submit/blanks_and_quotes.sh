# Blanks, double quotes and backslashes survive the command line.
with_standin
postlark 'C:\My Files\report 1.txt' 'say "hi" twice' 'a\b \"c\" end\'
