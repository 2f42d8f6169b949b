// SPDX-FileCopyrightText: 2026 The Planetarch developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

// How the program opens a web page: every menu command, link label and the refer-a-friend form
// hand their address (one of core/webaddresses.h, or one built from them) to open().
namespace planetarch::links {

// Hands the address to the desktop's default browser and returns at once. Whether a browser opened
// is never known and never reported: with no browser the click simply does nothing. An address
// longer than a browser can be handed (limits::AddressLength) is not handed over: false. Whatever
// Qt reports about the hand-over never shows the address: the refer-a-friend form's carries the
// user's and a friend's names and e-mail addresses, and stderr ends in the session's journal.
bool open(const QString &address);

// The address Online Help opens, decided each time it is asked: as a file: address, the help page
// beside the program (share/planetarch/help.html in its folder: a build tree, or an installation
// on Windows) or, on Linux, the one installed with it (<prefix>/share/planetarch/help.html beside
// <prefix>/games/planetarch), when ownPage() takes it; the build's web address otherwise.
QString helpPage(const QString &programFolder);

// The path to hand a browser for the page at path, or empty when the page is not the program's
// own. On Linux: when nobody but root and this user could have put it there, or could put another
// in its place before the browser reads it. On Windows: when it is a file reached through no link
// or junction, in the program's own folder, which nobody can change who could not change the
// program itself. The path handed over is the one checked, every link on it resolved.
QString ownPage(const QString &path);

} // namespace planetarch::links
