// SPDX-FileCopyrightText: 2026 The Planetarch developers
// SPDX-License-Identifier: MIT
#include "app/commandline.h"
#include "app/startup.h"
#include "core/identity.h"
#include "gui/services.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

QtMessageHandler qtHandler = nullptr;

// What Qt says while the application starts, held back until it is known whether it started.
struct HeldMessage
{
    QtMsgType type;
    QString message;
};
std::vector<HeldMessage> heldMessages;

// Qt ends the process with an abort, and a core dump, when its display platform cannot start (no
// DISPLAY or WAYLAND_DISPLAY, one that names no server, a plugin that will not load), after lines
// about plugins and reinstalling that are no use to someone who did nothing wrong: say only what
// to do, and end plainly. With QT_DEBUG_PLUGINS set, Qt's own lines come first.
void holdUntilStarted(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type != QtFatalMsg) {
        heldMessages.push_back({type, message});
        return;
    }
    if (qEnvironmentVariableIntValue("QT_DEBUG_PLUGINS") > 0) {
        for (const HeldMessage &held : heldMessages)
            qtHandler(held.type, QMessageLogContext(), held.message);
        qtHandler(QtWarningMsg, context, message); // a warning: the fatal handler would abort
    }
    std::fprintf(stderr, "%s: no display to open the window on: start it from a desktop session\n",
                 planetarch::identity::ProgramName.toLocal8Bit().constData());
    std::_Exit(1);
}

} // namespace

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

    planetarch::prepareEnvironment();

    // QApplication keeps argc and argv for the life of the program.
    static std::vector<QByteArray> qtArguments;
    static std::vector<char *> qtArgv;
    for (const QString &argument : command.qtArguments)
        qtArguments.push_back(argument.toLocal8Bit());
    for (QByteArray &argument : qtArguments)
        qtArgv.push_back(argument.data());
    qtArgv.push_back(nullptr);
    static int qtArgc = static_cast<int>(qtArguments.size());

    qtHandler = qInstallMessageHandler(holdUntilStarted);
    QApplication app(qtArgc, qtArgv.data());
    qInstallMessageHandler(qtHandler);
    for (const HeldMessage &held : heldMessages)
        qtHandler(held.type, QMessageLogContext(), held.message);
    heldMessages.clear();
    planetarch::Services services;
    return planetarch::runProgram(app, services);
}
