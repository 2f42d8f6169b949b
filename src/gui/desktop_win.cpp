// SPDX-FileCopyrightText: 2026 The Planetarch developers
// SPDX-License-Identifier: MIT
#include "gui/desktop.h"

#include <QByteArray>

// Windows hands the foreground to a process that the one holding it allowed
// (AllowSetForegroundWindow, which a second start calls before it asks): no tokens.
namespace planetarch::desktop {

void allowActivation(QWidget *, const QByteArray &)
{
}

QByteArray requestToken(QWindow *, bool)
{
    return {};
}

QByteArray takeLaunchToken()
{
    return {};
}

} // namespace planetarch::desktop
