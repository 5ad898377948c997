// SPDX-License-Identifier: GPL-3.0-or-later
#include "journal/workshop_journal.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <memory>
#include <sstream>

#include "catalog/catalog_table.h"
#include "catalog/text_format.h"
#include "dice/random_source.h"
#include "journal/kept_lists.h"
#include "journal/sqlite_connection.h"
#include "journal/sqlite_library.h"
#include "random/random_item.h"
#include "tests/support/text.h"
#include "workshop/bench/item_sheet.h"
#include "workshop/plans/made_items.h"
#include "workshop/plans/sheet_reading.h"

namespace {

namespace fs = std::filesystem;

// A folder of the test's own, removed with all it holds.
struct Folder {
    fs::path path;
    Folder() {
        std::string pattern = (fs::temp_directory_path() / "tharnwell-journal-XXXXXX").string();
        path = mkdtemp(pattern.data());
    }
    ~Folder() {
        fs::permissions(path, fs::perms::owner_all);
        fs::remove_all(path);
    }
    std::string File() const { return (path / "journal.sqlite").string(); }
};

// Every file of a folder with its bytes.
std::map<std::string, std::string> Contents(const fs::path& folder) {
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::directory_iterator(folder)) {
        std::ostringstream bytes;
        bytes << std::ifstream(entry.path(), std::ios::binary).rdbuf();
        files[entry.path().filename().string()] = bytes.str();
    }
    return files;
}

WorkshopJournal::Settings On(const std::string& file, int64_t now = 1714564800) {
    return {file, 200, [now] { return now; }};
}

// A bench as a random treasure leaves it, and an item made from it.
struct Plan {
    CatalogTable table;
    WorkshopState state;
    WorkbenchSnapshot bench;
    explicit Plan(uint64_t seed) {
        table.Build();
        SeededRandom random(seed);
        MakeRandomItem(table, state, random);
        BuildItemSheet(table, state);
        bench = CaptureWorkbench(table, state);
    }
    MadeItem Made(std::string name) const { return {std::move(name), bench, 1234.5, 9.75, 11}; }
};

void KeepSome(WorkshopJournal& journal, const Plan& plan, int count, const std::string& stem) {
    for (int n = 0; n < count; ++n) journal.KeepItem(plan.Made(stem + std::to_string(n)));
}

TEST(Journal, ItemsAndPlansKeepEveryFieldAndTheirSheetsReadBackInEitherSeparator) {
    const Plan plan(5);
    const std::string name = "Gl\xE4nzer", planName = "Schwert f\xFCr die Stadt";
    for (const bool onFile : {false, true}) {
        for (const char written : {'.', ','}) {
            Folder folder;
            const std::string file = onFile ? folder.File() : "";
            textfmt::SetDecimalSeparator(written);
            auto journal = std::make_unique<WorkshopJournal>(On(file));
            journal->KeepItem(plan.Made(name));
            ASSERT_TRUE(journal->KeepPlan(planName, plan.bench, false));
            textfmt::SetDecimalSeparator(written == '.' ? ',' : '.');
            if (onFile) journal = std::make_unique<WorkshopJournal>(On(file, 0));
            const std::vector<KeptItem> items = journal->Items();
            const std::vector<KeptPlan> plans = journal->Plans();
            ASSERT_EQ(items.size(), 1u);
            ASSERT_EQ(plans.size(), 1u);
            const KeptItem& item = items[0];
            EXPECT_EQ(item.name, name);
            EXPECT_EQ(item.baseItem, plan.bench.BaseItemName);
            EXPECT_EQ(item.money, 1234.5);
            EXPECT_EQ(item.weeks, 9.75);
            EXPECT_EQ(item.dx, 11);
            EXPECT_EQ(item.made, 1714564800);
            const KeptPlan& kept = plans[0];
            EXPECT_EQ(kept.name, planName);
            EXPECT_EQ(kept.baseItem, plan.bench.BaseItemName);
            EXPECT_FALSE(kept.enchantments.empty());
            EXPECT_EQ(kept.price, TotalLinePrice(plan.state.HexCount, plan.state.SheetTotalPrice));
            EXPECT_EQ(kept.weeks, plan.state.SheetTotalWeeks);
            EXPECT_EQ(kept.kept, 1714564800);
            for (const std::string* sheet : {&item.plan, &kept.plan}) {
                const SheetReading reading = ReadItemSheet(plan.table, plan.bench, *sheet);
                EXPECT_EQ(reading.plan, plan.bench) << reading.error << onFile << written;
            }
        }
    }
    textfmt::SetDecimalSeparator('.');
}

// Plans keep their order: a name kept is refused unless replaced, which keeps
// it anew, last; a plan removed comes back in its place, once.
TEST(Journal, PlansAreReplacedRemovedAndBroughtBackInTheirPlace) {
    const Plan plan(9);
    for (const bool onFile : {false, true}) {
        Folder folder;
        WorkshopJournal journal(On(onFile ? folder.File() : ""));
        const auto names = [&] {
            std::string all;
            for (const KeptPlan& kept : journal.Plans()) all += kept.name + ";";
            return all;
        };
        for (const char* name : {"A", "B", "C"}) journal.KeepPlan(name, plan.bench, false);
        EXPECT_FALSE(journal.KeepPlan("B", plan.bench, false));
        EXPECT_TRUE(journal.KeepPlan("B", plan.bench, true));
        EXPECT_EQ(names(), "A;C;B;");
        const std::optional<KeptPlan> removed = journal.RemovePlan(journal.Plans()[0].id);
        ASSERT_TRUE(removed.has_value());
        EXPECT_FALSE(journal.RemovePlan(removed->id).has_value());
        EXPECT_EQ(names(), "C;B;");
        EXPECT_TRUE(journal.RestorePlan(*removed));
        EXPECT_FALSE(journal.RestorePlan(*removed));
        EXPECT_EQ(names(), "A;C;B;");
        EXPECT_EQ(journal.TakeProblem(), JournalProblem::None);
    }
}

// The lists: items with the date made, plans with their enchantments on note
// lines where they run past the line, each line picking its entry.
TEST(Journal, KeptItemsAndPlansAreListedWithTheirDates) {
    setenv("TZ", "UTC", 1);
    tzset();
    KeptItem item{1, "Glimmer", "dirk (dagger)", "", 3250, 9.5, 12, 1714564800};
    Listing items = ListKeptItems({item, item});
    EXPECT_EQ(items.lines.at(1), Padded("Glimmer" + B(13) + "dirk (dagger)" + B(5) + "2024-05-01" +
                                            B(3) + "3250.00" + B(4) + "9.50",
                                        123));
    EXPECT_EQ(items.rows.at(1).pick.kind, PickKind::MadeItem);
    EXPECT_EQ(items.rows.at(1).pick.index, 1);
    const std::vector<std::string> many(12, "Weakness ST-3");
    Listing plans = ListKeptPlans({{7, "Town sword", "broadsword", many, 45000, 12, "", 0}});
    ASSERT_EQ(plans.lines.size(), 3u);
    EXPECT_EQ(plans.lines[0].substr(0, 63), "Town sword" + B(8) + "broadsword" + B(8) + "45000.00" +
                                                B(2) + "12.00" + B(1) + "1970-01-01" + B(1));
    EXPECT_EQ(plans.rows[2].pick.kind, PickKind::KeptPlan);
    EXPECT_EQ(plans.rows[2].pick.index, 0);
    EXPECT_EQ(ListKeptPlans({}).lines.size(), 1u);
}

// Two windows on one journal, their writes interleaved: every item is kept,
// in the order kept.
TEST(Journal, TwoConnectionsKeepEveryItem) {
    const Plan plan(3);
    Folder folder;
    WorkshopJournal first(On(folder.File())), second(On(folder.File()));
    for (int n = 0; n < 200; ++n) {
        first.KeepItem(plan.Made("first " + std::to_string(n)));
        second.KeepItem(plan.Made("second " + std::to_string(n)));
    }
    const std::vector<KeptItem> items = first.Items();
    ASSERT_EQ(items.size(), 400u);
    EXPECT_EQ(items[398].name, "first 199");
    EXPECT_EQ(items[399].name, "second 199");
    EXPECT_EQ(second.Items().size(), 400u);
    EXPECT_EQ(first.TakeProblem(), JournalProblem::None);
    EXPECT_EQ(second.TakeProblem(), JournalProblem::None);
}

// A journal that cannot be used is left byte for byte as it was, with nothing
// made beside it; the problem is told once, and the run's entries are kept
// in memory, after what could still be read.
TEST(Journal, ABadJournalIsNeverWrittenAndSaysWhatIsWrong) {
    const Plan plan(4);
    struct Case {
        const char* what;
        std::function<void(const Folder&)> make;
        JournalProblem problem;
        size_t itemsRead;  // kept in the file and still listed
    };
    const auto journalWith = [&](const Folder& folder, int items) {
        WorkshopJournal journal(On(folder.File()));
        KeepSome(journal, plan, items, "old ");
    };
    const auto set = [](const Folder& folder, const char* sql) {
        SqliteConnection(folder.File(), SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, 100).Exec(sql);
    };
    std::unique_ptr<SqliteConnection> lock;
    const Case cases[] = {
        {"random bytes",
         [](const Folder& folder) {
             std::ofstream out(folder.File(), std::ios::binary);
             for (int n = 0; n < 5000; ++n) out.put(static_cast<char>(n * 7919 % 251));
         },
         JournalProblem::NotADatabase, 0},
        {"truncated",
         [&](const Folder& folder) {
             journalWith(folder, 60);
             fs::resize_file(folder.File(), fs::file_size(folder.File()) / 2);
         },
         JournalProblem::Damaged, 0},
        {"newer",
         [&](const Folder& folder) {
             journalWith(folder, 1);
             set(folder, "PRAGMA user_version = 2");
         },
         JournalProblem::Newer, 0},
        {"another program's", [&](const Folder& folder) { set(folder, "CREATE TABLE t (x)"); },
         JournalProblem::NotAJournal, 0},
        {"write-ahead log",
         [&](const Folder& folder) {
             journalWith(folder, 1);
             set(folder, "PRAGMA journal_mode = WAL");
         },
         JournalProblem::WriteAheadLog, 0},
        {"read-only file",
         [&](const Folder& folder) {
             journalWith(folder, 2);
             fs::permissions(folder.File(), fs::perms::owner_read | fs::perms::group_read);
         },
         JournalProblem::ReadOnlyFile, 2},
        {"read-only folder",
         [&](const Folder& folder) {
             journalWith(folder, 2);
             fs::permissions(folder.path, fs::perms::owner_read | fs::perms::owner_exec);
         },
         JournalProblem::ReadOnlyFolder, 2},
        {"locked",
         [&](const Folder& folder) {
             journalWith(folder, 2);
             lock = std::make_unique<SqliteConnection>(folder.File(), SQLITE_OPEN_READWRITE, 100);
             lock->Exec("BEGIN EXCLUSIVE");
         },
         JournalProblem::Locked, 0},
    };
    for (const Case& bad : cases) {
        Folder folder;
        bad.make(folder);
        const auto before = Contents(folder.path);
        WorkshopJournal journal(On(folder.File()));
        journal.KeepItem(plan.Made("new"));
        journal.KeepPlan("plan", plan.bench, false);
        EXPECT_EQ(journal.TakeProblem(), bad.problem) << bad.what;
        EXPECT_EQ(journal.TakeProblem(), JournalProblem::None) << bad.what;
        EXPECT_EQ(journal.Items().size(), bad.itemsRead + 1) << bad.what;
        EXPECT_EQ(journal.Plans().size(), 1u) << bad.what;
        lock.reset();
        EXPECT_TRUE(Contents(folder.path) == before) << bad.what;
    }
}

// A disk that fills up under a write: the write is refused whole, the file
// stays as it was, and the item is kept in memory.
TEST(Journal, AFullDiskLeavesTheJournalAsItWas) {
    const Plan plan(6);
    Folder folder;
    WorkshopJournal(On(folder.File())).KeepItem(plan.Made("old"));
    const auto before = Contents(folder.path);
    const pid_t child = fork();
    if (child == 0) {
        // No file may grow past what the journal holds now.
        const rlim_t most = fs::file_size(folder.File());
        const rlimit limit{most, most};
        signal(SIGXFSZ, SIG_IGN);
        setrlimit(RLIMIT_FSIZE, &limit);
        WorkshopJournal journal(On(folder.File()));
        journal.KeepItem(plan.Made(std::string(20000, 'x')));
        const JournalProblem problem = journal.TakeProblem();
        const bool full = problem == JournalProblem::Full || problem == JournalProblem::Unwritable;
        _exit(full && journal.Items().size() == 2 ? 0 : 1);
    }
    int status = 0;
    waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    EXPECT_TRUE(Contents(folder.path) == before);
}

// A program killed inside a write, with pages of the file already written:
// the journal opens, whole, with every item kept before that write.
TEST(Journal, AProgramKilledInsideAWriteLeavesTheJournalAsBefore) {
    const Plan plan(8);
    Folder folder;
    int ready[2];
    ASSERT_EQ(pipe(ready), 0);
    const pid_t child = fork();
    if (child == 0) {
        WorkshopJournal journal(On(folder.File()));
        KeepSome(journal, plan, 30, "kept ");
        // A write too large for the page cache, which spills into the file.
        SqliteConnection db(folder.File(), SQLITE_OPEN_READWRITE, 100);
        db.Exec("PRAGMA cache_size = 2; BEGIN IMMEDIATE");
        for (int n = 0; n < 200; ++n) {
            db.Exec(
                "INSERT INTO item_made (name, base_item, plan, money, weeks, dx, made_at) "
                "SELECT name, base_item, plan || randomblob(2000), money, weeks, dx, made_at "
                "FROM item_made LIMIT 1");
        }
        (void)!write(ready[1], "w", 1);
        pause();
        _exit(0);
    }
    char byte = 0;
    ASSERT_EQ(read(ready[0], &byte, 1), 1);
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
    ASSERT_TRUE(fs::exists(folder.File() + "-journal"));
    WorkshopJournal journal(On(folder.File()));
    const std::vector<KeptItem> items = journal.Items();
    EXPECT_EQ(journal.TakeProblem(), JournalProblem::None);
    ASSERT_EQ(items.size(), 30u);
    EXPECT_EQ(items.back().name, "kept 29");
    EXPECT_EQ(
        SqliteConnection(folder.File(), SQLITE_OPEN_READONLY, 100)
            .QueryInt("SELECT count(*) FROM pragma_integrity_check WHERE integrity_check = 'ok'"),
        1);
}

}  // namespace
