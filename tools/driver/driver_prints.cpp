// SPDX-License-Identifier: GPL-3.0-or-later
// The prints of the clipboard, tooltips, the focus, what assistive technology
// is told of a control, and the controls' places.
#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QFontInfo>
#include <QMetaEnum>
#include <QMimeData>
#include <QStringList>
#include <ostream>

#include "app/tform1.h"
#include "tools/driver/driver.h"
#include "tools/driver/print_format.h"
#include "ui/control_names.h"

namespace {

// Unicode text as UTF-8 between bars.
std::string BarredUtf8(const QString& text) { return "|" + text.toStdString() + "|"; }

// The lines of a text, split at its line breaks; a final line break adds no
// empty line.
QStringList LinesOf(QString text) {
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    if (text.endsWith(QLatin1Char('\n'))) text.chop(1);
    if (text.isEmpty()) return {};
    return text.split(QLatin1Char('\n'));
}

// An accessible text between bars, each line break as \n.
std::string BarredOneLine(QString text) {
    text.replace(QLatin1Char('\n'), QLatin1String("\\n"));
    return BarredUtf8(text);
}

// Qt's name of a role in lower case. A main window is a frame, as the
// desktops' accessibility buses call it, and a button a push button, by the
// name Qt gave it first.
std::string RoleName(QAccessible::Role role) {
    if (role == QAccessible::Window) return "frame";
    if (role == QAccessible::Button) return "pushbutton";
    const char* key = QMetaEnum::fromType<QAccessible::Role>().valueToKey(role);
    return key == nullptr ? std::to_string(role) : QByteArray(key).toLower().toStdString();
}

}  // namespace

void Driver::PrintClipboard(bool html) {
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    QString text;
    if (!html) {
        text = QGuiApplication::clipboard()->text();
    } else if (data != nullptr && data->hasHtml()) {
        text = data->html();
    }
    const QStringList lines = LinesOf(text);
    out_ << "clipboard " << lines.size() << '\n';
    for (const QString& line : lines) out_ << BarredUtf8(line) << '\n';
}

void Driver::PrintTooltip(const std::string& name) {
    const QWidget* control = ControlNamed(form_, name);
    if (control == nullptr) throw ScriptError{"unknown control '" + name + "'"};
    const QStringList lines = LinesOf(control->toolTip());
    out_ << "tooltip " << lines.size() << '\n';
    for (const QString& line : lines) out_ << BarredUtf8(line) << '\n';
}

void Driver::PrintFocused() {
    const std::string name = NameOfControl(form_, QApplication::focusWidget());
    out_ << "focused " << (name.empty() ? "none" : name) << '\n';
}

void Driver::PrintAccessible(const std::string& name) {
    QWidget* control = name == "Window" ? &form_ : ControlNamed(form_, name);
    if (control == nullptr) throw ScriptError{"unknown control '" + name + "'"};
    QAccessibleInterface* access = QAccessible::queryAccessibleInterface(control);
    if (access == nullptr) throw ScriptError{"no accessible interface for '" + name + "'"};
    const QAccessibleValueInterface* value = access->valueInterface();
    out_ << "accessible " << name << ' ' << RoleName(access->role()) << ' '
         << BarredOneLine(access->text(QAccessible::Name)) << ' '
         << BarredOneLine(access->text(QAccessible::Description)) << ' '
         << (value != nullptr ? value->currentValue().toString().toStdString() : "-") << '\n';
}

// The timer prints as running while the window runs it for a making, the
// driver's hold aside: under the driver weeks pass only on tick and wait.
void Driver::PrintGeometry(const std::string& name) {
    if (name == "Timer1") {
        out_ << "Timer1 " << Named<QTimer>(form_, name)->interval() << ' '
             << (form_.TimerWanted() ? "running" : "stopped") << '\n';
        return;
    }
    const QWidget* control = ControlNamed(form_, name);
    if (control == nullptr) throw ScriptError{"unknown control '" + name + "'"};
    const QPoint place = control->mapTo(&form_, QPoint(0, 0));
    // The font as drawn: the family the font request resolved to.
    const QFontInfo font(control->font());
    out_ << name << ' ' << place.x() << ' ' << place.y() << ' ' << control->width() << ' '
         << control->height() << ' ' << (control->isVisible() ? "shown" : "hidden") << ' '
         << BarredUtf8(font.family()) << ' ' << font.pixelSize() << ' '
         << (font.bold() ? "bold" : "normal") << '\n';
}

void Driver::PrintFind() {
    const TForm1::FindStatus find = form_.FindState();
    // A line break left in the field's text prints as \n, the print on one line.
    std::string text;
    for (size_t k = 0; k < find.text.size(); ++k) {
        const char c = find.text[k];
        if (c == '\r' && k + 1 < find.text.size() && find.text[k + 1] == '\n') continue;
        text += c == '\n' || c == '\r' ? std::string("\\n") : std::string(1, c);
    }
    out_ << "find " << (find.shown ? "shown " : "hidden ") << Barred(text) << ' ' << find.current
         << ' ' << find.count << '\n';
}
