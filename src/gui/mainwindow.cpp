// SPDX-FileCopyrightText: 2026 The Planetarch developers
// SPDX-License-Identifier: MIT
#include "gui/mainwindow.h"

#include "ui_mainwindow.h"

#include "core/entryrules.h"
#include "core/limits.h"
#include "core/randomdraw.h"
#include "core/webaddresses.h"
#include "gui/aboutdialog.h"
#include "gui/desktop.h"
#include "gui/exitwindow.h"
#include "gui/links.h"
#include "gui/readingexport.h"
#include "gui/resultpanel.h"
#include "gui/services.h"
#include "gui/widgets/textbox.h"
#include "gui/widgets/theme.h"

#include <QActionGroup>
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
    m_donate = m_ui->mnuDonate->text();
    m_ui->Label14->setText(m_ui->Label14->text().arg(QUrl(webaddresses::HomePage).host()));
    m_ui->Picture1->setPixmap(theme::loadPicture(u":/star.png"_s, devicePixelRatio()));
    desktop::applyDesign(this);

    m_ui->txtName->setMaxLength(limits::NameLength);
    m_ui->txtName->installEventFilter(this);
    // Text that reaches the name box by another route than a typed key meets the same rule.
    m_ui->txtName->setRule(acceptsNameText);
    connect(m_ui->txtName, &TextBox::refused, this, &MainWindow::refuseNameText);
    // The platform's keys, beside the menus' own texts.
    m_ui->mnuOnline->setShortcut(QKeySequence(Qt::Key_F1));
    m_ui->mnuExit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    m_readingCommands = new QActionGroup(this);
    m_readingCommands->setExclusionPolicy(QActionGroup::ExclusionPolicy::None);
    for (QAction *command : {m_ui->mnuCopy, m_ui->mnuSave, m_ui->mnuSavePdf, m_ui->mnuPrint})
        m_readingCommands->addAction(command);
    connectCommands();

    // What the window does when it loads: the lists filled (each showing its first item), the
    // entry panel in front and one of the two banners drawn.
    m_ui->cboDate->addItems(dayItems());
    m_ui->cboMonth->addItems(monthItems());
    m_ui->cboYear->addItems(yearItems());
    showPanel(m_ui->fraMain);
    m_ui->banners->setCurrentWidget(
        randomdraw::showsFullBranding(m_services.draw()) ? m_ui->lblFullBrand : m_ui->lblCobrand);
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
    using Reading = const PersonalReading &;
    onReading(m_ui->mnuCopy, [this](Reading r) { readingexport::copy(r, devicePixelRatio()); });
    onReading(m_ui->mnuSave, [this](Reading r) {
        readingexport::saveAsPicture(r, devicePixelRatio(), m_saveFolder, m_services, this);
    });
    onReading(m_ui->mnuSavePdf,
              [this](Reading r) { readingexport::saveAsPdf(r, m_saveFolder, m_services, this); });
    onReading(m_ui->mnuPrint, [this](Reading r) { readingexport::print(r, m_services, this); });
    connect(m_ui->mnuAbout, &QAction::triggered, this, [this] {
        // Built afresh for each showing; the main window takes no input until it is closed.
        // open() rather than exec(): the command returns at once, so a screen reader that
        // triggered it through the menu's accessible action is not held until the window closes.
        auto *about = new AboutDialog(this);
        about->setAttribute(Qt::WA_DeleteOnClose);
        about->open();
    });
    const auto opens = [this](auto *sender, auto signal, const QString &address) {
        connect(sender, signal, this, [address] { links::open(address); });
    };
    // Whose the help page is, decided when it is asked for: a page fine at start-up may have been
    // swapped since.
    connect(m_ui->mnuOnline, &QAction::triggered, this,
            [] { links::open(links::helpPage(QCoreApplication::applicationDirPath())); });
    opens(m_ui->mnuVisit, &QAction::triggered, webaddresses::HomePage);
    opens(m_ui->mnuUpdate, &QAction::triggered, webaddresses::DownloadPage);
    opens(m_ui->mnuDonate, &QAction::triggered, webaddresses::DonatePage);
    opens(m_ui->Label14, &LinkLabel::clicked, webaddresses::HomePage);
    opens(m_ui->lblFullBrand, &LinkLabel::clicked, webaddresses::FullBrandPage);
    opens(m_ui->lblCobrand, &LinkLabel::clicked, webaddresses::CoBrandPage);
}

// Built for the first reading rather than with the window: nobody sees it before, and start-up is
// shorter without it.
ResultPanel *MainWindow::resultPanel()
{
    if (!m_resultPanel) {
        m_resultPanel = new ResultPanel;
        m_ui->panels->addWidget(m_resultPanel);
        connect(m_resultPanel->againButton(), &QPushButton::clicked, this, &MainWindow::back);
        setTabOrder(m_ui->cmdProceed, m_resultPanel->againButton()); // before the links
        m_resultPanel->setContextMenuPolicy(Qt::ActionsContextMenu);
        m_resultPanel->addActions(m_readingCommands->actions());
    }
    return m_resultPanel;
}

bool MainWindow::validate(const Entry &entry)
{
    const EntryVerdict verdict = checkEntry(entry);
    if (verdict == EntryVerdict::BlankName) {
        m_services.critical(this, u"Please Enter Name"_s);
        m_ui->txtName->setFocus();
    } else if (verdict != EntryVerdict::Valid) {
        // The February text has no blank before its mark, the other one has.
        m_services.information(this, verdict == EntryVerdict::NoSuchFebruaryDay
                                         ? u"Please Enter Correct Date Or Month!"_s
                                         : u"Please Enter Correct Date Or Month !"_s);
    }
    return verdict == EntryVerdict::Valid;
}

void MainWindow::proceed()
{
    const QScopedValueRollback busy(m_proceeding, true);
    const Entry entry{m_ui->txtName->text(), m_ui->cboDate->currentIndex() + 1,
                      m_ui->cboMonth->currentIndex() + 1, m_ui->cboYear->currentText().toInt()};
    if (!validate(entry))
        return;
    // The lists offer only the twelve months, so there is always a reading.
    m_reading = PersonalReading{entry, *readingengine::readingFor(entry.day, entry.month)};
    resultPanel()->showReading(m_reading->reading);
    showPanel(m_resultPanel);
}

void MainWindow::back()
{
    // Off the reading's button first: the stack would otherwise hand the focus back to the entry
    // panel's last focused control on the way to the name box, and a screen reader says both.
    if (QWidget *focused = focusWidget())
        focused->clearFocus();
    showPanel(m_ui->fraMain);
    // Focus first: a screen reader that learns of the cleared text before the focus takes the
    // change for the arrival, and announces nothing.
    m_ui->txtName->setFocus();
    m_ui->txtName->clear();
    for (QComboBox *list : {m_ui->cboDate, m_ui->cboMonth, m_ui->cboYear})
        list->setCurrentIndex(0);
}

void MainWindow::showPanel(QWidget *panel)
{
    const bool focusWasOnEntry = m_ui->fraMain->isAncestorOf(focusWidget());
    m_ui->panels->setCurrentWidget(panel);
    m_readingCommands->setEnabled(panel == m_resultPanel);
    // While the reading is shown, Alt+D is its button's ("&Do It Once Again"): the menu bar, which
    // would take it first, gives up Donate's access key until the entry panel is back.
    m_ui->mnuDonate->setText(panel == m_resultPanel ? QString(m_donate).remove(u'&') : m_donate);
    // Keep the keyboard on something the user can see.
    if (panel == m_resultPanel && (focusWasOnEntry || !focusWidget()))
        m_resultPanel->againButton()->setFocus();
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    // The main window always closes; the exit window takes over and ends the program later.
    event->accept();
    if (m_services.isEnding())
        return;
    if (m_proceeding) {
        // Closed while a reading is still being handled (its message box open, say): there is no
        // exit window to take over, so end here rather than live on windowless, holding the socket.
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

void MainWindow::refuseNameText()
{
    m_services.critical(this, u"First Name Can Accept Text Only"_s);
    m_ui->txtName->setFocus();
}

bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_ui->txtName && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        const auto code = typedCharacter(key->key(), key->modifiers(), key->text());
        if (code && !isNameCharacter(*code)) {
            refuseNameText();
            return true; // the key never reaches the box
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

} // namespace planetarch
