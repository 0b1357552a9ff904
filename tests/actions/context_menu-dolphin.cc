// Dolphin's context menu: its service menus' actions, as KIO's
// KFileItemActions adds them and runs the one clicked.

#include <QUrl>

#include <KFileItem>
#include <KFileItemActions>
#include <KFileItemListProperties>

#include "context_menu.h"

std::unique_ptr<QMenu> ContextMenu(const QStringList& paths) {
  KFileItemList items;
  for (const QString& path : paths) items.append(KFileItem(QUrl::fromLocalFile(path)));
  auto menu = std::make_unique<QMenu>();
  // The menu owns the actions' runner, which must outlive this call.
  auto* actions = new KFileItemActions(menu.get());
  actions->setItemListProperties(KFileItemListProperties(items));
  actions->addActionsTo(menu.get(), KFileItemActions::MenuActionSource::Services);
  return menu;
}
