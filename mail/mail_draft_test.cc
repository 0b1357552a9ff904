// The draft read back as a mail program reads it: headers unfolded and
// decoded, the two parts split at the boundary and decoded, every line
// within its limit.
#include "mail_draft.h"

#include <stdio.h>
#include <string.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const char kDelimiter[] = "--=_Postlark_draft";

std::string Draft(const char* subject, const char* body, const char* name, const std::string& file) {
  FILE* in = tmpfile();
  FILE* out = tmpfile();
  fwrite(file.data(), 1, file.size(), in);
  rewind(in);
  EXPECT_TRUE(WriteDraft(out, subject, body, name, in));
  std::string draft(static_cast<size_t>(ftell(out)), '\0');
  rewind(out);
  EXPECT_EQ(fread(&draft[0], 1, draft.size(), out), draft.size());
  fclose(in);
  fclose(out);
  return draft;
}

// The draft's lines; each must end in CR LF, headers keep to 78
// characters and the parts' contents to 76.
std::vector<std::string> Lines(const std::string& draft) {
  std::vector<std::string> lines;
  size_t blank_lines = 0;
  for (size_t start = 0, end; start < draft.size(); start = end + 2) {
    end = draft.find("\r\n", start);
    EXPECT_NE(end, std::string::npos) << "no CR LF at the end";
    if (end == std::string::npos) break;
    lines.push_back(draft.substr(start, end - start));
    EXPECT_EQ(lines.back().find_first_of("\r\n"), std::string::npos) << lines.back();
    EXPECT_LE(lines.back().size(), blank_lines % 2 == 1 ? 76u : 78u) << lines.back();
    if (lines.back().empty()) ++blank_lines;  // after headers, then after a part's
    if (lines.back().rfind(kDelimiter, 0) == 0) blank_lines = 2 * (blank_lines / 2 + 1);
  }
  return lines;
}

int Value(char c) { return static_cast<int>(strchr("0123456789ABCDEF", c) - "0123456789ABCDEF"); }

std::string Base64(const std::string& text) {
  static const std::string kAlphabet =
      "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
  std::string bytes;
  unsigned bits = 0, count = 0;
  for (char c : text) {
    if (c == '=' || c == '\r' || c == '\n') continue;
    bits = bits << 6 | static_cast<unsigned>(kAlphabet.find(c));
    if ((count += 6) >= 8) bytes += static_cast<char>(bits >> (count -= 8) & 0xFF);
  }
  return bytes;
}

std::string QuotedPrintable(const std::string& text) {
  std::string bytes;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '=') bytes += text[i];
    else if (text.compare(i + 1, 2, "\r\n") == 0) i += 2;
    else bytes += static_cast<char>(Value(text[i + 1]) * 16 + Value(text[i + 2])), i += 2;
  }
  return bytes;
}

// A header's value, unfolded; "" where absent.
std::string Unfolded(const std::vector<std::string>& lines, size_t from, const std::string& name) {
  std::string value;
  for (size_t i = from; i < lines.size() && !lines[i].empty(); ++i) {
    if (lines[i].rfind(name + ": ", 0) != 0) continue;
    value = lines[i].substr(name.size() + 2);
    while (i + 1 < lines.size() && lines[i + 1][0] == ' ') value += lines[++i];
  }
  return value;
}

// `value` with its encoded-words decoded, and the blanks between them gone.
std::string Decoded(const std::string& value) {
  std::string decoded;
  for (size_t at = 0, word; at < value.size(); at = word) {
    word = value.find("=?utf-8?B?", at);
    size_t end = word == std::string::npos ? word : value.find("?=", word + 10);
    if (end == std::string::npos) return decoded + value.substr(at);
    std::string between = value.substr(at, word - at);
    if (between.find_first_not_of(' ') != std::string::npos) decoded += between;
    decoded += Base64(value.substr(word + 10, end - word - 10));
    word = end + 2;
  }
  return decoded;
}

// A parameter of a header: the quoted form, or the RFC 2231 pieces joined
// and percent-decoded.
std::string Parameter(const std::string& header, const std::string& name, bool extended) {
  size_t at = header.find(" " + name + "=\"");
  if (!extended) {
    at += name.size() + 3;
    return header.substr(at, header.find('"', at) - at);
  }
  std::string value;
  for (size_t i = 0;; ++i) {
    at = header.find(" " + name + "*" + std::to_string(i) + "*=");
    if (at == std::string::npos && i == 0) at = header.find(" " + name + "*=");
    if (at == std::string::npos) break;
    at = header.find('=', at) + 1;
    value += header.substr(at, header.find(';', at) - at);
  }
  EXPECT_EQ(value.rfind("utf-8''", 0), 0u) << value;
  std::string bytes;
  for (size_t i = 7; i < value.size(); ++i) {
    if (value[i] != '%') bytes += value[i];
    else bytes += static_cast<char>(Value(value[i + 1]) * 16 + Value(value[i + 2])), i += 2;
  }
  return bytes;
}

struct ReadBack {
  std::vector<std::string> lines;
  std::string subject, body, file, type_name, disposition_name, extended_name;
};

ReadBack Read(const std::string& draft) {
  ReadBack read;
  read.lines = Lines(draft);
  const auto& lines = read.lines;
  std::vector<size_t> delimiters;
  for (size_t i = 0; i < lines.size(); ++i) {
    if (lines[i].rfind(kDelimiter, 0) == 0) delimiters.push_back(i);
  }
  EXPECT_EQ(delimiters.size(), 3u) << draft;
  EXPECT_EQ(lines.back(), std::string(kDelimiter) + "--");
  if (delimiters.size() != 3) return read;
  read.subject = Decoded(Unfolded(lines, 0, "Subject"));
  std::string contents[2];
  for (size_t part = 0; part < 2; ++part) {
    size_t i = delimiters[part] + 1;
    while (!lines[i].empty()) ++i;
    for (size_t j = i + 1; j < delimiters[part + 1]; ++j) contents[part] += lines[j] + "\r\n";
    if (!contents[part].empty()) contents[part].resize(contents[part].size() - 2);
  }
  read.body = QuotedPrintable(contents[0]);
  read.file = Base64(contents[1]);
  std::string type = Unfolded(lines, delimiters[1] + 1, "Content-Type");
  std::string disposition = Unfolded(lines, delimiters[1] + 1, "Content-Disposition");
  read.type_name = Decoded(Parameter(type, "name", false));
  read.disposition_name = Decoded(Parameter(disposition, "filename", false));
  read.extended_name = Parameter(disposition, "filename", true);
  return read;
}

TEST(DraftTest, SubjectPlainWherePrintableElseEncodedWordsFolded) {
  const char* const kCases[][2] = {
      {"Weekly report", "Subject: Weekly report"},
      {"=?utf-8?q?x?=", "Subject: =?utf-8?B?PT91dGYtOD9xP3g/PQ==?="},
      {"Wöchentlich ✓", "Subject: =?utf-8?B?V8O2Y2hlbnRsaWNoIOKckw==?="},
      {" leading blank", "Subject: =?utf-8?B?IGxlYWRpbmcgYmxhbms=?="},
      {"", nullptr},
      {" \t\r\n", nullptr},
  };
  for (const auto& test : kCases) {
    ReadBack read = Read(Draft(test[0], "", "a", ""));
    std::string line = read.lines.size() > 2 ? read.lines[2] : "";
    EXPECT_EQ(line, test[1] ? test[1] : "Content-Type: multipart/mixed; boundary=\"=_Postlark_draft\"");
    EXPECT_EQ(read.subject, test[1] ? test[0] : "");
  }
  for (std::string subject : {std::string(69, 's'), std::string(70, 's'), std::string(85, 'x') + " y",
                              "Zwölf Grüße, " + std::string(40, 'a') + " und 終わり終わり終わり終わり終わり終わり終わり"}) {
    ReadBack read = Read(Draft(subject.c_str(), "", "a", ""));
    EXPECT_EQ(read.subject, subject);
    EXPECT_EQ(read.lines[2].find("=?") == std::string::npos, subject.size() <= 69) << read.lines[2];
  }
}

TEST(DraftTest, FileNameInBothFormsWhateverItHolds) {
  std::string japanese;
  for (int i = 0; i < 120; ++i) japanese += "報告";
  for (std::string name : {std::string("report.txt"), std::string("a; b's \"final\" = (1), Überblick.txt"),
                           std::string("x\\y%41=?utf-8?q?z?=.txt"), japanese + ".pdf",
                           std::string(240, 'n') + ".txt"}) {
    ReadBack read = Read(Draft("s", "b", name.c_str(), "x"));
    EXPECT_EQ(read.type_name, name);
    EXPECT_EQ(read.disposition_name, name);
    EXPECT_EQ(read.extended_name, name);
  }
  ReadBack plain = Read(Draft("s", "b", "report.txt", "x"));
  const std::vector<std::string> kPart(plain.lines.begin() + 11, plain.lines.begin() + 18);
  EXPECT_EQ(kPart, (std::vector<std::string>{"Content-Type: application/octet-stream;", " name=\"report.txt\"",
                                             "Content-Transfer-Encoding: base64", "Content-Disposition: attachment;",
                                             " filename=\"report.txt\";", " filename*=utf-8''report.txt", ""}));
}

TEST(DraftTest, BodyAndFileArriveExactly) {
  std::string every_byte;
  for (int round = 0; round < 3; ++round) {
    for (int value = 0; value < 256; ++value) every_byte += static_cast<char>(value);
  }
  const std::string long_line = std::string(74, 'a') + "=" + std::string(150, ' ') + ".x\tü";
  struct {
    std::string body, expected;
  } const kBodies[] = {
      {"", ""},
      {"a\r\nb\nc\rd\n\ne", "a\r\nb\r\nc\r\nd\r\n\r\ne"},
      {".\n..\nFrom me\n--=_Postlark_draft\n--=_Postlark_draft--\nend  \t\n",
       ".\r\n..\r\nFrom me\r\n--=_Postlark_draft\r\n--=_Postlark_draft--\r\nend  \t\r\n"},
      {long_line + "\n" + long_line, long_line + "\r\n" + long_line},
  };
  for (const std::string& file : {std::string(), std::string("x"), every_byte, std::string(57 * 2048 + 1, 'z')}) {
    for (const auto& test : kBodies) {
      ReadBack read = Read(Draft("s", test.body.c_str(), "report.txt", file));
      EXPECT_EQ(read.body, test.expected);
      EXPECT_TRUE(read.file == file) << file.size() << " bytes, read back " << read.file.size();
      for (const std::string& line : read.lines) {
        EXPECT_TRUE(line != "." && line.rfind("From ", 0) != 0) << line;
      }
    }
  }
}

TEST(DraftTest, UnreadableFileIsAFailure) {
  FILE* out = tmpfile();
  FILE* write_only = fopen("/dev/null", "w");
  EXPECT_FALSE(WriteDraft(out, "s", "b", "n", write_only));
  fclose(write_only);
  fclose(out);
}

}  // namespace
