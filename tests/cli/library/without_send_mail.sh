# A mail library without MAPISendMail: one line, -1, and released.
with_standin_without_send_mail
postlark report.txt "Weekly report" "Please see the file"
