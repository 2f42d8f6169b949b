// SPDX-FileCopyrightText: 2026 The Planetarch developers
// SPDX-License-Identifier: MIT
#include "gui/widgets/dropdownlist.h"

#include "gui/widgets/accessibility.h"

namespace planetarch {

DropDownList::DropDownList(QWidget *parent) : QComboBox(parent)
{
    installAccessibility();
}

} // namespace planetarch
