// SPDX-FileCopyrightText: 2026 The Planetarch developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringList>

namespace planetarch {

// What the command line asks for. It is read before the application object exists, so --help and
// --version answer on a terminal with no display, and nothing touches the socket or the settings.
struct CommandLine
{
    enum class Action { Run, Help, Version, Error };
    Action action = Action::Run;
    QString output;   // what to print: help or version on stdout, an error and the usage on stderr
    int exitCode = 0; // 0, or 2 for a command line the program does not understand
    // The arguments to hand to QApplication: as given, except that Qt's options written with "="
    // ("--platform=xcb"), which Qt would silently ignore, are split in two as Qt reads them.
    QStringList qtArguments;
};

// arguments as main() gets them, the program's path first. Qt's own options (-platform, -style,
// ...) are let through for QApplication; anything else that looks like an option is an error.
CommandLine parseCommandLine(const QStringList &arguments);

} // namespace planetarch
