// SPDX-FileCopyrightText: 2026 The Planetarch developers
// SPDX-License-Identifier: MIT
#include "core/identity.h"
#include "core/limits.h"
#include "core/webaddresses.h"
#include "gui/aboutdialog.h"
#include "gui/links.h"
#include "gui/mainwindow.h"
#include "gui/widgets/linklabel.h"
#include "support/menus.h"
#include "support/messagerecorder.h"
#include "support/textfit.h"
#include "support/urlrecorder.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>

using namespace planetarch;
using namespace planetarch::testing;
using namespace Qt::StringLiterals;

class TestLinks : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void commands_data();
    void commands();
    void f1OpensTheHelp();
    void donateActsFromTheMenuBar();
    void aboutIsModalAndBuiltAfresh();
    void aboutKeysClose_data();
    void aboutKeysClose();
    void aboutLinksLeaveItOpen();
    void aboutTabOrder();
    void aboutTextsFit();
    void aboutDescriptionHangsFromItsTop();
    void doubleClickOpensOnce_data();
    void doubleClickOpensOnce();
    void keysOpenTheFocusedLink_data() { doubleClickOpensOnce_data(); }
    void keysOpenTheFocusedLink();
    void addressTooLongForTheBrowser_data();
    void addressTooLongForTheBrowser();
    void reportsNeverShowTheAddress();

private:
    LinkLabel *bannerInFront() const;
    // The row's link, in the main window or in the given About window, shown and active.
    LinkLabel *shownLink(AboutDialog &about) const;

    std::unique_ptr<Services> m_services; // afresh for each test
    MainWindow *m_window = nullptr;
};

void TestLinks::init()
{
    m_services = std::make_unique<Services>();
    m_services->draw = [] { return 0.95f; }; // co-branding in front
    m_window = new MainWindow(*m_services);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowActive(m_window));
}

void TestLinks::cleanup()
{
    delete m_window;
    m_window = nullptr;
}

// The banner a click on the strip reaches.
LinkLabel *TestLinks::bannerInFront() const
{
    QWidget *strip = m_window->findChild<QWidget *>(u"fraFullBrand"_s);
    return qobject_cast<LinkLabel *>(strip->childAt(strip->rect().center()));
}

LinkLabel *TestLinks::shownLink(AboutDialog &about) const
{
    QFETCH(bool, inAbout);
    QFETCH(QString, link);
    QWidget *window = m_window;
    if (inAbout) {
        about.show();
        if (!QTest::qWaitForWindowActive(&about))
            return nullptr;
        window = &about;
    }
    return window->findChild<LinkLabel *>(link);
}

void TestLinks::commands_data()
{
    QTest::addColumn<QString>("menu");    // empty for a link label
    QTest::addColumn<QString>("control"); // menu item or label
    QTest::addColumn<bool>("fullBrandRaised");
    QTest::addColumn<QString>("address");

    QTest::newRow("Online Help") << u"mnuHelp"_s << u"mnuOnline"_s << false
                                 << links::helpPage(QCoreApplication::applicationDirPath());
    QTest::newRow("Visit Us Online")
        << u"mnuHelp"_s << u"mnuVisit"_s << false << webaddresses::HomePage;
    QTest::newRow("Check for Software Update")
        << u"mnuHelp"_s << u"mnuUpdate"_s << false << webaddresses::DownloadPage;
    QTest::newRow("forum invitation")
        << QString() << u"Label14"_s << false << webaddresses::HomePage;
    QTest::newRow("co-branding banner, in front")
        << QString() << u"banner"_s << false << webaddresses::CoBrandPage;
    QTest::newRow("full-branding banner, once raised")
        << QString() << u"banner"_s << true << webaddresses::FullBrandPage;
}

void TestLinks::commands()
{
    QFETCH(QString, menu);
    QFETCH(QString, control);
    QFETCH(bool, fullBrandRaised);
    QFETCH(QString, address);

    if (fullBrandRaised) { // the draw that raises it
        delete m_window;
        m_services->draw = [] { return 0.1f; };
        m_window = new MainWindow(*m_services);
        m_window->show();
    }
    auto *name = m_window->findChild<QLineEdit *>(u"txtName"_s);
    QTest::keyClicks(name, u"Ann"_s);
    UrlRecorder urls;
    for (int click = 0; click < 2; ++click) {
        if (!menu.isEmpty()) {
            QVERIFY(chooseMenuItem(m_window, menu, control));
        } else {
            QLabel *label = control == u"banner"_s ? bannerInFront()
                                                   : m_window->findChild<LinkLabel *>(control);
            QVERIFY(label);
            QTest::mouseClick(label, Qt::LeftButton, {}, label->rect().center());
        }
    }
    // One page per click, no de-duplication; the entry is untouched.
    QCOMPARE(urls.addresses(), (QStringList{address, address}));
    QCOMPARE(name->text(), u"Ann"_s);
    QVERIFY(m_window->findChild<QWidget *>(u"fraMain"_s)->isVisible());
}

// F1 opens the help, as Help > Online Help (which shows the key) does.
void TestLinks::f1OpensTheHelp()
{
    UrlRecorder urls;
    QTest::keyClick(m_window, Qt::Key_F1);
    QCOMPARE(m_window->findChild<QAction *>(u"mnuOnline"_s)->shortcut(), QKeySequence(u"F1"_s));
    QCOMPARE(urls.addresses(),
             QStringList{links::helpPage(QCoreApplication::applicationDirPath())});
}

void TestLinks::donateActsFromTheMenuBar()
{
    UrlRecorder urls;
    auto *donate = m_window->findChild<QAction *>(u"mnuDonate"_s);
    QVERIFY(donate && !donate->menu());
    clickBarAction(m_window, donate);
    QCOMPARE(urls.addresses(), QStringList{webaddresses::DonatePage});
    // Alt+D is the Donate command's key.
    QTest::keyClick(m_window, Qt::Key_D, Qt::AltModifier);
    QTRY_COMPARE(urls.addresses().size(), 2);
}

void TestLinks::aboutIsModalAndBuiltAfresh()
{
    QList<QStringList> seen;
    for (int showing = 0; showing < 2; ++showing) {
        // The command returns at once; the window it opened blocks the main window until closed.
        QVERIFY(chooseMenuItem(m_window, u"mnuHelp"_s, u"mnuAbout"_s));
        QTRY_VERIFY(qobject_cast<AboutDialog *>(QApplication::activeModalWidget()));
        auto *about = qobject_cast<AboutDialog *>(QApplication::activeModalWidget());
        QVERIFY(about->isModal());
        QCOMPARE(about->parentWidget(), m_window);
        QVERIFY(about->windowModality() != Qt::NonModal);
        QCOMPARE(about->windowTitle(), identity::WindowCaption);
        QStringList texts;
        const QList<QLabel *> labels = about->findChildren<QLabel *>();
        for (const QLabel *label : labels)
            texts << label->objectName() + u'=' + label->text();
        seen << texts;
        QTest::keyClick(about, Qt::Key_Escape);
        QTRY_COMPARE(m_window->findChildren<AboutDialog *>().size(), 0);
    }
    QCOMPARE(seen.size(), 2);
    QCOMPARE(seen[0], seen[1]);
    QVERIFY(seen[0].contains(u"lblHomePage=Click here to visit www.orvanel.example"_s));
}

void TestLinks::aboutKeysClose_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("focusOnButton");
    QTest::newRow("Enter on OK") << int(Qt::Key_Return) << true;
    QTest::newRow("Esc on OK") << int(Qt::Key_Escape) << true;
    QTest::newRow("keypad Enter on OK") << int(Qt::Key_Enter) << true;
    QTest::newRow("Enter with nothing focused") << int(Qt::Key_Return) << false;
    QTest::newRow("Esc with nothing focused") << int(Qt::Key_Escape) << false;
}

void TestLinks::aboutKeysClose()
{
    QFETCH(int, key);
    QFETCH(bool, focusOnButton);
    AboutDialog about(m_window);
    about.open();
    QVERIFY(QTest::qWaitForWindowActive(&about));
    QWidget *target = &about;
    if (focusOnButton) {
        target = about.findChild<QPushButton *>(u"cmdOK"_s);
        target->setFocus();
    } else {
        about.setFocus();
    }
    QTest::keyClick(target, Qt::Key(key));
    QTRY_VERIFY(!about.isVisible());
}

void TestLinks::aboutLinksLeaveItOpen()
{
    AboutDialog about(m_window);
    about.open();
    QVERIFY(QTest::qWaitForWindowExposed(&about));
    UrlRecorder urls;
    for (const char *name : {"lblHomePage", "lblCoBrand"}) {
        auto *label = about.findChild<LinkLabel *>(QString::fromLatin1(name));
        QVERIFY(label);
        QTest::mouseClick(label, Qt::LeftButton, {}, label->rect().center());
    }
    // "Click here for more details" sits under the full-branding offer and opens that page.
    QCOMPARE(urls.addresses(), (QStringList{webaddresses::HomePage, webaddresses::FullBrandPage}));
    QVERIFY(about.isVisible());
}

void TestLinks::aboutTabOrder()
{
    AboutDialog about(m_window);
    about.open();
    QVERIFY(QTest::qWaitForWindowActive(&about));
    QTRY_COMPARE(QApplication::focusWidget(), about.findChild<QWidget *>(u"cmdOK"_s));
    QStringList visited;
    for (int step = 0; step < 5; ++step) {
        visited << QApplication::focusWidget()->objectName();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    QCOMPARE(visited, (QStringList{u"cmdOK"_s, u"picIcon"_s, u"lblHomePage"_s, u"lblCoBrand"_s,
                                   u"cmdOK"_s}));
}

void TestLinks::aboutTextsFit()
{
    AboutDialog about(m_window);
    about.show();
    QVERIFY(QTest::qWaitForWindowExposed(&about));
    QCOMPARE(textsThatDoNotFit(&about), QStringList());
}

void TestLinks::aboutDescriptionHangsFromItsTop()
{
    AboutDialog about(m_window);
    about.show();
    QVERIFY(QTest::qWaitForWindowExposed(&about));
    const int top = firstInkRow(about.findChild<QLabel *>(u"Label1"_s));
    QVERIFY2(top >= 0 && top <= 3, qPrintable(QString::number(top)));
}

void TestLinks::doubleClickOpensOnce_data()
{
    QTest::addColumn<bool>("inAbout");
    QTest::addColumn<QString>("link");
    QTest::addColumn<QString>("address");
    QTest::newRow("forum line") << false << u"Label14"_s << webaddresses::HomePage;
    QTest::newRow("co-branding banner") << false << u"lblCobrand"_s << webaddresses::CoBrandPage;
    QTest::newRow("About: home page") << true << u"lblHomePage"_s << webaddresses::HomePage;
    QTest::newRow("About: more details") << true << u"lblCoBrand"_s << webaddresses::FullBrandPage;
}

// Two clicks within the double-click interval, through the window system as a mouse makes them.
void TestLinks::doubleClickOpensOnce()
{
    QFETCH(QString, address);
    AboutDialog about(m_window);
    LinkLabel *label = shownLink(about);
    QVERIFY(label);
    QWidget *window = label->window();
    UrlRecorder urls;
    QTest::mouseDClick(window->windowHandle(), Qt::LeftButton, {},
                       label->mapTo(window, label->rect().center()));
    QCOMPARE(urls.addresses(), QStringList{address});
    // The next click, after the interval, opens the page again.
    QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {},
                      label->mapTo(window, label->rect().center()));
    QCOMPARE(urls.addresses(), (QStringList{address, address}));
}

// Enter, the keypad's Enter and Space open the link that has the focus; with Alt they do not.
void TestLinks::keysOpenTheFocusedLink()
{
    QFETCH(QString, address);
    AboutDialog about(m_window);
    LinkLabel *label = shownLink(about);
    QVERIFY(label);
    label->setFocus(Qt::TabFocusReason);
    QTRY_VERIFY(label->hasFocus());
    UrlRecorder urls;
    QTest::keyClick(label, Qt::Key_Return);
    QTest::keyClick(label, Qt::Key_Enter, Qt::KeypadModifier);
    QTest::keyClick(label, Qt::Key_Space);
    QTest::keyClick(label, Qt::Key_Return, Qt::AltModifier);
    QCOMPARE(urls.addresses(), QStringList(3, address));
}

void TestLinks::addressTooLongForTheBrowser_data()
{
    QTest::addColumn<int>("length");
    QTest::addColumn<bool>("opened");
    QTest::newRow("at the limit") << int(limits::AddressLength) << true;
    QTest::newRow("one past the limit") << int(limits::AddressLength) + 1 << false;
    QTest::newRow("200 KiB") << 200 * 1024 << false;
}

void TestLinks::addressTooLongForTheBrowser()
{
    QFETCH(int, length);
    QFETCH(bool, opened);
    UrlRecorder urls;
    QString address = webaddresses::ReferAFriendPage + u"?taf1="_s;
    address += QString(length - address.size(), u'x');
    QCOMPARE(links::open(address), opened);
    QCOMPARE(urls.opened.size(), opened ? 1 : 0);
}

namespace {
QStringList reported;
void recordReport(QtMsgType, const QMessageLogContext &, const QString &message)
{
    reported << message;
}
} // namespace

// With no URL handler, the offscreen platform reports that it cannot open the page, as a desktop
// reports a browser that fails to start; the report must not carry the user's data.
void TestLinks::reportsNeverShowTheAddress()
{
    const QString address =
        webaddresses::ReferAFriendPage + u"?taf1=Ann%20Lee&taf2=ann%40mail.example&taf3=Hello"_s;
    reported.clear();
    const QtMessageHandler previous = qInstallMessageHandler(recordReport);
    links::open(address);
    qInstallMessageHandler(previous);
    QVERIFY(!reported.isEmpty());
    for (const QString &report : std::as_const(reported)) {
        QVERIFY2(!report.contains(u"taf"_s) && !report.contains(u"Ann"_s), qPrintable(report));
        QVERIFY2(report.contains(u"<address withheld>"_s), qPrintable(report));
    }
}

QTEST_MAIN(TestLinks)
#include "tst_links.moc"
