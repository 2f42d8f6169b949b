// SPDX-FileCopyrightText: 2026 The Planetarch developers
// SPDX-License-Identifier: MIT
#include "gui/links.h"

#include "core/identity.h"
#include "core/webaddresses.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QUrl>

#include <sys/stat.h>
#include <unistd.h>

namespace planetarch::links {

using namespace Qt::StringLiterals;

namespace {

// Whether nobody but root and this user can change what an absolute path names, from the file
// system's root down: every folder, link and file on the way is theirs; no folder lets others
// write in it unless its sticky bit keeps them off entries that are not theirs (as /tmp does); the
// file itself is writable by no one else. A link counts by its owner alone.
bool closedToOthers(const QString &path)
{
    QStringList chain{u"/"_s};
    for (qsizetype slash = path.indexOf(u'/', 1); slash > 0; slash = path.indexOf(u'/', slash + 1))
        chain << path.left(slash);
    chain << path;
    for (const QString &step : std::as_const(chain)) {
        struct stat entry = {};
        if (::lstat(QFile::encodeName(step).constData(), &entry) != 0 ||
            (entry.st_uid != 0 && entry.st_uid != ::geteuid()))
            return false;
        const bool othersWrite = entry.st_mode & (S_IWGRP | S_IWOTH);
        if (S_ISDIR(entry.st_mode) ? othersWrite && !(entry.st_mode & S_ISVTX)
                                   : othersWrite && !S_ISLNK(entry.st_mode))
            return false;
    }
    return true;
}

} // namespace

// Checked as named (a link planted where the page belongs, even one to a good page, is not the
// program's), then as the links lead; the page itself is a regular file.
QString ownPage(const QString &path)
{
    if (!path.startsWith(u'/') || QDir::cleanPath(path) != path || !closedToOthers(path))
        return {};
    const QString real = QFileInfo(path).canonicalFilePath();
    struct stat page = {};
    if (real.isEmpty() || !closedToOthers(real) ||
        ::lstat(QFile::encodeName(real).constData(), &page) != 0 || !S_ISREG(page.st_mode))
        return {};
    return real;
}

QString helpPage(const QString &programFolder)
{
    // Beside the program in a build tree, then where it is installed.
    for (const QString &root : {programFolder, programFolder + u"/.."_s}) {
        const QString candidate = QDir::cleanPath(
            QDir(root).absoluteFilePath(u"share/%1/help.html"_s.arg(identity::ProgramName)));
        if (const QString page = ownPage(candidate); !page.isEmpty())
            return QUrl::fromLocalFile(page).toString();
    }
    return webaddresses::HelpPage;
}

} // namespace planetarch::links
