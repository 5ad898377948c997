// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/hoard_field.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>

#include "ui/accessible_controls.h"
#include "ui/one_line_text.h"

namespace {

constexpr int kWidth = 320;
// Room in the box for the largest count and a little more.
constexpr int kCountCharacters = 6;

}  // namespace

HoardField::HoardField(QWidget* parent, int minimum, int maximum)
    : QWidget(parent),
      minimum_(minimum),
      maximum_(maximum),
      count_(new QLineEdit(this)),
      sign_(new QLabel(this)) {
    setObjectName(QStringLiteral("HoardField"));
    setAutoFillBackground(true);
    count_->setObjectName(QStringLiteral("HoardCount"));
    count_->setAccessibleName(QStringLiteral("Items to roll"));
    count_->setFixedWidth(
        count_->fontMetrics().horizontalAdvance(QLatin1Char('0')) * kCountCharacters + 8);
    count_->installEventFilter(this);
    count_->setValidator(new OneLineText(count_));
    setFocusProxy(count_);
    // No accelerator of its own: Alt+R is Random's.
    auto* roll = new QLabel(QStringLiteral("Roll"), this);
    roll->setBuddy(count_);
    // Any typing drops the sign of a refused count.
    connect(count_, &QLineEdit::textEdited, this, [this] { ShowSign(QString()); });

    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(4, 0, 4, 0);
    row->addWidget(roll);
    row->addWidget(count_);
    row->addWidget(new QLabel(QStringLiteral("items"), this));
    row->addWidget(sign_, 1);
    // The sign of a refused count stands out in a warning's red.
    QPalette warning = sign_->palette();
    warning.setColor(QPalette::WindowText, QColor(0xC0, 0, 0));
    sign_->setPalette(warning);
    setMaximumWidth(kWidth);
}

std::optional<int> HoardField::Count() const {
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

void HoardField::SetCount(int count) {
    count_->setText(QString::number(count));
    count_->selectAll();
    ShowSign(QString());
}

void HoardField::Refuse() {
    // "only 1 to 1,000"
    ShowSign(QStringLiteral("only %1 to %2")
                 .arg(minimum_)
                 .arg(QLocale(QLocale::English).toString(maximum_)));
    count_->selectAll();
}

QString HoardField::Sign() const { return sign_->text(); }

void HoardField::ShowSign(const QString& sign) {
    if (sign == sign_->text()) return;
    sign_->setText(sign);
    // A screen reader hears the sign as the count box's description.
    AnnounceDescription(count_, sign);
}

bool HoardField::eventFilter(QObject* watched, QEvent* event) {
    if (watched == count_ && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            emit roll();
            return true;
        }
        if (key->key() == Qt::Key_Escape) {
            emit closed();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}
