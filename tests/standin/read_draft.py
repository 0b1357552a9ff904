#!/usr/bin/env python3
"""read_draft.py FILE [ORIGINAL]: reads a message file as a mail program
does, with Python's email package, and prints what it holds: the headers of
note, the body's lines, the attachment's names (RFC 2231's and that of
name=) and size; with ORIGINAL, whether its bytes are that file's. Fails
unless every line ends in CR LF and keeps to 78 characters (76 in a part's
content), and none is "." alone or begins with "From "."""
import email, email.policy, sys

raw = open(sys.argv[1], 'rb').read()
lines = raw.split(b'\r\n')
assert lines.pop() == b'', 'no CR LF at the end'
limit = 78
for line in lines:
    assert b'\r' not in line and b'\n' not in line and len(line) <= limit, line
    assert line != b'.' and not line.startswith(b'From '), line
    limit = 78 if line.startswith(b'--=_Postlark_draft') else 76 if not line else limit
message = email.message_from_bytes(raw, policy=email.policy.default)
for name in ('X-Unsent', 'From', 'To', 'Subject'):
    if message[name] is not None:
        print('%s: %s' % (name, message[name]))
body, attachment = message.iter_parts()
for line in body.get_content().split('\r\n'):
    print('body: %r' % line)
data = attachment.get_payload(decode=True)
print('file: %s (name= %s), %d bytes' % (attachment.get_filename(),
      attachment.get_param('name', header='content-type'), len(data)))
if len(sys.argv) > 2:
    print('bytes: %s' % ('exact' if open(sys.argv[2], 'rb').read() == data else 'differ'))
