// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/about_win.h"

#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

#include "qt/app_icon.h"
#include "qt/latin1.h"
#include "qt/qt_widgets.h"
#include "window/layout.h"
#include "window/version.h"

namespace tessaly {
namespace {

constexpr int kTitlePointSize = 12;
constexpr QRect kBevelGeometry(8, 8, 177, 137);
constexpr QPoint kTitlePosition(32, 16);
constexpr QPoint kDatePosition(40, 88);
constexpr QRect kIconGeometry(16, 104, 33, 33);
constexpr QRect kOkButtonGeometry(56, 152, 73, 25);

// Centred across the frame's inside, one line each.
constexpr int kCreditsLeft = 12;
constexpr int kCreditsWidth = 169;
constexpr int kCreditsTop = 38;
constexpr int kCreditsLineHeight = 14;
constexpr const char* kCredits[] = {
    "Maidenhead locators,",
    "distances and headings",
    "for radio amateurs",
};

QLabel* AddLabel(QWidget* parent, const char* text) {
  auto* label = new QLabel(FromLatin1(text), parent);
  label->setTextFormat(Qt::PlainText);
  label->adjustSize();
  return label;
}

}  // namespace

TAboutWin::TAboutWin(QWidget* parent) : QDialog(parent) {
  setWindowTitle(FromLatin1(kAboutCaption));
  setFixedSize(kAboutClientWidth, kAboutClientHeight);
  setModal(true);
  setFont(ControlFont(kDefaultPointSize));

  auto* bevel = new QFrame(this);
  bevel->setFrameStyle(QFrame::Box | QFrame::Sunken);
  bevel->setGeometry(kBevelGeometry);

  QLabel* title = AddLabel(this, "Tessaly Ver " TESSALY_VERSION);
  QFont title_font = ControlFont(kTitlePointSize);
  title_font.setBold(true);
  title->setFont(title_font);
  title->setAlignment(Qt::AlignCenter);
  title->move(kTitlePosition);
  title->adjustSize();

  int top = kCreditsTop;
  for (const char* line : kCredits) {
    QLabel* credit = AddLabel(this, line);
    credit->setAlignment(Qt::AlignCenter);
    credit->setGeometry(kCreditsLeft, top, kCreditsWidth, kCreditsLineHeight);
    top += kCreditsLineHeight;
  }

  AddLabel(this, "last update 2004-10-02")->move(kDatePosition);

  auto* icon = new QLabel(this);
  icon->setPixmap(AppIcon());
  icon->setScaledContents(true);
  icon->setGeometry(kIconGeometry);

  auto* ok = new QPushButton(QStringLiteral("OK"), this);
  ok->setObjectName(QStringLiteral("OKButton"));
  ok->setGeometry(kOkButtonGeometry);
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

void TAboutWin::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) {
    event->accept();
    return;
  }
  QDialog::keyPressEvent(event);
}

}  // namespace tessaly
