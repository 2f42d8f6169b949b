// SPDX-FileCopyrightText: 2026 The Planetarch developers
// SPDX-License-Identifier: MIT

// Behaviour that is about processes, checked with real processes: the program itself and the probe
// (the program with its message box and browser turned into output lines). Every test has its own
// home and runtime folder, so neither the user's settings nor a running copy are touched.

#include "core/identity.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <cstring>
#include <map>
#include <memory>
#include <optional>
#include <vector>

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

using namespace Qt::StringLiterals;
using planetarch::identity::ApplicationId;

namespace {

const QString ProgramPath = QStringLiteral(PLANETARCH_PROGRAM);
const QString ProbePath = QStringLiteral(PLANETARCH_PROBE);
const QString AlreadyRunning = u"message: Application is already running"_s;

// A socket left at a path, as a crashed server leaves one.
bool makeSocket(const QByteArray &path)
{
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (size_t(path.size()) >= sizeof address.sun_path)
        return false;
    std::memcpy(address.sun_path, path.constData(), size_t(path.size()));
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    const bool bound = ::bind(fd, reinterpret_cast<sockaddr *>(&address), sizeof address) == 0;
    ::close(fd);
    return bound;
}

} // namespace

class TestProcesses : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void secondCopyIsRefusedAndEnds();
    void lockOfAKilledCopyDoesNotBlock();
    void copiesStartedTogetherLeaveExactlyOne();
    void leftoversAtTheLockPathDoNotBlock_data();
    void leftoversAtTheLockPathDoNotBlock();
    void delayedCopiesAgainstADamagedLockLeaveOne();
    void emptiedLockOfARunningCopyStillRefuses();
    void whateverIsAtTheSettingsPathTheWindowComes_data();
    void whateverIsAtTheSettingsPathTheWindowComes();
    void nothingIsMadeAtTheFilesystemRoot_data();
    void nothingIsMadeAtTheFilesystemRoot();
    void noRuntimeFolderUsesAPrivateOne();
    void closingTheMainWindowLeavesTheExitWindow();
    void closingTheExitWindowEndsTheProgram();
    void commandLineAnswersWithoutStarting_data();
    void commandLineAnswersWithoutStarting();

private:
    QProcess *start(const QString &program, const QStringList &arguments = {},
                    std::optional<QProcessEnvironment> environment = std::nullopt);
    QString lockPath() const { return m_runtime->filePath(ApplicationId + u".lock"_s); }
    QString privateLockPath() const
    {
        return m_home->filePath(u".cache/Orvanel/Planetarch/"_s + ApplicationId + u".lock"_s);
    }
    // Reads the process's output until a line starts with one of the prefixes.
    static bool waitForLine(QProcess *process, const QStringList &prefixes,
                            QString *line = nullptr);

    std::unique_ptr<QTemporaryDir> m_home;
    std::unique_ptr<QTemporaryDir> m_runtime;
    std::vector<std::unique_ptr<QProcess>> m_processes;
};

void TestProcesses::init()
{
    m_home = std::make_unique<QTemporaryDir>();
    m_runtime = std::make_unique<QTemporaryDir>();
    QVERIFY(m_home->isValid() && m_runtime->isValid());
    QVERIFY(QFile::setPermissions(m_runtime->path(),
                                  QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
}

void TestProcesses::cleanup()
{
    for (const std::unique_ptr<QProcess> &process : m_processes) {
        if (process->state() != QProcess::NotRunning) {
            process->kill();
            process->waitForFinished(5000);
        }
    }
    m_processes.clear();
}

QProcess *TestProcesses::start(const QString &program, const QStringList &arguments,
                               std::optional<QProcessEnvironment> given)
{
    auto process = std::make_unique<QProcess>();
    QProcessEnvironment environment = given.value_or(QProcessEnvironment::systemEnvironment());
    environment.insert(u"QT_QPA_PLATFORM"_s, u"offscreen"_s);
    environment.insert(u"HOME"_s, m_home->path());
    environment.insert(u"XDG_CONFIG_HOME"_s, m_home->filePath(u".config"_s));
    if (!given)
        environment.insert(u"XDG_RUNTIME_DIR"_s, m_runtime->path());
    process->setProcessEnvironment(environment);
    process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process->start(program, arguments);
    m_processes.push_back(std::move(process));
    return m_processes.back().get();
}

bool TestProcesses::waitForLine(QProcess *process, const QStringList &prefixes, QString *found)
{
    QDeadlineTimer deadline(20000);
    while (!deadline.hasExpired()) {
        while (process->canReadLine()) {
            const QString line = QString::fromUtf8(process->readLine()).trimmed();
            for (const QString &prefix : prefixes) {
                if (line.startsWith(prefix)) {
                    if (found)
                        *found = line;
                    return true;
                }
            }
        }
        if (process->state() == QProcess::NotRunning && !process->canReadLine())
            return false;
        process->waitForReadyRead(100);
    }
    return false;
}

void TestProcesses::secondCopyIsRefusedAndEnds()
{
    QProcess *first = start(ProgramPath);
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(lockPath()), 20000);

    QProcess *second = start(ProbePath);
    QVERIFY(waitForLine(second, {AlreadyRunning}));
    QVERIFY(second->waitForFinished(20000));
    QCOMPARE(second->exitStatus(), QProcess::NormalExit);
    QCOMPARE(second->exitCode(), 0);
    QVERIFY(!second->readAll().contains("ready"));

    // The first copy is untouched and keeps its lock.
    QCOMPARE(first->state(), QProcess::Running);
    QVERIFY(QFile::exists(lockPath()));
}

void TestProcesses::lockOfAKilledCopyDoesNotBlock()
{
    QProcess *killed = start(ProgramPath);
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(lockPath()), 20000);
    killed->kill(); // SIGKILL: no chance to remove its lock
    QVERIFY(killed->waitForFinished(20000));
    QVERIFY(QFile::exists(lockPath()));

    QProcess *next = start(ProbePath);
    QString ready;
    QVERIFY(waitForLine(next, {u"ready:"_s}, &ready));
    QCOMPARE(ready, u"ready: frmMain"_s);
}

void TestProcesses::copiesStartedTogetherLeaveExactlyOne()
{
    constexpr int Copies = 8;
    QList<QProcess *> copies;
    for (int copy = 0; copy < Copies; ++copy)
        copies << start(ProbePath);

    int running = 0;
    int refused = 0;
    for (QProcess *copy : copies) {
        QString line;
        QVERIFY(waitForLine(copy, {AlreadyRunning, u"ready:"_s}, &line));
        if (line.startsWith(u"ready:"_s)) {
            ++running;
        } else {
            QVERIFY(copy->waitForFinished(20000));
            QCOMPARE(copy->exitCode(), 0);
            ++refused;
        }
    }
    QCOMPARE(running, 1);
    QCOMPARE(refused, Copies - 1);
}

void TestProcesses::leftoversAtTheLockPathDoNotBlock_data()
{
    QTest::addColumn<QString>("leftover");
    QTest::addColumn<bool>("takenOver"); // a regular file: locked in place; else left as it is
    QTest::newRow("empty file (killed between creating and writing)") << u"empty"_s << true;
    QTest::newRow("empty file, made a moment ago") << u"fresh"_s << true;
    QTest::newRow("garbage") << u"garbage"_s << true;
    QTest::newRow("another machine's lock, its pid dead") << u"foreign"_s << true;
    QTest::newRow("empty folder") << u"folder"_s << false;
    QTest::newRow("folder with a file") << u"full folder"_s << false;
    QTest::newRow("dangling symlink") << u"dangling"_s << false;
    QTest::newRow("symlink to the user's file") << u"symlink"_s << false;
    QTest::newRow("named pipe") << u"pipe"_s << false;
    QTest::newRow("socket") << u"socket"_s << false;
}

void TestProcesses::leftoversAtTheLockPathDoNotBlock()
{
    QFETCH(QString, leftover);
    QFETCH(bool, takenOver);
    const QString userFile = m_home->filePath(u"notes.txt"_s);
    const QByteArray notes = "the user's own notes\n";
    const QByteArray path = QFile::encodeName(lockPath());
    const std::map<QString, QByteArray> contents{
        {u"empty"_s, {}},
        {u"fresh"_s, {}},
        {u"garbage"_s, "\x7f\x01 not a lock\n"},
        {u"foreign"_s, "999999\nPlanetarch\nanother-machine\n"}};
    if (contents.count(leftover)) {
        QFile file(lockPath());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(contents.at(leftover));
        if (leftover != u"fresh"_s)
            QVERIFY(file.setFileTime(QDateTime::currentDateTime().addSecs(-60),
                                     QFileDevice::FileModificationTime));
    } else if (leftover.endsWith(u"folder"_s)) {
        QVERIFY(QDir().mkdir(lockPath()));
        if (leftover == u"full folder"_s)
            QVERIFY(QFile(lockPath() + u"/inside"_s).open(QIODevice::WriteOnly));
    } else if (leftover == u"pipe"_s) {
        QVERIFY(::mkfifo(path.constData(), 0600) == 0);
    } else if (leftover == u"socket"_s) {
        QVERIFY(makeSocket(path));
    } else {
        QFile file(userFile);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(notes) == notes.size());
        file.close();
        const QString target = leftover == u"dangling"_s ? m_home->filePath(u"gone"_s) : userFile;
        QVERIFY(QFile::link(target, lockPath()));
    }
    struct stat before
    {
    };
    QVERIFY(::lstat(path.constData(), &before) == 0);

    QProcess *program = start(ProbePath);
    QString ready;
    QVERIFY(waitForLine(program, {u"ready:"_s, AlreadyRunning}, &ready));
    QCOMPARE(ready, u"ready: frmMain"_s);
    QProcess *second = start(ProbePath);
    QVERIFY(waitForLine(second, {AlreadyRunning}));
    // What is no lock file is left as it was, and the lock went to the private folder; a lock
    // file is the running copy's now.
    struct stat after
    {
    };
    QVERIFY(::lstat(path.constData(), &after) == 0);
    QCOMPARE(after.st_ino, before.st_ino);
    QCOMPARE(after.st_mode & S_IFMT, before.st_mode & S_IFMT);
    QCOMPARE(QFile::exists(privateLockPath()), !takenOver);
    if (leftover == u"symlink"_s) {
        QFile file(userFile);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), notes);
    }
    if (leftover == u"dangling"_s)
        QVERIFY(!QFile::exists(m_home->filePath(u"gone"_s)));
}

// Two copies a little apart against a damaged lock that no one holds: one takes it over, the
// other is refused, never both (a copy may no longer remove the other's fresh lock by name).
void TestProcesses::delayedCopiesAgainstADamagedLockLeaveOne()
{
    for (int round = 0; round < 20; ++round) {
        QFile::remove(lockPath());
        QFile damaged(lockPath());
        QVERIFY(damaged.open(QIODevice::WriteOnly) && damaged.write("\x01") == 1);
        damaged.close();
        QProcess *first = start(ProbePath);
        QTest::qSleep(round * 20);
        QProcess *second = start(ProbePath);
        QStringList outcomes;
        for (QProcess *copy : {first, second}) {
            QString line;
            QVERIFY(waitForLine(copy, {u"ready:"_s, AlreadyRunning}, &line));
            outcomes << line.section(u':', 0, 0);
        }
        outcomes.sort();
        QCOMPARE(outcomes, (QStringList{u"message"_s, u"ready"_s}));
        cleanup();
    }
}

void TestProcesses::emptiedLockOfARunningCopyStillRefuses()
{
    QProcess *first = start(ProgramPath);
    QTRY_VERIFY_WITH_TIMEOUT(QFileInfo(lockPath()).size() > 0, 20000);
    {
        QFile lock(lockPath());
        QVERIFY(lock.open(QIODevice::ReadWrite | QIODevice::Truncate));
        QVERIFY(lock.setFileTime(QDateTime::currentDateTime().addSecs(-60),
                                 QFileDevice::FileModificationTime));
    }
    QProcess *second = start(ProbePath);
    QVERIFY(waitForLine(second, {AlreadyRunning}));
    QVERIFY(second->waitForFinished(20000));
    QCOMPARE(first->state(), QProcess::Running);
    QVERIFY(QFile::exists(lockPath()));
}

void TestProcesses::noRuntimeFolderUsesAPrivateOne()
{
    // Qt offers no runtime folder: the lock goes to a private folder in the user's cache instead.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(u"XDG_CACHE_HOME"_s, m_home->filePath(u"cache"_s));
    // No XDG_RUNTIME_DIR, and a "temporary folder" that is a file, so Qt cannot make its own
    // fallback in it. (A TMPDIR that does not exist would have Qt make its fallback at the
    // filesystem root, which root may do.)
    QFile notAFolder(m_home->filePath(u"tmp"_s));
    QVERIFY(notAFolder.open(QIODevice::WriteOnly));
    notAFolder.close();
    environment.remove(u"XDG_RUNTIME_DIR"_s);
    environment.insert(u"TMPDIR"_s, notAFolder.fileName());
    const QString privateLock =
        m_home->filePath(u"cache/Orvanel/Planetarch/"_s + ApplicationId + u".lock"_s);

    QProcess *first = start(ProbePath, {}, environment);
    QVERIFY(waitForLine(first, {u"ready:"_s}));
    QVERIFY(QFile::exists(privateLock));
    QCOMPARE(QFileInfo(QFileInfo(privateLock).path()).permissions() & 0x0077, QFile::Permissions());
    QProcess *second = start(ProbePath, {}, environment);
    QVERIFY(waitForLine(second, {AlreadyRunning}));
    QVERIFY(QDir(m_runtime->path()).isEmpty());
}

void TestProcesses::whateverIsAtTheSettingsPathTheWindowComes_data()
{
    QTest::addColumn<QString>("obstacle");
    QTest::addColumn<QByteArray>("file"); // the settings file, for the rows that make one
    QTest::addColumn<bool>("asked");
    const QByteArray due = "[UpdateReminder]\nLastAsked=2020-01-01T10:00:00\n";
    QTest::newRow("a pipe") << u"pipe"_s << QByteArray() << false;
    QTest::newRow("a socket") << u"socket"_s << QByteArray() << false;
    QTest::newRow("a folder") << u"folder"_s << QByteArray() << false;
    QTest::newRow("a pipe at its lock") << u"pipe at lock"_s << due << true;
    QTest::newRow("a folder at its lock") << u"folder at lock"_s << due << true;
    QByteArray nested = "[UpdateReminder]\nLastAsked=@Variant(";
    for (int depth = 0; depth < 200000; ++depth)
        nested += "\\0\\0\\0\\t\\0\\0\\0\\x1";
    QTest::newRow("a deeply nested serialised list") << u"damaged"_s << nested + ")\n" << false;
    QTest::newRow("a 70 KiB file") << u"damaged"_s << due + QByteArray(70 * 1024, ';') << false;
}

// The window always comes, nothing waits on what is no file, and a damaged file is replaced once
// the window is drawn; the settings' own lock file plays no part.
void TestProcesses::whateverIsAtTheSettingsPathTheWindowComes()
{
    QFETCH(QString, obstacle);
    QFETCH(QByteArray, file);
    QFETCH(bool, asked);
    const QString settings = m_home->filePath(u".config/Orvanel/Planetarch.conf"_s);
    QVERIFY(QDir().mkpath(QFileInfo(settings).path()));
    const QString at = obstacle.endsWith(u"at lock"_s) ? settings + u".lock"_s : settings;
    const QByteArray path = QFile::encodeName(at);
    if (!file.isEmpty()) {
        QFile seed(settings);
        QVERIFY(seed.open(QIODevice::WriteOnly) && seed.write(file) == file.size());
    }
    if (obstacle.startsWith(u"pipe"_s)) {
        QVERIFY(::mkfifo(path.constData(), 0600) == 0);
    } else if (obstacle.startsWith(u"folder"_s)) {
        QVERIFY(QDir().mkdir(at));
    } else if (obstacle == u"socket"_s) {
        QVERIFY(makeSocket(path));
    }

    QProcess *program = start(ProbePath);
    QString line;
    QVERIFY(waitForLine(program, {u"message:"_s, u"ready:"_s}, &line));
    QCOMPARE(line.startsWith(u"message: There maybe an update"_s), asked);
    if (asked)
        QVERIFY(waitForLine(program, {u"ready:"_s}));
    if (file.isEmpty()) {
        QVERIFY(!QFileInfo(settings).isFile()); // left as it is
        return;
    }
    QTRY_VERIFY_WITH_TIMEOUT(QFileInfo(settings).size() < 1024, 10000);
    QFile stored(settings);
    QVERIFY(stored.open(QIODevice::ReadOnly));
    QVERIFY(stored.readAll().contains("LastAsked=" +
                                      QDate::currentDate().toString(Qt::ISODate).toLatin1()));
}

void TestProcesses::nothingIsMadeAtTheFilesystemRoot_data()
{
    QTest::addColumn<bool>("homeSet"); // set but empty, or unset
    QTest::newRow("HOME empty") << true;
    QTest::newRow("HOME unset") << false;
}

// With no usable home, runtime folder or temporary folder, the program still starts, and neither
// it nor Qt makes anything at the filesystem root (which root could).
void TestProcesses::nothingIsMadeAtTheFilesystemRoot()
{
    QFETCH(bool, homeSet);
    const QStringList before = QDir(u"/"_s).entryList(QDir::AllEntries | QDir::Hidden);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"HOME", "XDG_CONFIG_HOME", "XDG_CACHE_HOME", "XDG_DATA_HOME"})
        environment.remove(QString::fromLatin1(name));
    if (homeSet)
        environment.insert(u"HOME"_s, QString());
    // A runtime folder that is not there, which Qt would make, at the root.
    const QString runtime = u"/planetarch-test-runtime"_s;
    environment.insert(u"XDG_RUNTIME_DIR"_s, runtime);
    environment.insert(u"TMPDIR"_s, u"/nonexistent"_s);
    environment.insert(u"QT_QPA_PLATFORM"_s, u"offscreen"_s);
    auto process = std::make_unique<QProcess>();
    process->setProcessEnvironment(environment);
    process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process->start(ProbePath, {u"--close-main"_s, u"--then-exit"_s});
    QString line;
    QVERIFY(waitForLine(process.get(), {u"ended:"_s}, &line));
    QCOMPARE(line, u"ended: 0"_s);
    QVERIFY(process->waitForFinished(20000));
    const QStringList after = QDir(u"/"_s).entryList(QDir::AllEntries | QDir::Hidden);
    QDir().rmdir(runtime); // had it been made, the next run would not see it made
    QCOMPARE(after, before);
}

void TestProcesses::closingTheMainWindowLeavesTheExitWindow()
{
    QProcess *program = start(ProbePath, {u"--close-main"_s});
    QString line;
    QVERIFY(waitForLine(program, {u"after closing the main window:"_s}, &line));
    QCOMPARE(line, u"after closing the main window: frmExit"_s);
    QCOMPARE(program->state(), QProcess::Running);
    QVERIFY(QFile::exists(lockPath()));
}

void TestProcesses::closingTheExitWindowEndsTheProgram()
{
    QProcess *program = start(ProbePath, {u"--close-main"_s, u"--then-exit"_s});
    QString line;
    QVERIFY(waitForLine(program, {u"ended:"_s}, &line));
    QCOMPARE(line, u"ended: 0"_s);
    QVERIFY(program->waitForFinished(20000));
    QCOMPARE(program->exitStatus(), QProcess::NormalExit);
    QCOMPARE(program->exitCode(), 0);
    // The lock went with it: the next start is not refused.
    QProcess *next = start(ProbePath);
    QVERIFY(waitForLine(next, {u"ready:"_s}));
}

void TestProcesses::commandLineAnswersWithoutStarting_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("display"); // DISPLAY, unset when empty
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QByteArray>("out");
    QTest::addColumn<QByteArray>("err"); // lines printed on standard error, after Qt's own
    QTest::newRow("--help") << QStringList{u"--help"_s} << QString() << 0
                            << QByteArray("Usage: planetarch [options]\n") << QByteArray();
    QTest::newRow("-v") << QStringList{u"-v"_s} << QString() << 0
                        << (u"planetarch "_s + planetarch::identity::Version + u'\n').toUtf8()
                        << QByteArray();
    QTest::newRow("unknown option") << QStringList{u"--bogus"_s} << QString() << 2 << QByteArray()
                                    << QByteArray("planetarch: Unknown option 'bogus'.\n"
                                                  "Usage: planetarch [options]\n");
    const QByteArray noDisplay = "planetarch: no display found: start it from a desktop session "
                                 "(DISPLAY is not set)\n";
    QTest::newRow("no display") << QStringList() << QString() << 1 << QByteArray() << noDisplay;
    QTest::newRow("--platform=xcb, no display")
        << QStringList{u"--platform=xcb"_s} << QString() << 1 << QByteArray() << noDisplay;
    const QByteArray cannotOpen =
        "planetarch: the window cannot open on this display: start it from a desktop session\n";
    QTest::newRow("a display that is not there")
        << QStringList() << u":99.7"_s << 1 << QByteArray() << cannotOpen;
    QTest::newRow("a platform that is not there") << QStringList{u"-platform"_s, u"nonesuch"_s}
                                                  << QString() << 1 << QByteArray() << cannotOpen;
}

// No display at all, or one Qt cannot open (which Qt answers with an abort): one line says so,
// the status is plain, and no lock or setting is made.
void TestProcesses::commandLineAnswersWithoutStarting()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, display);
    QFETCH(int, exitCode);
    QFETCH(QByteArray, out);
    QFETCH(QByteArray, err);

    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(u"QT_QPA_PLATFORM"_s, u"xcb"_s);
    environment.remove(u"DISPLAY"_s);
    if (!display.isEmpty())
        environment.insert(u"DISPLAY"_s, display);
    environment.remove(u"WAYLAND_DISPLAY"_s);
    environment.insert(u"HOME"_s, m_home->path());
    environment.insert(u"XDG_CONFIG_HOME"_s, m_home->filePath(u".config"_s));
    environment.insert(u"XDG_RUNTIME_DIR"_s, m_runtime->path());
    process.setProcessEnvironment(environment);
    process.start(ProgramPath, arguments);
    QVERIFY(process.waitForFinished(20000));
    QCOMPARE(process.exitStatus(), QProcess::NormalExit);
    QCOMPARE(process.exitCode(), exitCode);
    const QByteArray stdOut = process.readAllStandardOutput();
    const QByteArray stdErr = process.readAllStandardError();
    QVERIFY2(out.isEmpty() ? stdOut.isEmpty() : stdOut.startsWith(out), stdOut.constData());
    QVERIFY2(err.isEmpty() ? stdErr.isEmpty() : stdErr.contains(err), stdErr.constData());
    QVERIFY(QDir(m_runtime->path()).isEmpty());
    QVERIFY(!QFile::exists(m_home->filePath(u".config"_s)));
}

QTEST_GUILESS_MAIN(TestProcesses)
#include "tst_processes.moc"
