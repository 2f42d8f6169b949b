// SPDX-FileCopyrightText: 2026 The Planetarch developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>

class QWindow;

namespace planetarch::activation {

// A Wayland compositor hands the focus to another window only with a token it issued. This asks
// for one on behalf of window (which must be on screen): withInput, for the user's last key or
// click in it, which lets the window the token is given to take the focus; without, one that
// only asks for attention. Empty where there is no Wayland, no such protocol or no answer.
QByteArray requestToken(QWindow *window, bool withInput);

} // namespace planetarch::activation
