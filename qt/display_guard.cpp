// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/display_guard.h"

#include <QString>
#include <QtGlobal>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace tessaly {
namespace {

struct HeldMessage {
  QtMsgType Type;
  QString Text;
  // Where it came from; Qt's contexts point at static texts.
  const char* File;
  int Line;
  const char* Function;
  const char* Category;
};

// A message handler is a plain function: its state lives here, for the one
// guard the program has, on the thread that builds the application object.
QtMessageHandler previous_handler = nullptr;
std::vector<HeldMessage> held_messages;
bool explain_failure = false;

void PassOn(const HeldMessage& message) {
  const QMessageLogContext context(message.File, message.Line, message.Function, message.Category);
  previous_handler(message.Type, context, message.Text);
}

void HoldOrEnd(QtMsgType type, const QMessageLogContext& context, const QString& text) {
  if (type != QtFatalMsg) {
    held_messages.push_back(
        {type, text, context.file, context.line, context.function, context.category});
    return;
  }
  // Qt's own fatal text advises reinstalling; the held warnings name the cause.
  if (explain_failure) {
    for (const HeldMessage& message : held_messages) PassOn(message);
  }
  std::fprintf(stderr, "%.*s\n", static_cast<int>(kNoDisplayMessage.size()),
               kNoDisplayMessage.data());
  // Qt is half built: leave without running its destructors.
  std::_Exit(EXIT_FAILURE);
}

}  // namespace

DisplayGuard::DisplayGuard(bool platform_chosen) {
  explain_failure = platform_chosen || !qEnvironmentVariableIsEmpty("DISPLAY") ||
                    !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
                    !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
  previous_handler = qInstallMessageHandler(HoldOrEnd);
}

DisplayGuard::~DisplayGuard() {
  qInstallMessageHandler(previous_handler);
  for (const HeldMessage& message : held_messages) PassOn(message);
  held_messages.clear();
}

}  // namespace tessaly
