// SPDX-FileCopyrightText: 2026 The Planetarch developers
// SPDX-License-Identifier: MIT
#include "gui/mainwindow.h"

#include "ui_mainwindow.h"

#include "core/entryrules.h"
#include "core/limits.h"
#include "core/startuprules.h"
#include "core/webaddresses.h"
#include "gui/aboutdialog.h"
#include "gui/exitwindow.h"
#include "gui/links.h"
#include "gui/readingexport.h"
#include "gui/resultpanel.h"
#include "gui/services.h"
#include "gui/widgets/theme.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QScopedValueRollback>
#include <QUrl>

namespace planetarch {

using namespace Qt::StringLiterals;

MainWindow::MainWindow(Services &services, QWidget *parent)
    : QMainWindow(parent), m_services(services), m_ui(new Ui::MainWindow)
{
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    m_ui->setupUi(this);
    m_ui->Label14->setText(m_ui->Label14->text().arg(QUrl(webaddresses::HomePage).host()));
    m_ui->Picture1->setPixmap(theme::loadPicture(u":/star.png"_s, devicePixelRatio()));
    theme::applyDesign(this);

    m_ui->txtName->setMaxLength(limits::NameLength);
    m_ui->txtName->installEventFilter(this);
    connectCommands();

    // What the window does when it loads.
    prepareEntry();
    showEntryPanel();
    raiseDrawnBanner();
}

MainWindow::~MainWindow() = default;

void MainWindow::connectCommands()
{
    connect(m_ui->cmdProceed, &QPushButton::clicked, this, &MainWindow::proceed);
    connect(m_ui->mnuExit, &QAction::triggered, this, &QWidget::close);
    // The reading's own commands act on the reading shown, and only while it is in front.
    const auto onReading = [this](QAction *command, auto take) {
        connect(command, &QAction::triggered, this, [this, take] {
            if (m_reading)
                take(*m_reading);
        });
    };
    onReading(m_ui->mnuCopy,
              [this](const ArchetypeReading &r) { readingexport::copy(r, devicePixelRatio()); });
    onReading(m_ui->mnuSave, [this](const ArchetypeReading &r) {
        readingexport::saveAsPicture(r, devicePixelRatio(), m_services, this);
    });
    onReading(m_ui->mnuSavePdf,
              [this](const ArchetypeReading &r) { readingexport::saveAsPdf(r, m_services, this); });
    onReading(m_ui->mnuPrint,
              [this](const ArchetypeReading &r) { readingexport::print(r, m_services, this); });
    connect(m_ui->mnuAbout, &QAction::triggered, this, &MainWindow::showAbout);
    const auto opens = [this](auto *sender, auto signal, const QString &address) {
        connect(sender, signal, this, [address] { links::open(address); });
    };
    opens(m_ui->mnuOnline, &QAction::triggered,
          links::helpPage(QCoreApplication::applicationDirPath()));
    opens(m_ui->mnuVisit, &QAction::triggered, webaddresses::HomePage);
    opens(m_ui->mnuUpdate, &QAction::triggered, webaddresses::DownloadPage);
    opens(m_ui->mnuDonate, &QAction::triggered, webaddresses::DonatePage);
    opens(m_ui->Label14, &LinkLabel::clicked, webaddresses::HomePage);
    opens(m_ui->lblFullBrand, &LinkLabel::clicked, webaddresses::FullBrandPage);
    opens(m_ui->lblCobrand, &LinkLabel::clicked, webaddresses::CoBrandPage);
}

void MainWindow::showAbout()
{
    // Built afresh for each showing; the main window takes no input until it is closed. open()
    // rather than exec(): the command returns at once, so a screen reader that triggered it through
    // the menu's accessible action is not held until the window closes.
    auto *about = new AboutDialog(this);
    about->setAttribute(Qt::WA_DeleteOnClose);
    about->open();
}

// Built for the first reading rather than with the window: nobody sees it before, and start-up is
// shorter without it.
ResultPanel *MainWindow::resultPanel()
{
    if (!m_resultPanel) {
        m_resultPanel = new ResultPanel;
        m_ui->panels->addWidget(m_resultPanel);
        connect(m_resultPanel->againButton(), &QPushButton::clicked, this, &MainWindow::back);
        m_resultPanel->setContextMenuPolicy(Qt::ActionsContextMenu);
        m_resultPanel->addActions(readingCommands());
    }
    return m_resultPanel;
}

void MainWindow::prepareEntry()
{
    m_ui->cboDate->addItems(dayItems());
    m_ui->cboMonth->addItems(monthItems());
    m_ui->cboYear->addItems(yearItems());
    for (QComboBox *list : {m_ui->cboDate, m_ui->cboMonth, m_ui->cboYear})
        list->setCurrentIndex(0);
}

void MainWindow::resetEntry()
{
    // Focus first: a screen reader that learns of the cleared text before the focus takes the
    // change for the arrival, and announces nothing.
    m_ui->txtName->setFocus();
    m_ui->txtName->clear();
    for (QComboBox *list : {m_ui->cboDate, m_ui->cboMonth, m_ui->cboYear})
        list->setCurrentIndex(0);
}

bool MainWindow::validateEntry()
{
    switch (checkEntry(m_ui->txtName->text(), m_ui->cboDate->currentIndex(),
                       m_ui->cboMonth->currentIndex(), m_ui->cboYear->currentText().toInt())) {
    case EntryVerdict::Valid:
        return true;
    case EntryVerdict::BlankName:
        m_services.critical(this, u"Please Enter Name"_s);
        m_ui->txtName->setFocus();
        return false;
    case EntryVerdict::NoSuchFebruaryDay:
        m_services.information(this, u"Please Enter Correct Date Or Month!"_s);
        return false;
    case EntryVerdict::NoSuchThirtyFirst:
        m_services.information(this, u"Please Enter Correct Date Or Month !"_s);
        return false;
    }
    return false;
}

bool MainWindow::filterNameCommit(QInputMethodEvent *event)
{
    if (acceptsNameText(event->commitString()))
        return false;
    // The composition still ends: the box gets the same event without the refused text.
    QInputMethodEvent withoutCommit(event->preeditString(), event->attributes());
    QCoreApplication::sendEvent(m_ui->txtName, &withoutCommit);
    refuseNameText();
    return true;
}

void MainWindow::refuseNameText()
{
    m_services.critical(this, u"First Name Can Accept Text Only"_s);
    m_ui->txtName->setFocus();
}

bool MainWindow::filterNameKey(QKeyEvent *event)
{
    const std::optional<int> code = typedCharacter(event->key(), event->modifiers(), event->text());
    if (!code || isNameCharacter(*code))
        return false;
    refuseNameText();
    return true;
}

void MainWindow::proceed()
{
    const QScopedValueRollback busy(m_proceeding, true);
    if (!validateEntry())
        return;
    ResultPanel *panel = resultPanel();
    // With no ruler found (no month the list offers) the panel keeps what it showed.
    if (const auto reading = readingengine::readingFor(m_ui->cboDate->currentIndex() + 1,
                                                       m_ui->cboMonth->currentIndex())) {
        m_reading = reading;
        panel->showReading(*reading);
    }
    showResultPanel();
}

void MainWindow::back()
{
    showEntryPanel();
    resetEntry();
}

void MainWindow::showEntryPanel()
{
    m_ui->panels->setCurrentWidget(m_ui->fraMain);
    setReadingCommandsEnabled(false);
}

void MainWindow::setReadingCommandsEnabled(bool enabled)
{
    for (QAction *command : readingCommands())
        command->setEnabled(enabled);
}

QList<QAction *> MainWindow::readingCommands() const
{
    return {m_ui->mnuCopy, m_ui->mnuSave, m_ui->mnuSavePdf, m_ui->mnuPrint};
}

void MainWindow::showResultPanel()
{
    const bool focusWasOnEntry = m_ui->fraMain->isAncestorOf(focusWidget());
    m_ui->panels->setCurrentWidget(resultPanel());
    setReadingCommandsEnabled(true);
    // Keep the keyboard on something the user can see.
    if (focusWasOnEntry || !focusWidget())
        m_resultPanel->againButton()->setFocus();
}

void MainWindow::raiseDrawnBanner()
{
    switch (bannerChoice(coBrandNumber(m_services.draw()))) {
    case BannerChoice::FullBrand:
        m_ui->banners->setCurrentWidget(m_ui->lblFullBrand);
        break;
    case BannerChoice::CoBrand:
        m_ui->banners->setCurrentWidget(m_ui->lblCobrand);
        break;
    case BannerChoice::AsBuilt:
        break;
    }
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    // The main window always closes; the exit window takes over and ends the program later.
    event->accept();
    if (m_services.isEnding())
        return;
    if (m_proceeding) {
        // Closed while a reading is still being handled (its message box open, say): there is no
        // exit window to take over, so end here rather than live on windowless, holding the lock.
        m_services.endProgram();
        return;
    }
    // No owner: it outlives this window, and deletes itself when it closes.
    auto *exitWindow = new ExitWindow(m_services);
    exitWindow->setAttribute(Qt::WA_DeleteOnClose);
    exitWindow->show();
    exitWindow->raise();
    exitWindow->activateWindow();
}

bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_ui->txtName && event->type() == QEvent::KeyPress)
        return filterNameKey(static_cast<QKeyEvent *>(event));
    if (watched == m_ui->txtName && event->type() == QEvent::InputMethod)
        return filterNameCommit(static_cast<QInputMethodEvent *>(event));
    return QMainWindow::eventFilter(watched, event);
}

} // namespace planetarch
