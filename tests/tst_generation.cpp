// SPDX-License-Identifier: GPL-3.0-or-later
#include "explain.h"
#include "recorder.h"
#include "run.h"
#include "selectioncheck.h"
#include "startstate.h"

#include <QtTest>

#include <climits>
#include <cmath>

class tst_Generation : public QObject
{
    Q_OBJECT

private slots:
    void explainsTheFirstGeneration();
    void recorderExplainsEveryChild();
    void wheelDrawsInProportion_data();
    void wheelDrawsInProportion();
};

namespace {
class Collected : public RowSink
{
public:
    bool write(const char *text, std::size_t length) override
    {
        bytes.append(text, static_cast<qsizetype>(length));
        return true;
    }
    QByteArray bytes;
};

// Rugged: neighbouring genomes far apart in fitness.
void fillLandscape(int *landscape, bool rugged)
{
    fillStartLandscape(landscape);
    for (int index = 0; rugged && index < LandscapeSize; ++index)
        landscape[index] = (index * 37) % 101;
}
}

void tst_Generation::explainsTheFirstGeneration()
{
    int tent[LandscapeSize];
    fillStartLandscape(tent);
    Run run(tent, Settings(), StartSeed);
    GenerationTrace trace;
    run.step(&trace);
    char rows[ExplainRowsMaxLength];
    QCOMPARE(QByteArray(rows, writeExplainRows(rows, 1, trace) - rows),
             QByteArray("1,0,9,7,1,,222\n1,1,7,9,1,,394\n1,2,4,4,1,,220\n1,3,4,4,1,,220\n1,4,8,3,6,,204\n"
                        "1,5,3,8,6,,112\n1,6,9,8,2,,220\n1,7,8,9,2,,242\n1,8,8,9,2,,242\n1,9,9,8,2,,220\n"));

    // The widest rows fit.
    std::fill(std::begin(trace.flipped), std::end(trace.flipped), 8);
    std::fill(std::begin(trace.after), std::end(trace.after), LastGenome);
    QVERIFY(writeExplainRows(rows, LLONG_MAX, trace) - rows <= qsizetype(ExplainRowsMaxLength));
}

// Generations 1 to N, every child, whatever every says; each flip told.
void tst_Generation::recorderExplainsEveryChild()
{
    int tent[LandscapeSize];
    fillStartLandscape(tent);
    RecorderSettings settings;
    settings.generations = 3;
    settings.every = 2;
    settings.explain = true;
    settings.parameters = Settings{20, 99, 0};
    Collected sink;
    Run recorded(tent, settings.parameters, settings.seed);
    QVERIFY(record(recorded, settings, sink));

    const QList<QByteArray> lines = sink.bytes.trimmed().split('\n');
    QCOMPARE(lines.size(), 1 + 3 * CommunitySize);
    QCOMPARE(lines.front(), QByteArray("generation,child,parent,partner,split,flipped_bit,genome"));
    Run run(tent, settings.parameters, settings.seed);
    for (int generation = 1; generation <= 3; ++generation) {
        run.step();
        for (int child = 0; child < CommunitySize; ++child) {
            const QList<QByteArray> fields = lines.at((generation - 1) * CommunitySize + child + 1).split(',');
            QCOMPARE(fields.at(0).toInt(), generation);
            QCOMPARE(fields.at(1).toInt(), child);
            QVERIFY(!fields.at(5).isEmpty());
            QCOMPARE(fields.at(6).toInt(), run.genomes()[child]);
        }
    }
}

void tst_Generation::wheelDrawsInProportion_data()
{
    QTest::addColumn<bool>("rugged");
    QTest::addColumn<int>("fitness");
    QTest::addColumn<int>("bias");
    QTest::addColumn<unsigned>("seed");
    // Every child mutates, so the shares stay spread over every bin.
    QTest::newRow("tent") << false << 20 << 0 << 1u;
    QTest::newRow("rugged, biased") << true << 20 << 5 << 2u;
    QTest::newRow("rugged, multiplier 1") << true << 1 << 0 << 3u;
}

// Over 10,000 generations each bin of enough members lies within 5 % of the diagonal.
void tst_Generation::wheelDrawsInProportion()
{
    QFETCH(bool, rugged);
    QFETCH(int, fitness);
    QFETCH(int, bias);
    QFETCH(unsigned, seed);
    int landscape[LandscapeSize];
    fillLandscape(landscape, rugged);
    Run run(landscape, Settings{fitness, 99, bias}, seed);
    SelectionCheck check;
    GenerationTrace trace;
    for (int generation = 0; generation < 10000; ++generation) {
        run.step(&trace);
        check.add(trace);
    }
    long long samples = 0;
    for (int index = 0; index < SelectionCheck::Bins; ++index) {
        const SelectionCheck::Bin &bin = check.bin(index);
        samples += bin.samples;
        if (bin.samples < 200)
            continue;
        QVERIFY(bin.meanExpected() >= bin.low && bin.meanExpected() < bin.high);
        QVERIFY2(std::abs(bin.meanObserved() - bin.meanExpected()) <= 0.05 * bin.meanExpected(),
                 qPrintable(QString("bin %1: expected %2, drawn %3").arg(index).arg(bin.meanExpected()).arg(bin.meanObserved())));
    }
    QCOMPARE(samples, 10000LL * CommunitySize);
    QCOMPARE(check.generations(), 10000);
    check.reset();
    QCOMPARE(check.bin(0).samples + check.generations(), 0);
}

QTEST_APPLESS_MAIN(tst_Generation)
#include "tst_generation.moc"
