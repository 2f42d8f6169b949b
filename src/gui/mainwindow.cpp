// SPDX-FileCopyrightText: 2026 The Planetarch developers
// SPDX-License-Identifier: MIT
#include "gui/mainwindow.h"

#include "core/entryrules.h"
#include "core/limits.h"
#include "core/text.h"
#include "core/webaddresses.h"
#include "gui/aboutdialog.h"
#include "gui/exitwindow.h"
#include "gui/links.h"
#include "gui/messages.h"
#include "gui/shutdown.h"
#include "gui/widgets/captionedframe.h"
#include "gui/widgets/colouredbutton.h"
#include "gui/widgets/dropdownlist.h"
#include "gui/widgets/linklabel.h"
#include "gui/widgets/theme.h"
#include "gui/widgets/twips.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QScreen>
#include <QUrl>

namespace planetarch {

using namespace Qt::StringLiterals;

namespace {

// The labels of this window hang from their top-left corner.
constexpr Qt::Alignment TopLeft = Qt::AlignLeft | Qt::AlignTop;

CaptionedFrame *placeFrame(QWidget *parent, const QString &name, const QRect &rect)
{
    auto *frame = new CaptionedFrame(parent);
    frame->setObjectName(name);
    frame->setGeometry(rect);
    frame->setBackground(Qt::black);
    return frame;
}

void styleList(QComboBox *list)
{
    QPalette palette = list->palette();
    for (QPalette::ColorRole role : {QPalette::Base, QPalette::Button, QPalette::Window})
        palette.setColor(role, Qt::white);
    for (QPalette::ColorRole role : {QPalette::Text, QPalette::ButtonText, QPalette::WindowText})
        palette.setColor(role, Qt::black);
    list->setPalette(palette);
}

} // namespace

MainWindow::MainWindow(QWidget *parent) : QMainWindow(parent)
{
    setObjectName(u"frmMain"_s);
    setWindowTitle(WindowCaption);
    setWindowIcon(programIcon());
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);

    auto *client = new QWidget(this);
    client->setObjectName(u"clientArea"_s);
    client->setFixedSize(twipsSize(8880, 5550));
    client->setAutoFillBackground(true);
    setColours(client, Qt::black, Qt::white);
    client->setFont(verdana(8.25));
    setCentralWidget(client);

    buildMenus();
    m_forumLink = placeLabel<LinkLabel>(
        client, u"Label14"_s,
        u"The Most Popular Online Runevale Discussion Forum. Click Here To Visit "_s +
            QUrl(webaddresses::HomePage).host() + u" Now."_s,
        twipsRect(1785, 30, 5310, 435),
        {verdana(8.25, Bold | Underlined), qRgb(255, 255, 255), Qt::AlignHCenter | Qt::AlignTop,
         true});
    buildEntryPanel(client);
    buildBannerStrip(client);
    connectCommands();

    // Fixed size: the layout is designed to the pixel, so the window neither grows nor maximises.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    adjustSize();
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());

    // What the window does when it loads.
    prepareEntry();
    showEntryPanel();
}

void MainWindow::buildMenus()
{
    QMenu *file = menuBar()->addMenu(u"&File"_s);
    file->setObjectName(u"mnuFile"_s);
    m_exitAction = file->addAction(u"E&xit"_s);
    m_exitAction->setObjectName(u"mnuExit"_s);

    QMenu *help = menuBar()->addMenu(u"&Help"_s);
    help->setObjectName(u"mnuHelp"_s);
    m_onlineHelpAction = help->addAction(u"&Online Help"_s);
    m_onlineHelpAction->setObjectName(u"mnuOnline"_s);
    m_visitAction = help->addAction(u"&Visit Us Online"_s);
    m_visitAction->setObjectName(u"mnuVisit"_s);
    help->addSeparator()->setObjectName(u"mnuSep2"_s);
    m_updateAction = help->addAction(u"Check for Software &Update"_s);
    m_updateAction->setObjectName(u"mnuUpdate"_s);
    help->addSeparator()->setObjectName(u"mnuSep3"_s);
    m_aboutAction = help->addAction(u"&About Software"_s);
    m_aboutAction->setObjectName(u"mnuAbout"_s);

    // A command on the bar itself: it acts on click, with no drop-down.
    m_donateAction = menuBar()->addAction(u"&Donate"_s);
    m_donateAction->setObjectName(u"mnuDonate"_s);
}

void MainWindow::buildEntryPanel(QWidget *client)
{
    m_entryPanel = placeFrame(client, u"fraMain"_s, twipsRect(40, 480, 8800, 4300));

    placeLabel(m_entryPanel, u"lblLabel11"_s,
               u"Know more about your Planetary Archetypes. Understand the influence of the "
               u"different planets on your lifestyle!"_s,
               twipsRect(480, 720, 3480, 915),
               {verdana(8.25, Bold), colours::Pink, Qt::AlignHCenter | Qt::AlignTop, true});

    auto *star = new QLabel(m_entryPanel);
    star->setObjectName(u"Picture1"_s);
    star->setPixmap(loadPicture(u":/star.png"_s, devicePixelRatio()));
    star->setAccessibleName(u"An eight-pointed star ringed by the symbols of the planets"_s);
    star->move(twips(1448), twips(1920));
    star->adjustSize();

    const QFont captionFont = verdana(8.25, Bold);
    CaptionedFrame *fraName =
        placeFrame(m_entryPanel, u"fraName"_s, twipsRect(4455, 720, 4200, 700));
    fraName->setCaption(u"Name"_s, QColor(colours::Magenta), captionFont);
    m_nameEdit = new QLineEdit(fraName);
    m_nameEdit->setObjectName(u"txtName"_s);
    m_nameEdit->setGeometry(twipsRect(120, 240, 3900, 300));
    m_nameEdit->setFrame(false);
    QPalette white = m_nameEdit->palette();
    white.setColor(QPalette::Base, Qt::white);
    white.setColor(QPalette::Text, Qt::black);
    m_nameEdit->setPalette(white);
    m_nameEdit->setAccessibleName(u"First name"_s);
    m_nameEdit->setMaxLength(limits::NameLength);
    m_nameEdit->installEventFilter(this);

    CaptionedFrame *fraDOB =
        placeFrame(m_entryPanel, u"fraDOB"_s, twipsRect(4455, 1740, 4200, 900));
    fraDOB->setCaption(u"Date Of Birth"_s, QColor(colours::Magenta), captionFont);
    const LabelLook listCaption{verdana(8.25), colours::Pink, TopLeft};
    placeAutoSizedLabel(fraDOB, u"lblLabel0"_s, u"Date"_s, {twips(120), twips(240)}, listCaption);
    placeAutoSizedLabel(fraDOB, u"lblLabel1"_s, u"Month"_s, {twips(1310), twips(240)}, listCaption);
    placeAutoSizedLabel(fraDOB, u"lblLabel2"_s, u"Year"_s, {twips(2850), twips(240)}, listCaption);
    auto makeList = [fraDOB](const QString &name, const QRect &rect) {
        auto *list = new DropDownList(fraDOB);
        list->setObjectName(name);
        list->setGeometry(rect);
        styleList(list);
        return list;
    };
    m_dayList = makeList(u"cboDate"_s, twipsRect(120, 480, 1000, 315));
    m_monthList = makeList(u"cboMonth"_s, twipsRect(1310, 480, 1350, 315));
    m_yearList = makeList(u"cboYear"_s, twipsRect(2850, 480, 1200, 315));
    m_dayList->setAccessibleName(u"Day of birth"_s);
    m_monthList->setAccessibleName(u"Month of birth"_s);
    m_yearList->setAccessibleName(u"Year of birth"_s);

    m_archetypeButton =
        new ColouredButton(u"&Get My Planetary Archetype"_s, QColor(colours::Pink), m_entryPanel);
    m_archetypeButton->setObjectName(u"cmdProceed"_s);
    m_archetypeButton->setGeometry(twipsRect(4455, 3120, 4200, 375));
    m_archetypeButton->setFont(verdana(8.25, Bold));
    m_archetypeButton->installEventFilter(this);
    connect(m_archetypeButton, &QPushButton::clicked, this, &MainWindow::proceed);
    pressOnEnter({m_archetypeButton});

    setTabOrder(m_nameEdit, m_dayList);
    setTabOrder(m_dayList, m_monthList);
    setTabOrder(m_monthList, m_yearList);
    setTabOrder(m_yearList, m_archetypeButton);
}

// Built for the first reading rather than with the window: nobody sees it before, and start-up is
// shorter without it.
void MainWindow::buildResultPanel()
{
    m_resultPanel = placeFrame(centralWidget(), u"fraResult"_s, twipsRect(40, 480, 8800, 4300));
    m_resultPanel->setCaption(u"Planetarch Results"_s, Qt::white, verdana(8.25, Bold));

    struct Row
    {
        int captionIndex;
        const char16_t *caption;
        int captionTop;
        int valueTop;
    };
    static constexpr Row rows[] = {
        {3, u"Ruling Planet", 360, 337},     {5, u"Planetary Archetype", 720, 697},
        {4, u"Also Known As", 1080, 1080},   {6, u"Keywords", 1440, 1440},
        {7, u"Characteristics", 1800, 1800}, {8, u"Ruler", 2760, 2760},
        {9, u"Tarot Card", 3120, 3120},      {10, u"Detriment", 3480, 3480},
    };
    const LabelLook captionLook{verdana(8.25, Bold), colours::Magenta, TopLeft};
    for (std::size_t row = 0; row < std::size(rows); ++row) {
        const Row &r = rows[row];
        placeAutoSizedLabel(m_resultPanel, u"lblLabel%1"_s.arg(r.captionIndex),
                            QString::fromUtf16(r.caption), {twips(240), twips(r.captionTop)},
                            captionLook);
        const QString name = u"lblResult%1"_s.arg(row);
        const QPoint at(twips(2400), twips(r.valueTop));
        if (row == 4) {
            // The paragraph wraps inside a box of fixed size.
            m_resultLabels[row] =
                placeLabel(m_resultPanel, name, QString(), QRect(at, twipsSize(6165, 795)),
                           {verdana(8.25), colours::Pink, Qt::AlignLeft, true});
        } else {
            m_resultLabels[row] = placeAutoSizedLabel(
                m_resultPanel, name, QString(), at,
                {row < 2 ? verdana(9.75, Bold) : verdana(8.25), colours::Pink, TopLeft});
        }
    }

    m_planetPicture = new QLabel(m_resultPanel);
    m_planetPicture->setObjectName(u"picPlanet"_s);
    m_planetPicture->setFrameStyle(QFrame::Box | QFrame::Plain);
    m_planetPicture->setLineWidth(1);
    setColours(m_planetPicture, Qt::black, QColor(160, 160, 160));
    m_planetPicture->setGeometry(twipsRect(7995, 240, 570, 525));
    m_planetPicture->setAccessibleName(u"Planet"_s); // renamed for the planet each reading shows

    m_againButton =
        new ColouredButton(u"&Do It Once Again"_s, QColor(colours::Pink), m_resultPanel);
    m_againButton->setObjectName(u"cmdBack"_s);
    m_againButton->setGeometry(twipsRect(4455, 3720, 4200, 375));
    m_againButton->setFont(verdana(8.25, Bold));
    // Alt+D belongs to the Donate command: menus take their access keys before controls do, and
    // two owners of one key would make it do nothing.
    m_againButton->setShortcut(QKeySequence());
    connect(m_againButton, &QPushButton::clicked, this, &MainWindow::back);
    pressOnEnter({m_againButton});
    m_resultPanel->show();
}

void MainWindow::buildBannerStrip(QWidget *client)
{
    CaptionedFrame *strip = placeFrame(client, u"fraFullBrand"_s, twipsRect(30, 4800, 8800, 700));
    const LabelLook look{verdana(8.25, Bold | Underlined), qRgb(255, 255, 255),
                         Qt::AlignHCenter | Qt::AlignTop, true};
    const QRect rect = twipsRect(60, 165, 8700, 450);
    m_fullBrandBanner = placeLabel<LinkLabel>(
        strip, u"lblFullBrand"_s,
        u"Home Business Opportunity. Start your own Internet business and make money online. Get "
        u"this software fully branded for your website. Click here for more details."_s,
        rect, look);
    m_coBrandBanner = placeLabel<LinkLabel>(
        strip, u"lblCobrand"_s,
        u"Co-brand this software for your site.  Increase loyalty and traffic to your site. Put "
        u"your site's name &  link here. See \"Help\" for details. Click Here for more info on "
        u"co-branding."_s,
        rect, look);
    // Opaque, so the label in front hides the other; as built, the co-branding offer is in front.
    for (LinkLabel *label : {m_fullBrandBanner, m_coBrandBanner})
        label->setAutoFillBackground(true);
    m_coBrandBanner->raise();
}

void MainWindow::connectCommands()
{
    connect(m_exitAction, &QAction::triggered, this, &QWidget::close);
    connect(m_aboutAction, &QAction::triggered, this, &MainWindow::showAbout);
    const auto opens = [this](auto *sender, auto signal, const QString &address) {
        connect(sender, signal, this, [address] { links::open(address); });
    };
    opens(m_onlineHelpAction, &QAction::triggered, webaddresses::HelpPage);
    opens(m_visitAction, &QAction::triggered, webaddresses::HomePage);
    opens(m_updateAction, &QAction::triggered, webaddresses::DownloadPage);
    opens(m_donateAction, &QAction::triggered, webaddresses::DonatePage);
    opens(m_forumLink, &LinkLabel::clicked, webaddresses::HomePage);
    opens(m_fullBrandBanner, &LinkLabel::clicked, webaddresses::FullBrandPage);
    opens(m_coBrandBanner, &LinkLabel::clicked, webaddresses::CoBrandPage);
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

const QPixmap &MainWindow::planetPicture(int planetIndex)
{
    // Decoded the first time a reading shows the planet, then kept.
    QPixmap &picture = m_planetPictures[static_cast<std::size_t>(planetIndex)];
    if (picture.isNull())
        picture = loadPicture(u":/planets/"_s + planetPictureName(planetIndex), devicePixelRatio());
    return picture;
}

void MainWindow::prepareEntry()
{
    m_dayList->addItems(dayItems());
    m_monthList->addItems(monthItems());
    m_yearList->addItems(yearItems());
    for (QComboBox *list : {m_dayList, m_monthList, m_yearList})
        list->setCurrentIndex(0);
}

void MainWindow::resetEntry()
{
    m_nameEdit->clear();
    m_nameEdit->setFocus();
    for (QComboBox *list : {m_dayList, m_monthList, m_yearList})
        list->setCurrentIndex(0);
}

bool MainWindow::validateEntry()
{
    switch (checkEntry(m_nameEdit->text(), m_dayList->currentIndex(), m_monthList->currentIndex(),
                       m_yearList->currentText().toInt())) {
    case EntryVerdict::Valid:
        return true;
    case EntryVerdict::BlankName:
        messages::critical(this, u"Please Enter Name"_s);
        m_nameEdit->setFocus();
        return false;
    case EntryVerdict::NoSuchFebruaryDay:
        messages::information(this, u"Please Enter Correct Date Or Month!"_s);
        return false;
    case EntryVerdict::NoSuchThirtyFirst:
        messages::information(this, u"Please Enter Correct Date Or Month !"_s);
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
    QCoreApplication::sendEvent(m_nameEdit, &withoutCommit);
    refuseNameText();
    return true;
}

void MainWindow::refuseNameText()
{
    messages::critical(this, u"First Name Can Accept Text Only"_s);
    m_nameEdit->setFocus();
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
    if (!m_resultPanel)
        buildResultPanel();
    const int day = m_dayList->currentIndex() + 1;
    const QString month = trimBlanks(m_monthList->currentText());
    for (const RulerMatch &match : m_engine.resolveReading(day, month))
        showMatch(match);
    showResultPanel();
}

void MainWindow::showMatch(const RulerMatch &match)
{
    const PlanetArchetype &row = m_engine.table().row(match.planetIndex);
    const QString values[] = {
        match.ruler.toUpper(), row.archetype.toUpper(), row.alsoKnownAs, row.keywords,
        row.characteristics,   row.ruledSigns,          row.tarotCard,   row.detriment};
    for (std::size_t index = 0; index < m_resultLabels.size(); ++index) {
        m_resultLabels[index]->setText(values[index]);
        if (!m_resultLabels[index]->wordWrap())
            m_resultLabels[index]->adjustSize();
    }
    const QPixmap &picture = planetPicture(match.planetIndex);
    m_planetPicture->setPixmap(picture);
    m_planetPicture->setAccessibleName(row.planetName);
    const int border = m_planetPicture->frameWidth() * 2;
    m_planetPicture->resize(picture.deviceIndependentSize().toSize() + QSize(border, border));
}

void MainWindow::back()
{
    resetEntry();
    showEntryPanel();
}

void MainWindow::showEntryPanel()
{
    m_entryPanel->raise();
    setPanelKeyboardReach(m_entryPanel, true);
    if (m_resultPanel)
        setPanelKeyboardReach(m_resultPanel, false);
}

void MainWindow::showResultPanel()
{
    if (!m_resultPanel)
        buildResultPanel();
    m_resultPanel->raise();
    setPanelKeyboardReach(m_resultPanel, true);
    setPanelKeyboardReach(m_entryPanel, false);
    // Keep the keyboard on something the user can see.
    if (m_entryPanel->isAncestorOf(focusWidget()))
        m_againButton->setFocus();
}

bool MainWindow::resultPanelInFront() const
{
    if (!m_resultPanel)
        return false;
    const QObjectList &siblings = m_entryPanel->parentWidget()->children();
    return siblings.indexOf(m_resultPanel) > siblings.indexOf(m_entryPanel);
}

void MainWindow::raiseFullBrandBanner()
{
    m_fullBrandBanner->raise();
}

void MainWindow::raiseCoBrandBanner()
{
    m_coBrandBanner->raise();
}

// The panel behind stays shown and enabled, but Tab should not wander into controls the user cannot
// see; the archetype button's access key is held back in eventFilter for the same reason.
void MainWindow::setPanelKeyboardReach(QWidget *panel, bool reachable)
{
    const QList<QWidget *> controls = panel->findChildren<QWidget *>();
    for (QWidget *control : controls) {
        const QVariant designed = control->property("designedFocusPolicy");
        if (!designed.isValid())
            control->setProperty("designedFocusPolicy", int(control->focusPolicy()));
        const auto policy = Qt::FocusPolicy(control->property("designedFocusPolicy").toInt());
        control->setFocusPolicy(reachable ? policy : Qt::NoFocus);
    }
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    // The main window always closes; the exit window takes over and ends the program later.
    event->accept();
    if (shutdown::isEnding())
        return;
    if (m_proceeding) {
        // Closed while a reading is still being handled (its message box open, say): there is no
        // exit window to take over, so end here rather than live on windowless, holding the lock.
        shutdown::endProgram();
        return;
    }
    ExitWindow::showExitWindow();
}

bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_nameEdit && event->type() == QEvent::KeyPress)
        return filterNameKey(static_cast<QKeyEvent *>(event));
    if (watched == m_nameEdit && event->type() == QEvent::InputMethod)
        return filterNameCommit(static_cast<QInputMethodEvent *>(event));
    if (watched == m_archetypeButton && event->type() == QEvent::Shortcut && resultPanelInFront())
        return true;
    return QMainWindow::eventFilter(watched, event);
}

} // namespace planetarch
