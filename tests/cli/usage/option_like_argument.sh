# There are no options: --help is one argument like any other.
with_standin
postlark --help
