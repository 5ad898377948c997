// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

class CommandButton;
class QWidget;
class TForm1;

// The window's controls by their object names, the names a script gives
// them.

// A command button by its name (Button_Weapon ... Button_Make), or nullptr.
CommandButton* ButtonNamed(const TForm1& form, const std::string& name);

// A control that can take the keyboard focus: RichEdit1, ListBox1, Edit1,
// UpDown1 or a button; nullptr for any other name.
QWidget* FocusableNamed(const TForm1& form, const std::string& name);

// Any control with a place on the window: the focusable ones and Label1 to
// Label13; nullptr for any other name.
QWidget* ControlNamed(const TForm1& form, const std::string& name);

// The name of the control that widget is, or lies inside (an arrow of the
// spinner, the pane's viewport); empty when it is none of them.
std::string NameOfControl(const TForm1& form, const QWidget* widget);

// Every command button of the window.
std::vector<CommandButton*> Buttons(const TForm1& form);
