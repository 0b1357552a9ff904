#include "mail_request.h"

#include <string.h>

#include <string>

#include <gtest/gtest.h>

namespace {

// A request full of a byte that no field is meant to keep, so that a field
// left unset shows.
void Poison(MailRequest* request) {
  memset(request, 0xA5, sizeof *request);
}

TEST(BuildMailRequestTest, SetsEveryFieldOfBothRecords) {
  MailRequest request;
  Poison(&request);
  ASSERT_EQ(BuildMailRequest(&request, "C:\\My Files\\report.txt",
                             "Weekly report", "Please see the file"),
            kMailRequestBuilt);

  const MapiFileDesc& file = request.attachment;
  EXPECT_EQ(file.ulReserved, 0u);
  EXPECT_EQ(file.flFlags, 0u);
  EXPECT_EQ(file.nPosition, 0xFFFFFFFFu);
  EXPECT_EQ(file.lpszPathName, request.attachment_path);
  EXPECT_EQ(file.lpszFileName, request.attachment_display_name);
  EXPECT_EQ(file.lpFileType, nullptr);

  const MapiMessage& message = request.message;
  EXPECT_EQ(message.ulReserved, 0u);
  EXPECT_EQ(message.lpszSubject, request.subject);
  EXPECT_EQ(message.lpszNoteText, request.note);
  EXPECT_EQ(message.lpszMessageType, nullptr);
  EXPECT_EQ(message.lpszDateReceived, nullptr);
  EXPECT_EQ(message.lpszConversationID, nullptr);
  EXPECT_EQ(message.flFlags, 0u);
  EXPECT_EQ(message.lpOriginator, nullptr);
  EXPECT_EQ(message.nRecipCount, 0u);
  EXPECT_EQ(message.lpRecips, nullptr);
  EXPECT_EQ(message.nFileCount, 1u);
  EXPECT_EQ(message.lpFiles, &request.attachment);

  // The display name is the whole path as given, not its last component.
  EXPECT_STREQ(file.lpszPathName, "C:\\My Files\\report.txt");
  EXPECT_STREQ(file.lpszFileName, "C:\\My Files\\report.txt");
  EXPECT_STREQ(message.lpszSubject, "Weekly report");
  EXPECT_STREQ(message.lpszNoteText, "Please see the file");
}

TEST(BuildMailRequestTest, KeepsPrivateCopiesOfTheTexts) {
  char path[] = "report.txt";
  char subject[] = "subject";
  char body[] = "body";
  MailRequest request;
  ASSERT_EQ(BuildMailRequest(&request, path, subject, body), kMailRequestBuilt);
  path[0] = subject[0] = body[0] = 'X';
  request.attachment_path[0] = 'Y';  // the two path copies are separate too

  EXPECT_STREQ(request.attachment.lpszPathName, "Yeport.txt");
  EXPECT_STREQ(request.attachment.lpszFileName, "report.txt");
  EXPECT_STREQ(request.message.lpszSubject, "subject");
  EXPECT_STREQ(request.message.lpszNoteText, "body");
}

TEST(BuildMailRequestTest, EmptyTextsAreEmptyNotNull) {
  MailRequest request;
  Poison(&request);
  ASSERT_EQ(BuildMailRequest(&request, "", "", ""), kMailRequestBuilt);
  ASSERT_NE(request.message.lpszSubject, nullptr);
  ASSERT_NE(request.message.lpszNoteText, nullptr);
  EXPECT_STREQ(request.message.lpszSubject, "");
  EXPECT_STREQ(request.message.lpszNoteText, "");
  EXPECT_STREQ(request.attachment.lpszPathName, "");
}

TEST(BuildMailRequestTest, TextsAreCopiedByteForByte) {
  const char kText[] = "caf\xE9 \"quoted\" \t\x01\x7F\xFF";
  MailRequest request;
  ASSERT_EQ(BuildMailRequest(&request, kText, kText, kText), kMailRequestBuilt);
  EXPECT_EQ(memcmp(request.attachment_path, kText, sizeof kText), 0);
  EXPECT_EQ(memcmp(request.attachment_display_name, kText, sizeof kText), 0);
  EXPECT_EQ(memcmp(request.subject, kText, sizeof kText), 0);
  EXPECT_EQ(memcmp(request.note, kText, sizeof kText), 0);
}

TEST(BuildMailRequestTest, TextOf255BytesFillsItsField) {
  const std::string longest(255, 'x');
  MailRequest request;
  Poison(&request);
  ASSERT_EQ(BuildMailRequest(&request, longest.c_str(), longest.c_str(),
                             longest.c_str()),
            kMailRequestBuilt);
  const char* fields[] = {request.attachment_display_name,
                          request.attachment_path, request.subject,
                          request.note};
  for (const char* field : fields) {
    EXPECT_EQ(std::string(field, 255), longest);
    EXPECT_EQ(field[MailTextCapacity - 1], '\0');
  }
}

// The first text of 256 bytes or more, in the order path, subject, body, is
// the one reported; nothing of the request is written.
TEST(BuildMailRequestTest, RefusesTextsThatDoNotFit) {
  const std::string fits(255, 'a');
  const std::string too_long(256, 'b');
  const std::string far_too_long(100000, 'c');
  struct Case {
    const std::string* path;
    const std::string* subject;
    const std::string* body;
    MailRequestResult expected;
  };
  const Case kCases[] = {
      {&too_long, &fits, &fits, kMailPathTooLong},
      {&fits, &too_long, &fits, kMailSubjectTooLong},
      {&fits, &fits, &too_long, kMailBodyTooLong},
      {&fits, &far_too_long, &too_long, kMailSubjectTooLong},
      {&far_too_long, &far_too_long, &far_too_long, kMailPathTooLong},
  };
  for (const Case& c : kCases) {
    MailRequest request;
    Poison(&request);
    MailRequest untouched;
    Poison(&untouched);
    EXPECT_EQ(BuildMailRequest(&request, c.path->c_str(), c.subject->c_str(),
                               c.body->c_str()),
              c.expected);
    EXPECT_EQ(memcmp(&request, &untouched, sizeof request), 0);
  }
}

}  // namespace
