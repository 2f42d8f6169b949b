// SPDX-FileCopyrightText: 2026 The Planetarch developers
// SPDX-License-Identifier: MIT
#include "core/referral.h"
#include "core/webaddresses.h"
#include "gui/exitwindow.h"
#include "gui/links.h"
#include "support/messagerecorder.h"
#include "support/textfit.h"
#include "support/urlrecorder.h"

#include <QApplication>
#include <QClipboard>
#include <QDeadlineTimer>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QUrlQuery>

#include <memory>

using namespace planetarch;
using namespace planetarch::testing;
using namespace Qt::StringLiterals;

namespace {

const auto fieldText = ExitWindow::fieldText;
const auto setFieldText = ExitWindow::setFieldText;

} // namespace

class TestExitWindow : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void appealFollowsTheDraw_data();
    void appealFollowsTheDraw();
    void catalogueText();
    void staysOnTop();
    void fieldsStartWithTheirPlaceholders();
    void placeholders_data();
    void placeholders();
    void blankRefusedInAddresses_data();
    void blankRefusedInAddresses();
    void pastedBlankIsAccepted();
    void blankRefusedFromAnInputMethod();
    void placeholdersIgnoreWindowActivation();
    void enterPressesTheFocusedButton_data();
    void enterPressesTheFocusedButton();
    void hugePasteIsCutAndTheWindowAnswers_data();
    void hugePasteIsCutAndTheWindowAnswers();
    void fullMessageTakesNoMoreTyping();
    void tabOrder();
    void visitButtonOpensTheHomePageEachClick();
    void catalogueLink();
    void submit_data();
    void submit();
    void submitAgainOpensAgain();
    void closingEndsTheProgram_data();
    void closingEndsTheProgram();
    void textsFit();
    void paragraphsHangFromTheirTop_data();
    void paragraphsHangFromTheirTop();

private:
    QWidget *field(const QString &name) const { return m_window->findChild<QWidget *>(name); }
    void fill(const QStringList &texts); // name, e-mail, friend's name, friend's e-mail, message

    std::unique_ptr<Services> m_services; // afresh for each test
    std::unique_ptr<ExitWindow> m_window;
    int m_loopExits = 0;
};

void TestExitWindow::init()
{
    m_loopExits = 0;
    m_services = std::make_unique<Services>();
    m_services->leaveEventLoop = [this] { ++m_loopExits; };
    m_services->draw = [] { return 0.6f; };
    m_window = std::make_unique<ExitWindow>(*m_services);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
}

void TestExitWindow::cleanup()
{
    m_window.reset();
}

void TestExitWindow::fill(const QStringList &texts)
{
    const char *names[] = {"txtName", "txtEmail", "txtFriendName", "txtFriendEmail", "txtMessage"};
    for (int index = 0; index < texts.size(); ++index)
        setFieldText(field(QString::fromLatin1(names[index])), texts[index]);
}

void TestExitWindow::appealFollowsTheDraw_data()
{
    QTest::addColumn<float>("draw");
    QTest::addColumn<QString>("opening");
    QTest::newRow("k = 0") << 0.1f << u"Runevale Softwares, such as this"_s;
    QTest::newRow("k = 1") << 0.25f << u"Visit Orvanel regularly. Support Orvanel"_s;
    QTest::newRow("k = 2") << 0.5f << u"Orvanel is a FREE online discussion forum"_s;
    QTest::newRow("k = 3") << 0.99f << u"Orvanel needs your help."_s;
}

void TestExitWindow::appealFollowsTheDraw()
{
    QFETCH(float, draw);
    QFETCH(QString, opening);
    m_services->draw = [draw] { return draw; };
    ExitWindow window(*m_services);
    QVERIFY(window.findChild<QLabel *>(u"Label2"_s)->text().startsWith(opening));
}

void TestExitWindow::catalogueText()
{
    const QString text = m_window->findChild<QLabel *>(u"Label3"_s)->text();
    QCOMPARE(text.size(), 621);
    QVERIFY(text.contains(u"world\u2019s largest"_s));
    QVERIFY(text.contains(u"interests."_s + QString(61, u' ') + u"All the programs"_s));
    QVERIFY(text.endsWith(u"family. "_s));
}

void TestExitWindow::staysOnTop()
{
    QVERIFY(m_window->windowFlags() & Qt::WindowStaysOnTopHint);
    QVERIFY(!(m_window->windowFlags() & Qt::WindowMinimizeButtonHint));
    QVERIFY(!(m_window->windowFlags() & Qt::WindowMaximizeButtonHint));
    QCOMPARE(m_window->size(), QSize(741, 315));
}

void TestExitWindow::fieldsStartWithTheirPlaceholders()
{
    QCOMPARE(fieldText(field(u"txtName"_s)), u"Your Name"_s);
    QCOMPARE(fieldText(field(u"txtEmail"_s)), u"Your Email Address"_s);
    QCOMPARE(fieldText(field(u"txtFriendName"_s)), u"Friend's Name"_s);
    QCOMPARE(fieldText(field(u"txtFriendEmail"_s)), u"Friend's Email Address"_s);
    QCOMPARE(fieldText(field(u"txtMessage"_s)), u"Your Message\r\n"_s);
}

void TestExitWindow::placeholders_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("whileFocused");
    QTest::addColumn<QString>("afterLeaving");

    QTest::newRow("name placeholder clears and comes back")
        << u"txtName"_s << u"Your Name"_s << QString() << u"Your Name"_s;
    QTest::newRow("lower-case placeholder is input")
        << u"txtName"_s << u"your name"_s << u"your name"_s << u"your name"_s;
    QTest::newRow("only blanks show the placeholder again")
        << u"txtFriendName"_s << u"   "_s << u"   "_s << u"Friend's Name"_s;
    QTest::newRow("e-mail placeholder") << u"txtFriendEmail"_s << u"Friend's Email Address"_s
                                        << QString() << u"Friend's Email Address"_s;
    QTest::newRow("message keeps its CR LF") << u"txtMessage"_s << u"Your Message\r\n"_s
                                             << u"Your Message\r\n"_s << u"Your Message\r\n"_s;
    QTest::newRow("emptied message comes back without CR LF")
        << u"txtMessage"_s << QString() << QString() << u"Your Message"_s;
}

void TestExitWindow::placeholders()
{
    QFETCH(QString, name);
    QFETCH(QString, before);
    QFETCH(QString, whileFocused);
    QFETCH(QString, afterLeaving);
    QWidget *box = field(name);
    setFieldText(box, before);

    box->setFocus(Qt::TabFocusReason);
    QCOMPARE(fieldText(box), whileFocused);
    m_window->findChild<QPushButton *>(u"cmdClose"_s)->setFocus(Qt::TabFocusReason);
    QCOMPARE(fieldText(box), afterLeaving);
}

void TestExitWindow::blankRefusedInAddresses_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<bool>("refused");
    const Qt::KeyboardModifiers none = Qt::NoModifier;
    QTest::newRow("sender's address") << u"txtEmail"_s << none << true;
    QTest::newRow("friend's address") << u"txtFriendEmail"_s << none << true;
    QTest::newRow("sender's name takes blanks") << u"txtName"_s << none << false;
    QTest::newRow("friend's name takes blanks") << u"txtFriendName"_s << none << false;
    for (const auto &[modifier, label] :
         {std::pair{Qt::ShiftModifier, "Shift"}, std::pair{Qt::AltModifier, "Alt"},
          std::pair{Qt::MetaModifier, "Meta"}, std::pair{Qt::ControlModifier, "Ctrl"}}) {
        QTest::addRow("%s+Space in an address", label)
            << u"txtEmail"_s << Qt::KeyboardModifiers(modifier) << true;
    }
}

void TestExitWindow::blankRefusedInAddresses()
{
    QFETCH(QString, name);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(bool, refused);
    auto *box = m_window->findChild<QLineEdit *>(name);
    box->setFocus(Qt::MouseFocusReason);
    QTest::keyClicks(box, u"ann"_s);
    MessageRecorder messages(*m_services);
    QTest::sendKeyEvent(QTest::Click, box, Qt::Key_Space, u" "_s, modifiers);

    QCOMPARE(box->text(), refused ? u"ann"_s : u"ann "_s);
    QCOMPARE(messages.texts(),
             refused ? QStringList{u"Email Address Cannot Contain Space"_s} : QStringList());
    if (refused)
        QCOMPARE(messages.shown.first().icon, messages::Icon::Critical);
    QCOMPARE(QApplication::focusWidget(), box);
}

void TestExitWindow::pastedBlankIsAccepted()
{
    auto *box = m_window->findChild<QLineEdit *>(u"txtEmail"_s);
    box->setFocus(Qt::MouseFocusReason);
    QApplication::clipboard()->setText(u"ann @x.org"_s);
    MessageRecorder messages(*m_services);
    QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(box->text(), u"ann @x.org"_s);
    QVERIFY(messages.shown.isEmpty());
}

void TestExitWindow::blankRefusedFromAnInputMethod()
{
    auto *box = m_window->findChild<QLineEdit *>(u"txtEmail"_s);
    box->setFocus(Qt::MouseFocusReason);
    QTest::keyClicks(box, u"ann"_s);
    MessageRecorder messages(*m_services);
    QInputMethodEvent committed;
    committed.setCommitString(u"\u00e9 x"_s);
    QApplication::sendEvent(box, &committed);
    QCOMPARE(box->text(), u"ann"_s);
    QCOMPARE(messages.texts(), QStringList{u"Email Address Cannot Contain Space"_s});
}

void TestExitWindow::placeholdersIgnoreWindowActivation()
{
    // Another window coming to the front (a message box, the browser) moves no focus inside this
    // one: an emptied field keeps its caret and stays empty, a placeholder stays.
    auto *name = m_window->findChild<QLineEdit *>(u"txtName"_s);
    name->setFocus(Qt::TabFocusReason);
    QCOMPARE(name->text(), QString());
    QFocusEvent windowLeft(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
    QApplication::sendEvent(name, &windowLeft);
    QCOMPARE(name->text(), QString());

    auto *email = m_window->findChild<QLineEdit *>(u"txtEmail"_s);
    QFocusEvent windowBack(QEvent::FocusIn, Qt::ActiveWindowFocusReason);
    QApplication::sendEvent(email, &windowBack);
    QCOMPARE(email->text(), placeholders::Email);

    // The user's own move still swaps them.
    email->setFocus(Qt::TabFocusReason);
    QCOMPARE(email->text(), QString());
    QCOMPARE(name->text(), placeholders::Name);
}

void TestExitWindow::enterPressesTheFocusedButton_data()
{
    QTest::addColumn<QString>("button");
    QTest::newRow("Exit ends the program") << u"cmdClose"_s;
    QTest::newRow("Check1 opens the home page") << u"Check1"_s;
    QTest::newRow("Refer A Friend Now submits") << u"cmdSubmit"_s;
}

void TestExitWindow::enterPressesTheFocusedButton()
{
    QFETCH(QString, button);
    MessageRecorder messages(*m_services);
    UrlRecorder urls;
    auto *target = m_window->findChild<QPushButton *>(button);
    target->setFocus(Qt::TabFocusReason);
    QTest::keyClick(target, Qt::Key_Return);
    const int effects = m_loopExits + int(urls.opened.size()) + int(messages.shown.size());
    QCOMPARE(effects, 1);
    if (button == u"cmdClose"_s)
        QCOMPARE(m_loopExits, 1);
    else if (button == u"Check1"_s)
        QCOMPARE(urls.addresses(), QStringList{webaddresses::HomePage});
    else
        QCOMPARE(messages.texts(), QStringList{u"Please Enter Proper Email Address"_s});
}

void TestExitWindow::hugePasteIsCutAndTheWindowAnswers_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<int>("limit");
    QTest::newRow("your name") << u"txtName"_s << 254;
    QTest::newRow("your address") << u"txtEmail"_s << 254;
    QTest::newRow("friend's name") << u"txtFriendName"_s << 254;
    QTest::newRow("friend's address") << u"txtFriendEmail"_s << 254;
    QTest::newRow("message") << u"txtMessage"_s << 2000;
}

// A megabyte on one line once froze the window for minutes while Qt laid it out. The deadline is
// set before the paste, so a freeze shows as a deadline long past once the window answers again.
void TestExitWindow::hugePasteIsCutAndTheWindowAnswers()
{
    QFETCH(QString, field);
    QFETCH(int, limit);
    QWidget *box = m_window->findChild<QWidget *>(field);
    box->setFocus(Qt::TabFocusReason);
    setFieldText(box, QString()); // the message keeps its initial text on focus
    QApplication::clipboard()->setText(QString(1024 * 1024, u'x'));
    const QDeadlineTimer deadline(2000);
    QMetaObject::invokeMethod(box, "paste");
    m_window->repaint();
    QCoreApplication::processEvents();
    QVERIFY2(!deadline.hasExpired(), "the window froze while it took the paste");
    QCOMPARE(fieldText(box), QString(limit, u'x'));
    // Pasting over a selection still takes as much as fits in its place.
    QMetaObject::invokeMethod(box, "selectAll");
    QApplication::clipboard()->setText(u"ann@mail.example"_s);
    QMetaObject::invokeMethod(box, "paste");
    QCOMPARE(fieldText(box), u"ann@mail.example"_s);
}

void TestExitWindow::fullMessageTakesNoMoreTyping()
{
    QWidget *box = field(u"txtMessage"_s);
    box->setFocus(Qt::TabFocusReason);
    setFieldText(box, QString(1999, u'm'));
    qobject_cast<QPlainTextEdit *>(box)->moveCursor(QTextCursor::End);
    QTest::keyClicks(box, u"abc"_s);
    QCOMPARE(fieldText(box), QString(1999, u'm') + u'a');
    QTest::keyClick(box, Qt::Key_Backspace);
    QTest::keyClick(box, Qt::Key_Z);
    QCOMPARE(fieldText(box), QString(1999, u'm') + u'z');
}

void TestExitWindow::tabOrder()
{
    QStringList visited;
    for (int step = 0; step < 11; ++step) {
        visited << QApplication::focusWidget()->objectName();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    QCOMPARE(visited,
             (QStringList{u"cmdClose"_s, u"Check1"_s, u"Picture1"_s, u"txtName"_s, u"cmdSubmit"_s,
                          u"txtEmail"_s, u"txtFriendEmail"_s, u"txtFriendName"_s, u"txtMessage"_s,
                          u"lblGoToHome"_s, u"cmdClose"_s}));
}

void TestExitWindow::visitButtonOpensTheHomePageEachClick()
{
    UrlRecorder urls;
    auto *visitButton = m_window->findChild<QPushButton *>(u"Check1"_s);
    for (int click = 1; click <= 3; ++click) {
        QTest::mouseClick(visitButton, Qt::LeftButton);
        QCOMPARE(urls.opened.size(), click);
        QVERIFY(!visitButton->isChecked() && !visitButton->isDown());
    }
    QCOMPARE(urls.addresses(), QStringList(3, webaddresses::HomePage));
}

void TestExitWindow::catalogueLink()
{
    UrlRecorder urls;
    auto *link = m_window->findChild<QLabel *>(u"lblGoToHome"_s);
    QTest::mouseClick(link, Qt::LeftButton, {}, link->rect().center());
    QCOMPARE(urls.addresses(), QStringList{webaddresses::SoftwareSuitePage});
}

void TestExitWindow::submit_data()
{
    QTest::addColumn<QStringList>(
        "fields");                        // name, e-mail, friend's name, friend's e-mail[, message]
    QTest::addColumn<QString>("message"); // empty when the page opens
    QTest::addColumn<QString>("taf3");

    const QString distinct = u"Please Enter Distinct Email Addresses"_s;
    const QString proper = u"Please Enter Proper Email Address"_s;
    const QString untouched = u"Your Message\r\n"_s;
    QTest::newRow("both addresses empty")
        << QStringList{u"Ann"_s, QString(), u"Bo"_s, u"  "_s} << distinct << QString();
    QTest::newRow("both addresses their placeholders")
        << QStringList{u"Ann"_s, u"Your Email Address"_s, u"Bo"_s, u"Friend's Email Address"_s}
        << proper << QString();
    QTest::newRow("@ but no dot") << QStringList{u"Ann"_s, u"ann@x"_s, u"Bo"_s, u"bo@x.org"_s}
                                  << proper << QString();
    QTest::newRow("dot but no @") << QStringList{u"Ann"_s, u"ann@x.org"_s, u"Bo"_s, u"bo.x.org"_s}
                                  << proper << QString();
    QTest::newRow("only dot before the @ passes")
        << QStringList{u"Ann"_s, u"ann.lee@x"_s, u"Bo"_s, u"bo.b@y"_s} << QString() << untouched;
    QTest::newRow("addresses differing in case are distinct")
        << QStringList{u"Ann"_s, u"Ann@x.org"_s, u"Bo"_s, u"ann@x.org"_s} << QString() << untouched;
    QTest::newRow("name left as its placeholder")
        << QStringList{u"Your Name"_s, u"ann@x.org"_s, u"Bo"_s, u"bo@x.org"_s}
        << u"Please Enter Your Name"_s << QString();
    QTest::newRow("name only blanks")
        << QStringList{u"   "_s, u"ann@x.org"_s, u"Bo"_s, u"bo@x.org"_s}
        << u"Please Enter Your Name"_s << QString();
    QTest::newRow("friend's name left as its placeholder")
        << QStringList{u"Ann"_s, u"ann@x.org"_s, u"Friend's Name"_s, u"bo@x.org"_s}
        << u"Please Enter Your Friend's Name"_s << QString();
    QTest::newRow("message emptied")
        << QStringList{u"Ann"_s, u"ann@x.org"_s, u"Bo"_s, u"bo@x.org"_s, u"  "_s}
        << u"Please Enter Your Message"_s << QString();
    QTest::newRow("message written")
        << QStringList{u"Ann Lee"_s, u" ann@x.org "_s, u"Bo"_s, u"bo@x.org"_s, u"Try it & see"_s}
        << QString() << u"Try it & see"_s;
}

void TestExitWindow::submit()
{
    QFETCH(QStringList, fields);
    QFETCH(QString, message);
    QFETCH(QString, taf3);
    fill(fields);
    MessageRecorder messages(*m_services);
    UrlRecorder urls;

    QTest::mouseClick(m_window->findChild<QPushButton *>(u"cmdSubmit"_s), Qt::LeftButton);

    if (!message.isEmpty()) {
        QCOMPARE(messages.texts(), QStringList{message});
        QCOMPARE(messages.shown.first().icon, messages::Icon::Critical);
        QVERIFY(urls.opened.isEmpty());
        return;
    }
    QVERIFY(messages.shown.isEmpty());
    QCOMPARE(urls.opened.size(), 1);
    const QUrl url = urls.opened.first();
    QCOMPARE(url.adjusted(QUrl::RemoveQuery).toString(), webaddresses::ReferAFriendPage);
    const QUrlQuery query(url);
    QCOMPARE(query.queryItemValue(u"taf1"_s, QUrl::FullyDecoded), fields[0].trimmed());
    QCOMPARE(query.queryItemValue(u"taf2"_s, QUrl::FullyDecoded), fields[1].trimmed());
    QCOMPARE(query.queryItemValue(u"taf3"_s, QUrl::FullyDecoded), taf3);
    QCOMPARE(query.queryItemValue(u"taf6"_s, QUrl::FullyDecoded), webaddresses::ProductHomePage);
    // Nothing else happens: the window stays and its fields keep their texts.
    QVERIFY(m_window->isVisible());
    QCOMPARE(fieldText(field(u"txtName"_s)), fields[0]);
}

void TestExitWindow::submitAgainOpensAgain()
{
    fill({u"Ann"_s, u"ann@x.org"_s, u"Bo"_s, u"bo@x.org"_s});
    UrlRecorder urls;
    auto *submit = m_window->findChild<QPushButton *>(u"cmdSubmit"_s);
    QTest::mouseClick(submit, Qt::LeftButton);
    QTest::mouseClick(submit, Qt::LeftButton);
    QCOMPARE(urls.opened.size(), 2);
    QCOMPARE(urls.opened[0], urls.opened[1]);
}

void TestExitWindow::closingEndsTheProgram_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("Exit button") << u"click"_s;
    QTest::newRow("Alt+X") << u"alt+x"_s;
    QTest::newRow("close box") << u"close"_s;
    QTest::newRow("Escape, in a field") << u"escape"_s;
}

void TestExitWindow::closingEndsTheProgram()
{
    QFETCH(QString, how);
    if (how == u"click"_s)
        QTest::mouseClick(m_window->findChild<QPushButton *>(u"cmdClose"_s), Qt::LeftButton);
    else if (how == u"alt+x"_s)
        QTest::keyClick(m_window.get(), Qt::Key_X, Qt::AltModifier);
    else if (how == u"escape"_s)
        QTest::keyClick(field(u"txtFriendName"_s), Qt::Key_Escape);
    else
        m_window->close();
    QTRY_COMPARE(m_loopExits, 1);
    QVERIFY(!m_window->isVisible());
}

void TestExitWindow::textsFit()
{
    QCOMPARE(textsThatDoNotFit(m_window.get()), QStringList());
    for (float draw : {0.0f, 0.3f, 0.6f, 0.9f}) {
        m_services->draw = [draw] { return draw; };
        ExitWindow window(*m_services);
        window.show();
        QVERIFY2(textsThatDoNotFit(&window).isEmpty(), qPrintable(QString::number(draw)));
    }
}

void TestExitWindow::paragraphsHangFromTheirTop_data()
{
    QTest::addColumn<QString>("label");
    QTest::addColumn<float>("draw");
    QTest::newRow("catalogue paragraph") << u"Label3"_s << 0.6f;
    for (float draw : {0.0f, 0.3f, 0.6f, 0.9f}) // every appeal, the short ones most of all
        QTest::addRow("appeal %d", int(draw * 4)) << u"Label2"_s << draw;
}

void TestExitWindow::paragraphsHangFromTheirTop()
{
    QFETCH(QString, label);
    QFETCH(float, draw);
    m_services->draw = [draw] { return draw; };
    ExitWindow window(*m_services);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const int top = firstInkRow(window.findChild<QLabel *>(label));
    QVERIFY2(top >= 0 && top <= 3, qPrintable(QString::number(top)));
}

QTEST_MAIN(TestExitWindow)
#include "tst_exitwindow.moc"
