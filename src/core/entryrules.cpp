// SPDX-FileCopyrightText: 2026 The Planetarch developers
// SPDX-License-Identifier: MIT
#include "core/entryrules.h"

#include "core/text.h"

#include <QDate>

#include <algorithm>

namespace planetarch {

namespace {

QStringList numberItems(int first, int last)
{
    QStringList items;
    items.reserve(last - first + 1);
    for (int value = first; value <= last; ++value)
        items << QString::number(value);
    return items;
}

constexpr int February = 1;
constexpr int Backspace = 8;
constexpr int Enter = 13;
constexpr int Escape = 27;
constexpr int Blank = 32;
constexpr int Delete = 127;

} // namespace

QStringList dayItems()
{
    return numberItems(1, 31);
}

QStringList monthItems()
{
    return {QStringLiteral("January"), QStringLiteral("February"), QStringLiteral("March"),
            QStringLiteral("April"),   QStringLiteral("May"),      QStringLiteral("June"),
            QStringLiteral("July"),    QStringLiteral("August"),   QStringLiteral("September"),
            QStringLiteral("October"), QStringLiteral("November"), QStringLiteral("December")};
}

QStringList yearItems()
{
    return numberItems(1900, 2050);
}

int searchItems(const QStringList &items, QStringView typed, int chosen)
{
    const auto count = static_cast<int>(items.size());
    if (typed.isEmpty() || count == 0)
        return -1;
    const int start = std::clamp(chosen + (typed.size() == 1 ? 1 : 0), 0, count);
    for (int step = 0; step < count; ++step) {
        const int index = (start + step) % count;
        if (items.at(index).startsWith(typed, Qt::CaseInsensitive))
            return index;
    }
    return -1;
}

bool isNameCharacter(int code)
{
    return (code >= 'A' && code <= 'Z') || (code >= 'a' && code <= 'z') || code == Backspace ||
           code == Blank;
}

std::optional<int> typedCharacter(int key, Qt::KeyboardModifiers modifiers, QStringView text)
{
    switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return Enter;
    case Qt::Key_Escape:
        return Escape;
    case Qt::Key_Backspace:
        // Ctrl+Backspace deletes a word: the control character DEL, which the name refuses.
        return (modifiers & Qt::ControlModifier) ? Delete : Backspace;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Delete:
        return std::nullopt;
    default:
        break;
    }
    if ((modifiers & Qt::ControlModifier) && key >= Qt::Key_A && key <= Qt::Key_Z)
        return key - Qt::Key_A + 1;
    if (text.isEmpty() || (modifiers & Qt::ControlModifier))
        return std::nullopt;
    return static_cast<int>(text.toUcs4().value(0));
}

bool acceptsNameText(QStringView text)
{
    const QList<uint> codes = text.toUcs4();
    return std::all_of(codes.begin(), codes.end(),
                       [](uint code) { return isNameCharacter(static_cast<int>(code)); });
}

EntryVerdict checkEntry(QStringView name, int dayPosition, int monthPosition, int year)
{
    if (trimBlanks(name).isEmpty())
        return EntryVerdict::BlankName;
    if (QDate::isValid(year, monthPosition + 1, dayPosition + 1))
        return EntryVerdict::Valid;
    return monthPosition == February ? EntryVerdict::NoSuchFebruaryDay
                                     : EntryVerdict::NoSuchThirtyFirst;
}

} // namespace planetarch
