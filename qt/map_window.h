// SPDX-License-Identifier: GPL-3.0-or-later
// The great-circle map's own window, "Tessaly map": separate, resizable and
// not modal. It shows what it was last given and can save it as a PNG image.
#pragma once

#include <QMainWindow>
#include <string_view>

#include "geo/coastline.h"
#include "window/map_view.h"

namespace tessaly {

inline constexpr std::string_view kMapCaption = "Tessaly map";

class TMapWindow : public QMainWindow {
  Q_OBJECT

 public:
  // A top-level window of its own even with a parent, which only ties its
  // lifetime to the parent's. Closing it (Escape, Ctrl+W, the close box)
  // hides it; show() brings it back as it was.
  explicit TMapWindow(QWidget* parent = nullptr);

  // Takes what the map shows and redraws it, visible or not.
  void SetContent(const MapContent& content);

 private:
  void SaveImage();

  const Coastline& coastline_;
  MapContent content_;
  QWidget* canvas_ = nullptr;
};

}  // namespace tessaly
