# Empty texts are mailed as empty texts: the count alone decides.
with_standin
postlark "" "" ""
