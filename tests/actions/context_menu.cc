// A file manager's context menu, run by hand: MENU RECORD FILE... prints
// the name of each entry the file manager's own library puts in its menu
// for FILEs, one a line; where one is "Email with Postlark", clicks it and
// ends once the file RECORD exists (what the program it starts leaves), or
// with 1 after 20 s. It ends without tearing anything down: the menu's
// library may have jobs of its own still running (libfm-qt lists a
// folder's contents for its Create New menu), and destroying the menu
// under one that waits for the main thread deadlocks.

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QTimer>

#include <stdio.h>
#include <unistd.h>

#include "context_menu.h"

namespace {

void Collect(QMenu* menu, QList<QAction*>* out) {
  for (QAction* action : menu->actions()) {
    if (action->menu() != nullptr) Collect(action->menu(), out);
    else if (!action->isSeparator()) out->append(action);
  }
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  if (argc < 3) return fputs("usage: MENU RECORD FILE...\n", stderr), 2;
  const QString record = QFile::decodeName(argv[1]);
  QStringList paths;
  for (int i = 2; i < argc; ++i) paths.append(QFile::decodeName(argv[i]));
  std::unique_ptr<QMenu> menu = ContextMenu(paths);
  if (menu == nullptr) return fputs("no menu for these files\n", stderr), 1;

  QList<QAction*> entries;
  Collect(menu.get(), &entries);
  QAction* ours = nullptr;
  for (QAction* action : entries) {
    const QString name = action->text().remove(QLatin1Char('&'));
    printf("%s\n", name.toUtf8().constData());
    if (name == QLatin1String("Email with Postlark")) ours = action;
  }
  fflush(stdout);
  if (ours == nullptr) _exit(0);

  ours->trigger();
  QTimer poll;
  QObject::connect(&poll, &QTimer::timeout, [&] {
    if (QFile::exists(record)) app.exit(0);
  });
  poll.start(20);
  QTimer::singleShot(20000, [&] {
    fputs("nothing came of \"Email with Postlark\" within 20 s\n", stderr);
    app.exit(1);
  });
  const int status = app.exec();
  fflush(stdout);
  _exit(status);
}
