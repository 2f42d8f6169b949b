// SPDX-FileCopyrightText: 2026 The Planetarch developers
// SPDX-License-Identifier: MIT
#include "gui/links.h"

#include "core/identity.h"
#include "core/webaddresses.h"

#include <QDir>
#include <QFileInfo>
#include <QUrl>

namespace planetarch::links {

using namespace Qt::StringLiterals;

// Windows keeps no owner rule a program can lean on as Linux's: the page counts as the program's
// when it lies where the program does, so whoever could change it could change the program too.
// A link or junction on the way could lead anywhere: the page must be where it is named.
QString ownPage(const QString &path)
{
    const QFileInfo page(path);
    if (!page.isFile() || page.isSymLink())
        return {};
    const QString real = page.canonicalFilePath();
    if (real.isEmpty() ||
        real.compare(QDir::cleanPath(page.absoluteFilePath()), Qt::CaseInsensitive) != 0)
        return {};
    return real;
}

// Only beside the program: the folder above an unpacked copy may be anybody's (C:\ lets every
// user make folders).
QString helpPage(const QString &programFolder)
{
    const QString candidate = QDir::cleanPath(
        QDir(programFolder).absoluteFilePath(u"share/%1/help.html"_s.arg(identity::ProgramName)));
    if (const QString page = ownPage(candidate); !page.isEmpty())
        return QUrl::fromLocalFile(page).toString();
    return webaddresses::HelpPage;
}

} // namespace planetarch::links
