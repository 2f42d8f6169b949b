// SPDX-FileCopyrightText: 2026 The Planetarch developers
// SPDX-License-Identifier: MIT
#include "gui/widgets/dropdownlist.h"

#include "core/entryrules.h"
#include "gui/widgets/accessibility.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QKeyEvent>

namespace planetarch {

DropDownList::DropDownList(QWidget *parent) : QComboBox(parent)
{
    installAccessibility();
    connect(this, &QComboBox::currentIndexChanged, this,
            [this] { announceTextReplaced(this, currentText()); });
}

void DropDownList::keyPressEvent(QKeyEvent *event)
{
    const QString text = event->text();
    // Space still opens the list, as in every combo box.
    const bool types =
        !text.isEmpty() && text.at(0).isPrint() && !text.at(0).isSpace() &&
        !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
    if (!types || view()->isVisible()) {
        QComboBox::keyPressEvent(event);
        return;
    }
    if (!m_sinceTyped.isValid() || m_sinceTyped.elapsed() > QApplication::keyboardInputInterval())
        m_typed.clear();
    m_typed += text;
    m_sinceTyped.start();
    QStringList items;
    items.reserve(count());
    for (int index = 0; index < count(); ++index)
        items << itemText(index);
    if (const int found = searchItems(items, m_typed, currentIndex()); found >= 0)
        setCurrentIndex(found);
    event->accept();
}

} // namespace planetarch
