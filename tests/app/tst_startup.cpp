// SPDX-FileCopyrightText: 2026 The Planetarch developers
// SPDX-License-Identifier: MIT
#include "app/instanceguard.h"
#include "app/settingsfile.h"
#include "app/startup.h"
#include "core/webaddresses.h"
#include "gui/links.h"
#include "gui/mainwindow.h"
#include "gui/services.h"
#include "support/messagerecorder.h"
#include "support/urlrecorder.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPointer>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QWindow>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

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

    void reminder_data();
    void reminder();
    void reminderAsksOnlyOnceADay();
    void changesMadeMeanwhileAreKept();
    void unwritableStoreAsksNothing_data();
    void unwritableStoreAsksNothing();
    void banner_data();
    void banner();
    void startAsksThenShowsTheMainWindow_data();
    void startAsksThenShowsTheMainWindow();
    void firstRunNotesTheDateOnceTheWindowIsDrawn();
    void secondCopyIsToldAndEnds();
    void endProgramClosesEveryWindowOnce();

private:
    // The program's own store, where SettingsFile puts it for this test.
    static QString storePath() { return *SettingsFile::defaultPath(); }
    static void store(const QString &value)
    {
        QSettings(storePath(), QSettings::IniFormat).setValue(Key, value);
    }
    static QString stored() { return settingsOf(copyOf(storePath())).value(Key).toString(); }
    static QVariantMap settingsOf(const QString &path)
    {
        QSettings settings(path, QSettings::IniFormat);
        QVariantMap values;
        for (const QString &key : settings.allKeys())
            values.insert(key, settings.value(key));
        return values;
    }
    // A file of the test row's own: QSettings caches what it read of a path, and may take a
    // file rewritten within the second at the same size for the one it read.
    static QString copyOf(const QString &path)
    {
        const QString copy = path + u".read"_s;
        QFile::remove(copy);
        return QFile::copy(path, copy) ? copy : QString();
    }
    QString rowPath() const
    {
        return m_dir.filePath(QString::fromLatin1(QTest::currentTestFunction()) + u'-' +
                              QString::fromLatin1(QTest::currentDataTag()) + u".ini"_s);
    }
    static bool writeFile(const QString &path, const QByteArray &bytes)
    {
        QFile file(path);
        return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
               file.write(bytes) == bytes.size();
    }

    QTemporaryDir m_dir;
    std::unique_ptr<Services> m_services; // afresh for each test
    int m_loopExits = 0;
};

void TestStartup::initTestCase()
{
    QVERIFY(m_dir.isValid());
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_dir.filePath(u"config"_s)));
    QCoreApplication::setOrganizationName(u"PlanetarchTests"_s);
    QCoreApplication::setApplicationName(u"tst_startup"_s);
}

void TestStartup::init()
{
    m_loopExits = 0;
    m_services = std::make_unique<Services>();
    m_services->leaveEventLoop = [this] { ++m_loopExits; };
    QFile::remove(storePath());
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
    QFile::remove(storePath());
}

void TestStartup::reminder_data()
{
    QTest::addColumn<QByteArray>("file"); // the settings file before, empty for none
    QTest::addColumn<messages::Answer>("answer");
    QTest::addColumn<bool>("asked");
    QTest::addColumn<QString>("storedAfter");
    QTest::addColumn<QStringList>("opened");

    const QString now = u"2026-12-07T09:00:00"_s;
    const QStringList none;
    const QStringList download{webaddresses::DownloadPage};
    auto file = [](const char *value) {
        return QByteArray("[UpdateReminder]\nLastAsked=") + value + '\n';
    };
    QTest::newRow("first start") << QByteArray() << messages::Answer::Yes << false << now << none;
    QTest::newRow("14 days later") << file("2026-11-23T18:00:00") << messages::Answer::Yes << false
                                   << u"2026-11-23T18:00:00"_s << none;
    QTest::newRow("15 days later, Yes")
        << file("2026-11-22T08:00:00") << messages::Answer::Yes << true << now << download;
    QTest::newRow("15 days later, No")
        << file("2026-11-22T08:00:00") << messages::Answer::No << true << now << none;
    QTest::newRow("15 days in the future")
        << file("2026-12-22T08:00:00") << messages::Answer::No << true << now << none;
    QTest::newRow("a value that is no date is replaced quietly")
        << file("garbage") << messages::Answer::Yes << false << now << none;
    QTest::newRow("a serialised value is never unpacked")
        << file("@Variant(\\0\\0\\0\\t\\0\\0\\0\\x1\\0\\0\\0\\t)") << messages::Answer::Yes << false
        << now << none;
    QTest::newRow("other settings stay")
        << QByteArray("[Other]\nx=\"a, b\"\ny=5\n\n") + file("2026-11-22T08:00:00")
        << messages::Answer::No << true << now << none;
}

// The file is the one QSettings kept, in its form: files it wrote are read, and it reads ours.
void TestStartup::reminder()
{
    QFETCH(QByteArray, file);
    QFETCH(messages::Answer, answer);
    QFETCH(bool, asked);
    QFETCH(QString, storedAfter);
    QFETCH(QStringList, opened);

    const QString path = rowPath();
    if (!file.isEmpty())
        QVERIFY(writeFile(path, file));
    const QVariantMap before = settingsOf(path);
    MessageRecorder messages(*m_services);
    messages.answers << answer;
    UrlRecorder urls;

    SettingsFile settings(path);
    // A first run leaves the date to the caller, which stores it once the window is drawn.
    if (updateReminder(settings, *m_services, Now))
        QVERIFY(recordReminder(settings, Now));

    QCOMPARE(messages.texts(), asked ? QStringList{Question} : QStringList());
    if (asked) {
        QCOMPARE(messages.shown.first().icon, messages::Icon::Information);
        QCOMPARE(messages.shown.first().buttons, messages::Buttons::YesNo);
    }
    QCOMPARE(urls.addresses(), opened);
    // What was stored survives to the next run, and everything else with it.
    QVariantMap after = settingsOf(copyOf(path));
    QCOMPARE(after.take(Key).toString(), storedAfter);
    QVariantMap others = before;
    others.remove(Key);
    QCOMPARE(after, others);
}

// Another program that writes the file between our reading and our writing keeps its lines.
void TestStartup::changesMadeMeanwhileAreKept()
{
    const QString path = rowPath();
    QVERIFY(writeFile(path, "[UpdateReminder]\nLastAsked=2026-10-01T10:00:00\n"));
    SettingsFile settings(path);
    QVERIFY(writeFile(path, "[UpdateReminder]\nLastAsked=2026-10-01T10:00:00\n[Other]\nx=1\n"));
    QVERIFY(recordReminder(settings, Now));
    const QVariantMap after = settingsOf(copyOf(path));
    QCOMPARE(after.value(Key).toString(), u"2026-12-07T09:00:00"_s);
    QCOMPARE(after.value(u"Other/x"_s).toString(), u"1"_s);
}

void TestStartup::reminderAsksOnlyOnceADay()
{
    const QString path = m_dir.filePath(u"twice.ini"_s);
    QVERIFY(writeFile(path, "[UpdateReminder]\nLastAsked=2026-10-01T10:00:00\n"));
    MessageRecorder messages(*m_services);
    messages.answers << messages::Answer::No << messages::Answer::No;
    SettingsFile settings(path);
    updateReminder(settings, *m_services, Now);
    SettingsFile nextStart(path);
    updateReminder(nextStart, *m_services, Now.addSecs(3600));
    QCOMPARE(messages.texts(), QStringList{Question});
}

void TestStartup::unwritableStoreAsksNothing_data()
{
    QTest::addColumn<QString>("obstacle");
    QTest::addColumn<QDateTime>("now");
    QTest::newRow("a folder at the path") << u"folder"_s << Now;
    QTest::newRow("a pipe at the path, never waited on") << u"pipe"_s << Now;
    QTest::newRow("a folder that cannot be made") << u"proc"_s << Now;
    QTest::newRow("its folder is a file") << u"file folder"_s << Now;
    QTest::newRow("a full disk") << u"full disk"_s << Now;
    QTest::newRow("a file that would grow past what is read back") << u"limit"_s << Now;
    QTest::newRow("a file of 1 MiB, more than is read") << u"1 MiB"_s << Now;
    QTest::newRow("a read-only file in a writable folder") << u"read-only"_s << Now;
    QTest::newRow("70 KiB of comment lines, more than is read") << u"70 KiB"_s << Now;
    QTest::newRow("root, another user's folder with a link to root's file") << u"foreign"_s << Now;
    QTest::newRow("clock in year 10000: no stamp to store")
        << u"none"_s << QDateTime(QDate(10000, 1, 1), QTime(9, 0));
}

// An answer that cannot be remembered would bring the question back at every start: the date of
// asking is stored first, and when it cannot be, nothing is asked.
void TestStartup::unwritableStoreAsksNothing()
{
    QFETCH(QString, obstacle);
    QFETCH(QDateTime, now);
    QByteArray asked = "[UpdateReminder]\nLastAsked=2026-10-01T10:00:00\n";
    QString path = rowPath();
    QString kept; // the file that must be left as it was, when it is not at the path
    if (obstacle == u"folder"_s) {
        QVERIFY(QDir().mkpath(path));
    } else if (obstacle == u"pipe"_s) {
        QVERIFY(::mkfifo(QFile::encodeName(path).constData(), 0600) == 0);
    } else if (obstacle == u"proc"_s) {
        path = u"/proc/planetarch-no-such-folder/settings.ini"_s; // not even root makes it
    } else if (obstacle == u"file folder"_s) {
        QVERIFY(writeFile(m_dir.filePath(u"plain"_s), "a file\n"));
        path = m_dir.filePath(u"plain/settings.ini"_s);
    } else if (obstacle == u"limit"_s) {
        // Other groups only, 65,532 bytes: our group would make it larger than is read back.
        asked = "[Other]\nkey=" + QByteArray(65532 - 13, 'x') + '\n';
        QVERIFY(writeFile(path, asked));
    } else if (obstacle.endsWith(u"iB"_s)) {
        asked += obstacle == u"1 MiB"_s ? QByteArray(1024 * 1024, 'x')
                                        : QByteArray("; a comment\n").repeated(70 * 1024 / 12);
        QVERIFY(writeFile(path, asked));
    } else if (obstacle == u"foreign"_s) {
        // sudo -E: root with another user's home, in which that user linked root's own file.
        if (::geteuid() != 0)
            QSKIP("needs root");
        const QString home = m_dir.filePath(u"someone"_s);
        QVERIFY(QDir().mkpath(home));
        QCOMPARE(::chown(QFile::encodeName(home).constData(), 65534, 65534), 0);
        kept = m_dir.filePath(u"root-owned.conf"_s);
        QVERIFY(writeFile(kept, asked));
        path = home + u"/settings.ini"_s;
        QVERIFY(QFile::link(kept, path));
        QCOMPARE(::lchown(QFile::encodeName(path).constData(), 65534, 65534), 0);
    } else {
        QVERIFY(writeFile(path, asked));
        if (obstacle == u"read-only"_s)
            QVERIFY(QFile::setPermissions(path,
                                          QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
    }
    MessageRecorder messages(*m_services);
    UrlRecorder urls;
    {
        // Root ignores file modes, but not a file size limit: writes past 16 bytes fail.
        const bool full = obstacle == u"full disk"_s;
        rlimit before{};
        ::getrlimit(RLIMIT_FSIZE, &before);
        const rlimit tiny{16, before.rlim_max};
        const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        if (full)
            QCOMPARE(::setrlimit(RLIMIT_FSIZE, &tiny), 0);
        SettingsFile settings(path);
        updateReminder(settings, *m_services, now);
        if (full)
            ::setrlimit(RLIMIT_FSIZE, &before);
        std::signal(SIGXFSZ, oldHandler);
    }
    QVERIFY(messages.shown.isEmpty());
    QVERIFY(urls.opened.isEmpty());
    const QStringList untouched{u"full disk"_s, u"none"_s,   u"limit"_s,    u"foreign"_s,
                                u"1 MiB"_s,     u"70 KiB"_s, u"read-only"_s};
    if (untouched.contains(obstacle)) {
        QFile file(kept.isEmpty() ? path : kept);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), asked);
    }
    if (obstacle == u"folder"_s)
        QVERIFY(QFileInfo(path).isDir());
    if (obstacle == u"pipe"_s)
        QVERIFY(!QFileInfo(path).isFile() && QFileInfo::exists(path));
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
