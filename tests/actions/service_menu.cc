// service_menu RECORD FILE...: what Dolphin's context menu offers for FILEs
// from the installed service menus, through KIO's own classes as Dolphin
// builds that menu. Prints each action's name, one a line; where one is
// named "Email with Postlark", triggers it as a click does, and ends once
// the file RECORD exists (what the program it starts leaves), or with 1
// after 20 s.

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QMenu>
#include <QTimer>
#include <QUrl>

#include <KFileItem>
#include <KFileItemActions>
#include <KFileItemListProperties>

#include <stdio.h>

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
  if (argc < 3) return fputs("usage: service_menu RECORD FILE...\n", stderr), 2;
  const QString record = QFile::decodeName(argv[1]);
  KFileItemList items;
  for (int i = 2; i < argc; ++i) items.append(KFileItem(QUrl::fromLocalFile(QFile::decodeName(argv[i]))));
  KFileItemActions actions;
  actions.setItemListProperties(KFileItemListProperties(items));
  QMenu menu;
  actions.addActionsTo(&menu, KFileItemActions::MenuActionSource::Services);
  QList<QAction*> offered;
  Collect(&menu, &offered);
  QAction* ours = nullptr;
  for (QAction* action : offered) {
    const QString name = action->text().remove(QLatin1Char('&'));
    printf("%s\n", name.toUtf8().constData());
    if (name == QLatin1String("Email with Postlark")) ours = action;
  }
  fflush(stdout);
  if (ours == nullptr) return 0;

  ours->trigger();
  QTimer poll;
  QObject::connect(&poll, &QTimer::timeout, [&] {
    if (QFile::exists(record)) app.exit(0);
  });
  poll.start(20);
  QTimer::singleShot(20000, [&] {
    fputs("service_menu: nothing came of the action within 20 s\n", stderr);
    app.exit(1);
  });
  return app.exec();
}
