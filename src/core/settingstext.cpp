// SPDX-FileCopyrightText: 2026 The Planetarch developers
// SPDX-License-Identifier: MIT
#include "core/settingstext.h"

#include <QList>

namespace planetarch::settingstext {

using namespace Qt::StringLiterals;

namespace {

// "[Group]" names the group; any other line is no header.
std::optional<QStringView> header(QStringView line)
{
    line = line.trimmed();
    if (line.size() >= 2 && line.front() == u'[' && line.back() == u']')
        return line.sliced(1, line.size() - 2).trimmed();
    return std::nullopt;
}

// The key of a "Key=value" line, or nothing.
std::optional<QStringView> keyOf(QStringView line)
{
    const qsizetype equals = line.indexOf(u'=');
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

QList<Line> lines(QStringView text)
{
    QList<Line> found;
    qsizetype start = 0;
    while (start < text.size()) {
        qsizetype end = text.indexOf(u'\n', start);
        if (end < 0)
            end = text.size();
        qsizetype content = end;
        if (content > start && text.at(content - 1) == u'\r')
            --content;
        found.append({start, content});
        start = end + 1;
    }
    return found;
}

} // namespace

std::optional<QString> value(QStringView text, QStringView group, QStringView key)
{
    bool inGroup = false;
    for (const Line &line : lines(text)) {
        const QStringView content = text.sliced(line.start, line.end - line.start);
        if (const auto name = header(content)) {
            inGroup = *name == group;
            continue;
        }
        if (inGroup && keyOf(content) == key)
            return content.sliced(content.indexOf(u'=') + 1).trimmed().toString();
    }
    return std::nullopt;
}

QString withValue(QStringView text, QStringView group, QStringView key, QStringView value)
{
    const QString setting = key.toString() + u'=' + value.toString();
    bool inGroup = false;
    qsizetype groupEnd = -1; // where the group's last non-blank line ends
    for (const Line &line : lines(text)) {
        const QStringView content = text.sliced(line.start, line.end - line.start);
        if (const auto name = header(content)) {
            inGroup = *name == group;
            if (inGroup)
                groupEnd = line.end;
            continue;
        }
        if (!inGroup)
            continue;
        if (keyOf(content) == key)
            return text.first(line.start).toString() + setting + text.sliced(line.end).toString();
        if (!content.trimmed().isEmpty())
            groupEnd = line.end;
    }
    if (groupEnd >= 0)
        return text.first(groupEnd).toString() + u'\n' + setting + text.sliced(groupEnd).toString();
    QString whole = text.toString();
    if (!whole.isEmpty())
        whole += whole.endsWith(u'\n') ? u"\n"_s : u"\n\n"_s;
    return whole + u'[' + group.toString() + u"]\n"_s + setting + u'\n';
}

} // namespace planetarch::settingstext
