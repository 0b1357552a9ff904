// The copy a client is handed bears the name the caller gave the attachment,
// and stays in its message's folder whatever that name says.
#include "snapshot.h"

#include <stdio.h>

#include <glib.h>
#include <gtest/gtest.h>

TEST(SnapshotTest, CopyBearsTheDisplayName) {
  g_autofree char* cache = g_dir_make_tmp("snapshot_test_XXXXXX", nullptr);
  g_autofree char* source = g_build_filename(cache, "tmp1234.dat", nullptr);
  ASSERT_TRUE(g_file_set_contents(source, "figures\n", -1, nullptr));
  const char* const kCases[][2] = {{"Invoice 42.pdf", "Invoice 42.pdf"}, {"../x.pdf", "x.pdf"}, {"a/b.pdf", "b.pdf"},
                                   {"a/..", "tmp1234.dat"}, {"a/", "tmp1234.dat"}, {nullptr, "tmp1234.dat"}};
  for (const auto& test : kCases) {
    MapiFileDesc file = {0, 0, 0xFFFFFFFFu, source, const_cast<char*>(test[0]), nullptr};
    MapiMessage message = {0, nullptr, nullptr, nullptr, nullptr, nullptr, 0, nullptr, 0, nullptr, 1, &file};
    Snapshot snapshot;
    ASSERT_EQ(MakeSnapshot(&message, cache, &snapshot), SUCCESS_SUCCESS) << test[0];
    g_autofree char* expected = g_build_filename(snapshot.folder, test[1], nullptr);
    g_autofree char* copied = nullptr;
    EXPECT_STREQ(snapshot.copies[0], expected);
    EXPECT_TRUE(g_file_get_contents(expected, &copied, nullptr, nullptr) && g_str_equal(copied, "figures\n"));
    FreeSnapshot(&snapshot, true);
  }
  remove(source);
  remove(cache);
}
