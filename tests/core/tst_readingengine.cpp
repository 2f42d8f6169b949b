// SPDX-FileCopyrightText: 2026 The Planetarch developers
// SPDX-License-Identifier: MIT
#include "core/entryrules.h"
#include "core/readingengine.h"
#include "support/archetypes.h"

#include <QTest>

using namespace planetarch;
using namespace planetarch::testing;
using namespace Qt::StringLiterals;

namespace {

int month(const char *name)
{
    const int position = monthItems().indexOf(QString::fromLatin1(name));
    if (position < 0)
        qFatal("no month %s", name);
    return position;
}

RulerMatch match(const QString &planet)
{
    return {planet, planetIndex(planet)};
}

} // namespace

class TestReadingEngine : public QObject
{
    Q_OBJECT

private slots:
    void signOfBirthDate_data();
    void signOfBirthDate();
    void unknownMonthGivesNoSign_data();
    void unknownMonthGivesNoSign();
    void readingPerSign_data();
    void readingPerSign();
    void secondRulerDoesNotSurvive();
    void unknownMonthReusesPreviousRulers();
    void unknownMonthBeforeAnyReadingMatchesNothing();
    void findPlanet_data();
    void findPlanet();
};

void TestReadingEngine::signOfBirthDate_data()
{
    QTest::addColumn<int>("day");
    QTest::addColumn<int>("month");
    QTest::addColumn<QString>("sign");

    // Each sign's first and last day, as the program counts them: every month from March on turns
    // on the 21st.
    const struct
    {
        const char *sign;
        int firstDay;
        const char *firstMonth;
        int lastDay;
        const char *lastMonth;
    } periods[] = {
        {"Aries", 21, "March", 20, "April"},
        {"Taurus", 21, "April", 20, "May"},
        {"Gemini", 21, "May", 20, "June"},
        {"Cancer", 21, "June", 20, "July"},
        {"Leo", 21, "July", 20, "August"},
        {"Virgo", 21, "August", 20, "September"},
        {"Libra", 21, "September", 20, "October"},
        {"Scorpio", 21, "October", 20, "November"},
        {"Sagittarius", 21, "November", 20, "December"},
        {"Capricorn", 21, "December", 19, "January"},
        {"Aquarius", 20, "January", 18, "February"},
        {"Pisces", 19, "February", 20, "March"},
    };
    for (const auto &p : periods) {
        const QString sign = QString::fromLatin1(p.sign);
        QTest::addRow("%s begins %d %s", p.sign, p.firstDay, p.firstMonth)
            << p.firstDay << month(p.firstMonth) << sign;
        QTest::addRow("%s ends %d %s", p.sign, p.lastDay, p.lastMonth)
            << p.lastDay << month(p.lastMonth) << sign;
    }
    QTest::newRow("1 January") << 1 << month("January") << u"Capricorn"_s;
    QTest::newRow("31 December") << 31 << month("December") << u"Capricorn"_s;
    QTest::newRow("29 February") << 29 << month("February") << u"Pisces"_s;
    QTest::newRow("22 July, not yet Leo elsewhere") << 22 << month("July") << u"Leo"_s;
    QTest::newRow("31 March") << 31 << month("March") << u"Aries"_s;
}

void TestReadingEngine::signOfBirthDate()
{
    QFETCH(int, day);
    QFETCH(int, month);
    QFETCH(QString, sign);
    QCOMPARE(ReadingEngine::signOfBirthDate(day, month), std::optional<QString>(sign));
}

void TestReadingEngine::unknownMonthGivesNoSign_data()
{
    QTest::addColumn<int>("month");
    QTest::newRow("before January") << -1;
    QTest::newRow("after December") << 12;
    QTest::newRow("far out") << 1000;
}

void TestReadingEngine::unknownMonthGivesNoSign()
{
    QFETCH(int, month);
    QCOMPARE(ReadingEngine::signOfBirthDate(1, month), std::nullopt);
}

void TestReadingEngine::readingPerSign_data()
{
    QTest::addColumn<int>("month"); // read on the 1st
    QTest::addColumn<QList<RulerMatch>>("matches");

    auto add = [](const char *sign, const char *monthName, const QList<RulerMatch> &matches) {
        QTest::newRow(sign) << month(monthName) << matches;
    };
    add("Aries", "April", {match(u"Mars"_s)});
    add("Taurus", "May", {match(u"Venus"_s)});
    add("Gemini", "June", {match(u"Mercury"_s)});
    add("Cancer", "July", {match(u"Moon"_s)});
    add("Leo", "August", {match(u"Sun"_s)});
    add("Virgo", "September", {match(u"Mercury"_s)});
    add("Libra", "October", {match(u"Venus"_s)});
    add("Scorpio", "November", {match(u"Pluto"_s), match(u"Mars"_s)});
    add("Sagittarius", "December", {match(u"Jupiter"_s)});
    add("Capricorn", "January", {match(u"Saturn"_s)});
    add("Aquarius", "February", {match(u"Uranus"_s), match(u"Saturn"_s)});
    add("Pisces", "March", {match(u"Neptune"_s), match(u"Jupiter"_s)});
}

void TestReadingEngine::readingPerSign()
{
    QFETCH(int, month);
    QFETCH(QList<RulerMatch>, matches);

    ReadingEngine engine;
    const QList<RulerMatch> found = engine.resolveReading(1, month);
    QCOMPARE(found, matches);
    QCOMPARE(engine.currentSign(), QString::fromLatin1(QTest::currentDataTag()));
    QCOMPARE(engine.rulingPlanets()[1].isEmpty(), matches.size() == 1);
    // The reading left on screen is the last ruler's row.
    QCOMPARE(ArchetypeTable::row(found.last().planetIndex),
             expectedArchetypes()[std::size_t(matches.last().planetIndex)]);
}

void TestReadingEngine::secondRulerDoesNotSurvive()
{
    ReadingEngine engine;
    QCOMPARE(engine.resolveReading(1, month("November")).size(), 2);
    const QList<RulerMatch> aries = engine.resolveReading(1, month("April"));
    QCOMPARE(aries, QList<RulerMatch>{match(u"Mars"_s)});
    QCOMPARE(engine.rulingPlanets(), (RulingPlanets{u"Mars"_s, QString()}));
}

void TestReadingEngine::unknownMonthReusesPreviousRulers()
{
    ReadingEngine engine;
    const QList<RulerMatch> aquarius = engine.resolveReading(1, month("February"));
    QCOMPARE(engine.resolveReading(25, 12), aquarius);
    QCOMPARE(engine.currentSign(), u"Aquarius"_s);
}

void TestReadingEngine::unknownMonthBeforeAnyReadingMatchesNothing()
{
    ReadingEngine engine;
    QVERIFY(engine.resolveReading(1, -1).isEmpty());
    QVERIFY(engine.currentSign().isEmpty());
    QCOMPARE(engine.rulingPlanets(), RulingPlanets{});
}

void TestReadingEngine::findPlanet_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<std::optional<int>>("index");
    QTest::newRow("Sun") << u"Sun"_s << std::optional<int>(planetIndex(u"Sun"_s));
    QTest::newRow("Pluto, the last row") << u"Pluto"_s << std::optional<int>(PlanetCount - 1);
    QTest::newRow("lower-case sun") << u"sun"_s << std::optional<int>();
    QTest::newRow("padded") << u"Sun "_s << std::optional<int>();
    QTest::newRow("empty") << QString() << std::optional<int>();
    QTest::newRow("a sign is not a planet") << u"Leo"_s << std::optional<int>();
}

void TestReadingEngine::findPlanet()
{
    QFETCH(QString, name);
    QFETCH(std::optional<int>, index);
    QCOMPARE(ReadingEngine::findPlanet(name), index);
}

QTEST_APPLESS_MAIN(TestReadingEngine)
#include "tst_readingengine.moc"
