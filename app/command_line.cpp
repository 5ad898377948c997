// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/command_line.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QStringList>
#include <cstdio>
#include <vector>

namespace {

// Qt's own command-line options, read by QGuiApplication, QApplication and
// the X11 platform plugin. They are known here only so that they are not
// taken for unknown options; they stay out of --help.
// clang-format off
const char* const kQtOptionsWithValue[] = {
    "platform", "platformpluginpath", "platformtheme", "plugin", "qwindowgeometry",
    "geometry", "qwindowicon", "icon", "qwindowtitle", "title", "session", "display",
    "name", "visual", "style", "stylesheet", "qmljsdebugger", "dialogs", "fontengine",
};
const char* const kQtFlags[] = {
    "reverse", "widgetcount", "sync", "nograb", "dograb", "testability",
};
// clang-format on

void AddQtOptions(QCommandLineParser& parser) {
    for (const char* name : kQtOptionsWithValue) {
        QCommandLineOption option(QString::fromLatin1(name), QString(), QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    for (const char* name : kQtFlags) {
        QCommandLineOption option(QString::fromLatin1(name));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
}

void PrintTo(std::FILE* stream, const QString& text) {
    std::fputs(text.toLocal8Bit().constData(), stream);
    std::fflush(stream);
}

int Refuse(const QString& error) {
    PrintTo(stderr,
            QStringLiteral("tharnwell: %1\nTry 'tharnwell --help' for the options.\n").arg(error));
    return 2;
}

}  // namespace

CommandLine ReadCommandLine(int argc, char* argv[]) {
    // QCoreApplication takes out the options it handles itself; it reads a
    // copy so that QApplication later sees the command line as given.
    int count = argc;
    std::vector<char*> arguments(argv, argv + argc + 1);
    QCoreApplication core(count, arguments.data());
    QCoreApplication::setApplicationName(QStringLiteral("tharnwell"));
    QCoreApplication::setApplicationVersion(QStringLiteral(THARNWELL_VERSION));

    QCommandLineParser parser;
    // Qt's options are single words after one dash (-platform, -style).
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(QStringLiteral(
        "Plans and makes magic items for a hex-map fantasy role-playing game, in one window.\n"
        "Qt's own options (-platform, -style, -qwindowgeometry, -reverse, ...) are accepted too."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Print these options and exit."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Print the version and exit."));
    const QCommandLineOption journal(
        QStringLiteral("journal"),
        QStringLiteral("Keep the items made and the plans kept in <file>, made if missing, "
                       "rather than in journal.sqlite in the data folder "
                       "($XDG_DATA_HOME/tharnwell, ~/.local/share/tharnwell by default)."),
        QStringLiteral("file"));
    parser.addOption(help);
    parser.addOption(version);
    parser.addOption(journal);
    AddQtOptions(parser);

    CommandLine commandLine;
    if (!parser.parse(QCoreApplication::arguments())) {
        commandLine.exitCode = Refuse(parser.errorText());
    } else if (parser.isSet(help)) {
        PrintTo(stdout, parser.helpText());
        commandLine.exitCode = 0;
    } else if (parser.isSet(version)) {
        PrintTo(stdout, QStringLiteral("tharnwell %1\n").arg(QStringLiteral(THARNWELL_VERSION)));
        commandLine.exitCode = 0;
    } else if (!parser.positionalArguments().isEmpty()) {
        commandLine.exitCode = Refuse(
            QStringLiteral("unexpected argument '%1'.").arg(parser.positionalArguments().first()));
    }
    commandLine.platform = parser.value(QStringLiteral("platform")).toStdString();
    commandLine.display = parser.value(QStringLiteral("display")).toStdString();
    commandLine.journal = QFile::encodeName(parser.value(journal)).toStdString();
    return commandLine;
}
