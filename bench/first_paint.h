// SPDX-License-Identifier: GPL-3.0-or-later
// Ends the event loop once a window has painted itself the first time: what a
// start-up probe measures is the way to the first picture.
#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QTimer>
#include <QWidget>

namespace tessaly {

class TQuitAfterFirstPaint : public QObject {
 public:
  explicit TQuitAfterFirstPaint(QWidget& window) : QObject(&window) {
    window.installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint) {
      watched->removeEventFilter(this);
      // After the paint has been flushed, not in the middle of it.
      QTimer::singleShot(0, qApp, &QCoreApplication::quit);
    }
    return false;
  }
};

}  // namespace tessaly
