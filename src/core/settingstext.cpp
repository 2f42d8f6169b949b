// SPDX-FileCopyrightText: 2026 The Planetarch developers
// SPDX-License-Identifier: MIT
#include "core/settingstext.h"

#include <QList>

namespace planetarch::settingstext {

namespace {

// QSettings reads past a UTF-8 byte-order mark at the start, and so does this; it stays.
constexpr QByteArrayView ByteOrderMark("\xEF\xBB\xBF");

// "[Group]" names the group; any other line is no header.
std::optional<QByteArrayView> header(QByteArrayView line)
{
    line = line.trimmed();
    if (line.size() >= 2 && line.front() == '[' && line.back() == ']')
        return line.sliced(1, line.size() - 2).trimmed();
    return std::nullopt;
}

// The key of a "Key=value" line, or nothing.
std::optional<QByteArrayView> keyOf(QByteArrayView line)
{
    const qsizetype equals = line.indexOf('=');
    if (equals < 0)
        return std::nullopt;
    return line.first(equals).trimmed();
}

// Where each line starts and ends, without its line break.
struct Line
{
    qsizetype start;
    qsizetype end;
};

QList<Line> lines(QByteArrayView text)
{
    QList<Line> found;
    qsizetype start = text.startsWith(ByteOrderMark) ? ByteOrderMark.size() : 0;
    while (start < text.size()) {
        qsizetype end = text.indexOf('\n', start);
        if (end < 0)
            end = text.size();
        qsizetype content = end;
        if (content > start && text.at(content - 1) == '\r')
            --content;
        found.append({start, content});
        start = end + 1;
    }
    return found;
}

} // namespace

std::optional<QByteArray> value(QByteArrayView text, QByteArrayView group, QByteArrayView key)
{
    bool inGroup = false;
    for (const Line &line : lines(text)) {
        const QByteArrayView content = text.sliced(line.start, line.end - line.start);
        if (const auto name = header(content)) {
            inGroup = *name == group;
            continue;
        }
        if (inGroup && keyOf(content) == key)
            return content.sliced(content.indexOf('=') + 1).trimmed().toByteArray();
    }
    return std::nullopt;
}

QByteArray withValue(QByteArrayView text, QByteArrayView group, QByteArrayView key,
                     QByteArrayView value)
{
    const QByteArray setting = key.toByteArray() + '=' + value.toByteArray();
    bool inGroup = false;
    qsizetype groupEnd = -1; // where the group's last non-blank line ends
    for (const Line &line : lines(text)) {
        const QByteArrayView content = text.sliced(line.start, line.end - line.start);
        if (const auto name = header(content)) {
            inGroup = *name == group;
            if (inGroup)
                groupEnd = line.end;
            continue;
        }
        if (!inGroup)
            continue;
        if (keyOf(content) == key)
            return text.first(line.start).toByteArray() + setting +
                   text.sliced(line.end).toByteArray();
        if (!content.trimmed().isEmpty())
            groupEnd = line.end;
    }
    if (groupEnd >= 0)
        return text.first(groupEnd).toByteArray() + '\n' + setting +
               text.sliced(groupEnd).toByteArray();
    QByteArray whole = text.toByteArray();
    if (!whole.isEmpty() && whole != ByteOrderMark)
        whole += whole.endsWith('\n') ? "\n" : "\n\n";
    return whole + '[' + group.toByteArray() + "]\n" + setting + '\n';
}

} // namespace planetarch::settingstext
