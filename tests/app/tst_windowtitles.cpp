// SPDX-FileCopyrightText: 2026 The Planetarch developers
// SPDX-License-Identifier: MIT

// The title that reaches the window system, read back from the X server (CTest runs this under
// Xvfb with the xcb platform): Qt's platform layer, not windowTitle(), is where a suffix would be
// added.

#include "app/startup.h"
#include "core/identity.h"
#include "core/randomdraw.h"
#include "gui/aboutdialog.h"
#include "gui/exitwindow.h"
#include "gui/mainwindow.h"
#include "gui/messages.h"

#include <QApplication>
#include <QMessageBox>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>

using namespace planetarch;
using namespace Qt::StringLiterals;

namespace {

// _NET_WM_NAME as xprop prints it, or what went wrong.
QString titleOnScreen(const QWidget *window)
{
    QProcess xprop;
    xprop.start(u"xprop"_s, {u"-id"_s, QString::number(window->winId()), u"_NET_WM_NAME"_s});
    if (!xprop.waitForFinished(10000) || xprop.exitCode() != 0)
        return u"xprop failed: "_s + QString::fromLocal8Bit(xprop.readAllStandardError());
    const QString out = QString::fromUtf8(xprop.readAllStandardOutput()).trimmed();
    const QRegularExpressionMatch match =
        QRegularExpression(uR"re(^_NET_WM_NAME\(UTF8_STRING\) = "(.*)"$)re"_s).match(out);
    return match.hasMatch() ? match.captured(1) : out;
}

} // namespace

class TestWindowTitles : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void windows_data();
    void windows();
    void messageBox();
};

void TestWindowTitles::initTestCase()
{
    if (QGuiApplication::platformName() != u"xcb"_s)
        QFAIL("needs the xcb platform on an X server (CTest runs it under xvfb-run)");
    configureApplication(*qobject_cast<QApplication *>(qApp));
}

void TestWindowTitles::windows_data()
{
    QTest::addColumn<QString>("window");
    QTest::newRow("main") << u"main"_s;
    QTest::newRow("About") << u"about"_s;
    QTest::newRow("exit") << u"exit"_s;
}

void TestWindowTitles::windows()
{
    QFETCH(QString, window);
    randomdraw::setSource([] { return 0.0f; });
    MainWindow main;
    AboutDialog about(&main);
    ExitWindow exitWindow;
    QWidget *shown = window == u"main"_s    ? static_cast<QWidget *>(&main)
                     : window == u"about"_s ? static_cast<QWidget *>(&about)
                                            : &exitWindow;
    shown->show();
    QVERIFY(QTest::qWaitForWindowExposed(shown));
    QTRY_COMPARE(titleOnScreen(shown), identity::WindowCaption);
    randomdraw::setSource({});
}

void TestWindowTitles::messageBox()
{
    QString title;
    QTimer::singleShot(0, this, [&title] {
        QWidget *box = QApplication::activeModalWidget();
        if (!box)
            return;
        if (QTest::qWaitForWindowExposed(box))
            title = titleOnScreen(box);
        box->close();
    });
    messages::information(nullptr, u"Application is already running"_s);
    QCOMPARE(title, identity::Title);
}

QTEST_MAIN(TestWindowTitles)
#include "tst_windowtitles.moc"
