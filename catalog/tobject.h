// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The common root of every catalog record, so that one table can own records
// of every catalog and free each of them through one pointer type.
class TObject {
public:
    TObject() = default;
    TObject(const TObject&) = default;
    TObject& operator=(const TObject&) = default;
    virtual ~TObject() = default;
};
