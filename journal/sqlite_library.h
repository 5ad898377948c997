// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <sqlite3.h>

// The SQLite functions the journal calls. The library (Debian's
// libsqlite3.so.0) is loaded when the journal is first used, not when the
// program starts: linked in, the loader would resolve its symbols at every
// start, about 2 % more instructions before the window shows, for a journal
// most evenings open long after.
struct SqliteLibrary {
// clang-format off
#define THARNWELL_SQLITE_FUNCTIONS(X)                                                       \
    X(open_v2) X(close_v2) X(extended_result_codes) X(busy_timeout) X(exec) X(prepare_v2)   \
    X(step) X(reset) X(finalize) X(bind_text) X(bind_double) X(bind_int64) X(column_text)   \
    X(column_bytes) X(column_double) X(column_int64) X(extended_errcode) X(errmsg)
// clang-format on
#define THARNWELL_SQLITE_POINTER(name) decltype(&::sqlite3_##name) name = nullptr;
    THARNWELL_SQLITE_FUNCTIONS(THARNWELL_SQLITE_POINTER)
#undef THARNWELL_SQLITE_POINTER
};

// The library, loaded at the first call; nullptr when it cannot be loaded.
const SqliteLibrary* Sqlite();
