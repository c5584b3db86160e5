// SPDX-License-Identifier: GPL-3.0-or-later
#include "capture.h"
#include "genomes.h"
#include "tablevezo.h"
#include "vezo.h"

#include <QtTest>

#include <climits>
#include <cstdlib>

class tst_Vezo : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void referenceRunFromStartUp();
    void rouletteWheelSharesFollowAdjustedFitness_data();
    void rouletteWheelSharesFollowAdjustedFitness();
    void rouletteMemberOwnsItsPositions();
    void wideWheelIsScaledIntoOneDraw_data();
    void wideWheelIsScaledIntoOneDraw();
    void extremeLandscapesRunCleanly();
    void matchesTableSelection();
    void crossoverSwapsLowBits_data();
    void crossoverSwapsLowBits();
    void zeroTotalPrintsOneLinePerGeneration();
    void noMutationDrawsFifteenNumbers();
    void sameGenomeWithoutMutationStays();
    void everyChildMutatesAtNinetyNine();
    void mutationRateIsOneInHundredMinusP_data();
    void mutationRateIsOneInHundredMinusP();
    void flippedBitFollowsBias_data();
    void flippedBitFollowsBias();
};

namespace {
// Runs generations on ten copies of one genome over a flat landscape, so that each
// child differs from the genome exactly where it mutated; counts flips per bit.
QList<int> flipsPerBit(int genome, int mutation_probability, int mutation_bias, int generations)
{
    QList<int> flips(9, 0);
    int flat[512];
    std::fill(flat, flat + 512, 5);
    int community[10][9];
    srand(7);
    for (int generation = 0; generation < generations; ++generation) {
        setCommunity(community, QList<int>(10, genome));
        vezo(mutation_probability, mutation_bias, 1, flat, community, 0, 0, 0, 0);
        for (int value : genomeValues(community)) {
            const int changed = value ^ genome;
            for (int bit = 0; bit < 9; ++bit) {
                if (changed == 1 << bit)
                    ++flips[bit];
            }
        }
    }
    return flips;
}
}

// The first generation of a process re-seeds the generator (tst_firstgeneration pins
// that); spend it here so that every test runs from the seed it sets itself.
void tst_Vezo::initTestCase()
{
    int flat[512] = {};
    int community[10][9] = {};
    OutputCapture quiet; // a flat zero landscape prints its diagnostic line
    vezo(0, 0, 1, flat, community, 0, 0, 0, 0);
}

void tst_Vezo::referenceRunFromStartUp()
{
    int tent[512];
    fillTent(tent);
    int community[10][9];
    setCommunity(community, {42, 2, 22, 76, 220, 471, 54, 394, 240, 222});

    srand(3521);
    vezo(25, 1, 20, tent, community, 0, 0, 0, 0);
    QCOMPARE(genomeValues(community), QList<int>({222, 394, 220, 220, 204, 112, 220, 242, 242, 220}));
    vezo(25, 1, 20, tent, community, 0, 0, 0, 0);
    QCOMPARE(genomeValues(community), QList<int>({204, 220, 242, 242, 244, 202, 220, 242, 220, 220}));

    // The four extra parameters change nothing.
    setCommunity(community, {42, 2, 22, 76, 220, 471, 54, 394, 240, 222});
    srand(3521);
    vezo(25, 1, 20, tent, community, 1, -2, 3, -4);
    QCOMPARE(genomeValues(community), QList<int>({222, 394, 220, 220, 204, 112, 220, 242, 242, 220}));
}

void tst_Vezo::rouletteWheelSharesFollowAdjustedFitness_data()
{
    QTest::addColumn<QList<int>>("raw");
    QTest::addColumn<int>("multiplier");
    QTest::addColumn<QList<qlonglong>>("shares");

    QTest::newRow("one member twice as fit")
        << QList<int>{10, 20, 10, 10, 10, 10, 10, 10, 10, 10} << 2
        << QList<qlonglong>{2, 22, 2, 2, 2, 2, 2, 2, 2, 2};
    QTest::newRow("equal fitness gives the multiplier each")
        << QList<int>(10, 64) << 20 << QList<qlonglong>(10, 20);
    QTest::newRow("all zero after the total is set to 1")
        << QList<int>(10, 0) << 3 << QList<qlonglong>(10, 3);
    QTest::newRow("one negative member")
        << QList<int>{-5, 10, 10, 10, 10, 10, 10, 10, 10, 10} << 1
        << QList<qlonglong>{1, 16, 16, 16, 16, 16, 16, 16, 16, 16};
    QTest::newRow("all negative: offset from the total")
        << QList<int>{-1, -2, -3, -4, -5, -6, -7, -8, -9, -10} << 2
        << QList<qlonglong>{110, 108, 106, 104, 102, 100, 98, 96, 94, 92};
}

void tst_Vezo::rouletteWheelSharesFollowAdjustedFitness()
{
    QFETCH(QList<int>, raw);
    QFETCH(int, multiplier);
    QFETCH(QList<qlonglong>, shares);

    long long total = 0;
    for (int value : raw)
        total += value;
    if (total == 0)
        total = 1;
    long long wheel[10];
    const long long size = roulette_wheel(raw.data(), total, multiplier, wheel);

    long long end = 0;
    for (int m = 0; m < 10; ++m) {
        end += shares.at(m);
        QCOMPARE(wheel[m], end);
        QCOMPARE((raw.at(m) - wheel_lowest(raw.data(), total)) * multiplier, shares.at(m));
    }
    QCOMPARE(size, end);
}

void tst_Vezo::rouletteMemberOwnsItsPositions()
{
    const long long wheel[10] = {2, 24, 26, 28, 30, 32, 34, 36, 38, 40};
    QCOMPARE(roulette_member(wheel, 0), 0);
    QCOMPARE(roulette_member(wheel, 1), 0);
    QCOMPARE(roulette_member(wheel, 2), 1);
    QCOMPARE(roulette_member(wheel, 23), 1);
    QCOMPARE(roulette_member(wheel, 25), 2);
    QCOMPARE(roulette_member(wheel, 38), 9);
    QCOMPARE(roulette_member(wheel, 39), 9);
}

void tst_Vezo::wideWheelIsScaledIntoOneDraw_data()
{
    QTest::addColumn<QList<int>>("raw");
    QTest::addColumn<int>("multiplier");
    QTest::newRow("all INT_MAX") << QList<int>(10, INT_MAX) << 99;
    QTest::newRow("all INT_MIN") << QList<int>(10, INT_MIN) << 99;
    QTest::newRow("one INT_MIN among INT_MAX")
        << QList<int>{INT_MIN, INT_MAX, INT_MAX, INT_MAX, INT_MAX, INT_MAX, INT_MAX, INT_MAX, INT_MAX, INT_MAX} << 99;
    QTest::newRow("millions apart")
        << QList<int>{0, 1000000, 2000000, 3000000, 4000000, 5000000, 6000000, 7000000, 8000000, 9000000} << 50;
    QTest::newRow("just over the limit")
        << QList<int>{0, 0, 0, 0, 0, 0, 0, 0, 0, INT_MAX / 99 + 1} << 99;
}

void tst_Vezo::wideWheelIsScaledIntoOneDraw()
{
    QFETCH(QList<int>, raw);
    QFETCH(int, multiplier);

    long long total = 0;
    long long lowest = LLONG_MAX;
    for (int value : raw) {
        total += value;
        lowest = std::min<long long>(lowest, value);
    }
    lowest = std::min(lowest, total) - 1;
    long long exact[10];
    long long exactTotal = 0;
    for (int m = 0; m < 10; ++m) {
        exact[m] = (raw.at(m) - lowest) * multiplier;
        exactTotal += exact[m];
    }

    long long wheel[10];
    const long long size = roulette_wheel(raw.data(), total, multiplier, wheel);
    QVERIFY(size <= INT_MAX);
    QCOMPARE(size, wheel[9]);
    long long previous = 0;
    for (int m = 0; m < 10; ++m) {
        const long long share = wheel[m] - previous;
        previous = wheel[m];
        QVERIFY(share >= 1);
        const double scaled = double(share) / double(size);
        const double wanted = double(exact[m]) / double(exactTotal);
        QVERIFY2(qAbs(scaled - wanted) < 1e-6, qPrintable(QString("member %1").arg(m)));
    }
}

void tst_Vezo::extremeLandscapesRunCleanly()
{
    int landscape[512];
    int community[10][9];
    setCommunity(community, {0, 1, 2, 3, 100, 200, 300, 400, 510, 511});
    const int patterns = 3;
    for (int pattern = 0; pattern < patterns; ++pattern) {
        for (int i = 0; i < 512; ++i) {
            const bool high = pattern == 0 || (pattern == 2 && i % 2 == 0);
            landscape[i] = high ? INT_MAX : INT_MIN;
        }
        for (int generation = 0; generation < 300; ++generation)
            vezo(50, generation % 11, 99, landscape, community, 0, 0, 0, 0);
        for (const int *genome : community) {
            for (int bit = 0; bit < 9; ++bit)
                QVERIFY(genome[bit] == 0 || genome[bit] == 1);
        }
    }
}

// For every random number the wheel picks the member the table would pick: both
// forms give the same children from the same seed and draw the same count of numbers.
void tst_Vezo::matchesTableSelection()
{
    int landscape[512];
    int walked[10][9];
    int tabled[10][9];
    for (int trial = 0; trial < 3000; ++trial) {
        srand(trial);
        const int low[] = {0, -300, -300, -2, 0};
        const int high[] = {128, 300, -1, 2, 0};
        const int kind = trial % 5;
        for (int &value : landscape)
            value = low[kind] + rand() % (high[kind] - low[kind] + 1);
        for (int m = 0; m < 10; ++m)
            setGenome(walked[m], rand() % 512);
        std::copy(&walked[0][0], &walked[0][0] + 90, &tabled[0][0]);
        const int probability = rand() % 100;
        const int bias = rand() % 11;
        const int multiplier = 1 + rand() % 99;

        const unsigned seed = 100000 + trial;
        int nextAfterWalk;
        int nextAfterTable;
        {
            OutputCapture quiet; // all-zero landscapes print their diagnostic line
            srand(seed);
            vezo(probability, bias, multiplier, landscape, walked, rand(), rand(), 0, 0);
            nextAfterWalk = rand();
            srand(seed);
            rand();
            rand();
            table_vezo(probability, bias, multiplier, landscape, tabled);
            nextAfterTable = rand();
        }

        QVERIFY2(std::equal(&walked[0][0], &walked[0][0] + 90, &tabled[0][0]),
                 qPrintable(QString("trial %1").arg(trial)));
        QCOMPARE(nextAfterWalk, nextAfterTable);
    }
}

void tst_Vezo::crossoverSwapsLowBits_data()
{
    QTest::addColumn<int>("split");
    QTest::addColumn<int>("childA");
    QTest::addColumn<int>("childB");
    QTest::newRow("split 0 copies the parents") << 0 << 511 << 0;
    QTest::newRow("split 3") << 3 << 504 << 7;
    QTest::newRow("split 8 keeps only bit 8") << 8 << 256 << 255;
}

// Parent A is all ones, B all zeros; the seed is chosen so that the first pair draws
// A then B and the wanted split point, on a wheel of ten equal shares.
void tst_Vezo::crossoverSwapsLowBits()
{
    QFETCH(int, split);
    QFETCH(int, childA);
    QFETCH(int, childB);

    unsigned seed = 1;
    for (;; ++seed) {
        srand(seed);
        int draws[11];
        for (int &draw : draws)
            draw = rand();
        if (draws[0] % 10 == 0 && draws[1] % 10 != 0 && draws[10] % 9 == split)
            break;
    }
    int flat[512];
    std::fill(flat, flat + 512, 5);
    int community[10][9];
    setCommunity(community, {511, 0, 0, 0, 0, 0, 0, 0, 0, 0});
    srand(seed);
    vezo(0, 1, 1, flat, community, 0, 0, 0, 0);
    QCOMPARE(genomeValues(community).mid(0, 2), QList<int>({childA, childB}));
}

void tst_Vezo::zeroTotalPrintsOneLinePerGeneration()
{
    int tent[512];
    fillTent(tent);
    int community[10][9];
    setCommunity(community, {0, 1, 0, 1, 0, 1, 0, 1, 0, 1});
    OutputCapture capture;
    vezo(0, 1, 20, tent, community, 0, 0, 0, 0);
    vezo(0, 1, 20, tent, community, 0, 0, 0, 0);
    QCOMPARE(capture.text(), QByteArray("total_fitness = 0. Not good. Seting to 1.\n"
                                        "total_fitness = 0. Not good. Seting to 1.\n"));
}

void tst_Vezo::noMutationDrawsFifteenNumbers()
{
    int tent[512];
    fillTent(tent);
    int community[10][9];
    setCommunity(community, {42, 2, 22, 76, 220, 471, 54, 394, 240, 222});
    srand(99);
    vezo(0, 0, 20, tent, community, 0, 0, 0, 0);
    const int afterGeneration = rand();
    srand(99);
    for (int draw = 0; draw < 15; ++draw)
        rand();
    QCOMPARE(afterGeneration, rand());
}

void tst_Vezo::sameGenomeWithoutMutationStays()
{
    int tent[512];
    fillTent(tent);
    int community[10][9];
    setCommunity(community, QList<int>(10, 300));
    for (int generation = 0; generation < 50; ++generation)
        vezo(0, 1, 20, tent, community, 0, 0, 0, 0);
    QCOMPARE(genomeValues(community), QList<int>(10, 300));
}

// The same seed without mutation gives the crossover results; at 99 each child differs in one bit.
void tst_Vezo::everyChildMutatesAtNinetyNine()
{
    int tent[512];
    fillTent(tent);
    int crossed[10][9];
    int mutated[10][9];
    setCommunity(crossed, {42, 2, 22, 76, 220, 471, 54, 394, 240, 222});
    setCommunity(mutated, {42, 2, 22, 76, 220, 471, 54, 394, 240, 222});
    srand(5);
    vezo(0, 3, 20, tent, crossed, 0, 0, 0, 0);
    srand(5);
    vezo(99, 3, 20, tent, mutated, 0, 0, 0, 0);
    const QList<int> before = genomeValues(crossed);
    const QList<int> after = genomeValues(mutated);
    for (int m = 0; m < 10; ++m) {
        const int changed = before.at(m) ^ after.at(m);
        QVERIFY(changed != 0 && (changed & (changed - 1)) == 0);
    }
}

void tst_Vezo::mutationRateIsOneInHundredMinusP_data()
{
    QTest::addColumn<int>("probability");
    QTest::newRow("0: never") << 0;
    QTest::newRow("25: 1 in 75") << 25;
    QTest::newRow("50: 1 in 50") << 50;
    QTest::newRow("90: 1 in 10") << 90;
    QTest::newRow("99: always") << 99;
}

void tst_Vezo::mutationRateIsOneInHundredMinusP()
{
    QFETCH(int, probability);
    const int generations = 20000;
    const QList<int> flips = flipsPerBit(341, probability, 1, generations);
    const int mutations = std::accumulate(flips.begin(), flips.end(), 0);

    const double children = 10.0 * generations;
    const double rate = probability == 0 ? 0.0 : 1.0 / (100 - probability);
    const double expected = children * rate;
    const double deviation = std::sqrt(children * rate * (1 - rate));
    QVERIFY2(qAbs(mutations - expected) <= 5 * deviation,
             qPrintable(QString("%1 mutations, %2 expected").arg(mutations).arg(expected)));
}

void tst_Vezo::flippedBitFollowsBias_data()
{
    QTest::addColumn<int>("bias");
    QTest::newRow("0: uniform") << 0;
    QTest::newRow("1: weighted") << 1;
    QTest::newRow("2: same weights") << 2;
    QTest::newRow("10: same weights") << 10;
}

// Chi-square over the nine positions, 8 degrees of freedom; 32 is beyond the 99.99th percentile.
void tst_Vezo::flippedBitFollowsBias()
{
    QFETCH(int, bias);
    const int generations = 5000;
    const QList<int> flips = flipsPerBit(170, 99, bias, generations);
    const double mutations = 10.0 * generations;
    QCOMPARE(std::accumulate(flips.begin(), flips.end(), 0), int(mutations));

    double chiSquare = 0;
    for (int bit = 0; bit < 9; ++bit) {
        const double share = bias == 0 ? 1.0 / 9 : (9 - bit) * (9 - bit) / 285.0;
        const double expected = mutations * share;
        chiSquare += (flips.at(bit) - expected) * (flips.at(bit) - expected) / expected;
    }
    QVERIFY2(chiSquare < 32, qPrintable(QString("chi-square %1").arg(chiSquare)));
}

QTEST_APPLESS_MAIN(tst_Vezo)
#include "tst_vezo.moc"
