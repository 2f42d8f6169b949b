// SPDX-FileCopyrightText: 2026 The Planetarch developers
// SPDX-License-Identifier: MIT
#include "gui/widgets/textbox.h"

#include "gui/widgets/accessibility.h"

#include <QAccessible>
#include <QFocusEvent>
#include <QPointer>
#include <QTimer>

namespace planetarch {

TextBox::TextBox(QWidget *parent) : QLineEdit(parent)
{
    installAccessibility();
}

void TextBox::focusInEvent(QFocusEvent *event)
{
    const bool byTab =
        event->reason() == Qt::TabFocusReason || event->reason() == Qt::BacktabFocusReason;
    if (!byTab || !QAccessible::isActive()) {
        QLineEdit::focusInEvent(event);
        return;
    }
    // Qt announces the focus once this event is handled: select after that.
    QFocusEvent withoutSelecting(QEvent::FocusIn, Qt::OtherFocusReason);
    QLineEdit::focusInEvent(&withoutSelecting);
    QTimer::singleShot(0, this, [box = QPointer<TextBox>(this)] {
        if (box && box->hasFocus())
            box->selectAll();
    });
}

} // namespace planetarch
