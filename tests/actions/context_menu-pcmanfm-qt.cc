// PCManFM-Qt's context menu: libfm-qt's FileMenu, with the actions of
// share/file-manager/actions it reads and runs.

#include <libfmqt.h>
#include <filemenu.h>
#include <core/fileinfojob.h>
#include <core/filepath.h>

#include "context_menu.h"

std::unique_ptr<QMenu> ContextMenu(const QStringList& paths) {
  // For as long as the menu is used, and never torn down after the
  // application has been.
  [[maybe_unused]] static auto* library = new Fm::LibFmQt;
  Fm::FilePathList files;
  for (const QString& path : paths) files.push_back(Fm::FilePath::fromLocalPath(path.toLocal8Bit().constData()));
  Fm::FileInfoJob job(files);
  job.run();  // here, at once
  const Fm::FileInfoList& infos = job.files();
  if (infos.size() != files.size()) return nullptr;
  return std::make_unique<Fm::FileMenu>(infos, infos.front(), files.front().parent());
}
