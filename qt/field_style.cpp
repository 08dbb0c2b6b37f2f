// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/field_style.h"

#include <QHash>
#include <QPainter>
#include <QPixmap>
#include <QPixmapCache>
#include <QStyleOption>

namespace tessaly {
namespace {

bool IsCached(QStyle::PrimitiveElement element) {
  return element == QStyle::PE_PanelLineEdit || element == QStyle::PE_IndicatorRadioButton ||
         element == QStyle::PE_FrameGroupBox;
}

// Everything the picture depends on. A frame's line width is all its option
// adds to the common ones.
size_t PictureHash(QStyle::PrimitiveElement element, const QStyleOption& option, double ratio) {
  const auto* frame = qstyleoption_cast<const QStyleOptionFrame*>(&option);
  return qHashMulti(0, static_cast<int>(element), option.rect.width(), option.rect.height(),
                    static_cast<unsigned>(option.state), option.palette.cacheKey(),
                    static_cast<int>(option.direction), ratio, frame ? frame->lineWidth : -1);
}

}  // namespace

void TFieldStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                                QPainter* painter, const QWidget* widget) const {
  if (!IsCached(element) || option->rect.isEmpty()) {
    QProxyStyle::drawPrimitive(element, option, painter, widget);
    return;
  }
  const double ratio = painter->device()->devicePixelRatioF();
  const size_t hash = PictureHash(element, *option, ratio);
  QPixmap picture;
  const auto known = pictures_.constFind(hash);
  // The cache may have dropped a picture to make room: it is drawn again.
  if (known == pictures_.cend() || !QPixmapCache::find(*known, &picture)) {
    picture = QPixmap(option->rect.size() * ratio);
    picture.setDevicePixelRatio(ratio);
    picture.fill(Qt::transparent);
    QPainter drawing(&picture);
    // Drawn where the option says, then moved there: the style may use the
    // rectangle's position, so it is drawn in place with the painter moved.
    drawing.translate(-option->rect.topLeft());
    QProxyStyle::drawPrimitive(element, option, &drawing, widget);
    drawing.end();
    pictures_.insert(hash, QPixmapCache::insert(picture));
  }
  painter->drawPixmap(option->rect.topLeft(), picture);
}

TFieldStyle& FieldStyle() {
  static TFieldStyle* const style = new TFieldStyle;
  return *style;
}

}  // namespace tessaly
