// SPDX-FileCopyrightText: 2026 The Planetarch developers
// SPDX-License-Identifier: MIT
#pragma once

class QObject;
class QString;

namespace planetarch {

// Tells assistive technology what the program's own widgets are: a LinkLabel is a link with a
// press action that opens its page, a CaptionedFrame is a grouping named by its caption (with its
// summary, when it has one, as a label of its own), a DropDownList is a combo box named for what it
// is for whose text is its chosen item, a line edit's text is one run, a page stack is layout, and
// a window with the property "accessibleDialog" reads as a dialog, so its texts are read when it
// opens.
// Called by those widgets; installing twice is harmless.
void installAccessibility();

// Tells a screen reader that a widget's text is now `text`, as one insertion: a list's new choice
// is then spoken once, without a "deleted" for the old one first.
void announceTextReplaced(QObject *widget, const QString &text);

} // namespace planetarch
