// SPDX-FileCopyrightText: 2026 The Planetarch developers
// SPDX-License-Identifier: MIT
#include "core/archetypetable.h"
#include "support/archetypes.h"

#include <QTest>

using namespace planetarch;
using namespace planetarch::testing;

class TestArchetypeTable : public QObject
{
    Q_OBJECT

private slots:
    void rows_data();
    void rows();
};

void TestArchetypeTable::rows_data()
{
    QTest::addColumn<Planet>("planet");
    for (int index = 0; index < int(expectedArchetypes().size()); ++index) {
        const QString name = expectedArchetypes()[std::size_t(index)].name.toString();
        QTest::addRow("%d %s", index, qPrintable(name)) << Planet(index);
    }
}

// Every text exactly as written, odd separators, typos and double blanks included, in the fixed
// planet order (Mars before Venus before Mercury).
void TestArchetypeTable::rows()
{
    QFETCH(Planet, planet);
    QCOMPARE(Archetypes.size(), expectedArchetypes().size());
    QCOMPARE(archetypeOf(planet), expectedArchetypes()[std::size_t(planet)]);
}

QTEST_APPLESS_MAIN(TestArchetypeTable)
#include "tst_archetypetable.moc"
