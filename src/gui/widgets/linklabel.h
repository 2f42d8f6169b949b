// SPDX-FileCopyrightText: 2026 The Planetarch developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QLabel>

namespace planetarch {

// A label that acts as a web link: the pointer turns into a pointing hand over it, and a click of
// the left button (pressed and released on the label) emits clicked(). A double-click is one
// click: its second press opens nothing. Tab reaches it, and Enter or Space opens it too. Its text
// is plain text.
class LinkLabel : public QLabel
{
    Q_OBJECT

public:
    explicit LinkLabel(QWidget *parent = nullptr);

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    bool m_pressed = false;
};

// The pointing-hand pointer that every link of the program shows.
QCursor linkCursor();

} // namespace planetarch
