// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>
#include <string>

#include "journal/sqlite_connection.h"

// The journal's schema as this version writes it (PRAGMA user_version), and
// the number that marks a database as a journal (PRAGMA application_id).
constexpr int64_t kJournalVersion = 1;
constexpr int64_t kJournalApplicationId = 0x5468726E;  // "Thrn"

// The checks a journal file passes before anything may write to it. None of
// them changes the file or makes one beside it: they read its first bytes and
// ask SQLite through a read-only connection. Each throws JournalFailure with
// what is wrong.

// Whether there is a file at path; a missing one must be one that can be made
// (its nearest folder can be written).
bool JournalFileExists(const std::string& path);

// An existing file: its header, its schema's version and owner, and its
// integrity. A file left with a write half done (a hot rollback journal
// beside it) is first rolled back, as SQLite does, when it may be written.
// Gives the read-only connection the checks ran on.
std::unique_ptr<SqliteConnection> OpenCheckedJournal(const std::string& path, int busyTimeoutMs);

// Whether the file, or the folder it is in, may be written: its permissions
// allow it (for root too, who writes past them), and the system does.
bool MayWrite(const std::string& path);
std::string FolderOf(const std::string& path);

// Makes the folders up to the file's, each readable by its owner alone.
void MakeFolders(const std::string& path);
