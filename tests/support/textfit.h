// SPDX-FileCopyrightText: 2026 The Planetarch developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QAbstractButton>
#include <QLabel>
#include <QStringList>

namespace planetarch::testing {

// Names of the labels and buttons in a window whose text does not fit the rectangle it was given,
// or that stick out of the frame or window holding them. A page of a stack that is not in front
// is not seen, and is checked once it is.
inline QStringList textsThatDoNotFit(const QWidget *window)
{
    QStringList misfits;
    const QList<QLabel *> labels = window->findChildren<QLabel *>();
    for (const QLabel *label : labels) {
        if (label->text().isEmpty() || !label->isVisibleTo(window))
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
