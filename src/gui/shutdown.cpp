// SPDX-FileCopyrightText: 2026 The Planetarch developers
// SPDX-License-Identifier: MIT
#include "gui/shutdown.h"

#include <QApplication>
#include <QPointer>
#include <QWidget>

namespace planetarch::shutdown {

namespace {

bool ending = false;

std::function<void()> &processEnd()
{
    static std::function<void()> end = [] { QCoreApplication::exit(0); };
    return end;
}

} // namespace

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

bool isEnding()
{
    return ending;
}

void setProcessEnd(std::function<void()> end)
{
    processEnd() = std::move(end);
    ending = false;
}

} // namespace planetarch::shutdown
