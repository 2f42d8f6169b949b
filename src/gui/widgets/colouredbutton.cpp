// SPDX-FileCopyrightText: 2026 The Planetarch developers
// SPDX-License-Identifier: MIT
#include "gui/widgets/colouredbutton.h"

#include <QPainter>
#include <QStyle>

namespace planetarch {

void ColouredButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QRect face = rect();
    const QColor faceColour = palette().color(QPalette::Button);
    painter.fillRect(face, faceColour);

    // The edge: light above and left, dark below and right; the other way round while down.
    const QColor edge = hasFocus() ? faceColour.lighter(130) : faceColour;
    const bool sunk = isDown() || isChecked();
    const QColor light = edge.lighter(150);
    const QColor dark = edge.darker(200);
    for (int inset = 0; inset < 2; ++inset) {
        const QRect ring = face.adjusted(inset, inset, -inset, -inset);
        painter.setPen(sunk ? dark : light);
        painter.drawLine(ring.topLeft(), ring.topRight());
        painter.drawLine(ring.topLeft(), ring.bottomLeft());
        painter.setPen(sunk ? light : dark);
        painter.drawLine(ring.bottomLeft() + QPoint(1, 0), ring.bottomRight());
        painter.drawLine(ring.topRight() + QPoint(0, 1), ring.bottomRight());
    }

    const bool underline = style()->styleHint(QStyle::SH_UnderlineShortcut, nullptr, this);
    style()->drawItemText(&painter, face.adjusted(2, 2, -2, -2),
                          Qt::AlignCenter |
                              (underline ? Qt::TextShowMnemonic : Qt::TextHideMnemonic),
                          palette(), isEnabled(), text(), QPalette::ButtonText);
}

} // namespace planetarch
