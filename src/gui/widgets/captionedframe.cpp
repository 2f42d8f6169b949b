// SPDX-FileCopyrightText: 2026 The Planetarch developers
// SPDX-License-Identifier: MIT
#include "gui/widgets/captionedframe.h"

#include "gui/widgets/accessibility.h"
#include "gui/widgets/theme.h"

#include <QLabel>
#include <QPainter>

namespace planetarch {

CaptionedFrame::CaptionedFrame(QWidget *parent) : QWidget(parent)
{
    setAutoFillBackground(true);
    installAccessibility();
}

void CaptionedFrame::setSummary(const QString &summary)
{
    // A label of no size, made after the frame's own children: a screen reader entering the frame
    // reads its labels that belong to no control, and the captions and values of a panel belong
    // to each other, so this is the one it reads, whole and in order. A new text tells it that
    // the frame changed.
    if (!m_summary) {
        m_summary = new QLabel(this);
        m_summary->setTextFormat(Qt::PlainText);
        m_summary->setGeometry(0, 0, 0, 0);
        m_summary->show();
    }
    m_summary->setText(summary);
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
