Any count of arguments but three prints the usage text, exactly, and
exits 0 without loading the mail library.

  $ library "$standin"
  $ postlark
  Postlark.exe utility - mail one file from the command line
  
  
  Usage:
  
  Postlark [attachment path] [subject] [body]
  
  Example:  Postlark c:\autoexec.bat "here is autoexec" "Hi! Here is the file you needed."
  $ postlark >usage && postlark --help | cmp - usage && postlark report.txt "Weekly report" | cmp - usage && postlark report.txt Weekly report Please see the file | cmp - usage && echo same
  same
