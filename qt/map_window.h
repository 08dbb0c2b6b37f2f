// SPDX-License-Identifier: GPL-3.0-or-later
// The great-circle map's own window, "Tessaly map": separate, resizable and
// not modal. It shows what it was last given, tells what is under the mouse
// or the crosshair, hands a chosen point to the main window, and can save
// the picture as a PNG image.
#pragma once

#include <QMainWindow>
#include <functional>
#include <map>
#include <string_view>

#include "qt/map_data.h"
#include "window/map_view.h"
#include "window/menu.h"

class QAction;
class QTimer;

namespace tessaly {

class Preferences;
class TMapCanvas;
class TResultField;

inline constexpr std::string_view kMapCaption = "Tessaly map";
inline constexpr std::string_view kMapReadoutName = "Map readout";

class TMapWindow : public QMainWindow {
  Q_OBJECT

 public:
  using DestinationChooser = std::function<void(const SignedPosition&)>;

  // A top-level window of its own even with a parent, which only ties its
  // lifetime to the parent's. Closing it (Escape, Ctrl+W, the close box)
  // hides it; show() brings it back as it was. The layers shown are kept in
  // `preferences` where given; a chosen point goes to `choose`.
  explicit TMapWindow(QWidget* parent = nullptr, Preferences* preferences = nullptr,
                      DestinationChooser choose = {});

  // Takes what the map shows and redraws it, visible or not. Without a
  // Home position the map keeps its centre.
  void SetContent(const MapContent& content);

  // The moment the gray line is drawn for, now unless a test sets another;
  // the clock then stops.
  void SetMoment(UnixSeconds moment);
  const MapSettings& Settings() const { return settings_; }

 protected:
  void changeEvent(QEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  void BuildMenus();
  void Toggle(MenuItem layer, bool shown);
  void Zoom(int steps);
  void ShowScene();
  void SaveImage();
  // Within the screen's room for windows, whatever the scale factor.
  void FitOnScreen();

  const MapData& data_;
  Preferences* preferences_;
  MapContent content_;
  MapSettings settings_;
  TMapCanvas* canvas_ = nullptr;
  TResultField* readout_ = nullptr;
  QTimer* clock_ = nullptr;
  std::map<MenuItem, QAction*> actions_;
  bool fitted_ = false;
};

}  // namespace tessaly
