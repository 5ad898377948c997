// SPDX-License-Identifier: GPL-3.0-or-later
// Every control of the window, described once: its object name, place and
// size, caption or initial text, font, handler, tooltip and accessible name,
// in tab order. The window builds, wires and tips each from its row; the
// look each moment gives them is set in ApplyMoment, below.
#include <QLocale>

#include <type_traits>
#include <variant>

#include "app/tform1.h"
#include "catalog/text_format.h"
#include "ui/focus_frame.h"
#include "ui/fonts.h"
#include "ui/pane_message.h"
#include "ui/pane_strip.h"
#include "workshop/bench/wizard_dx.h"
#include "workshop/making/forecast.h"
#include "workshop/making/forecast_text.h"

namespace {

// Design size of the client area: the output pane's right and bottom edges.
constexpr int kClientWidth = 626;
constexpr int kClientHeight = 442;
constexpr int kMaxWindowSide = 16384;

constexpr int kSpinnerMinimum = 1;
constexpr int kSpinnerMaximum = 999;

// A control's font, and how a label's width follows its caption: the
// window's own font (Courier New at 11 pixels); the pane's and the workbench
// titles' 13 pixels; a column header's 13 pixels, as wide as each caption so
// that none is cut; the DX label's bold 24 pixels, as designed and growing for
// a wider caption, never narrowing.
enum class Look { Window, Text, Column, DX };

// What a list button's tooltip adds about the list it shows.
enum class ListTip { None, Find, PickAndFind };

QString ListTipText(ListTip tip) {
    if (tip == ListTip::None) return {};
    const QString find = QStringLiteral(
        "\nIn the list, type a name to jump to its line; Ctrl+F finds any text, F3 the next.");
    if (tip == ListTip::Find) return find;
    return QStringLiteral("\nClick a line, or press Enter on it, to make it the base item.") + find;
}

// The DX label while planning: the spinner as it stands, even beyond the DX
// kept. From Make until the name is stored it asks for the name.
std::string DXCaption(int position) { return "DX: " + std::to_string(position); }
const char* const kNamePrompt = "Name item";

}  // namespace

// The member a control of that kind is kept in.
template <class Control>
using Member = Control* TForm1::*;

struct TForm1::ControlDesign {
    // Where the window keeps the control, and so what kind of control it is.
    std::variant<Member<Label>, Member<ColumnHeader>, Member<OutputPane>, Member<SheetList>,
                 Member<CommandButton>, Member<UpDown>, Member<NameBox>, Member<QTimer>>
        member;
    const char* name;
    QRect place;                    // in the client area at the design size
    const char* caption = nullptr;  // caption or initial text; nullptr: none
    Look look = Look::Window;
    // A button's click or the timer's tick, a press in the pane, a step of
    // the spinner; for the name box, the button Enter clicks.
    std::variant<std::monostate, void (TForm1::*)(), void (TForm1::*)(Qt::MouseButton),
                 void (TForm1::*)(UpDown::Arrow), Member<CommandButton>>
        handler = {};
    const char* toolTip = nullptr;  // nullptr: none, or the moment's (ApplyMoment)
    ListTip listTip = ListTip::None;
    const char* accessibleName = nullptr;  // for a control that shows no name
};

// clang-format off
const TForm1::ControlDesign TForm1::kControls[] = {
    // The column headers, which each list moves and captions.
    {&TForm1::Label1,  "Label1",  {  8, 176, 80, 16}, "Magic Item",   Look::Column},
    {&TForm1::Label2,  "Label2",  {200, 176, 40, 16}, "Price",        Look::Column},
    {&TForm1::Label3,  "Label3",  {248, 176, 40, 16}, "Notes",        Look::Column},
    {&TForm1::Label4,  "Label4",  {296, 176, 40, 16}, "Weeks",        Look::Column},
    {&TForm1::Label5,  "Label5",  {296, 192, 32, 16}, "make",         Look::Column},
    {&TForm1::Label6,  "Label6",  {344, 176, 16, 16}, "ST",           Look::Column},
    {&TForm1::Label7,  "Label7",  {344, 192, 24, 16}, "Day",          Look::Column},
    {&TForm1::Label8,  "Label8",  {384, 176, 96, 16}, "Cost/week of", Look::Column},
    {&TForm1::Label9,  "Label9",  {384, 192, 88, 16}, "Ingredients",  Look::Column},
    // The workbench's titles, never changed, and the DX label, whose caption
    // and tooltip are the moment's.
    {&TForm1::Label10, "Label10", {  8,  24, 32, 16}, "Item",         Look::Text},
    {&TForm1::Label11, "Label11", {264,  24, 32, 16}, "Cost",         Look::Text},
    {&TForm1::Label12, "Label12", {336,  24, 40, 16}, "Weeks",        Look::Text},
    {&TForm1::Label13, "Label13", {400, 144, 84, 27}, "DX: 12",       Look::DX},

    // The controls that take the focus, in tab order. The pane is named by
    // the list it shows; the Make button's tooltip is the moment's.
    {&TForm1::RichEdit1, "RichEdit1", {0, 216, 626, 226}, nullptr, Look::Text,
     &TForm1::RichEdit1MouseDown,
     "Click a line, or press Enter on it, to pick it;\n"
     "right-click, or Shift+Enter, to step an enchantment down.\n"
     "Shift or Ctrl with a click or a drag only selects; Ctrl+C copies.\n"
     "Type a name to jump to its line; Ctrl+F finds any text, F3 the next.\n"
     "Ctrl+1 to Ctrl+9 sort a list by its first to ninth column, as a click on its header does.\n"
     "Ctrl+H lists the items made this run; a pick on one puts its plan back."},
    {&TForm1::ListBox1, "ListBox1", {0, 40, 377, 137}, nullptr, Look::Window, {},
     "The item sheet: the base item, the enchantments and the totals.\n"
     "Ctrl+C here, or Ctrl+Shift+C anywhere, copies it;\n"
     "Ctrl+V puts a copied sheet back on the workbench, to keep a plan between runs.\n"
     "Ctrl+Z undoes a change of the workbench; Ctrl+Shift+Z or Ctrl+Y redoes it.",
     ListTip::None, "Item sheet"},
    {&TForm1::Button_Weapon, "Button_Weapon", {384, 8, 75, 25}, "&Weapon", Look::Window,
     &TForm1::Button_WeaponClick, "Lists the weapons and their variants.\n"
     "Keys: Alt+W until it has the focus (Jewelry shares Alt+W), then Enter.",
     ListTip::PickAndFind},
    {&TForm1::Button_Equipment, "Button_Equipment", {384, 40, 75, 25}, "E&quipment", Look::Window,
     &TForm1::Button_EquipmentClick, "Lists the equipment (Alt+Q).", ListTip::PickAndFind},
    {&TForm1::Button_Scroll, "Button_Scroll", {384, 72, 75, 25}, "&Scroll", Look::Window,
     &TForm1::Button_ScrollClick, "Lists the spells as scrolls (Alt+S).", ListTip::PickAndFind},
    {&TForm1::Button_Spell_Book, "Button_Spell_Book", {384, 104, 75, 25}, "Spell &book",
     Look::Window, &TForm1::Button_Spell_BookClick, "Lists the spells as spell books (Alt+B).",
     ListTip::PickAndFind},
    {&TForm1::Button_Gem, "Button_Gem", {464, 8, 75, 25}, "&Gem", Look::Window,
     &TForm1::Button_GemClick, "Lists the gems and minerals (Alt+G).", ListTip::PickAndFind},
    {&TForm1::Button_Jewelry, "Button_Jewelry", {464, 40, 75, 25}, "Je&welry", Look::Window,
     &TForm1::Button_JewelryClick, "Lists the jewelry.\n"
     "Keys: Alt+W until it has the focus (Weapon shares Alt+W), then Enter.",
     ListTip::PickAndFind},
    {&TForm1::Button_Carpet, "Button_Carpet", {464, 72, 75, 25}, "&Carpet", Look::Window,
     &TForm1::Button_CarpetClick, "Lists the magic carpets (Alt+C).", ListTip::PickAndFind},
    {&TForm1::Button_Fauna, "Button_Fauna", {464, 104, 75, 25}, "&Fauna", Look::Window,
     &TForm1::Button_FaunaClick, "Lists the creatures and plants (Alt+F).", ListTip::PickAndFind},
    {&TForm1::Button9_Enchant, "Button9_Enchant", {544, 8, 75, 25}, "&Enchant", Look::Window,
     &TForm1::Button9_EnchantClick, "Lists the enchantments (Alt+E).\n"
     "Click a line, or press Enter on it, to put it on the workbench or step it up;\n"
     "right-click, or Shift+Enter, to step it down or take it off.", ListTip::Find},
    {&TForm1::Button_Potion, "Button_Potion", {544, 40, 75, 25}, "&Potion", Look::Window,
     &TForm1::Button_PotionClick, "Lists the potions (Alt+P).", ListTip::PickAndFind},
    {&TForm1::Button_Job, "Button_Job", {544, 72, 75, 25}, "&Job", Look::Window,
     &TForm1::Button_JobClick, "Lists the jobs (Alt+J).", ListTip::PickAndFind},
    {&TForm1::Button_Random, "Button_Random", {544, 104, 75, 25}, "&Random", Look::Window,
     &TForm1::Button_RandomClick,
     "Rolls a random treasure onto the workbench (Alt+R).\nCtrl+Z takes it back.\n"
     "Shift+click, or Shift+Alt+R, rolls a hoard of many items into the pane;\n"
     "click an item's line, or press Enter on it, to put it on the workbench."},
    {&TForm1::Button_Analyze, "Button_Analyze", {544, 136, 75, 25}, "&Analyze", Look::Window,
     &TForm1::Button_AnalyzeClick,
     "Lists every magic item with its profit per week of making, in catalog order (Alt+A).\n"
     "Shift+click, or Shift+Alt+A, lists it at the DX on the spinner: the weeks and money\n"
     "of making each item alone, lost weeks included, and what it pays a week.\n"
     "Click a line, or press Enter on it, to put it on the workbench.", ListTip::Find},
    {&TForm1::Button_Make, "Button_Make", {544, 168, 75, 25}, "&Make", Look::Window,
     &TForm1::Button_MakeClick},
    {&TForm1::UpDown1, "UpDown1", {384, 144, 16, 24}, nullptr, Look::Window, &TForm1::UpDown1Click,
     nullptr, ListTip::None, "Wizard's DX"},
    // Shown only from Make until the name is stored; Enter in it clicks the
    // Make button, which then names the item.
    {&TForm1::Edit1, "Edit1", {384, 168, 161, 22}, nullptr, Look::Window, &TForm1::Button_Make,
     "The name of the item being made; Enter stores it.", ListTip::None, "Item name"},

    // The making timer, ticking every millisecond while a making runs.
    {&TForm1::Timer1, "Timer1", {}, nullptr, Look::Window, &TForm1::Timer1Timer},
};
// clang-format on

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

    std::vector<QWidget*> focusable;
    for (const ControlDesign& design : kControls) {
        std::visit([&](auto member) { BuildControl(design, this->*member, focusable); },
                   design.member);
    }
    for (size_t k = 1; k < focusable.size(); ++k) setTabOrder(focusable[k - 1], focusable[k]);
    // The name box shows only while naming, when this label asks for the name.
    Label13->setBuddy(Edit1);

    // Every control that takes the focus shows it with one ring.
    auto* focusFrame = new FocusFrame(this);
    for (QWidget* control : focusable) focusFrame->Watch(control);
}

template <class Control>
void TForm1::BuildControl(const ControlDesign& design, Control*& control,
                          std::vector<QWidget*>& focusable) {
    if constexpr (std::is_same_v<Control, OutputPane> || std::is_same_v<Control, NameBox>) {
        // Built while the application's font is the window's, so that their
        // first, empty layout loads no other font.
        const ApplicationFontScope windowFont(font());
        control = new Control(this);
    } else {
        control = new Control(this);
    }
    control->setObjectName(QString::fromLatin1(design.name));
    const auto& handler = design.handler;
    if constexpr (std::is_same_v<Control, QTimer>) {
        control->setInterval(1);
        control->setTimerType(Qt::PreciseTimer);
        connect(control, &QTimer::timeout, this, std::get<void (TForm1::*)()>(handler));
    } else {
        if constexpr (std::is_base_of_v<Label, Control>) control->setTextFormat(Qt::PlainText);
        if (design.look != Look::Window) {
            control->setFont(design.look == Look::DX ? CourierNew(24, true) : CourierNew(13));
        }
        control->setGeometry(design.place);
        if (design.toolTip != nullptr) {
            control->setToolTip(QString::fromLatin1(design.toolTip) + ListTipText(design.listTip));
        }
        if (design.accessibleName != nullptr) {
            control->setAccessibleName(QString::fromLatin1(design.accessibleName));
        }
        if (control->focusPolicy() != Qt::NoFocus) focusable.push_back(control);
    }

    if constexpr (std::is_base_of_v<Label, Control>) {
        control->SetCaption(design.caption);
        control->SetAutoSize(design.look == Look::Column);
        if (design.look == Look::DX) {
            // Wide enough for the naming prompt and the spinner's widest
            // position from the start, so that it never cuts a caption and
            // never jumps while the spinner turns.
            control->FitCaptions({kNamePrompt, DXCaption(kSpinnerMaximum)});
            control->SetGrowToFit(true);
        }
    } else if constexpr (std::is_same_v<Control, CommandButton>) {
        control->SetCaption(design.caption);
        control->setAutoDefault(false);
        // Ctrl+A and Ctrl+C on any button select and copy the pane's list;
        // typing with a list button focused jumps in it.
        control->PassKeysTo(RichEdit1, design.listTip != ListTip::None);
        connect(control, &QPushButton::clicked, this, std::get<void (TForm1::*)()>(handler));
    } else if constexpr (std::is_same_v<Control, OutputPane>) {
        connect(control, &OutputPane::mouseDown, this,
                std::get<void (TForm1::*)(Qt::MouseButton)>(handler));
    } else if constexpr (std::is_same_v<Control, SheetList>) {
        control->SetItemHeight(14);
    } else if constexpr (std::is_same_v<Control, UpDown>) {
        control->SetRange(kSpinnerMinimum, kSpinnerMaximum);
        control->SetPosition(kStartDX);
        connect(control, &UpDown::clicked, this,
                std::get<void (TForm1::*)(UpDown::Arrow)>(handler));
    } else if constexpr (std::is_same_v<Control, NameBox>) {
        control->hide();
        connect(control, &QLineEdit::returnPressed, this->*std::get<Member<CommandButton>>(handler),
                &QAbstractButton::click);
    }
}

std::array<Label*, 13> TForm1::Labels() const {
    return {Label1, Label2, Label3,  Label4,  Label5,  Label6, Label7,
            Label8, Label9, Label10, Label11, Label12, Label13};
}

void TForm1::ApplyMoment() {
    const WindowMoment moment = Moment();
    const bool planning = moment == WindowMoment::Planning;
    // A message on a plan not put on the bench is old news by now.
    strip_->CloseIfShown(planMessage_, false);
    Button_Make->SetCaption(MakeButtonCaption(moment));
    // From Make until the name is stored the name box stands in the
    // spinner's place. It opens and closes empty, with nothing to undo, and
    // takes the focus as it opens.
    if (Edit1->isVisibleTo(this) == planning) {
        Edit1->Reset();
        Edit1->setVisible(!planning);
        UpDown1->setVisible(planning);
        if (!planning) Edit1->setFocus();
    }
    Label13->SetCaption(planning ? DXCaption(UpDown1->Position()) : kNamePrompt);

    // The Make button forecasts the making of the bench at the DX kept, the
    // spinner and its label the chance of a good week at that DX.
    if (planning) {
        // The odds on one line and what to expect on the next, so that the
        // tooltip stays narrower than the window.
        const QString forecast =
            ToQt(ForecastText(ForecastMaking(catalogs_, workshop_, workshop_.DX), "\n"));
        Button_Make->setToolTip(forecast +
                                QStringLiteral("\nMakes the item on the workbench week by week, "
                                               "rolling 3d6 against DX,\nand opens a box to name "
                                               "it (Alt+M). Ctrl+H lists the items made."));
    } else {
        Button_Make->setToolTip(
            QStringLiteral("Stores the name typed in the box (Alt+N, or Enter in the box)."));
    }
    const QString chance =
        ToQt(WeekChanceText(workshop_.DX)) +
        QStringLiteral("\nThe wizard's DX: click the arrows, or press Up and Down here.");
    UpDown1->setToolTip(chance);
    Label13->setToolTip(chance);
    UpdateTimer();
}
