// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>
#include <string>

#include "journal/journal_store.h"
#include "journal/sqlite_connection.h"

// The journal in its SQLite file. The file is checked before anything is
// written to it (journal_file_check.h), made with its folder at the first
// write when there is none, and written in rollback-journal mode, each
// write one transaction, so that a program stopped inside one leaves the file
// as it was before it. Names and texts are stored as UTF-8.
class SqliteStore : public JournalStore {
public:
    SqliteStore(std::string path, int busyTimeoutMs);

    // Checks the file and opens it for writing (a missing one waits for the
    // first write). Throws JournalFailure when it cannot be used; a file that
    // only cannot be written can still be read from.
    void Connect();

    std::vector<KeptItem> Items() override;
    std::vector<KeptPlan> Plans() override;
    void AddItem(const KeptItem& item) override;
    bool PutPlan(const KeptPlan& plan, bool replace) override;
    std::optional<KeptPlan> RemovePlan(int64_t id) override;
    bool RestorePlan(const KeptPlan& plan) override;

private:
    // Whether there is a journal to read: a file another window made since
    // is checked and opened first.
    bool Readable();
    // Runs work in one write transaction, making the file and its schema
    // first where they are missing.
    template <class Work>
    void Write(Work&& work);

    std::string path_;
    int busyTimeoutMs_;
    std::unique_ptr<SqliteConnection> db_;
};
