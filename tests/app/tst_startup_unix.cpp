// SPDX-FileCopyrightText: 2026 The Planetarch developers
// SPDX-License-Identifier: MIT
// The update reminder against Linux's settings file: its text as QSettings writes it, another
// program's changes, and what the file system can put in its way.

#include "app/settingsfile.h"
#include "app/startup.h"
#include "core/webaddresses.h"
#include "gui/services.h"
#include "support/messagerecorder.h"
#include "support/urlrecorder.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

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
    void changesMadeMeanwhileAreKept();
    void unwritableStoreAsksNothing_data();
    void unwritableStoreAsksNothing();

private:
    // The program's own store, where SettingsFile puts it for this test.
    static QString storePath() { return *SettingsFile::defaultPath(); }
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
    m_services = std::make_unique<Services>();
    QFile::remove(storePath());
}

void TestStartup::cleanup()
{
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

QTEST_MAIN(TestStartup)
#include "tst_startup_unix.moc"
