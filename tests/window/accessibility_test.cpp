// SPDX-License-Identifier: GPL-3.0-or-later
// What assistive technology reads of the window through Qt's accessibility,
// what it hears after each change, and which control says it has the focus.
#include <gtest/gtest.h>
#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QImage>
#include <QLineEdit>
#include <QTest>
#include <QToolButton>

#include <functional>
#include <set>

#include "app/tform1.h"
#include "ui/accessible_controls.h"
#include "ui/control_names.h"
#include "ui/latin1.h"

namespace {

QAccessibleInterface* Access(QObject* object) {
    return QAccessible::queryAccessibleInterface(object);
}
QString Name(QObject* object) { return Access(object)->text(QAccessible::Name); }

TEST(Accessible, EachControlHasItsRoleAndNameAndTheNameBoxItsLabel) {
    TForm1 form;
    form.SetTimerHeld(true);
    form.show();
    const std::pair<QWidget*, QAccessible::Role> roles[] = {
        {&form, QAccessible::Window},
        {Named<QWidget>(form, "RichEdit1"), QAccessible::EditableText},
        {Named<QWidget>(form, "ListBox1"), QAccessible::List},
        {Named<QWidget>(form, "UpDown1"), QAccessible::SpinBox},
        {Named<QWidget>(form, "Edit1"), QAccessible::EditableText}};
    const char* const names[] = {"Tharnwell", "Weapon list", "Item sheet", "Wizard's DX",
                                 "Item name"};
    for (size_t k = 0; k < std::size(roles); ++k) {
        EXPECT_EQ(Access(roles[k].first)->role(), roles[k].second) << names[k];
        EXPECT_EQ(Name(roles[k].first), QString::fromUtf8(names[k]));
    }
    // The window's children: its controls and captioned labels, all named; no
    // empty header label, no focus ring, and the spinner's arrows are its own.
    QAccessibleInterface* window = Access(&form);
    std::set<QObject*> children, controls;
    for (int k = 0; k < window->childCount(); ++k) {
        EXPECT_EQ(window->indexOfChild(window->child(k)), k);
        EXPECT_FALSE(window->child(k)->text(QAccessible::Name).trimmed().isEmpty());
        children.insert(window->child(k)->object());
    }
    for (QWidget* widget : form.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        const auto* label = qobject_cast<Label*>(widget);
        if (widget->focusPolicy() != Qt::NoFocus || (label && !label->Caption().empty())) {
            controls.insert(widget);
        }
    }
    EXPECT_EQ(children, controls);
    EXPECT_EQ(Access(Named<UpDown>(form, "UpDown1"))->childCount(), 0);
    // While naming, the name box is labelled by the prompt beside it.
    form.Button_MakeClick();
    const auto labels = Access(Named<NameBox>(form, "Edit1"))->relations(QAccessible::Label);
    ASSERT_EQ(labels.size(), 1);
    EXPECT_EQ(labels[0].first->text(QAccessible::Name), QStringLiteral("Name item"));
}

// Setting the spinner's value steps it as clicks on its arrows do, within its
// range; a hidden spinner keeps its value.
TEST(Accessible, TheSpinnersValueStepsLikeItsArrows) {
    const std::pair<double, int> cases[] = {{14, 2}, {13.4, 1}, {-5, -11}};  // value, clicks
    for (const auto& [target, clicks] : cases) {
        TForm1 byValue, byClicks;
        UpDown* valueSpinner = Named<UpDown>(byValue, "UpDown1");
        UpDown* clickSpinner = Named<UpDown>(byClicks, "UpDown1");
        QAccessibleValueInterface* value = Access(valueSpinner)->valueInterface();
        ASSERT_NE(value, nullptr);
        EXPECT_EQ(value->currentValue().toInt(), valueSpinner->Position());
        EXPECT_EQ(value->minimumValue().toInt(), valueSpinner->Minimum());
        EXPECT_EQ(value->maximumValue().toInt(), valueSpinner->Maximum());
        EXPECT_EQ(value->minimumStepSize().toInt(), 1);
        byValue.show();
        value->setCurrentValue(target);
        QToolButton* arrow = clicks > 0 ? clickSpinner->UpArrow() : clickSpinner->DownArrow();
        for (int k = 0; k < std::abs(clicks); ++k) arrow->click();
        EXPECT_EQ(value->currentValue().toInt(), clickSpinner->Position()) << target;
        EXPECT_EQ(byValue.Workshop().DX, byClicks.Workshop().DX) << target;
        EXPECT_EQ(Named<Label>(byValue, "Label13")->Caption(),
                  Named<Label>(byClicks, "Label13")->Caption())
            << target;
        EXPECT_EQ(valueSpinner->toolTip(), clickSpinner->toolTip()) << target;
        byValue.SetTimerHeld(true);
        byValue.Button_MakeClick();
        value->setCurrentValue(target + 3);
        EXPECT_EQ(value->currentValue().toInt(), clickSpinner->Position()) << target;
    }
}

// What a screen reader is told after each change, or nothing.
std::vector<std::string>* g_heard = nullptr;
void Hear(QAccessibleEvent* event) {
    const auto type = event->type();
    const QString text = type == QAccessible::ValueChanged
                             ? static_cast<QAccessibleValueChangeEvent*>(event)->value().toString()
                         : type == QAccessible::NameChanged
                             ? event->accessibleInterface()->text(QAccessible::Name)
                         : type == QAccessible::DescriptionChanged
                             ? event->accessibleInterface()->text(QAccessible::Description)
                             : QString();
    if (!text.isEmpty())
        g_heard->push_back(event->object()->objectName().toStdString() + " " + FromQt(text));
}

// Opens the hoard field, or the share field, and types into its count ("\r" is Enter).
void HoardKeys(TForm1& form, const char* keys, bool shares = false) {
    shares ? form.OpenShares() : form.OpenHoard();
    QTest::keyClicks(form.findChild<QLineEdit*>(shares ? QStringLiteral("ShareCount")
                                                       : QStringLiteral("HoardCount")),
                     keys);
}

// Opens the field that keeps a plan and types a name.
void KeepKeys(TForm1& form, const char* keys) {
    form.OpenKeepPlan();
    QTest::keyClicks(form.findChild<QLineEdit*>(QStringLiteral("PlanName")), keys);
}

TEST(Accessible, AScreenReaderHearsOfEachChange) {
    TForm1 form;
    form.SetTimerHeld(true);
    form.Random().SetGenerator(std::make_unique<SeededRandom>(7));
    OutputPane* pane = Named<OutputPane>(form, "RichEdit1");
    const auto pick = [&form, pane](const std::string& start) {
        const std::vector<std::string> lines = pane->Lines();
        for (size_t k = 0; k < lines.size(); ++k) {
            if (lines[k].compare(0, start.size(), start) != 0) continue;
            pane->SetSelStart(static_cast<int>(125 * k + 3));
            return form.RichEdit1MouseDown(Qt::LeftButton);
        }
        ADD_FAILURE() << "no line " << start;
    };
    const std::string totals = "(the sheet's new total line)";
    const std::string report = "(the report's total line)";
    const std::string paced = "(the report's total line, a few times a second)";
    qint64 weeksMs = 0;  // how long the weeks ran
    const struct {
        const char* what;
        std::function<void()> act;
        std::string heard;  // empty: nothing
    } steps[] = {
        {"a list", [&] { form.Button9_EnchantClick(); }, "RichEdit1 Enchantment list"},
        {"the list again", [&] { form.Button9_EnchantClick(); }, "RichEdit1 Enchantment list"},
        {"a pick", [&] { pick("Blur "); }, totals},
        {"a pick on a note line", [&] { pick(std::string(28, ' ')); }, ""},
        {"undo", [&] { form.UndoWorkbench(); }, totals},
        {"redo", [&] { form.RedoWorkbench(); }, totals},
        {"nothing to redo", [&] { form.RedoWorkbench(); }, ""},
        {"random", [&] { form.Button_RandomClick(); }, totals},
        {"a step", [&] { Named<UpDown>(form, "UpDown1")->UpArrow()->click(); }, "UpDown1 13"},
        {"a find",
         [&] {
             form.show();  // the field works only where it can be seen
             form.OpenFind();
             QTest::keyClick(form.findChild<QLineEdit*>(QStringLiteral("FindField")), '#');
         },
         "FindField not found"},
        {"a refused hoard", [&] { HoardKeys(form, "0\r"); }, "HoardCount only 1 to 1,000"},
        {"a hoard", [&] { HoardKeys(form, "3\r"); }, "RichEdit1 Treasure hoard"},
        {"a refused share", [&] { HoardKeys(form, "13\r", true); }, "ShareCount only 2 to 12"},
        {"shares", [&] { HoardKeys(form, "2\r", true); }, "RichEdit1 Shares of the hoard"},
        {"a plan kept", [&] { KeepKeys(form, "Mine\r"); }, "RichEdit1 Plan kept as 'Mine'"},
        {"a name kept", [&] { KeepKeys(form, "Mine\r"); },
         "PlanName Enter again to replace 'Mine'"},
        {"the analysis", [&] { form.Button_AnalyzeClick(); }, "RichEdit1 Analysis"},
        {"an image pasted",
         [&] {
             QApplication::clipboard()->setImage(QImage(2, 2, QImage::Format_RGB32));
             form.PastePlan();
         },
         "RichEdit1 No plan pasted: the clipboard holds no text"},
        {"make", [&] { form.Button_MakeClick(); }, "RichEdit1 Making report"},
        {"a week", [&] { form.Timer1Timer(); }, ""},
        {"random while the making runs", [&] { form.Button_RandomClick(); },
         "RichEdit1 The bench is being made: it is free again when the making ends"},
        {"a list between two weeks", [&] { form.Button_GemClick(); }, "RichEdit1 Gem list"},
        {"the week that takes the pane back", [&] { form.Timer1Timer(); },
         "RichEdit1 Making report"},
        {"the week after it", [&] { form.Timer1Timer(); }, ""},
        {"lost weeks for a second, the window's events running",
         [&] {
             QElapsedTimer clock;
             clock.start();
             while (clock.elapsed() < 1000) {
                 for (int die = 0; die < 3; ++die) form.Random().Script(6, 6);
                 form.Timer1Timer();
                 QCoreApplication::processEvents();
             }
             // The news timer, started by the first week, has its turn
             // however busy the machine kept the loop.
             QTest::qWait(450);
             weeksMs = clock.elapsed();
         },
         paced},
        {"the end of the making",
         [&] {
             while (form.Workshop().Making) form.Timer1Timer();
         },
         report},
    };
    std::vector<std::string> heard;
    g_heard = &heard;
    const QAccessible::UpdateHandler before = SetAccessibleEventListener(&Hear);
    for (const auto& step : steps) {
        heard.clear();
        step.act();
        if (step.heard == paced) {
            // Told at least once, and never again within 0.4 seconds (a
            // coarse timer may fire up to a twentieth early).
            EXPECT_GE(heard.size(), 1u);
            EXPECT_LE(heard.size(), 1 + static_cast<size_t>(weeksMs / 380));
            for (const std::string& news : heard) EXPECT_EQ(news.rfind("RichEdit1 ", 0), 0u);
            continue;
        }
        std::vector<std::string> expected;
        if (step.heard == totals) {
            expected.push_back("ListBox1 " + Named<SheetList>(form, "ListBox1")->Lines().back());
        }
        if (step.heard == report) {
            expected.push_back("RichEdit1 " + Named<OutputPane>(form, "RichEdit1")->Lines().back());
        }
        if (!step.heard.empty() && step.heard != totals && step.heard != report) {
            expected.push_back(step.heard);
        }
        EXPECT_EQ(heard, expected) << step.what;
    }
    SetAccessibleEventListener(before);
}

void CollectFocused(QAccessibleInterface* access, std::vector<QAccessibleInterface*>& focused) {
    if (access->state().focused) focused.push_back(access);
    for (int k = 0; k < access->childCount(); ++k) CollectFocused(access->child(k), focused);
}

// Only the control with the keyboard focus says it has it (the sheet with its
// current row); the sheet takes that row back with the focus.
TEST(Accessible, OnlyTheFocusedControlSaysItHasTheFocus) {
    TForm1 form;
    form.show();
    form.activateWindow();
    QCoreApplication::processEvents();
    form.Rectify_Magic_Item_list(2);  // Blur
    form.Print_OutPut();
    SheetList* sheetList = Named<SheetList>(form, "ListBox1");
    int row = -1;
    for (const char* name :
         {"ListBox1", "Button_Gem", "RichEdit1", "UpDown1", "ListBox1", "Button_Make"}) {
        QWidget* control = Named<QWidget>(form, name);
        control->setFocus(Qt::TabFocusReason);
        QCoreApplication::processEvents();
        std::vector<QAccessibleInterface*> focused;
        CollectFocused(Access(&form), focused);
        const bool sheet = control == sheetList;
        ASSERT_EQ(focused.size(), sheet ? 2u : 1u) << control->objectName().toStdString();
        EXPECT_EQ(focused[0]->object(), control);
        if (!sheet) continue;
        EXPECT_EQ(focused[1]->text(QAccessible::Name), sheetList->currentItem()->text());
        if (row < 0) QTest::keyClick(sheetList, Qt::Key_Down);
        EXPECT_EQ(sheetList->currentRow(), row < 0 ? 1 : row);
        row = sheetList->currentRow();
    }
}

}  // namespace
