// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalog/job.h"

TJobKest::TJobKest(int32_t index) {
    if (index < 1 || index > kJobCount) return;
    const JobRow& row = kJobRows[index - 1];
    Name = row.name;
    // The row's requirements fill the record from Prerequisite1 upward; the
    // last three are never used by a compiled-in job and stay empty.
    std::string* const fields[kJobRowPrerequisites] = {&Prerequisite1, &Prerequisite2,
                                                       &Prerequisite3, &Prerequisite4,
                                                       &Prerequisite5, &Prerequisite6};
    for (int i = 0; i < kJobRowPrerequisites && row.prerequisites[i] != nullptr; ++i) {
        *fields[i] = row.prerequisites[i];
    }
    Pay = row.pay;
    Risk1 = row.risk1;
    Risk2 = row.risk2;
}
