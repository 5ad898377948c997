// The floor the window's start-up is measured against: a bare Qt window of
// the window's size with one plain-text pane at the output pane's place,
// showing the weapon list the window opens on as the output pane shows it
// (its font, no wrapping), and nothing else. Like tharnwell-driver with an
// empty script, it shows the window, lets the pending events run until the
// first paint is done, closes the window and exits.
#include <QApplication>
#include <QEvent>
#include <QFont>
#include <QPlainTextEdit>
#include <QWidget>

extern const char kWeaponListText[];

namespace {

// The output pane's place in the window's client area.
constexpr int kPaneLeft = 1;
constexpr int kPaneTop = 216;
constexpr int kPaneWidth = 624;
constexpr int kPaneHeight = 224;

// The output pane's font as the window asks for it: Courier New at 13
// pixels, fixed pitch. Spelt out here rather than taken from the window's
// code, so the floor stays where it is whatever the window does.
QFont PaneFont() {
    QFont font(QStringLiteral("Courier New"));
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    font.setPixelSize(13);
    return font;
}

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
        QWidget window;
        window.resize(626, 442);
        auto* pane = new QPlainTextEdit(&window);
        pane->setGeometry(kPaneLeft, kPaneTop, kPaneWidth, kPaneHeight);
        pane->setFont(PaneFont());
        pane->setLineWrapMode(QPlainTextEdit::NoWrap);
        pane->setPlainText(QString::fromLatin1(kWeaponListText));
        PaintWatch watch;
        pane->viewport()->installEventFilter(&watch);
        window.show();
        QCoreApplication::processEvents();
        while (!watch.painted) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        window.close();
    }
    return 0;
}
