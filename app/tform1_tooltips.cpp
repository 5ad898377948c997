// SPDX-License-Identifier: GPL-3.0-or-later
// What each control does and its keys, shown when the pointer rests on it.
// Each line of a tooltip is one short sentence or two.
#include "app/tform1.h"

namespace {

const char* const kBaseItemPick = "\nClick a line, or press Enter on it, to make it the base item.";
const char* const kFindKeys =
    "\nIn the list, type a name to jump to its line; Ctrl+F finds any text, F3 the next.";

struct ToolTip {
    CommandButton* TForm1::*button;
    const char* text;
};

// clang-format off
const ToolTip kListTips[] = {
    {&TForm1::Button_Weapon,     "Lists the weapons and their variants.\n"
                                 "Keys: Alt+W until it has the focus (Jewelry shares Alt+W), then Enter."},
    {&TForm1::Button_Equipment,  "Lists the equipment (Alt+Q)."},
    {&TForm1::Button_Scroll,     "Lists the spells as scrolls (Alt+S)."},
    {&TForm1::Button_Spell_Book, "Lists the spells as spell books (Alt+B)."},
    {&TForm1::Button_Gem,        "Lists the gems and minerals (Alt+G)."},
    {&TForm1::Button_Jewelry,    "Lists the jewelry.\n"
                                 "Keys: Alt+W until it has the focus (Weapon shares Alt+W), then Enter."},
    {&TForm1::Button_Carpet,     "Lists the magic carpets (Alt+C)."},
    {&TForm1::Button_Fauna,      "Lists the creatures and plants (Alt+F)."},
    {&TForm1::Button_Potion,     "Lists the potions (Alt+P)."},
    {&TForm1::Button_Job,        "Lists the jobs (Alt+J)."},
};
// clang-format on

}  // namespace

void TForm1::SetToolTips() {
    for (const ToolTip& tip : kListTips) {
        (this->*tip.button)->setToolTip(QString::fromLatin1(tip.text) + kBaseItemPick + kFindKeys);
    }
    Button9_Enchant->setToolTip(
        QStringLiteral("Lists the enchantments (Alt+E).\n"
                       "Click a line, or press Enter on it, to put it on the workbench or step "
                       "it up;\nright-click, or Shift+Enter, to step it down or take it off.") +
        kFindKeys);
    Button_Random->setToolTip(QStringLiteral(
        "Rolls a random treasure onto the workbench (Alt+R).\nCtrl+Z takes it back."));
    Button_Analyze->setToolTip(
        QStringLiteral(
            "Lists every magic item with its profit per week of making, in catalog order (Alt+A).\n"
            "Click a line, or press Enter on it, to put it on the workbench.") +
        kFindKeys);
    RichEdit1->setToolTip(
        QStringLiteral("Click a line, or press Enter on it, to pick it;\n"
                       "right-click, or Shift+Enter, to step an enchantment down.\n"
                       "Shift or Ctrl with a click or a drag only selects; Ctrl+C copies.\n"
                       "Type a name to jump to its line; Ctrl+F finds any text, F3 the next."));
    ListBox1->setToolTip(QStringLiteral(
        "The item sheet: the base item, the enchantments and the totals.\n"
        "Ctrl+C here, or Ctrl+Shift+C anywhere, copies it.\n"
        "Ctrl+Z undoes a change of the workbench; Ctrl+Shift+Z or Ctrl+Y redoes it."));
    Edit1->setToolTip(QStringLiteral("The name of the item being made; Enter stores it."));
    // The Make button and the spinner tell the forecast, once the catalogs
    // are built (FormCreate).
}

void TForm1::UpdateMakeToolTip() {
    if (Moment() != WindowMoment::Planning) {
        Button_Make->setToolTip(
            QStringLiteral("Stores the name typed in the box (Alt+N, or Enter in the box)."));
    } else {
        // What a making of the bench would come to, and then what the button does.
        Button_Make->setToolTip(
            MakeForecastText() +
            QStringLiteral("\nMakes the item on the workbench week by week, rolling 3d6 against "
                           "DX,\nand opens a box to name it (Alt+M)."));
    }
}
