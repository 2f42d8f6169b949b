// SPDX-FileCopyrightText: 2026 The Planetarch developers
// SPDX-License-Identifier: MIT
#include "modhelp.h"

#include "addresses.h"

#include <QApplication>
#include <QDesktopServices>
#include <QPointer>
#include <QUrl>
#include <QWidget>

namespace planetarch::modHelp {

namespace {

bool ending = false;

std::function<void()> &processEnd()
{
    static std::function<void()> end = [] { QCoreApplication::exit(0); };
    return end;
}

} // namespace

void openWebPage(const QString &address)
{
    // No shell is involved: the address goes to the desktop's URL handler as a URL, never as a
    // command line. The result says nothing useful (true even when the browser later fails).
    QDesktopServices::openUrl(QUrl(address, QUrl::StrictMode));
}

void openHelpPage()
{
    openWebPage(addresses::HelpPage);
}

void openHomePage()
{
    openWebPage(addresses::HomePage);
}

void openSoftwareSuitePage()
{
    openWebPage(addresses::SoftwareSuitePage);
}

void openDonatePage()
{
    openWebPage(addresses::DonatePage);
}

void openFullBrandPage()
{
    openWebPage(addresses::FullBrandPage);
}

void openCoBrandPage()
{
    openWebPage(addresses::CoBrandPage);
}

void openDownloadPage()
{
    openWebPage(addresses::DownloadPage);
}

void endProgram()
{
    if (ending)
        return;
    ending = true;
    QList<QPointer<QWidget>> windows;
    const QWidgetList topLevel = QApplication::topLevelWidgets();
    for (QWidget *window : topLevel) {
        if (window->isVisible())
            windows.append(window);
    }
    // A window may refuse or already be gone when its turn comes; the others still close.
    for (const QPointer<QWidget> &window : std::as_const(windows)) {
        if (window)
            window->close();
    }
    processEnd()();
}

bool programEnding()
{
    return ending;
}

void setProcessEnd(std::function<void()> end)
{
    processEnd() = std::move(end);
    ending = false;
}

} // namespace planetarch::modHelp
