// SPDX-FileCopyrightText: 2026 The Planetarch developers
// SPDX-License-Identifier: MIT
#include "app/instanceguard.h"
#include "app/startup.h"
#include "core/randomdraw.h"
#include "core/webaddresses.h"
#include "gui/links.h"
#include "gui/mainwindow.h"
#include "gui/shutdown.h"
#include "support/messagerecorder.h"
#include "support/urlrecorder.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFile>
#include <QPointer>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QWindow>

using namespace planetarch;
using namespace planetarch::testing;
using namespace Qt::StringLiterals;

namespace {

const QString Key = u"UpdateReminder/LastAsked"_s;
const QString Question =
    u"There maybe an update to this software available\rDo you want to check for an update?"_s;
const QDateTime Now(QDate(2026, 12, 7), QTime(9, 0));

// A window whose close handler asks for the end of the program, as the exit window's does.
class EndsOnClose : public QWidget
{
protected:
    void closeEvent(QCloseEvent *event) override
    {
        ++closes;
        event->accept();
        shutdown::endProgram();
    }

public:
    int closes = 0;
};

} // namespace

class TestStartup : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void reminder_data();
    void reminder();
    void reminderAsksOnlyOnceADay();
    void unusableStoreDoesNotStopTheStart();
    void unwritableStoreAsksNothing_data();
    void unwritableStoreAsksNothing();
    void banner_data();
    void banner();
    void startAsksThenShowsTheMainWindow();
    void firstRunNotesTheDateOnceTheWindowIsDrawn();
    void secondCopyIsToldAndEnds();
    void endProgramClosesEveryWindowOnce();

private:
    QTemporaryDir m_dir;
    int m_processEnds = 0;
};

void TestStartup::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication::setOrganizationName(u"PlanetarchTests"_s);
    QCoreApplication::setApplicationName(u"tst_startup"_s);
    QVERIFY(m_dir.isValid());
}

void TestStartup::init()
{
    m_processEnds = 0;
    shutdown::setProcessEnd([this] { ++m_processEnds; });
    QSettings().clear();
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
    randomdraw::setSource({});
    QSettings().clear();
}

void TestStartup::reminder_data()
{
    QTest::addColumn<QVariant>("stored");
    QTest::addColumn<messages::Answer>("answer");
    QTest::addColumn<bool>("asked");
    QTest::addColumn<QString>("storedAfter");
    QTest::addColumn<QStringList>("opened");

    const QString now = u"2026-12-07T09:00:00"_s;
    const QStringList none;
    const QStringList download{webaddresses::DownloadPage};
    QTest::newRow("first start") << QVariant() << messages::Answer::Yes << false << now << none;
    QTest::newRow("14 days later") << QVariant(u"2026-11-23T18:00:00"_s) << messages::Answer::Yes
                                   << false << u"2026-11-23T18:00:00"_s << none;
    QTest::newRow("15 days later, Yes")
        << QVariant(u"2026-11-22T08:00:00"_s) << messages::Answer::Yes << true << now << download;
    QTest::newRow("15 days later, No")
        << QVariant(u"2026-11-22T08:00:00"_s) << messages::Answer::No << true << now << none;
    QTest::newRow("15 days in the future")
        << QVariant(u"2026-12-22T08:00:00"_s) << messages::Answer::No << true << now << none;
    QTest::newRow("a value that is no date is replaced quietly")
        << QVariant(u"garbage"_s) << messages::Answer::Yes << false << now << none;
}

void TestStartup::reminder()
{
    QFETCH(QVariant, stored);
    QFETCH(messages::Answer, answer);
    QFETCH(bool, asked);
    QFETCH(QString, storedAfter);
    QFETCH(QStringList, opened);

    QSettings settings(m_dir.filePath(u"reminder.ini"_s), QSettings::IniFormat);
    settings.clear();
    if (stored.isValid())
        settings.setValue(Key, stored);
    MessageRecorder messages;
    messages.answers << answer;
    UrlRecorder urls;

    updateReminder(settings, Now);

    QCOMPARE(messages.texts(), asked ? QStringList{Question} : QStringList());
    if (asked) {
        QCOMPARE(messages.shown.first().icon, messages::Icon::Information);
        QCOMPARE(messages.shown.first().buttons, messages::Buttons::YesNo);
    }
    QCOMPARE(urls.addresses(), opened);
    // What was stored survives to the next run.
    QSettings reread(m_dir.filePath(u"reminder.ini"_s), QSettings::IniFormat);
    QCOMPARE(reread.value(Key).toString(), storedAfter);
}

void TestStartup::reminderAsksOnlyOnceADay()
{
    QSettings settings(m_dir.filePath(u"twice.ini"_s), QSettings::IniFormat);
    settings.setValue(Key, u"2026-10-01T10:00:00"_s);
    MessageRecorder messages;
    messages.answers << messages::Answer::No << messages::Answer::No;
    updateReminder(settings, Now);
    updateReminder(settings, Now.addSecs(3600));
    QCOMPARE(messages.texts(), QStringList{Question});
}

void TestStartup::unusableStoreDoesNotStopTheStart()
{
    // A folder that cannot be created, even by root: nothing can be read or written there.
    QSettings settings(u"/proc/planetarch-no-such-folder/settings.ini"_s, QSettings::IniFormat);
    MessageRecorder messages;
    updateReminder(settings, Now);
    QVERIFY(messages.shown.isEmpty());
    QVERIFY(!settings.contains(Key));
}

void TestStartup::unwritableStoreAsksNothing_data()
{
    QTest::addColumn<QDateTime>("now");
    QTest::addColumn<bool>("readOnly");
    QTest::newRow("read-only store, asked two months ago") << Now << true;
    QTest::newRow("clock in year 10000: no stamp to store")
        << QDateTime(QDate(10000, 1, 1), QTime(9, 0)) << false;
}

// An answer that cannot be remembered would bring the question back at every start.
void TestStartup::unwritableStoreAsksNothing()
{
    QFETCH(QDateTime, now);
    QFETCH(bool, readOnly);
    // File permissions do not stop root (CI runs as root): a format that can read but not write
    // makes a store nobody can write.
    static const QSettings::Format readOnlyFormat = QSettings::registerFormat(
        u"readonly"_s,
        [](QIODevice &device, QSettings::SettingsMap &map) {
            map.insert(Key, QString::fromUtf8(device.readAll()).trimmed());
            return true;
        },
        nullptr);
    const QString path = m_dir.filePath(u"store.readonly"_s);
    {
        QFile seed(path);
        QVERIFY(seed.open(QIODevice::WriteOnly | QIODevice::Truncate));
        seed.write("2026-10-01T10:00:00");
    }
    MessageRecorder messages;
    UrlRecorder urls;
    for (int start = 0; start < 2; ++start) {
        QSettings settings(path, readOnly ? readOnlyFormat : QSettings::IniFormat);
        if (!readOnly)
            settings.setValue(Key, u"2026-10-01T10:00:00"_s);
        updateReminder(settings, now);
        QCOMPARE(settings.value(Key).toString(), u"2026-10-01T10:00:00"_s);
    }
    QVERIFY(messages.shown.isEmpty());
    QVERIFY(urls.opened.isEmpty());
}

void TestStartup::banner_data()
{
    QTest::addColumn<float>("draw");
    QTest::addColumn<bool>("fullBrandRaisedBefore");
    QTest::addColumn<QString>("inFront");
    QTest::newRow("1 raises co-branding") << 0.0f << true << u"lblCobrand"_s;
    QTest::newRow("2 raises full branding") << 0.1f << false << u"lblFullBrand"_s;
    QTest::newRow("3") << 0.3f << true << u"lblCobrand"_s;
    QTest::newRow("4") << 0.45f << false << u"lblFullBrand"_s;
    QTest::newRow("5") << 0.6f << true << u"lblCobrand"_s;
    QTest::newRow("6") << 0.8f << false << u"lblFullBrand"_s;
    QTest::newRow("7 leaves the strip as built") << 0.95f << false << u"lblCobrand"_s;
    QTest::newRow("7 changes nothing") << 0.95f << true << u"lblFullBrand"_s;
}

void TestStartup::banner()
{
    QFETCH(float, draw);
    QFETCH(bool, fullBrandRaisedBefore);
    QFETCH(QString, inFront);
    MainWindow window;
    if (fullBrandRaisedBefore)
        window.raiseFullBrandBanner();
    raiseDrawnBanner(window, draw);
    // Whatever the draw, the strip shows exactly one banner: the one a click would reach.
    QWidget *strip = window.findChild<QWidget *>(u"fraFullBrand"_s);
    QCOMPARE(strip->childAt(strip->rect().center())->objectName(), inFront);
}

void TestStartup::startAsksThenShowsTheMainWindow()
{
    QSettings().setValue(Key, u"2026-11-01T12:00:00"_s);
    MessageRecorder messages;
    messages.answers << messages::Answer::Yes;
    UrlRecorder urls;
    bool mainWindowWhenOpened = true;
    urls.onOpen = [&](const QUrl &) {
        mainWindowWhenOpened = !QApplication::topLevelWidgets().isEmpty();
    };
    randomdraw::setSource([] { return 0.8f; });

    InstanceGuard guard;
    QVERIFY(startProgram(guard, Now));

    QCOMPARE(messages.texts(), QStringList{Question});
    QCOMPARE(urls.addresses(), QStringList{webaddresses::DownloadPage});
    QVERIFY(!mainWindowWhenOpened); // the download page first, then the window
    MainWindow *window = nullptr;
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (QWidget *widget : windows) {
        if (auto *main = qobject_cast<MainWindow *>(widget))
            window = main;
    }
    QVERIFY(window && window->isVisible());
    QWidget *strip = window->findChild<QWidget *>(u"fraFullBrand"_s);
    QCOMPARE(strip->childAt(strip->rect().center())->objectName(), u"lblFullBrand"_s);
    QCOMPARE(QSettings().value(Key).toString(), u"2026-12-07T09:00:00"_s);
    QCOMPARE(m_processEnds, 0);
}

void TestStartup::firstRunNotesTheDateOnceTheWindowIsDrawn()
{
    MessageRecorder messages;
    InstanceGuard guard;
    QVERIFY(startProgram(guard, Now));
    QTRY_COMPARE(QSettings().value(Key).toString(), u"2026-12-07T09:00:00"_s);
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
    QSettings().setValue(Key, u"2026-01-01T12:00:00"_s); // would ask, if it got that far

    MessageRecorder messages;
    InstanceGuard second;
    QVERIFY(!startProgram(second, Now));

    QCOMPARE(messages.texts(), QStringList{u"Application is already running"_s});
    QCOMPARE(messages.shown.first().icon, messages::Icon::Information);
    QCOMPARE(m_processEnds, 1);
    QVERIFY(QApplication::topLevelWidgets().isEmpty());
    QCOMPARE(QSettings().value(Key).toString(), u"2026-01-01T12:00:00"_s);
}

void TestStartup::endProgramClosesEveryWindowOnce()
{
    auto *first = new EndsOnClose;
    auto *second = new EndsOnClose;
    auto *plain = new QWidget;
    for (QWidget *window : {static_cast<QWidget *>(first), static_cast<QWidget *>(second), plain})
        window->show();

    shutdown::endProgram();

    QCOMPARE(first->closes, 1);
    QCOMPARE(second->closes, 1);
    QVERIFY(!first->isVisible() && !second->isVisible() && !plain->isVisible());
    QCOMPARE(m_processEnds, 1); // the nested calls from the close handlers did not end it twice
    QVERIFY(shutdown::isEnding());
}

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
