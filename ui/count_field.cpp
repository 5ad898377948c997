// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/count_field.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>

#include "ui/accessible_controls.h"
#include "ui/field_keys.h"
#include "ui/one_line_text.h"

CountField::CountField(QWidget* parent, const CountFieldDesign& design)
    : QWidget(parent),
      minimum_(design.minimum),
      maximum_(design.maximum),
      count_(new QLineEdit(this)),
      sign_(new QLabel(this)) {
    setObjectName(QString::fromLatin1(design.name));
    setAutoFillBackground(true);
    count_->setObjectName(QString::fromLatin1(design.boxName));
    count_->setAccessibleName(QString::fromLatin1(design.accessibleName));
    count_->setFixedWidth(
        count_->fontMetrics().horizontalAdvance(QLatin1Char('0')) * design.boxCharacters + 8);
    count_->installEventFilter(this);
    count_->setValidator(new OneLineText(count_));
    setFocusProxy(count_);
    // No accelerator of its own: the buttons' Alt keys stay theirs.
    auto* before = new QLabel(QString::fromLatin1(design.before), this);
    before->setBuddy(count_);
    // Any typing drops the sign of a refused count.
    connect(count_, &QLineEdit::textEdited, this, [this] { ShowSign(QString()); });

    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(4, 0, 4, 0);
    row->addWidget(before);
    row->addWidget(count_);
    if (design.after[0] != '\0')
        row->addWidget(new QLabel(QString::fromLatin1(design.after), this));
    row->addWidget(sign_, 1);
    // The sign of a refused count stands out in a warning's red.
    QPalette warning = sign_->palette();
    warning.setColor(QPalette::WindowText, QColor(0xC0, 0, 0));
    sign_->setPalette(warning);
    setMaximumWidth(design.width);
}

std::optional<int> CountField::Count() const {
    const QString text = count_->text().trimmed();
    // Digits only: no sign, no blanks inside, no letters.
    if (text.isEmpty() || text.size() > 4) return std::nullopt;
    for (const QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9')) return std::nullopt;
    }
    const int count = text.toInt();
    if (count < minimum_ || count > maximum_) return std::nullopt;
    return count;
}

QString CountField::Text() const { return count_->text(); }

void CountField::SetText(const QString& text) {
    count_->setText(text);
    count_->selectAll();
    ShowSign(QString());
}

void CountField::Refuse() {
    // "only 1 to 1,000"
    Refuse(QStringLiteral("only %1 to %2")
               .arg(minimum_)
               .arg(QLocale(QLocale::English).toString(maximum_)));
}

void CountField::Refuse(const QString& sign) {
    ShowSign(sign);
    count_->selectAll();
}

QString CountField::Sign() const { return sign_->text(); }

void CountField::ShowSign(const QString& sign) {
    if (sign == sign_->text()) return;
    sign_->setText(sign);
    // A screen reader hears the sign as the count box's description.
    AnnounceDescription(count_, sign);
}

bool CountField::eventFilter(QObject* watched, QEvent* event) {
    if (watched == count_) {
        switch (FieldKeyOf(event)) {
            case FieldKey::Enter:
                emit entered();
                return true;
            case FieldKey::Escape:
                emit closed();
                return true;
            case FieldKey::Other:
                break;
        }
    }
    return QWidget::eventFilter(watched, event);
}
