# Only the program's own folder is searched: not the working directory,
# not the loader's search path.
only_on posix
cp "$standin" .
LD_LIBRARY_PATH=$PWD postlark report.txt "Weekly report" "Please see the file"
