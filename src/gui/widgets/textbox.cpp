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
#include <QValidator>

namespace planetarch {

namespace {

class RuleValidator final : public QValidator
{
public:
    RuleValidator(std::function<bool(QStringView)> accepts, TextBox *box)
        : QValidator(box), m_accepts(std::move(accepts)), m_box(box)
    {
    }
    State validate(QString &text, int &) const override
    {
        if (m_accepts(text))
            return Acceptable;
        // Told after the line edit has undone the change, outside its own handling of it.
        QMetaObject::invokeMethod(m_box, &TextBox::refused, Qt::QueuedConnection);
        return Invalid;
    }

private:
    std::function<bool(QStringView)> m_accepts;
    TextBox *m_box;
};

} // namespace

TextBox::TextBox(QWidget *parent) : QLineEdit(parent)
{
    installAccessibility();
}

void TextBox::setRule(std::function<bool(QStringView)> accepts)
{
    m_accepts = accepts;
    setValidator(new RuleValidator(std::move(accepts), this));
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

// Where it is dropped: the line edit has put the cursor there, and taken the selection away.
bool TextBox::takesWhole(const QString &dropped) const
{
    const QString after = QString(text()).insert(cursorPosition(), dropped);
    return after.size() <= maxLength() && (!m_accepts || m_accepts(after));
}

void TextBox::dragMoveEvent(QDragMoveEvent *event)
{
    QLineEdit::dragMoveEvent(event);
    if (!event->isAccepted() || event->source() == this || takesWhole(event->mimeData()->text()))
        return;
    if (event->possibleActions() & Qt::CopyAction)
        event->setDropAction(Qt::CopyAction);
    else
        event->ignore();
}

void TextBox::dropEvent(QDropEvent *event)
{
    const QString before = text();
    const bool whole = event->source() == this || takesWhole(event->mimeData()->text());
    QLineEdit::dropEvent(event);
    if (whole || !event->isAccepted())
        return;
    // QLineEdit accepts the proposed action whatever became of the text.
    if (text() != before && event->possibleActions() & Qt::CopyAction) {
        event->setDropAction(Qt::CopyAction); // part taken: the source keeps all of it
        return;
    }
    if (text() != before)
        undo(); // a source that only moves gets its text back whole, or nothing is taken
    event->setDropAction(Qt::IgnoreAction);
    event->ignore();
}

} // namespace planetarch
