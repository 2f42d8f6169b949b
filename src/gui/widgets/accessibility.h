// SPDX-FileCopyrightText: 2026 The Planetarch developers
// SPDX-License-Identifier: MIT
#pragma once

namespace planetarch {

// Tells assistive technology what the program's own widgets are: a LinkLabel is a link with a
// press action that opens its page, a CaptionedFrame is a grouping named by its caption, a
// DropDownList is a combo box named for what it is for.
// Called by those widgets; installing twice is harmless.
void installAccessibility();

} // namespace planetarch
