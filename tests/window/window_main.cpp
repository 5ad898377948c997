// SPDX-License-Identifier: GPL-3.0-or-later
// The main of every window test: one application, offscreen unless the
// caller asks for a platform, and the program's numbers written with a
// point whatever the machine's locale (a test that wants another sets it).
#include <gtest/gtest.h>
#include <QApplication>
#include <QLocale>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QLocale::setDefault(QLocale::c());
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
