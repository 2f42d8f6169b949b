// SPDX-FileCopyrightText: 2026 The Planetarch developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

namespace planetarch::testing {

// Clicks an entry of the window's menu bar.
inline void clickBarAction(QMainWindow *window, QAction *action)
{
    QMenuBar *bar = window->menuBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(action).center());
}

// As a person would: opens the menu from the bar with a click, then picks the item with the
// keyboard (newer Qt ignores a synthetic click on an item the pointer never moved over). False when
// either is not there or the menu did not open.
inline bool chooseMenuItem(QMainWindow *window, const QString &menuName, const QString &itemName)
{
    auto *menu = window->findChild<QMenu *>(menuName);
    auto *item = window->findChild<QAction *>(itemName);
    if (!menu || !item)
        return false;
    clickBarAction(window, menu->menuAction());
    if (!QTest::qWaitFor([menu] { return menu->isVisible(); }))
        return false;
    menu->setActiveAction(item);
    QTest::keyClick(menu, Qt::Key_Return);
    return true;
}

} // namespace planetarch::testing
