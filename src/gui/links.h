// SPDX-FileCopyrightText: 2026 The Planetarch developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

// How the program opens a web page: every menu command, link label and the refer-a-friend form
// hand their address (one of core/webaddresses.h, or one built from them) to open().
namespace planetarch::links {

// Hands the address to the desktop's default browser and returns at once. Whether a browser opened
// is never known and never reported: with no browser the click simply does nothing.
void open(const QString &address);

} // namespace planetarch::links
