// SPDX-License-Identifier: GPL-3.0-or-later
#include "capture.h"
#include "genomes.h"
#include "mainwindow.h"
#include "observatory.h"
#include "widgets.h"

#include <QComboBox>
#include <QStatusBar>
#include <QtTest>

#include <climits>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

class tst_Environment : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void rotateLeftWrapsIndexZero();
    void rotateRightWrapsIndex511();
    void rotationsUndoEachOther_data();
    void rotationsUndoEachOther();
    void lowerStopsAtOne();
    void raiseSaturatesAtIntMax();
    void reloadRestoresTheStartUpLandscape();
    void editsLeaveMembersAndCountAlone();
    void editsWorkWhileRunning();
    void loadReadsWhitespaceSeparatedTokens_data();
    void loadReadsWhitespaceSeparatedTokens();
    void loadReplacesOnlyWhatTheFileHolds_data();
    void loadReplacesOnlyWhatTheFileHolds();
    void loadConvertsLikeAtoiAndSaturates();
    void loadTakesNamesRelativeToTheWorkingDirectory_data();
    void loadTakesNamesRelativeToTheWorkingDirectory();
    void loadKeepsTheBytesOfTheStartFolder();
    void loadLeavesTheLandscapeForWhatIsNoFile_data();
    void loadLeavesTheLandscapeForWhatIsNoFile();
    void loadKeepsOnlyTheDecidingDigitsOfAHugeToken();
    void loadStopsSixteenMiBAfterTheLastValue_data();
    void loadStopsSixteenMiBAfterTheLastValue();
    void shippedLandscapesLoad_data();
    void shippedLandscapesLoad();

private:
    void writeFile(const QString &name, const QByteArray &contents);
    void load(MainWindow &window, const QString &name);
    QList<int> landscape(const MainWindow &window) { return QList<int>(window.environment(), window.environment() + 512); }

    QTemporaryDir *folder = nullptr;
    QString startDirectory;
};

namespace {
QByteArray numbers(int count, const QByteArray &separator, int offset = 0)
{
    QByteArray text;
    for (int i = 0; i < count; ++i)
        text += QByteArray::number(i + offset) + separator;
    return text;
}

QList<int> tent()
{
    int values[512];
    fillTent(values);
    return QList<int>(values, values + 512);
}
}

void tst_Environment::init()
{
    QStandardPaths::setTestModeEnabled(true); // the observatory's settings, not the user's
    startDirectory = QDir::currentPath();
    folder = new QTemporaryDir;
    QDir(folder->path()).mkdir("work");
    QDir::setCurrent(folder->path() + "/work");
}

void tst_Environment::cleanup()
{
    QDir::setCurrent(startDirectory);
    delete folder;
}

void tst_Environment::writeFile(const QString &name, const QByteArray &contents)
{
    QFile file(name);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(contents);
}

void tst_Environment::load(MainWindow &window, const QString &name)
{
    window.findChild<QComboBox *>()->setEditText(name);
    QSignalSpy updated(&window, &MainWindow::signal_EnvironmentUpdate);
    QTest::mouseClick(button(window, "Load File:"), Qt::LeftButton);
    QCOMPARE(updated.count(), 1);
}

void tst_Environment::rotateLeftWrapsIndexZero()
{
    MainWindow window;
    writeFile("ramp", numbers(512, "\n"));
    load(window, "ramp");
    button(window, "shift Left")->click();
    QCOMPARE(window.environment()[0], 1);
    QCOMPARE(window.environment()[510], 511);
    QCOMPARE(window.environment()[511], 0);
}

void tst_Environment::rotateRightWrapsIndex511()
{
    MainWindow window;
    writeFile("ramp", numbers(512, "\n"));
    load(window, "ramp");
    button(window, "shift Right")->click();
    QCOMPARE(window.environment()[0], 511);
    QCOMPARE(window.environment()[1], 0);
    QCOMPARE(window.environment()[511], 510);
}

void tst_Environment::rotationsUndoEachOther_data()
{
    QTest::addColumn<QStringList>("clicks");
    QTest::newRow("left then right") << QStringList{"shift Left", "shift Right"};
    QTest::newRow("right then left") << QStringList{"shift Right", "shift Left"};
    QTest::newRow("512 left") << QStringList(512, "shift Left");
    QTest::newRow("512 right") << QStringList(512, "shift Right");
}

void tst_Environment::rotationsUndoEachOther()
{
    QFETCH(QStringList, clicks);
    MainWindow window;
    QSignalSpy updated(&window, &MainWindow::signal_EnvironmentUpdate);
    for (const QString &caption : clicks)
        button(window, caption)->click();
    QCOMPARE(updated.count(), clicks.count());
    QCOMPARE(landscape(window), tent());
}

void tst_Environment::lowerStopsAtOne()
{
    MainWindow window;
    writeFile("small", "2 1 0 -5 -2147483648 7");
    load(window, "small");
    button(window, "shift Down")->click();
    QCOMPARE(landscape(window).mid(0, 6), QList<int>({1, 1, 1, 1, 1, 6}));
    button(window, "shift Up")->click();
    QCOMPARE(landscape(window).mid(0, 6), QList<int>({2, 2, 2, 2, 2, 7}));
    for (int i = 0; i < 200; ++i)
        button(window, "shift Down")->click();
    QCOMPARE(landscape(window), QList<int>(512, 1));
}

void tst_Environment::raiseSaturatesAtIntMax()
{
    MainWindow window;
    writeFile("high", "2147483646 2147483647 -3");
    load(window, "high");
    button(window, "shift Up")->click();
    button(window, "shift Up")->click();
    QCOMPARE(landscape(window).mid(0, 4), QList<int>({INT_MAX, INT_MAX, -1, 1 + 2}));
}

void tst_Environment::reloadRestoresTheStartUpLandscape()
{
    MainWindow window;
    writeFile("ramp", numbers(512, " "));
    load(window, "ramp");
    for (const char *caption : {"shift Left", "shift Up", "shift Up", "shift Down", "shift Right", "shift Right"})
        button(window, caption)->click();
    QVERIFY(landscape(window) != tent());
    QSignalSpy updated(&window, &MainWindow::signal_EnvironmentUpdate);
    button(window, "Reload")->click();
    QCOMPARE(updated.count(), 1);
    QCOMPARE(landscape(window), tent());
    QCOMPARE(QList<int>(window.referenceEnvironment(), window.referenceEnvironment() + 512), tent());
}

void tst_Environment::editsLeaveMembersAndCountAlone()
{
    MainWindow window;
    button(window, "Step")->click();
    const QList<int> members = genomeValues(window.community());
    for (const char *caption : {"shift Left", "shift Right", "shift Up", "shift Down", "Reload"})
        button(window, caption)->click();
    QCOMPARE(genomeValues(window.community()), members);
    QCOMPARE(window.generationCount(), 1);
}

void tst_Environment::editsWorkWhileRunning()
{
    MainWindow window;
    button(window, "Run")->click();
    QTRY_VERIFY(window.generationCount() > 2);
    QVERIFY(button(window, "shift Up")->isEnabled());
    QTest::mouseClick(button(window, "shift Up"), Qt::LeftButton);
    QCOMPARE(window.environment()[256], 129);
    QTest::mouseClick(button(window, "Reload"), Qt::LeftButton);
    QCOMPARE(landscape(window), tent());
    const int before = window.generationCount();
    QTRY_VERIFY(window.generationCount() > before);
    button(window, "Stop")->click();
}

void tst_Environment::loadReadsWhitespaceSeparatedTokens_data()
{
    QTest::addColumn<QByteArray>("contents");
    QTest::newRow("one per line") << numbers(512, "\n");
    QTest::newRow("single spaces on one line") << numbers(512, " ");
    QTest::newRow("tabs and CR LF") << numbers(256, "\t") + numbers(256, "\r\n", 256);
    QTest::newRow("trailing blank lines and spaces") << numbers(512, "  \n") + "\n\n   \n";
    QTest::newRow("leading whitespace, no final newline") << "\n\t " + numbers(512, " \v\f").chopped(3);
}

void tst_Environment::loadReadsWhitespaceSeparatedTokens()
{
    QFETCH(QByteArray, contents);
    MainWindow window;
    writeFile("ramp", contents);
    load(window, "ramp");
    for (int i = 0; i < 512; ++i)
        QCOMPARE(window.environment()[i], i);
}

void tst_Environment::loadReplacesOnlyWhatTheFileHolds_data()
{
    QTest::addColumn<QByteArray>("contents");
    QTest::addColumn<int>("replaced");
    QTest::newRow("100 values") << numbers(100, "\n", 1000) << 100;
    QTest::newRow("600 values") << numbers(600, "\n", 1000) << 512;
    QTest::newRow("empty") << QByteArray() << 0;
    QTest::newRow("only whitespace") << QByteArray(" \n\t\r\n ") << 0;
}

void tst_Environment::loadReplacesOnlyWhatTheFileHolds()
{
    QFETCH(QByteArray, contents);
    QFETCH(int, replaced);
    MainWindow window;
    writeFile("part", contents);
    load(window, "part");
    const QList<int> expected = tent();
    for (int i = 0; i < 512; ++i)
        QCOMPARE(window.environment()[i], i < replaced ? 1000 + i : expected.at(i));
}

void tst_Environment::loadConvertsLikeAtoiAndSaturates()
{
    MainWindow window;
    writeFile("tokens", "12 -7 +8 3.9 12abc abc 0x1F - +-3 4294967496 -4294967496 2147483648 "
                        "-2147483648 000000000000000000000000042 99999999999999999999999999 \xe9\xe8 5\xff");
    load(window, "tokens");
    QCOMPARE(landscape(window).mid(0, 18),
             QList<int>({12, -7, 8, 3, 12, 0, 0, 0, 0, INT_MAX, INT_MIN, INT_MAX, INT_MIN, 42, INT_MAX, 0, 5, 17 / 2}));
}

void tst_Environment::loadTakesNamesRelativeToTheWorkingDirectory_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("path");
    QTest::newRow("plain name") << "plain" << "plain";
    QTest::newRow("absolute path, as it is") << "%1/../absolute" << "../absolute";
    QTest::newRow("parent folder") << "../above" << "../above";
    QTest::newRow("name with a space kept") << " spaced" << " spaced";
}

void tst_Environment::loadTakesNamesRelativeToTheWorkingDirectory()
{
    QFETCH(QString, name);
    QFETCH(QString, path);
    MainWindow window;
    writeFile(path, "77 78");
    load(window, name.contains("%1") ? name.arg(QDir::currentPath()) : name);
    QCOMPARE(landscape(window).mid(0, 3), QList<int>({77, 78, 1}));
}

void tst_Environment::loadLeavesTheLandscapeForWhatIsNoFile_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("reason");
    QTest::newRow("missing file") << "nothing-here" << "No such file or directory";
    QTest::newRow("empty text: the folder itself") << "" << "is a folder";
    QTest::newRow("a folder") << ".." << "is a folder";
    QTest::newRow("a FIFO") << "fifo" << "is not a regular file";
    QTest::newRow("a link to a device that never ends") << "zeros" << "is not a regular file";
    QTest::newRow("unreadable file") << "locked" << "Permission denied";
}

void tst_Environment::loadLeavesTheLandscapeForWhatIsNoFile()
{
    QFETCH(QString, name);
    QFETCH(QString, reason);
    QVERIFY(mkfifo("fifo", 0600) == 0);
    QVERIFY(QFile::link("/dev/zero", "zeros"));
    writeFile("locked", "5 5 5");
    QFile::setPermissions("locked", QFileDevice::Permissions());
    MainWindow window;
    Observatory observatory(&window);
    OutputCapture errors(STDERR_FILENO);
    load(window, name);
    const QString said = QString::fromLocal8Bit(errors.text());
    if (name == "locked" && QFileInfo("locked").isReadable())
        QSKIP("running as a user who reads every file");
    QCOMPARE(landscape(window), tent());

    // One line on standard error names the file and why; the observatory shows it too.
    const QString line = QString("cannot load '%1/%2': %3").arg(QDir::currentPath(), name, reason);
    QCOMPARE(said, "vezo-vizoziv: " + line + "\n");
    QCOMPARE(observatory.findChild<QStatusBar *>()->currentMessage(), line);
}

// A file whose first token takes 8 MB: read in small pieces, it neither grows memory nor overflows.
void tst_Environment::loadKeepsOnlyTheDecidingDigitsOfAHugeToken()
{
    {
        QFile file("huge");
        QVERIFY(file.open(QIODevice::WriteOnly));
        const QByteArray digits(1 << 20, '7');
        for (int megabyte = 0; megabyte < 8; ++megabyte)
            file.write(digits);
        file.write(" 5");
    }
    rusage before;
    getrusage(RUSAGE_SELF, &before);
    MainWindow window;
    load(window, "huge");
    rusage after;
    getrusage(RUSAGE_SELF, &after);
    QCOMPARE(landscape(window).mid(0, 3), QList<int>({INT_MAX, 5, 1}));
    QVERIFY2(after.ru_maxrss - before.ru_maxrss < 16 * 1024,
             qPrintable(QString("peak grew by %1 kB").arg(after.ru_maxrss - before.ru_maxrss)));
}

// Zero bytes form one endless token. Reading stops 16 MiB after the last value: with
// none the file is refused and nothing changes; after one, what was read is kept.
void tst_Environment::loadStopsSixteenMiBAfterTheLastValue_data()
{
    QTest::addColumn<QByteArray>("head");
    QTest::addColumn<qint64>("size");
    QTest::addColumn<QList<int>>("start");
    QTest::addColumn<QString>("error");
    QTest::newRow("nothing but zeros") << QByteArray() << (1LL << 30) << tent().mid(0, 2)
                                       << "sparse': holds no value in its first 16 MiB\n";
    QTest::newRow("a value, then 64 GiB of zeros") << QByteArray("7 ") << (1LL << 36) << QList<int>({7, 0}) << QString();
}

void tst_Environment::loadStopsSixteenMiBAfterTheLastValue()
{
    QFETCH(QByteArray, head);
    QFETCH(qint64, size);
    QFETCH(QList<int>, start);
    QFETCH(QString, error);
    QFile sparse("sparse");
    QVERIFY(sparse.open(QIODevice::WriteOnly) && sparse.write(head) == head.size() && sparse.resize(size));
    sparse.close();
    MainWindow window;
    OutputCapture errors(STDERR_FILENO);
    load(window, "sparse");
    QCOMPARE(landscape(window).mid(0, 2), start);
    QCOMPARE(landscape(window).mid(2), tent().mid(2));
    QVERIFY(QString::fromLocal8Bit(errors.text()).endsWith(error));
}

// Names keep their bytes: a start folder whose name is not UTF-8 still loads.
void tst_Environment::loadKeepsTheBytesOfTheStartFolder()
{
    const QByteArray name = QFile::encodeName(folder->path()) + "/bad\xff\xfe";
    QVERIFY(mkdir(name.constData(), 0700) == 0);
    QVERIFY(chdir(name.constData()) == 0);
    writeFile("plain", "31 32");
    MainWindow window;
    load(window, "plain");
    QCOMPARE(landscape(window).mid(0, 3), QList<int>({31, 32, 1}));
    QVERIFY(unlink("plain") == 0 && chdir("..") == 0 && rmdir(name.constData()) == 0);
}

void tst_Environment::shippedLandscapesLoad_data()
{
    QTest::addColumn<QString>("name");
    // Every name the file selector offers.
    const MainWindow window;
    const QComboBox *selector = window.findChild<QComboBox *>();
    for (int item = 0; item < selector->count(); ++item)
        QTest::newRow(qPrintable(selector->itemText(item))) << selector->itemText(item);
}

void tst_Environment::shippedLandscapesLoad()
{
    QFETCH(QString, name);
    // VEZO_LANDSCAPES names another folder of them, such as an installed one.
    const QString folder = qEnvironmentVariable("VEZO_LANDSCAPES", QFINDTESTDATA("../landscapes"));
    QVERIFY(QDir::setCurrent(folder));
    MainWindow window;
    load(window, name);
    const QList<int> values = landscape(window);
    QVERIFY(values != tent());
    for (int value : values)
        QVERIFY(value >= 1 && value <= 400);
}

QTEST_MAIN(tst_Environment)
#include "tst_environment.moc"
