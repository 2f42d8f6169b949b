// SPDX-FileCopyrightText: 2026 The Planetarch developers
// SPDX-License-Identifier: MIT
#include "app/commandline.h"
#include "app/startup.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char *argv[])
{
    QStringList arguments;
    for (int index = 0; index < argc; ++index)
        arguments << QString::fromLocal8Bit(argv[index]);
    const planetarch::CommandLine command = planetarch::parseCommandLine(arguments);
    if (command.action != planetarch::CommandLine::Action::Run) {
        std::FILE *stream = command.exitCode == 0 ? stdout : stderr;
        std::fputs(command.output.toLocal8Bit().constData(), stream);
        return command.exitCode;
    }

    QApplication app(argc, argv);
    return planetarch::runProgram(app);
}
