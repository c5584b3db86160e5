// SPDX-License-Identifier: GPL-3.0-or-later
#include "genomes.h"
#include "random.h"
#include "run.h"
#include "startstate.h"
#include "vezo.h"

#include <QtTest>

#include <cstdlib>

class tst_Run : public QObject
{
    Q_OBJECT

private slots:
    void generatorDrawsWhatRandDraws_data();
    void generatorDrawsWhatRandDraws();
    void startsAndStepsLikeTheWindow();
    void traceTellsWhatTheStepDrew();
    void traceChangesNothing_data();
    void traceChangesNothing();
    void stateResumesTheRunExactly();
};

namespace {
QList<int> values(const int *genomes)
{
    return QList<int>(genomes, genomes + CommunitySize);
}
}

void tst_Run::generatorDrawsWhatRandDraws_data()
{
    QTest::addColumn<unsigned>("seed");
    QTest::newRow("start seed") << StartSeed;
    QTest::newRow("0") << 0u;
    QTest::newRow("largest") << 4294967295u;
}

// Also when copied, reseeded or restored to a count of draws.
void tst_Run::generatorDrawsWhatRandDraws()
{
    QFETCH(unsigned, seed);
    Random own(seed);
    srand(seed);
    for (int draw = 0; draw < 1000; ++draw)
        QCOMPARE(own(), rand());
    Random copy(own);
    Random restored(1);
    restored.restore(seed, 1000);
    QCOMPARE(restored.draws(), 1000);
    for (int draw = 0; draw < 100; ++draw) {
        const int expected = rand();
        QCOMPARE(own(), expected);
        QCOMPARE(copy(), expected);
        QCOMPARE(restored(), expected);
    }
    own.seed(seed);
    srand(seed);
    QCOMPARE(own(), rand());
}

// The reference run: start-up genomes, then two generations, the first re-seeded.
void tst_Run::startsAndStepsLikeTheWindow()
{
    int tent[LandscapeSize];
    fillStartLandscape(tent);
    Run run(tent, Settings(), StartSeed);
    QCOMPARE(values(run.genomes()), QList<int>({42, 2, 22, 76, 220, 471, 54, 394, 240, 222}));
    run.step();
    QCOMPARE(values(run.genomes()), QList<int>({222, 394, 220, 220, 204, 112, 220, 242, 242, 220}));
    run.step();
    QCOMPARE(values(run.genomes()), QList<int>({204, 220, 242, 242, 244, 202, 220, 242, 220, 220}));
    QCOMPARE(run.generation(), 2);
    QCOMPARE(run.best(), 122); // genome 244
}

void tst_Run::traceTellsWhatTheStepDrew()
{
    int tent[LandscapeSize];
    fillStartLandscape(tent);
    Run run(tent, Settings(), StartSeed);
    GenerationTrace trace;
    run.step(&trace);
    QCOMPARE(QList<int>(trace.parents, trace.parents + 10), QList<int>({9, 7, 4, 4, 8, 3, 9, 8, 8, 9}));
    QCOMPARE(QList<int>(trace.splits, trace.splits + 5), QList<int>({1, 1, 6, 2, 2}));
    QCOMPARE(QList<int>(trace.flipped, trace.flipped + 10), QList<int>(10, -1));
    QCOMPARE(values(trace.before), QList<int>({42, 2, 22, 76, 220, 471, 54, 394, 240, 222}));
    QCOMPARE(values(trace.after), values(run.genomes()));
    // Shares are raw fitness above the lowest one (1, of genome 2) less one, times 20.
    QCOMPARE(trace.fitness[4], 110);
    QCOMPARE(trace.share(4), (110 - 0) * 20);
    QCOMPARE(trace.width, trace.wheel[9]);
    // Child 0 has draw 9's bits from split 1 up and draw 7's bit 0: 222 from 222 and 394.
    QCOMPARE(trace.partner(0), 7);
    QCOMPARE(trace.after[0], (trace.before[9] & ~1) | (trace.before[7] & 1));
}

void tst_Run::traceChangesNothing_data()
{
    QTest::addColumn<int>("mutation");
    QTest::addColumn<int>("bias");
    QTest::newRow("defaults") << 25 << 1;
    QTest::newRow("every child, unbiased") << 99 << 0;
    QTest::newRow("no mutation") << 0 << 10;
}

// The window's step with and without a trace, and the run object, draw alike.
void tst_Run::traceChangesNothing()
{
    QFETCH(int, mutation);
    QFETCH(int, bias);
    int tent[LandscapeSize];
    fillStartLandscape(tent);
    const Settings settings{7, mutation, bias};
    Run traced(tent, settings, 11);
    Run plain(tent, settings, 11);
    int community[10][9];
    setCommunity(community, values(plain.genomes()));
    vezo_seed_next_generation(11);
    GenerationTrace trace;
    for (int generation = 0; generation < 500; ++generation) {
        traced.step(&trace);
        plain.step();
        traced_vezo(mutation, bias, 7, tent, community, 0, 0, 0, 0, generation % 2 ? &trace : nullptr);
        QCOMPARE(values(traced.genomes()), values(plain.genomes()));
        QCOMPARE(genomeValues(community), values(plain.genomes()));
        for (int flip : trace.flipped)
            QVERIFY(flip < (mutation ? 9 : 0));
    }
}

void tst_Run::stateResumesTheRunExactly()
{
    int landscape[LandscapeSize];
    for (int index = 0; index < LandscapeSize; ++index)
        landscape[index] = (index * 37) % 101 - 20;
    Run whole(landscape, Settings{50, 90, 0}, 99);
    Run fresh(Run(landscape, Settings{50, 90, 0}, 99).state());
    for (int generation = 0; generation < 40; ++generation)
        whole.step();
    Run resumed(whole.state());
    QCOMPARE(resumed.generation(), 40);
    for (int generation = 0; generation < 60; ++generation) {
        whole.step();
        resumed.step();
        fresh.step();
    }
    QCOMPARE(values(resumed.genomes()), values(whole.genomes()));
    QCOMPARE(fresh.generation(), 60);
}

QTEST_APPLESS_MAIN(tst_Run)
#include "tst_run.moc"
