// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/command_line.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QStringList>

namespace tessaly {
namespace {

// The options QGuiApplication, QApplication and the xcb platform take out of
// argv (Qt 6.4), so that they pass here and reach the application object.
constexpr const char* kQtOptionsWithValue[] = {
    "platform",
    "platformpluginpath",
    "platformtheme",
    "plugin",
    "qwindowgeometry",
    "geometry",
    "qwindowicon",
    "icon",
    "qwindowtitle",
    "title",
    "session",
    "style",
    "stylesheet",
    "display",
    "name",
    "visual",
    "qmljsdebugger",
};
constexpr const char* kQtFlags[] = {"reverse", "testability", "widgetcount", "nograb", "dograb"};

void AddHiddenOption(QCommandLineParser& parser, const char* name, bool takes_value) {
  QCommandLineOption option(QString::fromLatin1(name));
  if (takes_value) option.setValueName(QStringLiteral("value"));
  option.setFlags(QCommandLineOption::HiddenFromHelp);
  parser.addOption(option);
}

}  // namespace

CommandLine ReadCommandLine(int& argc, char** argv) {
  QCommandLineParser parser;
  parser.setApplicationDescription(QStringLiteral(
      "Maidenhead grid locators, distances and headings for radio amateurs.\n"
      "Qt's standard options, such as -platform NAME and -style NAME, are accepted too."));
  // Qt's own options are words after one dash: -platform, not -p -l -a ...
  parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
  // Not addHelpOption(): its --help-all lists Qt's options only from a
  // QApplication, which is not there yet.
  const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help"), QStringLiteral("?")},
                                QStringLiteral("Displays help on commandline options."));
  parser.addOption(help);
  const QCommandLineOption version = parser.addVersionOption();
  for (const char* name : kQtOptionsWithValue) AddHiddenOption(parser, name, true);
  for (const char* name : kQtFlags) AddHiddenOption(parser, name, false);

  QStringList arguments;
  for (int index = 0; index < argc; ++index) arguments << QString::fromLocal8Bit(argv[index]);

  CommandLine command_line;
  if (!parser.parse(arguments)) {
    command_line.Action = CommandLine::Action::Reject;
    command_line.Text = parser.errorText();
  } else if (!parser.positionalArguments().isEmpty()) {
    command_line.Action = CommandLine::Action::Reject;
    command_line.Text =
        QStringLiteral("Unexpected argument '%1'.").arg(parser.positionalArguments().first());
  } else if (parser.isSet(help)) {
    command_line.Action = CommandLine::Action::ShowHelp;
    // The usage line names the program from the application's arguments.
    // This object needs no display; the program ends after the help.
    const QCoreApplication usage_names_the_program(argc, argv);
    command_line.Text = parser.helpText();
  } else if (parser.isSet(version)) {
    command_line.Action = CommandLine::Action::ShowVersion;
    command_line.Text =
        QCoreApplication::applicationName() + ' ' + QCoreApplication::applicationVersion() + '\n';
  }
  command_line.PlatformChosen = parser.isSet(QStringLiteral("platform"));
  return command_line;
}

}  // namespace tessaly
