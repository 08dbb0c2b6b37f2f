// SPDX-License-Identifier: GPL-3.0-or-later
// The about box: title, version date, icon and credits, closed with OK.
#pragma once

#include <QDialog>
#include <string_view>

class QKeyEvent;

namespace tessaly {

inline constexpr int kAboutClientWidth = 193;
inline constexpr int kAboutClientHeight = 188;
inline constexpr std::string_view kAboutCaption = "About Tessaly";

class TAboutWin : public QDialog {
  Q_OBJECT

 public:
  explicit TAboutWin(QWidget* parent);

 protected:
  // Only OK and the close box end the about box; Escape does not.
  void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace tessaly
