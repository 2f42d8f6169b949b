// SPDX-FileCopyrightText: 2026 The Planetarch developers
// SPDX-License-Identifier: MIT
#include "gui/links.h"

#include <QDesktopServices>
#include <QUrl>

namespace planetarch::links {

void open(const QString &address)
{
    // No shell is involved: the address goes to the desktop's URL handler as a URL, never as a
    // command line. The result says nothing useful (true even when the browser later fails).
    QDesktopServices::openUrl(QUrl(address, QUrl::StrictMode));
}

} // namespace planetarch::links
