// Tessaly: a calculator for Maidenhead grid locators, distances and headings.
#include <QApplication>
#include <QFile>
#include <QStandardPaths>
#include <exception>
#include <memory>

#include "qt/app_icon.h"
#include "qt/latin1.h"
#include "qt/qt_window.h"
#include "window/error_display.h"

namespace {

// Every handler's error is caught where its event is routed; this is the last
// net, so that nothing ever unwinds through Qt's event loop.
class TApplication : public QApplication {
 public:
  using QApplication::QApplication;

  bool notify(QObject* receiver, QEvent* event) override {
    try {
      return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
      tessaly::ShowErrorBox(nullptr, tessaly::ErrorBoxText(error.what()));
    }
    return false;
  }
};

}  // namespace

int main(int argc, char** argv) {
  TApplication application(argc, argv);
  QApplication::setApplicationName(tessaly::FromLatin1(tessaly::kApplicationTitle));
  QApplication::setWindowIcon(tessaly::AppIcon());

  // ~/.config/Tessaly, or $XDG_CONFIG_HOME/Tessaly.
  const QString home_directory =
      QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
  std::unique_ptr<tessaly::TQtWindow> window;
  try {
    window = std::make_unique<tessaly::TQtWindow>(QFile::encodeName(home_directory).toStdString());
  } catch (const std::exception& error) {
    // The program cannot start without its window.
    tessaly::ShowErrorBox(nullptr, tessaly::ErrorBoxText(error.what()));
    return EXIT_FAILURE;
  }
  window->show();
  return QApplication::exec();
}
