// SPDX-FileCopyrightText: 2026 The Planetarch developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QLineEdit>

namespace planetarch {

// A one-line text box. Reached with Tab it selects its text, as every line edit does; while a
// screen reader listens, it selects just after the focus has been announced, because a selection
// announced before the focus is spoken first and then spoken again with it. A drop it does not
// take whole (its validator refused it, or the length limit cut it) is never reported as a move,
// so the program the text came from does not delete it.
class TextBox final : public QLineEdit
{
    Q_OBJECT

public:
    explicit TextBox(QWidget *parent = nullptr);

protected:
    void focusInEvent(QFocusEvent *event) override;
    void dropEvent(QDropEvent *event) override;
};

} // namespace planetarch
