// SPDX-FileCopyrightText: 2026 The Planetarch developers
// SPDX-License-Identifier: MIT
#include "core/readingengine.h"

#include <QTest>

using namespace planetarch;
using namespace Qt::StringLiterals;

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
    void findPlanetBeforeTheTableIsFilled();
};

void TestReadingEngine::signOfBirthDate_data()
{
    QTest::addColumn<int>("day");
    QTest::addColumn<QString>("month");
    QTest::addColumn<QString>("sign");

    // Each month's last day before its turn and the turn itself.
    const struct
    {
        const char *month;
        int turn;
        const char *before;
        const char *after;
    } turns[] = {
        {"January", 20, "Capricorn", "Aquarius"},
        {"February", 19, "Aquarius", "Pisces"},
        {"March", 21, "Pisces", "Aries"},
        {"April", 21, "Aries", "Taurus"},
        {"May", 21, "Taurus", "Gemini"},
        {"June", 21, "Gemini", "Cancer"},
        {"July", 21, "Cancer", "Leo"},
        {"August", 21, "Leo", "Virgo"},
        {"September", 21, "Virgo", "Libra"},
        {"October", 21, "Libra", "Scorpio"},
        {"November", 21, "Scorpio", "Sagittarius"},
        {"December", 21, "Sagittarius", "Capricorn"},
    };
    for (const auto &t : turns) {
        const QString month = QString::fromLatin1(t.month);
        QTest::addRow("%d %s", t.turn - 1, t.month)
            << t.turn - 1 << month << QString::fromLatin1(t.before);
        QTest::addRow("%d %s", t.turn, t.month) << t.turn << month << QString::fromLatin1(t.after);
    }
    QTest::newRow("1 January") << 1 << u"January"_s << u"Capricorn"_s;
    QTest::newRow("31 December") << 31 << u"December"_s << u"Capricorn"_s;
    QTest::newRow("29 February") << 29 << u"February"_s << u"Pisces"_s;
    QTest::newRow("22 July, not yet Leo elsewhere") << 22 << u"July"_s << u"Leo"_s;
    QTest::newRow("31 March") << 31 << u"March"_s << u"Aries"_s;
}

void TestReadingEngine::signOfBirthDate()
{
    QFETCH(int, day);
    QFETCH(QString, month);
    QFETCH(QString, sign);
    QCOMPARE(ReadingEngine::signOfBirthDate(day, month), std::optional<QString>(sign));
}

void TestReadingEngine::unknownMonthGivesNoSign_data()
{
    QTest::addColumn<QString>("month");
    QTest::newRow("lower case") << u"january"_s;
    QTest::newRow("upper case") << u"MARCH"_s;
    QTest::newRow("abbreviated") << u"Sept"_s;
    QTest::newRow("with a blank") << u"May "_s;
    QTest::newRow("empty") << QString();
}

void TestReadingEngine::unknownMonthGivesNoSign()
{
    QFETCH(QString, month);
    QCOMPARE(ReadingEngine::signOfBirthDate(1, month), std::nullopt);
}

void TestReadingEngine::readingPerSign_data()
{
    QTest::addColumn<int>("day");
    QTest::addColumn<QString>("month");
    QTest::addColumn<QList<RulerMatch>>("matches");
    QTest::addColumn<QString>("archetypeShown");

    auto add = [](const char *sign, int day, const QString &month, QList<RulerMatch> matches,
                  const QString &archetype) {
        QTest::newRow(sign) << day << month << matches << archetype;
    };
    add("Aries", 1, u"April"_s, {{u"Mars"_s, 2}}, u"The Warrior"_s);
    add("Taurus", 1, u"May"_s, {{u"Venus"_s, 3}}, u"The Diplomat"_s);
    add("Gemini", 1, u"June"_s, {{u"Mercury"_s, 4}}, u"The Prince"_s);
    add("Cancer", 1, u"July"_s, {{u"Moon"_s, 1}}, u"The Queen"_s);
    add("Leo", 1, u"August"_s, {{u"Sun"_s, 0}}, u"The King"_s);
    add("Virgo", 1, u"September"_s, {{u"Mercury"_s, 4}}, u"The Prince"_s);
    add("Libra", 1, u"October"_s, {{u"Venus"_s, 3}}, u"The Diplomat"_s);
    add("Scorpio", 1, u"November"_s, {{u"Pluto"_s, 9}, {u"Mars"_s, 2}}, u"The Warrior"_s);
    add("Sagittarius", 1, u"December"_s, {{u"Jupiter"_s, 5}}, u"The Counselor"_s);
    add("Capricorn", 1, u"January"_s, {{u"Saturn"_s, 6}}, u"The Servant"_s);
    add("Aquarius", 1, u"February"_s, {{u"Uranus"_s, 7}, {u"Saturn"_s, 6}}, u"The Servant"_s);
    add("Pisces", 1, u"March"_s, {{u"Neptune"_s, 8}, {u"Jupiter"_s, 5}}, u"The Counselor"_s);
}

void TestReadingEngine::readingPerSign()
{
    QFETCH(int, day);
    QFETCH(QString, month);
    QFETCH(QList<RulerMatch>, matches);
    QFETCH(QString, archetypeShown);

    ReadingEngine engine;
    const QList<RulerMatch> found = engine.resolveReading(day, month);
    QCOMPARE(found, matches);
    QCOMPARE(engine.currentSign(), QString::fromLatin1(QTest::currentDataTag()));
    QCOMPARE(engine.rulingPlanets()[1].isEmpty(), matches.size() == 1);
    QCOMPARE(engine.table().cell(Column::Archetype, found.last().planetIndex), archetypeShown);
}

void TestReadingEngine::secondRulerDoesNotSurvive()
{
    ReadingEngine engine;
    QCOMPARE(engine.resolveReading(1, u"November").size(), 2);
    const QList<RulerMatch> aries = engine.resolveReading(1, u"April");
    QCOMPARE(aries, (QList<RulerMatch>{{u"Mars"_s, 2}}));
    QCOMPARE(engine.rulingPlanets(), (RulingPlanets{u"Mars"_s, QString()}));
}

void TestReadingEngine::unknownMonthReusesPreviousRulers()
{
    ReadingEngine engine;
    const QList<RulerMatch> aquarius = engine.resolveReading(1, u"February");
    QCOMPARE(engine.resolveReading(25, u"february"), aquarius);
    QCOMPARE(engine.currentSign(), u"Aquarius"_s);
}

void TestReadingEngine::unknownMonthBeforeAnyReadingMatchesNothing()
{
    ReadingEngine engine;
    QVERIFY(engine.resolveReading(1, u"Smarch").isEmpty());
    QVERIFY(engine.currentSign().isEmpty());
    QCOMPARE(engine.rulingPlanets(), RulingPlanets{});
    QVERIFY(engine.table().isFilled());
}

void TestReadingEngine::findPlanet_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<std::optional<int>>("index");
    QTest::newRow("Sun") << u"Sun"_s << std::optional<int>(0);
    QTest::newRow("Pluto, the last row") << u"Pluto"_s << std::optional<int>(9);
    QTest::newRow("lower-case sun") << u"sun"_s << std::optional<int>();
    QTest::newRow("padded") << u"Sun "_s << std::optional<int>();
    QTest::newRow("empty") << QString() << std::optional<int>();
    QTest::newRow("a sign is not a planet") << u"Leo"_s << std::optional<int>();
}

void TestReadingEngine::findPlanet()
{
    QFETCH(QString, name);
    QFETCH(std::optional<int>, index);
    ReadingEngine engine;
    engine.resolveReading(1, u"January");
    QCOMPARE(engine.findPlanet(name), index);
}

void TestReadingEngine::findPlanetBeforeTheTableIsFilled()
{
    ReadingEngine engine;
    QCOMPARE(engine.findPlanet(u"Sun"), std::nullopt);
}

QTEST_APPLESS_MAIN(TestReadingEngine)
#include "tst_readingengine.moc"
