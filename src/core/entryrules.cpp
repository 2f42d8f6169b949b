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

bool isNameCharacter(char32_t c)
{
    return (c >= U'A' && c <= U'Z') || (c >= U'a' && c <= U'z') || c == U'\b' || c == U' ';
}

std::optional<char32_t> typedCharacter(int key, Qt::KeyboardModifiers modifiers, QStringView text)
{
    const bool control = modifiers & Qt::ControlModifier;
    switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return U'\r';
    case Qt::Key_Escape:
        return U'\x1b';
    case Qt::Key_Backspace:
        // Ctrl+Backspace deletes a word: the control character DEL, which the name refuses.
        return control ? U'\x7f' : U'\b';
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Delete:
        return std::nullopt;
    default:
        break;
    }
    if (control && key >= Qt::Key_A && key <= Qt::Key_Z)
        return char32_t(key - Qt::Key_A + 1);
    if (text.isEmpty() || control)
        return std::nullopt;
    return text.toUcs4().value(0);
}

bool acceptsNameText(QStringView text)
{
    const QList<uint> codes = text.toUcs4();
    return std::all_of(codes.begin(), codes.end(),
                       [](uint code) { return isNameCharacter(char32_t(code)); });
}

QString Entry::shownName() const
{
    QList<uint> points = name.toUcs4();
    points.removeIf([](uint point) {
        const QChar::Category category = QChar::category(char32_t(point));
        return category == QChar::Other_Control || category == QChar::Other_Format ||
               category == QChar::Separator_Line || category == QChar::Separator_Paragraph;
    });
    return trimBlanks(
        QString::fromUcs4(reinterpret_cast<const char32_t *>(points.constData()), points.size()));
}

QString Entry::birthDate() const
{
    return QString::number(day) + u' ' + monthItems().value(month - 1) + u' ' +
           QString::number(year);
}

EntryVerdict checkEntry(const Entry &entry)
{
    if (entry.shownName().isEmpty())
        return EntryVerdict::BlankName;
    if (QDate::isValid(entry.year, entry.month, entry.day))
        return EntryVerdict::Valid;
    return entry.month == 2 ? EntryVerdict::NoSuchFebruaryDay : EntryVerdict::NoSuchThirtyFirst;
}

} // namespace planetarch
