// SPDX-FileCopyrightText: 2026 The Planetarch developers
// SPDX-License-Identifier: MIT
#include "app/startup.h"

#include "app/instanceguard.h"
#include "core/randomdraw.h"
#include "core/startuprules.h"
#include "core/webaddresses.h"
#include "gui/links.h"
#include "gui/mainwindow.h"
#include "gui/messages.h"
#include "gui/shutdown.h"
#include "gui/widgets/theme.h"

#include <QApplication>
#include <QSettings>

namespace planetarch {

using namespace Qt::StringLiterals;

namespace {

const QString LastReminderKey = u"UpdateReminder/LastAsked"_s;

} // namespace

void configureApplication(QApplication &app)
{
    // These names place the settings file (~/.config/Orvanel/Planetarch.conf); changing them would
    // lose every user's stored reminder date.
    QCoreApplication::setOrganizationName(u"Orvanel"_s);
    QCoreApplication::setApplicationName(ApplicationTitle);
    QCoreApplication::setApplicationVersion(QLatin1StringView(ApplicationVersion));
    // No application display name: Qt would append it to every window title ("Planetarch v1.0 -
    // Planetarch") where the windows carry their designed captions. Qt falls back to the
    // application name wherever it wants a display name.
    QGuiApplication::setDesktopFileName(QLatin1StringView(ApplicationId));
    QApplication::setWindowIcon(programIcon());
    // Closing the main window hands over to the exit window; only endProgram() ends the program.
    app.setQuitOnLastWindowClosed(false);
}

void updateReminder(QSettings &settings, const QDateTime &now)
{
    const QVariant stored = settings.value(LastReminderKey);
    const std::optional<QString> text =
        stored.isValid() ? std::optional<QString>(stored.toString()) : std::nullopt;
    const ReminderAction action = reminderAction(text, now.date());
    if (action == ReminderAction::Nothing)
        return;
    // The question is asked only when its date can be remembered: a stamp the clock cannot give
    // (a year past 9999) counts like a store that cannot be written, and asking then would bring
    // the question back at every start. Nothing is said about it; start-up goes on.
    const std::optional<QString> stamp = reminderStamp(now);
    if (!stamp || !settings.isWritable())
        return;

    const bool check =
        action == ReminderAction::Ask &&
        messages::question(nullptr, u"There maybe an update to this software available\r"
                                    u"Do you want to check for an update?"_s);
    settings.setValue(LastReminderKey, *stamp);
    settings.sync();
    if (check)
        links::open(webaddresses::DownloadPage);
}

void raiseDrawnBanner(MainWindow &window, float draw)
{
    switch (bannerChoice(coBrandNumber(draw))) {
    case BannerChoice::FullBrand:
        window.raiseFullBrandBanner();
        break;
    case BannerChoice::CoBrand:
        window.raiseCoBrandBanner();
        break;
    case BannerChoice::AsBuilt:
        break;
    }
}

bool startProgram(InstanceGuard &guard, const QDateTime &now)
{
    if (!guard.acquire()) {
        // The running copy is left alone: not signalled, not raised.
        messages::information(nullptr, u"Application is already running"_s);
        shutdown::endProgram();
        return false;
    }
    randomdraw::seed(static_cast<quint64>(now.toMSecsSinceEpoch()));
    {
        QSettings settings;
        updateReminder(settings, now);
    }
    auto *mainWindow = new MainWindow;
    mainWindow->setAttribute(Qt::WA_DeleteOnClose);
    mainWindow->show();
    raiseDrawnBanner(*mainWindow, randomdraw::draw());
    return true;
}

int runProgram(QApplication &app)
{
    configureApplication(app);
    InstanceGuard guard;
    if (!startProgram(guard, QDateTime::currentDateTime()) || shutdown::isEnding())
        return 0;
    return app.exec();
}

} // namespace planetarch
