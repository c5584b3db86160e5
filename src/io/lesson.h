// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef LESSON_H
#define LESSON_H

#include "experiment.h"
#include "lessonmeasure.h"

#include <QJsonObject>
#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

#include <optional>

// A text in several languages, by language code ("en", "de", "pt-BR").
using LessonText = QMap<QString, QString>;

// One answer a class may choose: it holds the measured values from "from" up to,
// but not including, "to"; either end may be open.
struct LessonChoice
{
    LessonText text;
    std::optional<double> from;
    std::optional<double> to;

    bool holds(double value) const { return (!from || value >= *from) && (!to || value < *to); }
};

// An experiment a step makes: the lesson's landscape and parameters, one of them varied.
struct LessonExperiment
{
    Variation variation;
    long long seeds = 100;
    std::optional<int> target; // none: the landscape's highest value
};

// Notes; where it helps a question answered before the action; the action, which
// runs the lesson's run on or makes an experiment; and what it measures.
struct LessonStep
{
    enum Action { NoAction, Run, Experiment };

    LessonText notes;
    LessonText question;
    QList<LessonChoice> choices;
    int chosen = -1; // the class's answer; -1: none yet
    Action action = NoAction;
    StepMeasure measure;
    LessonExperiment experiment;
};

// What a snapshot says to a class: a title, notes in Markdown, the pace the run
// is watched at (none: the pace stays as it is) and steps.
struct Lesson
{
    LessonText title;
    LessonText notes;
    std::optional<int> pace;
    QList<LessonStep> steps;

    bool isEmpty() const { return title.isEmpty() && notes.isEmpty() && steps.isEmpty(); }
    // Every language any text of the lesson is in, sorted.
    QStringList languages() const;
};

namespace LessonLimits {
inline constexpr long long MostRunGenerations = 100000;
inline constexpr long long MostExperimentSeeds = 1000;
inline constexpr long long MostExperimentGenerations = 10000;
inline constexpr long long MostExperimentWork = 4000000; // generations in all
inline constexpr int MostChoices = 8;
inline constexpr int MostSteps = 50;
}

QJsonObject lessonJson(const Lesson &lesson);
// On a fault returns false with one message in error and leaves lesson untouched.
bool parseLesson(const QJsonValue &value, Lesson &lesson, QString &error);

// The first of the desktop's languages (QLocale::uiLanguages(), most wanted
// first) that the lesson has, as a whole code or by its language alone; else
// English; else the first there is. A lesson without texts is written in the
// desktop's first language that is a language code, else in English.
QString chooseLanguage(const QStringList &available, const QStringList &wanted);
// A code a lesson's texts may be kept under: "en", "de", "pt-BR"; not "C".
bool isLanguageCode(const QString &code);
// The text in language, else in English, else in its first language.
QString shownText(const LessonText &text, const QString &language);

#endif
