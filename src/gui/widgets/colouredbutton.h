// SPDX-FileCopyrightText: 2026 The Planetarch developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QPushButton>

namespace planetarch {

// A push button with a face in a colour of its own (its palette's Button colour): flat, with a
// two-pixel raised edge that sinks while it is pressed and lightens while it has the focus. It
// paints itself rather than use a style sheet, which would cost every window a style-sheet engine
// at start-up.
class ColouredButton final : public QPushButton
{
    Q_OBJECT

public:
    using QPushButton::QPushButton;

protected:
    void paintEvent(QPaintEvent *event) override;
};

} // namespace planetarch
