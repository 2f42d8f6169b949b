// SPDX-FileCopyrightText: 2026 The Planetarch developers
// SPDX-License-Identifier: MIT

// The real program with its message box and browser replaced by lines on standard output, for the
// tests that are about processes (single instance, the end of the program). Every message is
// answered OK or No. With --close-main it closes the main window once it is up, as a user would,
// reports which windows are left, and with --then-exit clicks the exit window's Exit button. With
// --browse the browser is the desktop's own, and the help page is opened once the window is up.
// With --minimise it minimises what is left on screen and says which window is active again once
// one is (a later copy asked it forward).

#include "app/startup.h"
#include "core/webaddresses.h"
#include "gui/links.h"
#include "gui/services.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDesktopServices>
#include <QTimer>
#include <QUrl>

#include <cstdio>

using namespace planetarch;
using namespace Qt::StringLiterals;

namespace {

void say(const QString &line)
{
    std::fputs(qPrintable(line + u'\n'), stdout);
    std::fflush(stdout);
}

QString visibleWindows()
{
    QStringList names;
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (const QWidget *window : windows) {
        if (window->isVisible())
            names << window->objectName();
    }
    names.sort();
    return names.join(u' ');
}

QWidget *visibleWindow(const QString &name)
{
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (QWidget *window : windows) {
        if (window->isVisible() && window->objectName() == name)
            return window;
    }
    return nullptr;
}

// Minimises the visible windows, then watches for one to come back active.
void minimiseAndWatch()
{
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (QWidget *window : windows) {
        if (window->isVisible())
            window->showMinimized();
    }
    say(u"minimised"_s);
    auto *watch = new QTimer(qApp);
    QObject::connect(watch, &QTimer::timeout, watch, [watch] {
        const QWidget *active = QApplication::activeWindow();
        if (active && !active->isMinimized()) {
            say(u"raised: "_s + active->objectName());
            watch->deleteLater();
        }
    });
    watch->start(20);
}

class UrlPrinter : public QObject
{
    Q_OBJECT
public slots:
    void open(const QUrl &url) { say(u"url: "_s + url.toString(QUrl::FullyEncoded)); }
};

} // namespace

int main(int argc, char *argv[])
{
    prepareEnvironment();
    QApplication app(argc, argv);
    const QStringList args = app.arguments();

    Services services;
    services.present = [](QWidget *, const messages::Message &message) {
        say(u"message: "_s + message.text);
        return message.buttons == messages::Buttons::Ok ? messages::Answer::Ok
                                                        : messages::Answer::No;
    };
    UrlPrinter urls;
    const bool browse = args.contains(u"--browse"_s);
    if (!browse)
        QDesktopServices::setUrlHandler(u"https"_s, &urls, "open");

    // Runs once the event loop does, that is after start-up has finished.
    QTimer::singleShot(0, &app, [args, browse] {
        say(u"ready: "_s + visibleWindows());
        if (browse)
            links::open(webaddresses::HelpPage);
        const bool minimise = args.contains(u"--minimise"_s);
        if (!args.contains(u"--close-main"_s)) {
            if (minimise)
                minimiseAndWatch();
            return;
        }
        if (QWidget *main = visibleWindow(u"frmMain"_s))
            main->close();
        QTimer::singleShot(50, [args] {
            say(u"after closing the main window: "_s + visibleWindows());
            if (args.contains(u"--minimise"_s))
                minimiseAndWatch();
            if (!args.contains(u"--then-exit"_s))
                return;
            if (QWidget *exitWindow = visibleWindow(u"frmExit"_s)) {
                if (auto *button = exitWindow->findChild<QAbstractButton *>(u"cmdClose"_s))
                    button->click();
            }
        });
    });

    const int code = runProgram(app, services);
    QDesktopServices::unsetUrlHandler(u"https"_s);
    say(u"ended: "_s + QString::number(code));
    return code;
}

#include "probe.moc"
