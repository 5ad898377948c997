// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/desktop_identity.h"

#include <QApplication>
#include <QIcon>
#include <QString>

void SetDesktopIdentity() {
    QApplication::setApplicationName(QStringLiteral("tharnwell"));
    QApplication::setApplicationVersion(QStringLiteral(THARNWELL_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral(THARNWELL_APP_ID));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/" THARNWELL_APP_ID ".png")));
}
