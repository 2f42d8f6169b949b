// SPDX-FileCopyrightText: 2026 The Planetarch developers
// SPDX-License-Identifier: MIT
#pragma once

// The main window; its form is mainwindow.ui. Under the menu bar it shows a forum link, a stack of
// two panels and a banner strip. The panels take turns on one rectangle: the entry panel fraMain
// (name and birth date) and the result panel fraResult (the reading). "Get My Planetary
// Archetype" reads the entry once, checks it (core/entryrules.h), takes its reading from the
// engine (readingengine::readingFor), keeps both as a PersonalReading, shows the reading on the
// result panel and brings that to the front; the File menu's reading commands take the same
// PersonalReading. "Do It Once Again" resets the entry and shows fraMain again. Menu commands and
// link labels open their pages through links::open(); closing the window hands over to the
// ExitWindow, which it shows and leaves to live on. The banner strip shows the offer drawn when
// the window is built.

#include "core/readingengine.h"

#include <QMainWindow>

#include <memory>
#include <optional>

class QActionGroup;

namespace Ui {
class MainWindow;
}

namespace planetarch {

class ResultPanel;
class Services;

class MainWindow final : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(Services &services, QWidget *parent = nullptr);
    ~MainWindow() override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void connectCommands();
    // True when the entry has a reading; otherwise it has shown why and returns false.
    bool validate(const Entry &entry);
    void proceed();
    void back();
    // The result panel in front, or the entry panel; the reading's commands go with it.
    void showPanel(QWidget *panel);
    ResultPanel *resultPanel();
    void refuseNameText();

    Services &m_services;
    std::unique_ptr<Ui::MainWindow> m_ui;
    std::optional<PersonalReading> m_reading;  // the reading on the result panel, and whose
    QActionGroup *m_readingCommands = nullptr; // Copy, Save, Save as PDF, Print
    QString m_saveFolder;                      // where the last reading was saved
    ResultPanel *m_resultPanel = nullptr;      // built for the first reading
    bool m_proceeding = false;                 // a press of the archetype button is being handled
    QString m_donate;                          // the Donate command's text, with its access key
};

} // namespace planetarch
