// SPDX-FileCopyrightText: 2026 The Planetarch developers
// SPDX-License-Identifier: MIT
#include "gui/widgets/boundedtextedit.h"

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QTextCursor>

#include <algorithm>

namespace planetarch {

int BoundedTextEdit::length() const
{
    return document()->characterCount() - 1; // the document's closing paragraph mark
}

int BoundedTextEdit::room() const
{
    const QTextCursor cursor = textCursor();
    const int selected = cursor.selectionEnd() - cursor.selectionStart();
    return std::max(0, m_maximumLength - (length() - selected));
}

QString BoundedTextEdit::fitted(const QString &text) const
{
    QString kept = text.left(room());
    // Never keep half of a character made of two UTF-16 units.
    if (!kept.isEmpty() && kept.size() < text.size() && kept.back().isHighSurrogate())
        kept.chop(1);
    return kept;
}

void BoundedTextEdit::insertFromMimeData(const QMimeData *source)
{
    if (!source || !source->hasText())
        return;
    const QString text = fitted(source->text());
    if (text.isEmpty() && !textCursor().hasSelection())
        return;
    textCursor().insertText(text);
    ensureCursorVisible();
}

void BoundedTextEdit::keyPressEvent(QKeyEvent *event)
{
    const QString text = event->text();
    const bool inserts = !text.isEmpty() && (text.front().isPrint() || text == u"\r") &&
                         !(event->modifiers() & Qt::ControlModifier);
    if (inserts && fitted(text).size() < text.size()) {
        event->accept(); // full: the key types nothing
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

void BoundedTextEdit::inputMethodEvent(QInputMethodEvent *event)
{
    const QString commit = event->commitString();
    const QString kept = fitted(commit);
    if (kept.size() == commit.size()) {
        QPlainTextEdit::inputMethodEvent(event);
        return;
    }
    QInputMethodEvent cut(event->preeditString(), event->attributes());
    cut.setCommitString(kept, event->replacementStart(), event->replacementLength());
    QPlainTextEdit::inputMethodEvent(&cut);
}

} // namespace planetarch
