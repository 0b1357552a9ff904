#include "mail_draft.h"

#include <stdint.h>
#include <stdlib.h>
#include <string.h>

namespace {

// Quoted-printable writes "=" only before two hexadecimal digits or a line
// break, and base64 has no "_": so no line of either part can begin with
// this boundary, whatever the body and the file hold.
#define BOUNDARY "=_Postlark_draft"
const char kBase64[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
const char kHex[] = "0123456789ABCDEF";

// UTF-8 bytes in one encoded-word: 48 characters of base64 and the 12 of
// "=?utf-8?B?" and "?=", behind ` filename="` and before `";`, keep to the
// 76 characters that a line with an encoded-word may have.
const size_t kWordBytes = 36;
// Characters of one piece of an RFC 2231 value, so that
// ` filename*99*=utf-8''` before it and ";" after it keep to 78.
const size_t kPieceChars = 54;
// Bytes of the file in one line of base64: 76 characters.
const size_t kLineBytes = 57;

// Writes the base64 of the three bytes at `data` into `text`.
void EncodeGroup(const unsigned char* data, char* text) {
  unsigned bits = static_cast<unsigned>(data[0] << 16 | data[1] << 8 | data[2]);
  text[0] = kBase64[bits >> 18];
  text[1] = kBase64[bits >> 12 & 63];
  text[2] = kBase64[bits >> 6 & 63];
  text[3] = kBase64[bits & 63];
}

// Writes the base64 of `size` bytes into `text`; returns its length.
size_t EncodeBase64(const unsigned char* data, size_t size, char* text) {
  size_t whole = size - size % 3, length = 0;
  for (size_t i = 0; i < whole; i += 3, length += 4) EncodeGroup(data + i, text + length);
  if (whole < size) {
    // The last one or two bytes go as a group padded with zeros, and "="
    // stands in place of each character that stands for padding alone.
    unsigned char last[3] = {};
    memcpy(last, data + whole, size - whole);
    EncodeGroup(last, text + length);
    length += 4;
    for (size_t padding = 3 - (size - whole); padding > 0; --padding) text[length - padding] = '=';
  }
  return length;
}

// Writes the base64 of `lines` whole lines of a file, at `data`, each
// with its CR LF, into `text`; returns its length. Each group's three bytes
// are read as one word with the byte after them, which the caller has:
// one load where three would be, for the bulk of a large file.
size_t EncodeLines(const unsigned char* data, size_t lines, char* text) {
  char* start = text;
  for (size_t line = 0; line < lines; ++line) {
    for (const unsigned char* end = data + kLineBytes; data < end; data += 3, text += 4) {
      uint32_t word = static_cast<uint32_t>(data[0]) << 24 | static_cast<uint32_t>(data[1]) << 16 |
                      static_cast<uint32_t>(data[2]) << 8 | data[3];
      text[0] = kBase64[word >> 26];
      text[1] = kBase64[word >> 20 & 63];
      text[2] = kBase64[word >> 14 & 63];
      text[3] = kBase64[word >> 8 & 63];
    }
    memcpy(text, "\r\n", 2);
    text += 2;
  }
  return static_cast<size_t>(text - start);
}

// Writes `escape` and the byte in two hexadecimal digits.
void WriteHex(FILE* out, char escape, unsigned char byte) {
  const char text[] = {escape, kHex[byte >> 4], kHex[byte & 15]};
  fwrite(text, 1, sizeof text, out);
}

const unsigned char* Bytes(const char* text) {
  return reinterpret_cast<const unsigned char*>(text);
}

// The bytes of the UTF-8 character at `c`: its lead and what continues it.
size_t CharacterBytes(const char* c) {
  size_t bytes = 1;
  while (bytes < 4 && (Bytes(c)[bytes] & 0xC0) == 0x80) ++bytes;
  return bytes;
}

bool IsBlank(const char* text) { return text[strspn(text, " \t\r\n")] == '\0'; }

// Whether `text` can stand in a header as it is, within `room` characters:
// printable ASCII, none of `excluded`, no blank at either end (a reader
// may drop it), and nothing a reader would take for an encoded-word.
bool IsPlain(const char* text, size_t room, const char* excluded) {
  size_t length = strlen(text);
  if (length == 0 || length > room || text[0] == ' ' || text[length - 1] == ' ' ||
      strstr(text, "=?") != nullptr)
    return false;
  for (const unsigned char* c = Bytes(text); *c != '\0'; ++c) {
    if (*c < 0x20 || *c > 0x7E || strchr(excluded, *c) != nullptr) return false;
  }
  return true;
}

// The line break (CR LF, LF or CR) or tab at `c`, in bytes; 0 for any
// other character.
size_t LineBreakBytes(const char* c) {
  if (*c == '\r') return c[1] == '\n' ? 2 : 1;
  return *c == '\n' || *c == '\t' ? 1 : 0;
}

// Writes `text` as RFC 2047 encoded-words, each of whole characters, one a
// line: a reader joins adjacent words without the folding between them. A
// header is one line: each line break and tab goes as a blank.
void WriteEncodedWords(FILE* out, const char* text) {
  char word[kWordBytes];
  char encoded[4 * kWordBytes / 3];
  for (bool first = true; *text != '\0'; first = false) {
    size_t length = 0;  // a character has 4 bytes at the most
    while (*text != '\0') {
      size_t breaks = LineBreakBytes(text), bytes = breaks > 0 ? 1 : CharacterBytes(text);
      if (length + bytes > kWordBytes) break;
      memcpy(word + length, breaks > 0 ? " " : text, bytes);
      length += bytes;
      text += breaks > 0 ? breaks : bytes;
    }
    size_t chars = EncodeBase64(Bytes(word), length, encoded);
    fputs(first ? "=?utf-8?B?" : "\r\n =?utf-8?B?", out);
    fwrite(encoded, 1, chars, out);
    fputs("?=", out);
  }
}

// Writes `start` (a line break, a blank and `parameter="`), the name as
// it is where it is plain and fits in `room`, otherwise as encoded-words,
// as Outlook writes it, and the closing quote.
void WriteQuotedName(FILE* out, const char* start, const char* name, size_t room) {
  fputs(start, out);
  if (IsPlain(name, room, "\"\\"))
    fputs(name, out);
  else
    WriteEncodedWords(out, name);
  fputc('"', out);
}

// RFC 2231's characters that stand for themselves in a value.
bool IsAttributeChar(unsigned char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
         (c != '\0' && strchr("!#$&+-.^_`|~", c) != nullptr);
}

size_t EncodedLength(const char* c, size_t bytes) {
  size_t length = 0;
  for (size_t i = 0; i < bytes; ++i) length += IsAttributeChar(Bytes(c)[i]) ? 1u : 3u;
  return length;
}

// Writes `filename*=utf-8''…`, percent-encoded, in numbered pieces of whole
// characters, a line each, where it is too long for one line.
void WriteExtendedName(FILE* out, const char* name) {
  bool continued = EncodedLength(name, strlen(name)) > kPieceChars;
  fputs(continued ? "\r\n filename*0*=utf-8''" : "\r\n filename*=utf-8''", out);
  size_t piece = 0;
  for (unsigned index = 1; *name != '\0'; name += CharacterBytes(name)) {
    size_t bytes = CharacterBytes(name);
    if (piece > 0 && piece + EncodedLength(name, bytes) > kPieceChars) {
      fputs(";\r\n filename*", out);
      char digits[12];
      size_t count = 0;
      for (unsigned value = index++; count == 0 || value > 0; value /= 10)
        digits[count++] = static_cast<char>('0' + value % 10);
      while (count > 0) fputc(digits[--count], out);
      fputs("*=", out);
      piece = 0;
    }
    for (size_t i = 0; i < bytes; ++i) {
      unsigned char c = Bytes(name)[i];
      if (IsAttributeChar(c))
        fputc(c, out);
      else
        WriteHex(out, '%', c);
    }
    piece += EncodedLength(name, bytes);
  }
}

// Whether the byte at `c` stands for itself in quoted-printable at
// `column`. A blank before a line break would be dropped; a line of "."
// alone ends a message in SMTP, and "From " begins one in an mbox file.
bool IsLiteral(const unsigned char* c, size_t column) {
  if (column == 0 && (*c == '.' || strncmp(reinterpret_cast<const char*>(c), "From ", 5) == 0))
    return false;
  if (*c == ' ' || *c == '\t') return c[1] != '\0' && c[1] != '\r' && c[1] != '\n';
  return *c > ' ' && *c <= '~' && *c != '=';
}

// Writes `body` in quoted-printable, each line break as CR LF, in lines of
// at most 76 characters, a soft break's "=" included.
void WriteQuotedPrintable(FILE* out, const char* body) {
  size_t column = 0;
  for (const unsigned char* c = Bytes(body); *c != '\0'; ++c) {
    if (*c == '\r' || *c == '\n') {
      if (*c == '\r' && c[1] == '\n') ++c;
      fputs("\r\n", out);
      column = 0;
      continue;
    }
    bool literal = IsLiteral(c, column);
    if (column + (literal ? 1 : 3) > 75) {
      fputs("=\r\n", out);
      column = 0;
      literal = IsLiteral(c, column);
    }
    if (literal)
      fputc(*c, out);
    else
      WriteHex(out, '=', *c);
    column += literal ? 1 : 3;
  }
}

// Writes all of `in` in base64, in lines of 76 characters and CR LF, a
// block of lines at a time. Blocks of 4,096 lines (228 KiB of the file)
// from the heap take a system call for each: stdio's own buffers of a few
// KiB would take one every few lines, and a host's thread may have too
// small a stack for them. Where the heap has no room, 24 lines on the
// stack do.
bool WriteBase64File(FILE* out, FILE* in) {
  const size_t kLineText = kLineBytes / 3 * 4 + 2;
  const size_t kSmallLines = 24, kLargeLines = 4096;
  unsigned char small_block[kLineBytes * kSmallLines];
  char small_text[kLineText * kSmallLines];
  unsigned char* large = static_cast<unsigned char*>(malloc((kLineBytes + kLineText) * kLargeLines));
  size_t lines = large != nullptr ? kLargeLines : kSmallLines;
  unsigned char* block = large != nullptr ? large : small_block;
  char* text = large != nullptr ? reinterpret_cast<char*>(large + kLineBytes * kLargeLines) : small_text;
  bool written = true;
  for (;;) {
    size_t read = fread(block, 1, kLineBytes * lines, in);
    // All whole lines but the last read a byte past their own.
    size_t fast = read / kLineBytes > 0 ? read / kLineBytes - 1 : 0;
    size_t length = EncodeLines(block, fast, text);
    for (size_t line = fast * kLineBytes; line < read; line += kLineBytes) {
      size_t bytes = read - line < kLineBytes ? read - line : kLineBytes;
      length += EncodeBase64(block + line, bytes, text + length);
      memcpy(text + length, "\r\n", 2);
      length += 2;
    }
    written = fwrite(text, 1, length, out) == length;
    if (!written || read < kLineBytes * lines) break;
  }
  free(large);
  return written && ferror(in) == 0;
}

// Writes the header `name` (with its ": ") with every recipient of
// `recipient_class`, one a line; nothing where there is none. A display
// name goes quoted where it is plain, else in encoded-words, and the
// address after it, on a line of its own where it would not fit.
void WriteRecipients(FILE* out, const char* name, DraftRecipientClass recipient_class,
                     const DraftMessage& message) {
  size_t column = 0;
  for (size_t i = 0; i < message.recipient_count; ++i) {
    const DraftRecipient& recipient = message.recipients[i];
    if (recipient.recipient_class != recipient_class) continue;
    fputs(column == 0 ? name : ",\r\n ", out);
    column = column == 0 ? strlen(name) : 1;
    size_t address = strlen(recipient.address);
    if (recipient.name != nullptr && !IsBlank(recipient.name) &&
        strcmp(recipient.name, recipient.address) != 0) {
      if (IsPlain(recipient.name, 78 - 7, "\"\\")) {
        fputc('"', out);
        fputs(recipient.name, out);
        fputc('"', out);
        column += strlen(recipient.name) + 2;
      } else {
        WriteEncodedWords(out, recipient.name);
        column = 78;  // the address goes on a line of its own
      }
      fputs(column + 3 + address + 1 <= 78 ? " <" : "\r\n <", out);
      fputs(recipient.address, out);
      fputc('>', out);
    } else {
      fputs(recipient.address, out);
    }
  }
  if (column > 0) fputs("\r\n", out);
}

}  // namespace

bool IsMailAddress(const char* text) {
  size_t length = strlen(text);
  const char* at = strchr(text, '@');
  if (length == 0 || length > 254 || at == nullptr || at == text || at[1] == '\0' ||
      strchr(at + 1, '@') != nullptr || strstr(text, "=?") != nullptr)
    return false;
  for (const unsigned char* c = Bytes(text); *c != '\0'; ++c) {
    if (*c <= ' ' || *c > '~' || strchr("\"(),:;<>[\\]", *c) != nullptr) return false;
  }
  return true;
}

bool WriteDraft(FILE* out, const DraftMessage& message) {
  for (size_t i = 0; i < message.recipient_count; ++i) {
    if (!IsMailAddress(message.recipients[i].address)) return false;
  }
  fputs("MIME-Version: 1.0\r\nX-Unsent: 1\r\n", out);
  WriteRecipients(out, "To: ", kDraftTo, message);
  WriteRecipients(out, "Cc: ", kDraftCc, message);
  WriteRecipients(out, "Bcc: ", kDraftBcc, message);
  if (!IsBlank(message.subject)) {
    fputs("Subject: ", out);
    if (IsPlain(message.subject, 78 - 9, ""))
      fputs(message.subject, out);
    else
      WriteEncodedWords(out, message.subject);
    fputs("\r\n", out);
  }
  fputs("Content-Type: multipart/mixed; boundary=\"" BOUNDARY "\"\r\n\r\n"
        "--" BOUNDARY "\r\nContent-Type: text/plain; charset=utf-8\r\n"
        "Content-Transfer-Encoding: quoted-printable\r\n\r\n", out);
  WriteQuotedPrintable(out, message.body);
  fputs("\r\n", out);
  bool read = true;
  for (size_t i = 0; i < message.attachment_count; ++i) {
    const DraftAttachment& attachment = message.attachments[i];
    // Both forms of the name: RFC 2231's, and the encoded-words that
    // Outlook writes and older readers know.
    fputs("--" BOUNDARY "\r\nContent-Type: application/octet-stream;", out);
    WriteQuotedName(out, "\r\n name=\"", attachment.name, 78 - 9);
    fputs("\r\nContent-Transfer-Encoding: base64\r\nContent-Disposition: attachment;", out);
    WriteQuotedName(out, "\r\n filename=\"", attachment.name, 78 - 13);
    fputc(';', out);
    WriteExtendedName(out, attachment.name);
    // The blank line's CR LF, or the last line's, is the boundary's own.
    fputs("\r\n\r\n", out);
    read = WriteBase64File(out, attachment.file) && read;
  }
  fputs("--" BOUNDARY "--\r\n", out);
  return read && fflush(out) == 0 && ferror(out) == 0;
}
