// SPDX-FileCopyrightText: 2026 The Planetarch developers
// SPDX-License-Identifier: MIT

// Taking a reading along: the File menu's three reading commands, on the clipboard, in a PNG and
// on a printed (PDF) page.

#include "gui/mainwindow.h"
#include "gui/readingexport.h"
#include "gui/resultpanel.h"
#include "support/archetypes.h"
#include "support/menus.h"
#include "support/messagerecorder.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QMimeData>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

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
    void printedPageHoldsTheReadingAsText();

private:
    void read(const QString &month); // Ann, 1st of the month, 1980
    ResultPanel *panel() const { return m_window->findChild<ResultPanel *>(u"fraResult"_s); }

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
    m_window = new MainWindow;
    m_window->show();
    QVERIFY(QTest::qWaitForWindowActive(m_window));
}

void TestReadingExport::cleanup()
{
    delete m_window;
    readingexport::setSaveChooser({});
    readingexport::setPrintChooser({});
}

void TestReadingExport::read(const QString &month)
{
    m_window->findChild<QLineEdit *>(u"txtName"_s)->setText(u"Ann"_s);
    auto *months = m_window->findChild<QComboBox *>(u"cboMonth"_s);
    months->setCurrentIndex(months->findText(month));
    QTest::mouseClick(m_window->findChild<QPushButton *>(u"cmdProceed"_s), Qt::LeftButton);
    QVERIFY(m_window->resultPanelInFront());
}

void TestReadingExport::commandsOnlyWhileTheReadingIsShown()
{
    const QStringList commands{u"mnuCopy"_s, u"mnuSave"_s, u"mnuPrint"_s};
    auto enabled = [this, &commands] {
        QList<bool> states;
        for (const QString &name : commands)
            states << m_window->findChild<QAction *>(name)->isEnabled();
        return states;
    };
    QCOMPARE(enabled(), QList<bool>(3, false));
    // Ctrl+C in the name box stays the name box's: its filter answers it as always, and no
    // reading reaches the clipboard.
    auto *name = m_window->findChild<QLineEdit *>(u"txtName"_s);
    QTest::keyClicks(name, u"Ann"_s);
    QApplication::clipboard()->setText(u"Bob"_s);
    {
        MessageRecorder messages;
        QTest::keyClick(name, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(messages.texts(), QStringList{u"First Name Can Accept Text Only"_s});
    }
    QCOMPARE(QApplication::clipboard()->text(), u"Bob"_s);

    read(u"November"_s);
    QCOMPARE(enabled(), QList<bool>(3, true));
    QCOMPARE(panel()->contextMenuPolicy(), Qt::ActionsContextMenu);
    QStringList onPanel;
    for (const QAction *action : panel()->actions())
        onPanel << action->objectName();
    QCOMPARE(onPanel, commands);
    // Ctrl+C on the reading copies the reading.
    QTest::keyClick(m_window, Qt::Key_C, Qt::ControlModifier);
    QVERIFY(QApplication::clipboard()->text().startsWith(u"Ruling Planet: MARS\n"_s));

    QTest::mouseClick(panel()->againButton(), Qt::LeftButton);
    QCOMPARE(enabled(), QList<bool>(3, false));
}

void TestReadingExport::copyPutsTextAndPicture()
{
    read(u"November"_s);
    QVERIFY(chooseMenuItem(m_window, u"mnuFile"_s, u"mnuCopy"_s));
    const QMimeData *data = QApplication::clipboard()->mimeData();
    QVERIFY(data && data->hasText() && data->hasImage());

    QStringList expected;
    const QStringList values = panelValues(u"Mars"_s);
    for (int row = 0; row < 8; ++row)
        expected << panelCaptions()[row] + u": "_s + values[row];
    QCOMPARE(data->text(), expected.join(u'\n') + u'\n');

    const auto image = qvariant_cast<QImage>(data->imageData());
    QCOMPARE(image.size(), panel()->size() * 2 * m_window->devicePixelRatio());
    QVERIFY(hasPink(image, QRect(QPoint(320, 44), QSize(80, 24)))); // "MARS" at 2x
}

void TestReadingExport::saveWritesASharpPng_data()
{
    QTest::addColumn<QString>("chosen");  // file name in the temporary folder, or a full path
    QTest::addColumn<QString>("written"); // what lands there; empty: nothing, and a message
    QTest::newRow("as suggested") << u"Planetarch - Mars.png"_s << u"Planetarch - Mars.png"_s;
    QTest::newRow("without its extension") << u"mine"_s << u"mine.png"_s;
    QTest::newRow("a folder nobody can write") << u"/proc/planetarch-reading.png"_s << QString();
}

void TestReadingExport::saveWritesASharpPng()
{
    QFETCH(QString, chosen);
    QFETCH(QString, written);
    read(u"November"_s);
    QString suggested;
    const QString path = chosen.startsWith(u'/') ? chosen : m_dir.filePath(chosen);
    readingexport::setSaveChooser([&](QWidget *, const QString &offered) {
        suggested = offered;
        return path;
    });
    MessageRecorder messages;
    QVERIFY(chooseMenuItem(m_window, u"mnuFile"_s, u"mnuSave"_s));

    const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    QVERIFY2(suggested.endsWith(u"/Planetarch - Mars.png"_s), qPrintable(suggested));
    QVERIFY(suggested.startsWith(pictures) || suggested.startsWith(QDir::homePath()));
    if (written.isEmpty()) {
        QCOMPARE(messages.shown.size(), 1);
        QCOMPARE(messages.shown.first().icon, messages::Icon::Critical);
        QVERIFY(messages.shown.first().text.contains(path));
        QVERIFY(!QFile::exists(path));
        return;
    }
    QVERIFY(messages.shown.isEmpty());
    const QImage image(m_dir.filePath(written));
    QCOMPARE(image.size(), panel()->size() * 2 * m_window->devicePixelRatio());
    QCOMPARE(image.pixelColor(4, 100), QColor(Qt::black)); // the panel's own background
    QVERIFY(hasPink(image, QRect(QPoint(320, 44), QSize(80, 24))));
    // Nothing but the picture is left in the folder: no temporary file.
    QCOMPARE(QDir(m_dir.path()).entryList(QDir::Files).filter(u".png"_s).contains(written), true);
    QVERIFY(QDir(m_dir.path()).entryList(QDir::Files).filter(u".new"_s).isEmpty());
}

void TestReadingExport::printedPageHoldsTheReadingAsText()
{
    read(u"February"_s); // Aquarius: Saturn
    const QString pdf = m_dir.filePath(u"reading.pdf"_s);
    readingexport::setPrintChooser([&pdf](QWidget *, QPrinter &printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        return true;
    });
    QVERIFY(chooseMenuItem(m_window, u"mnuFile"_s, u"mnuPrint"_s));
    QVERIFY(QFile::exists(pdf));

    QProcess info;
    info.start(u"pdfinfo"_s, {pdf});
    QVERIFY2(info.waitForFinished(20000) && info.exitCode() == 0, "pdfinfo (poppler-utils)");
    QVERIFY(QString::fromUtf8(info.readAllStandardOutput()).contains(u"Pages:           1"_s));

    QProcess text;
    text.start(u"pdftotext"_s, {pdf, u"-"_s});
    QVERIFY2(text.waitForFinished(20000) && text.exitCode() == 0, "pdftotext (poppler-utils)");
    const QString page = QString::fromUtf8(text.readAllStandardOutput()).simplified();
    const QStringList values = panelValues(u"Saturn"_s);
    for (int row = 0; row < 8; ++row) {
        QVERIFY2(page.contains(panelCaptions()[row]), qPrintable(panelCaptions()[row]));
        QVERIFY2(page.contains(values[row].simplified()), qPrintable(values[row]));
    }
    QProcess fonts;
    fonts.start(u"pdffonts"_s, {pdf});
    QVERIFY(fonts.waitForFinished(20000) && fonts.exitCode() == 0);
    QVERIFY(QString::fromUtf8(fonts.readAllStandardOutput()).contains(u"DejaVuSans"_s));
}

QTEST_MAIN(TestReadingExport)
#include "tst_readingexport.moc"
