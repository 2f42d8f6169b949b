// SPDX-FileCopyrightText: 2026 The Planetarch developers
// SPDX-License-Identifier: MIT
#include "gui/desktop.h"

#include "core/identity.h"
#include "gui/widgets/linklabel.h"
#include "gui/widgets/theme.h"

#include <QApplication>
#include <QIcon>
#include <QLayout>
#include <QMainWindow>
#include <QScreen>
#include <QTimer>
#include <QWindow>

namespace planetarch::desktop {

using namespace Qt::StringLiterals;

namespace {

// In the middle of the screen, but never with its top-left corner (and the title bar's buttons)
// off it: a window wider or taller than the screen hangs from its top-left.
void centreOnScreen(QWidget *window)
{
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        const QPoint centred = area.center() - window->rect().center();
        window->move(std::max(centred.x(), area.left()), std::max(centred.y(), area.top()));
    }
}

// Never a menu or tooltip: only windows of their own.
QWidget *windowToBringForward()
{
    if (QWidget *modal = QApplication::activeModalWidget())
        return modal;
    QWidget *other = nullptr;
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (QWidget *window : windows) {
        if (!window->isVisible() || window->windowType() != Qt::Window)
            continue;
        if (qobject_cast<QMainWindow *>(window))
            return window;
        other = window;
    }
    return other;
}

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

// A keyboard user meets the form's controls before its links: the links go to the end of the Tab
// order, in the order they had.
void linksLast(QWidget *window)
{
    QWidgetList links;
    QWidget *last = nullptr;
    for (QWidget *w = window->nextInFocusChain(); w != window; w = w->nextInFocusChain()) {
        if (w->window() != window || !(w->focusPolicy() & Qt::TabFocus))
            continue;
        if (qobject_cast<LinkLabel *>(w))
            links << w;
        else
            last = w;
    }
    for (QWidget *link : std::as_const(links)) {
        if (last)
            QWidget::setTabOrder(last, link);
        last = link;
    }
}

} // namespace

QIcon programIcon()
{
    // Once the application has its icon every window shares it, and with it the pictures already
    // decoded for the window system.
    if (const QIcon shared = QGuiApplication::windowIcon(); !shared.isNull())
        return shared;
    QIcon icon;
    for (int size : {16, 32, 48, 64})
        icon.addFile(u":/icons/%1-%2.png"_s.arg(identity::ProgramName).arg(size),
                     QSize(size, size));
    return icon;
}

void applyDesign(QWidget *window)
{
    theme::applyLooks(window);
    linksLast(window);
    window->setWindowTitle(identity::WindowCaption);
    window->setWindowIcon(programIcon());
    // Fixed size: the form places every widget to the pixel, so the window neither grows nor
    // maximises.
    if (QLayout *layout = window->layout()) {
        layout->setSizeConstraint(QLayout::SetFixedSize);
        window->adjustSize();
    } else {
        window->setFixedSize(window->size());
    }
    centreOnScreen(window);
}

void bringForward(const QByteArray &token)
{
    QWidget *window = windowToBringForward();
    if (!window)
        return;
    // A minimised window comes back, and so does the one a dialog stands on.
    for (QWidget *w = window; w; w = w->parentWidget() ? w->parentWidget()->window() : nullptr)
        w->setWindowState(w->windowState() & ~Qt::WindowMinimized);
    allowActivation(window, token);
    window->raise();
    window->activateWindow();
}

void afterFirstFrame(QWidget *window, std::function<void()> work)
{
    new AfterFirstFrame(window, std::move(work));
}

} // namespace planetarch::desktop
