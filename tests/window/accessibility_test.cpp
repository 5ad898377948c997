// What assistive technology reads of the window through Qt's accessibility:
// each control's role and name, the spinner's value, the name box's label,
// what a screen reader hears after each change, and which control says it
// has the focus.
#include <gtest/gtest.h>
#include <QAccessible>
#include <QApplication>
#include <QTest>
#include <QToolButton>

#include <functional>
#include <set>
#include <string>
#include <vector>

#include "app/tform1.h"
#include "catalog/magic_item.h"
#include "ui/accessible_controls.h"
#include "ui/latin1.h"
#include "workshop/enchantment_list.h"

namespace {

QAccessibleInterface* Access(QObject* object) {
    return QAccessible::queryAccessibleInterface(object);
}

std::string NameOf(QObject* object) {
    return Access(object)->text(QAccessible::Name).toStdString();
}

TEST(Accessible, EachControlHasItsRoleAndName) {
    TForm1 form;
    form.show();
    struct Row {
        QWidget* control;
        QAccessible::Role role;
        const char* name;
    };
    const Row rows[] = {
        {&form, QAccessible::Window, "Tharnwell"},
        {form.RichEdit1, QAccessible::EditableText, "Weapon list"},
        {form.ListBox1, QAccessible::List, "Item sheet"},
        {form.UpDown1, QAccessible::SpinBox, "Wizard's DX"},
        {form.Edit1, QAccessible::EditableText, "Item name"},
        {form.Label13, QAccessible::StaticText, "DX: 12"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(Access(row.control)->role(), row.role);
        EXPECT_EQ(NameOf(row.control), row.name);
    }

    // The window's children: every control with a name, the captionless
    // header labels and the focus ring left out; the spinner's arrows are
    // parts of it.
    QAccessibleInterface* window = Access(&form);
    std::set<QObject*> children;
    for (int k = 0; k < window->childCount(); ++k) {
        QAccessibleInterface* child = window->child(k);
        ASSERT_NE(child, nullptr);
        EXPECT_EQ(window->indexOfChild(child), k);
        EXPECT_EQ(child->parent(), window);
        EXPECT_FALSE(child->text(QAccessible::Name).trimmed().isEmpty())
            << child->object()->objectName().toStdString();
        children.insert(child->object());
    }
    std::set<QObject*> controls;
    for (QWidget* widget : form.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        const auto* label = qobject_cast<Label*>(widget);
        const bool captioned = label == nullptr || !label->Caption().empty();
        if (widget->focusPolicy() != Qt::NoFocus || (label != nullptr && captioned)) {
            controls.insert(widget);
        }
    }
    EXPECT_EQ(children, controls);
    EXPECT_EQ(Access(form.UpDown1)->childCount(), 0);
    // A button says its caption without the accelerator's '&'.
    for (CommandButton* button : form.findChildren<CommandButton*>()) {
        EXPECT_EQ(Access(button)->role(), QAccessible::Button);
        EXPECT_EQ(
            NameOf(button),
            QString::fromLatin1(button->Caption().c_str()).remove(QLatin1Char('&')).toStdString());
    }
}

// Setting the spinner's value steps it as its arrows do: the same DX, label
// and tooltips as the same number of clicks, within the range, and nothing
// while the spinner is hidden.
TEST(Accessible, TheSpinnersValueStepsLikeItsArrows) {
    struct Case {
        double value;
        int ups, downs;  // the clicks that reach it
    };
    const Case cases[] = {{14, 2, 0}, {13.4, 1, 0}, {-5, 0, 11}, {12, 0, 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value);
        TForm1 byValue;
        TForm1 byClicks;
        for (TForm1* form : {&byValue, &byClicks}) {
            form->show();
            form->Rectify_Magic_Item_list(2);  // Blur: a forecast that follows the DX
            form->Print_OutPut();
        }
        QAccessibleValueInterface* value = Access(byValue.UpDown1)->valueInterface();
        ASSERT_NE(value, nullptr);
        EXPECT_EQ(value->currentValue().toInt(), 12);
        EXPECT_EQ(value->minimumValue().toInt(), byValue.UpDown1->Minimum());
        EXPECT_EQ(value->maximumValue().toInt(), byValue.UpDown1->Maximum());
        EXPECT_EQ(value->minimumStepSize().toInt(), 1);

        value->setCurrentValue(c.value);
        for (int k = 0; k < c.ups; ++k) byClicks.UpDown1->UpArrow()->click();
        for (int k = 0; k < c.downs; ++k) byClicks.UpDown1->DownArrow()->click();
        EXPECT_EQ(value->currentValue().toInt(), byClicks.UpDown1->Position());
        EXPECT_EQ(byValue.Workshop().DX, byClicks.Workshop().DX);
        EXPECT_EQ(byValue.Label13->Caption(), byClicks.Label13->Caption());
        EXPECT_EQ(byValue.UpDown1->toolTip(), byClicks.UpDown1->toolTip());
        EXPECT_EQ(byValue.Button_Make->toolTip(), byClicks.Button_Make->toolTip());
        EXPECT_EQ(Access(byValue.UpDown1)->text(QAccessible::Value).toInt(),
                  byClicks.UpDown1->Position());

        // While naming, the spinner is hidden and keeps its value.
        byValue.SetTimerHeld(true);
        byValue.Button_MakeClick();
        const int before = byValue.UpDown1->Position();
        value->setCurrentValue(before + 3);
        EXPECT_EQ(byValue.UpDown1->Position(), before);
    }
}

TEST(Accessible, TheNameBoxIsLabelledByTheNamingPrompt) {
    TForm1 form;
    form.SetTimerHeld(true);
    form.show();
    form.Button_MakeClick();
    ASSERT_TRUE(form.Edit1->isVisible());
    const auto labels = Access(form.Edit1)->relations(QAccessible::Label);
    ASSERT_EQ(labels.size(), 1);
    EXPECT_EQ(labels[0].first->object(), form.Label13);
    EXPECT_EQ(labels[0].first->text(QAccessible::Name), QStringLiteral("Name item"));
}

// What a screen reader is told after each change: the pane's new name, the
// sheet's new totals, the spinner's new value, and nothing when nothing
// changed.
struct Heard {
    QObject* object;
    QAccessible::Event type;
    std::string text;
    bool operator==(const Heard& other) const {
        return object == other.object && type == other.type && text == other.text;
    }
};
std::vector<Heard>* g_heard = nullptr;

void Hear(QAccessibleEvent* event) {
    if (g_heard == nullptr) return;
    QAccessibleInterface* access = event->accessibleInterface();
    switch (event->type()) {
        case QAccessible::NameChanged:
            g_heard->push_back(
                {event->object(), event->type(), access->text(QAccessible::Name).toStdString()});
            break;
        case QAccessible::DescriptionChanged:
            g_heard->push_back(
                {event->object(), event->type(), FromQt(access->text(QAccessible::Description))});
            break;
        case QAccessible::ValueChanged:
            g_heard->push_back({event->object(), event->type(),
                                static_cast<QAccessibleValueChangeEvent*>(event)
                                    ->value()
                                    .toString()
                                    .toStdString()});
            break;
        default:
            break;
    }
}

std::ostream& operator<<(std::ostream& out, const Heard& heard) {
    return out << heard.object->objectName().toStdString() << ' ' << heard.type << " |"
               << heard.text << '|';
}

TEST(Accessible, AScreenReaderHearsOfEachChange) {
    TForm1 form;
    form.SetTimerHeld(true);
    form.show();
    form.Random().SetGenerator(std::make_unique<SeededRandom>(7));
    const auto total = [&form] { return form.ListBox1->Lines().back(); };
    const auto pickLine = [&form](const char* text) {
        const std::vector<std::string> lines = form.RichEdit1->Lines();
        for (size_t k = 0; k < lines.size(); ++k) {
            if (lines[k].compare(0, std::char_traits<char>::length(text), text) != 0) continue;
            form.RichEdit1->SetSelStart(static_cast<int>(125 * k + 3));
            form.RichEdit1MouseDown(Qt::LeftButton);
            return;
        }
        ADD_FAILURE() << "no line " << text;
    };
    QObject* pane = form.RichEdit1;
    QObject* sheet = form.ListBox1;
    QObject* spinner = form.UpDown1;
    const auto name = [pane](const char* text) {
        return std::vector<Heard>{{pane, QAccessible::NameChanged, text}};
    };
    const auto totals = [sheet, &total] {
        return std::vector<Heard>{{sheet, QAccessible::DescriptionChanged, total()}};
    };
    const auto value = [spinner](const char* text) {
        return std::vector<Heard>{{spinner, QAccessible::ValueChanged, text}};
    };
    const auto nothing = [] { return std::vector<Heard>{}; };
    struct Step {
        const char* what;
        std::function<void()> act;
        std::function<std::vector<Heard>()> heard;
    };
    const Step steps[] = {
        {"a list", [&] { form.Button9_EnchantClick(); }, [&] { return name("Enchantment list"); }},
        {"the same list again", [&] { form.Button9_EnchantClick(); },
         [&] { return name("Enchantment list"); }},
        {"a pick", [&] { pickLine("Blur "); }, totals},
        {"a second pick", [&] { pickLine("Light "); }, totals},
        {"a pick on a note line", [&] { pickLine("     "); }, nothing},
        {"undo", [&] { form.UndoWorkbench(); }, totals},
        {"redo", [&] { form.RedoWorkbench(); }, totals},
        {"redo with nothing to redo", [&] { form.RedoWorkbench(); }, nothing},
        {"random", [&] { form.Button_RandomClick(); }, totals},
        {"its undo", [&] { form.UndoWorkbench(); }, totals},
        {"the analysis", [&] { form.Button_AnalyzeClick(); }, [&] { return name("Analysis"); }},
        {"a step up", [&] { form.UpDown1->UpArrow()->click(); }, [&] { return value("13"); }},
        {"a step down", [&] { form.UpDown1->DownArrow()->click(); }, [&] { return value("12"); }},
        {"a step past the bottom",
         [&] {
             form.UpDown1->SetPosition(form.UpDown1->Minimum());
             form.UpDown1->DownArrow()->click();
         },
         nothing},
        {"make", [&] { form.Button_MakeClick(); }, [&] { return name("Making report"); }},
        {"a week", [&] { form.Timer1Timer(); }, nothing},
        {"a list while making", [&] { form.Button_GemClick(); }, [&] { return name("Gem list"); }},
        {"the report back", [&] { form.Timer1Timer(); }, [&] { return name("Making report"); }},
    };
    std::vector<Heard> heard;
    g_heard = &heard;
    const QAccessible::UpdateHandler previous = SetAccessibleEventListener(&Hear);
    for (const Step& step : steps) {
        heard.clear();
        step.act();
        EXPECT_EQ(heard, step.heard()) << step.what;
    }
    SetAccessibleEventListener(previous);
    g_heard = nullptr;
    // The sheet's description is its total line.
    EXPECT_EQ(FromQt(Access(sheet)->text(QAccessible::Description)), total());
}

// Every accessible object under the window that says it has the focus.
void CollectFocused(QAccessibleInterface* access, std::vector<QAccessibleInterface*>& focused) {
    if (access->state().focused) focused.push_back(access);
    for (int k = 0; k < access->childCount(); ++k) CollectFocused(access->child(k), focused);
}

// Only the control with the keyboard focus says it has it, and of the sheet's
// rows only its current one, while the sheet has the focus; the sheet takes
// its row back with the focus.
TEST(Accessible, OnlyTheFocusedControlSaysItHasTheFocus) {
    TForm1 form;
    form.SetTimerHeld(true);
    form.show();
    form.activateWindow();
    QCoreApplication::processEvents();
    form.Rectify_Magic_Item_list(2);  // Blur
    form.Rectify_Magic_Item_list(5);  // Detect Magic
    form.Print_OutPut();
    QWidget* const order[] = {form.ListBox1, form.Button_Gem, form.RichEdit1,
                              form.UpDown1,  form.ListBox1,   form.Button_Make};
    int currentRow = -1;
    for (QWidget* control : order) {
        const std::string name = control->objectName().toStdString();
        control->setFocus(Qt::TabFocusReason);
        QCoreApplication::processEvents();
        ASSERT_TRUE(control->hasFocus()) << name;
        std::vector<QAccessibleInterface*> focused;
        CollectFocused(Access(&form), focused);
        ASSERT_FALSE(focused.empty()) << name;
        EXPECT_EQ(focused[0]->object(), control) << name;
        if (control != form.ListBox1) {
            EXPECT_EQ(focused.size(), 1u) << name;
            continue;
        }
        // The sheet and its current row; the second time, the row it had.
        ASSERT_EQ(focused.size(), 2u) << name;
        EXPECT_EQ(focused[1]->role(), QAccessible::ListItem);
        EXPECT_EQ(focused[1]->text(QAccessible::Name), form.ListBox1->currentItem()->text());
        if (currentRow < 0) {
            QTest::keyClick(form.ListBox1, Qt::Key_Down);
            currentRow = form.ListBox1->currentRow();
            ASSERT_GT(currentRow, 0);
        } else {
            EXPECT_EQ(form.ListBox1->currentRow(), currentRow);
        }
    }
}

}  // namespace
