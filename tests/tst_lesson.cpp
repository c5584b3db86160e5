// SPDX-License-Identifier: GPL-3.0-or-later
#include "experimentwindow.h"
#include "historychart.h"
#include "landscapepanel.h"
#include "lessonmodel.h"
#include "lessonpanel.h"
#include "mainwindow.h"
#include "observatory.h"
#include "run.h"
#include "snapshot.h"
#include "widgets.h"

#include <QAccessible>
#include <QJsonDocument>
#include <QLabel>
#include <QJsonObject>
#include <QRadioButton>
#include <QSettings>
#include <QStandardPaths>
#include <QTextBrowser>
#include <QTemporaryDir>
#include <QtTest>

namespace {
const QString Lessons = QStringLiteral(VEZO_SOURCE "/lessons/");

QByteArray lessonFile(const QString &name)
{
    return QFile::encodeName(Lessons + name);
}

// A snapshot's text with its "lesson" replaced, or left out when lesson is undefined.
QByteArray withLesson(const QJsonValue &lesson)
{
    QFile file(Lessons + "drift.vezo");
    file.open(QIODevice::ReadOnly);
    QJsonObject root = QJsonDocument::fromJson(file.readAll()).object();
    root.remove("lesson");
    if (!lesson.isUndefined())
        root.insert("lesson", lesson);
    return QJsonDocument(root).toJson();
}

QJsonObject fromText(const char *json)
{
    return QJsonDocument::fromJson(json).object();
}
}

class tst_Lesson : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void roundTripKeepsTheLessonAndOldFilesOpen();
    void malformedLessonsAreRefused_data();
    void malformedLessonsAreRefused();
    void languageFollowsTheDesktopWithEnglishAsFallback_data();
    void languageFollowsTheDesktopWithEnglishAsFallback();
    void stepMeasuresWhatTheSameRunGivesDirectly_data();
    void stepMeasuresWhatTheSameRunGivesDirectly();
    void experimentStepMeasuresWhatTheExperimentGives();
    void paceIsTheLessonsOnlyWhereItNamesOne_data();
    void paceIsTheLessonsOnlyWhereItNamesOne();
    void choicesAndEditedNotesAreSavedWithTheSnapshot();
    void panelIsReadByAScreenReader();
    void driftKeepsNineTenthsOfTheDiversityAGeneration();
    void driftLineHoldsWhileFlatAndWithoutMutation();

private:
    QString path(const QString &name) const { return scratch.filePath(name); }

    QTemporaryDir scratch;
};

void tst_Lesson::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    MainWindow window;
    button(window, "Step")->click();
}

void tst_Lesson::init()
{
    QSettings("vezo-vizoziv", "vezo-vizoziv").clear();
}

// Every kind of step and an answer chosen come back as written; a snapshot without
// a lesson, as every file of version 1 written before, opens with none.
void tst_Lesson::roundTripKeepsTheLessonAndOldFilesOpen()
{
    RunState state;
    Lesson lesson;
    QString error;
    QVERIFY2(readSnapshot(lessonFile("needle-bias.vezo"), state, lesson, error), qPrintable(error));
    lesson.steps[0].chosen = 2;
    lesson.steps.append(lesson.steps[0]);
    lesson.steps.last().measure = StepMeasure{Quantity::SchemaCount, 7, 0, parseSchema("1*0******").schema};
    lesson.steps.last().chosen = -1;
    lesson.pace.reset();

    RunState readState;
    Lesson read;
    QVERIFY2(parseSnapshot(snapshotText(state, lesson), readState, read, error), qPrintable(error));
    QCOMPARE(lessonJson(read), lessonJson(lesson));
    QCOMPARE(read.steps[0].chosen, 2);
    QCOMPARE(read.steps.last().measure.schema.text(), std::string("1*0******"));
    QVERIFY(!read.pace);

    // A title written in the program before any notes opens again.
    Lesson titled;
    titled.title.insert("de", "Nur ein Titel");
    QVERIFY2(parseSnapshot(snapshotText(state, titled), readState, read, error), qPrintable(error));
    QCOMPARE(lessonJson(read), lessonJson(titled));

    QVERIFY2(parseSnapshot(withLesson(QJsonValue::Undefined), readState, read, error), qPrintable(error));
    QVERIFY(read.isEmpty());
    QVERIFY(!snapshotText(readState).contains("lesson"));
    QCOMPARE(QJsonDocument::fromJson(snapshotText(readState)).object().value("version").toInt(), 1);
}

void tst_Lesson::malformedLessonsAreRefused_data()
{
    QTest::addColumn<QByteArray>("lesson");
    QTest::addColumn<QString>("message");
    const auto row = [](const char *name, const char *lesson, const char *message) {
        QTest::newRow(name) << QByteArray(lesson) << QString(message);
    };
    row("not an object", R"("hello")", "\"lesson\" must be an object");
    row("no notes", R"({"title": {"en": "T"}})", "in \"lesson\": the field \"notes\" is missing");
    row("text not by language", R"({"title": "T", "notes": {"en": "N"}})",
        "in \"lesson\": \"title\" must be an object of texts by language, such as {\"en\": \"…\"}");
    row("bad language code", R"({"title": {"English": "T"}, "notes": {"en": "N"}})",
        "in \"lesson\": \"English\" is not a language code, such as \"en\" or \"de\"");
    row("pace 0", R"({"title": {"en": "T"}, "notes": {"en": "N"}, "pace": 0})",
        "in \"lesson\": \"pace\" must be a whole number from 1 to 1000");
    row("question without action", R"({"title": {"en": "T"}, "notes": {"en": "N"}, "steps": [
        {"notes": {"en": "S"}, "question": {"en": "Q"}, "choices": [{"text": {"en": "a"}}, {"text": {"en": "b"}}]}]})",
        "in \"lesson.steps[0]\": a question needs a \"run\" or an \"experiment\" that answers it");
    row("one choice", R"({"title": {"en": "T"}, "notes": {"en": "N"}, "steps": [
        {"notes": {"en": "S"}, "question": {"en": "Q"}, "choices": [{"text": {"en": "a"}}],
         "run": {"generations": 5, "measure": "best"}}]})",
        "in \"lesson.steps[0]\": a question needs from 2 to 8 \"choices\"");
    row("empty range", R"({"title": {"en": "T"}, "notes": {"en": "N"}, "steps": [
        {"notes": {"en": "S"}, "question": {"en": "Q"}, "choices": [{"text": {"en": "a"}, "from": 2, "to": 2},
         {"text": {"en": "b"}}], "run": {"generations": 5, "measure": "best"}}]})",
        "in \"lesson.steps[0].choices[0]\": \"from\" must be below \"to\"");
    row("chosen past the choices", R"({"title": {"en": "T"}, "notes": {"en": "N"}, "steps": [
        {"notes": {"en": "S"}, "question": {"en": "Q"}, "choices": [{"text": {"en": "a"}}, {"text": {"en": "b"}}],
         "chosen": 2, "run": {"generations": 5, "measure": "best"}}]})",
        "in \"lesson.steps[0]\": \"chosen\" must be a whole number from 0 to 1");
    row("unknown measure", R"({"title": {"en": "T"}, "notes": {"en": "N"}, "steps": [
        {"notes": {"en": "S"}, "run": {"generations": 5, "measure": "mood"}}]})",
        "in \"lesson.steps[0].run\": \"measure\" must be one of diversity-share, best, first-reach, schema-count");
    row("bad schema", R"({"title": {"en": "T"}, "notes": {"en": "N"}, "steps": [
        {"notes": {"en": "S"}, "run": {"generations": 5, "measure": "schema-count", "schema": "12"}}]})",
        "in \"lesson.steps[0].run\": \"schema\" must be nine characters of 0, 1 and *, bit 8 first");
    row("run too long", R"({"title": {"en": "T"}, "notes": {"en": "N"}, "steps": [
        {"notes": {"en": "S"}, "run": {"generations": 100001, "measure": "best"}}]})",
        "in \"lesson.steps[0].run\": \"generations\" must be a whole number from 1 to 100000");
    row("experiment too large", R"({"title": {"en": "T"}, "notes": {"en": "N"}, "steps": [
        {"notes": {"en": "S"}, "experiment": {"vary": "fitness=1,99", "seeds": 1000, "generations": 10000}}]})",
        "in \"lesson.steps[0].experiment\": seeds × generations × values must stay within 4000000");
    row("bad variation", R"({"title": {"en": "T"}, "notes": {"en": "N"}, "steps": [
        {"notes": {"en": "S"}, "experiment": {"vary": "speed=1", "seeds": 10, "generations": 10}}]})",
        "in \"lesson.steps[0].experiment\": \"vary\": unknown parameter 'speed': it is fitness, mutation or bias");
}

// One message naming where the fault is; the state and the lesson stay as they were.
void tst_Lesson::malformedLessonsAreRefused()
{
    QFETCH(QByteArray, lesson);
    QFETCH(QString, message);
    RunState state;
    state.generation = 77;
    Lesson kept;
    kept.title.insert("en", "kept");
    QString error;
    const QJsonDocument document = QJsonDocument::fromJson("[" + lesson + "]");
    QVERIFY(!parseSnapshot(withLesson(document.array().at(0)), state, kept, error));
    QCOMPARE(error, message);
    QCOMPARE(state.generation, 77LL);
    QCOMPARE(kept.title.value("en"), QString("kept"));
}

void tst_Lesson::languageFollowsTheDesktopWithEnglishAsFallback_data()
{
    QTest::addColumn<QStringList>("available");
    QTest::addColumn<QStringList>("wanted");
    QTest::addColumn<QString>("chosen");
    const QStringList four{"de", "en", "es", "fr"};
    QTest::newRow("German desktop") << four << QStringList{"de-DE", "de", "en"} << "de";
    QTest::newRow("Austrian German") << four << QStringList{"de_AT"} << "de";
    QTest::newRow("second wish") << four << QStringList{"it-IT", "fr-CA"} << "fr";
    QTest::newRow("none of them: English") << four << QStringList{"ja-JP"} << "en";
    QTest::newRow("region kept where the lesson has it") << QStringList{"en", "pt", "pt-BR"} << QStringList{"pt-BR"} << "pt-BR";
    QTest::newRow("no English: the first") << QStringList{"de", "fr"} << QStringList{"ja"} << "de";
    QTest::newRow("nothing written yet: the desktop's") << QStringList() << QStringList{"de-CH", "en"} << "de";
    // Under LANG=C a new text must still be kept under a code the file can be read back with.
    QTest::newRow("nothing written, C locale: English") << QStringList() << QStringList{"C"} << "en";
}

void tst_Lesson::languageFollowsTheDesktopWithEnglishAsFallback()
{
    QFETCH(QStringList, available);
    QFETCH(QStringList, wanted);
    QFETCH(QString, chosen);
    QCOMPARE(chooseLanguage(available, wanted), chosen);
    const LessonText text{{"en", "English"}, {"de", "Deutsch"}};
    QCOMPARE(shownText(text, chosen), chosen == "de" ? QString("Deutsch") : QString("English"));
}

void tst_Lesson::stepMeasuresWhatTheSameRunGivesDirectly_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("page");
    QTest::addColumn<double>("expected"); // what the lesson's notes say
    QTest::newRow("drift: diversity share") << "drift.vezo" << 1 << 0.351;
    QTest::newRow("cliff: never reaches 128") << "tent-cliff.vezo" << 1 << NeverReached;
    QTest::newRow("trap: all ten on genome 0") << "deceptive-trap.vezo" << 1 << 10.0;
    QTest::newRow("schema: 3 become 8") << "schema-theorem.vezo" << 1 << 8.0;
    QTest::newRow("schema: all ten by generation 10") << "schema-theorem.vezo" << 2 << 10.0;
    QTest::newRow("needle: not within 300") << "needle-bias.vezo" << 1 << NeverReached;
    QTest::newRow("trap: 511 not within 500") << "deceptive-trap.vezo" << 2 << NeverReached;
}

// The window's run, measured by the lesson, against a run of the same snapshot on
// its own generator measured alike.
void tst_Lesson::stepMeasuresWhatTheSameRunGivesDirectly()
{
    QFETCH(QString, file);
    QFETCH(int, page);
    QFETCH(double, expected);
    MainWindow window;
    Observatory observatory(&window);
    QString error;
    QVERIFY2(observatory.openSnapshot(lessonFile(file), error), qPrintable(error));
    LessonModel *model = observatory.lessons();
    QSignalSpy answers(model, &LessonModel::answerChanged);
    model->setPage(page);
    QVERIFY(model->runStep(error));
    QTRY_VERIFY_WITH_TIMEOUT(!model->isMeasuring(), 20000);
    QVERIFY(!window.runEvents()->isRunning());
    QVERIFY(answers.count() >= 2);

    RunState state;
    QVERIFY(readSnapshot(lessonFile(file), state, error));
    Run run(state);
    StepMeasurement direct(model->step()->measure, run.record());
    while (!direct.done()) {
        run.step();
        direct.add(run.record());
    }
    QCOMPARE(model->measured().value(), direct.value().value());
    QCOMPARE(window.generationCount(), run.generation());
    QCOMPARE(std::round(*model->measured() * 1000) / 1000, expected);
    QVERIFY(model->measuredChoice() >= 0);
}

// The wheel's lesson: its experiment on the window's landscape against the same
// plan made directly, and the figures its notes state.
void tst_Lesson::experimentStepMeasuresWhatTheExperimentGives()
{
    MainWindow window;
    Observatory observatory(&window);
    QString error;
    QVERIFY2(observatory.openSnapshot(lessonFile("wheel-rule.vezo"), error), qPrintable(error));
    LessonModel *model = observatory.lessons();
    model->setPage(1);
    QVERIFY(model->runStep(error));
    QVERIFY(model->isMeasuring());
    QTRY_VERIFY_WITH_TIMEOUT(!model->isMeasuring(), 30000);

    const LessonStep &step = *model->step();
    ExperimentPlan plan;
    std::copy(window.environment(), window.environment() + LandscapeSize, plan.landscape);
    plan.base = window.settings();
    plan.variations = {step.experiment.variation};
    plan.seeds = step.experiment.seeds;
    plan.generations = step.measure.generations;
    plan.target = step.experiment.target;
    ExperimentSummary summary(plan);
    for (long long index = 0; index < plan.totalRuns(); ++index)
        summary.add(*runOne(plan, index));
    QCOMPARE(*model->measured(), hitRateSpread(summary));
    QCOMPARE(summary.combinations().at(0).hits(), 333LL);
    QCOMPARE(summary.combinations().at(2).hits(), 326LL);
    QCOMPARE(model->measuredChoice(), 0);
    QVERIFY(model->experimentLines().contains("Fitness multiplier 99: 65.2 %"));

    // Made again in the experiment window, with its charts and runs.
    button(*observatory.lessonPanel(), "Show in the experiment window")->click();
    ExperimentWindow *shown = observatory.findChild<ExperimentWindow *>();
    QVERIFY(shown);
    QTRY_VERIFY_WITH_TIMEOUT(!shown->isRunning(), 30000);
    QCOMPARE(shown->runCount(), int(plan.totalRuns()));
}

void tst_Lesson::paceIsTheLessonsOnlyWhereItNamesOne_data()
{
    QTest::addColumn<QByteArray>("lesson");
    QTest::addColumn<int>("pace");
    QTest::newRow("no lesson: the snapshot's pace") << QByteArray() << 2;
    QTest::newRow("a lesson without a pace leaves it") << QByteArray(R"({"title": {"en": "T"}, "notes": {"en": "N"}})") << 5;
    QTest::newRow("a lesson's pace") << QByteArray(R"({"title": {"en": "T"}, "notes": {"en": "N"}, "pace": 2})") << 2;
}

void tst_Lesson::paceIsTheLessonsOnlyWhereItNamesOne()
{
    QFETCH(QByteArray, lesson);
    QFETCH(int, pace);
    QFile file(path("pace.vezo"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(withLesson(lesson.isEmpty() ? QJsonValue(QJsonValue::Undefined) : QJsonValue(fromText(lesson))));
    file.close();
    MainWindow window;
    Observatory observatory(&window);
    observatory.setPace(5);
    QString error;
    QVERIFY2(observatory.openSnapshot(QFile::encodeName(file.fileName()), error), qPrintable(error));
    QCOMPARE(observatory.pace(), pace);
}

// The class's answer and a teacher's notes, written in the language shown, are
// in the snapshot saved; the other languages stay as they were.
void tst_Lesson::choicesAndEditedNotesAreSavedWithTheSnapshot()
{
    MainWindow window;
    Observatory observatory(&window);
    QString error;
    QVERIFY(observatory.openSnapshot(lessonFile("drift.vezo"), error));
    LessonModel *model = observatory.lessons();
    QSignalSpy edits(model, &LessonModel::textsEdited);
    model->setLanguage("fr");
    model->setPageNotes("# Nouvelles notes");
    model->setPage(1);
    model->choose(2);
    QCOMPARE(edits.count(), 1);
    QVERIFY(model->isModified());
    QVERIFY2(observatory.landscapePanel()->saveSnapshot(path("saved.vezo"), error), qPrintable(error));
    QVERIFY(!model->isModified()); // nothing left to lose

    RunState state;
    Lesson saved;
    QVERIFY2(readSnapshot(QFile::encodeName(path("saved.vezo")), state, saved, error), qPrintable(error));
    QCOMPARE(saved.notes.value("fr"), QString("# Nouvelles notes"));
    QVERIFY(saved.notes.value("de").startsWith("Eine *flache* Landschaft"));
    QCOMPARE(saved.steps.at(0).chosen, 2);
}

// The notes, the question and its choices reach a screen reader by name and text.
void tst_Lesson::panelIsReadByAScreenReader()
{
    MainWindow window;
    Observatory observatory(&window);
    QString error;
    QVERIFY(observatory.openSnapshot(lessonFile("drift.vezo"), error));
    observatory.show();
    LessonPanel *panel = observatory.lessonPanel();
    QVERIFY(panel->isVisible());
    QTextBrowser *notes = panel->findChild<QTextBrowser *>();
    QAccessibleInterface *reader = QAccessible::queryAccessibleInterface(notes);
    QCOMPARE(reader->text(QAccessible::Name), QString("Lesson notes"));
    QVERIFY(reader->textInterface()->text(0, reader->textInterface()->characterCount()).contains("Wright"));

    observatory.lessons()->setPage(1);
    const QList<QRadioButton *> choices = panel->findChildren<QRadioButton *>();
    QCOMPARE(choices.size(), 4);
    QCOMPARE(QAccessible::queryAccessibleInterface(choices.at(2))->text(QAccessible::Name), QString("About a third"));
    // The words wrap beside their button, and a click on them chooses as the button does.
    const QList<QLabel *> labels = panel->findChildren<QLabel *>();
    QTest::mouseClick(*std::find_if(labels.begin(), labels.end(), [](QLabel *l) { return l->text() == "About a third"; }),
                      Qt::LeftButton);
    QCOMPARE(observatory.lessons()->step()->chosen, 2);
    QVERIFY(panel->runStepButton()->isVisible());
    observatory.setZoom(200);
    QVERIFY(notes->font().pointSizeF() > QApplication::font().pointSizeF() * 1.5);
}

// Flat and without mutation, the program's diversity over 2,000 seeds against D₀ · 0.9ᵗ.
void tst_Lesson::driftKeepsNineTenthsOfTheDiversityAGeneration()
{
    int flat[LandscapeSize];
    std::fill(flat, flat + LandscapeSize, 200);
    QVERIFY(isFlat(flat));
    double start = 0;
    double after[3] = {};
    const long long at[3] = {5, 10, 20};
    for (unsigned seed = 1; seed <= 2000; ++seed) {
        Run run(flat, Settings{20, 0, 1}, seed);
        start += run.record().diversity();
        for (int index = 0; index < 3; ++index) {
            while (run.generation() < at[index])
                run.step();
            after[index] += run.record().diversity();
        }
    }
    for (int index = 0; index < 3; ++index)
        QVERIFY2(std::abs(after[index] / start - driftDiversity(1.0, at[index])) < 0.015,
                 qPrintable(QString::number(after[index] / start)));
}

// From the generation where both hold, gone when either stops holding.
void tst_Lesson::driftLineHoldsWhileFlatAndWithoutMutation()
{
    MainWindow window;
    Observatory observatory(&window);
    HistoryChart *chart = observatory.findChild<HistoryChart *>();
    QVERIFY(!chart->driftStart());
    QString error;
    QVERIFY(observatory.openSnapshot(lessonFile("drift.vezo"), error));
    QCOMPARE(chart->driftStart()->generation, 0LL);
    QCOMPARE(std::round(chart->driftStart()->diversity * 1000), 4556.0);
    for (int step = 0; step < 3; ++step)
        window.slot_vezo();
    window.slot_UShift();
    QCOMPARE(chart->driftStart()->generation, 0LL);
    window.setMuteProb(5);
    QVERIFY(!chart->driftStart());
    window.slot_vezo();
    window.setMuteProb(0);
    QCOMPARE(chart->driftStart()->generation, 4LL);
    window.slot_Reload();
    int tent[LandscapeSize];
    std::copy(window.environment(), window.environment() + LandscapeSize, tent);
    tent[7] += 1;
    window.setLandscape(tent);
    QVERIFY(!chart->driftStart());
}

QTEST_MAIN(tst_Lesson)
#include "tst_lesson.moc"
