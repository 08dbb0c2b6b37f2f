// The about box: title, version date, icon and credits, closed with OK.
#pragma once

#include <QDialog>

namespace tessaly {

inline constexpr int kAboutClientWidth = 193;
inline constexpr int kAboutClientHeight = 188;
inline constexpr std::string_view kAboutCaption = "About Tessaly";

class TAboutWin : public QDialog {
  Q_OBJECT

 public:
  explicit TAboutWin(QWidget* parent);
};

}  // namespace tessaly
