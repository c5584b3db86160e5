// SPDX-License-Identifier: GPL-3.0-or-later
#include "program.h"

#include <QtTest>

// Without any display: help and version answer, mistakes get a message and a failure.
class tst_CommandLine : public QObject
{
    Q_OBJECT

private slots:
    void answersWithoutADisplay_data();
    void answersWithoutADisplay();
};

void tst_CommandLine::answersWithoutADisplay_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("output");
    QTest::addColumn<QString>("error");
    QTest::newRow("help") << QStringList{"--help"} << 0 << "--headless" << "";
    QTest::newRow("version") << QStringList{"--version"} << 0 << "vezo-vizoziv " VEZO_VERSION "\n" << "";
    QTest::newRow("unknown option") << QStringList{"--colour"} << 1 << "" << "Unknown option 'colour'";
    QTest::newRow("stray argument") << QStringList{"twodissimilarpeaks"} << 1 << "" << "Unexpected argument";
    QTest::newRow("recorder option alone") << QStringList{"--seed", "4"} << 1 << "" << "--seed goes with --headless";
}

void tst_CommandLine::answersWithoutADisplay()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QFETCH(QString, output);
    QFETCH(QString, error);
    QScopedPointer<QProcess> process(program(arguments));
    QCOMPARE(process->exitStatus(), QProcess::NormalExit);
    QCOMPARE(process->exitCode(), status);
    QVERIFY(QString(process->readAllStandardOutput()).contains(output));
    const QString said = process->readAllStandardError();
    QVERIFY2(error.isEmpty() ? said.isEmpty() : said.contains(error), qPrintable(said));
}

QTEST_APPLESS_MAIN(tst_CommandLine)
#include "tst_commandline.moc"
