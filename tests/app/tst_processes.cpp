// SPDX-FileCopyrightText: 2026 The Planetarch developers
// SPDX-License-Identifier: MIT

// Behaviour that is about processes, checked with real processes: the program itself and the probe
// (the program with its message box and browser turned into output lines). Every test has its own
// home and runtime folder, so the user's settings are never touched; CTest runs it in a network
// namespace of its own where it can, so the single-instance name meets no copy the user runs.

#include "core/identity.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <cstring>
#include <memory>
#include <optional>
#include <vector>

#include <csignal>
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

// The single-instance name, as a squatter of another user would take it.
QString guardName()
{
    return ApplicationId + u'.' + QString::number(::geteuid());
}

// Whether someone holds the name: the abstract sockets of this network namespace.
bool guardHeld()
{
    QFile sockets(u"/proc/net/unix"_s);
    if (!sockets.open(QIODevice::ReadOnly))
        return false;
    const QByteArray entry = " @" + guardName().toUtf8() + '\n';
    return sockets.readAll().contains(entry);
}

bool makeExecutable(const QString &path, const QByteArray &script)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(script) == script.size() &&
           file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

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
    void secondStartBringsTheRunningCopyForward_data();
    void secondStartBringsTheRunningCopyForward();
    void killedCopyLeavesNothingBehind();
    void copiesStartedTogetherLeaveExactlyOne();
    void foldersChangedUnderARunningCopyLetNoSecondIn_data();
    void foldersChangedUnderARunningCopyLetNoSecondIn();
    void anotherUserSquattingTheNameDoesNotKeepTheUserOut_data();
    void anotherUserSquattingTheNameDoesNotKeepTheUserOut();
    void aBrowserStartedFromALinkDoesNotHoldTheName();
    void whateverIsAtTheSettingsPathTheWindowComes_data();
    void whateverIsAtTheSettingsPathTheWindowComes();
    void nothingIsMadeAtTheFilesystemRoot_data();
    void nothingIsMadeAtTheFilesystemRoot();
    void closingTheMainWindowLeavesTheExitWindow();
    void closingTheExitWindowEndsTheProgram();
    void commandLineAnswersWithoutStarting_data();
    void commandLineAnswersWithoutStarting();

private:
    // The system's, headless, with the test's own home and runtime folder.
    QProcessEnvironment environment() const;
    QProcess *start(const QString &program, const QStringList &arguments = {},
                    const std::optional<QProcessEnvironment> &given = std::nullopt,
                    QProcess::ProcessChannelMode channels = QProcess::ForwardedErrorChannel);
    // Reads the process's output until a line starts with one of the prefixes.
    static bool waitForLine(QProcess *process, const QStringList &prefixes,
                            QString *line = nullptr);

    std::unique_ptr<QTemporaryDir> m_home;
    std::unique_ptr<QTemporaryDir> m_runtime;
    std::vector<std::unique_ptr<QProcess>> m_processes;
    std::vector<pid_t> m_strays; // started by what the test started
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
    for (const pid_t pid : m_strays)
        ::kill(pid, SIGKILL);
    m_strays.clear();
}

QProcessEnvironment TestProcesses::environment() const
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(u"QT_QPA_PLATFORM"_s, u"offscreen"_s);
    environment.insert(u"HOME"_s, m_home->path());
    environment.insert(u"XDG_CONFIG_HOME"_s, m_home->filePath(u".config"_s));
    environment.insert(u"XDG_RUNTIME_DIR"_s, m_runtime->path());
    return environment;
}

QProcess *TestProcesses::start(const QString &program, const QStringList &arguments,
                               const std::optional<QProcessEnvironment> &given,
                               QProcess::ProcessChannelMode channels)
{
    auto process = std::make_unique<QProcess>();
    process->setProcessEnvironment(given.value_or(environment()));
    process->setProcessChannelMode(channels);
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
    QTRY_VERIFY_WITH_TIMEOUT(guardHeld(), 20000);

    QProcess *second = start(ProbePath);
    QVERIFY(waitForLine(second, {AlreadyRunning}));
    QVERIFY(second->waitForFinished(20000));
    QCOMPARE(second->exitStatus(), QProcess::NormalExit);
    QCOMPARE(second->exitCode(), 0);
    QVERIFY(!second->readAll().contains("ready"));

    // The first copy is untouched and still holds the name; nothing was written for the guard.
    QCOMPARE(first->state(), QProcess::Running);
    QVERIFY(guardHeld());
    QVERIFY(QDir(m_runtime->path()).isEmpty());
    QVERIFY(!QFileInfo::exists(m_home->filePath(u".cache"_s)));
}

void TestProcesses::secondStartBringsTheRunningCopyForward_data()
{
    QTest::addColumn<QStringList>("arguments"); // the running copy's
    QTest::addColumn<QString>("caller");        // what connects before the second start
    QTest::addColumn<QString>("raised");
    const QStringList minimised{u"--minimise"_s};
    QTest::newRow("the main window") << minimised << QString() << u"frmMain"_s;
    QTest::newRow("the exit window, all that is left")
        << QStringList{u"--close-main"_s, u"--minimise"_s} << QString() << u"frmExit"_s;
    QTest::newRow("after a caller that sends nothing") << minimised << u"silent"_s << u"frmMain"_s;
    QTest::newRow("after a caller that never ends its line")
        << minimised << u"endless"_s << u"frmMain"_s;
    QTest::newRow("after a line that is no request") << minimised << u"wrong"_s << u"frmMain"_s;
    QTest::newRow("after another user's request") << minimised << u"stranger"_s << u"frmMain"_s;
}

// The running copy, minimised, comes back active once a second start has said it runs; what
// other callers send raises nothing and holds nothing up.
void TestProcesses::secondStartBringsTheRunningCopyForward()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, caller);
    QFETCH(QString, raised);
    QProcess *first = start(ProbePath, arguments);
    QVERIFY(waitForLine(first, {u"minimised"_s}));

    if (!caller.isEmpty()) {
        const QString python =
            QStandardPaths::findExecutable(u"python3"_s, {u"/usr/bin"_s, u"/bin"_s});
        const QString setpriv = QStandardPaths::findExecutable(u"setpriv"_s);
        if (python.isEmpty() ||
            (caller == u"stranger"_s && (::geteuid() != 0 || setpriv.isEmpty())))
            QSKIP("needs python3, and root and setpriv to call as another user");
        const QString call = u"import socket, sys\n"
                             u"s = socket.socket(socket.AF_UNIX)\n"
                             u"s.connect('\\0' + sys.argv[1])\n"
                             u"said = {'silent': b'', 'endless': b'x' * 100000,\n"
                             u"        'wrong': b'LOWER\\n', 'stranger': b'RAISE\\n'}\n"
                             u"try:\n"
                             u"    s.sendall(said[sys.argv[2]])\n"
                             u"except OSError:\n"
                             u"    pass\n"
                             u"print('sent', flush=True)\n"
                             u"sys.stdin.read()\n"_s;
        QStringList command{python, u"-c"_s, call, guardName(), caller};
        if (caller == u"stranger"_s)
            command =
                QStringList{u"--reuid=65534"_s, u"--regid=65534"_s, u"--clear-groups"_s} + command;
        QProcess *other = start(caller == u"stranger"_s ? setpriv : command.takeFirst(), command);
        QVERIFY(waitForLine(other, {u"sent"_s}));
        QTest::qWait(1500); // past the second a caller is given
        QVERIFY(!first->readAll().contains("raised:"));
    }

    QProcess *second = start(ProbePath);
    QVERIFY(waitForLine(second, {AlreadyRunning}));
    QString line;
    QVERIFY(waitForLine(first, {u"raised:"_s}, &line));
    QCOMPARE(line, u"raised: "_s + raised);
    QVERIFY(second->waitForFinished(20000));
    QCOMPARE(second->exitCode(), 0);
}

void TestProcesses::killedCopyLeavesNothingBehind()
{
    QProcess *killed = start(ProgramPath);
    QTRY_VERIFY_WITH_TIMEOUT(guardHeld(), 20000);
    killed->kill(); // SIGKILL: no chance to clean up
    QVERIFY(killed->waitForFinished(20000));
    QTRY_VERIFY(!guardHeld());

    QProcess *next = start(ProbePath);
    QString ready;
    QVERIFY(waitForLine(next, {u"ready:"_s}, &ready));
    QCOMPARE(ready, u"ready: frmMain"_s);
}

// Copies started at the same instant in different environments (with and without a runtime
// folder, another home, a broken temporary folder, a read-only runtime folder): the environment
// does not decide who is the same user, so exactly one runs each round.
void TestProcesses::copiesStartedTogetherLeaveExactlyOne()
{
    QTemporaryDir otherHome;
    QTemporaryDir readOnlyRuntime;
    QVERIFY(otherHome.isValid() && readOnlyRuntime.isValid());
    QVERIFY(QFile::setPermissions(readOnlyRuntime.path(), QFile::ReadOwner | QFile::ExeOwner));
    QList<QProcessEnvironment> environments(5, environment());
    environments[1].remove(u"XDG_RUNTIME_DIR"_s);
    environments[2].insert(u"HOME"_s, otherHome.path());
    environments[2].insert(u"XDG_CONFIG_HOME"_s, otherHome.filePath(u".config"_s));
    environments[3].remove(u"XDG_RUNTIME_DIR"_s);
    environments[3].insert(u"TMPDIR"_s, u"/nonexistent"_s);
    environments[4].insert(u"XDG_RUNTIME_DIR"_s, readOnlyRuntime.path());

    constexpr int Copies = 20;
    for (int round = 0; round < 3; ++round) {
        QList<QProcess *> copies;
        for (int copy = 0; copy < Copies; ++copy)
            copies << start(ProbePath, {}, environments[copy % environments.size()]);
        int running = 0;
        for (QProcess *copy : copies) {
            QString line;
            QVERIFY(waitForLine(copy, {AlreadyRunning, u"ready:"_s}, &line));
            if (line.startsWith(u"ready:"_s)) {
                ++running;
            } else {
                QVERIFY(copy->waitForFinished(20000));
                QCOMPARE(copy->exitCode(), 0);
            }
        }
        QCOMPARE(running, 1);
        cleanup();
    }
}

void TestProcesses::foldersChangedUnderARunningCopyLetNoSecondIn_data()
{
    QTest::addColumn<QString>("change");
    QTest::newRow("runtime folder emptied") << u"empty runtime"_s;
    QTest::newRow("runtime folder removed") << u"remove runtime"_s;
    QTest::newRow("runtime folder made read-only") << u"read-only runtime"_s;
    QTest::newRow("home and cache folder removed") << u"remove home"_s;
}

// What a session cleaner or a tmp reaper does to the folders while a copy runs changes nothing:
// no file holds the guard.
void TestProcesses::foldersChangedUnderARunningCopyLetNoSecondIn()
{
    QFETCH(QString, change);
    QVERIFY(QDir().mkpath(m_home->filePath(u".cache/Orvanel/Planetarch"_s)));
    QVERIFY(QFile(m_runtime->filePath(u"bus"_s)).open(QIODevice::WriteOnly));
    QProcess *first = start(ProbePath);
    QVERIFY(waitForLine(first, {u"ready:"_s}));
    // A first run notes its date once on screen: removing the home while it writes would race.
    if (planetarch::identity::UpdateReminder)
        QTRY_VERIFY_WITH_TIMEOUT(
            QFile::exists(m_home->filePath(u".config/Orvanel/Planetarch.conf"_s)), 10000);
    const QProcessEnvironment before = environment();
    if (change == u"empty runtime"_s) {
        const QFileInfoList entries = QDir(m_runtime->path())
                                          .entryInfoList(QDir::AllEntries | QDir::Hidden |
                                                         QDir::System | QDir::NoDotAndDotDot);
        for (const QFileInfo &entry : entries)
            QVERIFY(entry.isDir() && !entry.isSymLink() ? QDir(entry.filePath()).removeRecursively()
                                                        : QFile::remove(entry.filePath()));
    } else if (change == u"remove runtime"_s) {
        QVERIFY(QDir(m_runtime->path()).removeRecursively());
    } else if (change == u"read-only runtime"_s) {
        QVERIFY(QFile::setPermissions(m_runtime->path(), QFile::ReadOwner | QFile::ExeOwner));
    } else {
        QVERIFY(QDir(m_home->path()).removeRecursively());
    }
    QProcessEnvironment withoutRuntime = before;
    withoutRuntime.remove(u"XDG_RUNTIME_DIR"_s);
    for (const QProcessEnvironment &environment : {before, withoutRuntime}) {
        QProcess *second = start(ProbePath, {}, environment);
        QVERIFY(waitForLine(second, {AlreadyRunning}));
        QVERIFY(second->waitForFinished(20000));
    }
    QCOMPARE(first->state(), QProcess::Running);
}

void TestProcesses::anotherUserSquattingTheNameDoesNotKeepTheUserOut_data()
{
    QTest::addColumn<bool>("listens");
    QTest::addColumn<QString>("said"); // how the one line on standard error starts
    QTest::newRow("a squatter that answers")
        << true << u"planetarch: another user (uid 65534) holds the single-instance name"_s;
    QTest::newRow("a squatter that only holds the name")
        << false << u"planetarch: the single-instance name is held by a program that does not"_s;
}

// Anyone may take any abstract name, this user's too: a holder of another uid is no running copy
// of this user's, so the program starts (unguarded) and says so in one line.
void TestProcesses::anotherUserSquattingTheNameDoesNotKeepTheUserOut()
{
    QFETCH(bool, listens);
    QFETCH(QString, said);
    if (::geteuid() != 0)
        QSKIP("needs root, to hold the name as another user");
    const QString python = QStandardPaths::findExecutable(u"python3"_s, {u"/usr/bin"_s, u"/bin"_s});
    const QString setpriv = QStandardPaths::findExecutable(u"setpriv"_s);
    if (python.isEmpty() || setpriv.isEmpty())
        QSKIP("needs python3 and setpriv");
    const QString squat = u"import socket, sys\n"
                          u"s = socket.socket(socket.AF_UNIX)\n"
                          u"s.bind('\\0' + sys.argv[1])\n"
                          u"if sys.argv[2] == 'listen': s.listen(1)\n"
                          u"print('bound', flush=True)\n"
                          u"sys.stdin.read()\n"_s;
    QProcess *squatter =
        start(setpriv, {u"--reuid=65534"_s, u"--regid=65534"_s, u"--clear-groups"_s, python,
                        u"-c"_s, squat, guardName(), listens ? u"listen"_s : u"bind"_s});
    QVERIFY(waitForLine(squatter, {u"bound"_s}));

    for (int copy = 0; copy < 2; ++copy) {
        QProcess *program = start(ProbePath, {}, std::nullopt, QProcess::MergedChannels);
        QString line;
        QVERIFY(waitForLine(program, {u"planetarch:"_s, u"ready:"_s, AlreadyRunning}, &line));
        QVERIFY2(line.startsWith(said), qPrintable(line));
        QVERIFY(waitForLine(program, {u"ready:"_s, AlreadyRunning}, &line));
        QCOMPARE(line, u"ready: frmMain"_s);
    }
}

// A browser started from a link inherits whatever is not closed on exec: were it the guard, the
// browser would hold the name after the program ended and refuse every later start.
void TestProcesses::aBrowserStartedFromALinkDoesNotHoldTheName()
{
    const QString xvfb = QStandardPaths::findExecutable(u"Xvfb"_s);
    if (xvfb.isEmpty())
        QSKIP("needs Xvfb: links open in a browser only on a real display");
    QProcess *server = start(xvfb, {u"-displayfd"_s, u"1"_s, u"-nolisten"_s, u"tcp"_s});
    QString number; // -displayfd: the display it took, on a line of its own
    QVERIFY(waitForLine(server, {QString()}, &number));
    const QString display = u':' + number;

    // The stand-in browser notes its pid and lives on.
    const QString bin = m_home->filePath(u"bin"_s);
    QVERIFY(QDir().mkpath(bin));
    QVERIFY(makeExecutable(bin + u"/xdg-open"_s,
                           "#!/bin/sh\necho $$ > \"$HOME/browser.pid.new\"\n"
                           "mv \"$HOME/browser.pid.new\" \"$HOME/browser.pid\"\nexec sleep 60\n"));
    QProcessEnvironment withBrowser = environment();
    withBrowser.insert(u"PATH"_s, bin + u':' + withBrowser.value(u"PATH"_s));
    withBrowser.insert(u"QT_QPA_PLATFORM"_s, u"xcb"_s);
    withBrowser.insert(u"DISPLAY"_s, display);
    QProcess *program =
        start(ProbePath, {u"--browse"_s, u"--close-main"_s, u"--then-exit"_s}, withBrowser);
    QVERIFY(waitForLine(program, {u"ended:"_s}));
    QVERIFY(program->waitForFinished(20000));

    QFile pidFile(m_home->filePath(u"browser.pid"_s));
    QTRY_VERIFY_WITH_TIMEOUT(pidFile.exists(), 20000);
    QVERIFY(pidFile.open(QIODevice::ReadOnly));
    const pid_t browser = pid_t(pidFile.readAll().trimmed().toInt());
    QVERIFY(browser > 0);
    m_strays.push_back(browser);
    QCOMPARE(::kill(browser, 0), 0); // still running

    QProcess *next = start(ProbePath);
    QString ready;
    QVERIFY(waitForLine(next, {u"ready:"_s, AlreadyRunning}, &ready));
    QCOMPARE(ready, u"ready: frmMain"_s);
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
    QTest::newRow("a deeply nested serialised list") << u"too large"_s << nested + ")\n" << false;
    QTest::newRow("a 70 KiB file") << u"too large"_s << due + QByteArray(70 * 1024, ';') << false;
}

// The window always comes, nothing waits on what is no file, and a file larger than is read is
// left as it is; the settings' own lock file plays no part.
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
    // A build without the update reminder asks nothing and leaves every file as it is.
    QCOMPARE(line.startsWith(u"message: There maybe an update"_s),
             asked && planetarch::identity::UpdateReminder);
    if (asked && planetarch::identity::UpdateReminder)
        QVERIFY(waitForLine(program, {u"ready:"_s}));
    if (file.isEmpty()) {
        QVERIFY(!QFileInfo(settings).isFile()); // left as it is
        return;
    }
    if (!planetarch::identity::UpdateReminder || obstacle == u"too large"_s) {
        QTest::qWait(500); // time for a write that must not come
        QFile kept(settings);
        QVERIFY(kept.open(QIODevice::ReadOnly));
        QCOMPARE(kept.readAll(), file);
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
    QVERIFY(guardHeld());
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
    // The name went with it: the next start is not refused.
    QProcess *next = start(ProbePath);
    QVERIFY(waitForLine(next, {u"ready:"_s}));
}

void TestProcesses::commandLineAnswersWithoutStarting_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("display"); // DISPLAY, unset when empty
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QByteArray>("out");
    QTest::addColumn<QByteArray>("err"); // what standard error starts with; all of it, status 1
    QTest::newRow("--help") << QStringList{u"--help"_s} << QString() << 0
                            << QByteArray("Usage: planetarch [options]\n") << QByteArray();
    QTest::newRow("-v") << QStringList{u"-v"_s} << QString() << 0
                        << (u"planetarch "_s + planetarch::identity::Version + u'\n').toUtf8()
                        << QByteArray();
    QTest::newRow("unknown option") << QStringList{u"--bogus"_s} << QString() << 2 << QByteArray()
                                    << QByteArray("planetarch: Unknown option 'bogus'.\n"
                                                  "Usage: planetarch [options]\n");
    const QByteArray cannotOpen =
        "planetarch: no display to open the window on: start it from a desktop session\n";
    QTest::newRow("no display") << QStringList() << QString() << 1 << QByteArray() << cannotOpen;
    QTest::newRow("--platform=xcb, no display")
        << QStringList{u"--platform=xcb"_s} << QString() << 1 << QByteArray() << cannotOpen;
    QTest::newRow("a display that is not there")
        << QStringList() << u":99.7"_s << 1 << QByteArray() << cannotOpen;
    QTest::newRow("a platform that is not there") << QStringList{u"-platform"_s, u"nonesuch"_s}
                                                  << QString() << 1 << QByteArray() << cannotOpen;
}

// No display at all, or one Qt cannot open (which Qt answers with an abort): one line says so and
// nothing else, the status is plain, and no lock or setting is made.
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
    // A display that cannot be reached gets our one line, without Qt's about plugins before it.
    QVERIFY2(exitCode == 1 ? stdErr == err : stdErr.startsWith(err), stdErr.constData());
    QVERIFY(QDir(m_runtime->path()).isEmpty());
    QVERIFY(!QFile::exists(m_home->filePath(u".config"_s)));
}

QTEST_GUILESS_MAIN(TestProcesses)
#include "tst_processes.moc"
