// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <memory>

#include "app/command_line.h"
#include "app/desktop_identity.h"
#include "app/no_display.h"
#include "app/tform1.h"

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
    form.show();
    return QApplication::exec();
}
