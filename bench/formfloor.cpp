// SPDX-FileCopyrightText: 2026 The Planetarch developers
// SPDX-License-Identifier: MIT

// The second floor of the start-up benchmark: the main window's own form (uic from
// src/gui/mainwindow.ui) with the same widgets, theme, pictures and list items as the program, and
// nothing behind them: no commands, no guard, no settings, no printing. What the program costs
// beyond this is the program's own doing.

#include "ui_mainwindow.h"

#include "core/entryrules.h"
#include "core/limits.h"
#include "core/webaddresses.h"
#include "gui/desktop.h"
#include "gui/widgets/theme.h"

#include <QApplication>
#include <QMainWindow>
#include <QUrl>

using namespace Qt::StringLiterals;

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setWindowIcon(planetarch::desktop::programIcon());
    QMainWindow window;
    window.setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint);
    Ui::MainWindow ui;
    ui.setupUi(&window);
    ui.Label14->setText(ui.Label14->text().arg(QUrl(planetarch::webaddresses::HomePage).host()));
    ui.Picture1->setPixmap(
        planetarch::theme::loadPicture(u":/star.png"_s, window.devicePixelRatio()));
    planetarch::desktop::applyDesign(&window);
    ui.txtName->setMaxLength(planetarch::limits::NameLength);
    ui.cboDate->addItems(planetarch::dayItems());
    ui.cboMonth->addItems(planetarch::monthItems());
    ui.cboYear->addItems(planetarch::yearItems());
    for (QAction *command : {ui.mnuCopy, ui.mnuSave, ui.mnuSavePdf, ui.mnuPrint})
        command->setEnabled(false);
    window.show();
    return app.exec();
}
