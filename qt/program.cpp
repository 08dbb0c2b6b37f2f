// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/program.h"

#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <memory>
#include <optional>
#include <string>

#include "geo/error.h"
#include "home/home_directory.h"
#include "qt/app_icon.h"
#include "qt/command_line.h"
#include "qt/display_guard.h"
#include "qt/latin1.h"
#include "qt/qt_widgets.h"
#include "qt/qt_window.h"
#include "qt/vector_state.h"
#include "window/error_display.h"
#include "window/version.h"

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
      tessaly::ShowErrorBox(nullptr, tessaly::ErrorBoxText(tessaly::MessageOf(error)));
    }
    return false;
  }
};

// As most command-line programs: a command line the program cannot read.
constexpr int kExitBadCommandLine = 2;

}  // namespace

namespace tessaly {

int RunTessaly(int argc, char** argv, const std::function<void(QWidget& window)>& when_shown) {
  QApplication::setApplicationName(tessaly::FromLatin1(tessaly::kApplicationTitle));
  QApplication::setApplicationVersion(QStringLiteral(TESSALY_VERSION));

  const tessaly::CommandLine command_line = tessaly::ReadCommandLine(argc, argv);
  switch (command_line.Action) {
    case tessaly::CommandLine::Action::Start: break;
    case tessaly::CommandLine::Action::ShowHelp:
    case tessaly::CommandLine::Action::ShowVersion:
      std::fputs(qPrintable(command_line.Text), stdout);
      return EXIT_SUCCESS;
    case tessaly::CommandLine::Action::Reject:
      std::fprintf(stderr, "tessaly: %s\nTry 'tessaly --help' for more information.\n",
                   qPrintable(command_line.Text));
      return kExitBadCommandLine;
  }

  // Here the display is opened, or Qt gives up.
  std::optional<tessaly::DisplayGuard> display_guard(std::in_place, command_line.PlatformChosen);
  TApplication application(argc, argv);
  display_guard.reset();
  tessaly::ReleaseVectorUpperHalves();
  // Wayland's app id: the desktop finds the launcher and its icon by it.
  QApplication::setDesktopFileName(QStringLiteral(TESSALY_APP_ID));
  QApplication::setWindowIcon(tessaly::AppIconAllSizes());
  // Menus and boxes in the window's stand-in font too: one face to load, not
  // the desktop's besides.
  QApplication::setFont(tessaly::ControlFont(tessaly::kDefaultPointSize));

  // ~/.config/Tessaly, or $XDG_CONFIG_HOME/Tessaly, its bytes as they are.
  const std::string home_directory = tessaly::HomeDirectoryFromEnvironment();
  std::unique_ptr<tessaly::TQtWindow> window;
  try {
    window = std::make_unique<tessaly::TQtWindow>(home_directory);
  } catch (const std::exception& error) {
    // The program cannot start without its window.
    tessaly::ShowErrorBox(nullptr, tessaly::ErrorBoxText(tessaly::MessageOf(error)));
    return EXIT_FAILURE;
  }
  window->show();
  if (when_shown) when_shown(*window);
  return QApplication::exec();
}

}  // namespace tessaly
