// SPDX-FileCopyrightText: 2026 The Planetarch developers
// SPDX-License-Identifier: MIT
#include "gui/widgets/captionedframe.h"

#include "gui/widgets/accessibility.h"
#include "gui/widgets/theme.h"

#include <QAccessible>
#include <QPainter>

namespace planetarch {

CaptionedFrame::CaptionedFrame(QWidget *parent) : QWidget(parent)
{
    setAutoFillBackground(true);
    installAccessibility();
}

void CaptionedFrame::setSummary(const QString &summary)
{
    if (summary == m_summary)
        return;
    const bool had = !m_summary.isEmpty();
    m_summary = summary;
    // Screen readers keep what they read of a panel (Orca 47 would read the last reading again):
    // the summary, the frame's last child, says it changed.
    if (!had || !QAccessible::isActive())
        return;
    if (QAccessibleInterface *frame = QAccessible::queryAccessibleInterface(this);
        frame && frame->childCount() > 0) {
        QAccessibleEvent changed(frame->child(frame->childCount() - 1), QAccessible::NameChanged);
        QAccessible::updateAccessibility(&changed);
    }
}

void CaptionedFrame::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QFont font = theme::typeface(m_captionTypeface);
    const QFontMetrics metrics(font);
    const int lineY = m_caption.isEmpty() ? 0 : metrics.height() / 2;

    // Etched: a shadow line with a light line one pixel below and to the right.
    const QRect border = rect().adjusted(0, lineY, -2, -2);
    painter.setPen(QColor(128, 128, 128));
    painter.drawRect(border);
    painter.setPen(QColor(255, 255, 255));
    painter.drawRect(border.translated(1, 1));

    if (m_caption.isEmpty())
        return;
    painter.setFont(font);
    const QRect text(8, 0, metrics.horizontalAdvance(m_caption) + 4, metrics.height());
    painter.fillRect(text, palette().color(QPalette::Window));
    painter.setPen(m_captionColour);
    painter.drawText(text, Qt::AlignCenter | Qt::TextSingleLine, m_caption);
}

} // namespace planetarch
