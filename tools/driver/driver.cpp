// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/driver/driver.h"

#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QMouseEvent>
#include <QTest>
#include <QTextBlock>
#include <QToolButton>
#include <charconv>
#include <cstdio>
#include <istream>
#include <ostream>
#include <sstream>

#include "app/tform1.h"
#include "catalog/catalog_table.h"
#include "catalog/magic_item.h"
#include "catalog/text_format.h"
#include "tools/driver/keystrokes.h"
#include "tools/driver/print_format.h"
#include "ui/control_names.h"

namespace {

Driver::Args SplitWords(const std::string& text) {
    std::istringstream in(text);
    Driver::Args words;
    for (std::string word; in >> word;) words.push_back(word);
    return words;
}

template <class Number>
Number ParseNumber(const std::string& text, const char* what) {
    Number value{};
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    if (result.ec != std::errc() || result.ptr != text.data() + text.size()) {
        throw ScriptError{std::string("bad ") + what + " '" + text + "'"};
    }
    return value;
}

void ExpectArgs(const Driver::Args& args, size_t minimum, size_t maximum) {
    if (args.size() < minimum || args.size() > maximum) {
        throw ScriptError{"wrong number of arguments"};
    }
}

Qt::MouseButton ParseButton(const Driver::Args& args, size_t at) {
    if (args.size() <= at || args[at] == "left") return Qt::LeftButton;
    if (args[at] == "right") return Qt::RightButton;
    if (args[at] == "middle") return Qt::MiddleButton;
    throw ScriptError{"bad mouse button '" + args[at] + "'"};
}

bool IsButtonWord(const std::string& word) {
    return word == "left" || word == "right" || word == "middle";
}

// The key held with a mouse press: "shift", "ctrl", or none when absent.
Qt::KeyboardModifiers ParseModifier(const Driver::Args& args, size_t at) {
    if (args.size() <= at) return Qt::NoModifier;
    if (args[at] == "shift") return Qt::ShiftModifier;
    if (args[at] == "ctrl") return Qt::ControlModifier;
    throw ScriptError{"bad modifier '" + args[at] + "'"};
}

int OptionalCount(const Driver::Args& args) {
    ExpectArgs(args, 0, 1);
    const int count = args.empty() ? 1 : ParseNumber<int>(args[0], "count");
    if (count < 0) throw ScriptError{"bad count '" + args[0] + "'"};
    return count;
}

std::string Utf8ToLatin1(const std::string& utf8) {
    return FromQt(QString::fromUtf8(utf8.c_str()));
}

}  // namespace

Driver::Driver(TForm1& form, std::ostream& out)
    : form_(form),
      out_(out),
      pane_(Named<OutputPane>(form, "RichEdit1")),
      sheet_(Named<SheetList>(form, "ListBox1")),
      spinner_(Named<UpDown>(form, "UpDown1")),
      nameBox_(Named<NameBox>(form, "Edit1")) {
    Register();
}

void Driver::Register() {
    auto add = [this](const char* name, std::function<void(const std::string&, const Args&)> run) {
        commands_[name] = Command{std::move(run)};
    };
    add("press", [this](const std::string&, const Args& a) {
        ExpectArgs(a, 1, 2);
        Press(a[0], ParseModifier(a, 1));
    });
    add("pick", [this](const std::string&, const Args& a) {
        ExpectArgs(a, 2, 4);
        // The button and the held key are both optional, in that order.
        const bool buttonNamed = a.size() > 2 && IsButtonWord(a[2]);
        const Qt::MouseButton button = buttonNamed ? ParseButton(a, 2) : Qt::LeftButton;
        const size_t modifierAt = buttonNamed ? 3 : 2;
        if (a.size() > modifierAt + 1) throw ScriptError{"wrong number of arguments"};
        Pick(ParseNumber<int>(a[0], "line"), ParseNumber<int>(a[1], "column"), button,
             ParseModifier(a, modifierAt));
    });
    add("pressat", [this](const std::string&, const Args& a) {
        ExpectArgs(a, 2, 3);
        PressAt(QPoint(ParseNumber<int>(a[0], "x"), ParseNumber<int>(a[1], "y")),
                ParseButton(a, 2));
    });
    add("drag", [this](const std::string&, const Args& a) {
        ExpectArgs(a, 4, 5);
        Drag(ParseNumber<int>(a[0], "line"), ParseNumber<int>(a[1], "column"),
             ParseNumber<int>(a[2], "line"), ParseNumber<int>(a[3], "column"), ParseModifier(a, 4));
    });
    add("focus", [this](const std::string&, const Args& a) {
        ExpectArgs(a, 1, 1);
        Focus(a[0]);
    });
    add("key", [this](const std::string& rest, const Args& a) {
        ExpectArgs(a, 1, 1);
        Key(rest);
    });
    add("caret", [this](const std::string&, const Args& a) {
        ExpectArgs(a, 1, 1);
        pane_->SetSelStart(ParseNumber<int>(a[0], "position"));
    });
    add("mousedown", [this](const std::string&, const Args& a) {
        ExpectArgs(a, 0, 1);
        MouseDown(ParseButton(a, 0));
    });
    add("up", [this](const std::string&, const Args& a) { Spin(true, OptionalCount(a)); });
    add("down", [this](const std::string&, const Args& a) { Spin(false, OptionalCount(a)); });
    add("type", [this](const std::string& rest, const Args&) { Type(rest); });
    add("keys", [this](const std::string& rest, const Args&) { Keys(rest); });
    add("setclipboard", [](const std::string& rest, const Args&) {
        // Each "\n" in the text stands for a line break.
        QString text = QString::fromUtf8(rest.c_str());
        text.replace(QLatin1String("\\n"), QLatin1String("\n"));
        QGuiApplication::clipboard()->setText(text);
    });
    add("tick", [this](const std::string&, const Args& a) {
        for (int n = OptionalCount(a); n > 0; --n) form_.Timer1Timer();
    });
    add("wait", [this](const std::string&, const Args& a) {
        ExpectArgs(a, 1, 1);
        Wait(ParseNumber<int>(a[0], "milliseconds"));
    });
    add("seed", [this](const std::string&, const Args& a) {
        ExpectArgs(a, 1, 1);
        form_.Random().SetGenerator(
            std::make_unique<SeededRandom>(ParseNumber<uint64_t>(a[0], "seed")));
    });
    add("draws", [this](const std::string&, const Args& a) {
        for (const std::string& draw : a) {
            const auto colon = draw.find(':');
            if (colon == std::string::npos) throw ScriptError{"bad draw '" + draw + "'"};
            const int bound = ParseNumber<int>(draw.substr(0, colon), "draw");
            const int die = ParseNumber<int>(draw.substr(colon + 1), "draw");
            if (bound < 1 || die < 1 || die > bound) throw ScriptError{"bad draw '" + draw + "'"};
            form_.Random().Script(bound, die);
        }
    });
    add("trace", [this](const std::string&, const Args& a) {
        ExpectArgs(a, 1, 1);
        if (a[0] == "on") {
            form_.Random().SetObserver([this](int32_t bound, int32_t value) {
                out_ << "draw " << bound << ':' << value + 1 << '\n';
            });
        } else if (a[0] == "off") {
            form_.Random().SetObserver(nullptr);
        } else {
            throw ScriptError{"bad trace '" + a[0] + "'"};
        }
    });
    add("resize", [this](const std::string&, const Args& a) {
        ExpectArgs(a, 2, 2);
        Resize(ParseNumber<int>(a[0], "width"), ParseNumber<int>(a[1], "height"));
    });
    add("mousemove", [this](const std::string&, const Args& a) {
        ExpectArgs(a, 2, 2);
        MouseMove(ParseNumber<int>(a[0], "x"), ParseNumber<int>(a[1], "y"));
    });
    add("decimal", [](const std::string& rest, const Args&) {
        const std::string separator = Utf8ToLatin1(rest);
        if (separator.size() != 1) throw ScriptError{"bad decimal separator '" + rest + "'"};
        textfmt::SetDecimalSeparator(separator[0]);
    });
    add("journal", [this](const std::string& rest, const Args&) {
        if (commandsRun_ > 0) throw ScriptError{"journal comes only as the first command"};
        if (rest.empty()) throw ScriptError{"journal needs a file"};
        form_.SetJournalFile(rest);
    });
    add("echo", [this](const std::string& rest, const Args&) { out_ << rest << '\n'; });
    add("screenshot", [this](const std::string& rest, const Args&) {
        if (rest.empty()) throw ScriptError{"screenshot needs a file"};
        Screenshot(rest);
    });
    add("pane", [this](const std::string&, const Args& a) {
        ExpectArgs(a, 0, 0);
        PrintPane();
    });
    add("sheet", [this](const std::string&, const Args& a) {
        ExpectArgs(a, 0, 0);
        PrintSheet();
    });
    add("selection", [this](const std::string&, const Args& a) {
        ExpectArgs(a, 0, 0);
        PrintSelection();
    });
    add("labels", [this](const std::string&, const Args& a) {
        ExpectArgs(a, 0, 0);
        PrintLabels();
    });
    add("controls", [this](const std::string&, const Args& a) {
        ExpectArgs(a, 0, 0);
        PrintControls();
    });
    add("state", [this](const std::string&, const Args& a) {
        ExpectArgs(a, 0, 0);
        PrintState();
    });
    add("clipboard", [this](const std::string&, const Args& a) {
        ExpectArgs(a, 0, 1);
        if (!a.empty() && a[0] != "html") throw ScriptError{"bad clipboard part '" + a[0] + "'"};
        PrintClipboard(!a.empty());
    });
    add("tooltip", [this](const std::string&, const Args& a) {
        ExpectArgs(a, 1, 1);
        PrintTooltip(a[0]);
    });
    add("focused", [this](const std::string&, const Args& a) {
        ExpectArgs(a, 0, 0);
        PrintFocused();
    });
    add("accessible", [this](const std::string&, const Args& a) {
        ExpectArgs(a, 1, 1);
        PrintAccessible(a[0]);
    });
    add("geometry", [this](const std::string&, const Args& a) {
        ExpectArgs(a, 1, 1);
        PrintGeometry(a[0]);
    });
    add("find", [this](const std::string&, const Args& a) {
        ExpectArgs(a, 0, 0);
        PrintFind();
    });
}

int Driver::Run(std::istream& script) {
    int lineNumber = 0;
    for (std::string line; std::getline(script, line);) {
        ++lineNumber;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty() || line[0] == '#') continue;
        const auto blank = line.find(' ');
        const std::string name = line.substr(0, blank);
        const std::string rest =
            blank == std::string::npos ? std::string() : line.substr(blank + 1);
        const auto command = commands_.find(name);
        try {
            if (command == commands_.end()) throw ScriptError{"unknown command '" + name + "'"};
            command->second.run(rest, SplitWords(rest));
            ++commandsRun_;
        } catch (const ScriptError& error) {
            out_.flush();
            std::fprintf(stderr, "error: line %d: %s\n", lineNumber, error.what.c_str());
            return 2;
        }
        QCoreApplication::processEvents();
    }
    out_.flush();
    return 0;
}

void Driver::Press(const std::string& name, Qt::KeyboardModifiers modifiers) {
    // A command button, or a column header label (Label1 to Label9).
    QWidget* target = ButtonNamed(form_, name);
    if (target == nullptr) target = Named<ColumnHeader>(form_, name);
    if (target == nullptr) throw ScriptError{"unknown button '" + name + "'"};
    QTest::mouseClick(target, Qt::LeftButton, modifiers);
}

void Driver::Pick(int line, int column, Qt::MouseButton button, Qt::KeyboardModifiers modifiers) {
    const QPoint point = ShowCharacter(line, column);
    QWidget* viewport = pane_->viewport();
    QTest::mousePress(viewport, button, modifiers, point);
    QTest::mouseRelease(viewport, button, modifiers, point);
}

void Driver::PressAt(QPoint point, Qt::MouseButton button) {
    QWidget* viewport = pane_->viewport();
    QTest::mousePress(viewport, button, Qt::NoModifier, point);
    QTest::mouseRelease(viewport, button, Qt::NoModifier, point);
}

void Driver::Drag(int line1, int column1, int line2, int column2, Qt::KeyboardModifiers modifiers) {
    QWidget* viewport = pane_->viewport();
    QTest::mousePress(viewport, Qt::LeftButton, modifiers, ShowCharacter(line1, column1));
    const QPointF to = ShowCharacter(line2, column2);
    QMouseEvent move(QEvent::MouseMove, to, viewport->mapToGlobal(to), Qt::NoButton, Qt::LeftButton,
                     modifiers);
    QApplication::sendEvent(viewport, &move);
    QTest::mouseRelease(viewport, Qt::LeftButton, modifiers, to.toPoint());
}

QPoint Driver::ShowCharacter(int line, int column) {
    if (line < 0 || !pane_->document()->findBlockByNumber(line).isValid()) {
        throw ScriptError{"no line " + std::to_string(line)};
    }
    if (column < 0) throw ScriptError{"bad column " + std::to_string(column)};
    return pane_->RevealCharacter(line, column);
}

void Driver::MouseDown(Qt::MouseButton button) { form_.RichEdit1MouseDown(button); }

void Driver::Spin(bool up, int count) {
    // A hidden spinner cannot be clicked.
    if (!spinner_->isVisible()) return;
    QToolButton* arrow = up ? spinner_->UpArrow() : spinner_->DownArrow();
    for (int n = 0; n < count; ++n) QTest::mouseClick(arrow, Qt::LeftButton);
}

void Driver::Type(const std::string& utf8) {
    nameBox_->clear();
    TypeAsKeystrokes(nameBox_, QString::fromUtf8(utf8.c_str()));
}

void Driver::Wait(int milliseconds) {
    keyClockMs_ += static_cast<quint64>(std::max(0, milliseconds));
    form_.SetTimerHeld(false);
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < milliseconds) {
        QCoreApplication::processEvents(QEventLoop::AllEvents,
                                        static_cast<int>(milliseconds - clock.elapsed()));
    }
    form_.SetTimerHeld(true);
}

void Driver::Resize(int width, int height) {
    form_.resize(width, height);
    QCoreApplication::processEvents();
}

void Driver::MouseMove(int x, int y) {
    const QPointF point(x, y);
    QMouseEvent move(QEvent::MouseMove, point, form_.mapToGlobal(point), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(&form_, &move);
}

void Driver::Screenshot(const std::string& file) {
    if (!form_.grab().save(QString::fromUtf8(file.c_str()), "PNG")) {
        throw ScriptError{"cannot write '" + file + "'"};
    }
}

void Driver::PrintPane() {
    const std::vector<std::string> lines = pane_->Lines();
    out_ << "pane " << lines.size() << '\n';
    for (const std::string& line : lines) out_ << Barred(line) << '\n';
}

void Driver::PrintSheet() {
    const std::vector<std::string> lines = sheet_->Lines();
    out_ << "sheet " << lines.size() << '\n';
    for (const std::string& line : lines) out_ << Barred(line) << '\n';
}

void Driver::PrintSelection() {
    out_ << "selection " << pane_->SelStart() << ' ' << pane_->SelLength() << ' '
         << Barred(pane_->SelText()) << '\n';
}

void Driver::PrintLabels() {
    for (int k = 1; k <= 13; ++k) {
        const std::string name = "Label" + std::to_string(k);
        const Label* label = Named<Label>(form_, name);
        out_ << name << ' ' << label->x() << ' ' << label->y() << ' ' << Barred(label->Caption())
             << '\n';
    }
}

void Driver::PrintControls() {
    out_ << "Caption " << Barred(FromQt(form_.windowTitle())) << '\n';
    out_ << "Title " << Barred(FromQt(QCoreApplication::applicationName())) << '\n';
    out_ << "Button_Make " << Barred(ButtonNamed(form_, "Button_Make")->Caption()) << '\n';
    out_ << "Edit1 " << (nameBox_->isVisible() ? "shown " : "hidden ") << Barred(nameBox_->Text())
         << '\n';
    out_ << "UpDown1 " << (spinner_->isVisible() ? "shown " : "hidden ") << spinner_->Position()
         << '\n';
    const QRect pane = pane_->geometry();
    out_ << "RichEdit1 " << pane.x() << ' ' << pane.y() << ' ' << pane.width() << ' '
         << pane.height() << '\n';
}

void Driver::PrintState() {
    const WorkshopState& s = form_.Workshop();
    const auto boolean = [](bool value) { return value ? "true" : "false"; };
    out_ << "BaseItemName " << Barred(s.BaseItemName) << '\n'
         << "BaseItemPrice " << ShortestDouble(s.BaseItemPrice) << '\n'
         << "BaseItemWeeks " << ShortestDouble(s.BaseItemWeeks) << '\n'
         << "HexCount " << s.HexCount << '\n'
         << "MadeItemName " << Barred(s.MadeItemName) << '\n'
         << "SheetTotalPrice " << ShortestDouble(s.SheetTotalPrice) << '\n'
         << "SheetTotalWeeks " << ShortestDouble(s.SheetTotalWeeks) << '\n'
         << "AdjustedBasePrice " << ShortestDouble(s.AdjustedBasePrice) << '\n'
         << "AdjustedBaseWeeks " << ShortestDouble(s.AdjustedBaseWeeks) << '\n'
         << "WeeksElapsed " << ShortestDouble(s.WeeksElapsed) << '\n'
         << "TotalCostSoFar " << ShortestDouble(s.TotalCostSoFar) << '\n'
         << "Making " << boolean(s.Making) << '\n'
         << "MakingDone " << boolean(s.MakingDone) << '\n'
         << "DX " << s.DX << '\n';
    for (int k = 1; k <= entries::kSlotCount; ++k) {
        const TMagicItemKest& slot = form_.Catalogs().Slot(k);
        out_ << "Slot" << k << ' ' << Barred(slot.Name) << " Price " << slot.Price
             << " AdjustedPrice " << slot.AdjustedPrice << " Level " << slot.Level << " NoteCode "
             << Barred(NoteCodeText(slot.NoteCode)) << " Weeks " << ShortestDouble(slot.Weeks)
             << " WeeksWorked " << ShortestDouble(slot.WeeksWorked) << " WeeksLost "
             << ShortestDouble(slot.WeeksLost) << " CostSoFar " << ShortestDouble(slot.CostSoFar)
             << " CatalogIndex " << slot.CatalogIndex << '\n';
    }
}
