// SPDX-FileCopyrightText: 2026 The Planetarch developers
// SPDX-License-Identifier: MIT

// What a screen reader finds, asked the way Qt's accessibility bridge asks: names, roles, states
// and actions of the three windows.

#include "core/readingengine.h"
#include "core/referral.h"
#include "core/webaddresses.h"
#include "gui/aboutdialog.h"
#include "gui/exitwindow.h"
#include "gui/mainwindow.h"
#include "gui/services.h"
#include "support/archetypes.h"
#include "support/messagerecorder.h"
#include "support/urlrecorder.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>
#include <map>

using namespace planetarch;
using namespace planetarch::testing;
using namespace Qt::StringLiterals;

namespace {

enum class Window { Main, About, Exit };

QAccessibleInterface *accessible(QObject *object)
{
    QAccessibleInterface *found = QAccessible::queryAccessibleInterface(object);
    if (!found)
        qFatal("no accessible interface for %s", qPrintable(object->objectName()));
    return found;
}

void act(QObject *object, const QString &action)
{
    QAccessibleActionInterface *actions = accessible(object)->actionInterface();
    QVERIFY(actions);
    QVERIFY2(actions->actionNames().contains(action), qPrintable(action));
    actions->doAction(action);
}

} // namespace

Q_DECLARE_METATYPE(Window)

class TestAccessibility : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void namesSayWhatAControlIsFor_data();
    void namesSayWhatAControlIsFor();
    void captionedFramesAreGroupings_data();
    void captionedFramesAreGroupings();
    void coveredPanelIsNotShowing();
    void planetPictureNamesThePlanet();
    void linksOpenTheirPages_data();
    void linksOpenTheirPages();
    void buttonsWorkThroughTheirActions_data();
    void buttonsWorkThroughTheirActions();
    void actionsReturnBeforeTheModalWindowCloses();

    // What a screen reader reads on arrival.
    void listsOfferTheirChoiceAsText_data();
    void listsOfferTheirChoiceAsText();
    void readingIsThePanelsOneUnclaimedLabel_data();
    void readingIsThePanelsOneUnclaimedLabel();
    void textBoxesAreOneRunOfText();
    void fieldsDescribeTheirPlaceholder_data();
    void fieldsDescribeTheirPlaceholder();
    void windowsAndStacksReadAsDesigned_data();
    void windowsAndStacksReadAsDesigned();

private:
    QWidget *window(Window which) const;
    template <typename T = QWidget> T *find(Window which, const QString &name) const
    {
        T *found = window(which)->findChild<T *>(name);
        if (!found)
            qFatal("no child %s", qPrintable(name));
        return found;
    }

    std::unique_ptr<Services> m_services; // afresh for each test
    MainWindow *m_main = nullptr;
    AboutDialog *m_about = nullptr;
    ExitWindow *m_exit = nullptr;
    int m_loopExits = 0;
};

namespace {

void proceedWith(QWidget *main, int monthPosition)
{
    main->findChild<QLineEdit *>(u"txtName"_s)->setText(u"Ann"_s);
    main->findChild<QComboBox *>(u"cboMonth"_s)->setCurrentIndex(monthPosition);
    main->findChild<QPushButton *>(u"cmdProceed"_s)->click();
}

} // namespace

void TestAccessibility::init()
{
    m_loopExits = 0;
    m_services = std::make_unique<Services>();
    m_services->leaveEventLoop = [this] { ++m_loopExits; };
    m_services->draw = [] { return 0.3f; };
    m_main = new MainWindow(*m_services);
    m_main->show();
    m_about = new AboutDialog(m_main);
    m_exit = new ExitWindow(*m_services);
    QVERIFY(QTest::qWaitForWindowExposed(m_main));
}

void TestAccessibility::cleanup()
{
    delete m_exit;
    delete m_main; // and the About window with it
    m_main = nullptr;
    m_about = nullptr;
    m_exit = nullptr;
}

QWidget *TestAccessibility::window(Window which) const
{
    switch (which) {
    case Window::Main:
        return m_main;
    case Window::About:
        return m_about;
    case Window::Exit:
        break;
    }
    return m_exit;
}

void TestAccessibility::namesSayWhatAControlIsFor_data()
{
    QTest::addColumn<Window>("window");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("name");
    QTest::newRow("name box") << Window::Main << u"txtName"_s << u"First name"_s;
    QTest::newRow("day list") << Window::Main << u"cboDate"_s << u"Day of birth"_s;
    QTest::newRow("month list") << Window::Main << u"cboMonth"_s << u"Month of birth"_s;
    QTest::newRow("year list") << Window::Main << u"cboYear"_s << u"Year of birth"_s;
    QTest::newRow("star picture")
        << Window::Main << u"Picture1"_s
        << u"An eight-pointed star ringed by the symbols of the planets"_s;
    QTest::newRow("About icon") << Window::About << u"picIcon"_s << u"Planetarch icon"_s;
    QTest::newRow("exit window icon") << Window::Exit << u"Picture1"_s << u"Planetarch icon"_s;
    QTest::newRow("your name") << Window::Exit << u"txtName"_s << u"Your name"_s;
    QTest::newRow("your address") << Window::Exit << u"txtEmail"_s << u"Your e-mail address"_s;
    QTest::newRow("friend's name") << Window::Exit << u"txtFriendName"_s << u"Friend's name"_s;
    QTest::newRow("friend's address")
        << Window::Exit << u"txtFriendEmail"_s << u"Friend's e-mail address"_s;
    QTest::newRow("message") << Window::Exit << u"txtMessage"_s << u"Your message"_s;
    QTest::newRow("archetype button")
        << Window::Main << u"cmdProceed"_s << u"Get My Planetary Archetype"_s;
    QTest::newRow("visit button") << Window::Exit << u"Check1"_s
                                  << u"Click Here To Visit Orvanel Now"_s;
}

void TestAccessibility::namesSayWhatAControlIsFor()
{
    QFETCH(Window, window);
    QFETCH(QString, control);
    QFETCH(QString, name);
    QWidget *widget = find(window, control);
    QCOMPARE(accessible(widget)->text(QAccessible::Name), name);
    // Typing into a field does not change what it is called.
    if (auto *box = qobject_cast<QLineEdit *>(widget)) {
        box->setText(u"Ann"_s);
        QCOMPARE(accessible(widget)->text(QAccessible::Name), name);
    }
}

void TestAccessibility::captionedFramesAreGroupings_data()
{
    QTest::addColumn<Window>("window");
    QTest::addColumn<QString>("frame");
    QTest::addColumn<QString>("caption");
    QTest::newRow("Name") << Window::Main << u"fraName"_s << u"Name"_s;
    QTest::newRow("Date Of Birth") << Window::Main << u"fraDOB"_s << u"Date Of Birth"_s;
    QTest::newRow("Planetarch Results")
        << Window::Main << u"fraResult"_s << u"Planetarch Results"_s;
    QTest::newRow("Refer A Friend") << Window::Exit << u"Frame2"_s << u"Refer A Friend"_s;
    QTest::newRow("Download Runevale Softwares")
        << Window::Exit << u"Frame6"_s << u"Download Runevale Softwares"_s;
}

void TestAccessibility::captionedFramesAreGroupings()
{
    QFETCH(Window, window);
    QFETCH(QString, frame);
    QFETCH(QString, caption);
    if (frame == u"fraResult"_s) { // built for the first reading
        MessageRecorder messages(*m_services);
        find<QLineEdit>(Window::Main, u"txtName"_s)->setText(u"Ann"_s);
        find<QPushButton>(Window::Main, u"cmdProceed"_s)->click();
    }
    QAccessibleInterface *group = accessible(find(window, frame));
    QCOMPARE(group->role(), QAccessible::Grouping);
    QCOMPARE(group->text(QAccessible::Name), caption);
}

void TestAccessibility::coveredPanelIsNotShowing()
{
    MessageRecorder messages(*m_services);
    auto showing = [this](const QString &panel) {
        return !accessible(find(Window::Main, panel))->state().invisible;
    };
    QVERIFY(showing(u"fraMain"_s));
    find<QLineEdit>(Window::Main, u"txtName"_s)->setText(u"Ann"_s);
    find<QPushButton>(Window::Main, u"cmdProceed"_s)->click();
    QVERIFY(!showing(u"fraMain"_s));
    QVERIFY(showing(u"fraResult"_s));
    find<QPushButton>(Window::Main, u"cmdBack"_s)->click();
    QVERIFY(showing(u"fraMain"_s));
    QVERIFY(!showing(u"fraResult"_s));
}

void TestAccessibility::planetPictureNamesThePlanet()
{
    MessageRecorder messages(*m_services);
    find<QLineEdit>(Window::Main, u"txtName"_s)->setText(u"Ann"_s);
    for (int month : {10, 7, 2}) { // on the 1st: a second ruler, a first, a second again
        find<QComboBox>(Window::Main, u"cboMonth"_s)->setCurrentIndex(month);
        find<QPushButton>(Window::Main, u"cmdProceed"_s)->click();
        const Planet planet = readingengine::readingFor(1, month + 1)->planet;
        QCOMPARE(accessible(find(Window::Main, u"picPlanet"_s))->text(QAccessible::Name),
                 archetypeOf(planet).name.toString());
        find<QPushButton>(Window::Main, u"cmdBack"_s)->click();
        find<QLineEdit>(Window::Main, u"txtName"_s)->setText(u"Ann"_s);
    }
}

void TestAccessibility::linksOpenTheirPages_data()
{
    QTest::addColumn<Window>("window");
    QTest::addColumn<QString>("link");
    QTest::addColumn<QString>("address");
    QTest::newRow("forum line") << Window::Main << u"Label14"_s << webaddresses::HomePage;
    QTest::newRow("full branding")
        << Window::Main << u"lblFullBrand"_s << webaddresses::FullBrandPage;
    QTest::newRow("co-branding") << Window::Main << u"lblCobrand"_s << webaddresses::CoBrandPage;
    QTest::newRow("About: home page")
        << Window::About << u"lblHomePage"_s << webaddresses::HomePage;
    QTest::newRow("About: more details")
        << Window::About << u"lblCoBrand"_s << webaddresses::FullBrandPage;
    QTest::newRow("exit: catalogue")
        << Window::Exit << u"lblGoToHome"_s << webaddresses::SoftwareSuitePage;
}

void TestAccessibility::linksOpenTheirPages()
{
    QFETCH(Window, window);
    QFETCH(QString, link);
    QFETCH(QString, address);
    UrlRecorder urls;
    QAccessibleInterface *label = accessible(find(window, link));
    QCOMPARE(label->role(), QAccessible::Link);
    QVERIFY(!label->text(QAccessible::Name).isEmpty());
    act(find(window, link), QAccessibleActionInterface::pressAction());
    QCOMPARE(urls.addresses(), QStringList{address});
}

void TestAccessibility::buttonsWorkThroughTheirActions_data()
{
    QTest::addColumn<Window>("window");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("effect");
    const QString press = QAccessibleActionInterface::pressAction();
    QTest::newRow("archetype button, blank name")
        << Window::Main << u"cmdProceed"_s << press << u"message: Please Enter Name"_s;
    // Check1 is a check box drawn as a button: toggling is its one action.
    QTest::newRow("Check1 toggled")
        << Window::Exit << u"Check1"_s << QAccessibleActionInterface::toggleAction()
        << u"url: "_s + webaddresses::HomePage;
    QTest::newRow("Refer A Friend Now") << Window::Exit << u"cmdSubmit"_s << press
                                        << u"message: Please Enter Proper Email Address"_s;
    QTest::newRow("Exit") << Window::Exit << u"cmdClose"_s << press << u"end"_s;
}

void TestAccessibility::buttonsWorkThroughTheirActions()
{
    QFETCH(Window, window);
    QFETCH(QString, button);
    QFETCH(QString, action);
    QFETCH(QString, effect);
    MessageRecorder messages(*m_services);
    UrlRecorder urls;
    QStringList effects;
    messages.onShown = [&effects](const messages::Message &m) {
        effects << u"message: "_s + m.text;
    };
    urls.onOpen = [&effects](const QUrl &url) { effects << u"url: "_s + url.toString(); };
    act(find(window, button), action);
    QTRY_COMPARE(effects.size() + m_loopExits, 1);
    QCOMPARE(m_loopExits ? u"end"_s : effects.first(), effect);
    QVERIFY(!find<QPushButton>(window, button)->isChecked());
}

void TestAccessibility::actionsReturnBeforeTheModalWindowCloses()
{
    // A screen reader's call must not wait for the window it opens. The watcher closes whatever
    // modal window appears; had the call run that window itself, the watcher would have closed it
    // before the call returned.
    QStringList closed;
    QTimer watcher;
    watcher.setInterval(20);
    connect(&watcher, &QTimer::timeout, this, [&closed] {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal)
            return;
        if (auto *box = qobject_cast<QMessageBox *>(modal))
            closed << u"message: "_s + box->text();
        else
            closed << QString::fromLatin1(modal->metaObject()->className());
        modal->close();
    });
    watcher.start();

    auto *help = m_main->findChild<QMenu *>(u"mnuHelp"_s);
    QAccessibleInterface *menu = accessible(help);
    QAccessibleInterface *aboutItem = nullptr;
    for (int i = 0; i < menu->childCount(); ++i) {
        if (menu->child(i)->text(QAccessible::Name).remove(u'&') == u"About Software"_s)
            aboutItem = menu->child(i);
    }
    QVERIFY(aboutItem && aboutItem->actionInterface());
    aboutItem->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QVERIFY(closed.isEmpty());
    QTRY_COMPARE(closed, QStringList{u"planetarch::AboutDialog"_s});

    // The archetype button with no name: its message box comes after the call returned.
    closed.clear();
    act(find(Window::Main, u"cmdProceed"_s), QAccessibleActionInterface::pressAction());
    QVERIFY(closed.isEmpty());
    QTRY_COMPARE(closed, QStringList{u"message: Please Enter Name"_s});
}

void TestAccessibility::listsOfferTheirChoiceAsText_data()
{
    QTest::addColumn<QString>("list");
    QTest::addColumn<QString>("keys"); // a key name, or characters to type
    QTest::addColumn<QString>("chosen");
    QTest::newRow("day by Down") << u"cboDate"_s << u"Down"_s << u"2"_s;
    QTest::newRow("day by End") << u"cboDate"_s << u"End"_s << u"31"_s;
    QTest::newRow("day by typing") << u"cboDate"_s << u"12"_s << u"12"_s;
    QTest::newRow("month by typing") << u"cboMonth"_s << u"j"_s << u"June"_s;
    QTest::newRow("month, no match") << u"cboMonth"_s << u"x"_s << u"January"_s;
    QTest::newRow("year by typing") << u"cboYear"_s << u"1990"_s << u"1990"_s;
    QTest::newRow("Space opens the list") << u"cboMonth"_s << u"Space"_s << u"January"_s;
}

void TestAccessibility::listsOfferTheirChoiceAsText()
{
    QFETCH(QString, list);
    QFETCH(QString, keys);
    QFETCH(QString, chosen);
    auto *box = find<QComboBox>(Window::Main, list);
    box->setFocus();
    const std::map<QString, Qt::Key> named{
        {u"Down"_s, Qt::Key_Down}, {u"End"_s, Qt::Key_End}, {u"Space"_s, Qt::Key_Space}};
    if (named.count(keys))
        QTest::keyClick(box, named.at(keys), Qt::NoModifier);
    else
        QTest::keyClicks(box, keys);
    QCOMPARE(box->view()->isVisible(), keys == u"Space"_s);
    box->hidePopup();

    QCOMPARE(box->currentText(), chosen);
    // A screen reader takes a combo box's value from its text, and a new choice is spoken when
    // the inserted text is the selected text.
    QAccessibleTextInterface *text = accessible(box)->textInterface();
    QVERIFY(text);
    QCOMPARE(text->text(0, text->characterCount()), chosen);
    int start = -1, end = -1;
    text->selection(0, &start, &end);
    QCOMPARE(QPair(start, end), QPair(0, int(chosen.size())));
}

void TestAccessibility::readingIsThePanelsOneUnclaimedLabel_data()
{
    QTest::addColumn<int>("month"); // position in the list, read on the 1st
    QTest::newRow("Scorpio") << 10;
    QTest::newRow("Cancer, a paragraph ending in a full stop") << 6;
}

void TestAccessibility::readingIsThePanelsOneUnclaimedLabel()
{
    QFETCH(int, month);
    MessageRecorder messages(*m_services);
    proceedWith(m_main, month);

    // What a screen reader reads of a panel it enters: the showing labels that label nothing and
    // are labelled by nothing, of three words or more.
    QStringList unclaimed;
    std::function<void(QAccessibleInterface *)> visit = [&](QAccessibleInterface *node) {
        for (int i = 0; i < node->childCount(); ++i) {
            QAccessibleInterface *child = node->child(i);
            if (!child || child->state().invisible)
                continue;
            const QString name = child->text(QAccessible::Name);
            if (child->role() == QAccessible::StaticText && child->relations().isEmpty() &&
                name.split(u' ', Qt::SkipEmptyParts).size() >= 3)
                unclaimed << name;
            visit(child);
        }
    };
    visit(accessible(find(Window::Main, u"fraResult"_s)));

    QCOMPARE(unclaimed, QStringList{readingText(*readingengine::readingFor(1, month + 1),
                                                ReadingText::Sentences)});
}

void TestAccessibility::textBoxesAreOneRunOfText()
{
    // Runs that stop short of the end made a screen reader drop the last character.
    for (QWidget *top : {window(Window::Main), window(Window::Exit)}) {
        auto *box = top->findChild<QLineEdit *>(u"txtName"_s);
        box->setText(u"Ann"_s);
        QAccessibleTextInterface *text = accessible(box)->textInterface();
        QVERIFY(text);
        QCOMPARE(text->text(0, text->characterCount()), u"Ann"_s);
        for (int offset = 0; offset < 3; ++offset) {
            int start = -1, end = -1;
            text->attributes(offset, &start, &end);
            QCOMPARE(QPair(start, end), QPair(0, 3));
        }
    }
}

void TestAccessibility::fieldsDescribeTheirPlaceholder_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("placeholder");
    QTest::newRow("your name") << u"txtName"_s << placeholders::Name;
    QTest::newRow("your address") << u"txtEmail"_s << placeholders::Email;
    QTest::newRow("friend's name") << u"txtFriendName"_s << placeholders::FriendName;
    QTest::newRow("friend's address") << u"txtFriendEmail"_s << placeholders::FriendEmail;
}

void TestAccessibility::fieldsDescribeTheirPlaceholder()
{
    QFETCH(QString, field);
    QFETCH(QString, placeholder);
    auto *box = find<QLineEdit>(Window::Exit, field);
    auto description = [box] { return accessible(box)->text(QAccessible::Description); };
    QCOMPARE(description(), placeholder);
    box->clear(); // as the focus leaves it
    QCOMPARE(description(), placeholder);
    box->setText(u"Bob"_s);
    QCOMPARE(description(), QString());
}

void TestAccessibility::windowsAndStacksReadAsDesigned_data()
{
    QTest::addColumn<Window>("window");
    QTest::addColumn<QString>("object"); // empty: the window itself
    QTest::addColumn<QAccessible::Role>("role");
    QTest::addColumn<QString>("name");
    QTest::newRow("exit window") << Window::Exit << QString() << QAccessible::Dialog
                                 << u"Planetarch v1.0"_s;
    QTest::newRow("About window") << Window::About << QString() << QAccessible::Dialog
                                  << u"Planetarch v1.0"_s;
    QTest::newRow("main window") << Window::Main << QString() << QAccessible::Window
                                 << u"Planetarch v1.0"_s;
    QTest::newRow("panels are layout")
        << Window::Main << u"panels"_s << QAccessible::Grouping << QString();
    QTest::newRow("banners are layout")
        << Window::Main << u"banners"_s << QAccessible::Grouping << QString();
}

void TestAccessibility::windowsAndStacksReadAsDesigned()
{
    QFETCH(Window, window);
    QFETCH(QString, object);
    QFETCH(QAccessible::Role, role);
    QFETCH(QString, name);
    // As a screen reader meets it: shown. Newer Qt names no window that was never shown.
    this->window(window)->show();
    QVERIFY(QTest::qWaitForWindowExposed(this->window(window)));
    QAccessibleInterface *found =
        accessible(object.isEmpty() ? this->window(window) : find(window, object));
    QCOMPARE(found->role(), role);
    QCOMPARE(found->text(QAccessible::Name), name);
}

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
