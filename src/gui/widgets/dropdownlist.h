// SPDX-FileCopyrightText: 2026 The Planetarch developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QComboBox>

namespace planetarch {

// A drop-down list limited to its items. It differs from a QComboBox only in what it tells
// assistive technology: its accessible name says what the list is for ("Day of birth") and its
// value is the chosen item, where Qt's own interface reports the chosen item as the name on Linux.
class DropDownList final : public QComboBox
{
    Q_OBJECT

public:
    explicit DropDownList(QWidget *parent = nullptr);
};

} // namespace planetarch
