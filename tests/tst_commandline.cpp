// SPDX-License-Identifier: GPL-3.0-or-later
#include "program.h"

#include <QTemporaryDir>
#include <QtTest>

#include <csignal>

// Without any display: help and version answer, mistakes get a message and a failure.
class tst_CommandLine : public QObject
{
    Q_OBJECT

private slots:
    void answersWithoutADisplay_data();
    void answersWithoutADisplay();
    void fileNamesKeepTheirBytes();
    void closedOutputIsRefused();
    void recorderStopsAtTheFirstFailedWrite();
    void interruptedRunLeavesTheOldFile_data();
    void interruptedRunLeavesTheOldFile();
    void zeroTotalStaysOutOfTheRows();
    void snapshotGoesOnWithTheRun();
    void experimentRefusesBadInput_data();
    void experimentRefusesBadInput();
    void experimentRowsDoNotDependOnThreads();
    void ignoredSignalsStayIgnored_data();
    void ignoredSignalsStayIgnored();
    void outputsAreComparedAsFiles_data();
    void outputsAreComparedAsFiles();
    void runsStayWithinTheGenerationLimit();
};

namespace {
// Whether the process has its own handler for the signal yet.
bool catches(qint64 process, int signal)
{
    QFile status(QString("/proc/%1/status").arg(process));
    if (!status.open(QIODevice::ReadOnly))
        return false;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("SigCgt:"))
            return (line.mid(7).trimmed().toULongLong(nullptr, 16) >> (signal - 1)) & 1;
    }
    return false;
}
}

void tst_CommandLine::answersWithoutADisplay_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QStringList>("environment");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("output");
    QTest::addColumn<QString>("error");
    const QStringList none;
    QTest::newRow("help") << QStringList{"--help"} << none << 0 << "--headless" << "";
    QTest::newRow("version") << QStringList{"--version"} << none << 0 << "vezo-vizoziv " VEZO_VERSION "\n" << "";
    QTest::newRow("unknown option") << QStringList{"--colour"} << none << 1 << "" << "Unknown option 'colour'";
    QTest::newRow("stray argument") << QStringList{"twodissimilarpeaks"} << none << 1 << "" << "Unexpected argument";
    QTest::newRow("recorder option alone") << QStringList{"--seed", "4"} << none << 1 << "" << "--seed goes with --headless";
    QTest::newRow("unreachable display") << QStringList{"--colour"} << QStringList{"DISPLAY=:99"} << 1 << ""
                                         << "Unknown option 'colour'";
    QTest::newRow("empty platform") << QStringList{"--seed", "4"} << QStringList{"QT_QPA_PLATFORM="} << 1 << ""
                                    << "--seed goes with --headless";
    QTest::newRow("window style with --headless") << QStringList{"--headless", "--generations", "3", "-style", "Fusion"}
                                                  << none << 1 << "" << "-style is an option for the window";
    QTest::newRow("platform with --headless") << QStringList{"--headless", "--generations", "3", "-platform", "offscreen"}
                                              << QStringList{"DISPLAY=:0"} << 1 << "" << "-platform is an option for the window";
    QTest::newRow("--observe with --headless") << QStringList{"--headless", "--observe", "--generations", "3"} << none
                                               << 1 << "" << "--observe does not go with --headless";
    QTest::newRow("window option without its value") << QStringList{"-platform"} << QStringList{"DISPLAY=:99"} << 1 << ""
                                                     << "-platform needs a value";
    QTest::newRow("window option with an empty value") << QStringList{"-style="} << QStringList{"DISPLAY=:99"} << 1 << ""
                                                       << "-style needs a value";
    QTest::newRow("explain every") << QStringList{"--headless", "--explain", "--generations", "1", "--every", "5"} << none
                                   << 1 << "" << "--every does not go with --explain";
    QTest::newRow("generations past the limit") << QStringList{"--headless", "--generations", "9223372036854775807"}
                                                << none << 1 << "" << "from 0 to 1125899906842624";
    QTest::newRow("target out of reach") << QStringList{"--experiment", "--generations", "2", "--seeds", "2", "--target",
                                                        "1000", "--csv", "/dev/null"}
                                         << none << 0 << "" << "warning: --target 1000 is above the landscape's highest value 128";
    QTest::newRow("explain") << QStringList{"--headless", "--explain", "--generations", "1"} << none << 0
                             << "generation,child,parent,partner,split,flipped_bit,genome\n1,0,9,7,1,,222\n1,1,7,9,1,,394\n"
                             << "";
    QTest::newRow("snapshot that is no file") << QStringList{"--headless", "--generations", "2", "--snapshot", "/dev/null"}
                                              << none << 1 << "" << "cannot open snapshot '/dev/null': ";
    QTest::newRow("snapshot and a seed") << QStringList{"--headless", "--generations", "2", "--snapshot", "a.vezo", "--seed", "4"}
                                         << none << 1 << "" << "--seed does not go with --snapshot";
    QTest::newRow("window snapshot with --headless") << QStringList{"--headless", "--generations", "2", "a.vezo"} << none
                                                     << 1 << "" << "--headless opens no snapshot in a window";
    QTest::newRow("snapshot into a missing folder") << QStringList{"--headless", "--generations", "4000000000",
                                                                   "--save-snapshot", "/nonexistent/x.vezo"}
                                                    << none << 1 << "" << "cannot write snapshot '/nonexistent/x.vezo'";
    QTest::newRow("one file for two outputs") << QStringList{"--headless", "--generations", "2", "--csv", "x", "--save-snapshot", "x"}
                                              << none << 1 << "" << "'x' is named for two outputs";
    QTest::newRow("stream targets work") << QStringList{"--headless", "--generations", "3", "--csv", "/dev/null"} << none
                                         << 0 << "" << "";
}

void tst_CommandLine::answersWithoutADisplay()
{
    QFETCH(QStringList, arguments);
    QFETCH(QStringList, environment);
    QFETCH(int, status);
    QFETCH(QString, output);
    QFETCH(QString, error);
    QScopedPointer<QProcess> process(program(arguments, environment));
    QCOMPARE(process->exitStatus(), QProcess::NormalExit);
    QCOMPARE(process->exitCode(), status);
    QVERIFY(QString(process->readAllStandardOutput()).contains(output));
    const QString said = process->readAllStandardError();
    QVERIFY2(error.isEmpty() ? said.isEmpty() : said.contains(error) && said.count('\n') == 1, qPrintable(said));
}

// A landscape and an output whose names are not valid text are found and made as they are.
void tst_CommandLine::fileNamesKeepTheirBytes()
{
    QTemporaryDir folder;
    const QString in = "\"$(printf 'in\\377')\"";
    const QString out = "\"$(printf 'out\\377.csv')\"";
    QScopedPointer<QProcess> process(shell(QString("cd '%1' && printf '7 8 %.0s' $(seq 256) > %2 && "
                                                   "\"$0\" --headless --generations 0 --landscape %2 --csv %3 && "
                                                   "cat %3 && rm %2 %3")
                                               .arg(folder.path(), in, out)));
    QCOMPARE(process->readAllStandardError(), QByteArray());
    QVERIFY(process->readAllStandardOutput().contains("\n0,8,7.100,7,"));
}

void tst_CommandLine::closedOutputIsRefused()
{
    QScopedPointer<QProcess> process(shell("\"$0\" --headless --generations 2 >&-"));
    QCOMPARE(process->exitCode(), 1);
    QCOMPARE(process->readAllStandardError(), QByteArray("vezo-vizoziv: standard output is closed\n"));
}

// A full device fails the first write: the run ends there with the reason.
void tst_CommandLine::recorderStopsAtTheFirstFailedWrite()
{
    QScopedPointer<QProcess> process(program({"--headless", "--generations", "4000000000", "--csv", "/dev/full"}));
    QCOMPARE(process->exitCode(), 1);
    QCOMPARE(process->readAllStandardError(), QByteArray("vezo-vizoziv: cannot write '/dev/full': No space left on device\n"));
}

void tst_CommandLine::interruptedRunLeavesTheOldFile_data()
{
    QTest::addColumn<int>("signal");
    QTest::addColumn<QStringList>("run");
    const QStringList recorder{"--headless", "--generations", "4000000000"};
    QTest::newRow("TERM") << SIGTERM << recorder;
    QTest::newRow("INT") << SIGINT << recorder;
    // Runs of minutes each: the stop request is heeded within a run.
    QTest::newRow("INT, experiment") << SIGINT << QStringList{"--experiment", "--generations", "1000000000", "--seeds", "4"};
}

void tst_CommandLine::interruptedRunLeavesTheOldFile()
{
    QFETCH(int, signal);
    QFETCH(QStringList, run);
    QTemporaryDir folder;
    const QString csv = folder.filePath("old.csv");
    QFile old(csv);
    QVERIFY(old.open(QIODevice::WriteOnly) && old.write("kept\n") == 5);
    old.close();
    QScopedPointer<QProcess> process(startProgram(run + QStringList{"--csv", csv}));
    QVERIFY(process->waitForStarted());
    QTRY_VERIFY(catches(process->processId(), signal));
    ::kill(static_cast<pid_t>(process->processId()), signal);
    QVERIFY(process->waitForFinished());
    QCOMPARE(process->exitStatus(), QProcess::CrashExit);
    QVERIFY(process->readAllStandardError().contains("interrupted; '" + csv.toLocal8Bit() + "' is as it was"));
    QVERIFY(old.open(QIODevice::ReadOnly));
    QCOMPARE(old.readAll(), QByteArray("kept\n"));
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList("old.csv"));
}

// Members all at fitness 0 say so on standard error, never among the rows.
void tst_CommandLine::zeroTotalStaysOutOfTheRows()
{
    QTemporaryDir folder;
    QFile zeros(folder.filePath("zeros"));
    QVERIFY(zeros.open(QIODevice::WriteOnly) && zeros.write(QByteArray(512 * 2, ' ').replace(' ', "0 ")) > 0);
    zeros.close();
    QScopedPointer<QProcess> process(program({"--headless", "--generations", "3", "--landscape", zeros.fileName()}));
    QCOMPARE(process->exitCode(), 0);
    QCOMPARE(process->readAllStandardOutput().count('\n'), 5);
    QCOMPARE(process->readAllStandardError(), QByteArray("total_fitness = 0. Not good. Seting to 1.\n").repeated(3));
}

// Saved after K generations and continued for M, the rows are those of the run of K + M.
void tst_CommandLine::snapshotGoesOnWithTheRun()
{
    QTemporaryDir folder;
    const QString snapshot = folder.filePath("at40.vezo");
    const QStringList run{"--headless", "--seed", "9", "--mutation", "90", "--bias", "0", "--every", "5", "--generations"};
    QScopedPointer<QProcess> whole(program(run + QStringList{"70"}));
    QScopedPointer<QProcess> first(program(run + QStringList{"40", "--save-snapshot", snapshot}));
    QScopedPointer<QProcess> rest(program({"--headless", "--snapshot", snapshot, "--every", "5", "--generations", "30"}));
    QCOMPARE(first->exitCode() + rest->exitCode(), 0);
    const QList<QByteArray> rows = whole->readAllStandardOutput().split('\n');
    QCOMPARE(rest->readAllStandardOutput(), rows.mid(0, 1).join('\n') + '\n' + rows.mid(9).join('\n'));
    // A lesson goes on with the run it came with.
    const QString lesson = folder.filePath("drift.vezo");
    QScopedPointer<QProcess> onward(program({"--headless", "--generations", "3", "--csv", "/dev/null", "--snapshot",
                                             VEZO_SOURCE "/lessons/drift.vezo", "--save-snapshot", lesson}));
    QCOMPARE(onward->exitCode(), 0);
    QFile saved(lesson);
    QVERIFY(saved.open(QIODevice::ReadOnly) && saved.readAll().contains("\"lesson\""));
}

void tst_CommandLine::experimentRefusesBadInput_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("error");
    QTest::newRow("unknown name") << QStringList{"--vary", "speed=1,2"} << "unknown parameter 'speed'";
    QTest::newRow("empty list") << QStringList{"--vary", "bias="} << "bias: no values given";
    QTest::newRow("out of range") << QStringList{"--vary", "fitness=0,5"} << "fitness takes whole numbers from 1 to 100";
    QTest::newRow("seeds 0") << QStringList{"--seeds", "0"} << "--seeds takes a whole number from 1";
    QTest::newRow("shard 0/3") << QStringList{"--shard", "0/3"} << "1 <= K <= N, not '0/3'";
    QTest::newRow("shard 4/3") << QStringList{"--shard", "4/3"} << "1 <= K <= N, not '4/3'";
    QTest::newRow("three --vary") << QStringList{"--vary", "bias=1", "--vary", "fitness=2", "--vary", "mutation=3"}
                                  << "at most 2 parameters can vary";
    QTest::newRow("with --headless") << QStringList{"--headless"} << "--headless and --experiment do not go together";
    QTest::newRow("missing landscape") << QStringList{"--landscape", "/nonexistent"} << "cannot read landscape";
    QTest::newRow("varied and fixed") << QStringList{"--vary", "fitness=1,2", "--fitness", "50"}
                                      << "--fitness does not go with --vary fitness";
}

// One line, no rows, no file.
void tst_CommandLine::experimentRefusesBadInput()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, error);
    QTemporaryDir folder;
    QScopedPointer<QProcess> process(program(QStringList{"--experiment", "--generations", "5", "--seeds", "3", "--csv",
                                                         folder.filePath("runs.csv")} + arguments));
    QCOMPARE(process->exitCode(), 1);
    QCOMPARE(process->readAllStandardOutput(), QByteArray());
    const QString said = process->readAllStandardError();
    QVERIFY2(said.contains(error) && said.count('\n') == 1, qPrintable(said));
    QVERIFY(!QFile::exists(folder.filePath("runs.csv")));
}

void tst_CommandLine::experimentRowsDoNotDependOnThreads()
{
    const QStringList experiment{"--experiment", "--generations", "60", "--seeds", "7", "--vary", "bias=0,10", "--threads"};
    QScopedPointer<QProcess> one(program(experiment + QStringList{"1"}));
    QScopedPointer<QProcess> two(program(experiment + QStringList{"2"}));
    const QByteArray rows = one->readAllStandardOutput();
    QCOMPARE(rows.count('\n'), 1 + 2 * 7);
    QCOMPARE(two->readAllStandardOutput(), rows);
}

void tst_CommandLine::ignoredSignalsStayIgnored_data()
{
    QTest::addColumn<QString>("run");
    QTest::newRow("recorder") << "--headless --generations 4000000000 --csv /dev/null";
    QTest::newRow("experiment") << "--experiment --generations 1000000000 --seeds 2 --csv /dev/null";
}

// As under nohup: HUP ignored from the start stays ignored, TERM still stops the run.
void tst_CommandLine::ignoredSignalsStayIgnored()
{
    QFETCH(QString, run);
    QProcess process;
    process.start("/bin/sh", {"-c", "trap '' HUP; exec \"$0\" " + run, VEZO_PROGRAM});
    QVERIFY(process.waitForStarted());
    QTRY_VERIFY(catches(process.processId(), SIGTERM));
    QVERIFY(!catches(process.processId(), SIGHUP));
    ::kill(static_cast<pid_t>(process.processId()), SIGHUP);
    QVERIFY(!process.waitForFinished(200));
    ::kill(static_cast<pid_t>(process.processId()), SIGTERM);
    QVERIFY(process.waitForFinished());
    QCOMPARE(process.exitStatus(), QProcess::CrashExit);
}

void tst_CommandLine::outputsAreComparedAsFiles_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("error");
    const QString run = "\"$0\" --headless --generations 2 ";
    const QString experiment = "\"$0\" --experiment --generations 2 --seeds 2 ";
    QTest::newRow("another spelling") << run + "--csv same.x --save-snapshot ./same.x" << 1 << "'same.x' is named for two outputs";
    QTest::newRow("a link") << "ln -s rows.csv link && " + run + "--csv rows.csv --save-snapshot link" << 1
                            << "'rows.csv' is named for two outputs";
    QTest::newRow("summary over the rows") << experiment + "--csv e.csv --summary ./e.csv" << 1 << "'e.csv' is named for two outputs";
    QTest::newRow("snapshot over rows in a file") << run + "--save-snapshot /dev/stdout > out" << 1
                                                  << "'/dev/stdout' names standard output";
    QTest::newRow("summary over rows in a file") << experiment + "--summary /dev/stdout > out" << 1
                                                 << "'/dev/stdout' names standard output";
    QTest::newRow("streams share a device") << experiment + "--csv /dev/null --summary /dev/null" << 0 << "";
    QTest::newRow("rows and summary down one pipe") << experiment + "--summary /dev/stdout | cat > out" << 0 << "";
}

// One file never takes two outputs, by whatever names; devices and pipes may.
void tst_CommandLine::outputsAreComparedAsFiles()
{
    QFETCH(QString, command);
    QFETCH(int, status);
    QFETCH(QString, error);
    QTemporaryDir folder;
    QScopedPointer<QProcess> process(shell(QString("cd '%1' && %2").arg(folder.path(), command)));
    QCOMPARE(process->exitCode(), status);
    const QString said = process->readAllStandardError();
    QVERIFY2(error.isEmpty() ? said.isEmpty() : said.contains(error) && said.count('\n') == 1, qPrintable(said));
    if (status != 0)
        QVERIFY(QDir(folder.path()).entryList(QDir::Files).size() <= 1);
}

// A run that would pass the last generation a snapshot keeps is refused before it
// starts; one that stays within it writes a snapshot that opens again.
void tst_CommandLine::runsStayWithinTheGenerationLimit()
{
    QTemporaryDir folder;
    QScopedPointer<QProcess> process(shell(
        QString("cd '%1' && \"$0\" --headless --generations 0 --save-snapshot s.vezo > /dev/null && "
                "sed -i 's/\"generation\": 0,/\"generation\": 1125899906842624,/' s.vezo && "
                "\"$0\" --headless --snapshot s.vezo --generations 3 --save-snapshot past.vezo; echo $?; "
                "\"$0\" --headless --snapshot s.vezo --generations 0 --save-snapshot rt.vezo > /dev/null && "
                "\"$0\" --headless --snapshot rt.vezo --generations 0 | tail -n 1 | cut -d, -f1; ls")
            .arg(folder.path())));
    QCOMPARE(process->readAllStandardOutput(), QByteArray("1\n1125899906842624\nrt.vezo\ns.vezo\n"));
    QCOMPARE(process->readAllStandardError(),
             QByteArray("vezo-vizoziv: --generations 3 would take the run from generation 1125899906842624 past "
                        "1125899906842624, the most a run may reach\n"));
}

QTEST_APPLESS_MAIN(tst_CommandLine)
#include "tst_commandline.moc"
