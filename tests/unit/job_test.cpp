// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalog/job.h"

#include <gtest/gtest.h>

#include <iterator>
#include <string>
#include <vector>

#include "catalog/catalog_table.h"
#include "catalog/text_format.h"
#include "tests/support/catalog_checks.h"
#include "tests/support/text.h"

namespace {

std::vector<std::string> Prereqs(const TJobKest& job) {
    std::vector<std::string> out;
    for (const std::string* p : JobPrerequisites(job)) out.push_back(*p);
    return out;
}

int UsedPrereqs(const TJobKest& job) {
    int used = 0;
    for (const std::string* p : JobPrerequisites(job)) used += p->empty() ? 0 : 1;
    return used;
}

class JobListTest : public ::testing::Test {
protected:
    void SetUp() override { listing = ListJobs(table); }

    const CatalogTable& table = BuiltTable();
    Listing listing;
};

}  // namespace

TEST(JobRecord, OutsideTheCatalogStaysEmpty) {
    for (int index : {0, -1, kJobCount + 1, 1000}) {
        SCOPED_TRACE(index);
        const TJobKest job(index);
        EXPECT_TRUE(job.Name.empty());
        for (const std::string& p : Prereqs(job)) EXPECT_TRUE(p.empty());
        EXPECT_TRUE(job.Pay.empty());
        EXPECT_EQ(job.Risk1, 0);
        EXPECT_EQ(job.Risk2, 0);
    }
}

TEST(JobRecord, TellingRecords) {
    struct Case {
        int index;
        std::string name;
        std::vector<std::string> prereqs;
        std::string pay;
        int risk1, risk2;
    };
    // clang-format off
    const std::vector<Case> cases = {
        {1, "unskilled", {}, "none", 2, 19},
        {8, "town laborer", {}, "$ 5", 2, 19},
        {20, "high priest",
         {"preist", "charisma", "theologian", "business sence", "detect lies"}, "$150", 3, 18},
        {27, "entertainer",
         {"bard", "charisma", "sex appeal", "acrobatics", "mimic", "ventriloquist"},
         "15 x talents", 3, 18},
        {34, "highwayman", {"3 weapons"}, "$250", 5, 12},
        {38, "mercenary captain",
         {"3 weapons", "UC I", "diplomacy", "alertness", "new followers", "buisness sense"},
         "$300", 4, 17},
        {56, "spy",
         {"spying", "silent movement", "disguise", "literacy", "3 languages", "master theif"},
         "$250", 5, 15},
        {60, "armsmaster", {"DX 15", "6 weapons"}, "10 x weap/UC", 4, 17},
        {63, "town wizard", {"IQ 11-13"}, "$ 75", 4, 17},
        {64, "town wizard", {"IQ 14-16"}, "$120", 4, 17},
        {65, "town wizard", {"IQ 17-18"}, "$200", 4, 17},
        {66, "town wizard extraordinaire", {"IQ 19 and up"}, "$300", 4, 16},
        {80, "entertainer",
         {"sex appeal and", "/or charisma", "showy spells", "bard (+$20/week)",
          "master bard(+40)"},
         "8 x showy", 3, 18},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.index);
        const TJobKest job(c.index);
        EXPECT_EQ(job.Name, c.name);
        std::vector<std::string> expected = c.prereqs;
        expected.resize(9);
        EXPECT_EQ(Prereqs(job), expected);
        EXPECT_EQ(job.Pay, c.pay);
        EXPECT_EQ(job.Risk1, c.risk1);
        EXPECT_EQ(job.Risk2, c.risk2);
    }
}

TEST(JobRecord, NamesInCatalogOrder) {
    // clang-format off
    const char* const names[] = {
        "unskilled", "farmhand", "fisherman", "sailor", "forester", "hunter", "trapper",
        "town laborer", "shop worker", "armourer", "smith", "master armourer", "merchant", "healer",
        "scholar", "teacher", "scribe", "sage", "priest", "high priest", "chemist", "builder",
        "ship builder", "animal trainer", "bird trainer", "minstrel", "entertainer", "translator",
        "mathematician", "calligrapher", "petty theif", "burglar", "professional thief",
        "highwayman", "brigand", "mercenary recruit", "mercenary veteran", "mercenary captain",
        "army recruit", "army regular", "army sergeant", "army officer", "army driver",
        "army engineer", "army tracker", "army priest", "police recruit", "police regular",
        "police sergeant", "police officer", "police driver", "police engineer", "police tracker",
        "police priest", "courier", "spy", "tax collector", "fighting-ship crewman", "rogue",
        "armsmaster", "apprentice", "journeyman", "town wizard", "town wizard", "town wizard",
        "town wizard extraordinaire", "mercenary recruit", "mercenary veteran", "mercenary captain",
        "army recruit", "army regular", "army sergeant", "army officer", "police recruit",
        "police regular", "police sergeant", "police officer", "wizardly thief", "wizardly brigand",
        "entertainer",
    };
    // clang-format on
    ASSERT_EQ(std::size(names), static_cast<size_t>(kJobCount));
    for (int n = 1; n <= kJobCount; ++n) EXPECT_EQ(TJobKest(n).Name, names[n - 1]) << n;
}

TEST(JobRecord, CatalogStaysWithinItsBounds) {
    int withoutPrereq = 0;
    for (int n = 1; n <= kJobCount; ++n) {
        SCOPED_TRACE(n);
        const TJobKest job(n);
        EXPECT_FALSE(job.Name.empty());
        EXPECT_FALSE(job.Pay.empty());
        EXPECT_LE(job.Name.size(), 26u);
        EXPECT_LE(job.Prerequisite1.size(), 19u);
        EXPECT_LE(job.Pay.size(), 14u);
        EXPECT_GE(job.Risk1, 2);
        EXPECT_LE(job.Risk1, 5);
        EXPECT_GE(job.Risk2, 12);
        EXPECT_LE(job.Risk2, 19);
        // Requirements fill from the first upward, at most six, no gaps.
        const auto prereqs = Prereqs(job);
        const int used = UsedPrereqs(job);
        EXPECT_LE(used, 6);
        for (int i = 0; i < 9; ++i) EXPECT_EQ(prereqs[static_cast<size_t>(i)].empty(), i >= used);
        for (int i = 1; i < 9; ++i) EXPECT_LE(prereqs[static_cast<size_t>(i)].size(), 18u);
        if (used == 0) ++withoutPrereq;
        // Only the first entertainer, the mercenary captain and the spy need six.
        EXPECT_EQ(used == 6, n == 27 || n == 38 || n == 56);
    }
    EXPECT_EQ(withoutPrereq, 3);
    EXPECT_TRUE(TJobKest(1).Prerequisite1.empty());
    EXPECT_TRUE(TJobKest(2).Prerequisite1.empty());
    EXPECT_TRUE(TJobKest(8).Prerequisite1.empty());
}

TEST_F(JobListTest, LabelsAndState) {
    // clang-format off
    const std::vector<std::string> expected = {
        "Job", "Prerequisite", "", "",  "",
        "Pay", "",           "risk", "",
    };
    // clang-format on
    ExpectCaptions(listing, expected);
    EXPECT_FALSE(listing.returnToTop);
    EXPECT_EQ(listing.shown, ShownList::Jobs);
}

TEST_F(JobListTest, LineCountsAndWidths) {
    ASSERT_EQ(listing.lines.size(), 164u);
    int continuation = 0;
    int main = 0;
    for (const std::string& line : listing.lines) {
        EXPECT_EQ(line.size(), static_cast<size_t>(textfmt::kListLineWidth)) << line;
        if (line.compare(0, 28, std::string(28, ' ')) == 0) {
            ++continuation;
        } else {
            ++main;
        }
    }
    EXPECT_EQ(main, 80);
    EXPECT_EQ(continuation, 84);
}

TEST_F(JobListTest, EachJobIsFollowedByItsFurtherRequirements) {
    size_t at = 0;
    for (int n = 1; n <= kJobCount; ++n) {
        SCOPED_TRACE(n);
        const TJobKest& job = JobAt(table, n);
        ASSERT_LT(at, listing.lines.size());
        const std::string& line = listing.lines[at++];
        // Picking compares the first 28 characters with the padded name.
        EXPECT_EQ(line.substr(0, 28), FixedWidth(job.Name, 28));
        EXPECT_EQ(line.substr(28, 22), FixedWidth(job.Prerequisite1, 22));
        EXPECT_EQ(line.substr(50, 16), FixedWidth(job.Pay, 16));
        const std::string risk = std::to_string(job.Risk1) + "/" + std::to_string(job.Risk2);
        EXPECT_EQ(line.substr(66), Padded(risk, 57));
        const auto prereqs = Prereqs(job);
        for (size_t i = 1; i < prereqs.size() && !prereqs[i].empty(); ++i) {
            ASSERT_LT(at, listing.lines.size());
            const std::string& more = listing.lines[at++];
            EXPECT_EQ(more.substr(0, 28), std::string(28, ' '));
            EXPECT_EQ(more.substr(28, prereqs[i].size()), prereqs[i]);
            EXPECT_EQ(more.find_first_not_of(' ', 28 + prereqs[i].size()), std::string::npos);
        }
    }
    EXPECT_EQ(at, listing.lines.size());
}

TEST_F(JobListTest, ExampleLines) {
    EXPECT_EQ(listing.lines[0], "unskilled" + std::string(19, ' ') + std::string(22, ' ') + "none" +
                                    std::string(12, ' ') + "2/19" + std::string(53, ' '));
    // The pay is shown exactly as stored, inner blanks included.
    const auto mainLineOf = [&](const std::string& start) -> std::string {
        for (const std::string& line : listing.lines) {
            if (line.compare(0, start.size(), start) == 0) return line;
        }
        return {};
    };
    EXPECT_EQ(mainLineOf("town laborer").substr(50, 16), "$ 5" + std::string(13, ' '));
    // The three town wizards in a row, then the extraordinaire.
    std::vector<std::string> wizards;
    for (const std::string& line : listing.lines) {
        if (line.compare(0, 12, "town wizard ") == 0) wizards.push_back(line.substr(0, 70));
    }
    ASSERT_EQ(wizards.size(), 4u);
    const std::string nameGap(17, ' ');
    EXPECT_EQ(wizards[0], "town wizard" + nameGap + "IQ 11-13" + std::string(14, ' ') + "$ 75" +
                              std::string(12, ' ') + "4/17");
    EXPECT_EQ(wizards[1], "town wizard" + nameGap + "IQ 14-16" + std::string(14, ' ') + "$120" +
                              std::string(12, ' ') + "4/17");
    EXPECT_EQ(wizards[2], "town wizard" + nameGap + "IQ 17-18" + std::string(14, ' ') + "$200" +
                              std::string(12, ' ') + "4/17");
    EXPECT_EQ(wizards[3].substr(0, 28), "town wizard extraordinaire  ");
}
