// SPDX-FileCopyrightText: 2026 The Planetarch developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QPlainTextEdit>

namespace planetarch {

// A plain-text box that holds at most setMaximumLength()'s characters, however the text arrives:
// typed, pasted, dropped or committed by an input method. What does not fit is left out, so a
// huge paste never reaches the layout. Text set by the program itself is not cut.
class BoundedTextEdit final : public QPlainTextEdit
{
    Q_OBJECT

public:
    using QPlainTextEdit::QPlainTextEdit;

    void setMaximumLength(int maximumLength) { m_maximumLength = maximumLength; }
    int length() const;

protected:
    void insertFromMimeData(const QMimeData *source) override;
    void keyPressEvent(QKeyEvent *event) override;
    void inputMethodEvent(QInputMethodEvent *event) override;

private:
    // How many characters the box can take in place of the current selection.
    int room() const;
    QString fitted(const QString &text) const;

    int m_maximumLength = 32767;
};

} // namespace planetarch
