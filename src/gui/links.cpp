// SPDX-FileCopyrightText: 2026 The Planetarch developers
// SPDX-License-Identifier: MIT
#include "gui/links.h"

#include "core/identity.h"
#include "core/limits.h"
#include "core/webaddresses.h"

#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QScopedValueRollback>
#include <QUrl>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace planetarch::links {

using namespace Qt::StringLiterals;

namespace {

// The forms of the address being handed over, while it is; empty otherwise.
QStringList withheld;
QtMessageHandler previousHandler = nullptr;

// Qt reports a launch that failed ("Launch failed (xdg-open <address>)") on stderr; the address
// is taken out of anything it says while a page is being opened.
void withholdAddress(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    QString text = message;
    for (const QString &form : std::as_const(withheld)) {
        if (!form.isEmpty())
            text.replace(form, u"<address withheld>"_s);
    }
    if (previousHandler)
        previousHandler(type, context, text);
}

// Whether path and every folder from it up to top belong to root or this user and none is
// writable by anyone else (a link counts by its owner alone).
bool ownChain(QString path, const QString &top)
{
#ifdef Q_OS_UNIX
    for (;;) {
        struct stat entry = {};
        if (::lstat(QFile::encodeName(path).constData(), &entry) != 0 ||
            (entry.st_uid != 0 && entry.st_uid != ::geteuid()) ||
            (!S_ISLNK(entry.st_mode) && (entry.st_mode & (S_IWGRP | S_IWOTH))))
            return false;
        if (path == top || !path.startsWith(top + u'/'))
            return true;
        path = QFileInfo(path).path();
    }
#else
    Q_UNUSED(path);
    Q_UNUSED(top);
    return true;
#endif
}

// A page is the program's own only when nobody else could have put it there: where another user
// may write (a build in a shared temporary folder), that user could plant a page, or a launcher
// in its place, for the desktop of whoever runs the program to open. Checked as named and as the
// links lead, up to the folder the program was built or installed in.
bool isOwnPage(const QString &page, const QString &root)
{
    return ownChain(QDir::cleanPath(page), QDir::cleanPath(root)) &&
           ownChain(QFileInfo(page).canonicalFilePath(), QFileInfo(root).canonicalFilePath());
}

} // namespace

bool open(const QString &address)
{
    if (address.size() > limits::AddressLength)
        return false;
    // No shell is involved: the address goes to the desktop's URL handler as a URL, never as a
    // command line. The result says nothing useful (true even when the browser later fails).
    const QUrl url(address, QUrl::StrictMode);
    const QScopedValueRollback forms(
        withheld, QStringList{address, QString::fromUtf8(url.toEncoded()),
                              QUrl::fromPercentEncoding(address.toUtf8()), url.toDisplayString()});
    previousHandler = qInstallMessageHandler(withholdAddress);
    QDesktopServices::openUrl(url);
    qInstallMessageHandler(previousHandler);
    previousHandler = nullptr;
    return true;
}

QString helpPage(const QString &programFolder)
{
    // Beside the program in a build tree, then where it is installed.
    for (const QString &root : {programFolder, programFolder + u"/.."_s}) {
        const QString candidate = root + u"/share/%1/help.html"_s.arg(identity::ProgramName);
        if (const QFileInfo page(candidate); page.isFile() && isOwnPage(candidate, root))
            return QUrl::fromLocalFile(page.canonicalFilePath()).toString();
    }
    return webaddresses::HelpPage;
}

} // namespace planetarch::links
