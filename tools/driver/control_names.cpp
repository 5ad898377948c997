// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/driver/control_names.h"

#include <array>
#include <utility>

#include "app/tform1.h"

namespace {

std::array<std::pair<const char*, QWidget*>, 18> Focusables(const TForm1& form) {
    return {{
        {"RichEdit1", form.RichEdit1},
        {"ListBox1", form.ListBox1},
        {"Button_Weapon", form.Button_Weapon},
        {"Button_Equipment", form.Button_Equipment},
        {"Button_Scroll", form.Button_Scroll},
        {"Button_Spell_Book", form.Button_Spell_Book},
        {"Button_Gem", form.Button_Gem},
        {"Button_Jewelry", form.Button_Jewelry},
        {"Button_Carpet", form.Button_Carpet},
        {"Button_Fauna", form.Button_Fauna},
        {"Button9_Enchant", form.Button9_Enchant},
        {"Button_Potion", form.Button_Potion},
        {"Button_Job", form.Button_Job},
        {"Button_Random", form.Button_Random},
        {"Button_Analyze", form.Button_Analyze},
        {"Button_Make", form.Button_Make},
        {"UpDown1", form.UpDown1},
        {"Edit1", form.Edit1},
    }};
}

}  // namespace

CommandButton* ButtonNamed(const TForm1& form, const std::string& name) {
    if (name.compare(0, 7, "Button_") != 0 && name != "Button9_Enchant") return nullptr;
    return static_cast<CommandButton*>(FocusableNamed(form, name));
}

QWidget* FocusableNamed(const TForm1& form, const std::string& name) {
    for (const auto& [controlName, widget] : Focusables(form)) {
        if (name == controlName) return widget;
    }
    return nullptr;
}

QWidget* ControlNamed(const TForm1& form, const std::string& name) {
    if (QWidget* widget = FocusableNamed(form, name)) return widget;
    const auto labels = form.Labels();
    for (size_t k = 0; k < labels.size(); ++k) {
        if (name == "Label" + std::to_string(k + 1)) return labels[k];
    }
    return nullptr;
}

std::string NameOfControl(const TForm1& form, const QWidget* widget) {
    for (; widget != nullptr && widget != &form; widget = widget->parentWidget()) {
        for (const auto& [controlName, control] : Focusables(form)) {
            if (widget == control) return controlName;
        }
    }
    return {};
}
