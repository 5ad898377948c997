// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/controls.h"

#include <QAccessible>
#include <QCoreApplication>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QMouseEvent>

#include <algorithm>

#include "ui/accessible_controls.h"

int Label::CaptionWidth(const std::string& caption) const {
    const QString text = ToQt(caption);
    const QFontMetrics metrics = fontMetrics();
    const QMargins margins = contentsMargins();
    return std::max(metrics.horizontalAdvance(text), metrics.boundingRect(text).width()) +
           2 * margin() + margins.left() + margins.right();
}

void Label::FitCaptions(const std::vector<std::string>& captions) {
    int width = this->width();
    for (const std::string& caption : captions) width = std::max(width, CaptionWidth(caption));
    resize(width, height());
}

void Label::SetCaption(const std::string& caption) {
    const bool wasShown = ShownToAssistiveTechnology(this);
    setText(ToQt(caption));
    if (autoSize_) resize(sizeHint().width(), height());
    if (growToFit_ && CaptionWidth(caption) > width()) resize(CaptionWidth(caption), height());
    // A label without a caption is no accessible child of the window: tell
    // assistive technology when one comes or goes on a window on screen.
    QWidget* window = parentWidget();
    if (window != nullptr && window->isVisible() && ShownToAssistiveTechnology(this) != wasShown) {
        QAccessibleEvent event(window, QAccessible::ObjectReorder);
        SendAccessibleEvent(&event);
    }
}

void CommandButton::keyPressEvent(QKeyEvent* event) {
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        modifiers == Qt::NoModifier) {
        click();
        event->accept();
        return;
    }
    const QString text = event->text();
    const bool typed = passesTyping_ && (modifiers & ~Qt::ShiftModifier) == Qt::NoModifier &&
                       !text.isEmpty() && text.at(0).isPrint() && text.at(0) != QLatin1Char(' ');
    const bool selects =
        event->matches(QKeySequence::SelectAll) || event->matches(QKeySequence::Copy);
    if (keysTarget_ != nullptr && (typed || selects)) {
        keysTarget_->setFocus(Qt::OtherFocusReason);
        QCoreApplication::sendEvent(keysTarget_, event);
        return;
    }
    QPushButton::keyPressEvent(event);
}

void CommandButton::mouseReleaseEvent(QMouseEvent* event) {
    // The click happens in the release: its handler reads the keys held.
    clickModifiers_ = event->modifiers();
    QPushButton::mouseReleaseEvent(event);
    clickModifiers_ = Qt::NoModifier;
}

int NameBox::UndoDirection(const QKeyEvent* event) {
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    if (event->key() == Qt::Key_Z && modifiers == Qt::ControlModifier) return -1;
    if (event->key() == Qt::Key_Z && modifiers == (Qt::ControlModifier | Qt::ShiftModifier)) {
        return 1;
    }
    if (event->key() == Qt::Key_Y && modifiers == Qt::ControlModifier) return 1;
    return 0;
}

bool NameBox::event(QEvent* event) {
    // Claim the undo and redo keys before any shortcut of the window sees them.
    if (event->type() == QEvent::ShortcutOverride &&
        UndoDirection(static_cast<QKeyEvent*>(event)) != 0) {
        event->accept();
        return true;
    }
    return QLineEdit::event(event);
}

void NameBox::keyPressEvent(QKeyEvent* event) {
    const int direction = UndoDirection(event);
    if (direction == 0) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    if (direction < 0) {
        undo();
    } else {
        redo();
    }
    event->accept();
}
