// SPDX-License-Identifier: GPL-3.0-or-later
#include "common.h"
#include "vezo.h"

#include <QtTest>

class tst_Genome : public QObject
{
    Q_OBJECT

private slots:
    void powerMultipliesRepeatedly_data();
    void powerMultipliesRepeatedly();
    void genomeValueReadsBitZeroAsLeastSignificant_data();
    void genomeValueReadsBitZeroAsLeastSignificant();
    void genomeValueCountsOnlyTheBitsAsked();
    void copyMemberCopiesExactlyNineElements();
};

void tst_Genome::powerMultipliesRepeatedly_data()
{
    QTest::addColumn<int>("base");
    QTest::addColumn<int>("n");
    QTest::addColumn<int>("result");
    QTest::newRow("2^0") << 2 << 0 << 1;
    QTest::newRow("2^8") << 2 << 8 << 256;
    QTest::newRow("7^2") << 7 << 2 << 49;
    QTest::newRow("negative exponent gives 1") << 5 << -3 << 1;
    QTest::newRow("widest bias weight") << 90 << 2 << 8100;
    QTest::newRow("wraps like 32-bit arithmetic") << 2 << 32 << 0;
}

void tst_Genome::powerMultipliesRepeatedly()
{
    QFETCH(int, base);
    QFETCH(int, n);
    QFETCH(int, result);
    QCOMPARE(power(base, n), result);
}

void tst_Genome::genomeValueReadsBitZeroAsLeastSignificant_data()
{
    QTest::addColumn<QList<int>>("genome");
    QTest::addColumn<int>("value");
    QTest::newRow("element 0 set") << QList<int>{1, 0, 0, 0, 0, 0, 0, 0, 0} << 1;
    QTest::newRow("element 8 set") << QList<int>{0, 0, 0, 0, 0, 0, 0, 0, 1} << 256;
    QTest::newRow("all set") << QList<int>{1, 1, 1, 1, 1, 1, 1, 1, 1} << 511;
    QTest::newRow("all clear") << QList<int>{0, 0, 0, 0, 0, 0, 0, 0, 0} << 0;
    QTest::newRow("mixed") << QList<int>{1, 1, 0, 0, 0, 0, 0, 0, 1} << 259;
    QTest::newRow("2 counts as set") << QList<int>{2, 0, 0, 0, 0, 0, 0, 0, 0} << 1;
    QTest::newRow("-1 counts as clear") << QList<int>{-1, 1, 0, 0, 0, 0, 0, 0, 0} << 2;
}

void tst_Genome::genomeValueReadsBitZeroAsLeastSignificant()
{
    QFETCH(QList<int>, genome);
    QFETCH(int, value);
    QCOMPARE(genomeAsInteger(9, genome.data()), value);
}

void tst_Genome::genomeValueCountsOnlyTheBitsAsked()
{
    int genome[9] = {1, 1, 1, 1, 1, 1, 1, 1, 1};
    QCOMPARE(genomeAsInteger(0, genome), 0);
    QCOMPARE(genomeAsInteger(-4, genome), 0);
    QCOMPARE(genomeAsInteger(3, genome), 7);
}

void tst_Genome::copyMemberCopiesExactlyNineElements()
{
    int from[9] = {1, 0, 1, 0, 1, 0, 1, 0, 7};
    int to[10] = {9, 9, 9, 9, 9, 9, 9, 9, 9, 9};
    copy_mbr(to, from);
    for (int i = 0; i < 9; ++i)
        QCOMPARE(to[i], from[i]);
    QCOMPARE(to[9], 9);
}

QTEST_APPLESS_MAIN(tst_Genome)
#include "tst_genome.moc"
