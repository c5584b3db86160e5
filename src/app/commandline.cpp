// SPDX-License-Identifier: GPL-3.0-or-later
#include "commandline.h"
#include "runstate.h"
#include "safefile.h"
#include "snapshot.h"

#include <QCoreApplication>
#include <QFile>
#include <QSet>
#include <QStringList>

#include <climits>
#include <cstring>

namespace {
// Where an option may be given.
enum Use { UseWindow = 1, UseHeadless = 2, UseExperiment = 4, UseRuns = UseHeadless | UseExperiment, UseAnywhere = 7 };

struct Option
{
    const char *name;
    const char *value; // the value's name; none for a switch
    const char *help;
    Use use;
};

const Option Options[] = {
    {"help", nullptr, QT_TRANSLATE_NOOP("main", "Print the options and exit."), UseAnywhere},
    {"version", nullptr, QT_TRANSLATE_NOOP("main", "Print the version and exit."), UseAnywhere},
    {"observe", nullptr, QT_TRANSLATE_NOOP("main", "Open the observatory: beside the window, or over it on a small screen."), UseWindow},
    {"headless", nullptr, QT_TRANSLATE_NOOP("main", "Run without a window and write CSV rows."), UseAnywhere},
    {"experiment", nullptr, QT_TRANSLATE_NOOP("main", "Make many runs on every core and write a row per run."), UseAnywhere},
    {"generations", "n", QT_TRANSLATE_NOOP("main", "Run <n> generations."), UseRuns},
    {"every", "k", QT_TRANSLATE_NOOP("main", "A row for every <k>-th generation (default 1)."), UseHeadless},
    {"explain", nullptr, QT_TRANSLATE_NOOP("main", "Instead, a row per child: parents, split, flip."), UseHeadless},
    {"landscape", "file", QT_TRANSLATE_NOOP("main", "Read the landscape from <file> (default: the tent)."), UseRuns},
    {Parameters::Fitness.name, "f", QT_TRANSLATE_NOOP("main", "Fitness multiplier"), UseRuns},
    {Parameters::Mutation.name, "p", QT_TRANSLATE_NOOP("main", "Mutation probability"), UseRuns},
    {Parameters::Bias.name, "b", QT_TRANSLATE_NOOP("main", "Mutation bias"), UseRuns},
    {"seed", "s", QT_TRANSLATE_NOOP("main", "Seed of the run"), UseHeadless},
    {"csv", "file", QT_TRANSLATE_NOOP("main", "Write the rows to <file> (default: standard output)."), UseRuns},
    {"snapshot", "file", QT_TRANSLATE_NOOP("main", "Go on from the run kept in the snapshot <file>."), UseHeadless},
    {"save-snapshot", "file", QT_TRANSLATE_NOOP("main", "Keep the run at its end in the snapshot <file>."), UseHeadless},
    {"seeds", "n", QT_TRANSLATE_NOOP("main", "Runs <n> seeds of each setting."), UseExperiment},
    {"first-seed", "s", QT_TRANSLATE_NOOP("main", "The seeds from <s> on (default 1)."), UseExperiment},
    {"vary", "name=v1,v2", QT_TRANSLATE_NOOP("main", "Vary fitness, mutation or bias over the values; twice for a grid."), UseExperiment},
    {"target", "v", QT_TRANSLATE_NOOP("main", "A run hits when its best reaches <v> (default: the highest value)."), UseExperiment},
    {"threads", "t", QT_TRANSLATE_NOOP("main", "Work on <t> threads (default: one per core)."), UseExperiment},
    {"shard", "k/n", QT_TRANSLATE_NOOP("main", "Only the runs whose place i in the run order has i mod n = k - 1."), UseExperiment},
    {"summary", "file", QT_TRANSLATE_NOOP("main", "Write a row per setting: hit rate, interval, run lengths."), UseExperiment},
};

const int MostThreads = 1024;

// What a snapshot holds already.
const char *const SnapshotHolds[] = {"landscape", "seed", Parameters::Fitness.name, Parameters::Mutation.name,
                                     Parameters::Bias.name};

// Qt's own options for windows, which QApplication takes out of the arguments:
// those with a value, then the switches.
const char *const QtOptionsWithValue[] = {"platform", "platformpluginpath", "platformtheme", "plugin",
                                          "qwindowgeometry", "qwindowicon", "qwindowtitle", "session",
                                          "display", "geometry", "title", "name", "icon", "style",
                                          "stylesheet", "qmljsdebugger"};
const char *const QtSwitches[] = {"reverse", "widgetcount", "testability", "nograb", "dograb", "sync"};

const Option *findOption(const QByteArray &name)
{
    for (const Option &option : Options) {
        if (name == option.name)
            return &option;
    }
    return nullptr;
}

// How many arguments a Qt option takes, counting itself; 0 when it is not one.
int qtOptionLength(const QByteArray &argument)
{
    QByteArray name = argument.mid(argument.startsWith("--") ? 2 : 1);
    const bool joined = name.contains('=');
    name = name.split('=').constFirst();
    for (const char *option : QtOptionsWithValue) {
        if (name == option)
            return joined ? 1 : 2;
    }
    for (const char *option : QtSwitches) {
        if (name == option && !joined)
            return 1;
    }
    return 0;
}

// A whole number from low to high, with spaces around it allowed.
bool wholeNumber(const QByteArray &text, long long low, long long high, long long &value)
{
    bool ok = false;
    value = text.trimmed().toLongLong(&ok);
    return ok && value >= low && value <= high;
}

QString numberError(const char *name, long long low, long long high, const QByteArray &text)
{
    return CommandLine::tr("--%1 takes a whole number from %2 to %3, not '%4'")
        .arg(name).arg(low).arg(high).arg(QString::fromLocal8Bit(text));
}

// Where an option goes, for the message when it is given elsewhere.
QString placeOf(const Option &option)
{
    if (option.use == UseWindow)
        return CommandLine::tr("--%1 goes with the window only").arg(option.name);
    if (option.use == UseRuns)
        return CommandLine::tr("--%1 goes with --headless or --experiment").arg(option.name);
    return CommandLine::tr("--%1 goes with --%2").arg(option.name, option.use == UseHeadless ? "headless" : "experiment");
}
}

bool CommandLine::parse(int argc, char **argv, QString &error)
{
    QSet<QByteArray> given;
    QStringList qtOptions;
    bool help = false;
    bool version = false;
    bool optionsEnd = false;
    for (int index = 1; index < argc; ++index) {
        const QByteArray argument(argv[index]);
        if (optionsEnd || !argument.startsWith('-') || argument == "-") {
            // One snapshot to open in the window, as a file manager hands it over.
            if (argument.endsWith(QByteArray(".") + Snapshot::Suffix) && openSnapshot.isEmpty()) {
                openSnapshot = argument;
                continue;
            }
            error = tr("Unexpected argument '%1'.").arg(QString::fromLocal8Bit(argument));
            return false;
        }
        if (argument == "--") {
            optionsEnd = true;
            continue;
        }
        if (argument == "-h" || argument == "-?") {
            help = true;
            continue;
        }
        if (argument == "-v") {
            version = true;
            continue;
        }
        const int qtLength = qtOptionLength(argument);
        if (qtLength > 0 && (index + qtLength > argc || argument.endsWith('='))) {
            error = tr("%1 needs a value").arg(QString::fromLocal8Bit(argument.split('=').constFirst()));
            return false;
        }
        if (qtLength > 0) {
            qtOptions << QString::fromLocal8Bit(argument.split('=').constFirst());
            index += qtLength - 1;
            continue;
        }
        const int equals = argument.indexOf('=');
        const QByteArray name = argument.mid(2, equals < 0 ? -1 : equals - 2);
        const Option *option = argument.startsWith("--") ? findOption(name) : nullptr;
        if (!option) {
            error = tr("Unknown option '%1'.").arg(QString::fromLocal8Bit(argument.mid(argument.startsWith("--") ? 2 : 1)));
            return false;
        }
        given << name;
        if (!option->value) {
            if (equals >= 0) {
                error = tr("Unexpected value after '--%1'.").arg(option->name);
                return false;
            }
            help |= name == "help";
            version |= name == "version";
            observe |= name == "observe";
            continue;
        }
        QByteArray value;
        if (equals >= 0) {
            value = argument.mid(equals + 1);
        } else if (index + 1 < argc) {
            value = argv[++index];
        } else {
            error = tr("Missing value after '--%1'.").arg(option->name);
            return false;
        }
        if (!setValue(option->name, value, error))
            return false;
    }

    if (help || version) {
        mode = help ? Help : Version;
        return true;
    }
    const bool headless = given.contains("headless");
    const bool experiment = given.contains("experiment");
    if (headless && experiment) {
        error = tr("--headless and --experiment do not go together");
        return false;
    }
    const char *const noWindow = headless ? "--headless" : "--experiment";
    if ((headless || experiment) && observe) {
        error = tr("--observe does not go with %1: there is no window").arg(noWindow);
        return false;
    }
    if ((headless || experiment) && !qtOptions.isEmpty()) {
        error = tr("%1 is an option for the window; %2 has none").arg(qtOptions.constFirst(), noWindow);
        return false;
    }
    const int use = headless ? UseHeadless : experiment ? UseExperiment : UseWindow;
    for (const Option &option : Options) {
        if (!(option.use & use) && given.contains(option.name)) {
            error = placeOf(option);
            return false;
        }
    }
    if ((headless || experiment) && !openSnapshot.isEmpty()) {
        error = tr("%1 opens no snapshot in a window; use --snapshot '%2'").arg(noWindow, QFile::decodeName(openSnapshot));
        return false;
    }
    for (const char *held : SnapshotHolds) {
        if (given.contains("snapshot") && given.contains(held)) {
            error = tr("--%1 does not go with --snapshot: the snapshot holds it").arg(held);
            return false;
        }
    }
    if (given.contains("explain") && given.contains("every")) {
        error = tr("--every does not go with --explain: every generation is explained");
        return false;
    }
    for (const Variation &variation : plan.variations) {
        if (given.contains(variation.parameter->name)) {
            error = tr("--%1 does not go with --vary %1=…: the values vary").arg(variation.parameter->name);
            return false;
        }
    }
    // The rows go to standard output unless --csv names a file.
    const QByteArray *const outputs[] = {&files.csv, &summary, &files.saveSnapshot};
    for (const QByteArray *output : outputs) {
        for (const QByteArray *other : outputs) {
            const bool named = !other->isEmpty() && (!output->isEmpty() || output == &files.csv);
            if (output < other && named && sameRegularFile(*output, *other)) {
                error = output->isEmpty()
                            ? tr("'%1' names standard output, where the rows go").arg(QFile::decodeName(*other))
                            : tr("'%1' is named for two outputs").arg(QFile::decodeName(*output));
                return false;
            }
        }
    }
    for (const char *needed : {"generations", "seeds"}) {
        if ((headless || experiment) && !given.contains(needed) && (experiment || needed == QByteArray("generations"))) {
            error = tr("%1 needs --%2 <n>").arg(noWindow, needed);
            return false;
        }
    }
    recorder.explain = given.contains("explain");
    plan.base = recorder.parameters;
    plan.generations = recorder.generations;
    std::string planError;
    if (experiment && !plan.check(planError)) {
        error = QString::fromStdString(planError);
        return false;
    }
    mode = headless ? Headless : experiment ? Experiment : Window;
    return true;
}

bool CommandLine::setValue(const char *name, const QByteArray &value, QString &error)
{
    const QByteArray option(name);
    long long number = 0;
    QByteArray *const fileNames[] = {&files.landscape, &files.csv, &files.snapshot, &files.saveSnapshot, &summary};
    const char *const fileOptions[] = {"landscape", "csv", "snapshot", "save-snapshot", "summary"};
    for (int index = 0; index < 5; ++index) {
        if (option != fileOptions[index])
            continue;
        if (value.isEmpty()) {
            error = tr("--%1 needs a file name").arg(name);
            return false;
        }
        *fileNames[index] = value;
        return true;
    }
    for (const Parameter *parameter : Parameters::All) {
        if (option == parameter->name) {
            if (!wholeNumber(value, parameter->min, parameter->offered, number)) {
                error = numberError(name, parameter->min, parameter->offered, value);
                return false;
            }
            recorder.parameters.set(*parameter, parameter->store(static_cast<int>(number)));
            return true;
        }
    }
    std::string reason;
    if (option == "vary" || option == "shard") {
        Variation variation;
        const bool parsed = option == "vary" ? parseVariation(value.toStdString(), variation, reason)
                                             : parseShard(value.toStdString(), plan.shard, reason);
        if (option == "vary" && parsed)
            plan.variations.push_back(variation);
        error = QString::fromStdString(reason);
        return parsed;
    }
    const long long low = option == "target" ? INT_MIN : option == "every" || option == "seeds" || option == "threads" ? 1 : 0;
    const long long high = option == "target"                              ? INT_MAX
                           : option == "seed" || option == "first-seed"    ? static_cast<long long>(LargestSeed)
                           : option == "threads"                           ? MostThreads
                           : option == "generations"                       ? MostGenerations
                                                                           : LLONG_MAX;
    if (!wholeNumber(value, low, high, number)) {
        error = numberError(name, low, high, value);
        return false;
    }
    if (option == "generations")
        recorder.generations = number;
    else if (option == "every")
        recorder.every = number;
    else if (option == "seed")
        recorder.seed = static_cast<unsigned>(number);
    else if (option == "seeds")
        plan.seeds = number;
    else if (option == "first-seed")
        plan.firstSeed = static_cast<unsigned>(number);
    else if (option == "target")
        plan.target = static_cast<int>(number);
    else
        threads = static_cast<int>(number);
    return true;
}

QString CommandLine::helpText()
{
    QString text = tr("Usage: vezo-vizoziv [--observe] [snapshot.vezo]\n"
                      "       vezo-vizoziv --headless --generations <n> [options]\n"
                      "       vezo-vizoziv --experiment --generations <n> --seeds <n> [options]\n\n"
                      "Watch a genetic algorithm work: ten nine-bit genomes on a landscape of 512 values.\n\n"
                      "Options:\n");
    for (const Option &option : Options) {
        QString left = QString("--%1").arg(option.name);
        if (option.value)
            left += QString(" <%1>").arg(option.value);
        if (option.name == QByteArray("help"))
            left = "-h, " + left;
        else if (option.name == QByteArray("version"))
            left = "-v, " + left;
        QString help = tr(option.help);
        for (const Parameter *parameter : Parameters::All) {
            if (option.name == QByteArray(parameter->name))
                help = tr("%1, %2 to %3 (default %4).").arg(help).arg(parameter->min).arg(parameter->offered).arg(parameter->start);
        }
        if (option.name == QByteArray("seed"))
            help = tr("%1 (default %2).").arg(help).arg(StartSeed);
        text += QString("  %1%2\n").arg(left, -26).arg(help);
    }
    return text;
}
