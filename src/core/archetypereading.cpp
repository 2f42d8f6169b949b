// SPDX-FileCopyrightText: 2026 The Planetarch developers
// SPDX-License-Identifier: MIT
#include "core/archetypereading.h"

#include "core/archetypetable.h"

#include <QStringList>

namespace planetarch {

using namespace Qt::StringLiterals;

const QString &ArchetypeReading::planetName() const
{
    return ArchetypeTable::cell(Column::PlanetName, planetIndex);
}

QString readingText(const ArchetypeReading &reading, ReadingText form)
{
    QStringList parts;
    for (const ArchetypeReading::Row &row : reading.rows) {
        if (form == ReadingText::Lines) {
            parts << row.caption + u": "_s + row.value;
        } else {
            // A paragraph that ends its own sentence gets no second stop.
            const bool ends = row.value.endsWith(u'.') || row.value.endsWith(u'!');
            parts << row.caption + u", "_s + row.value + (ends ? u""_s : u"."_s);
        }
    }
    return form == ReadingText::Lines ? parts.join(u'\n') + u'\n' : parts.join(u' ');
}

} // namespace planetarch
