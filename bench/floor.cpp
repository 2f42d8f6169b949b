// SPDX-FileCopyrightText: 2026 The Planetarch developers
// SPDX-License-Identifier: MIT

// The floor the start-up benchmark compares the program with: the least a Qt Widgets program with
// the same kind of window does. A QMainWindow with a menu bar and one label, at the main window's
// size and title.

#include "core/identity.h"

#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(planetarch::identity::WindowCaption);
    window.menuBar()->addMenu(QStringLiteral("&File"))->addAction(QStringLiteral("E&xit"));
    auto *label = new QLabel(QStringLiteral("Planetarch"), &window);
    label->setFixedSize(592, 370); // the main window's client area
    window.setCentralWidget(label);
    window.show();
    return app.exec();
}
