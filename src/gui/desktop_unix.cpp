// SPDX-FileCopyrightText: 2026 The Planetarch developers
// SPDX-License-Identifier: MIT
#include "gui/desktop.h"

#include "core/identity.h"

#include <QGuiApplication>
#include <QLibrary>
#include <QWidget>
#include <QWindow>

namespace planetarch::desktop {

using namespace Qt::StringLiterals;

namespace {

constexpr char LaunchToken[] = "XDG_ACTIVATION_TOKEN";

bool onWayland()
{
    return QGuiApplication::platformName().startsWith(u"wayland"_s);
}

using TokenFunction = bool (*)(QWindow *, bool, QByteArray *);

// The Wayland module: beside the program in a build tree, in the program's library folder once
// installed.
TokenFunction tokenFunction()
{
    for (const QString &folder : {QCoreApplication::applicationDirPath(), identity::ModuleFolder}) {
        QLibrary module(folder + u'/' + identity::ProgramName + u"-xdg-activation"_s);
        if (auto function =
                reinterpret_cast<TokenFunction>(module.resolve("planetarchActivationToken")))
            return function;
    }
    return nullptr;
}

} // namespace

void allowActivation(QWidget *window, const QByteArray &token)
{
    // Qt's Wayland platform hands the compositor this token as it activates a window.
    if (!onWayland())
        return;
    const QByteArray usable = token.isEmpty() ? requestToken(window->windowHandle(), false) : token;
    if (!usable.isEmpty())
        qputenv(LaunchToken, usable);
}

QByteArray requestToken(QWindow *window, bool withInput)
{
    if (!window || !onWayland())
        return {};
    static const TokenFunction function = tokenFunction();
    QByteArray token;
    if (function)
        function(window, withInput, &token);
    return token;
}

QByteArray takeLaunchToken()
{
    const QByteArray token = qgetenv(LaunchToken);
    qunsetenv(LaunchToken);
    return token;
}

} // namespace planetarch::desktop
