// SPDX-FileCopyrightText: 2026 The Planetarch developers
// SPDX-License-Identifier: MIT
#pragma once

// The main window. Under the menu bar it shows a forum link, a panel area and a banner strip. The
// panel area holds two opaque frames on one rectangle: the entry panel fraMain (name and birth
// date) and the result panel fraResult (the reading); showing a panel raises its frame, neither is
// ever hidden. "Get My Planetary Archetype" validates the entry (validateEntry, on the rules of
// core/entryrules.h), hands day and month to the ReadingEngine, writes each ruler it matches into
// the result panel and raises fraResult; "Do It Once Again" resets the entry and raises fraMain.
// Menu commands and link labels open their pages through links::open(); closing the window hands
// over to the ExitWindow.

#include "core/readingengine.h"

#include <QMainWindow>
#include <QPixmap>

#include <array>

class QAction;
class QComboBox;
class QInputMethodEvent;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QPushButton;

namespace planetarch {

class CaptionedFrame;
class LinkLabel;

class MainWindow final : public QMainWindow
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(MainWindow)

public:
    explicit MainWindow(QWidget *parent = nullptr);

    // True when the entry may be read; otherwise it has shown why and returns false.
    bool validateEntry();

    void showEntryPanel();
    void showResultPanel();
    bool resultPanelInFront() const;

    // The banner strip's two labels share one rectangle; the raised one is the one seen.
    void raiseFullBrandBanner();
    void raiseCoBrandBanner();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void buildMenus();
    void buildEntryPanel(QWidget *client);
    void buildResultPanel();
    void buildBannerStrip(QWidget *client);
    void connectCommands();
    const QPixmap &planetPicture(int planetIndex);

    void prepareEntry();
    void resetEntry();
    bool filterNameKey(QKeyEvent *event);
    bool filterNameCommit(QInputMethodEvent *event);
    void refuseNameText();
    void proceed();
    void back();
    void showMatch(const RulerMatch &match);
    void showAbout();
    void setPanelKeyboardReach(QWidget *panel, bool reachable);

    ReadingEngine m_engine;
    std::array<QPixmap, PlanetCount> m_planetPictures; // by planet index, decoded when first shown
    bool m_proceeding = false; // a press of the archetype button is being handled

    LinkLabel *m_forumLink = nullptr;
    CaptionedFrame *m_entryPanel = nullptr;
    CaptionedFrame *m_resultPanel = nullptr; // built for the first reading
    QLineEdit *m_nameEdit = nullptr;
    QComboBox *m_dayList = nullptr;
    QComboBox *m_monthList = nullptr;
    QComboBox *m_yearList = nullptr;
    QPushButton *m_archetypeButton = nullptr;
    QPushButton *m_againButton = nullptr;
    QLabel *m_planetPicture = nullptr;
    std::array<QLabel *, 8> m_resultLabels{};
    LinkLabel *m_fullBrandBanner = nullptr;
    LinkLabel *m_coBrandBanner = nullptr;

    QAction *m_exitAction = nullptr;
    QAction *m_onlineHelpAction = nullptr;
    QAction *m_visitAction = nullptr;
    QAction *m_updateAction = nullptr;
    QAction *m_aboutAction = nullptr;
    QAction *m_donateAction = nullptr;
};

} // namespace planetarch
