// SPDX-License-Identifier: GPL-3.0-or-later
// The style of the fields and radio groups: the desktop's own, with the parts
// that stay the same while a value changes (a field's frame and background, a
// radio item's round indicator, the frame of its group, which is repainted
// behind the item) drawn once for each size and state and then reused. Their
// rounded, antialiased outlines cost more to draw than the text, and Enter
// repaints a dozen fields and four radio groups.
#pragma once

#include <QHash>
#include <QPixmapCache>
#include <QProxyStyle>

namespace tessaly {

class TFieldStyle : public QProxyStyle {
  Q_OBJECT

 public:
  void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override;

 private:
  // The cache's key of each picture, by what the picture depends on: found
  // without building a text key for every frame drawn.
  mutable QHash<size_t, QPixmapCache::Key> pictures_;
};

// The one instance the fields, radio groups and their items share (QWidget::setStyle). It
// lives as long as the program: a widget may still ask for its style while it
// is destroyed.
TFieldStyle& FieldStyle();

}  // namespace tessaly
