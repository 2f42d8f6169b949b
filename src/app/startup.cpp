// SPDX-FileCopyrightText: 2026 The Planetarch developers
// SPDX-License-Identifier: MIT
#include "app/startup.h"

#include "app/instanceguard.h"
#include "app/settingsfile.h"
#include "core/identity.h"
#include "core/randomdraw.h"
#include "core/reminder.h"
#include "core/webaddresses.h"
#include "gui/desktop.h"
#include "gui/links.h"
#include "gui/mainwindow.h"
#include "gui/services.h"

#include <QApplication>
#include <QWindow>

#include <cstdio>
#include <cstdlib>

namespace planetarch {

using namespace Qt::StringLiterals;

namespace {

const QString ReminderGroup = u"UpdateReminder"_s;
const QString LastReminderKey = u"LastAsked"_s;

} // namespace

void configureApplication(QApplication &app)
{
    // These names place the settings (~/.config/Orvanel/Planetarch.conf, or the registry key
    // HKEY_CURRENT_USER\Software\Orvanel\Planetarch); changing them would lose every user's
    // stored reminder date.
    QCoreApplication::setOrganizationName(identity::Maker);
    QCoreApplication::setApplicationName(identity::Title);
    QCoreApplication::setApplicationVersion(identity::Version);
    // No application display name: Qt would append it to every window title ("Planetarch v1.0 -
    // Planetarch") where the windows carry their own captions. Qt falls back to the
    // application name wherever it wants a display name.
    QGuiApplication::setDesktopFileName(identity::ApplicationId);
    QApplication::setWindowIcon(desktop::programIcon());
    // Closing the main window hands over to the exit window; only endProgram() ends the program.
    app.setQuitOnLastWindowClosed(false);
}

bool updateReminder(SettingsFile &settings, const Services &services, const QDateTime &now)
{
    const ReminderAction action =
        reminderAction(settings.value(ReminderGroup, LastReminderKey), now.date());
    if (action != ReminderAction::Ask)
        return action == ReminderAction::RecordOnly;
    // The question is asked only once the date of asking is stored: an answer that could not be
    // remembered would bring the question back at every start. A store that cannot be written (a
    // read-only folder, a full disk, something that is no file, a clock past year 9999) means
    // nothing is asked and nothing is said; start-up goes on.
    if (!recordReminder(settings, now))
        return false;
    if (services.question(nullptr, u"There maybe an update to this software available\r"
                                   u"Do you want to check for an update?"_s))
        links::open(webaddresses::DownloadPage);
    return false;
}

bool recordReminder(SettingsFile &settings, const QDateTime &now)
{
    const std::optional<QString> stamp = reminderStamp(now);
    return stamp && settings.setValue(ReminderGroup, LastReminderKey, *stamp);
}

bool startProgram(InstanceGuard &guard, Services &services, const QDateTime &now,
                  bool updateReminder)
{
    if (!guard.acquire()) {
        // The desktop's token is for the window the person wants, the running copy's: taken out
        // before the message can spend it. Without one, the key or click that answers the
        // message earns a token for the running copy.
        QByteArray token = desktop::takeLaunchToken();
        // The compositor lets a token from that input pass the focus on only while the message
        // still has it: the running copy is asked before the message closes.
        bool asked = false;
        messages::Message message{u"Application is already running"_s};
        message.answered = [&](QWidget *box) {
            if (token.isEmpty())
                token = desktop::requestToken(box->windowHandle(), true);
            asked = guard.askToRaise(token);
        };
        services.present(nullptr, message);
        if (!asked)
            guard.askToRaise(token);
        services.endProgram();
        return false;
    }
    guard.onRaiseRequest(desktop::bringForward);
    randomdraw::seed(static_cast<quint64>(now.toMSecsSinceEpoch()));
    bool recordLater = false;
    if (updateReminder) {
        SettingsFile settings;
        recordLater = planetarch::updateReminder(settings, services, now);
    }
    auto *mainWindow = new MainWindow(services);
    mainWindow->setAttribute(Qt::WA_DeleteOnClose);
    mainWindow->show();
    // A first run only notes the date: that waits until the window is on screen.
    if (recordLater) {
        desktop::afterFirstFrame(mainWindow, [now] {
            SettingsFile settings;
            recordReminder(settings, now);
        });
    }
    return true;
}

int runProgram(QApplication &app, Services &services)
{
    configureApplication(app);
    InstanceGuard guard;
    if (!startProgram(guard, services, QDateTime::currentDateTime())) {
        // A second copy has shown its message and passed the raise request on: it holds nothing
        // anyone could miss. It ends at once, because Qt 6.4's Wayland teardown can wait forever
        // for a read that its event thread never gets.
        std::fflush(nullptr);
        std::_Exit(0);
    }
    if (services.isEnding())
        return 0;
    return app.exec();
}

} // namespace planetarch
