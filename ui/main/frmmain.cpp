// SPDX-FileCopyrightText: 2026 The Planetarch developers
// SPDX-License-Identifier: MIT
#include "frmmain.h"

#include "addresses.h"
#include "entry.h"
#include "frmabout.h"
#include "frmexit.h"
#include "linklabel.h"
#include "look.h"
#include "messages.h"
#include "modhelp.h"
#include "panelframe.h"
#include "text.h"
#include "twips.h"

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

#include <optional>

namespace planetarch {

using namespace Qt::StringLiterals;

namespace {

constexpr int Enter = 13;
constexpr int Escape = 27;

struct LabelLook
{
    QFont font;
    QRgb colour;
    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop;
    bool wrap = false;
};

template <typename Label = QLabel>
Label *makeLabel(QWidget *parent, const QString &name, const QString &text, const LabelLook &look)
{
    Label *label = planetarch::makeLabel<Label>(parent, name, text, look.font, QColor(look.colour));
    label->setAlignment(look.alignment);
    label->setWordWrap(look.wrap);
    return label;
}

// A label of fixed rectangle.
template <typename Label = QLabel>
Label *placeLabel(QWidget *parent, const QString &name, const QString &text, const QRect &rect,
                  const LabelLook &look)
{
    Label *label = makeLabel<Label>(parent, name, text, look);
    label->setGeometry(rect);
    return label;
}

// A label that sizes itself to its text, from its top-left corner.
QLabel *placeAutoSizedLabel(QWidget *parent, const QString &name, const QString &text,
                            const QPoint &topLeft, const LabelLook &look)
{
    QLabel *label = makeLabel(parent, name, text, look);
    label->move(topLeft);
    label->adjustSize();
    return label;
}

PanelFrame *placeFrame(QWidget *parent, const QString &name, const QRect &rect)
{
    auto *frame = new PanelFrame(parent);
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

// The character a key press types, as the name filter sees it: none for keys that only move,
// select or edit (arrows, Tab, Delete...), a control code for Enter, Escape, Backspace and
// Ctrl+letter.
std::optional<int> typedCharacter(const QKeyEvent *event)
{
    const Qt::KeyboardModifiers modifiers = event->modifiers();
    if (modifiers & (Qt::AltModifier | Qt::MetaModifier))
        return std::nullopt;
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return Enter;
    case Qt::Key_Escape:
        return Escape;
    case Qt::Key_Backspace:
        return 8;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Delete:
        return std::nullopt;
    default:
        break;
    }
    if ((modifiers & Qt::ControlModifier) && event->key() >= Qt::Key_A && event->key() <= Qt::Key_Z)
        return event->key() - Qt::Key_A + 1;
    const QString text = event->text();
    if (text.isEmpty() || (modifiers & Qt::ControlModifier))
        return std::nullopt;
    return static_cast<int>(text.toUcs4().value(0));
}

} // namespace

FrmMain::FrmMain(QWidget *parent) : QMainWindow(parent)
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
    m_label14 = placeLabel<LinkLabel>(
        client, u"Label14"_s,
        u"The Most Popular Online Runevale Discussion Forum. Click Here To Visit "_s +
            QUrl(addresses::HomePage).host() + u" Now."_s,
        twipsRect(1785, 30, 5310, 435),
        {verdana(8.25, Bold | Underlined), qRgb(255, 255, 255), Qt::AlignHCenter | Qt::AlignTop,
         true});
    buildEntryPanel(client);
    buildResultPanel(client);
    buildBannerStrip(client);
    loadPlanetPictures();
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

void FrmMain::buildMenus()
{
    QMenu *file = menuBar()->addMenu(u"&File"_s);
    file->setObjectName(u"mnuFile"_s);
    m_mnuExit = file->addAction(u"E&xit"_s);
    m_mnuExit->setObjectName(u"mnuExit"_s);

    QMenu *help = menuBar()->addMenu(u"&Help"_s);
    help->setObjectName(u"mnuHelp"_s);
    m_mnuOnline = help->addAction(u"&Online Help"_s);
    m_mnuOnline->setObjectName(u"mnuOnline"_s);
    m_mnuVisit = help->addAction(u"&Visit Us Online"_s);
    m_mnuVisit->setObjectName(u"mnuVisit"_s);
    help->addSeparator()->setObjectName(u"mnuSep2"_s);
    m_mnuUpdate = help->addAction(u"Check for Software &Update"_s);
    m_mnuUpdate->setObjectName(u"mnuUpdate"_s);
    help->addSeparator()->setObjectName(u"mnuSep3"_s);
    m_mnuAbout = help->addAction(u"&About Software"_s);
    m_mnuAbout->setObjectName(u"mnuAbout"_s);

    // A command on the bar itself: it acts on click, with no drop-down.
    m_mnuDonate = menuBar()->addAction(u"&Donate"_s);
    m_mnuDonate->setObjectName(u"mnuDonate"_s);
}

void FrmMain::buildEntryPanel(QWidget *client)
{
    m_fraMain = placeFrame(client, u"fraMain"_s, twipsRect(40, 480, 8800, 4300));

    placeLabel(m_fraMain, u"lblLabel11"_s,
               u"Know more about your Planetary Archetypes. Understand the influence of the "
               u"different planets on your lifestyle!"_s,
               twipsRect(480, 720, 3480, 915),
               {verdana(8.25, Bold), colours::Pink, Qt::AlignHCenter | Qt::AlignTop, true});

    auto *picture1 = new QLabel(m_fraMain);
    picture1->setObjectName(u"Picture1"_s);
    picture1->setPixmap(QPixmap(u":/star.jpg"_s));
    picture1->move(twips(1448), twips(1920));
    picture1->adjustSize();

    const QFont captionFont = verdana(8.25, Bold);
    PanelFrame *fraName = placeFrame(m_fraMain, u"fraName"_s, twipsRect(4455, 720, 4200, 700));
    fraName->setCaption(u"Name"_s, QColor(colours::Magenta), captionFont);
    m_txtName = new QLineEdit(fraName);
    m_txtName->setObjectName(u"txtName"_s);
    m_txtName->setGeometry(twipsRect(120, 240, 3900, 300));
    m_txtName->setFrame(false);
    QPalette white = m_txtName->palette();
    white.setColor(QPalette::Base, Qt::white);
    white.setColor(QPalette::Text, Qt::black);
    m_txtName->setPalette(white);
    m_txtName->installEventFilter(this);

    PanelFrame *fraDOB = placeFrame(m_fraMain, u"fraDOB"_s, twipsRect(4455, 1740, 4200, 900));
    fraDOB->setCaption(u"Date Of Birth"_s, QColor(colours::Magenta), captionFont);
    const LabelLook listCaption{verdana(8.25), colours::Pink};
    placeAutoSizedLabel(fraDOB, u"lblLabel0"_s, u"Date"_s, {twips(120), twips(240)}, listCaption);
    placeAutoSizedLabel(fraDOB, u"lblLabel1"_s, u"Month"_s, {twips(1310), twips(240)}, listCaption);
    placeAutoSizedLabel(fraDOB, u"lblLabel2"_s, u"Year"_s, {twips(2850), twips(240)}, listCaption);
    auto makeList = [fraDOB](const QString &name, const QRect &rect) {
        auto *list = new QComboBox(fraDOB);
        list->setObjectName(name);
        list->setGeometry(rect);
        styleList(list);
        return list;
    };
    m_cboDate = makeList(u"cboDate"_s, twipsRect(120, 480, 1000, 315));
    m_cboMonth = makeList(u"cboMonth"_s, twipsRect(1310, 480, 1350, 315));
    m_cboYear = makeList(u"cboYear"_s, twipsRect(2850, 480, 1200, 315));

    m_cmdProceed = new QPushButton(u"&Get My Planetary Archetype"_s, m_fraMain);
    m_cmdProceed->setObjectName(u"cmdProceed"_s);
    m_cmdProceed->setGeometry(twipsRect(4455, 3120, 4200, 375));
    m_cmdProceed->setFont(verdana(8.25, Bold));
    paintButtonFace(m_cmdProceed, colours::Pink);
    m_cmdProceed->installEventFilter(this);
    connect(m_cmdProceed, &QPushButton::clicked, this, &FrmMain::proceed);

    setTabOrder(m_txtName, m_cboDate);
    setTabOrder(m_cboDate, m_cboMonth);
    setTabOrder(m_cboMonth, m_cboYear);
    setTabOrder(m_cboYear, m_cmdProceed);
}

void FrmMain::buildResultPanel(QWidget *client)
{
    m_fraResult = placeFrame(client, u"fraResult"_s, twipsRect(40, 480, 8800, 4300));
    m_fraResult->setCaption(u"Planetarch Results"_s, Qt::white, verdana(8.25, Bold));

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
    const LabelLook captionLook{verdana(8.25, Bold), colours::Magenta};
    for (std::size_t row = 0; row < std::size(rows); ++row) {
        const Row &r = rows[row];
        placeAutoSizedLabel(m_fraResult, u"lblLabel%1"_s.arg(r.captionIndex),
                            QString::fromUtf16(r.caption), {twips(240), twips(r.captionTop)},
                            captionLook);
        const QString name = u"lblResult%1"_s.arg(row);
        const QPoint at(twips(2400), twips(r.valueTop));
        if (row == 4) {
            // The paragraph wraps inside a box of fixed size.
            m_lblResult[row] =
                placeLabel(m_fraResult, name, QString(), QRect(at, twipsSize(6165, 795)),
                           {verdana(8.25), colours::Pink, Qt::AlignLeft, true});
        } else {
            m_lblResult[row] =
                placeAutoSizedLabel(m_fraResult, name, QString(), at,
                                    {row < 2 ? verdana(9.75, Bold) : verdana(8.25), colours::Pink});
        }
    }

    m_picPlanet = new QLabel(m_fraResult);
    m_picPlanet->setObjectName(u"picPlanet"_s);
    m_picPlanet->setFrameStyle(QFrame::Box | QFrame::Plain);
    m_picPlanet->setLineWidth(1);
    setColours(m_picPlanet, Qt::black, QColor(160, 160, 160));
    m_picPlanet->setGeometry(twipsRect(7995, 240, 570, 525));

    m_cmdBack = new QPushButton(u"&Do It Once Again"_s, m_fraResult);
    m_cmdBack->setObjectName(u"cmdBack"_s);
    m_cmdBack->setGeometry(twipsRect(4455, 3720, 4200, 375));
    m_cmdBack->setFont(verdana(8.25, Bold));
    paintButtonFace(m_cmdBack, colours::Pink);
    // Alt+D belongs to the Donate command: menus take their access keys before controls do, and
    // two owners of one key would make it do nothing.
    m_cmdBack->setShortcut(QKeySequence());
    connect(m_cmdBack, &QPushButton::clicked, this, &FrmMain::back);
}

void FrmMain::buildBannerStrip(QWidget *client)
{
    PanelFrame *strip = placeFrame(client, u"fraFullBrand"_s, twipsRect(30, 4800, 8800, 700));
    const LabelLook look{verdana(8.25, Bold | Underlined), qRgb(255, 255, 255),
                         Qt::AlignHCenter | Qt::AlignTop, true};
    const QRect rect = twipsRect(60, 165, 8700, 450);
    m_lblFullBrand = placeLabel<LinkLabel>(
        strip, u"lblFullBrand"_s,
        u"Home Business Opportunity. Start your own Internet business and make money online. Get "
        u"this software fully branded for your website. Click here for more details."_s,
        rect, look);
    m_lblCobrand = placeLabel<LinkLabel>(
        strip, u"lblCobrand"_s,
        u"Co-brand this software for your site.  Increase loyalty and traffic to your site. Put "
        u"your site's name &  link here. See \"Help\" for details. Click Here for more info on "
        u"co-branding."_s,
        rect, look);
    // Opaque, so the label in front hides the other; as built, the co-branding offer is in front.
    for (LinkLabel *label : {m_lblFullBrand, m_lblCobrand})
        label->setAutoFillBackground(true);
    m_lblCobrand->raise();
}

void FrmMain::connectCommands()
{
    connect(m_mnuExit, &QAction::triggered, this, &QWidget::close);
    connect(m_mnuOnline, &QAction::triggered, this, &modHelp::openHelpPage);
    connect(m_mnuVisit, &QAction::triggered, this, &modHelp::openHomePage);
    connect(m_mnuUpdate, &QAction::triggered, this, &modHelp::openDownloadPage);
    connect(m_mnuAbout, &QAction::triggered, this, &FrmMain::showAbout);
    connect(m_mnuDonate, &QAction::triggered, this, &modHelp::openDonatePage);
    connect(m_label14, &LinkLabel::clicked, this, &modHelp::openHomePage);
    connect(m_lblFullBrand, &LinkLabel::clicked, this, &modHelp::openFullBrandPage);
    connect(m_lblCobrand, &LinkLabel::clicked, this, &modHelp::openCoBrandPage);
}

void FrmMain::showAbout()
{
    // Built afresh for each showing; the main window takes no input until it is closed.
    FrmAbout about(this);
    about.exec();
}

void FrmMain::loadPlanetPictures()
{
    // Decoded once; each reading only hands the ready picture to picPlanet.
    for (int index = 0; index < PlanetCount; ++index)
        m_img[static_cast<std::size_t>(index)] =
            QPixmap(u":/planets/"_s + planetPictureName(index));
}

void FrmMain::prepareEntry()
{
    m_cboDate->addItems(dayItems());
    m_cboMonth->addItems(monthItems());
    m_cboYear->addItems(yearItems());
    for (QComboBox *list : {m_cboDate, m_cboMonth, m_cboYear})
        list->setCurrentIndex(0);
}

void FrmMain::resetEntry()
{
    m_txtName->clear();
    m_txtName->setFocus();
    for (QComboBox *list : {m_cboDate, m_cboMonth, m_cboYear})
        list->setCurrentIndex(0);
}

bool FrmMain::validateEntry()
{
    switch (checkEntry(m_txtName->text(), m_cboDate->currentIndex(), m_cboMonth->currentIndex(),
                       m_cboYear->currentText().toInt())) {
    case EntryVerdict::Valid:
        return true;
    case EntryVerdict::BlankName:
        messages::show(this, u"Please Enter Name"_s, messages::Icon::Critical);
        m_txtName->setFocus();
        return false;
    case EntryVerdict::NoSuchFebruaryDay:
        messages::show(this, u"Please Enter Correct Date Or Month!"_s, messages::Icon::Information);
        return false;
    case EntryVerdict::NoSuchThirtyFirst:
        messages::show(this, u"Please Enter Correct Date Or Month !"_s,
                       messages::Icon::Information);
        return false;
    }
    return false;
}

bool FrmMain::filterNameKey(QKeyEvent *event)
{
    const std::optional<int> code = typedCharacter(event);
    if (!code || isNameCharacter(*code))
        return false;
    messages::show(this, u"First Name Can Accept Text Only"_s, messages::Icon::Critical);
    m_txtName->setFocus();
    return true;
}

void FrmMain::proceed()
{
    const QScopedValueRollback busy(m_proceeding, true);
    if (!validateEntry())
        return;
    const int day = m_cboDate->currentIndex() + 1;
    const QString month = trimBlanks(m_cboMonth->currentText());
    for (const RulerMatch &match : m_engine.resolveReading(day, month))
        showMatch(match);
    showResultPanel();
}

void FrmMain::showMatch(const RulerMatch &match)
{
    const PlanetArchetype &row = m_engine.table().row(match.planetIndex);
    const QString values[] = {
        match.ruler.toUpper(), row.archetype.toUpper(), row.alsoKnownAs, row.keywords,
        row.characteristics,   row.ruledSigns,          row.tarotCard,   row.detriment};
    for (std::size_t index = 0; index < m_lblResult.size(); ++index) {
        m_lblResult[index]->setText(values[index]);
        if (!m_lblResult[index]->wordWrap())
            m_lblResult[index]->adjustSize();
    }
    const QPixmap &picture = m_img[static_cast<std::size_t>(match.planetIndex)];
    m_picPlanet->setPixmap(picture);
    const int border = m_picPlanet->frameWidth() * 2;
    m_picPlanet->resize(picture.size() + QSize(border, border));
}

void FrmMain::back()
{
    resetEntry();
    showEntryPanel();
}

void FrmMain::showEntryPanel()
{
    m_fraMain->raise();
    setPanelKeyboardReach(m_fraMain, true);
    setPanelKeyboardReach(m_fraResult, false);
}

void FrmMain::showResultPanel()
{
    m_fraResult->raise();
    setPanelKeyboardReach(m_fraResult, true);
    setPanelKeyboardReach(m_fraMain, false);
    // Keep the keyboard on something the user can see.
    if (m_fraMain->isAncestorOf(focusWidget()))
        m_cmdBack->setFocus();
}

bool FrmMain::resultPanelInFront() const
{
    const QObjectList &siblings = m_fraMain->parentWidget()->children();
    return siblings.indexOf(m_fraResult) > siblings.indexOf(m_fraMain);
}

void FrmMain::raiseFullBrandBanner()
{
    m_lblFullBrand->raise();
}

void FrmMain::raiseCoBrandBanner()
{
    m_lblCobrand->raise();
}

// The panel behind stays shown and enabled, but Tab should not wander into controls the user cannot
// see; the archetype button's access key is held back in eventFilter for the same reason.
void FrmMain::setPanelKeyboardReach(QWidget *panel, bool reachable)
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

void FrmMain::closeEvent(QCloseEvent *event)
{
    // The main window always closes; the exit window takes over and ends the program later.
    event->accept();
    if (modHelp::programEnding())
        return;
    if (m_proceeding) {
        // Closed while a reading is still being handled (its message box open, say): there is no
        // exit window to take over, so end here rather than live on windowless, holding the lock.
        modHelp::endProgram();
        return;
    }
    FrmExit::showExitWindow();
}

bool FrmMain::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_txtName && event->type() == QEvent::KeyPress)
        return filterNameKey(static_cast<QKeyEvent *>(event));
    if (watched == m_cmdProceed && event->type() == QEvent::Shortcut && resultPanelInFront())
        return true;
    return QMainWindow::eventFilter(watched, event);
}

} // namespace planetarch
