// SPDX-License-Identifier: GPL-3.0-or-later
// The workshop journal through the window: items made and plans kept in one
// run and found in the next, and a journal that cannot be used.
#include <gtest/gtest.h>
#include <sqlite3.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "journal/sqlite_connection.h"
#include "tests/e2e/e2e_helpers.h"
#include "tests/support/text.h"

namespace {

namespace fs = std::filesystem;

// A folder of the test's own, removed with all it holds.
struct Folder {
    fs::path path;
    Folder() {
        std::string pattern = (fs::temp_directory_path() / "tharnwell-e2e-XXXXXX").string();
        path = mkdtemp(pattern.data());
    }
    ~Folder() { fs::remove_all(path); }
    std::string Journal() const { return "journal " + (path / "journal.sqlite").string() + "\n"; }
};

// Every file under a folder with its bytes.
std::map<std::string, std::string> Contents(const fs::path& folder) {
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(folder)) {
        std::ostringstream bytes;
        bytes << std::ifstream(entry.path(), std::ios::binary).rdbuf();
        files[entry.path().string()] = bytes.str();
    }
    return files;
}

std::string Pick(const char* list, const std::string& entry) {
    return std::string("press ") + list + "\npick " + std::to_string(EntryLine(list, entry)) +
           " 3\n";
}

const std::string kDaggerWithBlur =
    "seed 7\n" + Pick("Button_Weapon", "dagger") + Pick("Button9_Enchant", "Blur");

int Count(const DriverRun& run, const std::string& text) {
    int count = 0;
    for (const std::string& line : run.out) count += line.find(text) != std::string::npos;
    return count;
}

// An item made and named in one run is listed by the next, with the date it
// was made, and its pick puts its plan back.
TEST(KeepPlans, AnItemMadeIsListedInTheNextRunAndPickedBack) {
    Folder folder;
    const DriverRun made = RunFine(folder.Journal() + kDaggerWithBlur +
                                   "sheet\npress Button_Make\ntype Gl\xC3\xA4nzer\n"
                                   "press Button_Make\ntick 300\n");
    const DriverRun next = RunFine(folder.Journal() + "key Ctrl+H\npane\npick 0 3\nsheet\n");
    const std::vector<std::string> pane = Block(next, "pane");
    ASSERT_EQ(pane.size(), 1u);
    EXPECT_TRUE(std::regex_match(pane[0].substr(0, 48),
                                 std::regex("Gl\xE4nzer +dagger +[0-9]{4}-[0-9]{2}-[0-9]{2}")))
        << pane[0];
    EXPECT_EQ(Block(next, "sheet"), Block(made, "sheet"));
}

// A plan kept under a name is listed, picked onto the bench as one undo
// step, replaced when asked twice, removed when asked twice and brought back
// by Ctrl+Z, as the next run finds it; one that no longer reads is refused
// with the reader's message.
TEST(KeepPlans, APlanIsKeptPickedReplacedRemovedAndBroughtBack) {
    Folder folder;
    const std::string light = Pick("Button9_Enchant", "Light");
    const DriverRun run = RunFine(
        folder.Journal() + kDaggerWithBlur + "key Ctrl+S\nkey Return\n" + light +
        "sheet\nkey Ctrl+S\nkey Return\nkey Ctrl+O\npane\nkey Ctrl+S\nkey Return\nkey Return\n"
        "key Ctrl+O\npane\npress Button_Random\nsheet\npick 0 3\nsheet\nkey Ctrl+Z\nsheet\n"
        "key Ctrl+O\nfocus RichEdit1\nkey Delete\naccessible RichEdit1\nkey Delete\npane\n"
        "accessible RichEdit1\nkey Ctrl+Z\npane\n");
    const auto panes = Blocks(run, "pane"), sheets = Blocks(run, "sheet");
    ASSERT_EQ(panes.size(), 4u);
    ASSERT_EQ(sheets.size(), 4u);
    // Kept once as "dagger with Blur", then replaced with Light on it too.
    EXPECT_EQ(panes[0].at(0).substr(0, 34), "dagger with Blur  dagger          ");
    EXPECT_EQ(panes[0][0].substr(63, 5), "Blur ");
    EXPECT_EQ(panes[1].at(0).substr(63, 11), "Blur, Light");
    EXPECT_EQ(sheets[2], sheets[0]);
    EXPECT_EQ(sheets[3], sheets[1]);
    EXPECT_EQ(Count(run, "|Delete again to remove 'dagger with Blur'|"), 1);
    EXPECT_EQ(Count(run, "|Removed 'dagger with Blur': Ctrl+Z brings it back|"), 1);
    EXPECT_EQ(panes[2], std::vector<std::string>{Padded(
                            "No plan has been kept: Ctrl+S keeps the plan on the bench.", 123)});
    EXPECT_EQ(panes[3], panes[1]);

    // A catalog entry renamed since: the plan lists as it was kept.
    SqliteConnection((folder.path / "journal.sqlite").string(), SQLITE_OPEN_READWRITE, 1000)
        .Exec("UPDATE plan_kept SET plan = replace(plan, 'Blur ', 'Blurr')");
    const DriverRun later = RunFine(
        folder.Journal() + "key Ctrl+O\npane\nstate\npick 0 3\nstate\naccessible RichEdit1\n");
    EXPECT_EQ(Block(later, "pane"), panes[1]);
    EXPECT_EQ(StateBlocks(later).at(1), StateBlocks(later).at(0));
    EXPECT_EQ(Count(later, "|No plan put back: line 3: no magic item called 'Blurr'|"), 1);
}

// A journal that is no database: said once below the pane, the window works
// on with this run's items in memory, and the file stays byte for byte.
TEST(KeepPlans, ADamagedJournalIsSaidOnceAndLeftAsItWas) {
    Folder folder;
    const std::string file = (folder.path / "journal.sqlite").string();
    std::ofstream(file, std::ios::binary) << std::string(3000, '\x5A');
    const auto before = Contents(folder.path);
    const DriverRun run =
        RunFine(folder.Journal() + "key Ctrl+H\naccessible RichEdit1\n" + kDaggerWithBlur +
                "press Button_Make\ntype Kept\npress Button_Make\ntick 300\n"
                "key Ctrl+H\npane\naccessible RichEdit1\n");
    EXPECT_EQ(Count(run, "|Nothing will be kept this run: the journal '" + file +
                             "' is no SQLite database|"),
              1);
    const std::vector<std::string> pane = Block(run, "pane");
    ASSERT_EQ(pane.size(), 1u);
    EXPECT_EQ(pane[0].substr(0, 26), "Kept                dagger");
    EXPECT_TRUE(Contents(folder.path) == before);
}

// Without `journal`, the driver keeps its journal in memory: no file is made,
// in the home folder or the data folder.
TEST(KeepPlans, AScriptWithoutAJournalMakesNoFile) {
    Folder home, data;
    const std::string oldHome = std::getenv("HOME") != nullptr ? std::getenv("HOME") : "";
    setenv("HOME", home.path.c_str(), 1);
    setenv("XDG_DATA_HOME", data.path.c_str(), 1);
    const DriverRun run = RunFine(kDaggerWithBlur +
                                  "press Button_Make\ntype Mine\npress Button_Make\ntick 300\n"
                                  "key Ctrl+S\nkey Return\nkey Ctrl+O\nkey Ctrl+H\npane\n");
    setenv("HOME", oldHome.c_str(), 1);
    unsetenv("XDG_DATA_HOME");
    EXPECT_EQ(Block(run, "pane").size(), 1u);
    EXPECT_TRUE(Contents(home.path).empty());
    EXPECT_TRUE(Contents(data.path).empty());
}

}  // namespace
