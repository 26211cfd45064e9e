#include "ui/OutlineIcons.h"

#include <QFile>

// Outside any namespace: the resource initialiser of this static library.
static void InitOutlineIcons() {
  Q_INIT_RESOURCE(outline_icons);
}

namespace {
QIcon Load(const char* folder, int id) {
  InitOutlineIcons();  // registers once; later calls find it registered
  const QString path = QStringLiteral(":/outline/%1/%2.svg").arg(QLatin1String(folder)).arg(id);
  if (!QFile::exists(path)) return QIcon();
  return QIcon(path);
}
}  // namespace

QIcon TreeIcon(int id) {
  return Load("tree", id);
}
QIcon TabIcon(int id) {
  return Load("tabs", id);
}
QIcon PageIcon(int id) {
  return Load("page", id);
}
