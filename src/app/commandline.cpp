// SPDX-License-Identifier: GPL-3.0-or-later
#include "commandline.h"

#include <QCoreApplication>
#include <QFile>
#include <QSet>
#include <QStringList>

#include <climits>
#include <cstring>

namespace {
// Where an option may be given.
enum Use { Anywhere, WindowOnly, HeadlessOnly };

struct Option
{
    const char *name;
    const char *value; // the value's name; none for a switch
    const char *help;
    Use use;
};

const Option Options[] = {
    {"help", nullptr, QT_TRANSLATE_NOOP("main", "Print the options and exit."), Anywhere},
    {"version", nullptr, QT_TRANSLATE_NOOP("main", "Print the version and exit."), Anywhere},
    {"observe", nullptr, QT_TRANSLATE_NOOP("main", "Open the observatory beside the window."), WindowOnly},
    {"headless", nullptr, QT_TRANSLATE_NOOP("main", "Run without a window and write CSV rows."), Anywhere},
    {"explain", nullptr, QT_TRANSLATE_NOOP("main", "With --headless: instead, a row per child: parents, split, flip."), HeadlessOnly},
    {"generations", "n", QT_TRANSLATE_NOOP("main", "With --headless: run <n> generations."), HeadlessOnly},
    {"every", "k", QT_TRANSLATE_NOOP("main", "A row for every <k>-th generation (default 1)."), HeadlessOnly},
    {"landscape", "file", QT_TRANSLATE_NOOP("main", "Read the landscape from <file> (default: the tent)."), HeadlessOnly},
    {Parameters::Fitness.name, "f", QT_TRANSLATE_NOOP("main", "Fitness multiplier"), HeadlessOnly},
    {Parameters::Mutation.name, "p", QT_TRANSLATE_NOOP("main", "Mutation probability"), HeadlessOnly},
    {Parameters::Bias.name, "b", QT_TRANSLATE_NOOP("main", "Mutation bias"), HeadlessOnly},
    {"seed", "s", QT_TRANSLATE_NOOP("main", "Seed of the run"), HeadlessOnly},
    {"csv", "file", QT_TRANSLATE_NOOP("main", "Write the rows to <file> (default: standard output)."), HeadlessOnly},
    {"snapshot", "file", QT_TRANSLATE_NOOP("main", "Go on from the run kept in the snapshot <file>."), HeadlessOnly},
    {"save-snapshot", "file", QT_TRANSLATE_NOOP("main", "Keep the run at its end in the snapshot <file>."), HeadlessOnly},
};

// What a snapshot holds already.
const char *const SnapshotHolds[] = {"landscape", "seed", Parameters::Fitness.name, Parameters::Mutation.name,
                                     Parameters::Bias.name};
const char SnapshotSuffix[] = ".vezo";

// Qt's own options for windows, which QApplication takes out of the arguments:
// those with a value, then the switches.
const char *const QtOptionsWithValue[] = {"platform", "platformpluginpath", "platformtheme", "plugin",
                                          "qwindowgeometry", "qwindowicon", "qwindowtitle", "session",
                                          "display", "geometry", "title", "name", "icon", "style",
                                          "stylesheet", "qmljsdebugger"};
const char *const QtSwitches[] = {"reverse", "widgetcount", "testability", "nograb", "dograb", "sync"};

QString tr(const char *text)
{
    return QCoreApplication::translate("main", text);
}

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
    return QString("--%1 takes a whole number from %2 to %3, not '%4'")
        .arg(name).arg(low).arg(high).arg(QString::fromLocal8Bit(text));
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
            if (argument.endsWith(SnapshotSuffix) && openSnapshot.isEmpty()) {
                openSnapshot = argument;
                continue;
            }
            error = QString("Unexpected argument '%1'.").arg(QString::fromLocal8Bit(argument));
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
        if (qtLength > 0) {
            qtOptions << QString::fromLocal8Bit(argument.split('=').constFirst());
            index += qtLength - 1;
            continue;
        }
        const int equals = argument.indexOf('=');
        const QByteArray name = argument.mid(2, equals < 0 ? -1 : equals - 2);
        const Option *option = argument.startsWith("--") ? findOption(name) : nullptr;
        if (!option) {
            error = QString("Unknown option '%1'.").arg(QString::fromLocal8Bit(argument.mid(argument.startsWith("--") ? 2 : 1)));
            return false;
        }
        given << name;
        if (!option->value) {
            if (equals >= 0) {
                error = QString("Unexpected value after '--%1'.").arg(option->name);
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
            error = QString("Missing value after '--%1'.").arg(option->name);
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
    if (headless && observe) {
        error = "--observe does not go with --headless: there is no window";
        return false;
    }
    if (headless && !qtOptions.isEmpty()) {
        error = QString("%1 is an option for the window; --headless has none").arg(qtOptions.constFirst());
        return false;
    }
    for (const Option &option : Options) {
        if (option.use == HeadlessOnly && !headless && given.contains(option.name)) {
            error = QString("--%1 goes with --headless").arg(option.name);
            return false;
        }
    }
    if (headless && !openSnapshot.isEmpty()) {
        error = QString("--headless opens no snapshot in a window; use --snapshot '%1'").arg(QFile::decodeName(openSnapshot));
        return false;
    }
    for (const char *held : SnapshotHolds) {
        if (given.contains("snapshot") && given.contains(held)) {
            error = QString("--%1 does not go with --snapshot: the snapshot holds it").arg(held);
            return false;
        }
    }
    if (headless && !given.contains("generations")) {
        error = "--headless needs --generations <n>";
        return false;
    }
    // --every is checked as usual but has no effect there: every generation is explained.
    recorder.explain = given.contains("explain");
    mode = headless ? Headless : Window;
    return true;
}

bool CommandLine::setValue(const char *name, const QByteArray &value, QString &error)
{
    const QByteArray option(name);
    long long number = 0;
    QByteArray *const fileNames[] = {&files.landscape, &files.csv, &files.snapshot, &files.saveSnapshot};
    const char *const fileOptions[] = {"landscape", "csv", "snapshot", "save-snapshot"};
    for (int index = 0; index < 4; ++index) {
        if (option != fileOptions[index])
            continue;
        if (value.isEmpty()) {
            error = QString("--%1 needs a file name").arg(name);
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
    const long long low = option == "every" ? 1 : 0;
    const long long high = option == "seed" ? UINT_MAX : LLONG_MAX;
    if (!wholeNumber(value, low, high, number)) {
        error = numberError(name, low, high, value);
        return false;
    }
    if (option == "generations")
        recorder.generations = number;
    else if (option == "every")
        recorder.every = number;
    else
        recorder.seed = static_cast<unsigned>(number);
    return true;
}

QString CommandLine::helpText()
{
    QString text = tr("Usage: vezo-vizoziv [--observe] [snapshot.vezo]\n"
                      "       vezo-vizoziv --headless --generations <n> [options]\n\n"
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
        text += QString("  %1%2\n").arg(left, -22).arg(help);
    }
    return text;
}
