// Drafts read back by an independent reader, Python's email package
// (tests/standin/read_draft.py), which also holds every line to its limit.
#include "mail_draft.h"

#include <stdio.h>
#include <stdlib.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <string>

namespace {

struct Draft {
  std::string text;  // as written
  std::string read;  // what the reader printed
};

Draft Write(const std::string& subject, const std::string& body, const std::string& name,
            const std::string& file) {
  char folder[] = "/tmp/draft_test_XXXXXX";
  EXPECT_NE(mkdtemp(folder), nullptr);
  const std::string original = std::string(folder) + "/original", path = std::string(folder) + "/d.eml";
  FILE* in = fopen(original.c_str(), "w+b");
  FILE* out = fopen(path.c_str(), "w+b");
  fwrite(file.data(), 1, file.size(), in);
  rewind(in);
  EXPECT_TRUE(WriteDraft(out, subject.c_str(), body.c_str(), name.c_str(), in));
  Draft draft;
  draft.text.resize(static_cast<size_t>(ftell(out)));
  rewind(out);
  EXPECT_EQ(fread(&draft.text[0], 1, draft.text.size(), out), draft.text.size());
  fclose(in);
  fclose(out);
  FILE* reader = popen(("python3 " READ_DRAFT " " + path + " " + original).c_str(), "r");
  char buffer[4096];
  for (size_t bytes; (bytes = fread(buffer, 1, sizeof buffer, reader)) > 0;) draft.read.append(buffer, bytes);
  EXPECT_EQ(pclose(reader), 0) << draft.text;
  remove(original.c_str());
  remove(path.c_str());
  rmdir(folder);
  return draft;
}

std::string Read(const std::string& subject_line, const std::string& body_lines, const std::string& name,
                 size_t bytes) {
  return "X-Unsent: 1\n" + subject_line + body_lines + "file: " + name + " (name= " + name + "), " +
         std::to_string(bytes) + " bytes\nbytes: exact\n";
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
    Draft draft = Write(test[0], "b", "a", "");
    EXPECT_EQ(draft.text.find("\r\nSubject: "), test[1] ? draft.text.find(std::string("\r\n") + test[1] + "\r\n")
                                                          : std::string::npos);
    EXPECT_EQ(draft.read, Read(test[1] ? "Subject: " + std::string(test[0]) + "\n" : "", "body: 'b'\n", "a", 0));
  }
  // A subject is one line: each line break and tab a blank.
  Draft lines = Write("one\r\ntwo\nthree\rfour\tfive", "b", "a", "");
  EXPECT_NE(lines.text.find("\r\nSubject: =?utf-8?B?b25lIHR3byB0aHJlZSBmb3VyIGZpdmU=?=\r\n"), std::string::npos);
  EXPECT_EQ(lines.read, Read("Subject: one two three four five\n", "body: 'b'\n", "a", 0));
  for (std::string subject : {std::string(69, 's'), std::string(70, 's'), std::string(85, 'x') + " y",
                              "Zwölf Grüße, " + std::string(40, 'a') + " und 終わり終わり終わり終わり終わり終わり"}) {
    Draft draft = Write(subject, "b", "a", "");
    EXPECT_EQ(draft.read, Read("Subject: " + subject + "\n", "body: 'b'\n", "a", 0));
    EXPECT_EQ(draft.text.find("Subject: =?") == std::string::npos, subject.size() <= 69) << draft.text;
  }
}

TEST(DraftTest, FileNameInBothFormsWhateverItHolds) {
  std::string japanese;
  for (int i = 0; i < 120; ++i) japanese += "報告";
  for (std::string name : {std::string("a; b's \"final\" = (1), Überblick.txt"),
                           std::string("x\\y%41=?utf-8?q?z?=.txt"), japanese + ".pdf", std::string(240, 'n'),
                           "ü" + std::string(35, 'n'), "ü" + std::string(37, 'n'), std::string("my report.txt")}) {
    EXPECT_EQ(Write("s", "b", name, "x").read, Read("Subject: s\n", "body: 'b'\n", name, 1));
  }
  EXPECT_NE(Write("s", "b", "report.txt", "x").text.find(
                "\r\nContent-Type: application/octet-stream;\r\n name=\"report.txt\"\r\n"
                "Content-Transfer-Encoding: base64\r\nContent-Disposition: attachment;\r\n"
                " filename=\"report.txt\";\r\n filename*=utf-8''report.txt\r\n\r\neA==\r\n--=_Postlark_draft--\r\n"),
            std::string::npos);
}

TEST(DraftTest, BodyAndFileArriveExactly) {
  std::string every_byte;
  for (int round = 0; round < 3; ++round) {
    for (int value = 0; value < 256; ++value) every_byte += static_cast<char>(value);
  }
  const std::string long_line = std::string(74, 'a') + "=" + std::string(150, ' ') + ".x\tü";
  const std::string long_read = "body: '" + std::string(74, 'a') + "=" + std::string(150, ' ') + ".x\\tü'\n";
  const std::string kBodies[][2] = {
      {"", "body: ''\n"},
      {"a\r\nb\nc\rd\n\ne", "body: 'a'\nbody: 'b'\nbody: 'c'\nbody: 'd'\nbody: ''\nbody: 'e'\n"},
      {".\n..\nFrom me\n--=_Postlark_draft\n--=_Postlark_draft--\nend  \t\n",
       "body: '.'\nbody: '..'\nbody: 'From me'\nbody: '--=_Postlark_draft'\n"
       "body: '--=_Postlark_draft--'\nbody: 'end  \\t'\nbody: ''\n"},
      {long_line + "\n" + long_line, long_read + long_read},
      {"a \r\nb\t\nc \t\rd ", "body: 'a '\nbody: 'b\\t'\nbody: 'c \\t'\nbody: 'd '\n"},
  };
  // Also one byte over a read of the attachment, which is 2,048 lines.
  for (const std::string& file : {std::string(), every_byte, std::string(57 * 2048 + 1, 'z')}) {
    for (const auto& test : kBodies) {
      EXPECT_EQ(Write("s", test[0], "f", file).read, Read("Subject: s\n", test[1], "f", file.size()));
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
