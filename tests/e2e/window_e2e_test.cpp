// SPDX-License-Identifier: GPL-3.0-or-later
// The DX spinner, resizing, and the driver's own contract.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>

#include "tests/e2e/driver_run.h"

namespace {

// The lines of a run that start with one of the given prefixes, in order.
std::vector<std::string> Grep(const DriverRun& run, const std::string& prefix) {
    std::vector<std::string> lines;
    for (const std::string& line : run.out) {
        if (line.compare(0, prefix.size(), prefix) == 0) lines.push_back(line);
    }
    return lines;
}

TEST(DXSpinner, KeepsDXWithinFiveToSixteenWhileTheLabelFollows) {
    const DriverRun run = RunDriver(
        "down 11\nlabels\nstate\ncontrols\n"
        "up 16\nlabels\nstate\n"
        "up 982\ncontrols\nup\ncontrols\nlabels\nstate\n");
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const std::vector<std::string> labels = Grep(run, "Label13 ");
    const std::vector<std::string> dx = Grep(run, "DX ");
    const std::vector<std::string> spinner = Grep(run, "UpDown1 ");
    ASSERT_EQ(labels.size(), 3u);
    ASSERT_EQ(dx.size(), 3u);
    ASSERT_EQ(spinner.size(), 3u);
    EXPECT_EQ(labels[0], "Label13 400 144 |DX: 1|");
    EXPECT_EQ(dx[0], "DX 5");
    EXPECT_EQ(spinner[0], "UpDown1 shown 1");
    EXPECT_EQ(labels[1], "Label13 400 144 |DX: 17|");
    EXPECT_EQ(dx[1], "DX 16");
    EXPECT_EQ(spinner[1], "UpDown1 shown 999");
    EXPECT_EQ(spinner[2], "UpDown1 shown 999");  // no wrap-around at the top
    EXPECT_EQ(labels[2], "Label13 400 144 |DX: 999|");
    EXPECT_EQ(dx[2], "DX 16");
}

TEST(DXSpinner, StopsAtOne) {
    const DriverRun run = RunDriver("down 20\ncontrols\nstate\n");
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(Grep(run, "UpDown1 ")[0], "UpDown1 shown 1");
    EXPECT_EQ(Grep(run, "DX ")[0], "DX 5");
}

TEST(Resizing, PaneFillsTheBottomAndNeverGoesNegative) {
    struct Case {
        const char* size;
        const char* pane;
    };
    const Case cases[] = {
        {"800 600", "RichEdit1 1 216 798 382"},
        {"626 442", "RichEdit1 1 216 624 224"},
        {"300 200", "RichEdit1 1 216 298 0"},
    };
    for (const Case& c : cases) {
        const DriverRun run = RunDriver(std::string("resize ") + c.size + "\ncontrols\n");
        ASSERT_EQ(run.exitCode, 0) << run.err;
        EXPECT_EQ(Grep(run, "RichEdit1 ")[0], c.pane) << c.size;
    }
}

TEST(MouseMove, ChangesNothing) {
    const DriverRun before = RunDriver("pane\nlabels\ncontrols\nstate\n");
    const DriverRun after =
        RunDriver("mousemove 100 100\nmousemove 500 300\npane\nlabels\ncontrols\nstate\n");
    ASSERT_EQ(after.exitCode, 0) << after.err;
    EXPECT_EQ(before.out, after.out);
}

TEST(DriverContract, ErrorsAndEcho) {
    struct Case {
        const char* script;
        int exitCode;
        const char* errorStart;
    };
    const Case cases[] = {
        {"echo hello  there \n", 0, ""},
        {"# a comment\n\nfrobnicate\n", 2, "error: line 3: "},
        {"press Button_Nothing\n", 2, "error: line 1: "},
        {"up many\n", 2, "error: line 1: "},
        {"pick 0\n", 2, "error: line 1: "},
        {"draws 6:7\n", 2, "error: line 1: "},
    };
    for (const Case& c : cases) {
        const DriverRun run = RunDriver(c.script);
        EXPECT_EQ(run.exitCode, c.exitCode) << c.script;
        EXPECT_EQ(run.err.find(c.errorStart), 0u) << c.script << run.err;
    }
    EXPECT_EQ(RunDriver("echo hello  there \n").out, std::vector<std::string>{"hello  there "});
}

TEST(DriverContract, CaretCountsLineBreaksAsTwo) {
    struct Case {
        const char* script;
        const char* selection;
    };
    const Case cases[] = {
        {"caret 0\nselection\n", "selection 0 0 ||"},
        {"caret 125\nselection\n", "selection 125 0 ||"},
        {"caret 130\nselection\n", "selection 130 0 ||"},
        // Inside the line break: the end of the first line.
        {"caret 124\nselection\n", "selection 123 0 ||"},
        {"pick 2 5\nselection\n", "selection 250 28 | dirk                       |"},
    };
    for (const Case& c : cases) {
        const DriverRun run = RunDriver(c.script);
        ASSERT_EQ(run.exitCode, 0) << run.err;
        EXPECT_EQ(Grep(run, "selection ")[0], c.selection) << c.script;
    }
}

TEST(DriverContract, ScreenshotWritesAPng) {
    const std::string file = std::string(P_tmpdir) + "/tharnwell-e2e-shot.png";
    std::remove(file.c_str());
    const DriverRun run = RunDriver("screenshot " + file + "\n");
    ASSERT_EQ(run.exitCode, 0) << run.err;
    std::ifstream png(file, std::ios::binary);
    char signature[8] = {};
    png.read(signature, 8);
    EXPECT_EQ(std::string(signature + 1, 3), "PNG");
    std::remove(file.c_str());
}

TEST(DriverContract, NameBoxKeepsLatin1AndMarksTheRest) {
    const DriverRun run = RunDriver("type Sword of Ærø €5 🐉!\ncontrols\n");
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(Grep(run, "Edit1 ")[0], "Edit1 hidden |Sword of Ærø ?5 ?!|");
}

}  // namespace
