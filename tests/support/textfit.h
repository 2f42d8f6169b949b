// SPDX-FileCopyrightText: 2026 The Planetarch developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QAbstractButton>
#include <QImage>
#include <QLabel>
#include <QStringList>

namespace planetarch::testing {

// Names of the labels and buttons in a window whose text does not fit the rectangle it was given,
// or that stick out of the frame or window holding them. A page of a stack that is not in front
// is not seen, and is checked once it is; a label of no size (a frame's summary) shows nothing.
inline QStringList textsThatDoNotFit(const QWidget *window)
{
    QStringList misfits;
    const QList<QLabel *> labels = window->findChildren<QLabel *>();
    for (const QLabel *label : labels) {
        if (label->text().isEmpty() || !label->isVisibleTo(window) || label->size().isEmpty())
            continue;
        const bool fits = label->wordWrap()
                              ? label->heightForWidth(label->width()) <= label->height()
                              : label->sizeHint().width() <= label->width();
        if (!fits || !label->parentWidget()->rect().contains(label->geometry()))
            misfits << label->objectName();
    }
    const QList<QAbstractButton *> buttons = window->findChildren<QAbstractButton *>();
    for (const QAbstractButton *button : buttons) {
        if (!button->isVisibleTo(window))
            continue;
        QString text = button->text();
        text.remove(u'&');
        if (button->fontMetrics().horizontalAdvance(text) >= button->width())
            misfits << button->objectName();
    }
    return misfits;
}

} // namespace planetarch::testing

namespace planetarch::testing {

// The first row of a label's pixels that holds any of its text (anything but its background), or
// -1: a label that hangs from its top starts within a few pixels of its box.
inline int firstInkRow(QLabel *label)
{
    const QImage image = label->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QRgb background = label->palette().color(QPalette::Window).rgb();
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) != background)
                return y;
        }
    }
    return -1;
}

} // namespace planetarch::testing
