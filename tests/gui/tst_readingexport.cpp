// SPDX-FileCopyrightText: 2026 The Planetarch developers
// SPDX-License-Identifier: MIT

// Taking a reading along: the File menu's reading commands, on the clipboard, in a PNG, in a PDF
// and on a printed page. What Linux's file system can put in a save's way, and what poppler reads
// on the page, is tst_readingexport_unix's.

#include "core/readingengine.h"
#include "core/wholefile.h"
#include "gui/mainwindow.h"
#include "gui/readingexport.h"
#include "gui/resultpanel.h"
#include "gui/services.h"
#include "support/archetypes.h"
#include "support/menus.h"
#include "support/messagerecorder.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QLineEdit>
#include <QMessageBox>
#include <QMimeData>
#include <QOperatingSystemVersion>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace planetarch;
using namespace planetarch::testing;
using namespace Qt::StringLiterals;

namespace {

// The pink of the values, somewhere in the first value's text ("MARS").
bool hasPink(const QImage &image, const QRect &area)
{
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c.red() > 200 && c.green() < 140 && c.blue() > 120)
                return true;
        }
    }
    return false;
}

// Where a row's file name is the longest the platform takes in the test's folder.
const QString Longest = u"<longest>"_s;
const bool OnWindows = QOperatingSystemVersion::currentType() == QOperatingSystemVersion::Windows;

// Every export's heading, for read()'s entry.
const QString Heading = u"Ann, born 1 November 1900 - Scorpio"_s;

// What every picture of a reading is: at twice the screen's pixels, the heading in white over the
// panel (24 pixels down) on its own black face, the values in their pink, and where the panel has
// its button, the face alone.
bool isThePanelWithoutItsButton(const QImage &image)
{
    const qreal ratio = 2 * qApp->devicePixelRatio();
    const QRect button(QPointF(297 * ratio, (248 + 24) * ratio).toPoint(), QSize(280, 25) * ratio);
    bool faceOnly = true;
    for (int y = button.top(); y <= button.bottom(); y += 3) {
        for (int x = button.left(); x <= button.right(); x += 3)
            faceOnly = faceOnly && image.pixelColor(x, y) == QColor(Qt::black);
    }
    bool headingInWhite = false;
    for (int x = 16; x < 200 && !headingInWhite; ++x)
        headingInWhite = image.pixelColor(x, int(12 * ratio)) == QColor(Qt::white);
    return image.size() == QSize(587, 287 + 24) * ratio && image.pixelColor(4, 100) == Qt::black &&
           hasPink(image, QRect(QPoint(320, 44 + 48), QSize(80, 24))) && faceOnly &&
           headingInWhite; // "MARS" at 2x
}

} // namespace

class TestReadingExport : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void commandsOnlyWhileTheReadingIsShown();
    void copyPutsTextAndPicture();
    void saveWritesASharpPng_data();
    void saveWritesASharpPng();
    void theDialogAsksAboutTheFileItWrites_data();
    void theDialogAsksAboutTheFileItWrites();
    void printingSaysWhatHappened_data();
    void printingSaysWhatHappened();
    void saveDialogRemembersTheFolder();

private:
    void read(const QString &month); // Ann, 1st of the month, 1980
    ResultPanel *panel() const { return m_window->findChild<ResultPanel *>(u"fraResult"_s); }

    std::unique_ptr<Services> m_services; // afresh for each test
    MainWindow *m_window = nullptr;
    QTemporaryDir m_dir;
};

void TestReadingExport::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QVERIFY(m_dir.isValid());
}

void TestReadingExport::init()
{
    m_services = std::make_unique<Services>();
    m_services->draw = [] { return 0.95f; }; // the same banner every time
    m_window = new MainWindow(*m_services);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowActive(m_window));
}

void TestReadingExport::cleanup()
{
    delete m_window;
}

void TestReadingExport::read(const QString &month)
{
    m_window->findChild<QLineEdit *>(u"txtName"_s)->setText(u"Ann"_s);
    auto *months = m_window->findChild<QComboBox *>(u"cboMonth"_s);
    months->setCurrentIndex(months->findText(month));
    QTest::mouseClick(m_window->findChild<QPushButton *>(u"cmdProceed"_s), Qt::LeftButton);
    QVERIFY(panel() && panel()->isVisible());
}

void TestReadingExport::commandsOnlyWhileTheReadingIsShown()
{
    const QStringList commands{u"mnuCopy"_s, u"mnuSave"_s, u"mnuSavePdf"_s, u"mnuPrint"_s};
    auto enabled = [this, &commands] {
        QList<bool> states;
        for (const QString &name : commands)
            states << m_window->findChild<QAction *>(name)->isEnabled();
        return states;
    };
    QCOMPARE(enabled(), QList<bool>(4, false));
    // Ctrl+C in the name box stays the name box's: its filter answers it as always, and no
    // reading reaches the clipboard.
    auto *name = m_window->findChild<QLineEdit *>(u"txtName"_s);
    QTest::keyClicks(name, u"Ann"_s);
    QApplication::clipboard()->setText(u"Bob"_s);
    {
        MessageRecorder messages(*m_services);
        QTest::keyClick(name, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(messages.texts(), QStringList{u"First Name Can Accept Text Only"_s});
    }
    QCOMPARE(QApplication::clipboard()->text(), u"Bob"_s);

    read(u"November"_s);
    QCOMPARE(enabled(), QList<bool>(4, true));
    QCOMPARE(panel()->contextMenuPolicy(), Qt::ActionsContextMenu);
    QStringList onPanel;
    for (const QAction *action : panel()->actions())
        onPanel << action->objectName();
    QCOMPARE(onPanel, commands);
    // Ctrl+C on the reading copies the reading.
    QTest::keyClick(m_window, Qt::Key_C, Qt::ControlModifier);
    QVERIFY(QApplication::clipboard()->text().contains(u"\nRuling Planet: MARS\n"_s));

    QTest::mouseClick(panel()->againButton(), Qt::LeftButton);
    QCOMPARE(enabled(), QList<bool>(4, false));
}

void TestReadingExport::copyPutsTextAndPicture()
{
    read(u"November"_s);
    QVERIFY(chooseMenuItem(m_window, u"mnuFile"_s, u"mnuCopy"_s));
    const QMimeData *data = QApplication::clipboard()->mimeData();
    QVERIFY(data && data->hasText() && data->hasImage());

    const int november = 11;
    QCOMPARE(data->text(),
             Heading + u"\n\n"_s +
                 readingText(*readingengine::readingFor(1, november), ReadingText::Lines));
    // The same picture as a saved one.
    QVERIFY(isThePanelWithoutItsButton(qvariant_cast<QImage>(data->imageData())));
}

void TestReadingExport::saveWritesASharpPng_data()
{
    QTest::addColumn<QString>("chosen");  // file name in a folder of the row's, or a full path
    QTest::addColumn<QString>("written"); // what lands there; empty: nothing, and a message
    QTest::newRow("as suggested") << u"Ann - Mars.png"_s << u"Ann - Mars.png"_s;
    QTest::newRow("a folder that is not there") << u"gone/Ann - Mars.png"_s << QString();
    // The longest name the folder takes, over an old file of that name.
    QTest::newRow("the longest name, replaced") << Longest << Longest;
    // Windows' other names it keeps are tst_startuprules'.
    if (OnWindows)
        QTest::newRow("one character past Windows' path") << Longest + u'n' << QString();
    else
        QTest::newRow("a folder nobody can write")
            << u"/proc/planetarch-reading.png"_s << QString();
}

void TestReadingExport::saveWritesASharpPng()
{
    QFETCH(QString, chosen);
    QFETCH(QString, written);
    read(u"November"_s);
    QString suggested;
    QTemporaryDir folder;
    // Linux: 255 bytes to a name; Windows: 259 characters to the whole path, as Explorer shows it.
    const qsizetype longest =
        OnWindows ? 259 - QDir::toNativeSeparators(folder.path()).size() - 1 : 255;
    chosen.replace(Longest, QString(longest - 4, u'n') + u".png"_s);
    written.replace(Longest, QString(longest - 4, u'n') + u".png"_s);
    const QString path = QDir::isAbsolutePath(chosen) ? chosen : folder.filePath(chosen);
    if (!written.isEmpty() && written.size() > 200) {
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly) && old.write("the old picture") == 15);
    }
    m_services->chooseSavePath = [&](QWidget *, const QString &, const QString &,
                                     const QString &offered) {
        suggested = offered;
        return path;
    };
    MessageRecorder messages(*m_services);
    QVERIFY(chooseMenuItem(m_window, u"mnuFile"_s, u"mnuSave"_s));

    const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    QVERIFY2(suggested.endsWith(u"/Ann - Mars.png"_s), qPrintable(suggested));
    QVERIFY(suggested.startsWith(pictures) || suggested.startsWith(QDir::homePath()));
    if (written.isEmpty()) {
        QCOMPARE(messages.shown.size(), 1);
        QCOMPARE(messages.shown.first().icon, messages::Icon::Critical);
        QVERIFY(messages.shown.first().text.contains(QDir::toNativeSeparators(path)));
        QVERIFY(!QFile::exists(path));
        QVERIFY(
            QDir(folder.path()).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot));
        return;
    }
    QVERIFY(messages.shown.isEmpty());
    QVERIFY(isThePanelWithoutItsButton(QImage(folder.filePath(written))));
    // Nothing but the picture is left in the folder: no temporary file, hidden or not.
    QCOMPARE(QDir(folder.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             QStringList{written});
}

void TestReadingExport::theDialogAsksAboutTheFileItWrites_data()
{
    QTest::addColumn<bool>("replace"); // the answer to the dialog's question
    QTest::newRow("No leaves the file as it was") << false;
    QTest::newRow("Yes replaces it") << true;
}

// Typed without its extension, the name still gets the question about the file that will be
// written, from the real dialog.
void TestReadingExport::theDialogAsksAboutTheFileItWrites()
{
    QFETCH(bool, replace);
    read(u"November"_s);
    const QString keep = m_dir.filePath(u"keep.png"_s);
    QVERIFY(QFile::remove(keep) || !QFile::exists(keep));
    {
        QFile file(keep);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write("the user's picture") == 18);
    }
    QString asked;
    QTimer::singleShot(0, this, [&] {
        auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        dialog->setDirectory(m_dir.path());
        auto *name = dialog->findChild<QLineEdit *>(u"fileNameEdit"_s);
        name->setText(u"keep"_s);
        QTimer::singleShot(0, this, [&, dialog] {
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                asked = box->text();
                box->button(replace ? QMessageBox::Yes : QMessageBox::No)->click();
            }
            if (dialog->isVisible())
                dialog->reject();
        });
        QTest::keyClick(name, Qt::Key_Return);
    });
    MessageRecorder messages(*m_services);
    QVERIFY(chooseMenuItem(m_window, u"mnuFile"_s, u"mnuSave"_s));
    QVERIFY2(asked.contains(u"keep.png"_s), qPrintable(asked));
    QVERIFY(!QFile::exists(m_dir.filePath(u"keep"_s)));
    QCOMPARE(QImage(keep).isNull(), !replace);
    QVERIFY(messages.shown.isEmpty());
}

void TestReadingExport::printingSaysWhatHappened_data()
{
    QTest::addColumn<QString>("printer"); // "none", "real" (the real dialog), or an output file
    QTest::addColumn<QString>("said");    // part of the one message, empty: none
    QTest::newRow("no printer set up") << u"none"_s << u"No printer is set up"_s;
    QTest::newRow("the dialog writes no files") << u"real"_s << QString();
    QTest::newRow("a printer that fails")
        << u"/proc/planetarch-no-such/page.pdf"_s << u"could not be printed"_s;
}

void TestReadingExport::printingSaysWhatHappened()
{
    QFETCH(QString, printer);
    QFETCH(QString, said);
    const bool printers = !QPrinterInfo::availablePrinterNames().isEmpty();
    if (printer == u"none"_s && printers)
        QSKIP("this machine has a printer");
    if (printer == u"real"_s && !printers)
        QSKIP("this machine has no printer for the dialog to offer");
    read(u"November"_s);
    bool printToFile = true;
    QTimer::singleShot(0, this, [&] {
        if (auto *dialog = qobject_cast<QPrintDialog *>(QApplication::activeModalWidget())) {
            printToFile = dialog->testOption(QAbstractPrintDialog::PrintToFile);
            dialog->reject();
        }
    });
    if (printer.startsWith(u'/')) {
        m_services->choosePrinter = [&printer](QWidget *, QPrinter &device) {
            device.setOutputFormat(QPrinter::PdfFormat);
            device.setOutputFileName(printer);
            return true;
        };
    }
    MessageRecorder messages(*m_services);
    QVERIFY(chooseMenuItem(m_window, u"mnuFile"_s, u"mnuPrint"_s));
    if (printer == u"real"_s)
        QVERIFY(!printToFile);
    QCOMPARE(messages.shown.size(), said.isEmpty() ? 0 : 1);
    if (said.isEmpty())
        return;
    QVERIFY2(messages.shown.first().text.contains(said), qPrintable(messages.shown.first().text));
    QVERIFY(messages.shown.first().text.contains(u"Save Reading as PDF"_s));
    QCOMPARE(messages.shown.first().icon,
             printer == u"none"_s ? messages::Icon::Information : messages::Icon::Critical);
}

void TestReadingExport::saveDialogRemembersTheFolder()
{
    read(u"November"_s);
    QStringList offered;
    QTemporaryDir elsewhere;
    m_services->chooseSavePath = [&](QWidget *, const QString &, const QString &,
                                     const QString &suggested) {
        offered << suggested;
        return elsewhere.filePath(QFileInfo(suggested).fileName());
    };
    MessageRecorder messages(*m_services);
    for (const QString &command : {u"mnuSave"_s, u"mnuSavePdf"_s, u"mnuSave"_s})
        QVERIFY(chooseMenuItem(m_window, u"mnuFile"_s, command));
    QCOMPARE(messages.shown.size(), 0);
    // The first time the picture goes to Pictures (or home); then both go where it was saved.
    QCOMPARE(QFileInfo(offered[0]).path(),
             QDir(QStandardPaths::writableLocation(QStandardPaths::PicturesLocation)).exists()
                 ? QStandardPaths::writableLocation(QStandardPaths::PicturesLocation)
                 : QDir::homePath());
    QCOMPARE(offered.mid(1), (QStringList{elsewhere.filePath(u"Ann - Mars.pdf"_s),
                                          elsewhere.filePath(u"Ann - Mars.png"_s)}));
}

QTEST_MAIN(TestReadingExport)
#include "tst_readingexport.moc"
