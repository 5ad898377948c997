// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/e2e/e2e_helpers.h"

#include <gtest/gtest.h>

#include <QFont>
#include <QFontMetrics>
#include <QGuiApplication>
#include <map>
#include <sstream>

#include "tests/support/text.h"

DriverRun RunFine(const std::string& script) {
    DriverRun run = RunDriver(script);
    EXPECT_EQ(run.exitCode, 0) << run.err;
    return run;
}

const std::vector<std::string>& ListedPane(const std::string& button) {
    static std::map<std::string, std::vector<std::string>> panes;
    auto known = panes.find(button);
    if (known == panes.end()) {
        known = panes.emplace(button, Block(RunFine("press " + button + "\npane\n"), "pane")).first;
    }
    return known->second;
}

int EntryLine(const std::string& button, const std::string& text) {
    const std::vector<std::string>& pane = ListedPane(button);
    for (size_t i = 0; i < pane.size(); ++i) {
        if (pane[i].compare(0, 28, Padded(text, 28)) == 0) return static_cast<int>(i);
    }
    ADD_FAILURE() << "no line '" << text << "' in the list of " << button;
    return 0;
}

std::string SetClipboard(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += line + "\\n";
    return "setclipboard " + QString::fromLatin1(text.c_str()).toStdString() + "\n";
}

std::vector<std::string> Prefixed(const DriverRun& run, const std::string& prefix) {
    std::vector<std::string> lines;
    for (const std::string& line : run.out) {
        if (line.compare(0, prefix.size(), prefix) == 0) lines.push_back(line);
    }
    return lines;
}

std::vector<std::vector<std::string>> StateBlocks(const DriverRun& run) {
    std::vector<std::vector<std::string>> blocks;
    for (size_t i = 0; i < run.out.size(); ++i) {
        if (run.out[i].compare(0, 13, "BaseItemName ") != 0) continue;
        // The state's 14 lines and its five slots.
        blocks.emplace_back(run.out.begin() + static_cast<long>(i),
                            run.out.begin() + static_cast<long>(std::min(i + 19, run.out.size())));
    }
    return blocks;
}

Geometry ParseGeometry(const std::string& printed) {
    Geometry g;
    const auto open = printed.find('|');
    const auto close = printed.rfind('|');
    if (open == std::string::npos || close == open) {
        ADD_FAILURE() << "not a geometry line: " << printed;
        return g;
    }
    std::istringstream head(printed.substr(0, open));
    std::string shown;
    head >> g.name >> g.left >> g.top >> g.width >> g.height >> shown;
    g.shown = shown == "shown";
    g.family = printed.substr(open + 1, close - open - 1);
    std::istringstream tail(printed.substr(close + 1));
    std::string weight;
    tail >> g.pixelSize >> weight;
    g.bold = weight == "bold";
    return g;
}

int TextWidth(const std::string& family, int pixelSize, bool bold, const std::string& text) {
    // One offscreen application for the whole test program, made on first
    // use and kept to the very end: Qt must not be torn down among the
    // program's other statics.
    if (QGuiApplication::instance() == nullptr) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        static char name[] = "e2e_test";
        static char* argv[] = {name, nullptr};
        static QGuiApplication* application = new QGuiApplication(argc, argv);
        (void)application;
    }
    QFont font(QString::fromStdString(family));
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    const QFontMetrics metrics(font);
    return metrics.horizontalAdvance(QString::fromLatin1(text.c_str()));
}
