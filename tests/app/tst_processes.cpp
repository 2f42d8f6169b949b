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

#include <memory>
#include <optional>
#include <vector>

using namespace Qt::StringLiterals;
using planetarch::identity::ApplicationId;

namespace {

const QString ProgramPath = QStringLiteral(PLANETARCH_PROGRAM);
const QString ProbePath = QStringLiteral(PLANETARCH_PROBE);
const QString AlreadyRunning = u"message: Application is already running"_s;

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
    void emptiedLockOfARunningCopyStillRefuses();
    void noRuntimeFolderUsesAPrivateOne();
    void closingTheMainWindowLeavesTheExitWindow();
    void closingTheExitWindowEndsTheProgram();
    void commandLineAnswersWithoutStarting_data();
    void commandLineAnswersWithoutStarting();

private:
    QProcess *start(const QString &program, const QStringList &arguments = {},
                    std::optional<QProcessEnvironment> environment = std::nullopt);
    QString lockPath() const { return m_runtime->filePath(ApplicationId + u".lock"_s); }
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
    QTest::addColumn<bool>("fresh"); // made just now, as if a copy were writing it
    QTest::newRow("empty file (killed between creating and writing)") << u"empty"_s << false;
    QTest::newRow("empty file, made a moment ago") << u"empty"_s << true;
    QTest::newRow("garbage") << u"garbage"_s << false;
    QTest::newRow("empty directory") << u"directory"_s << false;
    QTest::newRow("dangling symlink") << u"dangling"_s << false;
    QTest::newRow("symlink to the user's file") << u"symlink"_s << false;
}

void TestProcesses::leftoversAtTheLockPathDoNotBlock()
{
    QFETCH(QString, leftover);
    QFETCH(bool, fresh);
    const QString userFile = m_home->filePath(u"notes.txt"_s);
    const QByteArray notes = "the user's own notes\n";
    if (leftover == u"empty"_s || leftover == u"garbage"_s) {
        QFile file(lockPath());
        QVERIFY(file.open(QIODevice::WriteOnly));
        if (leftover == u"garbage"_s)
            file.write("\x7f\x01 not a lock\n");
        file.close();
        if (!fresh)
            QVERIFY(file.open(QIODevice::ReadWrite) &&
                    file.setFileTime(QDateTime::currentDateTime().addSecs(-60),
                                     QFileDevice::FileModificationTime));
    } else if (leftover == u"directory"_s) {
        QVERIFY(QDir().mkdir(lockPath()));
    } else {
        QFile file(userFile);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(notes) == notes.size());
        file.close();
        const QString target = leftover == u"dangling"_s ? m_home->filePath(u"gone"_s) : userFile;
        QVERIFY(QFile::link(target, lockPath()));
    }

    QProcess *program = start(ProbePath);
    QString ready;
    QVERIFY(waitForLine(program, {u"ready:"_s, AlreadyRunning}, &ready));
    QCOMPARE(ready, u"ready: frmMain"_s);
    // It holds a real lock now: the next copy is refused.
    QVERIFY(QFileInfo(lockPath()).isFile() && !QFileInfo(lockPath()).isSymLink());
    QProcess *second = start(ProbePath);
    QVERIFY(waitForLine(second, {AlreadyRunning}));
    // What a link pointed to was neither written nor removed, nor created.
    if (leftover == u"symlink"_s) {
        QFile file(userFile);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), notes);
    }
    if (leftover == u"dangling"_s)
        QVERIFY(!QFile::exists(m_home->filePath(u"gone"_s)));
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
    QTest::newRow("a platform that is not there")
        << QStringList{u"-platform"_s, u"nonesuch"_s} << QString() << 1 << QByteArray()
        << cannotOpen;
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
