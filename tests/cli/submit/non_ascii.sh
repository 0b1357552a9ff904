# Letters outside ASCII arrive in the ANSI code page on Windows (1252
# here), and as the bytes given natively.
with_standin
postlark 'café.txt' 'Grüße' 'naïve résumé'
