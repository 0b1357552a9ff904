#!/usr/bin/env python3
"""read_draft.py FILE [ORIGINAL...]: reads a message file as a mail program
does, with Python's email package, and prints what it holds: the headers of
note, the body's lines, each attachment's names (RFC 2231's and that of
name=) and size; with ORIGINALs, whether its bytes are that file's, in
order.

First it holds every line to the format, as written, which a tolerant
reader would not: each ends in CR LF, keeps to 78 characters (76 in a
part's content, and in a line with an encoded-word), and does not end in a
blank or tab; none is "." alone or begins with "From ". Encoded-words hold
whole UTF-8 characters each; RFC 2231 values only the characters that
stand for themselves there and %XX, each piece whole characters; a quoted
name has no quote or backslash of its own."""
import base64, email, email.policy, re, sys, urllib.parse

WORD = re.compile(rb'=\?([^?]*)\?([^?]*)\?([^?]*)\?=')
EXTENDED = re.compile(rb'\b[a-z]+\*(?:[0-9]+\*)?=([^;]*)')
ATTRIBUTE_CHARS = re.compile(rb"^(?:[A-Za-z0-9!#$&+.^_`|~-]|%[0-9A-F]{2})*$")


def check_header(line):
    if b'=?' in line:
        assert len(line) <= 76, line
    for charset, encoding, text in WORD.findall(line):
        assert (charset, encoding) == (b'utf-8', b'B'), line
        base64.b64decode(text, validate=True).decode('utf-8')  # whole characters
    for value in EXTENDED.findall(line):
        if value.startswith(b"utf-8''"):
            value = value[7:]
        assert ATTRIBUTE_CHARS.match(value), line
        urllib.parse.unquote_to_bytes(value.decode()).decode('utf-8')
    assert b'\\' not in line, line


def check_quotes(field):
    """Every quote of a header field, unfolded, opens or closes a value."""
    assert b'"' not in re.sub(rb'"[^"\r\n]*"', b'', field), field

raw = open(sys.argv[1], 'rb').read()
lines = raw.split(b'\r\n')
assert lines.pop() == b'', 'no CR LF at the end'
limit, in_header, field = 78, True, b''
for line in lines:
    assert b'\r' not in line and b'\n' not in line and len(line) <= limit, line
    assert line != b'.' and not line.startswith(b'From '), line
    assert not line.endswith((b' ', b'\t')), line
    if in_header:
        check_header(line)
        if not line.startswith(b' '):
            check_quotes(field)
            field = b''
        field += line
    in_header = line.startswith(b'--=_Postlark_draft') or (in_header and line != b'')
    limit = 78 if line.startswith(b'--=_Postlark_draft') else 76 if not line else limit
message = email.message_from_bytes(raw, policy=email.policy.default)
for name in ('X-Unsent', 'From', 'To', 'Cc', 'Bcc', 'Subject'):
    if message[name] is not None:
        print('%s: %s' % (name, message[name]))
body, *attachments = message.iter_parts()
for line in body.get_content().split('\r\n'):
    print('body: %r' % line)
for attachment, original in zip(attachments, sys.argv[2:] + [None] * len(attachments)):
    data = attachment.get_payload(decode=True)
    print('file: %s (name= %s), %d bytes' % (attachment.get_filename(),
          attachment.get_param('name', header='content-type'), len(data)))
    if original is not None:
        print('bytes: %s' % ('exact' if open(original, 'rb').read() == data else 'differ'))
