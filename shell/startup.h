// SPDX-FileCopyrightText: 2026 The Planetarch developers
// SPDX-License-Identifier: MIT
#pragma once

// The two ends of the program's life. runProgram() is all main() does: it names the application,
// takes the single-instance lock, runs startProgram() and then the event loop. startProgram()
// refuses a second copy, seeds the random draws, runs the update reminder, shows the main window
// and picks the banner. The program ends only through modHelp::endProgram().

#include <QDateTime>
#include <QLockFile>

#include <memory>

class QApplication;
class QSettings;

namespace planetarch {

class FrmMain;

// One reverse-DNS id for the desktop file, the icon, the lock and the window manager.
inline constexpr char ApplicationId[] = "example.planetarch.Planetarch";

// Holds a per-user lock file for as long as it lives. A lock left by a copy that was killed is
// recognised (its process is gone) and taken over.
class InstanceGuard
{
public:
    InstanceGuard();
    // False only when another running copy holds the lock. A lock that cannot be made at all
    // (unwritable folder) does not stop the program.
    bool acquire();
    QString lockPath() const;

private:
    std::unique_ptr<QLockFile> m_lock;
};

void configureApplication(QApplication &app);

// False when another copy runs: the user has been told and the program has ended.
bool startProgram(InstanceGuard &guard, const QDateTime &now);

int runProgram(QApplication &app);

void updateReminder(QSettings &settings, const QDateTime &now);
void coBrandRandomize(FrmMain &window, float draw);

} // namespace planetarch
