// Drafts read back by an independent reader, Python's email package
// (tests/standin/read_draft.py), which also holds every line to its limit.
#include "mail_draft.h"

#include <stdio.h>
#include <stdlib.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace {

struct Draft {
  std::string text;  // as written
  std::string read;  // what the reader printed
};

// Writes a draft with `files` (name, content) and `recipients`, and reads
// it back, checking each file's bytes.
Draft WriteMany(const std::string& subject, const std::string& body,
                const std::vector<std::pair<std::string, std::string>>& files,
                const std::vector<DraftRecipient>& recipients = {}) {
  char folder[] = "/tmp/draft_test_XXXXXX";
  EXPECT_NE(mkdtemp(folder), nullptr);
  const std::string path = std::string(folder) + "/d.eml";
  std::vector<DraftAttachment> attachments;
  std::string originals;
  for (size_t i = 0; i < files.size(); ++i) {
    const std::string original = std::string(folder) + "/" + std::to_string(i);
    FILE* in = fopen(original.c_str(), "w+b");
    fwrite(files[i].second.data(), 1, files[i].second.size(), in);
    rewind(in);
    attachments.push_back({files[i].first.c_str(), in});
    originals += " " + original;
  }
  FILE* out = fopen(path.c_str(), "w+b");
  DraftMessage message = {subject.c_str(), body.c_str(), recipients.data(), recipients.size(),
                          attachments.data(), attachments.size()};
  EXPECT_TRUE(WriteDraft(out, message));
  Draft draft;
  draft.text.resize(static_cast<size_t>(ftell(out)));
  rewind(out);
  EXPECT_EQ(fread(&draft.text[0], 1, draft.text.size(), out), draft.text.size());
  fclose(out);
  FILE* reader = popen(("python3 " READ_DRAFT " " + path + originals).c_str(), "r");
  char buffer[4096];
  for (size_t bytes; (bytes = fread(buffer, 1, sizeof buffer, reader)) > 0;) draft.read.append(buffer, bytes);
  EXPECT_EQ(pclose(reader), 0) << draft.text;
  for (size_t i = 0; i < files.size(); ++i) {
    fclose(attachments[i].file);
    remove((std::string(folder) + "/" + std::to_string(i)).c_str());
  }
  remove(path.c_str());
  rmdir(folder);
  return draft;
}

Draft Write(const std::string& subject, const std::string& body, const std::string& name,
            const std::string& file) {
  return WriteMany(subject, body, {{name, file}});
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
  // Also every byte value over more than a read of the attachment, which
  // is 4,096 lines, ending in part of a line.
  std::string blocks;
  while (blocks.size() < 57 * 4096 + 59) blocks += every_byte;
  blocks.resize(57 * 4096 + 59);
  for (const std::string& file : {std::string(), every_byte, blocks}) {
    for (const auto& test : kBodies) {
      EXPECT_EQ(Write("s", test[0], "f", file).read, Read("Subject: s\n", test[1], "f", file.size()));
    }
  }
}

TEST(DraftTest, RecipientsOfEachClassAndManyFilesOrNone) {
  const std::string long_name(60, 'N');
  const std::vector<DraftRecipient> recipients = {
      {kDraftTo, "ann@example.com", "Ann Example"}, {kDraftCc, "bo@example.org", nullptr},
      {kDraftTo, "x.y+z@example.net", "Jürgen \"JJ\" Müller, Sales"}, {kDraftBcc, "c@d.example", "c@d.example"},
      {kDraftTo, "l@example.com", long_name.c_str()}};
  Draft draft = WriteMany("s", "b", {{"a.txt", "one"}, {"b c.bin", std::string(3000, '\0')}, {"ü.pdf", ""}},
                          recipients);
  EXPECT_EQ(draft.read, "X-Unsent: 1\nTo: Ann Example <ann@example.com>, \"Jürgen \\\"JJ\\\" Müller, Sales\" "
                        "<x.y+z@example.net>, " + std::string(60, 'N') + " <l@example.com>\n"
                        "Cc: bo@example.org\nBcc: c@d.example\nSubject: s\nbody: 'b'\n"
                        "file: a.txt (name= a.txt), 3 bytes\nbytes: exact\n"
                        "file: b c.bin (name= b c.bin), 3000 bytes\nbytes: exact\n"
                        "file: ü.pdf (name= ü.pdf), 0 bytes\nbytes: exact\n");
  EXPECT_EQ(WriteMany("s", "b", {}).read, "X-Unsent: 1\nSubject: s\nbody: 'b'\n");
}

TEST(DraftTest, NoAddressThatIsNotOneAndNoUnreadableFile) {
  for (const char* address : {"", "ann", "@example.com", "ann@", "a@b@c", "ann @example.com", "ann@example.com\r\nBcc: x@y",
                              "<ann@example.com>", "a,b@c", "=?utf-8?B?YQ==?=@c", "ü@example.com"}) {
    EXPECT_FALSE(IsMailAddress(address)) << address;
    DraftRecipient recipient = {kDraftTo, address, nullptr};
    DraftMessage message = {"s", "b", &recipient, 1, nullptr, 0};
    FILE* out = tmpfile();
    EXPECT_FALSE(WriteDraft(out, message));
    EXPECT_EQ(ftell(out), 0);
    fclose(out);
  }
  EXPECT_TRUE(IsMailAddress("first.last+tag@sub.example.co.uk"));
  FILE* out = tmpfile();
  FILE* write_only = fopen("/dev/null", "w");
  DraftAttachment attachment = {"n", write_only};
  DraftMessage message = {"s", "b", nullptr, 0, &attachment, 1};
  EXPECT_FALSE(WriteDraft(out, message));
  fclose(write_only);
  fclose(out);
}

}  // namespace
