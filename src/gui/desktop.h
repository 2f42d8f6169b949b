// SPDX-FileCopyrightText: 2026 The Planetarch developers
// SPDX-License-Identifier: MIT
#pragma once

// How the program's windows meet the desktop: their title, icon, size and place; coming forward
// when a second start asks; and work that waits until the first frame is on screen.

#include <QByteArray>

#include <functional>

class QIcon;
class QWidget;
class QWindow;

namespace planetarch::desktop {

// The program's icon, at every size the pictures offer.
QIcon programIcon();

// The one step after setupUi(): the looks of every widget of the window (theme::applyLooks), its
// links after its other controls in the Tab order, then its title (the program's caption), icon,
// fixed size and place in the middle of the screen.
void applyDesign(QWidget *window);

// What a second start asks of the running copy: a window waiting for an answer (a message, About)
// before the window under it, then the main window, then the exit window comes forward, out of
// its minimised state, with the activation token the second start sent (empty for none).
void bringForward(const QByteArray &token);

// Readies the desktop to let window take the focus: on Wayland the compositor wants a token, the
// one given or else one of the window's own (no input behind it), with which the desktop shows
// that the window asks for attention. Windows asks nothing of the window that takes the focus:
// the copy that holds it lets it go (the single-instance guard's part).
void allowActivation(QWidget *window, const QByteArray &token);

// A Wayland compositor hands the focus to another window only with a token it issued. This asks
// for one on behalf of window (which must be on screen): withInput, for the user's last key or
// click in it, which lets the window the token is given to take the focus; without, one that
// only asks for attention. Empty where there is no Wayland (always on Windows), no such protocol
// or no answer.
QByteArray requestToken(QWindow *window, bool withInput);

// The token the launcher gave this start (XDG_ACTIVATION_TOKEN), taken out of the environment so
// that no window of this copy spends it; none on Windows.
QByteArray takeLaunchToken();

// Runs work once the window's first frame is on screen.
void afterFirstFrame(QWidget *window, std::function<void()> work);

} // namespace planetarch::desktop
