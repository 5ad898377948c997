// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QValidator>

// Keeps a one-line box's text on one line, however it comes in (typed,
// pasted, dropped): each line break, a Windows one included, becomes a
// blank, as a browser's find bar takes a pasted paragraph. Every text is
// acceptable.
class OneLineText : public QValidator {
    Q_OBJECT

public:
    using QValidator::QValidator;
    State validate(QString& text, int& position) const override;
};
