// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPoint>
#include <QString>
#include <functional>
#include <iosfwd>
#include <map>
#include <string>
#include <vector>

class NameBox;
class OutputPane;
class SheetList;
class TForm1;
class UpDown;

// Runs the real main window from a script of commands, one a line, and
// prints what the window shows.
class Driver {
public:
    using Args = std::vector<std::string>;

    Driver(TForm1& form, std::ostream& out);

    // Runs every command of the script; returns the exit code (0, or 2 after
    // printing an error for a bad line).
    int Run(std::istream& script);

private:
    struct Command {
        std::function<void(const std::string& rest, const Args& args)> run;
    };

    void Register();
    // A left click on the button, with Shift or Ctrl held when asked.
    void Press(const std::string& button, Qt::KeyboardModifiers modifiers);
    void Pick(int line, int column, Qt::MouseButton button, Qt::KeyboardModifiers modifiers);
    // A press where no character need be, at a point of the pane's visible area.
    void PressAt(QPoint point, Qt::MouseButton button);
    void Drag(int line1, int column1, int line2, int column2, Qt::KeyboardModifiers modifiers);
    // Scrolls the pane so that the character is in view; returns the point
    // of the pane's viewport where it is drawn.
    QPoint ShowCharacter(int line, int column);
    void MouseDown(Qt::MouseButton button);
    void Focus(const std::string& control);
    void Key(const std::string& keys);
    // Lets a click that a keyboard accelerator started (a button shown
    // pressed for a moment) finish.
    void FinishAnimatedClicks();
    void Spin(bool up, int count);
    void Type(const std::string& utf8);
    // Types text as keystrokes into the control that has the focus.
    void Keys(const std::string& utf8);
    void Wait(int milliseconds);
    void Resize(int width, int height);
    void MouseMove(int x, int y);
    void Screenshot(const std::string& file);

    void PrintPane();
    void PrintSheet();
    void PrintSelection();
    void PrintLabels();
    void PrintControls();
    void PrintState();
    // The clipboard's plain text, or its HTML (nothing when it holds none).
    void PrintClipboard(bool html);
    void PrintTooltip(const std::string& control);
    void PrintFocused();
    void PrintAccessible(const std::string& control);
    void PrintGeometry(const std::string& control);
    void PrintFind();

    TForm1& form_;
    std::ostream& out_;
    // The controls the commands work on, found by their names.
    OutputPane* const pane_;
    SheetList* const sheet_;
    UpDown* const spinner_;
    NameBox* const nameBox_;
    std::map<std::string, Command> commands_;
    // The time stamp of the driver's keystrokes, in milliseconds: one more
    // for each, and a wait's length more for a wait, so that the window
    // sees quick typing and pauses alike, however busy the machine is.
    quint64 keyClockMs_ = 0;
    int commandsRun_ = 0;  // `journal` comes only first
};

// A bad argument or an unknown command; the message says what.
struct ScriptError {
    std::string what;
};
