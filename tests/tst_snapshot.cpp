// SPDX-License-Identifier: GPL-3.0-or-later
#include "landscapefile.h"
#include "mainwindow.h"
#include "random.h"
#include "observatory.h"
#include "run.h"
#include "safefile.h"
#include "snapshot.h"
#include "startstate.h"
#include "widgets.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStandardPaths>
#include <QtTest>

#include <climits>
#include <sys/stat.h>

class tst_Snapshot : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void generatorRestoresAnyCountOfDraws_data();
    void generatorRestoresAnyCountOfDraws();
    void roundTripKeepsEveryField();
    void damagedTextIsRefused_data();
    void damagedTextIsRefused();
    void onlyRegularFilesOfSnapshotSizeAreRead_data();
    void onlyRegularFilesOfSnapshotSizeAreRead();
    void windowSnapshotContinuesTheRun_data();
    void windowSnapshotContinuesTheRun();
    void savedLandscapeLoadsBack();
    void shippedLessonsLoad();
    void nothingPastTheLimitIsWritten();

private:
    QTemporaryDir folder;
    QByteArray path(const char *name) const { return QFile::encodeName(folder.filePath(name)); }
};

namespace {
RunState unusualState()
{
    RunState state;
    for (int index = 0; index < LandscapeSize; ++index) {
        state.landscape[index] = index * 7 - 1000;
        state.reference[index] = 511 - index;
    }
    state.landscape[0] = INT_MIN;
    state.landscape[LastGenome] = INT_MAX;
    state.name = "needle ✓ \"quoted\"";
    state.settings = Settings{99, 0, 10};
    state.pace = Snapshot::MaxPace;
    for (int membr = 0; membr < CommunitySize; ++membr)
        state.genomes[membr] = membr * 56 + 7;
    state.generation = 123456789012345LL;
    state.seed = 4294967295u;
    state.draws = (1LL << 53) + 1;
    state.reseedPending = false;
    state.reseedSeed = 0;
    return state;
}

// The unusual state's text with one field replaced, or removed when value is undefined.
QByteArray changed(const QString &key, const QJsonValue &value)
{
    QJsonObject root = QJsonDocument::fromJson(snapshotText(unusualState())).object();
    const QStringList path = key.split('/');
    if (path.size() == 2) {
        QJsonObject inner = root.value(path[0]).toObject();
        if (value.isUndefined())
            inner.remove(path[1]);
        else
            inner.insert(path[1], value);
        root.insert(path[0], inner);
    } else if (value.isUndefined()) {
        root.remove(key);
    } else {
        root.insert(key, value);
    }
    return QJsonDocument(root).toJson();
}

QJsonArray whole(int count, int value)
{
    QJsonArray array;
    for (int index = 0; index < count; ++index)
        array.append(value);
    return array;
}

QStringList csvLines(const Observatory &observatory, const QString &path)
{
    QString error;
    if (!observatory.exportCsv(path, error))
        return {error};
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return QString::fromLatin1(file.readAll()).split('\n', Qt::SkipEmptyParts);
}
}

// The windows' settings, not the user's.
void tst_Snapshot::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
}

void tst_Snapshot::generatorRestoresAnyCountOfDraws_data()
{
    QTest::addColumn<unsigned>("seed");
    QTest::addColumn<long long>("draws");
    for (long long draws : {0LL, 1LL, 30LL, 31LL, 32LL, 341LL, 100003LL})
        QTest::addRow("seed 0, %lld draws", draws) << 0u << draws;
    QTest::newRow("largest seed") << 4294967295u << 1000LL;
}

// Restoring jumps there at once: the window's generator and a run's draw what stepping there draws next.
void tst_Snapshot::generatorRestoresAnyCountOfDraws()
{
    QFETCH(unsigned, seed);
    QFETCH(long long, draws);
    Random stepped(seed);
    for (long long draw = 0; draw < draws; ++draw)
        stepped();
    Random restored(1);
    restored.restore(seed, draws);
    ProcessRandom::restore(seed, draws);
    QCOMPARE(ProcessRandom::draws(), draws);
    for (int draw = 0; draw < 100; ++draw) {
        const int expected = stepped();
        QCOMPARE(restored(), expected);
        QCOMPARE(ProcessRandom::draw(), expected);
    }
    Random far(seed);
    far.restore(seed, 1LL << 50);
    far();
    Random farther(seed);
    farther.restore(seed, (1LL << 50) + 1);
    QCOMPARE(far(), farther());
}

// Extremes of every range, through the file and through the text.
void tst_Snapshot::roundTripKeepsEveryField()
{
    const RunState written = unusualState();
    QString error;
    QVERIFY2(writeSnapshot(path("round.vezo"), written, error), qPrintable(error));
    RunState read;
    QVERIFY2(readSnapshot(path("round.vezo"), read, error), qPrintable(error));
    QCOMPARE(snapshotText(read), snapshotText(written));
    QCOMPARE(read.draws, written.draws); // beyond a double's 53 bits
    const QJsonObject root = QJsonDocument::fromJson(snapshotText(written)).object();
    QCOMPARE(root.value("format").toString(), QString(Snapshot::Format));
    QCOMPARE(root.value("version").toInt(), Snapshot::Version);
}

void tst_Snapshot::damagedTextIsRefused_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("message");
    const QByteArray good = snapshotText(unusualState());
    QTest::newRow("empty") << QByteArray() << "damaged";
    QTest::newRow("not JSON") << QByteArray("0 1 2 3\n") << "damaged";
    QTest::newRow("truncated") << good.left(good.size() / 2) << "damaged";
    QTest::newRow("JSON array") << QByteArray("[1, 2]") << "not a snapshot";
    QTest::newRow("other format") << changed("format", "something else") << "not a snapshot";
    QTest::newRow("other version") << changed("version", 2) << "version 2";
    QTest::newRow("fitness 0") << changed("fitness", 0) << "\"fitness\" must be a whole number from 1 to 99";
    QTest::newRow("bias 11") << changed("bias", 11) << "\"bias\"";
    QTest::newRow("mutation fraction") << changed("mutation", 2.5) << "\"mutation\"";
    QTest::newRow("pace as text") << changed("pace", "fast") << "\"pace\"";
    QTest::newRow("negative generation") << changed("generation", -1) << "\"generation\"";
    QTest::newRow("generation past the limit") << changed("generation", (1LL << 50) + 1) << "\"generation\"";
    QTest::newRow("name of 257 characters") << changed("name", QString(257, 'n')) << "longer than 256 characters";
    QTest::newRow("genome 512") << changed("genomes", whole(CommunitySize, 512)) << "\"genomes\"";
    QTest::newRow("nine genomes") << changed("genomes", whole(CommunitySize - 1, 0)) << "exactly 10";
    QTest::newRow("511 values") << changed("landscape", whole(LandscapeSize - 1, 0)) << "exactly 512";
    QTest::newRow("value beyond int") << changed("reference", QJsonArray{2147483648LL}) << "\"reference\"";
    QTest::newRow("seed 2^32") << changed("random/seed", 4294967296LL) << "in \"random\"";
    QTest::newRow("negative draws") << changed("random/draws", -1) << "\"draws\"";
    QTest::newRow("reseed flag as number") << changed("reseed/pending", 1) << "true or false";
    QTest::newRow("missing landscape") << changed("landscape", QJsonValue::Undefined) << "\"landscape\" is missing";
    QTest::newRow("missing name") << changed("name", QJsonValue::Undefined) << "\"name\" is missing";
    QTest::newRow("missing reseed seed") << changed("reseed/seed", QJsonValue::Undefined) << "\"seed\" is missing";
}

// One message, and the state as it was.
void tst_Snapshot::damagedTextIsRefused()
{
    QFETCH(QByteArray, text);
    QFETCH(QString, message);
    RunState state;
    const QByteArray before = snapshotText(state);
    QString error;
    QVERIFY(!parseSnapshot(text, state, error));
    QVERIFY2(error.contains(message), qPrintable(error));
    QVERIFY(!error.contains('\n'));
    QCOMPARE(snapshotText(state), before);
}

void tst_Snapshot::onlyRegularFilesOfSnapshotSizeAreRead_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("message");
    QTest::newRow("folder") << "folder" << "is a folder";
    QTest::newRow("FIFO") << "fifo" << "is not a regular file";
    QTest::newRow("missing") << "missing" << "No such file";
    QTest::newRow("too large") << "large" << "too large";
}

void tst_Snapshot::onlyRegularFilesOfSnapshotSizeAreRead()
{
    QFETCH(QString, kind);
    QFETCH(QString, message);
    const QByteArray target = path(qPrintable(kind));
    QString error;
    if (kind == "folder")
        QVERIFY(QDir().mkpath(QFile::decodeName(target)));
    else if (kind == "fifo")
        QCOMPARE(mkfifo(target.constData(), 0600), 0);
    else if (kind == "large")
        QVERIFY(writeWholeFile(target, QByteArray(Snapshot::MaxFileBytes + 1, ' '), error));
    RunState state;
    const QByteArray before = snapshotText(state);
    QVERIFY(!readSnapshot(target, state, error));
    QVERIFY2(error.contains(message), qPrintable(error));
    QCOMPARE(snapshotText(state), before);
}

void tst_Snapshot::windowSnapshotContinuesTheRun_data()
{
    QTest::addColumn<int>("saved");
    QTest::addColumn<int>("more");
    QTest::addColumn<int>("bias");
    QTest::newRow("right after a restart, reseed pending") << 0 << 40 << 1;
    QTest::newRow("mid-run") << 57 << 60 << 0;
}

// A snapshot at generation K opened in a fresh window and stepped M times gives the
// rows K to K + M of the run that went on, and so does the run object.
void tst_Snapshot::windowSnapshotContinuesTheRun()
{
    QFETCH(int, saved);
    QFETCH(int, more);
    QFETCH(int, bias);
    QString error;
    MainWindow whole;
    Observatory wholeView(&whole);
    button(whole, "shift Right")->click();
    whole.restartWithSeed(2024);
    control(whole, "Fitness Multiplier")->setValue(60);
    control(whole, "Mutation Bias")->setValue(bias);
    for (int generation = 0; generation < saved; ++generation)
        whole.slot_vezo();
    QVERIFY2(writeSnapshot(path("run.vezo"), whole.state(), error), qPrintable(error));
    for (int generation = 0; generation < more; ++generation)
        whole.slot_vezo();
    const QStringList wholeRows = csvLines(wholeView, folder.filePath("whole.csv"));

    MainWindow fresh;
    Observatory freshView(&fresh);
    RunState opened;
    QVERIFY2(readSnapshot(path("run.vezo"), opened, error), qPrintable(error));
    fresh.restoreState(opened);
    QCOMPARE(control(fresh, "Fitness Multiplier")->value(), 60);
    QCOMPARE(control(fresh, "Mutation Bias")->value(), bias);
    freshView.clearHistory();
    for (int generation = 0; generation < more; ++generation)
        fresh.slot_vezo();
    const QStringList freshRows = csvLines(freshView, folder.filePath("fresh.csv"));
    QCOMPARE(freshRows.size(), more + 2);
    QCOMPARE(freshRows.mid(1), wholeRows.mid(wholeRows.size() - more - 1));
    QCOMPARE(fresh.generationCount(), qint64(saved + more));

    Run run(opened);
    for (int generation = 0; generation < more; ++generation)
        run.step();
    const RunState end = whole.state();
    QCOMPARE(QList<int>(run.genomes(), run.genomes() + CommunitySize), QList<int>(end.genomes, end.genomes + CommunitySize));
}

void tst_Snapshot::savedLandscapeLoadsBack()
{
    const RunState state = unusualState();
    QString error;
    QVERIFY2(saveLandscape(path("landscape"), state.landscape, error), qPrintable(error));
    int loaded[LandscapeSize] = {};
    QVERIFY2(loadLandscape(path("landscape"), loaded, error), qPrintable(error));
    QCOMPARE(QList<int>(loaded, loaded + LandscapeSize), QList<int>(state.landscape, state.landscape + LandscapeSize));
    QVERIFY(!saveLandscape(path("no folder/landscape"), state.landscape, error));
    QVERIFY(!error.isEmpty());
}

// A window stepped past the last generation a snapshot keeps is not saved; at it, it reads back.
void tst_Snapshot::nothingPastTheLimitIsWritten()
{
    RunState state = unusualState();
    state.generation = Snapshot::MostGenerations;
    state.draws = 0;
    MainWindow window;
    window.restoreState(state);
    QString error;
    QVERIFY2(writeSnapshot(path("limit.vezo"), window.state(), error), qPrintable(error));
    QVERIFY2(readSnapshot(path("limit.vezo"), state, error), qPrintable(error));
    window.slot_vezo();
    QVERIFY(!writeSnapshot(path("past.vezo"), window.state(), error));
    QCOMPARE(error, QString("the run is past generation 1125899906842624, the most a snapshot keeps"));
    QVERIFY(!QFile::exists(path("past.vezo")));
}

// VEZO_LESSONS names the folder to check, the installed one for instance. Each
// lesson speaks four languages in every text, predicts and measures in a step,
// and runs at a pace a class can watch, or leaves the pace alone.
void tst_Snapshot::shippedLessonsLoad()
{
    const QString lessons = qEnvironmentVariable("VEZO_LESSONS", QStringLiteral(VEZO_SOURCE "/lessons"));
    const QFileInfoList files = QDir(lessons).entryInfoList({"*.vezo"}, QDir::Files);
    QCOMPARE(files.size(), 6);
    const QStringList languages{"de", "en", "es", "fr"};
    for (const QFileInfo &file : files) {
        RunState state;
        Lesson lesson;
        QString error;
        QVERIFY2(readSnapshot(QFile::encodeName(file.filePath()), state, lesson, error), qPrintable(file.fileName() + ": " + error));
        QVERIFY(!state.name.empty());
        QVERIFY2(!lesson.pace || *lesson.pace <= WatchablePace, qPrintable(file.fileName()));
        QList<LessonText> texts{lesson.title, lesson.notes};
        bool predicts = false;
        for (const LessonStep &step : lesson.steps) {
            texts << step.notes;
            if (!step.question.isEmpty())
                texts << step.question;
            for (const LessonChoice &choice : step.choices)
                texts << choice.text;
            predicts = predicts || (!step.choices.isEmpty() && step.action != LessonStep::NoAction);
        }
        QVERIFY2(predicts, qPrintable(file.fileName()));
        for (const LessonText &text : texts)
            QCOMPARE(text.keys(), languages);
    }
}

QTEST_MAIN(tst_Snapshot)
#include "tst_snapshot.moc"
