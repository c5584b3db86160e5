// SPDX-License-Identifier: GPL-3.0-or-later
#include "experiment.h"
#include "landscapefile.h"
#include "recordcommand.h"

#include <QTemporaryDir>
#include <QtTest>

class tst_Experiment : public QObject
{
    Q_OBJECT

private slots:
    void rowsEqualTheRecorder_data();
    void rowsEqualTheRecorder();
    void sameOutputForAnyThreadCount();
    void shardsInterleaveIntoTheWhole();
    void summaryByHand();
    void badVariationRefused_data();
    void badVariationRefused();
    void badPlanRefused_data();
    void badPlanRefused();
};

namespace {
Variation varied(const char *text)
{
    Variation variation;
    std::string error;
    if (!parseVariation(text, variation, error))
        qFatal("%s", error.c_str());
    return variation;
}

// The per-run rows in run order, and the summary.
QByteArray runRows(const ExperimentPlan &plan, int threads, std::string *summaryText = nullptr)
{
    Experiment experiment(plan);
    ExperimentSummary summary(plan);
    QByteArray rows(RunCsvHeader);
    experiment.run(threads, [&](const RunResult &result) {
        char row[RunCsvRowMaxLength];
        rows.append(row, writeRunRow(row, plan, result) - row);
        summary.add(result);
        return true;
    });
    if (summaryText)
        *summaryText = summary.csv();
    return rows;
}

QList<QByteArray> lines(const QByteArray &text)
{
    QList<QByteArray> split = text.split('\n');
    split.removeFirst();                // the header
    split.removeLast();                 // after the last line feed
    return split;
}
}

void tst_Experiment::rowsEqualTheRecorder_data()
{
    QTest::addColumn<QString>("landscape");
    QTest::addColumn<QStringList>("variations");
    QTest::addColumn<int>("target");    // 0: the highest value
    QTest::newRow("tent, fitness by bias") << QString() << QStringList{"fitness=1,100", "bias=0,10"} << 126;
    QTest::newRow("two peaks, mutation") << QString("twodissimilarpeaks") << QStringList{"mutation=0,60"} << 0;
}

// Each row is the recorder's last row with that seed and setting, and the hit its
// first row whose best reaches the target.
void tst_Experiment::rowsEqualTheRecorder()
{
    QFETCH(QString, landscape);
    QFETCH(QStringList, variations);
    QFETCH(int, target);
    ExperimentPlan plan;
    QByteArray landscapeFile;
    if (!landscape.isEmpty()) {
        QString reason;
        landscapeFile = QFile::encodeName(QFINDTESTDATA("../landscapes/" + landscape));
        QVERIFY2(loadLandscape(landscapeFile, plan.landscape, reason), qPrintable(reason));
    }
    for (const QString &variation : variations)
        plan.variations.push_back(varied(variation.toLatin1().constData()));
    plan.firstSeed = 7;
    plan.seeds = 3;
    plan.generations = 40;
    if (target > 0)
        plan.target = target;

    QTemporaryDir folder;
    const QList<QByteArray> rows = lines(runRows(plan, 2));
    QCOMPARE(rows.size(), plan.totalRuns());
    for (long long index = 0; index < plan.totalRuns(); ++index) {
        RecorderSettings settings;
        settings.generations = plan.generations;
        settings.seed = plan.seedOf(index);
        settings.parameters = plan.settings(plan.combinationOf(index));
        RecordingFiles files;
        files.landscape = landscapeFile;
        files.csv = QFile::encodeName(folder.filePath("run.csv"));
        QCOMPARE(recordToFile(settings, files, stderr), 0);
        QFile file(folder.filePath("run.csv"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QList<QByteArray> recorded = lines(file.readAll());
        QString hit;
        for (const QByteArray &row : recorded) {
            if (hit.isEmpty() && row.split(',').at(1).toInt() >= plan.targetValue())
                hit = QString::number(row.split(',').at(0).toInt());
        }
        const QString expected = QString("%1,%2,%3,%4,%5,%6,").arg(settings.seed).arg(settings.parameters.fitness)
                                     .arg(settings.parameters.mutation).arg(settings.parameters.bias)
                                     .arg(plan.generations).arg(hit)
                                 + recorded.last().mid(recorded.last().indexOf(',') + 1);
        QCOMPARE(QString(rows.at(index)), expected);
    }
}

// More runs than the results waiting for delivery may hold, so the slots go round.
void tst_Experiment::sameOutputForAnyThreadCount()
{
    ExperimentPlan plan;
    plan.variations = {varied("bias=0,10")};
    plan.seeds = 300;
    plan.generations = 30;
    std::string summary;
    const QByteArray one = runRows(plan, 1, &summary);
    QCOMPARE(lines(one).size(), 600);
    for (int threads : {2, 5}) {
        std::string other;
        QCOMPARE(runRows(plan, threads, &other), one);
        QCOMPARE(other, summary);
    }
}

// Row j of the whole is row j / N of shard j mod N + 1: pasting the shards line by
// line gives the whole.
void tst_Experiment::shardsInterleaveIntoTheWhole()
{
    ExperimentPlan plan;
    plan.variations = {varied("mutation=10,90")};
    plan.seeds = 4;
    plan.generations = 10;
    const QList<QByteArray> whole = lines(runRows(plan, 2));
    QList<QList<QByteArray>> shards;
    for (std::string text : {"1/3", "2/3", "3/3"}) {
        std::string error;
        QVERIFY(parseShard(text, plan.shard, error));
        shards << lines(runRows(plan, 2));
        QCOMPARE(shards.last().size(), plan.shardRuns());
    }
    QCOMPARE(shards.at(0).size() + shards.at(1).size() + shards.at(2).size(), whole.size());
    for (int row = 0; row < whole.size(); ++row)
        QCOMPARE(shards.at(row % 3).at(row / 3), whole.at(row));
}

// 4 of 5 hit at 5, 9, 2, 7: nearest ranks 1, 2, 3 of 2 5 7 9 give 2, 5, 7. Wilson:
// 4/5 gives 0.3755 to 0.9638, 0/5 gives 0 to z²/5 / (1 + z²/5) = 0.4345.
void tst_Experiment::summaryByHand()
{
    ExperimentPlan plan;
    plan.variations = {varied("bias=0,10")};
    plan.seeds = 5;
    ExperimentSummary summary(plan);
    const long long hits[] = {5, 9, -1, 2, 7, -1, -1, -1, -1, -1};
    const int bests[] = {100, 200, 50, 130, 120, 10, 10, 10, 11, 10};
    for (int index = 0; index < 10; ++index) {
        RunResult result;
        result.combination = plan.combinationOf(index);
        result.hit = hits[index];
        result.last.best = bests[index];
        summary.add(result);
    }
    QCOMPARE(QByteArray::fromStdString(summary.csv()), QByteArray(SummaryCsvHeader)
                                                            + "20,25,0,5,4,0.8000,0.3755,0.9638,5,2,7,120.000\n"
                                                              "20,25,10,5,0,0.0000,0.0000,0.4345,,,,10.200\n");
}

void tst_Experiment::badVariationRefused_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("unknown name") << "speed=1,2";
    QTest::newRow("no equals sign") << "fitness";
    QTest::newRow("empty list") << "fitness=";
    QTest::newRow("empty item") << "fitness=1,,2";
    QTest::newRow("not a number") << "mutation=1,ten";
    QTest::newRow("fitness 101") << "fitness=5,101";
    QTest::newRow("mutation -1") << "mutation=-1";
    QTest::newRow("bias 11") << "bias=11";
    QTest::newRow("100 and 99 alike") << "fitness=99,100";
}

void tst_Experiment::badVariationRefused()
{
    QFETCH(QString, text);
    Variation variation = varied("bias=3");
    std::string error;
    QVERIFY(!parseVariation(text.toStdString(), variation, error));
    QVERIFY(!error.empty() && error.find('\n') == std::string::npos);
    QCOMPARE(variation.values, std::vector<int>{3});
}

void tst_Experiment::badPlanRefused_data()
{
    QTest::addColumn<QStringList>("variations");
    QTest::addColumn<long long>("seeds");
    QTest::addColumn<unsigned>("firstSeed");
    QTest::addColumn<QString>("shard");
    QTest::newRow("three variations") << QStringList{"fitness=1", "mutation=2", "bias=3"} << 1LL << 1u << "1/1";
    QTest::newRow("the same twice") << QStringList{"bias=1", "bias=2"} << 1LL << 1u << "1/1";
    QTest::newRow("seeds 0") << QStringList{} << 0LL << 1u << "1/1";
    QTest::newRow("beyond the last seed") << QStringList{} << 2LL << 4294967295u << "1/1";
    QTest::newRow("shard 0/3") << QStringList{} << 1LL << 1u << "0/3";
    QTest::newRow("shard 4/3") << QStringList{} << 1LL << 1u << "4/3";
    QTest::newRow("shard 1/0") << QStringList{} << 1LL << 1u << "1/0";
}

// The shard text is refused by its parser and, set directly, by the plan.
void tst_Experiment::badPlanRefused()
{
    QFETCH(QStringList, variations);
    QFETCH(long long, seeds);
    QFETCH(unsigned, firstSeed);
    QFETCH(QString, shard);
    ExperimentPlan plan;
    std::string error;
    QVERIFY(plan.check(error));
    for (const QString &variation : variations)
        plan.variations.push_back(varied(variation.toLatin1().constData()));
    plan.seeds = seeds;
    plan.firstSeed = firstSeed;
    const QStringList parts = shard.split('/');
    plan.shard = {parts.at(0).toLongLong(), parts.at(1).toLongLong()};
    Shard parsed;
    QCOMPARE(parseShard(shard.toStdString(), parsed, error), shard == "1/1");
    QVERIFY(!plan.check(error));
    QVERIFY(!error.empty() && error.find('\n') == std::string::npos);
}

QTEST_APPLESS_MAIN(tst_Experiment)
#include "tst_experiment.moc"
