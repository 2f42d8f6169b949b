// SPDX-FileCopyrightText: 2026 The Planetarch developers
// SPDX-License-Identifier: MIT
#include "app/startup.h"

#include "app/instanceguard.h"
#include "app/settingsfile.h"
#include "core/identity.h"
#include "core/randomdraw.h"
#include "core/startuprules.h"
#include "core/webaddresses.h"
#include "gui/activation.h"
#include "gui/exitwindow.h"
#include "gui/links.h"
#include "gui/mainwindow.h"
#include "gui/services.h"
#include "gui/widgets/theme.h"

#include <QApplication>
#include <QFileInfo>
#include <QTimer>
#include <QWindow>

#include <csignal>
#include <functional>

namespace planetarch {

using namespace Qt::StringLiterals;

namespace {

const QString ReminderGroup = u"UpdateReminder"_s;
const QString LastReminderKey = u"LastAsked"_s;
constexpr char ActivationToken[] = "XDG_ACTIVATION_TOKEN";

// What a second start brings forward: a window waiting for an answer (a message, About) before
// the window under it, then the main window, then the exit window.
QWidget *windowToBringForward()
{
    if (QWidget *modal = QApplication::activeModalWidget())
        return modal;
    QWidget *exitWindow = nullptr;
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (QWidget *window : windows) {
        if (!window->isVisible())
            continue;
        if (qobject_cast<MainWindow *>(window))
            return window;
        if (qobject_cast<ExitWindow *>(window))
            exitWindow = window;
    }
    return exitWindow;
}

void bringForward(const QByteArray &token)
{
    QWidget *window = windowToBringForward();
    if (!window)
        return;
    // A minimised window comes back, and so does the one a dialog stands on.
    for (QWidget *w = window; w; w = w->parentWidget() ? w->parentWidget()->window() : nullptr)
        w->setWindowState(w->windowState() & ~Qt::WindowMinimized);
    // Qt's Wayland platform hands the compositor this token as it activates a window. Without
    // one the compositor would ignore the request: a token of the window's own (no input behind
    // it) has the desktop show that the window asks for attention.
    if (QGuiApplication::platformName().startsWith(u"wayland"_s)) {
        const QByteArray usable =
            token.isEmpty() ? activation::requestToken(window->windowHandle(), false) : token;
        if (!usable.isEmpty())
            qputenv(ActivationToken, usable);
    }
    window->raise();
    window->activateWindow();
}

} // namespace

void prepareEnvironment()
{
#ifdef SIGXFSZ
    // Under a file size limit (ulimit -f) the kernel would end the program in the middle of a
    // save; ignored, the write fails and the user is told "File too large".
    std::signal(SIGXFSZ, SIG_IGN);
#endif
    // Qt makes the runtime folder XDG_RUNTIME_DIR names when it is missing (as root, "/run-x" at
    // the root), and its stand-in for a missing one in the temporary folder, which with a TMPDIR
    // that names no folder is "" (the root again). Neither names a folder: neither is kept.
    for (const char *name : {"XDG_RUNTIME_DIR", "TMPDIR"}) {
        if (const QString folder = qEnvironmentVariable(name);
            !folder.isEmpty() && !QFileInfo(folder).isDir())
            qunsetenv(name);
    }
}

void configureApplication(QApplication &app)
{
    // These names place the settings file (~/.config/Orvanel/Planetarch.conf); changing them would
    // lose every user's stored reminder date.
    QCoreApplication::setOrganizationName(u"Orvanel"_s);
    QCoreApplication::setApplicationName(identity::Title);
    QCoreApplication::setApplicationVersion(identity::Version);
    // No application display name: Qt would append it to every window title ("Planetarch v1.0 -
    // Planetarch") where the windows carry their designed captions. Qt falls back to the
    // application name wherever it wants a display name.
    QGuiApplication::setDesktopFileName(identity::ApplicationId);
    QApplication::setWindowIcon(theme::programIcon());
    // Closing the main window hands over to the exit window; only endProgram() ends the program.
    app.setQuitOnLastWindowClosed(false);
}

bool updateReminder(SettingsFile &settings, const Services &services, const QDateTime &now,
                    bool recordLater)
{
    const ReminderAction action =
        reminderAction(settings.value(ReminderGroup, LastReminderKey), now.date());
    if (action == ReminderAction::Nothing)
        return false;
    if (action == ReminderAction::RecordOnly && recordLater)
        return true;
    // The question is asked only once the date of asking is stored: an answer that could not be
    // remembered would bring the question back at every start. A store that cannot be written (a
    // read-only folder, a full disk, something that is no file, a clock past year 9999) means
    // nothing is asked and nothing is said; start-up goes on.
    if (!recordReminder(settings, now) || action != ReminderAction::Ask)
        return false;
    if (services.question(nullptr, u"There maybe an update to this software available\r"
                                   u"Do you want to check for an update?"_s))
        links::open(webaddresses::DownloadPage);
    return false;
}

bool recordReminder(SettingsFile &settings, const QDateTime &now)
{
    const std::optional<QString> stamp = reminderStamp(now);
    return stamp && settings.setValue(ReminderGroup, LastReminderKey, *stamp);
}

namespace {

// Runs a piece of start-up work once the window's first frame is on screen: the window is drawn
// when the window system's first expose has been handled.
class AfterFirstFrame final : public QObject
{
public:
    AfterFirstFrame(QWidget *window, std::function<void()> work)
        : QObject(window), m_work(std::move(work))
    {
        if (window->windowHandle()->isExposed())
            runSoon(); // some platforms expose the window within show()
        else
            window->windowHandle()->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Expose && static_cast<QWindow *>(watched)->isExposed()) {
            watched->removeEventFilter(this);
            runSoon();
        }
        return false;
    }

private:
    // After the expose has been handled, that is after the frame was drawn.
    void runSoon()
    {
        QTimer::singleShot(0, this, [this] {
            m_work();
            deleteLater();
        });
    }

    std::function<void()> m_work;
};

} // namespace

bool startProgram(InstanceGuard &guard, Services &services, const QDateTime &now,
                  bool updateReminder)
{
    if (!guard.acquire()) {
        // The desktop's token is for the window the person wants, the running copy's: taken out
        // before the message can spend it. Without one, the key or click that answers the
        // message earns a token for the running copy.
        QByteArray token = qgetenv(ActivationToken);
        qunsetenv(ActivationToken);
        // The compositor lets a token from that input pass the focus on only while the message
        // still has it: the running copy is asked before the message closes.
        bool asked = false;
        messages::Message message{u"Application is already running"_s};
        message.answered = [&](QWidget *box) {
            if (token.isEmpty())
                token = activation::requestToken(box->windowHandle(), true);
            asked = guard.askToRaise(token);
        };
        services.present(nullptr, message);
        if (!asked)
            guard.askToRaise(token);
        services.endProgram();
        return false;
    }
    guard.onRaiseRequest(bringForward);
    randomdraw::seed(static_cast<quint64>(now.toMSecsSinceEpoch()));
    bool recordLater = false;
    if (updateReminder) {
        SettingsFile settings;
        recordLater = planetarch::updateReminder(settings, services, now, true);
    }
    auto *mainWindow = new MainWindow(services);
    mainWindow->setAttribute(Qt::WA_DeleteOnClose);
    mainWindow->show();
    // A first run only notes the date: that waits until the window is on screen.
    if (recordLater) {
        new AfterFirstFrame(mainWindow, [now] {
            SettingsFile settings;
            recordReminder(settings, now);
        });
    }
    return true;
}

int runProgram(QApplication &app, Services &services)
{
    configureApplication(app);
    InstanceGuard guard;
    if (!startProgram(guard, services, QDateTime::currentDateTime()) || services.isEnding())
        return 0;
    return app.exec();
}

} // namespace planetarch
