// SPDX-FileCopyrightText: 2026 The Planetarch developers
// SPDX-License-Identifier: MIT

// The title and class that reach the window system, read back from the X server (CTest runs this
// under Xvfb with the xcb platform): Qt's platform layer, not windowTitle(), is where a suffix
// would be added, and the class is what a desktop matches to the launcher.

#include "app/startup.h"
#include "core/identity.h"
#include "gui/aboutdialog.h"
#include "gui/exitwindow.h"
#include "gui/mainwindow.h"
#include "gui/services.h"

#include <QApplication>
#include <QFile>
#include <QMessageBox>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>

using namespace planetarch;
using namespace Qt::StringLiterals;

namespace {

// A property of the window as xprop prints it (the value after " = "), or what went wrong.
QString propertyOnScreen(const QWidget *window, const QString &name)
{
    QProcess xprop;
    xprop.start(u"xprop"_s, {u"-id"_s, QString::number(window->winId()), name});
    if (!xprop.waitForFinished(10000) || xprop.exitCode() != 0)
        return u"xprop failed: "_s + QString::fromLocal8Bit(xprop.readAllStandardError());
    const QString out = QString::fromUtf8(xprop.readAllStandardOutput()).trimmed();
    const qsizetype equals = out.indexOf(u" = "_s);
    return equals < 0 ? out : out.mid(equals + 3);
}

QString titleOnScreen(const QWidget *window)
{
    const QString value = propertyOnScreen(window, u"_NET_WM_NAME"_s);
    return value.size() >= 2 && value.startsWith(u'"') ? value.mid(1, value.size() - 2) : value;
}

// The desktop entry's StartupWMClass, which a dock matches with the window's class.
QString launcherClass()
{
    QFile entry(QStringLiteral(PLANETARCH_DESKTOP_ENTRY));
    if (!entry.open(QIODevice::ReadOnly))
        return {};
    for (const QByteArray &line : entry.readAll().split('\n')) {
        if (line.startsWith("StartupWMClass="))
            return QString::fromUtf8(line.mid(15));
    }
    return {};
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
    Services services;
    services.draw = [] { return 0.0f; };
    MainWindow main(services);
    AboutDialog about(&main);
    ExitWindow exitWindow(services);
    QWidget *shown = window == u"main"_s    ? static_cast<QWidget *>(&main)
                     : window == u"about"_s ? static_cast<QWidget *>(&about)
                                            : &exitWindow;
    shown->show();
    QVERIFY(QTest::qWaitForWindowExposed(shown));
    QTRY_COMPARE(titleOnScreen(shown), identity::WindowCaption);
    // WM_CLASS is the instance (the program file's name) and the class.
    const QString windowClass = propertyOnScreen(shown, u"WM_CLASS"_s).section(u", "_s, 1);
    QVERIFY(!launcherClass().isEmpty());
    QCOMPARE(windowClass, u'"' + launcherClass() + u'"');
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
    Services().information(nullptr, u"Application is already running"_s);
    QCOMPARE(title, identity::Title);
}

QTEST_MAIN(TestWindowTitles)
#include "tst_windowtitles.moc"
