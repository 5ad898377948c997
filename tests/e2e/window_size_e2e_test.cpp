// SPDX-License-Identifier: GPL-3.0-or-later
// The window never grows past 16384 x 16384 pixels, whoever asks: a bigger
// window's drawing buffer cannot be had and would crash the program.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/e2e/driver_run.h"

namespace {

// The output pane fills the window below its top at 216 with a one-pixel
// margin, so its size gives the window's.
std::vector<std::string> PaneGeometries(const DriverRun& run) {
    std::vector<std::string> lines;
    for (const std::string& line : run.out) {
        if (line.compare(0, 10, "RichEdit1 ") == 0) lines.push_back(line);
    }
    return lines;
}

TEST(WindowSizeTest, ResizingStopsAtTheLimit) {
    struct Case {
        const char* resize;
        const char* pane;
    };
    const Case cases[] = {
        {"resize 800 600", "RichEdit1 1 216 798 382"},
        {"resize 16384 16384", "RichEdit1 1 216 16382 16166"},
        {"resize 16385 16385", "RichEdit1 1 216 16382 16166"},
        {"resize 100000 300", "RichEdit1 1 216 16382 82"},
        {"resize 700 100000", "RichEdit1 1 216 698 16166"},
        {"resize 100000 100000", "RichEdit1 1 216 16382 16166"},
        {"resize 626 442", "RichEdit1 1 216 624 224"},
    };
    std::string script;
    for (const Case& c : cases) script += std::string(c.resize) + "\ncontrols\n";
    const DriverRun run = RunDriver(script);
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const std::vector<std::string> panes = PaneGeometries(run);
    ASSERT_EQ(panes.size(), std::size(cases));
    for (size_t k = 0; k < panes.size(); ++k) {
        EXPECT_EQ(panes[k], cases[k].pane) << cases[k].resize;
    }
}

TEST(WindowSizeTest, QtGeometryOptionStopsAtTheLimit) {
    const DriverRun run = RunDriver("controls\n", "-qwindowgeometry 100000x100000+0+0");
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const std::vector<std::string> panes = PaneGeometries(run);
    ASSERT_EQ(panes.size(), 1u);
    EXPECT_EQ(panes[0], "RichEdit1 1 216 16382 16166");
}

}  // namespace
