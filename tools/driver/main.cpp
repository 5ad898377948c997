// SPDX-License-Identifier: GPL-3.0-or-later
// tharnwell-driver [SCRIPT]: runs the real window from a script, for tests.
#include <QApplication>
#include <QDeadlineTimer>
#include <QTest>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <string>

#include <sys/stat.h>
#include <unistd.h>

#include "app/tform1.h"
#include "tools/driver/driver.h"

namespace {

// Qt wants a private runtime folder and warns on standard error without one;
// give it one so the driver's error output stays its own.
void UsePrivateRuntimeDirectory() {
    if (!qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) return;
    const std::string folder = "/tmp/tharnwell-runtime-" + std::to_string(getuid());
    mkdir(folder.c_str(), 0700);
    struct stat info {};
    if (stat(folder.c_str(), &info) == 0 && info.st_uid == getuid() &&
        (info.st_mode & 0777) == 0700) {
        qputenv("XDG_RUNTIME_DIR", folder.c_str());
    }
}

// On a real display the window is the window manager's to show and
// activate; keys and focus reach it only once it is active. Offscreen, every
// window counts as shown and active at once.
bool WaitUntilActive(QWidget& window) {
    if (QGuiApplication::platformName() == QLatin1String("offscreen")) return true;
    constexpr int kLimitMs = 10000;
    QDeadlineTimer deadline(kLimitMs);
    if (!QTest::qWaitForWindowExposed(&window, kLimitMs)) return false;
    window.activateWindow();
    window.raise();
    return QTest::qWaitForWindowActive(&window, static_cast<int>(deadline.remainingTime()));
}

}  // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    UsePrivateRuntimeDirectory();
    std::ifstream file;
    if (argc > 1) {
        file.open(argv[1]);
        if (!file) {
            std::fprintf(stderr, "error: cannot read %s\n", argv[1]);
            return 2;
        }
    }
    std::istream& script = argc > 1 ? static_cast<std::istream&>(file) : std::cin;

    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("tharnwell"));
    int exitCode = 0;
    {
        TForm1 form;
        form.Random().SetMismatchHandler([](int32_t asked, int32_t bound, int32_t die) {
            std::cout.flush();
            std::fprintf(stderr, "error: draw asked below %d, script says %d:%d\n", asked, bound,
                         die);
            std::fflush(stderr);
            std::_Exit(3);
        });
        form.show();
        QCoreApplication::processEvents();
        form.SetTimerHeld(true);

        if (WaitUntilActive(form)) {
            Driver driver(form, std::cout);
            exitCode = driver.Run(script);
        } else {
            std::fprintf(stderr, "error: the window never became active\n");
            exitCode = 4;
        }
        form.close();
    }
    std::cout.flush();
    return exitCode;
}
