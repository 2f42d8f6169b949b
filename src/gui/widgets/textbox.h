// SPDX-FileCopyrightText: 2026 The Planetarch developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QLineEdit>

#include <functional>

namespace planetarch {

// A one-line text box. Reached with Tab it selects its text, as every line edit does; while a
// screen reader listens, it selects just after the focus has been announced, because a selection
// announced before the focus is spoken first and then spoken again with it.
class TextBox final : public QLineEdit
{
    Q_OBJECT

public:
    explicit TextBox(QWidget *parent = nullptr);

    // The rule every text the box holds meets, whatever brought it (a key, a paste, a drop, an
    // input method, a screen reader): a change that would break it is refused whole and the box
    // keeps what it had. So the box never holds refused text, which a validator needs: a line
    // edit undoes a change its validator refuses only when the text before it was valid.
    void setRule(std::function<bool(QStringView)> accepts);

signals:
    // A text was refused by the rule; sent once the box is back to what it had.
    void refused();

protected:
    void focusInEvent(QFocusEvent *event) override;
    // A drag the box would not take whole (refused by the rule, or cut at the length limit) is
    // offered a copy at most, and its drop is turned down or taken as a copy: the program the
    // text came from acts on that answer, and deletes its text only after a move.
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    bool takesWhole(const QString &dropped) const;

    std::function<bool(QStringView)> m_accepts;
};

} // namespace planetarch
