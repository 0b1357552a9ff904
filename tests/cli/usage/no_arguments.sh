# No argument at all: how to use the program.
with_standin
postlark
