// SPDX-License-Identifier: GPL-3.0-or-later
#include "lessonmodel.h"
#include "parametercaption.h"
#include "mainwindow.h"

#include <QLocale>
#include <QtConcurrent/QtConcurrentRun>

#include <cmath>

LessonModel::LessonModel(MainWindow *window, QObject *parent) : QObject(parent), window(window)
{
    shown = chooseLanguage({}, QLocale::system().uiLanguages());
    connect(window->runEvents(), &RunEvents::generationStepped, this, &LessonModel::follow);
    connect(window->runEvents(), &RunEvents::runningChanged, this, &LessonModel::followRunning);
    connect(&experimentWatcher, &QFutureWatcher<ExperimentOutcome>::finished, this, &LessonModel::finishExperiment);
}

LessonModel::~LessonModel()
{
    experimentWatcher.waitForFinished();
}

void LessonModel::setLesson(const Lesson &lesson)
{
    measurement.reset();
    ++lessonCount;
    current = lesson;
    modified = false;
    at = 0;
    answers.clear();
    experimentText.clear();
    shown = chooseLanguage(current.languages(), QLocale::system().uiLanguages());
    emit lessonChanged();
    emit pageChanged();
    emit answerChanged();
}

QStringList LessonModel::languages() const
{
    QStringList all = current.languages();
    const QString desktop = chooseLanguage({}, QLocale::system().uiLanguages());
    for (const QString &language : {desktop, shown})
        if (!language.isEmpty() && !all.contains(language))
            all.append(language);
    all.sort();
    return all;
}

void LessonModel::setLanguage(const QString &language)
{
    if (language == shown || language.isEmpty())
        return;
    shown = language;
    emit lessonChanged();
    emit pageChanged();
    emit answerChanged();
}

void LessonModel::setPage(int page)
{
    page = std::clamp(page, 0, pageCount() - 1);
    if (page == at)
        return;
    at = page;
    emit pageChanged();
    emit answerChanged();
}

const LessonStep *LessonModel::step() const
{
    return at > 0 ? &current.steps.at(at - 1) : nullptr;
}

void LessonModel::setTitle(const QString &title)
{
    current.title.insert(shown, title);
    modified = true;
    emit textsEdited();
}

LessonText &LessonModel::pageText()
{
    return at > 0 ? current.steps[at - 1].notes : current.notes;
}

void LessonModel::setPageNotes(const QString &notes)
{
    pageText().insert(shown, notes);
    modified = true;
    emit textsEdited();
}

QString LessonModel::pageNotes() const
{
    return text(at > 0 ? current.steps.at(at - 1).notes : current.notes);
}

void LessonModel::choose(int choice)
{
    if (!step() || choice < -1 || choice >= step()->choices.size() || step()->chosen == choice)
        return;
    current.steps[at - 1].chosen = choice;
    modified = true;
    emit answerChanged();
}

bool LessonModel::runStep(QString &why)
{
    const LessonStep *now = step();
    if (!now || now->action == LessonStep::NoAction) {
        why = tr("This page has nothing to run.");
        return false;
    }
    if (isMeasuring()) {
        why = tr("A step is being measured already.");
        return false;
    }
    if (window->runEvents()->isRunning()) {
        why = tr("Stop the run first: the step starts from the generation shown.");
        return false;
    }
    measuredPage = at;
    answers.remove(at);
    experimentText.remove(at);
    if (now->action == LessonStep::Experiment) {
        ExperimentPlan plan;
        if (!experimentPlan(plan, why))
            return false;
        experimentLesson = lessonCount;
        experimentWatcher.setFuture(QtConcurrent::run(&LessonModel::makeExperiment, plan));
        emit answerChanged();
        return true;
    }
    const GenerationRecord start = recordGeneration(window->generationCount(), window->environment(), window->community());
    measurement = std::make_unique<StepMeasurement>(now->measure, start);
    emit answerChanged();
    window->slot_RunPreState();
    return true;
}

bool LessonModel::experimentPlan(ExperimentPlan &plan, QString &why) const
{
    const LessonStep *now = step();
    if (!now || now->action != LessonStep::Experiment) {
        why = tr("This page makes no experiment.");
        return false;
    }
    std::copy(window->environment(), window->environment() + LandscapeSize, plan.landscape);
    plan.base = window->settings();
    plan.variations = {now->experiment.variation};
    plan.seeds = now->experiment.seeds;
    plan.generations = now->measure.generations;
    plan.target = now->experiment.target;
    std::string error;
    if (!plan.check(error)) {
        why = QString::fromStdString(error);
        return false;
    }
    return true;
}

void LessonModel::follow(const GenerationTrace &)
{
    if (!measurement)
        return;
    measurement->add(recordGeneration(window->generationCount(), window->environment(), window->community()));
    if (!measurement->done())
        return;
    const std::optional<double> value = measurement->value();
    answers.insert(measuredPage, value ? *value : std::nan(""));
    measurement.reset();
    window->slot_StopState();
    emit answerChanged();
}

void LessonModel::followRunning(bool running)
{
    if (running || !measurement)
        return;
    const long long seen = measurement->generationsSeen();
    const long long wanted = current.steps.at(measuredPage - 1).measure.generations;
    measurement.reset();
    emit answerChanged();
    emit stepStopped(tr("The step's run stopped after %1 of its %n generation(s); run the step again to measure it.",
                        nullptr, int(wanted)).arg(seen));
}

LessonModel::ExperimentOutcome LessonModel::makeExperiment(const ExperimentPlan &plan)
{
    ExperimentSummary summary(plan);
    for (long long index = 0; index < plan.totalRuns(); ++index)
        summary.add(*runOne(plan, index));
    ExperimentOutcome outcome;
    outcome.spread = hitRateSpread(summary);
    const Parameter &varied = *plan.variations.front().parameter;
    for (const CombinationSummary &combination : summary.combinations()) {
        const RateInterval interval = combination.interval();
        outcome.lines += tr("%1 %2: %3 % hit %4 in %5 runs (95 % interval %6 to %7 %)")
                             .arg(parameterCaption(varied))
                             .arg(combination.settings.value(varied))
                             .arg(QLocale().toString(100.0 * combination.hitRate(), 'f', 1))
                             .arg(plan.targetValue())
                             .arg(combination.runs)
                             .arg(QLocale().toString(100.0 * interval.low, 'f', 1))
                             .arg(QLocale().toString(100.0 * interval.high, 'f', 1))
                         + '\n';
    }
    return outcome;
}

void LessonModel::finishExperiment()
{
    // An experiment of a lesson opened before answers nothing here.
    if (experimentLesson != lessonCount) {
        emit answerChanged();
        return;
    }
    const ExperimentOutcome outcome = experimentWatcher.result();
    answers.insert(measuredPage, outcome.spread);
    experimentText.insert(measuredPage, outcome.lines.trimmed());
    emit answerChanged();
}

std::optional<double> LessonModel::measured() const
{
    if (!answers.contains(at))
        return std::nullopt;
    return answers.value(at);
}

int LessonModel::measuredChoice() const
{
    const std::optional<double> value = measured();
    if (!step() || !value || std::isnan(*value))
        return -1;
    for (int index = 0; index < step()->choices.size(); ++index)
        if (step()->choices.at(index).holds(*value))
            return index;
    return -1;
}
