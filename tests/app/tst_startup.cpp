// SPDX-FileCopyrightText: 2026 The Planetarch developers
// SPDX-License-Identifier: MIT

// Start-up on every platform: the update reminder against the running program's own store, the
// banner, a second copy, and the end of the program. What the Linux settings file's text and
// file system do to the reminder is tst_startup_unix's.

#include "app/instanceguard.h"
#include "app/settingsfile.h"
#include "app/startup.h"
#include "core/webaddresses.h"
#include "gui/mainwindow.h"
#include "gui/services.h"
#include "support/messagerecorder.h"
#include "support/urlrecorder.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFile>
#include <QPointer>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QWindow>

using namespace planetarch;
using namespace planetarch::testing;
using namespace Qt::StringLiterals;

namespace {

const QString Question =
    u"There maybe an update to this software available\rDo you want to check for an update?"_s;
const QDateTime Now(QDate(2026, 12, 7), QTime(9, 0));

// A window whose close handler asks for the end of the program, as the exit window's does.
class EndsOnClose : public QWidget
{
public:
    explicit EndsOnClose(Services &services) : m_services(services) {}
    int closes = 0;

protected:
    void closeEvent(QCloseEvent *event) override
    {
        ++closes;
        event->accept();
        m_services.endProgram();
    }

private:
    Services &m_services;
};

} // namespace

class TestStartup : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void reminderAsksOnlyOnceADay();
    void banner_data();
    void banner();
    void startAsksThenShowsTheMainWindow_data();
    void startAsksThenShowsTheMainWindow();
    void firstRunNotesTheDateOnceTheWindowIsDrawn();
    void secondCopyIsToldAndEnds();
    void endProgramClosesEveryWindowOnce();

private:
    // The program's own store (the settings file on Linux, the registry key on Windows), written
    // as QSettings would and read back by the program's own reader.
    static void store(const QString &value)
    {
        QSettings(*SettingsFile::defaultPath(), QSettings::NativeFormat)
            .setValue(u"UpdateReminder/LastAsked"_s, value);
    }
    static QString stored()
    {
        return SettingsFile().value(u"UpdateReminder"_s, u"LastAsked"_s).value_or(QString());
    }
    static void forget()
    {
        QSettings(*SettingsFile::defaultPath(), QSettings::NativeFormat).clear();
        QFile::remove(*SettingsFile::defaultPath());
    }

    QTemporaryDir m_dir;
    std::unique_ptr<Services> m_services; // afresh for each test
    int m_loopExits = 0;
};

void TestStartup::initTestCase()
{
    // Linux's store goes under the test's own folder; Windows' is the registry key.
    QVERIFY(m_dir.isValid());
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_dir.filePath(u"config"_s)));
    QCoreApplication::setOrganizationName(u"PlanetarchTests"_s);
    QCoreApplication::setApplicationName(u"tst_startup"_s);
    QVERIFY(SettingsFile::defaultPath());
}

void TestStartup::init()
{
    m_loopExits = 0;
    m_services = std::make_unique<Services>();
    m_services->leaveEventLoop = [this] { ++m_loopExits; };
    forget();
}

void TestStartup::cleanup()
{
    // Windows own their menus, which are top-level widgets too: delete only the owners.
    QList<QPointer<QWidget>> owners;
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (QWidget *window : windows) {
        if (!window->parentWidget())
            owners << window;
    }
    for (const QPointer<QWidget> &window : std::as_const(owners))
        delete window.data();
    forget();
}

void TestStartup::reminderAsksOnlyOnceADay()
{
    store(u"2026-10-01T10:00:00"_s);
    MessageRecorder messages(*m_services);
    messages.answers << messages::Answer::No << messages::Answer::No;
    SettingsFile settings;
    updateReminder(settings, *m_services, Now);
    SettingsFile nextStart;
    updateReminder(nextStart, *m_services, Now.addSecs(3600));
    QCOMPARE(messages.texts(), QStringList{Question});
    QCOMPARE(stored(), u"2026-12-07T09:00:00"_s);
}

void TestStartup::banner_data()
{
    QTest::addColumn<float>("draw");
    QTest::addColumn<QString>("inFront");
    QTest::newRow("1 raises co-branding") << 0.0f << u"lblCobrand"_s;
    QTest::newRow("2 raises full branding") << 0.1f << u"lblFullBrand"_s;
    QTest::newRow("3") << 0.3f << u"lblCobrand"_s;
    QTest::newRow("4") << 0.45f << u"lblFullBrand"_s;
    QTest::newRow("5") << 0.6f << u"lblCobrand"_s;
    QTest::newRow("6") << 0.8f << u"lblFullBrand"_s;
    QTest::newRow("7 raises co-branding too") << 0.95f << u"lblCobrand"_s;
}

void TestStartup::banner()
{
    QFETCH(float, draw);
    QFETCH(QString, inFront);
    m_services->draw = [draw] { return draw; };
    MainWindow window(*m_services);
    // Whatever the draw, the strip shows exactly one banner: the one a click would reach.
    QWidget *strip = window.findChild<QWidget *>(u"fraFullBrand"_s);
    QCOMPARE(strip->childAt(strip->rect().center())->objectName(), inFront);
}

void TestStartup::startAsksThenShowsTheMainWindow_data()
{
    QTest::addColumn<bool>("reminder");
    QTest::newRow("with the update reminder") << true;
    QTest::newRow("built without it") << false; // asks nothing, keeps the file as it was
}

void TestStartup::startAsksThenShowsTheMainWindow()
{
    QFETCH(bool, reminder);
    const QString due = u"2026-11-01T12:00:00"_s;
    store(due);
    MessageRecorder messages(*m_services);
    messages.answers << messages::Answer::Yes;
    UrlRecorder urls;
    bool mainWindowWhenOpened = true;
    urls.onOpen = [&](const QUrl &) {
        mainWindowWhenOpened = !QApplication::topLevelWidgets().isEmpty();
    };
    m_services->draw = [] { return 0.8f; };

    InstanceGuard guard;
    QVERIFY(startProgram(guard, *m_services, Now, reminder));

    QCOMPARE(messages.texts(), reminder ? QStringList{Question} : QStringList());
    QCOMPARE(urls.addresses(), reminder ? QStringList{webaddresses::DownloadPage} : QStringList());
    QVERIFY(!reminder || !mainWindowWhenOpened); // the download page first, then the window
    MainWindow *window = nullptr;
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (QWidget *widget : windows) {
        if (auto *main = qobject_cast<MainWindow *>(widget))
            window = main;
    }
    QVERIFY(window && window->isVisible());
    QWidget *strip = window->findChild<QWidget *>(u"fraFullBrand"_s);
    QCOMPARE(strip->childAt(strip->rect().center())->objectName(), u"lblFullBrand"_s);
    QCOMPARE(stored(), reminder ? u"2026-12-07T09:00:00"_s : due);
    QCOMPARE(m_loopExits, 0);
}

void TestStartup::firstRunNotesTheDateOnceTheWindowIsDrawn()
{
    MessageRecorder messages(*m_services);
    InstanceGuard guard;
    QVERIFY(startProgram(guard, *m_services, Now, true));
    QTRY_COMPARE(stored(), u"2026-12-07T09:00:00"_s);
    QVERIFY(messages.shown.isEmpty());
    const QWidgetList windows = QApplication::topLevelWidgets();
    QVERIFY(std::any_of(windows.begin(), windows.end(), [](const QWidget *window) {
        return qobject_cast<const MainWindow *>(window) && window->windowHandle()->isExposed();
    }));
}

void TestStartup::secondCopyIsToldAndEnds()
{
    InstanceGuard running;
    QVERIFY(running.acquire());
    store(u"2026-01-01T12:00:00"_s); // would ask, if it got that far

    MessageRecorder messages(*m_services);
    InstanceGuard second;
    QVERIFY(!startProgram(second, *m_services, Now, true));

    QCOMPARE(messages.texts(), QStringList{u"Application is already running"_s});
    QCOMPARE(messages.shown.first().icon, messages::Icon::Information);
    QCOMPARE(m_loopExits, 1);
    QVERIFY(QApplication::topLevelWidgets().isEmpty());
    QCOMPARE(stored(), u"2026-01-01T12:00:00"_s);
}

void TestStartup::endProgramClosesEveryWindowOnce()
{
    auto *first = new EndsOnClose(*m_services);
    auto *second = new EndsOnClose(*m_services);
    auto *plain = new QWidget;
    for (QWidget *window : {static_cast<QWidget *>(first), static_cast<QWidget *>(second), plain})
        window->show();

    m_services->endProgram();

    QCOMPARE(first->closes, 1);
    QCOMPARE(second->closes, 1);
    QVERIFY(!first->isVisible() && !second->isVisible() && !plain->isVisible());
    QCOMPARE(m_loopExits, 1); // the nested calls from the close handlers did not end it twice
    QVERIFY(m_services->isEnding());
}

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
