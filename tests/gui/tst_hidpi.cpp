// SPDX-FileCopyrightText: 2026 The Planetarch developers
// SPDX-License-Identifier: MIT

// The windows on a screen scaled to 200 % (CTest runs this with QT_SCALE_FACTOR=2): pictures come
// from their 2x drawings, pixel for pixel, and every text still fits.

#include "gui/aboutdialog.h"
#include "gui/exitwindow.h"
#include "gui/mainwindow.h"
#include "support/messagerecorder.h"
#include "support/textfit.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace planetarch;
using namespace planetarch::testing;
using namespace Qt::StringLiterals;

class TestHiDpi : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void planetPictureIsDrawnFromItsSharpDrawing_data();
    void planetPictureIsDrawnFromItsSharpDrawing();
    void starIsSharp();
    void textsFit();
};

void TestHiDpi::initTestCase()
{
    // Anywhere else every check below would pass at 1x and prove nothing.
    QVERIFY2(qApp->devicePixelRatio() == 2.0,
             "needs a screen at 200 %: run with QT_SCALE_FACTOR=2");
}

void TestHiDpi::planetPictureIsDrawnFromItsSharpDrawing_data()
{
    QTest::addColumn<QString>("month");
    QTest::addColumn<QString>("drawing");
    QTest::newRow("Scorpio: Mars") << u"November"_s << u":/planets/mars@2x.png"_s;
    QTest::newRow("Cancer: Moon") << u"July"_s << u":/planets/moon@2x.png"_s;
}

void TestHiDpi::planetPictureIsDrawnFromItsSharpDrawing()
{
    QFETCH(QString, month);
    QFETCH(QString, drawing);
    Services services;
    services.draw = [] { return 0.95f; }; // the same banner every time
    MessageRecorder messages(services);
    MainWindow window(services);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.findChild<QLineEdit *>(u"txtName"_s)->setText(u"Ann"_s);
    window.findChild<QComboBox *>(u"cboMonth"_s)->setCurrentText(month);
    window.findChild<QPushButton *>(u"cmdProceed"_s)->click();

    auto *picture = window.findChild<QLabel *>(u"picPlanet"_s);
    const QImage sharp(drawing);
    QCOMPARE(picture->pixmap().devicePixelRatio(), 2.0);
    QCOMPARE(picture->pixmap().toImage(),
             sharp.convertToFormat(picture->pixmap().toImage().format()));
    // The box keeps the logical size of the 1x picture plus its border.
    QCOMPARE(picture->size(), sharp.size() / 2 + QSize(2, 2));

    // What reaches the screen: inside the one-pixel border, the 2x drawing, not a blown-up 1x.
    const QImage grabbed = window.grab().toImage();
    QCOMPARE(grabbed.devicePixelRatio(), 2.0);
    const QPoint topLeft = picture->mapTo(&window, QPoint(1, 1)) * 2;
    const QImage shown = grabbed.copy(QRect(topLeft, sharp.size()));
    QCOMPARE(shown.convertToFormat(QImage::Format_RGB32),
             sharp.convertToFormat(QImage::Format_RGB32));
}

void TestHiDpi::starIsSharp()
{
    Services services;
    services.draw = [] { return 0.95f; };
    MainWindow window(services);
    auto *star = window.findChild<QLabel *>(u"Picture1"_s);
    QCOMPARE(star->pixmap().devicePixelRatio(), 2.0);
    QCOMPARE(star->pixmap().size(), QSize(206, 210));
    QCOMPARE(star->size(), QSize(103, 105));
}

void TestHiDpi::textsFit()
{
    Services services;
    MessageRecorder messages(services);
    services.draw = [] { return 0.0f; }; // the longest appeal
    MainWindow main(services);
    AboutDialog about(&main);
    ExitWindow exitWindow(services);
    for (QWidget *window : std::initializer_list<QWidget *>{&main, &about, &exitWindow}) {
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        QCOMPARE(textsThatDoNotFit(window), QStringList());
        // Wider than the screen or not, the title bar's start is on it.
        QVERIFY2(window->screen()->availableGeometry().contains(window->geometry().topLeft()),
                 qPrintable(window->objectName()));
    }
    main.findChild<QLineEdit *>(u"txtName"_s)->setText(u"Ann"_s);
    main.findChild<QPushButton *>(u"cmdProceed"_s)->click();
    QCOMPARE(textsThatDoNotFit(&main), QStringList());
}

QTEST_MAIN(TestHiDpi)
#include "tst_hidpi.moc"
