// SPDX-License-Identifier: GPL-3.0-or-later
// What a screen reader hears of the window: the names and roles of its
// controls, through Qt's accessibility.
#include <QAccessible>

#include <utility>

#include "app/tform1.h"
#include "ui/accessible_controls.h"

namespace {

// The interfaces Qt has no class for: the window as a frame, the spinner with
// its value, the pane's viewport as a part of the pane.
QAccessibleInterface* AccessibleControl(const QString& classname, QObject* object) {
    if (classname == QLatin1String("TForm1")) {
        return new AccessibleWindow(static_cast<QWidget*>(object));
    }
    if (classname == QLatin1String("ColumnHeader")) {
        return new AccessibleColumnHeader(static_cast<ColumnHeader*>(object));
    }
    if (classname == QLatin1String("UpDown")) {
        return new AccessibleUpDown(static_cast<UpDown*>(object));
    }
    if (classname == QLatin1String("QWidget") && IsViewport(object)) {
        return new AccessibleViewport(static_cast<QWidget*>(object));
    }
    return nullptr;
}

}  // namespace

void TForm1::InstallAccessibility() {
    // Qt asks the factories installed last first, so these come before its
    // own; installing again changes nothing.
    QAccessible::installFactory(&AccessibleControl);
}

void TForm1::ShowListing(Listing listing, const char* paneName) {
    ShowListing(std::move(listing));
    // A list has no total line: the pane's description is its tooltip again.
    RichEdit1->setAccessibleDescription(QString());
    AnnounceName(RichEdit1, QString::fromLatin1(paneName));
}
