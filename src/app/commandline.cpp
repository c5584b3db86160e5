// SPDX-License-Identifier: GPL-3.0-or-later
#include "commandline.h"

#include <QCoreApplication>
#include <QFile>

#include <climits>
#include <cstdio>
#include <cstdlib>


namespace {
QString parameterHelp(const char *what, const Parameter &parameter)
{
    return QCoreApplication::translate("main", "%1, %2 to %3 (default %4).")
        .arg(QCoreApplication::translate("main", what)).arg(parameter.min).arg(parameter.offered).arg(parameter.start);
}
}

CommandLine::CommandLine()
    : observeOption("observe", QCoreApplication::translate("main", "Open the observatory beside the window.")),
      headlessOption("headless", QCoreApplication::translate("main", "Run without a window and write CSV rows.")),
      generationsOption("generations", QCoreApplication::translate("main", "With --headless: run <n> generations."), "n"),
      everyOption("every", QCoreApplication::translate("main", "A row for every <k>-th generation (default 1)."), "k"),
      landscapeOption("landscape", QCoreApplication::translate("main", "Read the landscape from <file> (default: the tent)."), "file"),
      fitnessOption(Parameters::Fitness.name, parameterHelp(QT_TRANSLATE_NOOP("main", "Fitness multiplier"), Parameters::Fitness), "f"),
      mutationOption(Parameters::Mutation.name, parameterHelp(QT_TRANSLATE_NOOP("main", "Mutation probability"), Parameters::Mutation), "p"),
      biasOption(Parameters::Bias.name, parameterHelp(QT_TRANSLATE_NOOP("main", "Mutation bias"), Parameters::Bias), "b"),
      seedOption("seed", QCoreApplication::translate("main", "Seed of the run (default %1).").arg(StartSeed), "s"),
      csvOption("csv", QCoreApplication::translate("main", "Write the rows to <file> (default: standard output)."), "file")
{
    parser.setApplicationDescription(
        QCoreApplication::translate("main", "Watch a genetic algorithm work: ten nine-bit genomes on a landscape of 512 values."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOptions({observeOption, headlessOption, generationsOption, everyOption, landscapeOption, fitnessOption,
                       mutationOption, biasOption, seedOption, csvOption});
}

bool CommandLine::wantsWindow(const QStringList &arguments)
{
    if (!parser.parse(arguments)) {
        const bool displaySet = qEnvironmentVariableIsSet("DISPLAY") || qEnvironmentVariableIsSet("WAYLAND_DISPLAY")
                                || qEnvironmentVariableIsSet("QT_QPA_PLATFORM");
        // With a display, Qt's own options (-style, -platform, ...) may be what failed.
        return displaySet;
    }
    RecorderSettings settings;
    RecordingFiles files;
    QString error;
    return !parser.isSet("help") && !parser.isSet("help-all") && !parser.isSet("version") && !headless()
           && parser.positionalArguments().isEmpty() && recorderSettings(settings, files, error);
}

void CommandLine::process(const QCoreApplication &application)
{
    parser.process(application);
    if (!parser.positionalArguments().isEmpty()) {
        std::fprintf(stderr, "%s: Unexpected argument '%s'.\n", qPrintable(QCoreApplication::applicationName()),
                     qPrintable(parser.positionalArguments().constFirst()));
        std::exit(1);
    }
}

bool CommandLine::observe() const
{
    return parser.isSet(observeOption);
}

bool CommandLine::headless() const
{
    return parser.isSet(headlessOption);
}

bool CommandLine::recorderSettings(RecorderSettings &settings, RecordingFiles &files, QString &error) const
{
    const QList<const QCommandLineOption *> recorderOptions = {&generationsOption, &everyOption, &landscapeOption,
                                                                &fitnessOption, &mutationOption, &biasOption,
                                                                &seedOption, &csvOption};
    if (!headless()) {
        for (const QCommandLineOption *option : recorderOptions) {
            if (parser.isSet(*option)) {
                error = QString("--%1 goes with --headless").arg(option->names().constFirst());
                return false;
            }
        }
        return true;
    }
    if (!parser.isSet(generationsOption)) {
        error = "--headless needs --generations <n>";
        return false;
    }
    long long seed = settings.seed;
    if (!number(generationsOption, 0, LLONG_MAX, settings.generations, error)
        || !number(everyOption, 1, LLONG_MAX, settings.every, error)
        || !number(seedOption, 0, UINT_MAX, seed, error))
        return false;
    const QCommandLineOption *parameterOptions[] = {&fitnessOption, &mutationOption, &biasOption};
    for (int index = 0; index < 3; ++index) {
        const Parameter &parameter = *Parameters::All[index];
        long long value = parameter.start;
        if (!number(*parameterOptions[index], parameter.min, parameter.offered, value, error))
            return false;
        settings.parameters.set(parameter, parameter.store(static_cast<int>(value)));
    }
    settings.seed = static_cast<unsigned>(seed);
    files.landscape = QFile::encodeName(parser.value(landscapeOption));
    files.csv = QFile::encodeName(parser.value(csvOption));
    if (parser.isSet(landscapeOption) && files.landscape.isEmpty()) {
        error = "--landscape needs a file name";
        return false;
    }
    if (parser.isSet(csvOption) && files.csv.isEmpty()) {
        error = "--csv needs a file name";
        return false;
    }
    return true;
}

// Leaves value as it is when the option is not given.
bool CommandLine::number(const QCommandLineOption &option, long long low, long long high, long long &value,
                         QString &error) const
{
    if (!parser.isSet(option))
        return true;
    const QString text = parser.value(option);
    bool ok = false;
    const long long parsed = text.trimmed().toLongLong(&ok);
    if (!ok || parsed < low || parsed > high) {
        error = QString("--%1 takes a whole number from %2 to %3, not '%4'")
                    .arg(option.names().constFirst()).arg(low).arg(high).arg(text);
        return false;
    }
    value = parsed;
    return true;
}
