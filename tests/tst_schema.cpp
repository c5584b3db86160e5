// SPDX-License-Identifier: GPL-3.0-or-later
#include "run.h"
#include "schema.h"
#include "startstate.h"

#include <QtTest>

class tst_Schema : public QObject
{
    Q_OBJECT

private slots:
    void parses_data();
    void parses();
    void rejects_data();
    void rejects();
    void mutationOdds();
    void boundOfTheFirstGeneration();
    void theoremHolds_data();
    void theoremHolds();
};

void tst_Schema::parses_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("mask");
    QTest::addColumn<int>("bits");
    QTest::addColumn<int>("lowest");
    QTest::addColumn<int>("highest");
    QTest::addColumn<int>("order");
    QTest::addColumn<int>("definingLength");
    QTest::newRow("top bit") << "1********" << 256 << 256 << 8 << 8 << 1 << 0;
    QTest::newRow("everything") << "*********" << 0 << 0 << -1 << -1 << 0 << 0;
    QTest::newRow("outermost") << "1*******0" << 257 << 256 << 0 << 8 << 2 << 8;
    QTest::newRow("inner") << "**01*1***" << 104 << 40 << 3 << 6 << 3 << 3;
}

void tst_Schema::parses()
{
    QFETCH(QString, text);
    QFETCH(int, mask);
    QFETCH(int, bits);
    QFETCH(int, lowest);
    QFETCH(int, highest);
    QFETCH(int, order);
    QFETCH(int, definingLength);
    const SchemaParse parse = parseSchema(text.toStdString());
    QCOMPARE(parse.error, SchemaError::None);
    QCOMPARE(parse.schema.mask, mask);
    QCOMPARE(parse.schema.bits, bits);
    QCOMPARE(parse.schema.lowest(), lowest);
    QCOMPARE(parse.schema.highest(), highest);
    QCOMPARE(parse.schema.order(), order);
    QCOMPARE(parse.schema.definingLength(), definingLength);
    QCOMPARE(QString::fromStdString(parse.schema.text()), text);
    QVERIFY(parse.schema.matches(bits | (~mask & LastGenome)));
    QCOMPARE(parse.schema.matches(parse.schema.bits ^ parse.schema.mask), parse.schema.mask == 0);
}

void tst_Schema::rejects_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("error");
    QTest::addColumn<int>("position");
    QTest::newRow("empty") << "" << int(SchemaError::Length) << 0;
    QTest::newRow("short") << "1*******" << int(SchemaError::Length) << 8;
    QTest::newRow("long") << "1*********" << int(SchemaError::Length) << 10;
    QTest::newRow("letter") << "1***x****" << int(SchemaError::Character) << 4;
    QTest::newRow("space") << "1 *******" << int(SchemaError::Character) << 1;
    QTest::newRow("first") << "#********" << int(SchemaError::Character) << 0;
}

void tst_Schema::rejects()
{
    QFETCH(QString, text);
    QFETCH(int, error);
    QFETCH(int, position);
    const SchemaParse parse = parseSchema(text.toStdString());
    QCOMPARE(int(parse.error), error);
    QCOMPARE(parse.position, position);
    QVERIFY(parse.schema == Schema());
}

// Any bias from 1 to 10 gives the same chances as bias 1, from the step's own weights.
void tst_Schema::mutationOdds()
{
    QCOMPARE(mutationChance(0), 0.0);
    QCOMPARE(mutationChance(25), 1.0 / 75);
    QCOMPARE(mutationChance(99), 1.0);
    for (int bias = 0; bias <= 10; ++bias) {
        double total = 0;
        for (int bit = 0; bit < GenomeLength; ++bit) {
            total += flipChance(bias, bit);
            QCOMPARE(flipChance(bias, bit), bias == 0 ? 1.0 / 9 : flipChance(1, bit));
        }
        QVERIFY(qFuzzyCompare(total, 1.0));
    }
    QCOMPARE(flipChance(1, 0), 81.0 / 285);
    QCOMPARE(flipChance(10, 8), 1.0 / 285);
}

// The start-up members on the tent: shares are 20 times fitness (the lowest is 1),
// 10,380 positions in all; 471 and 394 have bit 8, with 420 + 1180 of them.
void tst_Schema::boundOfTheFirstGeneration()
{
    int tent[LandscapeSize];
    fillStartLandscape(tent);
    Run run(tent, Settings(), StartSeed);
    GenerationTrace trace;
    run.step(&trace);

    const SchemaBound top = schemaBound(parseSchema("1********").schema, trace, 25, 1);
    QCOMPARE(top.count, 2);
    QVERIFY(qFuzzyCompare(top.selection(), 800.0 / 1038));
    QCOMPARE(top.crossoverSurvival(), 1.0);
    QVERIFY(qFuzzyCompare(top.value(), 10 * 1600.0 / 10380 * (1 - 1.0 / 75 / 285)));

    // 394 alone has bit 8 set and bit 0 clear; a split at 1 to 8 separates them.
    const SchemaBound ends = schemaBound(parseSchema("1*******0").schema, trace, 25, 1);
    QCOMPARE(ends.count, 1);
    QVERIFY(qFuzzyCompare(ends.value(), 10 * 1180.0 / 10380 / 9 * (1 - 82.0 / 75 / 285)));
    QCOMPARE(schemaBound(parseSchema("1*******1").schema, trace, 0, 0).value(), 10 * 420.0 / 10380 / 9);
    QCOMPARE(schemaBound(parseSchema("111111111").schema, trace, 25, 1).value(), 0.0);
}

void tst_Schema::theoremHolds_data()
{
    QTest::addColumn<bool>("rugged");
    QTest::addColumn<int>("mutation");
    QTest::addColumn<int>("bias");
    QTest::addColumn<unsigned>("seed");
    QTest::newRow("start-up run") << false << 25 << 1 << StartSeed;
    QTest::newRow("rugged, often, biased") << true << 60 << 10 << 2u;
    QTest::newRow("rugged, every child, unbiased") << true << 99 << 0 << 3u;
}

// Over 10,000 generations, for every schema of order 1, the next generation's mean
// count reaches the mean bound less 2 %.
void tst_Schema::theoremHolds()
{
    QFETCH(bool, rugged);
    QFETCH(int, mutation);
    QFETCH(int, bias);
    QFETCH(unsigned, seed);
    int landscape[LandscapeSize];
    fillStartLandscape(landscape);
    for (int index = 0; rugged && index < LandscapeSize; ++index)
        landscape[index] = (index * 37) % 101;
    Run run(landscape, Settings{20, mutation, bias}, seed);
    GenerationTrace trace;
    double bound[2 * GenomeLength] = {};
    double next[2 * GenomeLength] = {};
    for (int generation = 0; generation < 10000; ++generation) {
        run.step(&trace);
        for (int schema = 0; schema < 2 * GenomeLength; ++schema) {
            const Schema order1{1 << schema / 2, (schema % 2) << schema / 2};
            bound[schema] += schemaBound(order1, trace, mutation, bias).value();
            next[schema] += schemaCount(order1, trace.after);
        }
    }
    for (int schema = 0; schema < 2 * GenomeLength; ++schema) {
        QVERIFY2(next[schema] >= 0.98 * bound[schema],
                 qPrintable(QString("bit %1 = %2: %3 against %4").arg(schema / 2).arg(schema % 2).arg(next[schema]).arg(bound[schema])));
    }
}

QTEST_APPLESS_MAIN(tst_Schema)
#include "tst_schema.moc"
