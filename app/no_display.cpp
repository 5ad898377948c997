// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/no_display.h"

#include <QString>
#include <QtGlobal>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

const char kWhatToDo[] =
    "run Tharnwell on a desktop, or set QT_QPA_PLATFORM=offscreen to draw its window without "
    "one";

struct HeldMessage {
    QtMsgType type;
    std::string category;
    QString text;
};

// The guard's state; there is one QApplication, so one guard at a time.
QtMessageHandler previousHandler = nullptr;
std::vector<HeldMessage> heldMessages;
std::string platformAsked;  // -platform, else QT_QPA_PLATFORM
std::string displayAsked;   // how the display was named, for the message

std::string Environment(const char* variable) {
    return qEnvironmentVariable(variable).toStdString();
}

std::string DescribeDisplay(const CommandLine& commandLine) {
    if (!commandLine.display.empty()) return "-display " + commandLine.display;
    const std::string x11 = Environment("DISPLAY");
    const std::string wayland = Environment("WAYLAND_DISPLAY");
    std::string named;
    if (!x11.empty()) named = "DISPLAY=" + x11;
    if (!wayland.empty()) named += (named.empty() ? "" : ", ") + ("WAYLAND_DISPLAY=" + wayland);
    return named.empty() ? "DISPLAY and WAYLAND_DISPLAY unset" : named;
}

// Qt's fatal message ends with the platforms it has, worth keeping when a
// named one failed.
std::string AvailablePlatforms(const QString& fatal) {
    const QString marker = QStringLiteral("Available platform plugins are:");
    const qsizetype at = fatal.indexOf(marker);
    if (at < 0) return std::string();
    QString platforms = fatal.mid(at + marker.size()).trimmed();
    if (platforms.endsWith(QLatin1Char('.'))) platforms.chop(1);
    return "; Qt's platforms here: " + platforms.toStdString();
}

void PassOn(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (previousHandler != nullptr) {
        previousHandler(type, context, text);
    } else {
        std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, text)));
    }
}

void HoldOrFail(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type != QtFatalMsg) {
        heldMessages.push_back({type, context.category ? context.category : "", text});
        return;
    }
    std::string line;
    if (platformAsked.empty()) {
        line = "tharnwell: no display could be reached (" + displayAsked + "): " + kWhatToDo;
    } else {
        line = "tharnwell: the windowing system '" + platformAsked + "' could not be started (" +
               displayAsked + ")" + AvailablePlatforms(text) + ": " + kWhatToDo;
    }
    std::fprintf(stderr, "%s\n", line.c_str());
    std::fflush(stderr);
    std::_Exit(1);
}

}  // namespace

bool DisplayNamed(const CommandLine& commandLine) {
    return !commandLine.platform.empty() || !commandLine.display.empty() ||
           !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") ||
           !qEnvironmentVariableIsEmpty("DISPLAY") ||
           !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

void ReportNoDisplay() {
    std::fprintf(stderr, "tharnwell: no display found (DISPLAY and WAYLAND_DISPLAY unset): %s\n",
                 kWhatToDo);
    std::fflush(stderr);
}

NoDisplayGuard::NoDisplayGuard(const CommandLine& commandLine) {
    platformAsked =
        commandLine.platform.empty() ? Environment("QT_QPA_PLATFORM") : commandLine.platform;
    displayAsked = DescribeDisplay(commandLine);
    heldMessages.clear();
    previousHandler = qInstallMessageHandler(HoldOrFail);
}

NoDisplayGuard::~NoDisplayGuard() {
    qInstallMessageHandler(previousHandler);
    for (const HeldMessage& message : heldMessages) {
        const QMessageLogContext context(nullptr, 0, nullptr, message.category.c_str());
        PassOn(message.type, context, message.text);
    }
    heldMessages.clear();
}
