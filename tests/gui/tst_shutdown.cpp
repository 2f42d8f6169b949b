// SPDX-FileCopyrightText: 2026 The Planetarch developers
// SPDX-License-Identifier: MIT
#include "gui/exitwindow.h"
#include "gui/links.h"
#include "gui/mainwindow.h"
#include "gui/services.h"
#include "support/menus.h"
#include "support/messagerecorder.h"

#include <QApplication>
#include <QPointer>
#include <QPushButton>
#include <QTest>

using namespace planetarch;
using namespace planetarch::testing;
using namespace Qt::StringLiterals;

class TestShutdown : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void closingHandsOverToTheExitWindow_data();
    void closingHandsOverToTheExitWindow();
    void closingDuringAReadingEndsTheProgram();

private:
    static QList<ExitWindow *> exitWindows();

    std::unique_ptr<Services> m_services; // afresh for each test
    QPointer<MainWindow> m_window;
    int m_loopExits = 0;
};

QList<ExitWindow *> TestShutdown::exitWindows()
{
    QList<ExitWindow *> found;
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (QWidget *window : windows) {
        if (auto *exitWindow = qobject_cast<ExitWindow *>(window);
            exitWindow && window->isVisible())
            found << exitWindow;
    }
    return found;
}

void TestShutdown::init()
{
    m_loopExits = 0;
    m_services = std::make_unique<Services>();
    m_services->draw = [] { return 0.95f; }; // the same banner every time
    m_services->leaveEventLoop = [this] { ++m_loopExits; };
    m_window = new MainWindow(*m_services);
    m_window->setAttribute(Qt::WA_DeleteOnClose);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowActive(m_window));
}

void TestShutdown::cleanup()
{
    delete m_window.data();
    for (ExitWindow *exitWindow : exitWindows())
        delete exitWindow;
}

void TestShutdown::closingHandsOverToTheExitWindow_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("File > Exit") << u"menu"_s;
    QTest::newRow("Ctrl+Q, as the menu shows") << u"Ctrl+Q"_s;
    QTest::newRow("close box, Alt+F4 or session end") << u"close"_s;
}

void TestShutdown::closingHandsOverToTheExitWindow()
{
    QFETCH(QString, how);
    if (how == u"menu"_s) {
        QVERIFY(chooseMenuItem(m_window, u"mnuFile"_s, u"mnuExit"_s));
    } else if (how == u"close"_s) {
        m_window->close();
    } else {
        QCOMPARE(m_window->findChild<QAction *>(u"mnuExit"_s)->shortcut(), QKeySequence(how));
        QTest::keyClick(m_window, Qt::Key_Q, Qt::ControlModifier);
    }

    QTRY_VERIFY(!m_window || !m_window->isVisible());
    const QList<ExitWindow *> shown = exitWindows();
    QCOMPARE(shown.size(), 1);
    QVERIFY(!shown.first()->parentWidget()); // no owner: it outlives the main window
    QVERIFY(!shown.first()->isModal());
    QCOMPARE(m_loopExits, 0); // the program goes on with the exit window alone
}

void TestShutdown::closingDuringAReadingEndsTheProgram()
{
    // The window goes away while the validation message of the archetype button is still open.
    MessageRecorder messages(*m_services);
    messages.onShown = [this](const messages::Message &) { m_window->close(); };
    QTest::mouseClick(m_window->findChild<QPushButton *>(u"cmdProceed"_s), Qt::LeftButton);

    QCOMPARE(messages.texts(), QStringList{u"Please Enter Name"_s});
    QCOMPARE(m_loopExits, 1);
    QVERIFY(exitWindows().isEmpty());
}

QTEST_MAIN(TestShutdown)
#include "tst_shutdown.moc"
