// SPDX-License-Identifier: GPL-3.0-or-later
#include "journal/sqlite_connection.h"

#include "journal/sqlite_library.h"

namespace {

const SqliteLibrary& Library() {
    const SqliteLibrary* library = Sqlite();
    if (library == nullptr) throw JournalFailure{JournalProblem::NoLibrary, 0};
    return *library;
}

}  // namespace

JournalProblem ProblemOfCode(int extendedCode, bool writing) {
    switch (extendedCode & 0xFF) {
        case SQLITE_NOTADB:
            return JournalProblem::NotADatabase;
        case SQLITE_CORRUPT:
            return JournalProblem::Damaged;
        case SQLITE_BUSY:
        case SQLITE_LOCKED:
            return JournalProblem::Locked;
        case SQLITE_FULL:
            return JournalProblem::Full;
        case SQLITE_READONLY:
        case SQLITE_PERM:
            return JournalProblem::ReadOnlyFile;
        default:
            return writing ? JournalProblem::Unwritable : JournalProblem::Unreadable;
    }
}

SqliteConnection::SqliteConnection(const std::string& path, int flags, int busyTimeoutMs) {
    const SqliteLibrary& sqlite = Library();
    const int code = sqlite.open_v2(path.c_str(), &db_, flags, nullptr);
    if (db_ != nullptr) sqlite.extended_result_codes(db_, 1);
    if (code != SQLITE_OK) {
        const int extended = db_ != nullptr ? sqlite.extended_errcode(db_) : code;
        sqlite.close_v2(db_);
        db_ = nullptr;
        throw JournalFailure{ProblemOfCode(extended, false), extended};
    }
    sqlite.busy_timeout(db_, busyTimeoutMs);
}

SqliteConnection::~SqliteConnection() {
    if (db_ != nullptr) Library().close_v2(db_);
}

void SqliteConnection::Check(int code) const {
    if (code == SQLITE_OK || code == SQLITE_ROW || code == SQLITE_DONE) return;
    const int extended = Library().extended_errcode(db_);
    throw JournalFailure{ProblemOfCode(extended, writing_), extended};
}

void SqliteConnection::Exec(const char* sql) {
    Check(Library().exec(db_, sql, nullptr, nullptr, nullptr));
}

int64_t SqliteConnection::QueryInt(const char* sql) {
    Statement statement(*this, sql);
    return statement.Step() ? statement.Int(0) : 0;
}

void SqliteConnection::RollBack() noexcept {
    // Fails harmlessly where SQLite has rolled the transaction back itself.
    Library().exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
}

SqliteConnection::Statement::Statement(SqliteConnection& connection, const char* sql)
    : connection_(connection) {
    connection_.Check(Library().prepare_v2(connection_.db_, sql, -1, &statement_, nullptr));
}

SqliteConnection::Statement::~Statement() { Library().finalize(statement_); }

SqliteConnection::Statement& SqliteConnection::Statement::Bind(int at, const std::string& text) {
    connection_.Check(Library().bind_text(statement_, at, text.data(),
                                          static_cast<int>(text.size()), SQLITE_TRANSIENT));
    return *this;
}

SqliteConnection::Statement& SqliteConnection::Statement::Bind(int at, double value) {
    connection_.Check(Library().bind_double(statement_, at, value));
    return *this;
}

SqliteConnection::Statement& SqliteConnection::Statement::Bind(int at, int64_t value) {
    connection_.Check(Library().bind_int64(statement_, at, value));
    return *this;
}

bool SqliteConnection::Statement::Step() {
    const int code = Library().step(statement_);
    connection_.Check(code);
    return code == SQLITE_ROW;
}

std::string SqliteConnection::Statement::Text(int column) const {
    const SqliteLibrary& sqlite = Library();
    const auto* text = reinterpret_cast<const char*>(sqlite.column_text(statement_, column));
    return text == nullptr ? std::string()
                           : std::string(text, size_t(sqlite.column_bytes(statement_, column)));
}

double SqliteConnection::Statement::Double(int column) const {
    return Library().column_double(statement_, column);
}

int64_t SqliteConnection::Statement::Int(int column) const {
    return Library().column_int64(statement_, column);
}
