// SPDX-License-Identifier: GPL-3.0-or-later
// The keyboard: focus and real key presses sent to the focused control.
#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QKeySequence>
#include <QTest>

#include "app/tform1.h"
#include "tools/driver/driver.h"
#include "tools/driver/keystrokes.h"
#include "ui/control_names.h"

namespace {

// How long a click started by an accelerator may take to finish: the button
// shows itself pressed for a tenth of a second first.
constexpr int kAnimatedClickLimitMs = 5000;

// Stamps the key presses and releases that come without a time stamp (as
// Qt Test sends them) with the driver's key clock, as `keys` stamps its own.
class KeyClockStamp : public QObject {
public:
    explicit KeyClockStamp(quint64 timeMs) : timeMs_(timeMs) { qApp->installEventFilter(this); }
    ~KeyClockStamp() override { qApp->removeEventFilter(this); }

protected:
    bool eventFilter(QObject* /*watched*/, QEvent* event) override {
        if (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease) {
            auto* key = static_cast<QKeyEvent*>(event);
            if (key->timestamp() == 0) key->setTimestamp(timeMs_);
        }
        return false;
    }

private:
    quint64 timeMs_;
};

}  // namespace

void Driver::Focus(const std::string& name) {
    QWidget* control = FocusableNamed(form_, name);
    if (control == nullptr) throw ScriptError{"unknown control '" + name + "'"};
    // A hidden control cannot take the focus, as a person cannot reach it.
    if (!control->isVisible()) return;
    control->setFocus(Qt::OtherFocusReason);
}

void Driver::Key(const std::string& keys) {
    const QKeySequence sequence =
        QKeySequence::fromString(QString::fromUtf8(keys.c_str()), QKeySequence::PortableText);
    if (sequence.isEmpty()) throw ScriptError{"bad keys '" + keys + "'"};
    for (int i = 0; i < sequence.count(); ++i) {
        if (sequence[i].key() == Qt::Key_unknown) throw ScriptError{"bad keys '" + keys + "'"};
    }
    for (int i = 0; i < sequence.count(); ++i) {
        const Qt::Key key = sequence[i].key();
        Qt::KeyboardModifiers modifiers = sequence[i].keyboardModifiers();
        // Enter is the keypad's key, and comes as a keypad key does.
        if (key == Qt::Key_Enter) modifiers |= Qt::KeypadModifier;
        QWidget* target = QApplication::focusWidget();
        const KeyClockStamp stamp(++keyClockMs_);
        QTest::keyClick(target != nullptr ? target : &form_, key, modifiers);
        FinishAnimatedClicks();
    }
}

namespace {

// The key a character is typed with: its capital's code for a letter (as
// Qt names the keys of Latin-1), the character's own code for the rest.
Qt::Key KeyOf(const QString& character) {
    const QChar c = character.at(0);
    if (character.size() > 1 || c.unicode() > 0xFF) return Qt::Key_unknown;
    return static_cast<Qt::Key>(c.toUpper().unicode());
}

}  // namespace

void Driver::Keys(const std::string& utf8) {
    for (const QString& character : TypedCharacters(QString::fromUtf8(utf8.c_str()))) {
        QWidget* target = QApplication::focusWidget();
        if (target == nullptr) target = &form_;
        const Qt::Key key = KeyOf(character);
        const Qt::KeyboardModifiers modifiers =
            character.at(0).isUpper() ? Qt::ShiftModifier : Qt::NoModifier;
        const quint64 time = ++keyClockMs_;
        // As a real key press, a shortcut of the window may take it first.
        if (qt_sendShortcutOverrideEvent(target, static_cast<ulong>(time), key, modifiers,
                                         character)) {
            continue;
        }
        QKeyEvent press(QEvent::KeyPress, key, modifiers, character);
        press.setTimestamp(time);
        QApplication::sendEvent(target, &press);
        QKeyEvent release(QEvent::KeyRelease, key, modifiers, character);
        release.setTimestamp(time);
        QApplication::sendEvent(target, &release);
    }
}

void Driver::FinishAnimatedClicks() {
    const auto anyDown = [this] {
        for (const CommandButton* button : Buttons(form_)) {
            if (button->isDown()) return true;
        }
        return false;
    };
    QElapsedTimer clock;
    clock.start();
    while (anyDown() && clock.elapsed() < kAnimatedClickLimitMs) {
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, 10);
    }
}
