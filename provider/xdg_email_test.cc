// What the transcript tests cannot reach through the program: recipients
// and malformed messages.

#include "xdg_email.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace {

// The command built for `message`, "(refused N)" if it was refused.
std::vector<std::string> Build(const MapiMessage* message) {
  XdgEmailCommand command;
  ULONG result = BuildXdgEmailCommand(message, "/", false, &command);
  if (result != SUCCESS_SUCCESS) return {"(refused " + std::to_string(result) + ")"};
  std::vector<std::string> argv;
  for (char** p = command.argv + 1; *p != nullptr; ++p) argv.emplace_back(*p);
  FreeXdgEmailCommand(&command);
  return argv;
}

TEST(BuildXdgEmailCommandTest, Recipients) {
  MapiRecipDesc recipients[4] = {};
  recipients[0] = {0, MAPI_TO, nullptr, const_cast<char*>("SMTP:ann@example.org"), 0, nullptr};
  recipients[1] = {0, MAPI_CC, const_cast<char*>("bob@example.org"), nullptr, 0, nullptr};
  recipients[2] = {0, MAPI_BCC, const_cast<char*>("Carol"),
                   const_cast<char*>("smtp:carol@example.org"), 0, nullptr};
  recipients[3] = {0, MAPI_ORIG, nullptr, const_cast<char*>("me@example.org"), 0, nullptr};
  MapiMessage message = {};
  message.nRecipCount = 4;
  message.lpRecips = recipients;
  EXPECT_EQ(Build(&message), (std::vector<std::string>{"ann@example.org", "--cc",
                                                       "bob@example.org", "--bcc",
                                                       "carol@example.org"}));

  // What xdg-email would take for an option or for a whole message.
  message.nRecipCount = 1;
  for (const char* address : {"--attach", "mailto:x@example.org?attach=/etc/passwd", ""}) {
    recipients[0].lpszAddress = const_cast<char*>(address);
    EXPECT_EQ(Build(&message), std::vector<std::string>{"(refused 25)"}) << address;
  }
  recipients[0] = {0, MAPI_BCC + 1, nullptr, const_cast<char*>("a@example.org"), 0, nullptr};
  EXPECT_EQ(Build(&message), std::vector<std::string>{"(refused 15)"});
}

TEST(BuildXdgEmailCommandTest, MalformedMessages) {
  EXPECT_EQ(Build(nullptr), std::vector<std::string>{"(refused 2)"});
  MapiMessage message = {};
  message.nRecipCount = 2;  // counted but not given
  EXPECT_EQ(Build(&message), std::vector<std::string>{"(refused 2)"});
  message = MapiMessage{};
  message.nFileCount = 1;
  EXPECT_EQ(Build(&message), std::vector<std::string>{"(refused 2)"});
}

}  // namespace
