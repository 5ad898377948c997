// SPDX-License-Identifier: GPL-3.0-or-later
#include "journal/journal_file_check.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>

#include "journal/sqlite_library.h"

namespace {

constexpr size_t kHeaderSize = 100;
constexpr char kMagic[] = "SQLite format 3";  // and its terminating zero
constexpr size_t kApplicationIdAt = 68;
// The versions a reader and a writer need: 2 for a write-ahead log.
constexpr size_t kWriteVersionAt = 18;
constexpr size_t kReadVersionAt = 19;

[[noreturn]] void Fail(JournalProblem problem) { throw JournalFailure{problem, 0}; }

// The first bytes of an SQLite database: its magic text, and the owner's
// number. An empty file is a database yet to be written.
void CheckHeader(const std::string& path) {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) Fail(JournalProblem::Unreadable);
    unsigned char header[kHeaderSize];
    const size_t got = std::fread(header, 1, kHeaderSize, file);
    std::fclose(file);
    if (got == 0) return;
    if (got < kHeaderSize || std::memcmp(header, kMagic, sizeof kMagic) != 0) {
        Fail(JournalProblem::NotADatabase);
    }
    int64_t owner = 0;
    for (size_t k = 0; k < 4; ++k) owner = owner << 8 | header[kApplicationIdAt + k];
    if (owner != 0 && owner != kJournalApplicationId) Fail(JournalProblem::NotAJournal);
    // SQLite opens such a file, even to read it, only with a log and an
    // index made beside it; the journal never writes one.
    if (header[kWriteVersionAt] == 2 || header[kReadVersionAt] == 2) {
        Fail(JournalProblem::WriteAheadLog);
    }
}

// The schema's owner and version, then the whole file's integrity.
void CheckSchema(SqliteConnection& db) {
    const int64_t version = db.QueryInt("PRAGMA user_version");
    const int64_t owner = db.QueryInt("PRAGMA application_id");
    const int64_t tables = db.QueryInt("SELECT count(*) FROM sqlite_master");
    // An empty database is a journal yet to be written.
    if ((version == 0 && tables > 0) || (version > 0 && owner != kJournalApplicationId)) {
        Fail(JournalProblem::NotAJournal);
    }
    if (version > kJournalVersion) Fail(JournalProblem::Newer);
    SqliteConnection::Statement check(db, "PRAGMA integrity_check");
    if (!check.Step() || check.Text(0) != "ok") Fail(JournalProblem::Damaged);
}

}  // namespace

std::string FolderOf(const std::string& path) {
    const auto slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

bool MayWrite(const std::string& path) {
    struct stat info {};
    if (stat(path.c_str(), &info) != 0) return false;
    return (info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) != 0 && access(path.c_str(), W_OK) == 0;
}

bool JournalFileExists(const std::string& path) {
    struct stat info {};
    if (stat(path.c_str(), &info) == 0) {
        if (!S_ISREG(info.st_mode)) Fail(JournalProblem::NotAFile);
        return true;
    }
    // The folders that are missing are made at the first write, in the
    // nearest one there is (one that cannot be searched cannot be written).
    std::string folder = FolderOf(path);
    while (stat(folder.c_str(), &info) != 0 && folder != FolderOf(folder))
        folder = FolderOf(folder);
    if (!S_ISDIR(info.st_mode) || !MayWrite(folder)) Fail(JournalProblem::ReadOnlyFolder);
    return false;
}

void MakeFolders(const std::string& path) {
    const std::string folder = FolderOf(path);
    struct stat info {};
    if (folder == FolderOf(folder) || stat(folder.c_str(), &info) == 0) return;
    MakeFolders(folder);
    // Another window may have made it just now.
    if (mkdir(folder.c_str(), 0700) != 0 && stat(folder.c_str(), &info) != 0) {
        Fail(JournalProblem::ReadOnlyFolder);
    }
}

std::unique_ptr<SqliteConnection> OpenCheckedJournal(const std::string& path, int busyTimeoutMs) {
    CheckHeader(path);
    auto db = std::make_unique<SqliteConnection>(path, SQLITE_OPEN_READONLY, busyTimeoutMs);
    try {
        CheckSchema(*db);
    } catch (const JournalFailure& failure) {
        if (failure.code != SQLITE_READONLY_ROLLBACK) throw;
        // A program was stopped inside a write: SQLite puts back the pages
        // its rollback journal holds, as they were before that write, once
        // a connection that may write reads the file.
        if (!MayWrite(path)) Fail(JournalProblem::ReadOnlyFile);
        if (!MayWrite(FolderOf(path))) Fail(JournalProblem::ReadOnlyFolder);
        SqliteConnection(path, SQLITE_OPEN_READWRITE, busyTimeoutMs)
            .QueryInt("SELECT count(*) FROM sqlite_master");
        db = std::make_unique<SqliteConnection>(path, SQLITE_OPEN_READONLY, busyTimeoutMs);
        CheckSchema(*db);
    }
    return db;
}
