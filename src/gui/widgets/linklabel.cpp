// SPDX-FileCopyrightText: 2026 The Planetarch developers
// SPDX-License-Identifier: MIT
#include "gui/widgets/linklabel.h"

#include "gui/widgets/accessibility.h"
#include "gui/widgets/theme.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPixmap>

namespace planetarch {

QCursor linkCursor()
{
    // The fingertip of the drawn hand is its hot spot.
    static const QPixmap hand =
        theme::loadPicture(QStringLiteral(":/hand.png"), qApp ? qApp->devicePixelRatio() : 1.0);
    return hand.isNull() ? QCursor(Qt::PointingHandCursor) : QCursor(hand, 12, 1);
}

LinkLabel::LinkLabel(QWidget *parent) : QLabel(parent)
{
    setTextFormat(Qt::PlainText);
    setCursor(linkCursor());
    setFocusPolicy(Qt::TabFocus);
    installAccessibility();
}

void LinkLabel::mousePressEvent(QMouseEvent *event)
{
    m_pressed = event->button() == Qt::LeftButton;
    event->accept();
}

void LinkLabel::mouseReleaseEvent(QMouseEvent *event)
{
    const bool click = m_pressed && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    m_pressed = false;
    event->accept();
    if (click)
        emit clicked();
}

void LinkLabel::mouseDoubleClickEvent(QMouseEvent *event)
{
    // QWidget would take it for another press, and its release for a second click.
    m_pressed = false;
    event->accept();
}

void LinkLabel::keyPressEvent(QKeyEvent *event)
{
    const int key = event->key();
    if ((key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space) &&
        !event->isAutoRepeat() && !(event->modifiers() & ~Qt::KeypadModifier)) {
        event->accept();
        emit clicked();
        return;
    }
    QLabel::keyPressEvent(event);
}

} // namespace planetarch
