// SPDX-FileCopyrightText: 2026 The Planetarch developers
// SPDX-License-Identifier: MIT
#include "startup.h"

#include "chance.h"
#include "frmmain.h"
#include "look.h"
#include "messages.h"
#include "modhelp.h"
#include "startuprules.h"

#include <QApplication>
#include <QSettings>
#include <QStandardPaths>

namespace planetarch {

using namespace Qt::StringLiterals;

namespace {

const QString LastReminderKey = u"UpdateReminder/LastAsked"_s;

} // namespace

InstanceGuard::InstanceGuard()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    m_lock =
        std::make_unique<QLockFile>(folder + u'/' + QLatin1StringView(ApplicationId) + u".lock"_s);
    // Held for the life of the process, so age says nothing: only a dead owner makes it stale.
    m_lock->setStaleLockTime(0);
}

bool InstanceGuard::acquire()
{
    if (m_lock->isLocked() || m_lock->tryLock(0))
        return true;
    return m_lock->error() != QLockFile::LockFailedError;
}

QString InstanceGuard::lockPath() const
{
    return m_lock->fileName();
}

void configureApplication(QApplication &app)
{
    // These names place the settings file (~/.config/Orvanel/Planetarch.conf); changing them would
    // lose every user's stored reminder date.
    QCoreApplication::setOrganizationName(u"Orvanel"_s);
    QCoreApplication::setApplicationName(ApplicationTitle);
    QCoreApplication::setApplicationVersion(u"1.0"_s);
    QGuiApplication::setApplicationDisplayName(ApplicationTitle);
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

    messages::Answer answer = messages::Answer::No;
    if (action == ReminderAction::Ask) {
        answer = messages::show(nullptr,
                                u"There maybe an update to this software available\r"
                                u"Do you want to check for an update?"_s,
                                messages::Icon::Information, messages::Buttons::YesNo);
    }
    // A store that cannot be written keeps the value in memory for this run; start-up goes on.
    settings.setValue(LastReminderKey, reminderStamp(now));
    settings.sync();
    if (answer == messages::Answer::Yes)
        modHelp::openDownloadPage();
}

void coBrandRandomize(FrmMain &window, float draw)
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
        messages::show(nullptr, u"Application is already running"_s, messages::Icon::Information);
        modHelp::endProgram();
        return false;
    }
    chance::seed(static_cast<quint64>(now.toMSecsSinceEpoch()));
    {
        QSettings settings;
        updateReminder(settings, now);
    }
    auto *frmMain = new FrmMain;
    frmMain->setAttribute(Qt::WA_DeleteOnClose);
    frmMain->show();
    coBrandRandomize(*frmMain, chance::draw());
    return true;
}

int runProgram(QApplication &app)
{
    configureApplication(app);
    InstanceGuard guard;
    if (!startProgram(guard, QDateTime::currentDateTime()) || modHelp::programEnding())
        return 0;
    return app.exec();
}

} // namespace planetarch
