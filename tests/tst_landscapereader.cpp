// SPDX-License-Identifier: GPL-3.0-or-later
#include "landscapereader.h"

#include <QDir>
#include <QtTest>

#include <cerrno>
#include <climits>
#include <cstdlib>

class tst_LandscapeReader : public QObject
{
    Q_OBJECT

private slots:
    void readsLikeStrtollSaturated_data();
    void readsLikeStrtollSaturated();
    void piecesOfAnySizeGiveTheSameValues_data();
    void piecesOfAnySizeGiveTheSameValues();
    void stopsWantingBytesAfter512Values();
    void leadingByteOrderMarkIsSkipped_data();
    void leadingByteOrderMarkIsSkipped();
};

namespace {
// An independent reading: tokens split on whitespace, each through strtoll, clamped to int.
QList<int> reference(const QByteArray &text)
{
    QList<int> values;
    for (const QByteArray &token : text.simplified().split(' ')) {
        if (token.isEmpty() || values.count() == 512)
            continue;
        const QByteArray terminated = token + '\0';
        const long long value = std::strtoll(terminated.constData(), nullptr, 10);
        values << int(std::max<long long>(INT_MIN, std::min<long long>(INT_MAX, value)));
    }
    return values;
}

QList<int> readInPieces(const QByteArray &text, int pieceSize)
{
    int landscape[512];
    LandscapeReader reader(landscape);
    for (int at = 0; at < text.size(); at += pieceSize) {
        if (!reader.read(text.constData() + at, std::min<int>(pieceSize, text.size() - at)))
            break;
    }
    const int stored = reader.finish();
    return QList<int>(landscape, landscape + stored);
}

void addCorpusRows()
{
    QTest::addColumn<QByteArray>("text");
    const QDir corpus(QFINDTESTDATA("fuzz-corpus"));
    for (const QString &name : corpus.entryList(QDir::Files)) {
        QFile file(corpus.filePath(name));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QTest::newRow(qPrintable("corpus " + name)) << file.readAll();
    }
}
}

// The fuzzer's seed corpus runs here as ordinary cases.
void tst_LandscapeReader::readsLikeStrtollSaturated_data()
{
    addCorpusRows();
}

void tst_LandscapeReader::readsLikeStrtollSaturated()
{
    QFETCH(QByteArray, text);
    if (text.contains('\0'))
        QSKIP("strtoll stops at NUL; the pieces test covers this input");
    QCOMPARE(readInPieces(text, text.size() + 1), reference(text));
}

void tst_LandscapeReader::piecesOfAnySizeGiveTheSameValues_data()
{
    addCorpusRows();
}

void tst_LandscapeReader::piecesOfAnySizeGiveTheSameValues()
{
    QFETCH(QByteArray, text);
    const QList<int> whole = readInPieces(text, text.size() + 1);
    for (int pieceSize : {1, 2, 3, 7, 64})
        QCOMPARE(readInPieces(text, pieceSize), whole);
}

void tst_LandscapeReader::stopsWantingBytesAfter512Values()
{
    int landscape[512];
    LandscapeReader reader(landscape);
    QByteArray text;
    for (int i = 0; i < 511; ++i)
        text += "9 ";
    QVERIFY(reader.read(text.constData(), text.size()));
    QVERIFY(reader.read("12", 2));
    QVERIFY(!reader.read(" 13", 3));
    QCOMPARE(reader.finish(), 512);
    QCOMPARE(landscape[511], 12);
}

void tst_LandscapeReader::leadingByteOrderMarkIsSkipped_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QList<int>>("values");
    QTest::newRow("mark, then values") << QByteArray("\xEF\xBB\xBF" "300 301") << QList<int>{300, 301};
    QTest::newRow("mark alone") << QByteArray("\xEF\xBB\xBF") << QList<int>{};
    QTest::newRow("mark, line end") << QByteArray("\xEF\xBB\xBF\r\n-4") << QList<int>{-4};
    QTest::newRow("part of a mark is a token") << QByteArray("\xEF\xBB 7") << QList<int>{0, 7};
    QTest::newRow("only at the start") << QByteArray("1 \xEF\xBB\xBF" "2") << QList<int>{1, 0};
    QTest::newRow("a second mark is a token") << QByteArray("\xEF\xBB\xBF\xEF\xBB\xBF" "5") << QList<int>{0};
}

void tst_LandscapeReader::leadingByteOrderMarkIsSkipped()
{
    QFETCH(QByteArray, text);
    QFETCH(QList<int>, values);
    QCOMPARE(readInPieces(text, text.size() + 1), values);
    QCOMPARE(readInPieces(text, 1), values);
}

QTEST_APPLESS_MAIN(tst_LandscapeReader)
#include "tst_landscapereader.moc"
