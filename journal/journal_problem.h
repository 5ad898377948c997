// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What keeps a journal file from being used. The file is then left exactly
// as it is, and the journal keeps this run's entries in memory.
enum class JournalProblem {
    None,
    NoLibrary,       // SQLite itself cannot be loaded
    NotAFile,        // a folder, or something else that is no file, in its place
    NotADatabase,    // no SQLite database
    NotAJournal,     // another program's database
    WriteAheadLog,   // in WAL mode, which even reading would add files beside
    Damaged,         // fails the integrity check
    Newer,           // written by a newer version of the program
    ReadOnlyFile,    // no write permission on the file
    ReadOnlyFolder,  // none on its folder (the rollback journal is written beside it)
    Locked,          // another program holds it longer than the journal waits
    Full,            // the disk is full
    Unreadable,      // reading it failed
    Unwritable,      // writing it failed
};

// What is wrong with the file, said after its name: "is damaged".
const char* ProblemText(JournalProblem problem);

// Thrown where the journal's file cannot be used; code is SQLite's extended
// result code, when SQLite said so.
struct JournalFailure {
    JournalProblem problem = JournalProblem::None;
    int code = 0;
};
