// SPDX-License-Identifier: GPL-3.0-or-later
#include "experimentresults.h"
#include "landscapepanel.h"
#include "mainwindow.h"
#include "observatory.h"
#include "program.h"
#include "runcaption.h"

#include <QAbstractButton>
#include <QLabel>
#include <QTemporaryDir>
#include <QTranslator>
#include <QtTest>

// The built translations: windows, messages and --help in German, French and
// Spanish; English keeps the main window's texts and gets its plural forms; files
// written are the same in every language.
class tst_Languages : public QObject
{
    Q_OBJECT

private slots:
    void windowsComeUpTranslated_data();
    void windowsComeUpTranslated();
    void englishKeepsTheMainWindowAndCounts();
    void commandLineSpeaksTheLanguage_data();
    void commandLineSpeaksTheLanguage();
    void writtenFilesAreTheSameInEveryLanguage();
};

namespace {
// Every text a window shows directly: window title, buttons, labels, tooltips.
QStringList texts(const QWidget &window)
{
    QStringList all{window.windowTitle()};
    for (const QWidget *widget : window.findChildren<QWidget *>()) {
        all << widget->toolTip();
        if (const auto *button = qobject_cast<const QAbstractButton *>(widget))
            all << button->text();
        if (const auto *label = qobject_cast<const QLabel *>(widget))
            all << label->text();
    }
    return all;
}

// The translation of a language installed while it lives.
struct Installed
{
    explicit Installed(const QString &language)
    {
        QVERIFY(translator.load("vezo-vizoziv_" + language, VEZO_TRANSLATIONS));
        QCoreApplication::installTranslator(&translator);
    }
    ~Installed() { QCoreApplication::removeTranslator(&translator); }
    QTranslator translator;
};

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
}

void tst_Languages::windowsComeUpTranslated_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("loadButton");   // the main window's "Load File:"
    QTest::addColumn<QString>("observatory");  // the observatory's title
    QTest::addColumn<QString>("preset");       // the start-up landscape's name on screen
    QTest::newRow("German") << "de" << "Datei laden:" << "vezo-vizoziv Observatorium" << "Zelt";
    QTest::newRow("French") << "fr" << "Charger :" << "vezo-vizoziv Observatoire" << "tente";
    QTest::newRow("Spanish") << "es" << "Cargar archivo:" << "vezo-vizoziv Observatorio" << "tienda";
}

void tst_Languages::windowsComeUpTranslated()
{
    QFETCH(QString, language);
    QFETCH(QString, loadButton);
    QFETCH(QString, observatory);
    QFETCH(QString, preset);
    const Installed installed(language);
    MainWindow window;
    Observatory watching(&window);
    QVERIFY(texts(window).contains(loadButton));
    QCOMPARE(watching.windowTitle(), observatory);
    // The name kept for snapshots stays English; the caption shows it translated.
    QCOMPARE(watching.landscapeName(), "tent");
    QVERIFY(watching.findChild<RunCaption *>()->text().startsWith(preset));
    QVERIFY(!runsText(2).contains("run"));
}

void tst_Languages::englishKeepsTheMainWindowAndCounts()
{
    MainWindow plain;
    const QStringList described = texts(plain);
    QCOMPARE(runsText(1), "1 run(s)"); // no plural forms without the English file
    const Installed installed("en");
    MainWindow english;
    QCOMPARE(texts(english), described);
    QCOMPARE(runsText(1), "1 run");
    QCOMPARE(runsText(2), "2 runs");
    QCOMPARE(QCoreApplication::translate("SchemaChart", "%1: %L2 member(s) match, bound %L3", nullptr, 1), "%1: %L2 member matches, bound %L3");
    QCOMPARE(QCoreApplication::translate("WheelChart", "member %1: fitness %2, %3 of the wheel, expected %L4 copies, drawn %n time(s)", nullptr, 2),
             "member %1: fitness %2, %3 of the wheel, expected %L4 copies, drawn 2 times");
}

void tst_Languages::commandLineSpeaksTheLanguage_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QStringList>("environment");
    QTest::addColumn<QString>("output");
    QTest::addColumn<QString>("error");
    QTest::newRow("German help") << QStringList{"--help"} << QStringList{"LANGUAGE=de"} << "Die Optionen ausgeben und beenden." << "";
    QTest::newRow("French help") << QStringList{"--help"} << QStringList{"LANGUAGE=fr"} << "Usage : vezo-vizoziv" << "";
    QTest::newRow("Spanish help") << QStringList{"--help"} << QStringList{"LANGUAGE=es"} << "Opciones:" << "";
    QTest::newRow("German from LANG") << QStringList{"--colour"} << QStringList{"LANGUAGE=", "LC_ALL=", "LANG=de_DE.UTF-8"}
                                      << "" << "Unbekannte Option „colour“.";
    QTest::newRow("French mistake") << QStringList{"--seed", "4"} << QStringList{"LANGUAGE=fr"} << ""
                                    << "--seed va avec --headless";
    QTest::newRow("Spanish experiment") << QStringList{"--experiment", "--generations", "2", "--seeds", "2", "--vary", "bogus=1"}
                                        << QStringList{"LANGUAGE=es"} << "" << "parámetro desconocido «bogus»";
    QTest::newRow("first language with a file") << QStringList{"--colour"} << QStringList{"LANGUAGE=ja:fr"} << ""
                                                 << "Option inconnue « colour ».";
    QTest::newRow("no file: English") << QStringList{"--colour"} << QStringList{"LANGUAGE=ja"} << "" << "Unknown option 'colour'.";
}

void tst_Languages::commandLineSpeaksTheLanguage()
{
    QFETCH(QStringList, arguments);
    QFETCH(QStringList, environment);
    QFETCH(QString, output);
    QFETCH(QString, error);
    std::unique_ptr<QProcess> process(program(arguments, environment));
    QVERIFY(QString::fromUtf8(process->readAllStandardOutput()).contains(output));
    QVERIFY(QString::fromUtf8(process->readAllStandardError()).contains(error));
}

void tst_Languages::writtenFilesAreTheSameInEveryLanguage()
{
    QTemporaryDir folder;
    QStringList written;
    for (const QString language : {"en", "de"}) {
        const QString prefix = folder.filePath(language);
        std::unique_ptr<QProcess> headless(program({"--headless", "--generations", "30", "--csv", prefix + ".csv",
                                                    "--save-snapshot", prefix + ".vezo"},
                                                   {"LANGUAGE=" + language}));
        QCOMPARE(headless->exitCode(), 0);
        std::unique_ptr<QProcess> experiment(program({"--experiment", "--generations", "20", "--seeds", "3", "--vary",
                                                      "mutation=0,50", "--csv", prefix + "-runs.csv", "--summary",
                                                      prefix + "-summary.csv"},
                                                     {"LANGUAGE=" + language}));
        QCOMPARE(experiment->exitCode(), 0);
    }
    // A snapshot saved in the window keeps the preset's English name.
    for (const QString language : {"en", "de"}) {
        const Installed installed(language);
        MainWindow window;
        Observatory observatory(&window);
        observatory.landscapePanel()->applyPreset(Preset::RandomWalk);
        QString error;
        QVERIFY(observatory.landscapePanel()->saveSnapshot(folder.filePath(language + "-window.vezo"), error));
    }
    for (const QString file : {".csv", ".vezo", "-runs.csv", "-summary.csv", "-window.vezo"}) {
        QVERIFY(!contents(folder.filePath("en" + file)).isEmpty());
        QCOMPARE(contents(folder.filePath("de" + file)), contents(folder.filePath("en" + file)));
    }
    QVERIFY(contents(folder.filePath("de-window.vezo")).contains("\"name\": \"random walk (seed 1)\""));
}

QTEST_MAIN(tst_Languages)
#include "tst_languages.moc"
