// The Linux mail library, loaded as the program loads it and also run
// through the program, against a fake xdg-email first on PATH that records
// its argument vector and exits as the test asks.

#include <dlfcn.h>
#include <errno.h>
#include <spawn.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "simple_mapi.h"

extern char** environ;

namespace {

const char kFakeXdgEmail[] =
    "#!/bin/sh\n"
    "# Records its arguments, each ended by a zero byte.\n"
    "printf '%s\\0' \"$@\" >\"$FAKE_XDG_EMAIL_RECORD\"\n"
    "if [ \"$FAKE_XDG_EMAIL_EXIT\" = signal ]; then kill -KILL $$; fi\n"
    "exit \"$FAKE_XDG_EMAIL_EXIT\"\n";

using Arguments = std::vector<std::string>;

class XdgEmailTest : public testing::Test {
 protected:
  void SetUp() override {
    char folder[] = "/tmp/postlark-xdg-email-XXXXXX";
    ASSERT_NE(mkdtemp(folder), nullptr);
    folder_ = folder;
    std::ofstream(folder_ + "/xdg-email") << kFakeXdgEmail;
    ASSERT_EQ(chmod((folder_ + "/xdg-email").c_str(), 0755), 0);
    std::ofstream(folder_ + "/report.txt") << "figures\n";
    record_ = folder_ + "/record";

    saved_path_ = getenv("PATH");
    had_locale_ = getenv("LC_ALL") != nullptr;
    if (had_locale_) saved_locale_ = getenv("LC_ALL");
    setenv("PATH", (folder_ + ":" + saved_path_).c_str(), 1);
    setenv("FAKE_XDG_EMAIL_RECORD", record_.c_str(), 1);
    setenv("LC_ALL", "C", 1);
    ExitWith("0");
    ASSERT_EQ(getcwd(saved_directory_, sizeof saved_directory_), saved_directory_);
    ASSERT_EQ(chdir(folder_.c_str()), 0);

    library_ = dlopen(POSTLARK_MAIL_LIBRARY, RTLD_NOW | RTLD_LOCAL);
    ASSERT_NE(library_, nullptr) << dlerror();
    send_mail_ = reinterpret_cast<LPMAPISENDMAIL>(dlsym(library_, "MAPISendMail"));
    ASSERT_NE(send_mail_, nullptr);
  }

  void TearDown() override {
    if (library_ != nullptr) dlclose(library_);
    EXPECT_EQ(chdir(saved_directory_), 0);
    setenv("PATH", saved_path_.c_str(), 1);
    if (had_locale_)
      setenv("LC_ALL", saved_locale_.c_str(), 1);
    else
      unsetenv("LC_ALL");
    std::filesystem::remove_all(folder_);
  }

  void ExitWith(const char* code) { setenv("FAKE_XDG_EMAIL_EXIT", code, 1); }

  // Sends a message with one attachment; every call must leave no child.
  ULONG Send(const char* subject, const char* body, const char* path,
             FLAGS flags = MAPI_LOGON_UI | MAPI_DIALOG,
             std::vector<MapiRecipDesc> recipients = {}) {
    unlink(record_.c_str());
    MapiFileDesc file = {};
    file.nPosition = 0xFFFFFFFFu;
    file.lpszPathName = const_cast<char*>(path);
    file.lpszFileName = const_cast<char*>(path);
    MapiMessage message = {};
    message.lpszSubject = const_cast<char*>(subject);
    message.lpszNoteText = const_cast<char*>(body);
    message.nFileCount = 1;
    message.lpFiles = &file;
    message.nRecipCount = static_cast<ULONG>(recipients.size());
    message.lpRecips = recipients.empty() ? nullptr : recipients.data();
    ULONG result = send_mail_(0, 0, &message, flags, 0);
    ExpectNoChildLeft();
    return result;
  }

  static void ExpectNoChildLeft() {
    errno = 0;
    EXPECT_EQ(waitpid(-1, nullptr, WNOHANG), -1);
    EXPECT_EQ(errno, ECHILD);
  }

  // The arguments the fake was started with, or nothing if it never ran.
  Arguments Recorded() {
    std::ifstream in(record_, std::ios::binary);
    if (!in) return {"(not run)"};
    std::stringstream bytes;
    bytes << in.rdbuf();
    Arguments arguments;
    std::string all = bytes.str();
    for (size_t start = 0, end; (end = all.find('\0', start)) != std::string::npos;
         start = end + 1)
      arguments.push_back(all.substr(start, end - start));
    return arguments;
  }

  std::string Path(const char* name) { return folder_ + "/" + name; }

  std::string folder_;
  std::string record_;
  std::string saved_path_;
  std::string saved_locale_;
  bool had_locale_ = false;
  char saved_directory_[4096];
  void* library_ = nullptr;
  LPMAPISENDMAIL send_mail_ = nullptr;
};

TEST_F(XdgEmailTest, TextsArriveAsSingleUnchangedArguments) {
  const char* kTexts[] = {
      "Weekly report",      "it's",          "say \"hi\"",    "$HOME ${PATH}",
      "`id` $(id)",         "a; rm -rf /",   "line one\nline two",
      "caf\xC3\xA9 na\xC3\xAFve", "*.txt ? [a]", "--attach=/etc/passwd",
  };
  for (const char* text : kTexts) {
    EXPECT_EQ(Send(text, text, "report.txt"), SUCCESS_SUCCESS) << text;
    EXPECT_EQ(Recorded(), (Arguments{"--subject", text, "--body", text, "--attach",
                                     Path("report.txt")}))
        << text;
  }
}

TEST_F(XdgEmailTest, LeavesOutEmptyAndBlankTextsAndMarksUtf8) {
  EXPECT_EQ(Send("", " \t ", "report.txt"), SUCCESS_SUCCESS);
  EXPECT_EQ(Recorded(), (Arguments{"--attach", Path("report.txt")}));

  setenv("LC_ALL", "C.UTF-8", 1);
  EXPECT_EQ(Send("Weekly report", "", Path("report.txt").c_str()), SUCCESS_SUCCESS);
  EXPECT_EQ(Recorded(), (Arguments{"--utf8", "--subject", "Weekly report", "--attach",
                                   Path("report.txt")}));
}

TEST_F(XdgEmailTest, HandsOnRecipients) {
  char to[] = "SMTP:ann@example.org", cc[] = "bob@example.org",
       bcc_name[] = "Carol", bcc[] = "smtp:carol@example.org", from[] = "me@example.org";
  std::vector<MapiRecipDesc> recipients(4);
  recipients[0].ulRecipClass = MAPI_TO;
  recipients[0].lpszAddress = to;
  recipients[1].ulRecipClass = MAPI_CC;
  recipients[1].lpszName = cc;  // a name alone serves as the address
  recipients[2].ulRecipClass = MAPI_BCC;
  recipients[2].lpszName = bcc_name;
  recipients[2].lpszAddress = bcc;
  recipients[3].ulRecipClass = MAPI_ORIG;
  recipients[3].lpszAddress = from;
  EXPECT_EQ(Send("s", "b", "report.txt", MAPI_DIALOG, recipients), SUCCESS_SUCCESS);
  EXPECT_EQ(Recorded(),
            (Arguments{"--subject", "s", "--body", "b", "--attach", Path("report.txt"),
                       "ann@example.org", "--cc", "bob@example.org", "--bcc",
                       "carol@example.org"}));

  // An address xdg-email would take for an option or a whole mailto: URI.
  char dash[] = "--attach", mailto[] = "mailto:x@example.org?attach=/etc/passwd";
  for (char* address : {dash, mailto}) {
    recipients.assign(1, MapiRecipDesc{});
    recipients[0].ulRecipClass = MAPI_TO;
    recipients[0].lpszAddress = address;
    EXPECT_EQ(Send("s", "b", "report.txt", MAPI_DIALOG, recipients),
              static_cast<ULONG>(MAPI_E_INVALID_RECIPS));
    EXPECT_EQ(Recorded(), Arguments{"(not run)"});
  }
}

TEST_F(XdgEmailTest, ResultCodes) {
  ASSERT_EQ(mkdir(Path("folder").c_str(), 0755), 0);
  struct Case {
    const char* exit;
    const char* path;
    FLAGS flags;
    ULONG result;
    bool runs;
  };
  const FLAGS kDialog = MAPI_LOGON_UI | MAPI_DIALOG;
  const Case kCases[] = {
      {"0", "report.txt", kDialog, SUCCESS_SUCCESS, true},
      {"2", "report.txt", kDialog, MAPI_E_ATTACHMENT_NOT_FOUND, true},
      {"5", "report.txt", kDialog, MAPI_E_ATTACHMENT_OPEN_FAILURE, true},
      {"3", "report.txt", kDialog, MAPI_E_NOT_SUPPORTED, true},
      {"1", "report.txt", kDialog, MAPI_E_FAILURE, true},
      {"4", "report.txt", kDialog, MAPI_E_FAILURE, true},
      {"signal", "report.txt", kDialog, MAPI_E_FAILURE, true},
      {"0", "missing.txt", kDialog, MAPI_E_ATTACHMENT_NOT_FOUND, false},
      {"0", "report.txt/x", kDialog, MAPI_E_ATTACHMENT_NOT_FOUND, false},
      {"0", "folder", kDialog, MAPI_E_ATTACHMENT_OPEN_FAILURE, false},
      {"0", "report.txt", MAPI_LOGON_UI, MAPI_E_NOT_SUPPORTED, false},
  };
  for (const Case& c : kCases) {
    ExitWith(c.exit);
    EXPECT_EQ(Send("s", "b", c.path, c.flags), c.result) << c.exit << " " << c.path;
    EXPECT_EQ(Recorded() != Arguments{"(not run)"}, c.runs) << c.exit << " " << c.path;
  }
}

TEST_F(XdgEmailTest, UnreadableAttachmentIsNotOpened) {
  if (geteuid() == 0) GTEST_SKIP() << "root reads every file";
  ASSERT_EQ(chmod(Path("report.txt").c_str(), 0), 0);
  EXPECT_EQ(Send("s", "b", "report.txt"),
            static_cast<ULONG>(MAPI_E_ATTACHMENT_OPEN_FAILURE));
  EXPECT_EQ(Recorded(), Arguments{"(not run)"});
}

TEST_F(XdgEmailTest, WithoutXdgEmailFails) {
  setenv("PATH", "/nonexistent", 1);
  EXPECT_EQ(Send("s", "b", "report.txt"), static_cast<ULONG>(MAPI_E_FAILURE));
}

TEST_F(XdgEmailTest, MalformedMessagesFail) {
  EXPECT_EQ(send_mail_(0, 0, nullptr, MAPI_DIALOG, 0), static_cast<ULONG>(MAPI_E_FAILURE));
  MapiMessage message = {};
  message.nRecipCount = 2;  // counted but not given
  EXPECT_EQ(send_mail_(0, 0, &message, MAPI_DIALOG, 0), static_cast<ULONG>(MAPI_E_FAILURE));
  message = MapiMessage{};
  message.nFileCount = 1;
  EXPECT_EQ(send_mail_(0, 0, &message, MAPI_DIALOG, 0), static_cast<ULONG>(MAPI_E_FAILURE));
  EXPECT_EQ(Recorded(), Arguments{"(not run)"});
}

// The program itself, from the build tree, with the library beside it.
TEST_F(XdgEmailTest, ThroughTheProgram) {
  ExitWith("0");
  const char* argv[] = {"Postlark", "report.txt", "it's $5; `ok`", "Hi!\nSee it.", nullptr};
  pid_t child;
  ASSERT_EQ(posix_spawn(&child, POSTLARK_PROGRAM, nullptr, nullptr,
                        const_cast<char* const*>(argv), environ),
            0);
  int status = 0;
  ASSERT_EQ(waitpid(child, &status, 0), child);
  EXPECT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 0);
  EXPECT_EQ(Recorded(), (Arguments{"--subject", "it's $5; `ok`", "--body", "Hi!\nSee it.",
                                   "--attach", Path("report.txt")}));

  ExitWith("3");  // no mail client on this machine
  ASSERT_EQ(posix_spawn(&child, POSTLARK_PROGRAM, nullptr, nullptr,
                        const_cast<char* const*>(argv), environ),
            0);
  ASSERT_EQ(waitpid(child, &status, 0), child);
  EXPECT_EQ(WEXITSTATUS(status), MAPI_E_NOT_SUPPORTED);
}

}  // namespace
