// SPDX-License-Identifier: GPL-3.0-or-later
// soak_long [STEPS [SEED]]: a long soak of the window, STEPS random user
// actions (10000 unless given) from SEED (the clock's unless given). Prints
// the seed first, so a failing run can be repeated exactly.
#include <QApplication>
#include <QLocale>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "tests/window/soak.h"

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QLocale::setDefault(QLocale::c());
    const int steps = argc > 1 ? std::atoi(argv[1]) : 10000;
    const uint64_t seed =
        argc > 2
            ? std::strtoull(argv[2], nullptr, 10)
            : static_cast<uint64_t>(std::chrono::system_clock::now().time_since_epoch().count());
    std::printf("soak: %d steps from seed %llu\n", steps, static_cast<unsigned long long>(seed));
    std::fflush(stdout);
    const SoakOutcome outcome = RunSoak(seed, steps);
    if (!outcome.failure.empty()) {
        std::printf("FAILED at step %d (repeat with: soak_long %d %llu)\n%s\n",
                    outcome.stepsRun - 1, steps, static_cast<unsigned long long>(seed),
                    outcome.failure.c_str());
        return 1;
    }
    std::printf("soak: %d steps, every check held (%d namings, %d weeks made, %d random items)\n",
                outcome.stepsRun, outcome.namings, outcome.weeksMade, outcome.randomItems);
    return 0;
}
