// SPDX-License-Identifier: GPL-3.0-or-later
// The bare window (bare_window.h) on its own, for startup_instructions.sh.
// Like tharnwell-driver with an empty script, it shows the window, lets the
// pending events run until the first paint is done, closes the window and
// exits.
#include <QApplication>
#include <QEvent>
#include <QPlainTextEdit>

#include "bench/bare_window.h"

namespace {

// Notes when the pane's text has been painted.
class PaintWatch : public QObject {
public:
    bool painted = false;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) painted = true;
        return QObject::eventFilter(watched, event);
    }
};

}  // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    {
        const std::unique_ptr<QWidget> window = OpenBareWindow();
        PaintWatch watch;
        window->findChild<QPlainTextEdit*>()->viewport()->installEventFilter(&watch);
        window->show();
        QCoreApplication::processEvents();
        while (!watch.painted) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        window->close();
    }
    return 0;
}
