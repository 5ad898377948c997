// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>
#include <string>
#include <vector>

class CommandButton;

// A window's controls by their object names, the names the form gives them
// (Button_Weapon, RichEdit1, Label13, Timer1, ...). The window keeps its
// controls to itself: tests, benchmarks and scripts find them here, by name.

// The control of that name and type placed on the window itself, not a part
// inside one of them; nullptr if there is none.
template <class Control>
Control* Named(const QWidget& window, const std::string& name) {
    if (name.empty()) return nullptr;
    return window.findChild<Control*>(QString::fromStdString(name), Qt::FindDirectChildrenOnly);
}

// A command button by its name (Button_Weapon ... Button_Make), or nullptr.
CommandButton* ButtonNamed(const QWidget& window, const std::string& name);

// A control that can take the keyboard focus: RichEdit1, ListBox1, Edit1,
// UpDown1 or a button; nullptr for any other name.
QWidget* FocusableNamed(const QWidget& window, const std::string& name);

// Any control with a place on the window: the focusable ones and Label1 to
// Label13; nullptr for any other name.
QWidget* ControlNamed(const QWidget& window, const std::string& name);

// The name of the control that widget is, or lies inside (an arrow of the
// spinner, the pane's viewport); empty when it is none of them.
std::string NameOfControl(const QWidget& window, const QWidget* widget);

// Every command button of the window, in the order the window made them.
std::vector<CommandButton*> Buttons(const QWidget& window);
