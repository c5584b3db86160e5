// SPDX-License-Identifier: GPL-3.0-or-later
#include "history.h"

#include <QtTest>

class tst_History : public QObject
{
    Q_OBJECT

private slots:
    void keepsTheLatestInFullAndTheWholeRunInBuckets();
    void sameGenerationReplacesTheLatest();
};

namespace {
GenerationRecord generation(long long number, int fitness)
{
    GenerationRecord record{};
    record.generation = number;
    record.fitnessSum = 10LL * fitness;
    record.best = fitness;
    record.worst = fitness;
    return record;
}
}

void tst_History::keepsTheLatestInFullAndTheWholeRunInBuckets()
{
    History history;
    const long long run = 2500000;
    for (long long number = 0; number < run; ++number)
        history.add(generation(number, number == 7 ? 1000 : 1));

    QCOMPARE(history.fullCount(), History::FullGenerations);
    QCOMPARE(history.full(0).generation, run - History::FullGenerations);
    QCOMPARE(history.latest().generation, run - 1);

    const std::vector<HistoryBucket> overview = history.overview();
    QVERIFY(overview.size() <= std::size_t(History::OverviewBuckets) + 1);
    QCOMPARE(overview.front().firstGeneration, 0LL);
    QCOMPARE(overview.back().lastGeneration, run - 1);
    long long covered = 0;
    for (const HistoryBucket &bucket : overview)
        covered += bucket.count;
    QCOMPARE(covered, run);
    QCOMPARE(overview.front().best, 1000); // a peak survives the merging
}

void tst_History::sameGenerationReplacesTheLatest()
{
    History history;
    history.add(generation(0, 5));
    history.add(generation(1, 6));
    history.add(generation(1, 9));
    QCOMPARE(history.fullCount(), 2);
    QCOMPARE(history.latest().best, 9);
    QCOMPARE(history.overview().back().best, 9);
    history.clear();
    QVERIFY(history.isEmpty());
    QVERIFY(history.overview().empty());
}

QTEST_APPLESS_MAIN(tst_History)
#include "tst_history.moc"
