// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>

#include "journal/journal_problem.h"

struct sqlite3;
struct sqlite3_stmt;

// One connection to an SQLite database. Every failure throws JournalFailure
// with what it means for the journal.
class SqliteConnection {
public:
    // Opens path with SQLite's open flags (SQLITE_OPEN_READONLY, ...); a
    // connection waits up to busyTimeoutMs for a lock another one holds.
    SqliteConnection(const std::string& path, int flags, int busyTimeoutMs);
    ~SqliteConnection();
    SqliteConnection(const SqliteConnection&) = delete;
    SqliteConnection& operator=(const SqliteConnection&) = delete;

    // One statement and its rows.
    class Statement {
    public:
        Statement(SqliteConnection& connection, const char* sql);
        ~Statement();
        Statement(const Statement&) = delete;
        Statement& operator=(const Statement&) = delete;

        // Parameters, counted from 1; texts are copied.
        Statement& Bind(int at, const std::string& text);
        Statement& Bind(int at, double value);
        Statement& Bind(int at, int64_t value);
        // The next row; false once there is none.
        bool Step();
        // Columns of the row, counted from 0.
        std::string Text(int column) const;
        double Double(int column) const;
        int64_t Int(int column) const;

    private:
        SqliteConnection& connection_;
        sqlite3_stmt* statement_ = nullptr;
    };

    // Runs statements that give no rows.
    void Exec(const char* sql);
    // The first column of a statement's first row as a whole number.
    int64_t QueryInt(const char* sql);
    // Runs work inside one write transaction: all of it, or on a failure
    // none of it.
    template <class Work>
    void Write(Work&& work) {
        writing_ = true;
        try {
            Exec("BEGIN IMMEDIATE");
            work();
            Exec("COMMIT");
        } catch (...) {
            RollBack();
            writing_ = false;
            throw;
        }
        writing_ = false;
    }

    // Throws the failure SQLite's result code stands for, unless it is a
    // success.
    void Check(int code) const;

private:
    void RollBack() noexcept;

    sqlite3* db_ = nullptr;
    bool writing_ = false;  // inside Write: an I/O error is one of writing
};

// What an SQLite result code means for the journal, in a write or a read.
JournalProblem ProblemOfCode(int extendedCode, bool writing);
