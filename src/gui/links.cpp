// SPDX-FileCopyrightText: 2026 The Planetarch developers
// SPDX-License-Identifier: MIT
#include "gui/links.h"

#include "core/limits.h"
#include "core/webaddresses.h"

#include <QDesktopServices>
#include <QScopedValueRollback>
#include <QUrl>

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

} // namespace planetarch::links
