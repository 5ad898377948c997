// SPDX-License-Identifier: GPL-3.0-or-later
#include "journal/journal_problem.h"

const char* ProblemText(JournalProblem problem) {
    switch (problem) {
        case JournalProblem::None:
            return "";
        case JournalProblem::NoLibrary:
            return "cannot be opened: the SQLite library (libsqlite3.so.0) is missing";
        case JournalProblem::NotAFile:
            return "is no file";
        case JournalProblem::NotADatabase:
            return "is no SQLite database";
        case JournalProblem::NotAJournal:
            return "is another program's database";
        case JournalProblem::WriteAheadLog:
            return "is kept in write-ahead-log mode, which Tharnwell leaves alone";
        case JournalProblem::Damaged:
            return "is damaged";
        case JournalProblem::Newer:
            return "was written by a newer version of Tharnwell";
        case JournalProblem::ReadOnlyFile:
            return "is read-only";
        case JournalProblem::ReadOnlyFolder:
            return "is in a folder that cannot be written";
        case JournalProblem::Locked:
            return "is locked by another program";
        case JournalProblem::Full:
            return "cannot be written: the disk is full";
        case JournalProblem::Unreadable:
            return "cannot be read";
        case JournalProblem::Unwritable:
            return "cannot be written";
    }
    return "";
}
