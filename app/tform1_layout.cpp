// SPDX-License-Identifier: GPL-3.0-or-later
// The window's controls at their design positions, sizes, fonts and captions,
// in the tab order of the form.
#include <QLocale>

#include "app/tform1.h"
#include "catalog/text_format.h"
#include "ui/focus_frame.h"
#include "ui/fonts.h"

namespace {

// Design size of the client area: the output pane's right and bottom edges.
constexpr int kClientWidth = 626;
constexpr int kClientHeight = 442;
constexpr int kHeaderFontPixels = 13;
constexpr int kMaxWindowSide = 16384;

struct LabelDesign {
    int left, top, width, height;
    const char* caption;
};

// clang-format off
constexpr LabelDesign kLabelDesigns[13] = {
    {  8, 176, 80, 16, "Magic Item"},
    {200, 176, 40, 16, "Price"},
    {248, 176, 40, 16, "Notes"},
    {296, 176, 40, 16, "Weeks"},
    {296, 192, 32, 16, "make"},
    {344, 176, 16, 16, "ST"},
    {344, 192, 24, 16, "Day"},
    {384, 176, 96, 16, "Cost/week of"},
    {384, 192, 88, 16, "Ingredients"},
    {  8,  24, 32, 16, "Item"},
    {264,  24, 32, 16, "Cost"},
    {336,  24, 40, 16, "Weeks"},
    {400, 144, 84, 27, "DX: 12"},
};

struct ButtonDesign {
    CommandButton* TForm1::*button;
    const char* name;
    int left, top;
    const char* caption;
};

// In tab order.
const ButtonDesign kButtonDesigns[] = {
    {&TForm1::Button_Weapon,     "Button_Weapon",     384,   8, "&Weapon"},
    {&TForm1::Button_Equipment,  "Button_Equipment",  384,  40, "E&quipment"},
    {&TForm1::Button_Scroll,     "Button_Scroll",     384,  72, "&Scroll"},
    {&TForm1::Button_Spell_Book, "Button_Spell_Book", 384, 104, "Spell &book"},
    {&TForm1::Button_Gem,        "Button_Gem",        464,   8, "&Gem"},
    {&TForm1::Button_Jewelry,    "Button_Jewelry",    464,  40, "Je&welry"},
    {&TForm1::Button_Carpet,     "Button_Carpet",     464,  72, "&Carpet"},
    {&TForm1::Button_Fauna,      "Button_Fauna",      464, 104, "&Fauna"},
    {&TForm1::Button9_Enchant,   "Button9_Enchant",   544,   8, "&Enchant"},
    {&TForm1::Button_Potion,     "Button_Potion",     544,  40, "&Potion"},
    {&TForm1::Button_Job,        "Button_Job",        544,  72, "&Job"},
    {&TForm1::Button_Random,     "Button_Random",     544, 104, "&Random"},
    {&TForm1::Button_Analyze,    "Button_Analyze",    544, 136, "&Analyze"},
    {&TForm1::Button_Make,       "Button_Make",       544, 168, "&Make"},
};
// clang-format on

constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 25;

constexpr int kSpinnerMinimum = 1;
constexpr int kSpinnerMaximum = 999;

}  // namespace

void TForm1::BuildControls() {
    setWindowTitle(QStringLiteral("Tharnwell"));
    setFont(CourierNew(11));
    move(4, 5);
    resize(kClientWidth, kClientHeight);
    // Qt draws the window into one buffer of its full size: past about 40000
    // pixels a side that buffer cannot be had and the program would crash, so
    // no option, window manager or script may make the window bigger than this
    // (a 1 GiB buffer).
    setMaximumSize(kMaxWindowSide, kMaxWindowSide);

    // The numbers are written with the user's decimal separator.
    const QString point = QLocale().decimalPoint();
    if (point.size() == 1 && point.at(0).unicode() < 256) {
        textfmt::SetDecimalSeparator(static_cast<char>(point.at(0).unicode()));
    }

    std::array<Label**, 13> labels = {&Label1,  &Label2,  &Label3, &Label4, &Label5,
                                      &Label6,  &Label7,  &Label8, &Label9, &Label10,
                                      &Label11, &Label12, &Label13};
    for (size_t k = 0; k < labels.size(); ++k) {
        const LabelDesign& design = kLabelDesigns[k];
        Label* label = new Label(this);
        label->setObjectName(QStringLiteral("Label%1").arg(k + 1));
        label->setTextFormat(Qt::PlainText);
        label->setFont(k == 12 ? CourierNew(24, true) : CourierNew(kHeaderFontPixels));
        label->setGeometry(design.left, design.top, design.width, design.height);
        label->SetCaption(design.caption);
        *labels[k] = label;
    }
    // Column headers fit their width to each list's caption, so a long
    // caption is never cut.
    for (size_t k = 0; k < 9; ++k) (*labels[k])->SetAutoSize(true);
    // The DX label keeps its place and is wide enough for the naming prompt
    // and the spinner's widest position from the start, so it never cuts
    // a caption and never jumps while the spinner turns.
    Label13->FitCaptions({"Name item", "DX: " + std::to_string(kSpinnerMaximum)});
    Label13->SetGrowToFit(true);

    // The pane and the name box are built while the application's font is
    // the window's, so that their first, empty layout loads no other font.
    {
        const ApplicationFontScope windowFont(font());
        RichEdit1 = new OutputPane(this);
    }
    RichEdit1->setObjectName(QStringLiteral("RichEdit1"));
    RichEdit1->setFont(CourierNew(kHeaderFontPixels));
    RichEdit1->setGeometry(0, 216, 626, 226);

    ListBox1 = new SheetList(this);
    ListBox1->setObjectName(QStringLiteral("ListBox1"));
    ListBox1->setGeometry(0, 40, 377, 137);
    ListBox1->SetItemHeight(14);

    QWidget* previous = RichEdit1;
    setTabOrder(previous, ListBox1);
    previous = ListBox1;
    for (const ButtonDesign& design : kButtonDesigns) {
        CommandButton* button = new CommandButton(this);
        button->setObjectName(QString::fromLatin1(design.name));
        button->SetCaption(design.caption);
        button->setGeometry(design.left, design.top, kButtonWidth, kButtonHeight);
        button->setAutoDefault(false);
        this->*design.button = button;
        setTabOrder(previous, button);
        previous = button;
    }

    UpDown1 = new UpDown(this);
    UpDown1->setObjectName(QStringLiteral("UpDown1"));
    UpDown1->setGeometry(384, 144, 16, 24);
    UpDown1->SetRange(kSpinnerMinimum, kSpinnerMaximum);
    UpDown1->SetPosition(12);
    setTabOrder(previous, UpDown1);

    {
        const ApplicationFontScope windowFont(font());
        Edit1 = new NameBox(this);
    }
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setGeometry(384, 168, 161, 22);
    Edit1->hide();
    setTabOrder(UpDown1, Edit1);

    // Every control that takes the focus shows it with one ring.
    auto* focusFrame = new FocusFrame(this);
    for (QWidget* control : {static_cast<QWidget*>(RichEdit1), static_cast<QWidget*>(ListBox1)}) {
        focusFrame->Watch(control);
    }
    for (const ButtonDesign& design : kButtonDesigns) focusFrame->Watch(this->*design.button);
    focusFrame->Watch(UpDown1);
    focusFrame->Watch(Edit1);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(1);
    Timer1->setTimerType(Qt::PreciseTimer);
}

std::array<Label*, 13> TForm1::Labels() const {
    return {Label1, Label2, Label3,  Label4,  Label5,  Label6, Label7,
            Label8, Label9, Label10, Label11, Label12, Label13};
}
