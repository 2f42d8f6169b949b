// SPDX-FileCopyrightText: 2026 The Planetarch developers
// SPDX-License-Identifier: MIT

// What Linux's file system can put in a save's way: a pipe, /proc, a full disk, a file size
// limit, another user's link; the save dialog never reads what it lists. And the page itself,
// saved and printed, as poppler's tools (Linux programs) read it.

#include "core/readingengine.h"
#include "core/wholefile.h"
#include "gui/mainwindow.h"
#include "gui/services.h"
#include "support/menus.h"
#include "support/messagerecorder.h"

#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QLineEdit>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <csignal>
#include <future>

#include <fcntl.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace planetarch;
using namespace planetarch::testing;
using namespace Qt::StringLiterals;

class TestReadingExport : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void theDialogReadsNoListedFile_data();
    void theDialogReadsNoListedFile();
    void writerLeavesWhatItCannotWrite_data();
    void writerLeavesWhatItCannotWrite();
    void pageHoldsTheReadingAsText_data();
    void pageHoldsTheReadingAsText();

private:
    void read(const QString &month); // Ann, 1st of the month

    std::unique_ptr<Services> m_services; // afresh for each test
    MainWindow *m_window = nullptr;
    QTemporaryDir m_dir;
    QString m_mounted;               // a small tmpfs of the test's, unmounted after it
    std::function<void()> m_restore; // puts back a limit a row set
    QString m_target;                // where a row's link leads
};

void TestReadingExport::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    // As the program does: a write past a file size limit fails instead of ending the process.
    std::signal(SIGXFSZ, SIG_IGN);
    QVERIFY(m_dir.isValid());
}

void TestReadingExport::init()
{
    m_services = std::make_unique<Services>();
    m_window = new MainWindow(*m_services);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowActive(m_window));
}

void TestReadingExport::cleanup()
{
    delete m_window;
    if (!m_mounted.isEmpty())
        ::umount2(QFile::encodeName(m_mounted).constData(), MNT_DETACH);
    m_mounted.clear();
    if (m_restore)
        std::exchange(m_restore, {})();
    m_target.clear();
}

void TestReadingExport::read(const QString &month)
{
    m_window->findChild<QLineEdit *>(u"txtName"_s)->setText(u"Ann"_s);
    auto *months = m_window->findChild<QComboBox *>(u"cboMonth"_s);
    months->setCurrentIndex(months->findText(month));
    QTest::mouseClick(m_window->findChild<QPushButton *>(u"cmdProceed"_s), Qt::LeftButton);
}

void TestReadingExport::theDialogReadsNoListedFile_data()
{
    QTest::addColumn<QString>("file");
    QTest::newRow("a named pipe") << u"pipe"_s;
    // The kernel's log: as root a read of it waits for the next message.
    QTest::newRow("root's /proc/kmsg, whose read blocks") << u"/proc/kmsg"_s;
}

// The dialog lists and types every file of its folder, and completes a name typed into it,
// without reading any: a file whose read blocks must not freeze the program.
void TestReadingExport::theDialogReadsNoListedFile()
{
    QFETCH(QString, file);
    if (file == u"pipe"_s) {
        file = m_dir.filePath(u"pipe"_s);
        QVERIFY(QFileInfo::exists(file) ||
                ::mkfifo(QFile::encodeName(file).constData(), 0600) == 0);
    } else if (::geteuid() != 0 || !QFileInfo::exists(file)) {
        QSKIP("needs root");
    }
    read(u"November"_s);
    QString type;
    QTimer::singleShot(0, this, [&] {
        auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        const QFileInfo info(file);
        dialog->setDirectory(info.path());
        QTest::keyClicks(dialog->findChild<QLineEdit *>(u"fileNameEdit"_s),
                         info.fileName().left(2));
        auto *model = dialog->findChild<QFileSystemModel *>();
        QTRY_VERIFY_WITH_TIMEOUT(model->index(file).isValid(), 10000);
        dialog->grab(); // drawn with every listed file's type and icon
        type = model->data(model->index(file).siblingAtColumn(2)).toString();
        dialog->reject();
    });
    QVERIFY(chooseMenuItem(m_window, u"mnuFile"_s, u"mnuSave"_s));
    QVERIFY(!type.isEmpty());
}

void TestReadingExport::writerLeavesWhatItCannotWrite_data()
{
    QTest::addColumn<QString>("obstacle");
    QTest::addColumn<QString>("reason"); // part of what the message says
    QTest::newRow("a named pipe, never waited on") << u"pipe"_s << u"named pipe"_s;
    QTest::newRow("a folder") << u"folder"_s << u"folder"_s;
    QTest::newRow("a folder nobody can write") << u"proc"_s << QString();
    QTest::newRow("a new file on a full disk") << u"full"_s << u"No space left on device"_s;
    QTest::newRow("an old file on a full disk")
        << u"full, old file"_s << u"No space left on device"_s;
    // The disk takes part of the file, then no more.
    QTest::newRow("an old file on a disk with 12 KiB free")
        << u"12 KiB free, old file"_s << u"No space left on device"_s;
    QTest::newRow("an old file under a file size limit")
        << u"size limit, old file"_s << u"File too large"_s;
    // Root saving into a shared sticky folder, where another user put a link at the name.
    QTest::newRow("another user's link to root's file")
        << u"foreign link, old file"_s << u"belongs to another user"_s;
    QTest::newRow("another user's dangling link")
        << u"foreign dangling link"_s << u"belongs to another user"_s;
}

// Whatever is at the path stays as it was, nothing is left beside it, and the reason is said.
void TestReadingExport::writerLeavesWhatItCannotWrite()
{
    QFETCH(QString, obstacle);
    QFETCH(QString, reason);
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    QString path = folder.filePath(u"reading.pdf"_s);
    const QByteArray old = "%PDF-1.4 the user's old reading";
    if (obstacle == u"pipe"_s) {
        QVERIFY(::mkfifo(QFile::encodeName(path).constData(), 0600) == 0);
    } else if (obstacle == u"folder"_s) {
        QVERIFY(QDir().mkdir(path));
    } else if (obstacle == u"proc"_s) {
        path = u"/proc/planetarch-reading.pdf"_s;
    } else if (obstacle.startsWith(u"size limit"_s)) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(old) == old.size());
        rlimit before{};
        ::getrlimit(RLIMIT_FSIZE, &before);
        const rlimit limit{16 * 1024, before.rlim_max};
        QCOMPARE(::setrlimit(RLIMIT_FSIZE, &limit), 0);
        m_restore = [before] { ::setrlimit(RLIMIT_FSIZE, &before); };
    } else if (obstacle.startsWith(u"foreign"_s)) {
        if (::geteuid() != 0)
            QSKIP("needs root, to be the user who follows another's link");
        // The link's target lies in a folder of root's that the other user cannot even read.
        const QString hidden = folder.filePath(u"root-only"_s);
        QVERIFY(QDir().mkdir(hidden));
        QFile::setPermissions(hidden, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        m_target = hidden + u"/target.pdf"_s;
        if (obstacle.endsWith(u"old file"_s)) {
            QFile file(m_target);
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(old) == old.size());
        }
        const QString shared = folder.filePath(u"shared"_s);
        QVERIFY(QDir().mkdir(shared));
        QCOMPARE(::chmod(QFile::encodeName(shared).constData(), 01777), 0);
        path = shared + u"/reading.pdf"_s;
        QVERIFY(QFile::link(m_target, path));
        QCOMPARE(::lchown(QFile::encodeName(path).constData(), 65534, 65534), 0);
    } else {
        if (::geteuid() != 0)
            QSKIP("needs root, to mount a small tmpfs");
        const QByteArray mount = QFile::encodeName(folder.path());
        if (::mount("planetarch-test", mount.constData(), "tmpfs", 0, "size=256k") != 0)
            QSKIP("cannot mount a tmpfs here");
        m_mounted = folder.path();
        if (obstacle.endsWith(u"old file"_s)) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(old) == old.size());
        }
        QFile filler(folder.filePath(u"filler"_s));
        QVERIFY(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
        while (filler.write(QByteArray(4096, 'x')) > 0) {
        }
        if (obstacle.startsWith(u"12 KiB"_s))
            QVERIFY(filler.resize(filler.size() - 12 * 1024));
    }
    const QStringList before = QDir(folder.path()).entryList(QDir::AllEntries | QDir::Hidden);
    read(u"November"_s);

    // On a thread, so that a writer that blocks on the pipe fails here instead of hanging.
    auto written = std::async(std::launch::async, [&] {
        QString why;
        const bool done = wholefile::write(path, QByteArray(64 * 1024, 'p'), &why);
        return std::pair(done, why);
    });
    if (written.wait_for(std::chrono::seconds(1)) != std::future_status::ready) {
        ::close(::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK));
        QFAIL("the writer waited on what lies at the path");
    }
    const auto [done, why] = written.get();
    QVERIFY(!done);
    QVERIFY2(why.contains(reason) && !why.contains(u"Unknown error"_s), qPrintable(why));
    QCOMPARE(QDir(folder.path()).entryList(QDir::AllEntries | QDir::Hidden), before);
    if (obstacle.endsWith(u"old file"_s)) {
        QFile file(m_target.isEmpty() ? path : m_target);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), old);
    }
    if (obstacle == u"foreign dangling link"_s)
        QVERIFY(!QFileInfo::exists(m_target));
    if (obstacle == u"pipe"_s)
        QVERIFY(QFileInfo(path).exists() && !QFileInfo(path).isFile());

    // The command says so, with the path and the reason.
    if (obstacle != u"pipe"_s) {
        m_services->chooseSavePath = [&](QWidget *, const QString &, const QString &,
                                         const QString &) { return path; };
        MessageRecorder messages(*m_services);
        QVERIFY(chooseMenuItem(m_window, u"mnuFile"_s, u"mnuSavePdf"_s));
        QCOMPARE(messages.shown.size(), 1);
        QCOMPARE(messages.shown.first().icon, messages::Icon::Critical);
        QVERIFY(messages.shown.first().text.contains(path));
        QVERIFY(messages.shown.first().text.contains(why));
    }
}

void TestReadingExport::pageHoldsTheReadingAsText_data()
{
    QTest::addColumn<QString>("command");
    QTest::newRow("saved as PDF") << u"mnuSavePdf"_s;
    QTest::newRow("printed") << u"mnuPrint"_s; // to a PDF printer, as a printer would get it
}

// Both give the same one page, its texts as real text in the design's typeface.
void TestReadingExport::pageHoldsTheReadingAsText()
{
    QFETCH(QString, command);
    read(u"February"_s); // Aquarius: Saturn
    const QString pdf = m_dir.filePath(command + u".pdf"_s);
    m_services->chooseSavePath = [&pdf](QWidget *, const QString &, const QString &,
                                        const QString &) { return pdf; };
    m_services->choosePrinter = [&pdf](QWidget *, QPrinter &printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        return true;
    };
    MessageRecorder messages(*m_services);
    QVERIFY(chooseMenuItem(m_window, u"mnuFile"_s, command));
    QVERIFY(QFile::exists(pdf));
    QVERIFY(messages.shown.isEmpty());

    QProcess info;
    info.start(u"pdfinfo"_s, {pdf});
    QVERIFY2(info.waitForFinished(20000) && info.exitCode() == 0, "pdfinfo (poppler-utils)");
    QVERIFY(QString::fromUtf8(info.readAllStandardOutput()).contains(u"Pages:           1"_s));

    QProcess text;
    text.start(u"pdftotext"_s, {pdf, u"-"_s});
    QVERIFY2(text.waitForFinished(20000) && text.exitCode() == 0, "pdftotext (poppler-utils)");
    const QString page = QString::fromUtf8(text.readAllStandardOutput()).simplified();
    const int february = 2;
    const ArchetypeReading saturn = *readingengine::readingFor(1, february);
    QVERIFY2(page.startsWith(u"Ann, born 1 February 1900 - Aquarius"_s), qPrintable(page));
    for (const ArchetypeReading::Row &row : saturn.rows()) {
        QVERIFY2(page.contains(row.caption), qPrintable(row.caption));
        QVERIFY2(page.contains(row.value.simplified()), qPrintable(row.value));
    }
    QProcess fonts;
    fonts.start(u"pdffonts"_s, {pdf});
    QVERIFY(fonts.waitForFinished(20000) && fonts.exitCode() == 0);
    QVERIFY(QString::fromUtf8(fonts.readAllStandardOutput()).contains(u"DejaVuSans"_s));

    // Laid out for paper: at 72 dots to the inch, 20 mm margins are 57 dots; the reading spans
    // the width between them (A4: 595 dots), from the top margin down.
    QProcess raster;
    raster.start(u"pdftoppm"_s, {u"-r"_s, u"72"_s, u"-gray"_s, u"-singlefile"_s, pdf, pdf});
    QVERIFY(raster.waitForFinished(20000) && raster.exitCode() == 0);
    const QImage sheet(pdf + u".pgm"_s);
    QRect ink;
    for (int y = 0; y < sheet.height(); ++y) {
        for (int x = 0; x < sheet.width(); ++x) {
            if (qGray(sheet.pixel(x, y)) < 128)
                ink |= QRect(x, y, 1, 1);
        }
    }
    QCOMPARE(sheet.width(), 595);
    QVERIFY2(
        qAbs(ink.left() - 57) <= 2 && qAbs(ink.top() - 57) <= 2 &&
            qAbs(ink.right() - (595 - 57)) <= 2 && ink.height() < sheet.height() / 2,
        qPrintable(u"%1,%2 %3x%4"_s.arg(ink.x()).arg(ink.y()).arg(ink.width()).arg(ink.height())));
}

QTEST_MAIN(TestReadingExport)
#include "tst_readingexport_unix.moc"
