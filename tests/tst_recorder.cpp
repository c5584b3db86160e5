// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwindow.h"
#include "program.h"
#include "observatory.h"
#include "recordcommand.h"
#include "widgets.h"

#include <QComboBox>
#include <QTemporaryDir>
#include <QtTest>

class tst_Recorder : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void startsFromTheReferenceRun();
    void equalsTheWindowSteppedAlike_data();
    void equalsTheWindowSteppedAlike();
    void badInputStopsBeforeAnyGeneration_data();
    void badInputStopsBeforeAnyGeneration();
};

namespace {
QByteArray recorded(const RecorderSettings &settings, const QByteArray &landscape = QByteArray())
{
    QTemporaryDir folder;
    RecordingFiles files;
    files.landscape = landscape;
    files.csv = QFile::encodeName(folder.filePath("run.csv"));
    if (recordToFile(settings, files, stderr) != 0)
        return QByteArray();
    QFile file(folder.filePath("run.csv"));
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

}

void tst_Recorder::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true); // the observatory's settings, not the user's
}

void tst_Recorder::startsFromTheReferenceRun()
{
    RecorderSettings settings;
    settings.generations = 2;
    const QList<QByteArray> rows = recorded(settings).split('\n');
    QCOMPARE(rows.at(0), QByteArray("generation,best,mean,worst,diversity,m0,m1,m2,m3,m4,m5,m6,m7,m8,m9"));
    QCOMPARE(rows.at(1), QByteArray("0,120,51.900,1,4.222,42,2,22,76,220,471,54,394,240,222"));
    QVERIFY(rows.at(2).endsWith(",222,394,220,220,204,112,220,242,242,220"));
    QVERIFY(rows.at(3).startsWith("2,"));
}

void tst_Recorder::equalsTheWindowSteppedAlike_data()
{
    QTest::addColumn<unsigned>("seed");
    QTest::addColumn<int>("fitness");
    QTest::addColumn<int>("mutation");
    QTest::addColumn<int>("bias");
    QTest::addColumn<QString>("landscape");
    QTest::newRow("defaults") << 3521u << 20 << 25 << 1 << QString();
    QTest::newRow("seed 7, 100 kept as 99, unbiased") << 7u << 100 << 99 << 0 << QString();
    QTest::newRow("two dissimilar peaks") << 42u << 5 << 60 << 10 << QString("twodissimilarpeaks");
}

// The observatory records every generation of the window; its export is the recorder's CSV.
void tst_Recorder::equalsTheWindowSteppedAlike()
{
    QFETCH(unsigned, seed);
    QFETCH(int, fitness);
    QFETCH(int, mutation);
    QFETCH(int, bias);
    QFETCH(QString, landscape);
    const int generations = 60;

    RecorderSettings settings;
    settings.generations = generations;
    settings.seed = seed;
    settings.parameters.fitness = std::min(fitness, 99);
    settings.parameters.mutation = mutation;
    settings.parameters.bias = bias;
    const QString folder = QFINDTESTDATA("../landscapes");
    const QByteArray landscapeFile = landscape.isEmpty() ? QByteArray() : QFile::encodeName(folder + "/" + landscape);

    MainWindow window;
    Observatory observatory(&window);
    QDir::setCurrent(folder);
    if (!landscape.isEmpty()) {
        window.findChild<QComboBox *>()->setEditText(landscape);
        button(window, "Load File:")->click();
    }
    control(window, "Fitness Multiplier")->setValue(fitness);
    control(window, "% Prob(Mutation)")->setValue(mutation);
    control(window, "Mutation Bias")->setValue(bias);
    observatory.restart(seed);
    for (int step = 0; step < generations; ++step)
        button(window, "Step")->click();

    QTemporaryDir exports;
    QString error;
    QVERIFY(observatory.exportCsv(exports.filePath("window.csv"), error));
    QFile file(exports.filePath("window.csv"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), recorded(settings, landscapeFile));
}

void tst_Recorder::badInputStopsBeforeAnyGeneration_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("not a number") << QStringList{"--generations", "ten"};
    QTest::newRow("fitness 0") << QStringList{"--generations", "5", "--fitness", "0"};
    QTest::newRow("mutation 100") << QStringList{"--generations", "5", "--mutation", "100"};
    QTest::newRow("bias 11") << QStringList{"--generations", "5", "--bias", "11"};
    QTest::newRow("every 0") << QStringList{"--generations", "5", "--every", "0"};
    QTest::newRow("no generations") << QStringList{};
    QTest::newRow("missing landscape") << QStringList{"--generations", "5", "--landscape", "/nonexistent/file"};
    QTest::newRow("folder as landscape") << QStringList{"--generations", "5", "--landscape", "/"};
    QTest::newRow("unwritable output") << QStringList{"--generations", "5", "--csv", "/nonexistent/out.csv"};
}

void tst_Recorder::badInputStopsBeforeAnyGeneration()
{
    QFETCH(QStringList, arguments);
    QScopedPointer<QProcess> process(program(QStringList{"--headless"} + arguments));
    QCOMPARE(process->exitStatus(), QProcess::NormalExit);
    QVERIFY(process->exitCode() != 0);
    QCOMPARE(process->readAllStandardOutput(), QByteArray());
    const QByteArray message = process->readAllStandardError();
    QVERIFY2(message.startsWith("vezo-vizoziv: ") && message.count('\n') == 1, message.constData());
}

QTEST_MAIN(tst_Recorder)
#include "tst_recorder.moc"
