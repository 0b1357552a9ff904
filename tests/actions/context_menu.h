// A file manager's context menu, built by the file manager's own library.
#ifndef POSTLARK_TESTS_ACTIONS_CONTEXT_MENU_H_
#define POSTLARK_TESTS_ACTIONS_CONTEXT_MENU_H_

#include <QMenu>
#include <QStringList>

#include <memory>

/// The menu the file manager shows for the files at `paths` (absolute),
/// with what it does when an entry is clicked; null if it cannot be built.
std::unique_ptr<QMenu> ContextMenu(const QStringList& paths);

#endif  // POSTLARK_TESTS_ACTIONS_CONTEXT_MENU_H_
