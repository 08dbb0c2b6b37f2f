#include "qt/app_icon.h"

#include <QDir>

namespace tessaly {
namespace {

// The resource holds one PNG a size, named "<pixels>.png".
const QString kIconDirectory = QStringLiteral(":/icons");

}  // namespace

QPixmap AppIcon() {
  return QPixmap(kIconDirectory + QStringLiteral("/%1.png").arg(kAppIconSize));
}

QIcon AppIconAllSizes() {
  QIcon icon;
  for (const QString& file : QDir(kIconDirectory).entryList(QDir::Files)) {
    icon.addFile(kIconDirectory + '/' + file);
  }
  return icon;
}

}  // namespace tessaly
