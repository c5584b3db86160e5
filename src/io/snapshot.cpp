// SPDX-License-Identifier: GPL-3.0-or-later
#include "snapshot.h"
#include "regularfile.h"
#include "safefile.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cerrno>
#include <climits>
#include <unistd.h>

namespace {

// The context of this file's messages.
struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(Snapshot)
};

QJsonArray numbers(const int *values, int count)
{
    QJsonArray array;
    for (int index = 0; index < count; ++index)
        array.append(values[index]);
    return array;
}

// Reads fields of one JSON object, keeping the first fault.
class Fields
{
public:
    explicit Fields(const QJsonObject &object) : object(object) {}

    bool failed() const { return !error.isEmpty(); }
    QString message() const { return error; }

    QJsonValue value(const char *key)
    {
        const QJsonValue found = object.value(QLatin1String(key));
        if (found.isUndefined())
            fail(Texts::tr("the field \"%1\" is missing").arg(key));
        return found;
    }

    // A whole number from low to high.
    qint64 whole(const char *key, qint64 low, qint64 high)
    {
        const QJsonValue found = value(key);
        qint64 number = 0;
        if (!failed() && !whole(found, low, high, number))
            fail(Texts::tr("\"%1\" must be a whole number from %2 to %3").arg(key).arg(low).arg(high));
        return number;
    }

    bool truth(const char *key)
    {
        const QJsonValue found = value(key);
        if (!failed() && !found.isBool())
            fail(Texts::tr("\"%1\" must be true or false").arg(key));
        return found.toBool();
    }

    QString text(const char *key)
    {
        const QJsonValue found = value(key);
        if (!failed() && !found.isString())
            fail(Texts::tr("\"%1\" must be a string").arg(key));
        return found.toString();
    }

    QJsonObject group(const char *key)
    {
        const QJsonValue found = value(key);
        if (!failed() && !found.isObject())
            fail(Texts::tr("\"%1\" must be an object").arg(key));
        return found.toObject();
    }

    // Exactly count whole numbers from low to high.
    void numbers(const char *key, int *values, int count, qint64 low, qint64 high)
    {
        const QJsonValue found = value(key);
        if (failed())
            return;
        const QJsonArray array = found.toArray();
        if (!found.isArray() || array.size() != count) {
            fail(Texts::tr("\"%1\" must hold exactly %2 numbers").arg(key).arg(count));
            return;
        }
        for (int index = 0; index < count; ++index) {
            qint64 number = 0;
            if (!whole(array.at(index), low, high, number)) {
                fail(Texts::tr("\"%1\" must hold whole numbers from %2 to %3; number %4 is not")
                         .arg(key).arg(low).arg(high).arg(index));
                return;
            }
            values[index] = static_cast<int>(number);
        }
    }

    void fail(const QString &reason)
    {
        if (!failed())
            error = reason;
    }

private:
    // toInteger() gives its default for anything but a whole number, and low - 1 is out of range.
    static bool whole(const QJsonValue &found, qint64 low, qint64 high, qint64 &number)
    {
        number = found.toInteger(low - 1);
        return found.isDouble() && number >= low && number <= high;
    }

    QJsonObject object;
    QString error;
};
}

QByteArray snapshotText(const RunState &state, const Lesson &lesson)
{
    QJsonObject random;
    random.insert("seed", qint64(state.seed));
    random.insert("draws", qint64(state.draws));
    QJsonObject reseed;
    reseed.insert("pending", state.reseedPending);
    reseed.insert("seed", qint64(state.reseedSeed));

    QJsonObject root;
    root.insert("format", QLatin1String(Snapshot::Format));
    root.insert("version", Snapshot::Version);
    root.insert("name", QString::fromStdString(state.name));
    root.insert(Parameters::Fitness.name, state.settings.fitness);
    root.insert(Parameters::Mutation.name, state.settings.mutation);
    root.insert(Parameters::Bias.name, state.settings.bias);
    root.insert("pace", state.pace);
    root.insert("generation", qint64(state.generation));
    root.insert("genomes", numbers(state.genomes, CommunitySize));
    root.insert("random", random);
    root.insert("reseed", reseed);
    root.insert("landscape", numbers(state.landscape, LandscapeSize));
    root.insert("reference", numbers(state.reference, LandscapeSize));
    if (!lesson.isEmpty())
        root.insert("lesson", lessonJson(lesson));
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

bool parseSnapshot(const QByteArray &text, RunState &state, QString &error)
{
    Lesson lesson;
    return parseSnapshot(text, state, lesson, error);
}

bool parseSnapshot(const QByteArray &text, RunState &state, Lesson &lesson, QString &error)
{
    QJsonParseError parsing;
    const QJsonDocument document = QJsonDocument::fromJson(text, &parsing);
    if (parsing.error != QJsonParseError::NoError) {
        error = Texts::tr("not a snapshot, or damaged or cut short: %1 at byte %2").arg(parsing.errorString()).arg(parsing.offset);
        return false;
    }
    if (!document.isObject() || document.object().value("format").toString() != QLatin1String(Snapshot::Format)) {
        error = Texts::tr("not a snapshot of this program");
        return false;
    }
    Fields fields(document.object());
    const qint64 version = fields.whole("version", 1, INT_MAX);
    if (!fields.failed() && version != Snapshot::Version) {
        error = Texts::tr("a snapshot of version %1; this program reads version %2").arg(version).arg(Snapshot::Version);
        return false;
    }

    RunState read;
    const QString name = fields.text("name");
    if (name.size() > Snapshot::MostNameLength)
        fields.fail(Texts::tr("\"name\" is longer than %1 characters").arg(Snapshot::MostNameLength));
    read.name = name.toStdString();
    for (const Parameter *parameter : Parameters::All)
        read.settings.set(*parameter, static_cast<int>(fields.whole(parameter->name, parameter->min, parameter->max)));
    read.pace = static_cast<int>(fields.whole("pace", 0, Snapshot::MaxPace));
    read.generation = fields.whole("generation", 0, Snapshot::MostGenerations);
    fields.numbers("genomes", read.genomes, CommunitySize, 0, LastGenome);
    Fields random(fields.group("random"));
    read.seed = static_cast<unsigned>(random.whole("seed", 0, qint64(LargestSeed)));
    read.draws = random.whole("draws", 0, Snapshot::MostGenerations * Snapshot::MostDrawsPerGeneration);
    Fields reseed(fields.group("reseed"));
    read.reseedPending = reseed.truth("pending");
    read.reseedSeed = static_cast<unsigned>(reseed.whole("seed", 0, qint64(LargestSeed)));
    fields.numbers("landscape", read.landscape, LandscapeSize, INT_MIN, INT_MAX);
    fields.numbers("reference", read.reference, LandscapeSize, INT_MIN, INT_MAX);

    if (!fields.failed() && random.failed())
        fields.fail(Texts::tr("in \"random\": %1").arg(random.message()));
    if (!fields.failed() && reseed.failed())
        fields.fail(Texts::tr("in \"reseed\": %1").arg(reseed.message()));
    Lesson readLesson;
    QString lessonError;
    const QJsonValue lessonValue = document.object().value("lesson");
    if (!fields.failed() && !lessonValue.isUndefined() && !parseLesson(lessonValue, readLesson, lessonError))
        fields.fail(lessonError);
    if (fields.failed()) {
        error = fields.message();
        return false;
    }
    state = read;
    lesson = readLesson;
    return true;
}

bool readSnapshot(const QByteArray &path, RunState &state, QString &error)
{
    Lesson lesson;
    return readSnapshot(path, state, lesson, error);
}

bool readSnapshot(const QByteArray &path, RunState &state, Lesson &lesson, QString &error)
{
    qint64 size;
    const int fd = openRegularFile(path, size, error);
    if (fd < 0)
        return false;
    QByteArray text;
    QString fault;
    if (size > Snapshot::MaxFileBytes) {
        fault = Texts::tr("is too large for a snapshot (more than %1 bytes)").arg(Snapshot::MaxFileBytes);
    } else {
        // One byte more than the limit tells a file that grew since.
        text.resize(Snapshot::MaxFileBytes + 1);
        qint64 filled = 0;
        ssize_t count;
        while ((count = read(fd, text.data() + filled, text.size() - filled)) > 0)
            filled += count;
        if (count < 0)
            fault = systemReason(errno);
        else if (filled > Snapshot::MaxFileBytes)
            fault = Texts::tr("is too large for a snapshot (more than %1 bytes)").arg(Snapshot::MaxFileBytes);
        text.truncate(filled);
    }
    close(fd);
    if (!fault.isEmpty()) {
        error = fault;
        return false;
    }
    return parseSnapshot(text, state, lesson, error);
}

bool writeSnapshot(const QByteArray &path, const RunState &state, QString &error, const Lesson &lesson)
{
    if (state.generation > Snapshot::MostGenerations
        || state.draws > Snapshot::MostGenerations * Snapshot::MostDrawsPerGeneration) {
        error = Texts::tr("the run is past generation %1, the most a snapshot keeps").arg(Snapshot::MostGenerations);
        return false;
    }
    return writeWholeFile(path, snapshotText(state, lesson), error);
}
