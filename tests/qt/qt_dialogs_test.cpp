// SPDX-License-Identifier: GPL-3.0-or-later
// The menu's commands, the about box, the error box, and the start of the
// window.
#include <QFrame>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>

#include "qt/about_win.h"
#include "tests/support/qt_window_fixture.h"

namespace tessaly {
namespace {

// OK is the scenarios' way out of the box; Escape and the close box are
// pressed only here.
TEST_F(QtWindowTest, AboutIsModalKeepsOpenOnEscapeAndReturnsOnlyWhenClosed) {
  Start();
  EXPECT_TRUE(window_->AboutBox().isHidden());
  bool modal_while_open = false;
  bool open_after_escape = false;
  bool closed_by_close_box = false;
  WhenModalShows([&](QWidget* modal) {
    modal_while_open = modal == &window_->AboutBox() && modal->isModal() && modal->isVisible();
    QTest::keyClick(modal, Qt::Key_Escape);
    open_after_escape = modal->isVisible();
    // Without this the driver's OK click would hide a refusal to close.
    closed_by_close_box = modal->close();
  });
  window_->MenuAction(MenuItem::About)->trigger();
  EXPECT_TRUE(driver_.ModalSeen());
  EXPECT_TRUE(modal_while_open);
  EXPECT_TRUE(open_after_escape);
  EXPECT_TRUE(closed_by_close_box);
  EXPECT_TRUE(window_->AboutBox().isHidden());
  EXPECT_TRUE(QTest::qWaitForWindowActive(window_));
}

TEST_F(QtWindowTest, AboutBoxShowsItsTextsInsideTheFrameAndTheIcon) {
  TAboutWin& about = window_->AboutBox();
  EXPECT_EQ(about.windowTitle(), "About Tessaly");
  EXPECT_EQ(about.size(), QSize(193, 188));
  EXPECT_EQ(about.minimumSize(), about.maximumSize());
  ASSERT_NE(about.findChild<QPushButton*>("OKButton"), nullptr);

  const auto* bevel = about.findChild<QFrame*>(QString(), Qt::FindDirectChildrenOnly);
  ASSERT_NE(bevel, nullptr);
  QStringList texts;
  for (const QLabel* label : about.findChildren<QLabel*>()) {
    EXPECT_TRUE(bevel->geometry().contains(label->geometry()))
        << label->text().toStdString() << " leaves the frame";
    if (label->pixmap().isNull()) {
      texts << label->text();
      EXPECT_GE(label->width(), label->fontMetrics().horizontalAdvance(label->text()))
          << label->text().toStdString() << " is cut";
    } else {
      EXPECT_EQ(label->pixmap().size(), QSize(32, 32));
      EXPECT_EQ(label->size(), QSize(33, 33));
    }
  }
  EXPECT_TRUE(texts.contains("Tessaly Ver 4.1"));
  EXPECT_TRUE(texts.contains("last update 2004-10-02"));
  EXPECT_EQ(texts.size(), 5) << "title, three credit lines, date";
}

TEST_F(QtWindowTest, TheErrorBoxIsTitledTessalyAndShowsTheTextAsItIs) {
  Start();
  const QString text = "'<b>1</b>' is not a valid integer value.";
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  QString title;
  QString shown;
  Qt::TextFormat format = Qt::AutoText;
  WhenModalShows([&](QWidget* modal) {
    auto* box = qobject_cast<QMessageBox*>(modal);
    if (box == nullptr) return;
    icon = box->icon();
    title = box->windowTitle();
    shown = box->text();
    format = box->textFormat();
  });
  ShowErrorBox(window_, text.toStdString());
  EXPECT_TRUE(driver_.ModalSeen());
  EXPECT_EQ(icon, QMessageBox::Critical);
  EXPECT_EQ(title, "Tessaly");
  EXPECT_EQ(shown, text);
  EXPECT_EQ(format, Qt::PlainText);
  EXPECT_TRUE(QTest::qWaitForWindowActive(window_));
}

TEST_F(QtWindowTest, AnErrorAtTheFirstShowIsShownAndTheWindowStays) {
  // An empty home file: the recall fills Edit4 with a blank, which fails.
  ASSERT_EQ(home_.WriteHomeFile(""), "");
  Start();
  ASSERT_EQ(TakeErrors(), std::vector<std::string>{"' ' is not a valid floating point value."});
  EXPECT_TRUE(window_->isVisible());
  // Shown once only.
  window_->hide();
  window_->show();
  EXPECT_EQ(TakeErrors(), std::vector<std::string>{});
}

}  // namespace
}  // namespace tessaly
