// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "catalog/catalog_table.h"
#include "catalog/listing.h"
#include "catalog/tobject.h"

// The most requirements any compiled-in job has; the record keeps room for nine.
constexpr int kJobRowPrerequisites = 6;

// One compiled-in job as the job table prints it: the job, its pay, its risk
// rating (dice rolled / trouble at or above) and its requirements in order
// (nullptr ends the list).
struct JobRow {
    const char* name;
    const char* pay;
    int32_t risk1;
    int32_t risk2;
    const char* prerequisites[kJobRowPrerequisites];
};

constexpr int kJobCount = 80;  // job numbers 1..80

// The 80 jobs; job n is kJobRows[n - 1].
extern const JobRow kJobRows[kJobCount];

// An occupation a character can take up between adventures.
class TJobKest : public TObject {
public:
    explicit TJobKest(int32_t index);

    std::string Name;
    std::string Prerequisite1;
    std::string Prerequisite2;
    std::string Prerequisite3;
    std::string Prerequisite4;
    std::string Prerequisite5;
    std::string Prerequisite6;
    std::string Prerequisite7;
    std::string Prerequisite8;
    std::string Prerequisite9;
    std::string Pay;
    int32_t Risk1 = 0;
    int32_t Risk2 = 0;
};

// The nine requirements of a job in order, Prerequisite1 first.
inline std::array<const std::string*, 9> JobPrerequisites(const TJobKest& job) {
    return {&job.Prerequisite1, &job.Prerequisite2, &job.Prerequisite3,
            &job.Prerequisite4, &job.Prerequisite5, &job.Prerequisite6,
            &job.Prerequisite7, &job.Prerequisite8, &job.Prerequisite9};
}

inline const TJobKest& JobAt(const CatalogTable& t, int n) {
    return t.At<TJobKest>(entries::kJobFirst - 1 + n);
}

// The Job command: per job a line with its first requirement, pay and risk,
// then one line per further requirement under the first. The view is left
// where it is afterwards.
Listing ListJobs(const CatalogTable& table);
