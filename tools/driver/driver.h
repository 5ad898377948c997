#pragma once

#include <QString>
#include <functional>
#include <iosfwd>
#include <map>
#include <string>
#include <vector>

class TForm1;

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
    void Press(const std::string& button);
    void Pick(int line, int column, Qt::MouseButton button);
    void MouseDown(Qt::MouseButton button);
    void Spin(bool up, int count);
    void Type(const std::string& utf8);
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

    TForm1& form_;
    std::ostream& out_;
    std::map<std::string, Command> commands_;
};

// A bad argument or an unknown command; the message says what.
struct ScriptError {
    std::string what;
};
