// SPDX-License-Identifier: GPL-3.0-or-later
#include "lesson.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QRegularExpression>

#include <cmath>
#include <set>

namespace {

// The refusals' words, translated in the context "Lesson".
struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(Lesson)
};

struct QuantityName
{
    Quantity quantity;
    const char *name;
};

constexpr QuantityName QuantityNames[] = {
    {Quantity::DiversityShare, "diversity-share"},
    {Quantity::Best, "best"},
    {Quantity::FirstReach, "first-reach"},
    {Quantity::SchemaCount, "schema-count"},
};

QJsonObject textJson(const LessonText &text)
{
    QJsonObject object;
    for (auto entry = text.begin(); entry != text.end(); ++entry)
        object.insert(entry.key(), entry.value());
    return object;
}

QString variationText(const Variation &variation)
{
    QString text = QString::fromLatin1(variation.parameter->name) + '=';
    for (std::size_t index = 0; index < variation.values.size(); ++index)
        text += (index ? "," : "") + QString::number(variation.values[index]);
    return text;
}

QJsonObject stepJson(const LessonStep &step)
{
    QJsonObject object;
    object.insert("notes", textJson(step.notes));
    if (!step.question.isEmpty()) {
        object.insert("question", textJson(step.question));
        QJsonArray choices;
        for (const LessonChoice &choice : step.choices) {
            QJsonObject entry;
            entry.insert("text", textJson(choice.text));
            if (choice.from)
                entry.insert("from", *choice.from);
            if (choice.to)
                entry.insert("to", *choice.to);
            choices.append(entry);
        }
        object.insert("choices", choices);
        if (step.chosen >= 0)
            object.insert("chosen", step.chosen);
    }
    if (step.action == LessonStep::Run) {
        QJsonObject run;
        run.insert("generations", step.measure.generations);
        for (const QuantityName &entry : QuantityNames)
            if (entry.quantity == step.measure.quantity)
                run.insert("measure", entry.name);
        if (step.measure.quantity == Quantity::FirstReach)
            run.insert("target", step.measure.target);
        if (step.measure.quantity == Quantity::SchemaCount)
            run.insert("schema", QString::fromStdString(step.measure.schema.text()));
        object.insert("run", run);
    } else if (step.action == LessonStep::Experiment) {
        QJsonObject experiment;
        experiment.insert("vary", variationText(step.experiment.variation));
        experiment.insert("seeds", step.experiment.seeds);
        experiment.insert("generations", step.measure.generations);
        if (step.experiment.target)
            experiment.insert("target", *step.experiment.target);
        object.insert("experiment", experiment);
    }
    return object;
}

// Reads the fields of one object; the first fault wins, named with where it is.
class Reader
{
public:
    bool failed() const { return !error.isEmpty(); }

    void fail(const QString &where, const QString &reason)
    {
        if (!failed())
            error = Texts::tr("in \"%1\": %2").arg(where, reason);
    }

    LessonText text(const QJsonObject &object, const char *key, const QString &where, bool required)
    {
        LessonText text;
        const QJsonValue value = object.value(QLatin1String(key));
        if (value.isUndefined()) {
            if (required)
                fail(where, Texts::tr("the field \"%1\" is missing").arg(key));
            return text;
        }
        const QJsonObject languages = value.toObject();
        if (!value.isObject()) {
            fail(where, Texts::tr("\"%1\" must be an object of texts by language, such as {\"en\": \"…\"}").arg(key));
            return text;
        }
        for (auto entry = languages.begin(); entry != languages.end(); ++entry) {
            if (!isLanguageCode(entry.key()))
                fail(where, Texts::tr("\"%1\" is not a language code, such as \"en\" or \"de\"").arg(entry.key()));
            else if (!entry.value().isString())
                fail(where, Texts::tr("the \"%1\" text of \"%2\" must be a string").arg(entry.key(), key));
            text.insert(entry.key(), entry.value().toString());
        }
        return text;
    }

    qint64 whole(const QJsonObject &object, const char *key, const QString &where, qint64 low, qint64 high)
    {
        const QJsonValue value = object.value(QLatin1String(key));
        const qint64 number = value.toInteger(low - 1);
        if (value.isUndefined())
            fail(where, Texts::tr("the field \"%1\" is missing").arg(key));
        else if (!value.isDouble() || number < low || number > high)
            fail(where, Texts::tr("\"%1\" must be a whole number from %2 to %3").arg(key).arg(low).arg(high));
        return number;
    }

    std::optional<double> number(const QJsonObject &object, const char *key, const QString &where)
    {
        const QJsonValue value = object.value(QLatin1String(key));
        if (value.isUndefined())
            return std::nullopt;
        if (!value.isDouble() || !std::isfinite(value.toDouble()))
            fail(where, Texts::tr("\"%1\" must be a number").arg(key));
        return value.toDouble();
    }

    QString error;
};

LessonStep readStep(const QJsonObject &object, const QString &where, Reader &reader)
{
    LessonStep step;
    step.notes = reader.text(object, "notes", where, true);
    step.question = reader.text(object, "question", where, false);
    if (object.contains("run") && object.contains("experiment"))
        reader.fail(where, Texts::tr("a step has either \"run\" or \"experiment\", not both"));

    if (object.contains("run")) {
        const QJsonObject run = object.value("run").toObject();
        const QString at = where + ".run";
        step.action = LessonStep::Run;
        step.measure.generations = reader.whole(run, "generations", at, 1, LessonLimits::MostRunGenerations);
        const QString name = run.value("measure").toString();
        bool known = false;
        for (const QuantityName &entry : QuantityNames) {
            if (name == QLatin1String(entry.name)) {
                step.measure.quantity = entry.quantity;
                known = true;
            }
        }
        if (!known)
            reader.fail(at, Texts::tr("\"measure\" must be one of diversity-share, best, first-reach, schema-count"));
        if (known && step.measure.quantity == Quantity::FirstReach)
            step.measure.target = int(reader.whole(run, "target", at, INT_MIN, INT_MAX));
        if (known && step.measure.quantity == Quantity::SchemaCount) {
            const SchemaParse parsed = parseSchema(run.value("schema").toString().toStdString());
            if (!run.value("schema").isString() || parsed.error != SchemaError::None)
                reader.fail(at, Texts::tr("\"schema\" must be nine characters of 0, 1 and *, bit 8 first"));
            step.measure.schema = parsed.schema;
        }
    } else if (object.contains("experiment")) {
        const QJsonObject experiment = object.value("experiment").toObject();
        const QString at = where + ".experiment";
        step.action = LessonStep::Experiment;
        step.measure.quantity = Quantity::HitRateSpread;
        std::string reason;
        if (!parseVariation(experiment.value("vary").toString().toStdString(), step.experiment.variation, reason))
            reader.fail(at, Texts::tr("\"vary\": %1").arg(QString::fromStdString(reason)));
        step.experiment.seeds = reader.whole(experiment, "seeds", at, 1, LessonLimits::MostExperimentSeeds);
        step.measure.generations = reader.whole(experiment, "generations", at, 1, LessonLimits::MostExperimentGenerations);
        if (experiment.contains("target"))
            step.experiment.target = int(reader.whole(experiment, "target", at, INT_MIN, INT_MAX));
        if (!reader.failed()
            && step.experiment.seeds * step.measure.generations * qint64(step.experiment.variation.values.size())
                   > LessonLimits::MostExperimentWork)
            reader.fail(at, Texts::tr("seeds × generations × values must stay within %1").arg(LessonLimits::MostExperimentWork));
    }

    if (step.question.isEmpty()) {
        if (object.contains("choices"))
            reader.fail(where, Texts::tr("\"choices\" need a \"question\""));
        return step;
    }
    if (step.action == LessonStep::NoAction)
        reader.fail(where, Texts::tr("a question needs a \"run\" or an \"experiment\" that answers it"));
    const QJsonArray choices = object.value("choices").toArray();
    if (choices.size() < 2 || choices.size() > LessonLimits::MostChoices)
        reader.fail(where, Texts::tr("a question needs from 2 to %1 \"choices\"").arg(LessonLimits::MostChoices));
    for (int index = 0; index < choices.size(); ++index) {
        const QString at = where + QStringLiteral(".choices[%1]").arg(index);
        const QJsonObject entry = choices.at(index).toObject();
        LessonChoice choice;
        choice.text = reader.text(entry, "text", at, true);
        choice.from = reader.number(entry, "from", at);
        choice.to = reader.number(entry, "to", at);
        if (choice.from && choice.to && *choice.from >= *choice.to)
            reader.fail(at, Texts::tr("\"from\" must be below \"to\""));
        step.choices.append(choice);
    }
    if (object.contains("chosen"))
        step.chosen = int(reader.whole(object, "chosen", where, 0, std::max<qint64>(0, choices.size() - 1)));
    return step;
}

void addLanguages(const LessonText &text, std::set<QString> &languages)
{
    for (auto entry = text.begin(); entry != text.end(); ++entry)
        languages.insert(entry.key());
}
}

QStringList Lesson::languages() const
{
    std::set<QString> found;
    addLanguages(title, found);
    addLanguages(notes, found);
    for (const LessonStep &step : steps) {
        addLanguages(step.notes, found);
        addLanguages(step.question, found);
        for (const LessonChoice &choice : step.choices)
            addLanguages(choice.text, found);
    }
    return QStringList(found.begin(), found.end());
}

QJsonObject lessonJson(const Lesson &lesson)
{
    QJsonObject object;
    object.insert("title", textJson(lesson.title));
    object.insert("notes", textJson(lesson.notes));
    if (lesson.pace)
        object.insert("pace", *lesson.pace);
    QJsonArray steps;
    for (const LessonStep &step : lesson.steps)
        steps.append(stepJson(step));
    object.insert("steps", steps);
    return object;
}

bool parseLesson(const QJsonValue &value, Lesson &lesson, QString &error)
{
    if (!value.isObject()) {
        error = Texts::tr("\"lesson\" must be an object");
        return false;
    }
    const QJsonObject object = value.toObject();
    Reader reader;
    Lesson read;
    read.title = reader.text(object, "title", "lesson", true);
    read.notes = reader.text(object, "notes", "lesson", true);
    if (object.contains("pace"))
        read.pace = int(reader.whole(object, "pace", "lesson", 1, 1000));
    const QJsonValue steps = object.value("steps");
    if (!steps.isUndefined() && (!steps.isArray() || steps.toArray().size() > LessonLimits::MostSteps))
        reader.fail("lesson", Texts::tr("\"steps\" must be a list of at most %1 steps").arg(LessonLimits::MostSteps));
    const QJsonArray list = steps.toArray();
    for (int index = 0; index < list.size() && !reader.failed(); ++index) {
        const QString where = QStringLiteral("lesson.steps[%1]").arg(index);
        if (!list.at(index).isObject())
            reader.fail(where, Texts::tr("a step must be an object"));
        read.steps.append(readStep(list.at(index).toObject(), where, reader));
    }
    if (reader.failed()) {
        error = reader.error;
        return false;
    }
    lesson = read;
    return true;
}

bool isLanguageCode(const QString &code)
{
    static const QRegularExpression pattern(QStringLiteral("^[a-z]{2,3}(-[A-Za-z0-9]{2,8})*$"));
    return pattern.match(code).hasMatch();
}

QString chooseLanguage(const QStringList &available, const QStringList &wanted)
{
    for (const QString &language : wanted) {
        const QString code = QString(language).replace('_', '-');
        for (const QString &candidate : available)
            if (candidate.compare(code, Qt::CaseInsensitive) == 0)
                return candidate;
        const QString base = code.section('-', 0, 0).toLower();
        if (available.contains(base))
            return base;
    }
    // A language with no lesson text yet: the desktop's, where it names one ("C" does not).
    for (const QString &language : wanted) {
        const QString base = QString(language).replace('_', '-').section('-', 0, 0).toLower();
        if (available.isEmpty() && isLanguageCode(base))
            return base;
    }
    if (available.contains(QStringLiteral("en")) || available.isEmpty())
        return QStringLiteral("en");
    return available.first();
}

QString shownText(const LessonText &text, const QString &language)
{
    if (text.contains(language))
        return text.value(language);
    if (text.contains(QStringLiteral("en")))
        return text.value(QStringLiteral("en"));
    return text.isEmpty() ? QString() : text.first();
}
