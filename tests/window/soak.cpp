// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/window/soak.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QTest>
#include <QToolButton>

#include <deque>
#include <optional>
#include <random>
#include <sstream>

#include "app/tform1.h"
#include "tests/window/soak_checks.h"
#include "tools/driver/keystrokes.h"
#include "ui/control_names.h"

namespace {

struct Key {
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
};

// Keys a user may press anywhere: moving, picking, the buttons' accelerator
// letters, copying, pasting, undoing and leaving.
const Key kKeys[] = {
    {Qt::Key_Return, Qt::NoModifier},    {Qt::Key_Enter, Qt::KeypadModifier},
    {Qt::Key_Return, Qt::ShiftModifier}, {Qt::Key_Space, Qt::NoModifier},
    {Qt::Key_Tab, Qt::NoModifier},       {Qt::Key_Backtab, Qt::ShiftModifier},
    {Qt::Key_Up, Qt::NoModifier},        {Qt::Key_Down, Qt::NoModifier},
    {Qt::Key_Left, Qt::NoModifier},      {Qt::Key_Right, Qt::NoModifier},
    {Qt::Key_PageUp, Qt::NoModifier},    {Qt::Key_PageDown, Qt::NoModifier},
    {Qt::Key_Home, Qt::NoModifier},      {Qt::Key_End, Qt::ControlModifier},
    {Qt::Key_Escape, Qt::NoModifier},    {Qt::Key_Delete, Qt::NoModifier},
    {Qt::Key_Backspace, Qt::NoModifier}, {Qt::Key_A, Qt::ControlModifier},
    {Qt::Key_C, Qt::ControlModifier},    {Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier},
    {Qt::Key_V, Qt::ControlModifier},    {Qt::Key_X, Qt::ControlModifier},
    {Qt::Key_Z, Qt::ControlModifier},    {Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier},
    {Qt::Key_Y, Qt::ControlModifier},    {Qt::Key_W, Qt::AltModifier},
    {Qt::Key_Q, Qt::AltModifier},        {Qt::Key_S, Qt::AltModifier},
    {Qt::Key_B, Qt::AltModifier},        {Qt::Key_G, Qt::AltModifier},
    {Qt::Key_C, Qt::AltModifier},        {Qt::Key_F, Qt::AltModifier},
    {Qt::Key_E, Qt::AltModifier},        {Qt::Key_P, Qt::AltModifier},
    {Qt::Key_J, Qt::AltModifier},        {Qt::Key_R, Qt::AltModifier},
    {Qt::Key_A, Qt::AltModifier},        {Qt::Key_M, Qt::AltModifier},
    {Qt::Key_N, Qt::AltModifier},        {Qt::Key_X, Qt::NoModifier},
};

const Qt::MouseButton kMouseButtons[] = {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton};
const Qt::KeyboardModifiers kModifiers[] = {Qt::NoModifier, Qt::ShiftModifier, Qt::ControlModifier,
                                            Qt::ShiftModifier | Qt::ControlModifier};

class Soak {
public:
    explicit Soak(uint64_t seed)
        : random_(seed),
          buttons_(Buttons(form_)),
          make_(ButtonNamed(form_, "Button_Make")),
          pane_(Named<OutputPane>(form_, "RichEdit1")),
          spinner_(Named<UpDown>(form_, "UpDown1")),
          nameBox_(Named<NameBox>(form_, "Edit1")),
          checks_(form_) {
        form_.Random().SetGenerator(std::make_unique<SeededRandom>(seed));
        form_.show();
        QCoreApplication::processEvents();
        form_.SetTimerHeld(true);
    }

    SoakOutcome Run(int steps) {
        SoakOutcome outcome;
        for (int step = 0; step < steps; ++step) {
            expectedName_.reset();
            const double weeksBefore = form_.Workshop().WeeksElapsed;
            const std::string action = Act();
            QCoreApplication::processEvents();
            outcome.stepsRun = step + 1;
            outcome.namings += expectedName_.has_value();
            outcome.weeksMade += std::max(0, int(form_.Workshop().WeeksElapsed - weeksBefore));
            outcome.randomItems += action == "click Button_Random";
            remembered_.push_back("step " + std::to_string(step) + ": " + action);
            if (remembered_.size() > 8) remembered_.pop_front();
            std::string failure = checks_.Check(form_);
            if (failure.empty()) failure = CheckNaming();
            if (!failure.empty()) {
                std::ostringstream out;
                out << failure << "\nafter these steps:";
                for (const std::string& line : remembered_) out << "\n  " << line;
                const std::vector<std::string> pane = pane_->Lines();
                out << "\nthe pane's " << pane.size() << " lines begin:";
                for (size_t i = 0; i < pane.size() && i < 6; ++i) out << "\n  |" << pane[i] << "|";
                outcome.failure = out.str();
                return outcome;
            }
        }
        return outcome;
    }

private:
    int Below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }
    bool Chance(int percent) { return Below(100) < percent; }
    template <class T, size_t N>
    const T& OneOf(const T (&items)[N]) {
        return items[Below(static_cast<int>(N))];
    }
    template <class T>
    const T& OneOf(const std::vector<T>& items) {
        return items[static_cast<size_t>(Below(static_cast<int>(items.size())))];
    }

    std::string Act() {
        const int roll = Below(100);
        if (roll < 20) return PressButton();
        if (roll < 42) return PressInPane();
        if (roll < 47) return DragInPane();
        if (roll < 58) return PressKey();
        if (roll < 62) return Focus();
        if (roll < 68) return Spin();
        if (roll < 78) return Type();
        if (roll < 81) return Paste();
        if (roll < 92) return Tick();
        if (roll < 97) return Resize();
        return MoveMouse();
    }

    std::string PressButton() {
        // Make and Name a good deal more often than the rest, so that a run
        // makes and names items between its lists.
        CommandButton* button = Chance(40) ? make_ : OneOf(buttons_);
        // A click on "&Name" stores what the box holds at that moment.
        if (button == make_ && form_.Moment() != WindowMoment::Planning) {
            expectedName_ = nameBox_->Text();
        }
        QTest::mouseClick(button, Qt::LeftButton);
        return "click " + button->objectName().toStdString();
    }

    QPoint SomewhereInPane() {
        const int lines = std::max(1, pane_->document()->blockCount());
        if (Chance(85)) return pane_->RevealCharacter(Below(lines), Below(140));
        const QRect view = pane_->viewport()->rect();
        return QPoint(Below(std::max(1, view.width())), Below(std::max(1, view.height())));
    }

    std::string PressInPane() {
        if (pane_->viewport()->height() <= 0) return "no pane to press in";
        const QPoint point = SomewhereInPane();
        const Qt::MouseButton button = OneOf(kMouseButtons);
        const Qt::KeyboardModifiers modifiers = Chance(70) ? Qt::NoModifier : OneOf(kModifiers);
        QWidget* viewport = pane_->viewport();
        std::ostringstream out;
        out << "press " << int(button) << " with modifiers " << int(modifiers) << " at "
            << point.x() << ',' << point.y();
        if (Chance(10)) {
            QTest::mouseDClick(viewport, button, modifiers, point);
            return out.str() + ", twice";
        }
        QTest::mousePress(viewport, button, modifiers, point);
        QTest::mouseRelease(viewport, button, modifiers, point);
        return out.str();
    }

    std::string DragInPane() {
        if (pane_->viewport()->height() <= 0) return "no pane to drag in";
        const QPoint from = SomewhereInPane();
        const QPoint to = SomewhereInPane();
        const Qt::KeyboardModifiers modifiers = OneOf(kModifiers);
        QWidget* viewport = pane_->viewport();
        QTest::mousePress(viewport, Qt::LeftButton, modifiers, from);
        QTest::mouseMove(viewport, (from + to) / 2);
        QTest::mouseMove(viewport, to);
        QTest::mouseRelease(viewport, Qt::LeftButton, modifiers, to);
        std::ostringstream out;
        out << "drag with modifiers " << int(modifiers) << " from " << from.x() << ',' << from.y()
            << " to " << to.x() << ',' << to.y();
        return out.str();
    }

    std::string PressKey() {
        const Key& key = OneOf(kKeys);
        QWidget* target = QApplication::focusWidget();
        if (target == nullptr) target = &form_;
        QTest::keyClick(target, key.key, key.modifiers);
        FinishAnimatedClicks();
        std::ostringstream out;
        out << "key " << QKeySequence(int(key.modifiers) | key.key).toString().toStdString()
            << " to " << target->objectName().toStdString();
        return out.str();
    }

    // An accelerator key (Alt+W) clicks its button the way Qt shows it: down
    // now, released and clicked a tenth of a second later. Let that click
    // happen within this step, so the same seed always gives the same run.
    void FinishAnimatedClicks() {
        const auto anyDown = [this] {
            for (const QAbstractButton* button : form_.findChildren<QAbstractButton*>()) {
                if (button->isDown()) return true;
            }
            return false;
        };
        QElapsedTimer clock;
        clock.start();
        while (anyDown() && clock.elapsed() < 5000) QTest::qWait(5);
    }

    std::string Focus() {
        // A control by its name, or the window itself.
        const char* const controls[] = {"RichEdit1",  "ListBox1",    "Edit1",         "UpDown1",
                                        "Button_Gem", "Button_Make", "Button_Random", nullptr};
        const char* name = OneOf(controls);
        QWidget* control = name != nullptr ? Named<QWidget>(form_, name) : &form_;
        control->setFocus(Qt::OtherFocusReason);
        return "focus " + control->objectName().toStdString();
    }

    std::string Spin() {
        if (!spinner_->isVisible()) return "the spinner is hidden";
        const bool up = Chance(50);
        const int clicks = Chance(3) ? 1 + Below(600) : 1 + Below(12);
        QToolButton* arrow = up ? spinner_->UpArrow() : spinner_->DownArrow();
        for (int n = 0; n < clicks; ++n) QTest::mouseClick(arrow, Qt::LeftButton);
        return std::string(up ? "up " : "down ") + std::to_string(clicks);
    }

    // Any character a keyboard can send: ASCII, Latin-1, the rest of the
    // basic plane, beyond it, controls, and a lone half of a surrogate pair.
    QString RandomText(int length) {
        QString text;
        for (int n = 0; n < length; ++n) {
            const int kind = Below(100);
            char32_t c;
            if (kind < 35) {
                c = char32_t(0x20 + Below(0x5F));
            } else if (kind < 55) {
                c = char32_t(0xA0 + Below(0x60));
            } else if (kind < 75) {
                c = char32_t(0x100 + Below(0xD800 - 0x100));
            } else if (kind < 85) {
                c = char32_t(0x10000 + Below(0x100000));
            } else if (kind < 95) {
                const char32_t controls[] = {0x0, 0x9, 0xA, 0xD, 0x1B, 0x7F, 0x85, 0x2028, 0x2029};
                c = OneOf(controls);
            } else {
                text += QChar(char16_t(0xD800 + Below(0x800)));  // unpaired
                continue;
            }
            text += QString::fromUcs4(&c, 1);
        }
        return text;
    }

    std::string Type() {
        if (!nameBox_->isVisible()) return "the name box is hidden";
        if (Chance(30)) nameBox_->clear();
        const QString text = RandomText(Below(20));
        TypeAsKeystrokes(nameBox_, text);
        return "type " + std::to_string(text.size()) + " UTF-16 units";
    }

    std::string Paste() {
        if (!nameBox_->isVisible()) return "the name box is hidden";
        QApplication::clipboard()->setText(RandomText(Below(30)));
        nameBox_->setFocus(Qt::OtherFocusReason);
        QTest::keyClick(nameBox_, Qt::Key_V, Qt::ControlModifier);
        return "paste into the name box";
    }

    std::string Tick() {
        const int ticks = 1 + Below(Chance(10) ? 200 : 8);
        for (int n = 0; n < ticks; ++n) form_.Timer1Timer();
        return "tick " + std::to_string(ticks);
    }

    std::string Resize() {
        int width = Below(1400), height = Below(1000);
        if (Chance(30)) {
            width = 626;
            height = 442;
        }
        form_.resize(width, height);
        return "resize " + std::to_string(width) + "x" + std::to_string(height);
    }

    std::string MoveMouse() {
        const QPoint point(Below(std::max(1, form_.width())), Below(std::max(1, form_.height())));
        QTest::mouseMove(&form_, point);
        return "move the mouse to " + std::to_string(point.x()) + "," + std::to_string(point.y());
    }

    // After a click on "&Name": the name is the box's text, kept as Latin-1,
    // and stands on the report's first line at once.
    std::string CheckNaming() const {
        if (!expectedName_) return "";
        const WorkshopState& state = form_.Workshop();
        if (state.MadeItemName != *expectedName_) {
            return "named |" + state.MadeItemName + "| after typing |" + *expectedName_ + "|";
        }
        const std::vector<std::string> report = pane_->Lines();
        if (!expectedName_->empty() && (report.empty() || report[0] != *expectedName_)) {
            return "the report does not open with the name |" + *expectedName_ + "|";
        }
        return "";
    }

    std::mt19937_64 random_;
    TForm1 form_;
    // The controls the actions reach, found by their names; the buttons in
    // the order the window made them.
    const std::vector<CommandButton*> buttons_;
    CommandButton* const make_;
    OutputPane* const pane_;
    UpDown* const spinner_;
    NameBox* const nameBox_;
    SoakChecks checks_;
    std::optional<std::string> expectedName_;
    std::deque<std::string> remembered_;
};

}  // namespace

namespace {

QtMessageHandler g_qtMessages = nullptr;

// Characters of every script typed into the name box make Qt warn about the
// fonts it lacks for them; that says nothing about the window.
void QuietAboutMissingFonts(QtMsgType type, const QMessageLogContext& context,
                            const QString& message) {
    if (message.contains(QLatin1String("OpenType support missing"))) return;
    g_qtMessages(type, context, message);
}

}  // namespace

SoakOutcome RunSoak(uint64_t seed, int steps) {
    g_qtMessages = qInstallMessageHandler(QuietAboutMissingFonts);
    SoakOutcome outcome = Soak(seed).Run(steps);
    qInstallMessageHandler(g_qtMessages);
    return outcome;
}
