// SPDX-License-Identifier: GPL-3.0-or-later
#include "safefile.h"

#include <QTemporaryDir>
#include <QtTest>

#include <dirent.h>
#include <fcntl.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

class tst_SafeFile : public QObject
{
    Q_OBJECT

private slots:
    void replacesARegularFileWhole();
    void refusesWhatIsNoRegularFile_data();
    void refusesWhatIsNoRegularFile();
    void streamsIntoAFifo();
    void fullDiskKeepsTheOldFile_data();
    void fullDiskKeepsTheOldFile();
    void keepsPermissionsAndLinks_data();
    void keepsPermissionsAndLinks();
};

namespace {
QByteArray contents(const QByteArray &path)
{
    const int descriptor = open(path.constData(), O_RDONLY);
    QFile file;
    return descriptor >= 0 && file.open(descriptor, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle) ? file.readAll()
                                                                                                      : QByteArray("(none)");
}

// Counts what a folder holds, whatever the names.
int entries(const QByteArray &folder)
{
    DIR *listing = opendir(folder.constData());
    int count = 0;
    while (const dirent *entry = readdir(listing))
        count += entry->d_name[0] != '.' || (entry->d_name[1] != '\0' && entry->d_name[1] != '.');
    closedir(listing);
    return count;
}
}

void tst_SafeFile::replacesARegularFileWhole()
{
    QTemporaryDir folder;
    const QByteArray path = QFile::encodeName(folder.filePath("a.csv"));
    QString error;
    QVERIFY(writeWholeFile(path, "old", error));
    QVERIFY(writeWholeFile(path, "new", error));
    QCOMPARE(contents(path), QByteArray("new"));
    // A name that is not valid text is written as it is.
    const QByteArray odd = QFile::encodeName(folder.path()) + "/odd\xff";
    QVERIFY(writeWholeFile(odd, "bytes", error));
    struct stat status;
    QVERIFY(stat(odd.constData(), &status) == 0 && status.st_size == 5);
    QVERIFY(unlink(odd.constData()) == 0);
    QCOMPARE(entries(QFile::encodeName(folder.path())), 1);
}

void tst_SafeFile::refusesWhatIsNoRegularFile_data()
{
    QTest::addColumn<QByteArray>("path");
    QTest::addColumn<QString>("reason");
    QTest::newRow("device") << QByteArray("/dev/full") << "is not a regular file";
    QTest::newRow("folder") << QByteArray("/tmp") << "is a folder";
    QTest::newRow("FIFO, without waiting for a reader") << QByteArray("fifo") << "is not a regular file";
}

void tst_SafeFile::refusesWhatIsNoRegularFile()
{
    QFETCH(QByteArray, path);
    QFETCH(QString, reason);
    QTemporaryDir folder;
    const QByteArray fifo = QFile::encodeName(folder.filePath("fifo"));
    QVERIFY(mkfifo(fifo.constData(), 0600) == 0);
    QString error;
    QVERIFY(!writeWholeFile(path == "fifo" ? fifo : path, "x", error));
    QCOMPARE(error, reason);
}

void tst_SafeFile::streamsIntoAFifo()
{
    QTemporaryDir folder;
    const QByteArray fifo = QFile::encodeName(folder.filePath("fifo"));
    QVERIFY(mkfifo(fifo.constData(), 0600) == 0);
    const int reader = open(fifo.constData(), O_RDONLY | O_NONBLOCK);
    SafeFile file(fifo, SafeFile::RegularFilesAndStreams);
    QVERIFY(file.open() && file.isStream());
    QVERIFY(file.write("rows\n") && file.commit());
    char read[8] = {};
    QCOMPARE(::read(reader, read, sizeof read), 5);
    close(reader);
}

void tst_SafeFile::fullDiskKeepsTheOldFile_data()
{
    QTest::addColumn<QByteArray>("name");
    QTest::newRow("through QSaveFile") << QByteArray("run.csv");
    QTest::newRow("by hand") << QByteArray("run\xff.csv");
}

// A file system of 64 KiB: the old file stays whole, a new one is not left behind.
void tst_SafeFile::fullDiskKeepsTheOldFile()
{
    QFETCH(QByteArray, name);
    QTemporaryDir folder;
    const QByteArray tiny = QFile::encodeName(folder.path());
    if (mount("tmpfs", tiny.constData(), "tmpfs", 0, "size=64k") != 0)
        QSKIP("mounting a small file system needs root");
    const auto unmount = qScopeGuard([&] { umount2(tiny.constData(), MNT_DETACH); });
    const QByteArray path = tiny + "/" + name;
    QString error;
    QVERIFY(writeWholeFile(path, "old", error));
    QVERIFY(!writeWholeFile(path, QByteArray(1 << 20, 'x'), error));
    QCOMPARE(error, QString("No space left on device"));
    QCOMPARE(contents(path), QByteArray("old"));
    QVERIFY(!writeWholeFile(tiny + "/new", QByteArray(1 << 20, 'x'), error));
    QCOMPARE(entries(tiny), 1);
    QVERIFY(unlink(path.constData()) == 0);
}

void tst_SafeFile::keepsPermissionsAndLinks_data()
{
    fullDiskKeepsTheOldFile_data();
}

// Written through a link, the file it names takes the new contents and keeps its mode.
void tst_SafeFile::keepsPermissionsAndLinks()
{
    QFETCH(QByteArray, name);
    QTemporaryDir folder;
    const QByteArray target = QFile::encodeName(folder.path()) + "/" + name;
    const QByteArray link = QFile::encodeName(folder.filePath("link"));
    QString error;
    QVERIFY(writeWholeFile(target, "old", error));
    QVERIFY(chmod(target.constData(), 0640) == 0 && symlink(target.constData(), link.constData()) == 0);
    QVERIFY2(writeWholeFile(link, "new", error), qPrintable(error));
    struct stat status;
    QVERIFY(lstat(link.constData(), &status) == 0 && S_ISLNK(status.st_mode));
    QVERIFY(stat(target.constData(), &status) == 0 && (status.st_mode & 07777) == 0640);
    QCOMPARE(contents(target), QByteArray("new"));
    QCOMPARE(entries(QFile::encodeName(folder.path())), 2);
    QVERIFY(unlink(target.constData()) == 0);
}

QTEST_APPLESS_MAIN(tst_SafeFile)
#include "tst_safefile.moc"
