// SPDX-FileCopyrightText: 2026 The Planetarch developers
// SPDX-License-Identifier: MIT
#include "core/archetypetable.h"

#include <QTest>

using namespace planetarch;
using namespace Qt::StringLiterals;

class TestArchetypeTable : public QObject
{
    Q_OBJECT

private slots:
    void emptyUntilFilled();
    void refillingWritesTheSameValues();
    void planetOrder();
    void textsThatLookLikeTypos_data();
    void textsThatLookLikeTypos();
    void onlyMercuryHasADoubleBlank();
    void outerPlanetsRepeatTheirNames();
};

void TestArchetypeTable::emptyUntilFilled()
{
    ArchetypeTable table;
    QVERIFY(!table.isFilled());
    QVERIFY(table.cell(Column::PlanetName, 0).isEmpty());
    table.fill();
    QVERIFY(table.isFilled());
    QCOMPARE(table.cell(Column::PlanetName, 0), u"Sun"_s);
}

void TestArchetypeTable::refillingWritesTheSameValues()
{
    ArchetypeTable once;
    once.fill();
    ArchetypeTable twice;
    twice.fill();
    twice.fill();
    for (int index = 0; index < PlanetCount; ++index)
        QCOMPARE(twice.row(index), once.row(index));
}

void TestArchetypeTable::planetOrder()
{
    ArchetypeTable table;
    table.fill();
    const QStringList expected{u"Sun"_s,     u"Moon"_s,   u"Mars"_s,   u"Venus"_s,   u"Mercury"_s,
                               u"Jupiter"_s, u"Saturn"_s, u"Uranus"_s, u"Neptune"_s, u"Pluto"_s};
    QStringList names;
    for (int index = 0; index < PlanetCount; ++index)
        names << table.cell(Column::PlanetName, index);
    QCOMPARE(names, expected);
}

void TestArchetypeTable::textsThatLookLikeTypos_data()
{
    QTest::addColumn<int>("planet");
    QTest::addColumn<Column>("column");
    QTest::addColumn<QString>("expected");

    QTest::newRow("Mercury rules a lower-case virgo")
        << 4 << Column::RuledSigns << u"Gemini And virgo"_s;
    QTest::newRow("Jupiter's detriment has a capital Virgo")
        << 5 << Column::Detriment << u"Gemini And Virgo"_s;
    QTest::newRow("Pluto has one other name") << 9 << Column::AlsoKnownAs << u"The Soul Essence"_s;
    QTest::newRow("Mars rules with a comma") << 2 << Column::RuledSigns << u"Aries, Scorpio"_s;
    QTest::newRow("Venus rules with And") << 3 << Column::RuledSigns << u"Taurus And Libra"_s;
    QTest::newRow("Mars detriment in brackets") << 2 << Column::Detriment << u"Libra (Taurus)"_s;
    QTest::newRow("Uranus tarot names a sign")
        << 7 << Column::TarotCard << u"The Fool, The Star (Aquarius)"_s;
    QTest::newRow("Pluto tarot names a sign")
        << 9 << Column::TarotCard << u"The Fool, The Death (Scorpio)"_s;
    QTest::newRow("Sun is the King") << 0 << Column::Archetype << u"The King"_s;
    QTest::newRow("Moon is the Queen") << 1 << Column::Archetype << u"The Queen"_s;
    QTest::newRow("Mercury counts beans")
        << 4 << Column::AlsoKnownAs << u"The Bean Counter, The Thinker"_s;
    QTest::newRow("Venus has five keywords")
        << 3 << Column::Keywords << u"Loving, Warm, Affectionate, Artistic, Sensual"_s;
}

void TestArchetypeTable::textsThatLookLikeTypos()
{
    QFETCH(int, planet);
    QFETCH(Column, column);
    QFETCH(QString, expected);
    ArchetypeTable table;
    table.fill();
    QCOMPARE(table.cell(column, planet), expected);
}

void TestArchetypeTable::onlyMercuryHasADoubleBlank()
{
    ArchetypeTable table;
    table.fill();
    for (int index = 0; index < PlanetCount; ++index) {
        const QString &text = table.cell(Column::Characteristics, index);
        QCOMPARE(text.count(u"  "_s), index == 4 ? 1 : 0);
    }
    QVERIFY(table.cell(Column::Characteristics, 4).contains(u"feasible or not.  You are"_s));
    QVERIFY(table.cell(Column::Characteristics, 2).contains(u"You area always on the move"_s));
    QVERIFY(table.cell(Column::Characteristics, 1).contains(u"creative and and artistic"_s));
}

void TestArchetypeTable::outerPlanetsRepeatTheirNames()
{
    ArchetypeTable table;
    table.fill();
    for (int index = 7; index < PlanetCount; ++index) {
        const QString &name = table.cell(Column::PlanetName, index);
        QCOMPARE(table.cell(Column::Keywords, index), name);
        QCOMPARE(table.cell(Column::Characteristics, index), name);
    }
    for (int index = 0; index < 7; ++index)
        QVERIFY(table.cell(Column::Characteristics, index).startsWith(u"You "_s));
}

QTEST_APPLESS_MAIN(TestArchetypeTable)
#include "tst_archetypetable.moc"
