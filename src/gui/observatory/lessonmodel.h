// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef LESSONMODEL_H
#define LESSONMODEL_H

#include "lesson.h"

#include <QFutureWatcher>
#include <QObject>

#include <memory>
#include <optional>

class MainWindow;
struct GenerationTrace;

// The lesson of the snapshot last opened, the page a class is on and what it
// answered, and the step being measured: a step that runs goes on with the main
// window's own run, measured generation by generation from what the window
// announces; a step with an experiment makes it on Qt's thread pool. Page 0 is the
// lesson's notes, page k its step k. Whoever shows the lesson listens here.
class LessonModel : public QObject
{
    Q_OBJECT

public:
    explicit LessonModel(MainWindow *window, QObject *parent = nullptr);
    ~LessonModel() override;

    const Lesson &lesson() const { return current; }
    bool hasLesson() const { return !current.isEmpty(); }
    // Forgets what was measured and goes to the first page; the language shown is
    // the desktop's where the lesson has it.
    void setLesson(const Lesson &lesson);

    // Every language the lesson has, and the desktop's own.
    QStringList languages() const;
    QString language() const { return shown; }
    void setLanguage(const QString &language);
    QString text(const LessonText &text) const { return shownText(text, shown); }

    int pageCount() const { return 1 + int(current.steps.size()); }
    int page() const { return at; }
    void setPage(int page);
    // The step on the page; null on the notes' page.
    const LessonStep *step() const;

    // In the language shown: the title, and the notes of the page shown.
    void setTitle(const QString &title);
    void setPageNotes(const QString &notes);
    QString pageNotes() const;

    void choose(int choice);
    // Whether texts or the class's choices changed since the lesson was opened or saved.
    bool isModified() const { return modified; }
    void markSaved() { modified = false; }
    // Runs the step's action; false with the reason when it cannot start now.
    bool runStep(QString &why);
    // The experiment of the page's step on the window's landscape and parameters;
    // false with the reason when the page has none or it cannot run.
    bool experimentPlan(ExperimentPlan &plan, QString &why) const;
    bool isMeasuring() const { return measurement != nullptr || experimentWatcher.isRunning(); }
    // The page's measured answer, once its action finished, and the choice it falls in (-1: none).
    std::optional<double> measured() const;
    int measuredChoice() const;
    // What the page's experiment found for each value, a line each.
    QString experimentLines() const { return experimentText.value(at); }

signals:
    // Another lesson or language: every text is new.
    void lessonChanged();
    void pageChanged();
    // The title or the page's notes were edited.
    void textsEdited();
    // A choice was made, or a measurement began, ended or was abandoned.
    void answerChanged();
    // why, when a step's run stopped before its end.
    void stepStopped(const QString &why);

private:
    struct ExperimentOutcome
    {
        double spread = 0;
        QString lines;
    };

    LessonText &pageText();
    void follow(const GenerationTrace &trace);
    void followRunning(bool running);
    void finishExperiment();
    static ExperimentOutcome makeExperiment(const ExperimentPlan &plan);

    MainWindow *window;
    Lesson current;
    QString shown;
    int at = 0;
    QMap<int, double> answers;         // by page, as measured
    QMap<int, QString> experimentText; // by page
    std::unique_ptr<StepMeasurement> measurement;
    int measuredPage = 0;
    int lessonCount = 0;      // lessons set so far
    int experimentLesson = 0; // the lesson the experiment under way belongs to
    QFutureWatcher<ExperimentOutcome> experimentWatcher;
    bool modified = false;
};

#endif
