// SPDX-License-Identifier: GPL-3.0-or-later
#include "journal/sqlite_store.h"

#include <utility>

#include "journal/journal_file_check.h"
#include "journal/sqlite_library.h"

namespace {

using Statement = SqliteConnection::Statement;

// The tables of version 1, made in the transaction of the first write.
const char kSchema[] = R"(
CREATE TABLE item_made (
    id INTEGER PRIMARY KEY AUTOINCREMENT,
    name TEXT NOT NULL,
    base_item TEXT NOT NULL,
    plan TEXT NOT NULL,        -- the item sheet as Ctrl+V reads it back
    money REAL NOT NULL,       -- what the making took
    weeks REAL NOT NULL,
    dx INTEGER NOT NULL,       -- the DX the making began at
    made_at INTEGER NOT NULL   -- seconds since 1970, UTC
);
CREATE TABLE plan_kept (
    id INTEGER PRIMARY KEY AUTOINCREMENT,
    name TEXT NOT NULL UNIQUE,
    base_item TEXT NOT NULL,
    enchantments TEXT NOT NULL,  -- as the sheet names them, one a line
    price REAL NOT NULL,         -- as the sheet totals them
    weeks REAL NOT NULL,
    plan TEXT NOT NULL,
    kept_at INTEGER NOT NULL
);
PRAGMA application_id = 1416131182;
PRAGMA user_version = 1;
)";
static_assert(kJournalApplicationId == 1416131182 && kJournalVersion == 1, "kSchema says so");

std::string ToUtf8(const std::string& latin1) {
    std::string utf8;
    utf8.reserve(latin1.size());
    for (const char c : latin1) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x80) {
            utf8 += c;
        } else {
            utf8 += static_cast<char>(0xC0 | (byte >> 6));
            utf8 += static_cast<char>(0x80 | (byte & 0x3F));
        }
    }
    return utf8;
}

// A character beyond Latin-1 (the file edited by hand) becomes '?'.
std::string ToLatin1(const std::string& utf8) {
    std::string latin1;
    latin1.reserve(utf8.size());
    for (size_t i = 0; i < utf8.size(); ++i) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        if (lead < 0x80) {
            latin1 += static_cast<char>(lead);
            continue;
        }
        size_t more = 0;
        while (more < 3 && i + more + 1 < utf8.size() &&
               (static_cast<unsigned char>(utf8[i + more + 1]) & 0xC0) == 0x80) {
            ++more;
        }
        const bool latin = (lead == 0xC2 || lead == 0xC3) && more == 1;
        latin1 += latin ? static_cast<char>(((lead & 0x03) << 6) | (utf8[i + 1] & 0x3F)) : '?';
        i += more;
    }
    return latin1;
}

std::string Joined(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += (text.empty() ? "" : "\n") + ToUtf8(line);
    return text;
}

std::vector<std::string> Split(const std::string& text) {
    std::vector<std::string> lines;
    for (size_t from = 0; from < text.size();) {
        const size_t end = std::min(text.find('\n', from), text.size());
        lines.push_back(ToLatin1(text.substr(from, end - from)));
        from = end + 1;
    }
    return lines;
}

const char kPlanColumns[] = "id, name, base_item, enchantments, price, weeks, plan, kept_at";

KeptPlan PlanOfRow(const Statement& row) {
    return {row.Int(0),    ToLatin1(row.Text(1)), ToLatin1(row.Text(2)), Split(row.Text(3)),
            row.Double(4), row.Double(5),         row.Text(6),           row.Int(7)};
}

// Binds a plan's columns from the first parameter on, in kPlanColumns' order.
void BindPlan(Statement& statement, const KeptPlan& plan) {
    statement.Bind(1, plan.id)
        .Bind(2, ToUtf8(plan.name))
        .Bind(3, ToUtf8(plan.baseItem))
        .Bind(4, Joined(plan.enchantments))
        .Bind(5, plan.price)
        .Bind(6, plan.weeks)
        .Bind(7, plan.plan)
        .Bind(8, plan.kept);
}

}  // namespace

SqliteStore::SqliteStore(std::string path, int busyTimeoutMs)
    : path_(std::move(path)), busyTimeoutMs_(busyTimeoutMs) {}

void SqliteStore::Connect() {
    if (!JournalFileExists(path_)) return;
    db_ = OpenCheckedJournal(path_, busyTimeoutMs_);
    // Read-only, the file can still be read from.
    if (!MayWrite(path_)) throw JournalFailure{JournalProblem::ReadOnlyFile, 0};
    if (!MayWrite(FolderOf(path_))) throw JournalFailure{JournalProblem::ReadOnlyFolder, 0};
    db_ = std::make_unique<SqliteConnection>(path_, SQLITE_OPEN_READWRITE, busyTimeoutMs_);
}

bool SqliteStore::Readable() {
    if (db_ == nullptr) Connect();
    return db_ != nullptr && db_->QueryInt("PRAGMA user_version") > 0;
}

template <class Work>
void SqliteStore::Write(Work&& work) {
    if (db_ == nullptr) Connect();
    if (db_ == nullptr) {
        MakeFolders(path_);
        try {
            db_ = std::make_unique<SqliteConnection>(
                path_, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, busyTimeoutMs_);
        } catch (const JournalFailure& failure) {
            // The file could not be made.
            throw JournalFailure{JournalProblem::Unwritable, failure.code};
        }
    }
    db_->Write([&] {
        // Another window may have written the schema since this one looked.
        const int64_t version = db_->QueryInt("PRAGMA user_version");
        if (version > kJournalVersion) throw JournalFailure{JournalProblem::Newer, 0};
        if (version == 0) db_->Exec(kSchema);
        work();
    });
}

std::vector<KeptItem> SqliteStore::Items() {
    std::vector<KeptItem> items;
    if (!Readable()) return items;
    Statement row(*db_,
                  "SELECT id, name, base_item, plan, money, weeks, dx, made_at FROM item_made "
                  "ORDER BY id");
    while (row.Step()) {
        items.push_back({row.Int(0), ToLatin1(row.Text(1)), ToLatin1(row.Text(2)), row.Text(3),
                         row.Double(4), row.Double(5), static_cast<int32_t>(row.Int(6)),
                         row.Int(7)});
    }
    return items;
}

std::vector<KeptPlan> SqliteStore::Plans() {
    std::vector<KeptPlan> plans;
    if (!Readable()) return plans;
    Statement row(*db_,
                  (std::string("SELECT ") + kPlanColumns + " FROM plan_kept ORDER BY id").c_str());
    while (row.Step()) plans.push_back(PlanOfRow(row));
    return plans;
}

void SqliteStore::AddItem(const KeptItem& item) {
    Write([&] {
        Statement insert(*db_,
                         "INSERT INTO item_made (name, base_item, plan, money, weeks, dx, made_at) "
                         "VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7)");
        insert.Bind(1, ToUtf8(item.name))
            .Bind(2, ToUtf8(item.baseItem))
            .Bind(3, item.plan)
            .Bind(4, item.money)
            .Bind(5, item.weeks)
            .Bind(6, int64_t{item.dx})
            .Bind(7, item.made)
            .Step();
    });
}

bool SqliteStore::PutPlan(const KeptPlan& plan, bool replace) {
    bool kept = false;
    Write([&] {
        Statement same(*db_, "SELECT id FROM plan_kept WHERE name = ?1");
        if (same.Bind(1, ToUtf8(plan.name)).Step()) {
            if (!replace) return;
            Statement(*db_, "DELETE FROM plan_kept WHERE id = ?1").Bind(1, same.Int(0)).Step();
        }
        // A plan kept anew takes the next number, after every plan kept so far.
        Statement insert(*db_, (std::string("INSERT INTO plan_kept (") + kPlanColumns +
                                ") VALUES (NULL, ?2, ?3, ?4, ?5, ?6, ?7, ?8)")
                                   .c_str());
        BindPlan(insert, plan);
        insert.Step();
        kept = true;
    });
    return kept;
}

std::optional<KeptPlan> SqliteStore::RemovePlan(int64_t id) {
    std::optional<KeptPlan> removed;
    Write([&] {
        Statement row(
            *db_,
            (std::string("SELECT ") + kPlanColumns + " FROM plan_kept WHERE id = ?1").c_str());
        if (!row.Bind(1, id).Step()) return;
        removed = PlanOfRow(row);
        Statement(*db_, "DELETE FROM plan_kept WHERE id = ?1").Bind(1, id).Step();
    });
    return removed;
}

bool SqliteStore::RestorePlan(const KeptPlan& plan) {
    bool restored = false;
    Write([&] {
        Statement taken(*db_, "SELECT 1 FROM plan_kept WHERE name = ?1 OR id = ?2");
        if (taken.Bind(1, ToUtf8(plan.name)).Bind(2, plan.id).Step()) return;
        Statement insert(*db_, (std::string("INSERT INTO plan_kept (") + kPlanColumns +
                                ") VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8)")
                                   .c_str());
        BindPlan(insert, plan);
        insert.Step();
        restored = true;
    });
    return restored;
}
