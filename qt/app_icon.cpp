// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/app_icon.h"

#include <QDir>
#include <QFileInfo>
#include <QIconEngine>
#include <QPainter>
#include <algorithm>
#include <map>
#include <optional>
#include <utility>
#include <vector>

namespace tessaly {
namespace {

// The resource holds one PNG a size, named "<pixels>.png".
const QString kIconDirectory = QStringLiteral(":/icons");

QString IconFile(int pixels) {
  return kIconDirectory + QStringLiteral("/%1.png").arg(pixels);
}

// The sizes in the resource, smallest first.
std::vector<int> ResourceIconSizes() {
  std::vector<int> sizes;
  for (const QString& file : QDir(kIconDirectory).entryList(QDir::Files)) {
    const int pixels = QFileInfo(file).baseName().toInt();
    if (pixels > 0) sizes.push_back(pixels);
  }
  std::sort(sizes.begin(), sizes.end());
  return sizes;
}

// Lists and decodes the sizes of the icon when it is first drawn, not when
// the icon is made: offscreen, and on desktops that show the launcher's icon,
// never; the 128 and 256 pixel PNGs alone would cost a fifth of the start's
// work.
class TResourceIconEngine : public QIconEngine {
 public:
  QPixmap pixmap(const QSize& size, QIcon::Mode, QIcon::State) override {
    const std::vector<int>& sizes = Sizes();
    if (sizes.empty()) return {};
    // The smallest PNG that covers the size asked for, else the largest.
    const int wanted = std::max(size.width(), size.height());
    const auto fits = std::lower_bound(sizes.begin(), sizes.end(), wanted);
    const int pixels = fits == sizes.end() ? sizes.back() : *fits;
    QPixmap& loaded = loaded_[pixels];
    if (loaded.isNull()) loaded.load(IconFile(pixels));
    if (loaded.size() == size) return loaded;
    return loaded.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
  }

  void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
    painter->drawPixmap(rect, pixmap(rect.size(), mode, state));
  }

  QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override {
    QList<QSize> sizes;
    for (const int pixels : Sizes()) sizes.append(QSize(pixels, pixels));
    return sizes;
  }

  QIconEngine* clone() const override { return new TResourceIconEngine(*this); }
  QString key() const override { return QStringLiteral("tessaly-resource-icon"); }

 private:
  const std::vector<int>& Sizes() {
    if (!sizes_) sizes_ = ResourceIconSizes();
    return *sizes_;
  }

  std::optional<std::vector<int>> sizes_;
  std::map<int, QPixmap> loaded_;
};

}  // namespace

QPixmap AppIcon() {
  return QPixmap(IconFile(kAppIconSize));
}

QIcon AppIconAllSizes() {
  return QIcon(new TResourceIconEngine);
}

}  // namespace tessaly
