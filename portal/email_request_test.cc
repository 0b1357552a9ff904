#include "email_request.h"

#include <string>

#include <gtest/gtest.h>

namespace {

// The options as the portal hands them: parsed from text, then serialised,
// so that every text lives in the options' own bytes.
GVariant* Options(const std::string& text) {
  GVariant* parsed = g_variant_parse(G_VARIANT_TYPE_VARDICT, text.c_str(), nullptr, nullptr, nullptr);
  EXPECT_NE(parsed, nullptr) << text;
  GBytes* bytes = g_variant_get_data_as_bytes(parsed);
  GVariant* serialised = g_variant_new_from_bytes(G_VARIANT_TYPE_VARDICT, bytes, TRUE);
  g_bytes_unref(bytes);
  g_variant_unref(parsed);
  return g_variant_ref_sink(serialised);
}

}  // namespace

TEST(EmailRequestTest, ReadsEveryFieldIntoTheMessage) {
  GVariant* options = Options(
      "{'address': <'ann@example.org'>, 'addresses': <['bob@example.org']>, 'cc': <['carl@example.org']>,"
      " 'bcc': <['dora@example.net', 'eve@example.net']>, 'subject': <'Grüße'>, 'body': <'a\\nb'>,"
      " 'attachments': <['/tmp/a b.txt', '/tmp/c']>, 'activation_token': <'t1'>, 'unknown': <1>}");
  EmailRequest request;
  const char* error = "unset";
  ASSERT_TRUE(ReadEmailOptions(options, &request, &error));
  EXPECT_EQ(error, nullptr);
  const MapiMessage& message = request.message;
  ASSERT_EQ(message.nRecipCount, 5u);
  const char* addresses[] = {"ann@example.org", "bob@example.org", "carl@example.org", "dora@example.net", "eve@example.net"};
  ULONG kinds[] = {MAPI_TO, MAPI_TO, MAPI_CC, MAPI_BCC, MAPI_BCC};
  for (int i = 0; i < 5; ++i) {
    EXPECT_STREQ(message.lpRecips[i].lpszAddress, addresses[i]);
    EXPECT_EQ(message.lpRecips[i].ulRecipClass, kinds[i]);
    EXPECT_EQ(message.lpRecips[i].lpszName, nullptr);
  }
  EXPECT_STREQ(message.lpszSubject, "Grüße");
  EXPECT_STREQ(message.lpszNoteText, "a\nb");
  ASSERT_EQ(message.nFileCount, 2u);
  EXPECT_STREQ(message.lpFiles[0].lpszPathName, "/tmp/a b.txt");
  EXPECT_STREQ(message.lpFiles[1].lpszPathName, "/tmp/c");
  EXPECT_EQ(message.lpFiles[1].lpszFileName, nullptr);  // the library names it by its path
  EXPECT_STREQ(request.activation_token, "t1");
  g_variant_unref(options);
}

TEST(EmailRequestTest, NothingGivenIsAnEmptyMessage) {
  GVariant* options = Options("@a{sv} {}");
  EmailRequest request;
  const char* error = nullptr;
  ASSERT_TRUE(ReadEmailOptions(options, &request, &error));
  EXPECT_EQ(request.message.nRecipCount, 0u);
  EXPECT_EQ(request.message.lpRecips, nullptr);
  EXPECT_EQ(request.message.lpFiles, nullptr);
  EXPECT_EQ(request.message.lpszSubject, nullptr);
  EXPECT_EQ(request.activation_token, nullptr);
  g_variant_unref(options);
}

TEST(EmailRequestTest, RefusesWhatACallerCannotMean) {
  std::string many = "{'attachments': <[";
  for (int i = 0; i < 65; ++i) many += i == 0 ? "'/f'" : ", '/f'";
  many += "]>}";
  std::string recipients = "{'addresses': <[";
  for (int i = 0; i < 65; ++i) recipients += i == 0 ? "'a@b.c'" : ", 'a@b.c'";
  recipients += "]>}";
  for (const std::string& text :
       {std::string("{'address': <'ann@example.org\\nbcc: eve@example.org'>}"),
        std::string("{'address': <'ann@example.org, bob@example.org'>}"), std::string("{'cc': <['--help']>}"),
        std::string("{'bcc': <['']>}"), std::string("{'address': <['ann@example.org']>}"),
        std::string("{'addresses': <'ann@example.org'>}"), std::string("{'subject': <42>}"),
        std::string("{'attachments': <['report.txt']>}"), std::string("{'attachments': <'/tmp/a'>}"),
        std::string("{'body': <b'\\xff'>}"), many, recipients}) {
    GVariant* options = Options(text);
    EmailRequest request;
    const char* error = nullptr;
    EXPECT_FALSE(ReadEmailOptions(options, &request, &error)) << text;
    EXPECT_NE(error, nullptr) << text;
    g_variant_unref(options);
  }
  EmailRequest request;
  const char* error = nullptr;
  EXPECT_FALSE(ReadEmailOptions(nullptr, &request, &error));
}
