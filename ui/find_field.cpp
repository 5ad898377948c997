// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/find_field.h"

#include <QAccessible>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>

#include <algorithm>

#include "ui/accessible_controls.h"
#include "ui/one_line_text.h"

namespace {

constexpr int kWidth = 320;

}  // namespace

FindField::FindField(QWidget* parent)
    : QLineEdit(parent),
      status_(new QLabel(this)),
      mark_(new QLabel(QStringLiteral("in every list"), this)) {
    setObjectName(QStringLiteral("FindField"));
    setAccessibleName(QStringLiteral("Find"));
    setClearButtonEnabled(false);
    status_->setAttribute(Qt::WA_TransparentForMouseEvents);
    status_->setForegroundRole(QPalette::Text);
    mark_->setAttribute(Qt::WA_TransparentForMouseEvents);
    mark_->setForegroundRole(QPalette::PlaceholderText);
    mark_->hide();
    setMaximumWidth(kWidth);
    setValidator(new OneLineText(this));
}

void FindField::SetStatus(const QString& status) {
    // A screen reader reads what was found as the field's description, and
    // hears of each change of it.
    if (status != status_->text()) {
        setAccessibleDescription(status);
        QAccessibleEvent event(this, QAccessible::DescriptionChanged);
        SendAccessibleEvent(&event);
    }
    status_->setText(status);
    FitMargins();
}

void FindField::ShowFound(int current, int count) {
    current_ = count > 0 ? current : 0;
    count_ = count;
    SetStatus(count > 0 ? QStringLiteral("%1 of %2").arg(current).arg(count)
                        : QStringLiteral("not found"));
}

void FindField::ShowNothing() {
    current_ = count_ = 0;
    SetStatus(QString());
}

void FindField::SetEveryList(bool everyList) {
    if (everyList == EveryList()) return;
    AnnounceName(this, everyList ? QStringLiteral("Find in every list") : QStringLiteral("Find"));
    mark_->setVisible(everyList);
    FitMargins();
}

bool FindField::EveryList() const { return !mark_->isHidden(); }

void FindField::FitMargins() {
    const int left = EveryList() ? mark_->sizeHint().width() + 8 : 0;
    const int right = status_->text().isEmpty() ? 0 : status_->sizeHint().width() + 6;
    setTextMargins(left, 0, right, 0);
    mark_->setGeometry(4, 0, std::max(0, left - 6), height());
    status_->setGeometry(width() - right, 0, std::max(0, right - 4), height());
}

void FindField::keyPressEvent(QKeyEvent* event) {
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            if (modifiers == Qt::ShiftModifier) {
                emit previous();
            } else {
                emit next();
            }
            event->accept();
            return;
        case Qt::Key_Escape:
            emit closed();
            event->accept();
            return;
        default:
            QLineEdit::keyPressEvent(event);
    }
}

void FindField::resizeEvent(QResizeEvent* event) {
    QLineEdit::resizeEvent(event);
    FitMargins();
}
