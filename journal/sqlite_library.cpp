// SPDX-License-Identifier: GPL-3.0-or-later
#include "journal/sqlite_library.h"

#include <dlfcn.h>

namespace {

SqliteLibrary Load() {
    SqliteLibrary library;
    // Kept loaded for the rest of the run.
    void* handle = dlopen("libsqlite3.so.0", RTLD_NOW | RTLD_LOCAL);
    if (handle == nullptr) return library;
    bool complete = true;
#define THARNWELL_SQLITE_RESOLVE(name)                                                        \
    library.name = reinterpret_cast<decltype(library.name)>(dlsym(handle, "sqlite3_" #name)); \
    complete = complete && library.name != nullptr;
    THARNWELL_SQLITE_FUNCTIONS(THARNWELL_SQLITE_RESOLVE)
#undef THARNWELL_SQLITE_RESOLVE
    return complete ? library : SqliteLibrary{};
}

}  // namespace

const SqliteLibrary* Sqlite() {
    static const SqliteLibrary library = Load();
    return library.open_v2 != nullptr ? &library : nullptr;
}
