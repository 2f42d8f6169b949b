// SPDX-FileCopyrightText: 2026 The Planetarch developers
// SPDX-License-Identifier: MIT
#include "gui/widgets/textbox.h"

#include "gui/widgets/accessibility.h"

#include <QAccessible>
#include <QDropEvent>
#include <QFocusEvent>
#include <QMimeData>
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

void TextBox::dropEvent(QDropEvent *event)
{
    const QString before = text();
    const qsizetype dropped = event->mimeData()->text().size();
    QLineEdit::dropEvent(event);
    // QLineEdit accepts the proposed action whatever its validator made of the text.
    if (event->source() == this || !event->isAccepted())
        return;
    if (text() != before && text().size() < before.size() + dropped &&
        event->possibleActions() & Qt::CopyAction) {
        event->setDropAction(Qt::CopyAction); // part taken: the source keeps all of it
        return;
    }
    if (text() != before && text().size() < before.size() + dropped)
        undo(); // a source that only moves gets its text back whole, or nothing is taken
    if (text() == before) {
        event->setDropAction(Qt::IgnoreAction);
        event->ignore();
    }
}

} // namespace planetarch
