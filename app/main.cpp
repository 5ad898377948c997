// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <memory>

#include "app/command_line.h"
#include "app/desktop_identity.h"
#include "app/no_display.h"
#include "app/tform1.h"

namespace {

// The workshop journal's file: the one --journal names, else journal.sqlite
// in the user's data folder ($XDG_DATA_HOME/tharnwell).
std::string JournalFile(const CommandLine& commandLine) {
    const QString file =
        commandLine.journal.empty()
            ? QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
                  QStringLiteral("/journal.sqlite")
            : QFileInfo(QFile::decodeName(commandLine.journal.c_str())).absoluteFilePath();
    return QFile::encodeName(file).toStdString();
}

}  // namespace

int main(int argc, char* argv[]) {
    const CommandLine commandLine = ReadCommandLine(argc, argv);
    if (commandLine.exitCode) return *commandLine.exitCode;
    if (!DisplayNamed(commandLine)) {
        ReportNoDisplay();
        return 1;
    }

    auto guard = std::make_unique<NoDisplayGuard>(commandLine);
    QApplication application(argc, argv);
    guard.reset();

    SetDesktopIdentity();
    TForm1 form;
    form.SetJournalFile(JournalFile(commandLine));
    form.show();
    return QApplication::exec();
}
