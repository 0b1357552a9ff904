#!/usr/bin/env python3
"""msi_summary.py MSI PACKAGE_CODE EPOCH WORD_COUNT

Sets, in place, what wixl leaves to chance or cannot say in a package's
summary information: the package code (its revision number), the times it
was made and last saved (EPOCH, seconds since 1970, as SOURCE_DATE_EPOCH),
and the word count (8: installing needs no elevation). Every other byte
stays as it is, so the package is the same bytes for the same sources.
The summary stream is found by its format identifier; each value is
written over one of the same size, and the whole is read back afterwards.
"""
import re
import struct
import sys
import uuid

FMTID_SUMMARY = uuid.UUID("F29F85E0-4FF9-1068-AB91-08002B27B3D9").bytes_le
PID_REVNUMBER, PID_CREATE_DTM, PID_LASTSAVE_DTM, PID_WORDCOUNT = 9, 12, 13, 15
VT_I4, VT_LPSTR, VT_FILETIME = 3, 30, 64


def fail(message):
    sys.exit("msi_summary.py: " + message)


def main():
    if len(sys.argv) != 5:
        fail("usage: msi_summary.py MSI PACKAGE_CODE EPOCH WORD_COUNT")
    path, code, epoch, word_count = sys.argv[1], sys.argv[2], int(sys.argv[3]), int(sys.argv[4])
    revision = ("{%s}" % uuid.UUID(code)).upper().encode("ascii")
    filetime = struct.pack("<Q", (epoch + 11644473600) * 10000000)
    data = bytearray(open(path, "rb").read())

    # The stream: byte order FFFE, version, system, class, one section,
    # then the section's format identifier and offset.
    starts = [m.start() - 28 for m in re.finditer(re.escape(FMTID_SUMMARY), data)
              if data[m.start() - 28:m.start() - 26] == b"\xfe\xff"]
    if len(starts) != 1:
        fail("%s: %d summary streams found, not one" % (path, len(starts)))
    stream = starts[0]
    section = stream + struct.unpack_from("<I", data, stream + 44)[0]
    size, count = struct.unpack_from("<II", data, section)
    if size > 4096 or count > 32:
        fail("%s: the summary stream is not as expected" % path)
    seen = set()
    for i in range(count):
        pid, offset = struct.unpack_from("<II", data, section + 8 + 8 * i)
        at = section + offset
        kind = struct.unpack_from("<I", data, at)[0]
        if pid == PID_REVNUMBER and kind == VT_LPSTR:
            length = struct.unpack_from("<I", data, at + 4)[0]
            if length != len(revision) + 1:
                fail("%s: the revision number is %d bytes" % (path, length))
            data[at + 8:at + 8 + len(revision)] = revision
        elif pid in (PID_CREATE_DTM, PID_LASTSAVE_DTM) and kind == VT_FILETIME:
            data[at + 4:at + 12] = filetime
        elif pid == PID_WORDCOUNT and kind == VT_I4:
            data[at + 4:at + 8] = struct.pack("<i", word_count)
        else:
            continue
        seen.add(pid)
    missing = {PID_REVNUMBER, PID_CREATE_DTM, PID_LASTSAVE_DTM, PID_WORDCOUNT} - seen
    if missing:
        fail("%s: no summary value %s" % (path, ", ".join(map(str, sorted(missing)))))
    open(path, "wb").write(data)


main()
