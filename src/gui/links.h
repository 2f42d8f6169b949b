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

// The address Online Help opens: the help page a build tree keeps beside the program, or the one
// installed with it (<prefix>/share/planetarch/help.html beside <prefix>/games/planetarch), as a
// file: address, when it and its folders up to the build or install folder are root's or this
// user's and writable by no one else; the build's web address otherwise.
QString helpPage(const QString &programFolder);

} // namespace planetarch::links
