// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/keep_plan_field.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>

#include "ui/accessible_controls.h"
#include "ui/field_keys.h"
#include "ui/latin1.h"
#include "ui/one_line_text.h"

namespace {

constexpr int kWidth = 600;
constexpr int kNameCharacters = 24;

}  // namespace

KeepPlanField::KeepPlanField(QWidget* parent)
    : QWidget(parent), name_(new QLineEdit(this)), sign_(new QLabel(this)) {
    setObjectName(QStringLiteral("KeepPlanField"));
    setAutoFillBackground(true);
    name_->setObjectName(QStringLiteral("PlanName"));
    name_->setAccessibleName(QStringLiteral("Plan name"));
    name_->setFixedWidth(
        name_->fontMetrics().horizontalAdvance(QLatin1Char('n')) * kNameCharacters + 8);
    name_->installEventFilter(this);
    name_->setValidator(new OneLineText(name_));
    setFocusProxy(name_);
    auto* caption = new QLabel(QStringLiteral("Keep plan as"), this);
    caption->setBuddy(name_);
    // Any typing drops a question or a refusal.
    connect(name_, &QLineEdit::textEdited, this, [this] {
        askedToReplace_ = false;
        ShowSign(QString());
    });

    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(4, 0, 4, 0);
    row->addWidget(caption);
    row->addWidget(name_);
    row->addWidget(sign_, 1);
    QPalette warning = sign_->palette();
    warning.setColor(QPalette::WindowText, QColor(0xC0, 0, 0));
    sign_->setPalette(warning);
    sign_->setTextFormat(Qt::PlainText);
    // A long name's question goes on over a second line of the strip.
    sign_->setWordWrap(true);
    setMaximumWidth(kWidth);
}

void KeepPlanField::Propose(const std::string& latin1Name) {
    name_->setText(ToQt(latin1Name));
    name_->selectAll();
    askedToReplace_ = false;
    ShowSign(QString());
}

std::string KeepPlanField::Name() const {
    std::string name = FromQt(name_->text().trimmed());
    // A tab pasted in is the blank the box shows for it.
    for (char& c : name) {
        if (static_cast<unsigned char>(c) < 0x20) c = ' ';
    }
    return name;
}

bool KeepPlanField::ReplaceConfirmed() const { return askedToReplace_; }

void KeepPlanField::AskToReplace() {
    askedToReplace_ = true;
    ShowSign(QStringLiteral("Enter again to replace '%1'").arg(ToQt(Name())));
}

void KeepPlanField::Refuse(const QString& why) {
    askedToReplace_ = false;
    ShowSign(why);
}

QString KeepPlanField::Sign() const { return sign_->text(); }

void KeepPlanField::ShowSign(const QString& sign) {
    if (sign == sign_->text()) return;
    sign_->setText(sign);
    // A screen reader hears the sign as the name box's description.
    AnnounceDescription(name_, sign);
}

bool KeepPlanField::eventFilter(QObject* watched, QEvent* event) {
    if (watched == name_) {
        switch (FieldKeyOf(event)) {
            case FieldKey::Enter:
                emit keep();
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
