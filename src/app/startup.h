// SPDX-FileCopyrightText: 2026 The Planetarch developers
// SPDX-License-Identifier: MIT
#pragma once

// The start of the program's life. runProgram() is all main() does with the Services it makes: it
// names the application, takes the single-instance socket (InstanceGuard), runs startProgram() and
// then the event loop; a refused second copy ends the process there. startProgram() refuses a
// second copy, seeds the random draws, runs the update reminder and shows the MainWindow. The
// program ends only through Services::endProgram().

#include "core/identity.h"

#include <QDateTime>

class QApplication;

namespace planetarch {

class InstanceGuard;
class Services;
class SettingsFile;

// Before the QApplication exists: mends what in the environment would have Qt make folders at the
// filesystem root.
void prepareEnvironment();

void configureApplication(QApplication &app);

// False when another copy runs: the user has been told and the program has ended. Without
// updateReminder the settings are neither read nor written and nothing is asked.
bool startProgram(InstanceGuard &guard, Services &services, const QDateTime &now,
                  bool updateReminder = identity::UpdateReminder);

int runProgram(QApplication &app, Services &services);

// Asks the update question when it is due, once now is stored as the date of asking. True for a
// first run (no usable date stored, or a damaged one): nothing is asked, and the caller stores the
// date (recordReminder) once the window is on screen.
bool updateReminder(SettingsFile &settings, const Services &services, const QDateTime &now);
// Stores now as the date of asking; true once it is on disk.
bool recordReminder(SettingsFile &settings, const QDateTime &now);

} // namespace planetarch
