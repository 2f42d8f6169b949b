// SPDX-FileCopyrightText: 2026 The Planetarch developers
// SPDX-License-Identifier: MIT
#pragma once

// The main window. Under the menu bar it shows a forum link, a panel area and a banner strip. The
// panel area holds two opaque frames on one rectangle: the entry panel fraMain (name and birth
// date) and the result panel fraResult (the reading); showing a panel raises its frame, neither is
// ever hidden. "Get My Planetary Archetype" validates the entry (validateEntry), hands day and
// month to the engine's ReadingEngine, writes each ruler it matches into the result panel and
// raises fraResult; "Do It Once Again" resets the entry and raises fraMain.

#include "zodiac.h"

#include <QMainWindow>
#include <QPixmap>

#include <array>

class QAction;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace planetarch {

class LinkLabel;
class PanelFrame;

class FrmMain : public QMainWindow
{
    Q_OBJECT

public:
    explicit FrmMain(QWidget *parent = nullptr);

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
    void buildResultPanel(QWidget *client);
    void buildBannerStrip(QWidget *client);
    void connectCommands();
    void loadPlanetPictures();

    void prepareEntry();
    void resetEntry();
    bool filterNameKey(QKeyEvent *event);
    void proceed();
    void back();
    void showMatch(const RulerMatch &match);
    void showAbout();
    void setPanelKeyboardReach(QWidget *panel, bool reachable);

    ReadingEngine m_engine;
    std::array<QPixmap, PlanetCount> m_img; // the image list, by planet index
    bool m_proceeding = false;              // a click of cmdProceed is being handled

    LinkLabel *m_label14 = nullptr;
    PanelFrame *m_fraMain = nullptr;
    PanelFrame *m_fraResult = nullptr;
    QLineEdit *m_txtName = nullptr;
    QComboBox *m_cboDate = nullptr;
    QComboBox *m_cboMonth = nullptr;
    QComboBox *m_cboYear = nullptr;
    QPushButton *m_cmdProceed = nullptr;
    QPushButton *m_cmdBack = nullptr;
    QLabel *m_picPlanet = nullptr;
    std::array<QLabel *, 8> m_lblResult{};
    LinkLabel *m_lblFullBrand = nullptr;
    LinkLabel *m_lblCobrand = nullptr;

    QAction *m_mnuExit = nullptr;
    QAction *m_mnuOnline = nullptr;
    QAction *m_mnuVisit = nullptr;
    QAction *m_mnuUpdate = nullptr;
    QAction *m_mnuAbout = nullptr;
    QAction *m_mnuDonate = nullptr;
};

} // namespace planetarch
