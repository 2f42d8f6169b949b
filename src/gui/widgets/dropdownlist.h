// SPDX-FileCopyrightText: 2026 The Planetarch developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QComboBox>
#include <QElapsedTimer>

namespace planetarch {

// A drop-down list limited to its items. It differs from a QComboBox in what it tells assistive
// technology: its accessible name says what the list is for ("Day of birth") and its chosen item
// is offered as its text, so a screen reader speaks the choice on arrival and each new one as it is
// made. Typing picks an item without touching the hidden drop-down, whose moving current item a
// screen reader would take for the focus entering a list.
class DropDownList final : public QComboBox
{
    Q_OBJECT

public:
    explicit DropDownList(QWidget *parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    QString m_typed; // what was typed in quick succession
    QElapsedTimer m_sinceTyped;
};

} // namespace planetarch
