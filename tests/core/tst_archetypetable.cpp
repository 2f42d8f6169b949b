// SPDX-FileCopyrightText: 2026 The Planetarch developers
// SPDX-License-Identifier: MIT
#include "core/archetypetable.h"
#include "support/archetypes.h"

#include <QTest>

using namespace planetarch;
using namespace planetarch::testing;
using namespace Qt::StringLiterals;

class TestArchetypeTable : public QObject
{
    Q_OBJECT

private slots:
    void rows_data();
    void rows();
    void onlyMercuryHasADoubleBlank();
    void outerPlanetsRepeatTheirNames();
};

void TestArchetypeTable::rows_data()
{
    QTest::addColumn<int>("planet");
    for (int index = 0; index < PlanetCount; ++index) {
        const QString &name = expectedArchetypes()[std::size_t(index)].planetName;
        QTest::addRow("%d %s", index, qPrintable(name)) << index;
    }
}

// Every text exactly as written, odd separators and typos included, in the fixed planet order
// (Mars before Venus before Mercury).
void TestArchetypeTable::rows()
{
    QFETCH(int, planet);
    const PlanetArchetype &row = ArchetypeTable::row(planet);
    const PlanetArchetype &expected = expectedArchetypes()[std::size_t(planet)];
    for (Column column :
         {Column::PlanetName, Column::Archetype, Column::AlsoKnownAs, Column::Keywords,
          Column::Characteristics, Column::RuledSigns, Column::TarotCard, Column::Detriment})
        QCOMPARE(ArchetypeTable::cell(column, planet), expected[column]);
    QCOMPARE(row, expected);
}

void TestArchetypeTable::onlyMercuryHasADoubleBlank()
{
    for (int index = 0; index < PlanetCount; ++index) {
        const QString &text = ArchetypeTable::cell(Column::Characteristics, index);
        QCOMPARE(text.count(u"  "_s), index == 4 ? 1 : 0);
    }
}

void TestArchetypeTable::outerPlanetsRepeatTheirNames()
{
    for (int index = 7; index < PlanetCount; ++index) {
        const QString &name = ArchetypeTable::cell(Column::PlanetName, index);
        QCOMPARE(ArchetypeTable::cell(Column::Keywords, index), name);
        QCOMPARE(ArchetypeTable::cell(Column::Characteristics, index), name);
    }
    for (int index = 0; index < 7; ++index)
        QVERIFY(ArchetypeTable::cell(Column::Characteristics, index).startsWith(u"You "_s));
}

QTEST_APPLESS_MAIN(TestArchetypeTable)
#include "tst_archetypetable.moc"
