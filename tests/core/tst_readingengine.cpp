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

// The month's number, January 1.
int month(const char *name)
{
    const int position = monthItems().indexOf(QString::fromLatin1(name));
    if (position < 0)
        qFatal("no month %s", name);
    return position + 1;
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
    void readingText_data();
    void readingText();
    void headingAndFileName_data();
    void headingAndFileName();
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
    const std::optional<Sign> found = readingengine::signOf(day, month);
    QVERIFY(found);
    QCOMPARE(nameOf(*found).toString(), sign);
}

void TestReadingEngine::unknownMonthGivesNoSign_data()
{
    QTest::addColumn<int>("month");
    QTest::newRow("before January") << 0;
    QTest::newRow("after December") << 13;
    QTest::newRow("far out") << 1000;
}

void TestReadingEngine::unknownMonthGivesNoSign()
{
    QFETCH(int, month);
    QCOMPARE(readingengine::signOf(1, month), std::nullopt);
    QCOMPARE(readingengine::readingFor(1, month), std::nullopt);
}

void TestReadingEngine::readingPerSign_data()
{
    QTest::addColumn<int>("month"); // read on the 1st
    QTest::addColumn<QString>("planet");

    auto add = [](const char *sign, const char *monthName, const QString &planet) {
        QTest::newRow(sign) << month(monthName) << planet;
    };
    add("Aries", "April", u"Mars"_s);
    add("Taurus", "May", u"Venus"_s);
    add("Gemini", "June", u"Mercury"_s);
    add("Cancer", "July", u"Moon"_s);
    add("Leo", "August", u"Sun"_s);
    add("Virgo", "September", u"Mercury"_s);
    add("Libra", "October", u"Venus"_s);
    // Of two rulers, the second's.
    add("Scorpio", "November", u"Mars"_s);
    add("Sagittarius", "December", u"Jupiter"_s);
    add("Capricorn", "January", u"Saturn"_s);
    add("Aquarius", "February", u"Saturn"_s);
    add("Pisces", "March", u"Jupiter"_s);
}

// The planet each sign reads; the rows it makes are the readingText cases'.
void TestReadingEngine::readingPerSign()
{
    QFETCH(int, month);
    QFETCH(QString, planet);
    const std::optional<ArchetypeReading> reading = readingengine::readingFor(1, month);
    QVERIFY(reading);
    QCOMPARE(nameOf(reading->sign).toString(), QString::fromLatin1(QTest::currentDataTag()));
    QCOMPARE(reading->planet, planetNamed(planet));
}

void TestReadingEngine::readingText_data()
{
    QTest::addColumn<int>("month"); // read on the 1st
    QTest::addColumn<ReadingText>("form");
    QTest::addColumn<QString>("text");
    const QString moon = expectedArchetypes()[1].characteristics.toString(); // ends with a stop
    QTest::newRow("lines, for the clipboard")
        << month("July") << ReadingText::Lines
        << u"Ruling Planet: MOON\nPlanetary Archetype: THE QUEEN\n"
           u"Also Known As: The Feeler, The Nurturer\n"
           u"Keywords: Emotional, Clairvoyant, Creative, Sensitive\nCharacteristics: "_s +
               moon + u"\nRuler: Cancer\nTarot Card: The High Priestess\nDetriment: Capricorn\n"_s;
    QTest::newRow("sentences, for a screen reader")
        << month("July") << ReadingText::Sentences
        << u"Ruling Planet, MOON. Planetary Archetype, THE QUEEN. Also Known As, The Feeler, The "
           u"Nurturer. Keywords, Emotional, Clairvoyant, Creative, Sensitive. Characteristics, "_s +
               moon + u" Ruler, Cancer. Tarot Card, The High Priestess. Detriment, Capricorn."_s;
    QTest::newRow("sentences, values with no stop of their own")
        << month("February") << ReadingText::Sentences // Aquarius: Saturn
        << u"Ruling Planet, SATURN. Planetary Archetype, THE SERVANT. Also Known As, The "
           u"Perfectionist, The Curmudgeon. Keywords, Patient, Diplomatic, Reliable, Practical. "
           u"Characteristics, "_s +
               expectedArchetypes()[6].characteristics.toString() +
               u" Ruler, Capricorn. Tarot Card, The World. Detriment, Cancer."_s;
}

void TestReadingEngine::readingText()
{
    QFETCH(int, month);
    QFETCH(ReadingText, form);
    QFETCH(QString, text);
    QCOMPARE(planetarch::readingText(*readingengine::readingFor(1, month), form), text);
}

void TestReadingEngine::headingAndFileName_data()
{
    QTest::addColumn<QString>("name"); // born 1 November 1980: Scorpio, Mars
    QTest::addColumn<QString>("heading");
    QTest::addColumn<QString>("fileName");
    QTest::newRow("as typed") << u"Ann"_s << u"Ann, born 1 November 1980 - Scorpio"_s
                              << u"Ann - Mars"_s;
    QTest::newRow("blanks around")
        << u"  Ann Lee "_s << u"Ann Lee, born 1 November 1980 - Scorpio"_s << u"Ann Lee - Mars"_s;
    // Pasted through the menu, which the name's key filter does not see.
    QTest::newRow("what no file name holds")
        << u"A/n\\n:*?\"<>|\t."_s << u"A/n\\n:*?\"<>|., born 1 November 1980 - Scorpio"_s
        << u"Ann - Mars"_s;
    // A right-to-left override would show the file name reversed after it.
    QTest::newRow("format characters")
        << u"Ann\u202Egnp.exe\u200B"_s << u"Anngnp.exe, born 1 November 1980 - Scorpio"_s
        << u"Anngnp.exe - Mars"_s;
    // A line or paragraph separator would break the heading over two lines.
    QTest::newRow("line and paragraph separators")
        << u"Ann\u2028Lee\u2029"_s << u"AnnLee, born 1 November 1980 - Scorpio"_s
        << u"AnnLee - Mars"_s;
    // 255 bytes with ".png": 244 of the name's, cut at a character's edge.
    QTest::newRow("a long name") << QString(300, u'a')
                                 << QString(300, u'a') + u", born 1 November 1980 - Scorpio"_s
                                 << QString(244, u'a') + u" - Mars"_s;
    QTest::newRow("a long name of two-byte letters")
        << QString(200, u'\u00e9')
        << QString(200, u'\u00e9') + u", born 1 November 1980 - Scorpio"_s
        << QString(122, u'\u00e9') + u" - Mars"_s;
    QTest::newRow("nothing left") << u"../.."_s << u"../.., born 1 November 1980 - Scorpio"_s
                                  << u"Planetarch - Mars"_s;
}

void TestReadingEngine::headingAndFileName()
{
    QFETCH(QString, name);
    QFETCH(QString, heading);
    QFETCH(QString, fileName);
    const PersonalReading personal{{name, 1, month("November"), 1980},
                                   *readingengine::readingFor(1, month("November"))};
    QCOMPARE(headingOf(personal), heading);
    QCOMPARE(fileNameOf(personal), fileName);
}

QTEST_APPLESS_MAIN(TestReadingEngine)
#include "tst_readingengine.moc"
