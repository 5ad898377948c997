// SPDX-License-Identifier: GPL-3.0-or-later
// The keyboard: focus and real key presses sent to the focused control.
#include <QApplication>
#include <QElapsedTimer>
#include <QKeySequence>
#include <QTest>

#include "app/tform1.h"
#include "tools/driver/control_names.h"
#include "tools/driver/driver.h"

namespace {

// How long a click started by an accelerator may take to finish: the button
// shows itself pressed for a tenth of a second first.
constexpr int kAnimatedClickLimitMs = 5000;

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
        QTest::keyClick(target != nullptr ? target : &form_, key, modifiers);
        FinishAnimatedClicks();
    }
}

void Driver::FinishAnimatedClicks() {
    const auto anyDown = [this] {
        for (const auto* button :
             {form_.Button_Weapon, form_.Button_Equipment, form_.Button_Scroll,
              form_.Button_Spell_Book, form_.Button_Gem, form_.Button_Jewelry, form_.Button_Carpet,
              form_.Button_Fauna, form_.Button9_Enchant, form_.Button_Potion, form_.Button_Job,
              form_.Button_Random, form_.Button_Analyze, form_.Button_Make}) {
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
