// SPDX-License-Identifier: GPL-3.0-or-later
// Every control of the window against the form's design, as the window
// opens: position and size in pixels of the client area (96 pixels per
// inch), font, caption, tab order, shown or hidden, and the timer's interval.
// Each control is found by its object name, as the form names it.
#include <gtest/gtest.h>
#include <QAbstractButton>
#include <QCoreApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTimer>

#include <string>
#include <vector>

#include "app/tform1.h"
#include "ui/control_names.h"

namespace {

// How a control's width is fixed by the design.
enum class Width {
    Exact,        // the design width
    AtLeast,      // never narrower than the design (the DX label may grow to its caption)
    FitsCaption,  // a column header: as wide as its caption, so none is cut
};

struct ControlDesign {
    const char* name;
    int left, top, width, height;
    Width widthRule;
    int fontPixels;
    bool bold;
    const char* caption;  // nullptr: the control has none
    int tabOrder;         // -1: not in the tab order
    bool shown;
};

constexpr Width E = Width::Exact;
constexpr Width F = Width::FitsCaption;

// The window's own font, which the list box, the buttons and the name box
// take over; the labels and the pane have their own.
constexpr int kFormFont = 11;
constexpr int kHeaderFont = 13;

// clang-format off
const ControlDesign kDesign[] = {
    // The column headers, moved and captioned by the weapon list the window
    // opens with; their tops are those of the form.
    {"Label1",              8, 176,  0, 16, F, kHeaderFont, false, "Weapon",     -1, true},
    {"Label2",            222, 176,  0, 16, F, kHeaderFont, false, "damage",     -1, true},
    {"Label3",            284, 176,  0, 16, F, kHeaderFont, false, "ST",         -1, true},
    {"Label4",            348, 176,  0, 16, F, kHeaderFont, false, "Cost",       -1, true},
    {"Label5",            348, 192,  0, 16, F, kHeaderFont, false, "",           -1, true},
    {"Label6",            402, 176,  0, 16, F, kHeaderFont, false, "WT",         -1, true},
    {"Label7",            402, 192,  0, 16, F, kHeaderFont, false, "",           -1, true},
    {"Label8",            468, 176,  0, 16, F, kHeaderFont, false, "Notes",      -1, true},
    {"Label9",            468, 192,  0, 16, F, kHeaderFont, false, "",           -1, true},
    // The workbench titles, never changed.
    {"Label10",             8,  24, 32, 16, E, kHeaderFont, false, "Item",       -1, true},
    {"Label11",           264,  24, 32, 16, E, kHeaderFont, false, "Cost",       -1, true},
    {"Label12",           336,  24, 40, 16, E, kHeaderFont, false, "Weeks",      -1, true},
    {"Label13",           400, 144, 84, 27, Width::AtLeast, 24, true, "DX: 12",  -1, true},
    // The pane fills the bottom of the client area: 1, 216, width - 2, height - 218.
    {"RichEdit1",           1, 216, 624, 224, E, kHeaderFont, false, nullptr,     0, true},
    {"ListBox1",            0,  40, 377, 137, E, kFormFont, false, nullptr,       1, true},
    {"Button_Weapon",     384,   8, 75, 25, E, kFormFont, false, "&Weapon",       2, true},
    {"Button_Equipment",  384,  40, 75, 25, E, kFormFont, false, "E&quipment",    3, true},
    {"Button_Scroll",     384,  72, 75, 25, E, kFormFont, false, "&Scroll",       4, true},
    {"Button_Spell_Book", 384, 104, 75, 25, E, kFormFont, false, "Spell &book",   5, true},
    {"Button_Gem",        464,   8, 75, 25, E, kFormFont, false, "&Gem",          6, true},
    {"Button_Jewelry",    464,  40, 75, 25, E, kFormFont, false, "Je&welry",      7, true},
    {"Button_Carpet",     464,  72, 75, 25, E, kFormFont, false, "&Carpet",       8, true},
    {"Button_Fauna",      464, 104, 75, 25, E, kFormFont, false, "&Fauna",        9, true},
    {"Button9_Enchant",   544,   8, 75, 25, E, kFormFont, false, "&Enchant",     10, true},
    {"Button_Potion",     544,  40, 75, 25, E, kFormFont, false, "&Potion",      11, true},
    {"Button_Job",        544,  72, 75, 25, E, kFormFont, false, "&Job",         12, true},
    {"Button_Random",     544, 104, 75, 25, E, kFormFont, false, "&Random",      13, true},
    {"Button_Analyze",    544, 136, 75, 25, E, kFormFont, false, "&Analyze",     14, true},
    {"Button_Make",       544, 168, 75, 25, E, kFormFont, false, "&Make",        15, true},
    {"UpDown1",           384, 144, 16, 24, E, kFormFont, false, nullptr,       16, true},
    {"Edit1",             384, 168, 161, 22, E, kFormFont, false, "",           17, false},
};
// clang-format on

// The client area the design draws in: the pane's design extent, 0, 216,
// 626 x 226.
constexpr int kClientWidth = 626;
constexpr int kClientHeight = 442;

std::string CaptionOf(const QWidget* control) {
    if (const auto* label = qobject_cast<const QLabel*>(control))
        return label->text().toStdString();
    if (const auto* button = qobject_cast<const QAbstractButton*>(control)) {
        return button->text().toStdString();
    }
    if (const auto* edit = qobject_cast<const QLineEdit*>(control))
        return edit->text().toStdString();
    return "<no caption>";
}

class WindowDesign : public ::testing::Test {
protected:
    void SetUp() override {
        form_.SetTimerHeld(true);
        form_.show();
        QCoreApplication::processEvents();
    }
    QWidget* Control(const char* name) { return Named<QWidget>(form_, name); }

    TForm1 form_;
};

TEST_F(WindowDesign, EveryControlAsDesigned) {
    for (const ControlDesign& d : kDesign) {
        SCOPED_TRACE(d.name);
        QWidget* control = Control(d.name);
        ASSERT_NE(control, nullptr) << "no control of that object name";
        EXPECT_EQ(control->parentWidget(), &form_);
        const QRect place = control->geometry();
        EXPECT_EQ(place.left(), d.left);
        EXPECT_EQ(place.top(), d.top);
        EXPECT_EQ(place.height(), d.height);
        switch (d.widthRule) {
            case Width::Exact:
                EXPECT_EQ(place.width(), d.width);
                break;
            case Width::AtLeast:
                EXPECT_GE(place.width(), d.width);
                break;
            case Width::FitsCaption:
                EXPECT_GE(place.width(), QFontMetrics(control->font())
                                             .horizontalAdvance(QString::fromLatin1(d.caption)));
                break;
        }
        const QFont font = control->font();
        EXPECT_EQ(font.family(), QStringLiteral("Courier New"));
        EXPECT_EQ(font.pixelSize(), d.fontPixels);
        EXPECT_EQ(font.weight(), d.bold ? QFont::Bold : QFont::Normal);
        EXPECT_FALSE(font.italic());
        if (d.caption != nullptr) {
            EXPECT_EQ(CaptionOf(control), d.caption);
        }
        EXPECT_EQ(control->isVisible(), d.shown);
    }
}

TEST_F(WindowDesign, TabOrder) {
    std::vector<std::string> expected(18);
    for (const ControlDesign& d : kDesign) {
        if (d.tabOrder >= 0) expected.at(static_cast<size_t>(d.tabOrder)) = d.name;
    }
    // The window's focus chain, from the window itself once round, keeping
    // only the controls that have a place in the tab order.
    std::vector<std::string> chain;
    for (QWidget* w = form_.nextInFocusChain(); w != &form_; w = w->nextInFocusChain()) {
        const std::string name = w->objectName().toStdString();
        for (const std::string& wanted : expected) {
            if (name == wanted) chain.push_back(name);
        }
    }
    EXPECT_EQ(chain, expected);
}

TEST_F(WindowDesign, TheWindowItself) {
    EXPECT_EQ(form_.windowTitle(), QStringLiteral("Tharnwell"));
    EXPECT_EQ(form_.pos(), QPoint(4, 5));
    EXPECT_EQ(form_.width(), kClientWidth);
    EXPECT_EQ(form_.height(), kClientHeight);
    EXPECT_EQ(form_.font().family(), QStringLiteral("Courier New"));
    EXPECT_EQ(form_.font().pixelSize(), kFormFont);
    EXPECT_EQ(form_.font().weight(), QFont::Normal);
}

TEST_F(WindowDesign, SpinnerSheetAndTimer) {
    const auto* spinner = Named<UpDown>(form_, "UpDown1");
    EXPECT_EQ(spinner->Minimum(), 1);
    EXPECT_EQ(spinner->Maximum(), 999);
    EXPECT_EQ(spinner->Position(), 12);

    // The item sheet's rows are 14 pixels high.
    form_.Rectify_Magic_Item_list(2);
    form_.Print_OutPut();
    auto* sheet = qobject_cast<QListWidget*>(Control("ListBox1"));
    ASSERT_NE(sheet, nullptr);
    ASSERT_GT(sheet->count(), 0);
    EXPECT_EQ(sheet->visualItemRect(sheet->item(0)).height(), 14);

    // The making timer ticks every millisecond, over and over.
    auto* timer = Named<QTimer>(form_, "Timer1");
    ASSERT_NE(timer, nullptr);
    EXPECT_EQ(timer->interval(), 1);
    EXPECT_FALSE(timer->isSingleShot());
}

}  // namespace
