// SPDX-License-Identifier: GPL-3.0-or-later
#include "genomes.h"
#include "landscapearea.h"
#include "paintcounter.h"

#include <QtTest>

#include <climits>

class tst_LandscapeArea : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void unattachedViewDrawsFramesOnly();
    void framesHaveTheirColours_data();
    void framesHaveTheirColours();
    void everyColumnHasItsLandscapePoint();
    void zeroLandscapeCoversTheBaselineButColumn542();
    void landscapeValuesOutsideTheFrame_data();
    void landscapeValuesOutsideTheFrame();
    void extremeValuesDrawNothing();
    void membersAtTheEdges();
    void stackedMembersShareOneDot();
    void markersCoverLandscapeInTheStrip();
    void clearHistoryLeavesThePictureUnchanged();
    void slotsRepaintOnlyWhenAttached();
    void reservesRoomForThePicture();

private:
    QImage paint(LandscapeArea &view);
    QImage paintAttached();
    int environment[512];
    int community[10][9];
};

namespace {
const QColor background(100, 100, 100);
const QColor darkBlue(0, 0, 128);
const QColor cyan(0, 255, 255);
const QColor gray(160, 160, 164);
const QColor green(0, 255, 0);
const QColor black(0, 0, 0);
}

void tst_LandscapeArea::init()
{
    fillTent(environment);
    setCommunity(community, {42, 2, 22, 76, 220, 471, 54, 394, 240, 222});
}

QImage tst_LandscapeArea::paint(LandscapeArea &view)
{
    view.resize(600, 500);
    return view.grab().toImage();
}

// A view attached to this test's landscape and community, painted once.
QImage tst_LandscapeArea::paintAttached()
{
    LandscapeArea view;
    view.LandscapeArea_setup(environment, community);
    return paint(view);
}

void tst_LandscapeArea::unattachedViewDrawsFramesOnly()
{
    LandscapeArea view;
    const QImage image = paint(view);
    int framePixels = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor colour = image.pixelColor(x, y);
            if (colour != background) {
                QVERIFY(colour == darkBlue || colour == cyan);
                ++framePixels;
            }
        }
    }
    // Outer frame 543 x 436 pixels, inner frame 513 x 401, each line one pixel wide.
    QCOMPARE(framePixels, 2 * 543 + 2 * 434 + 2 * 513 + 2 * 399);
}

void tst_LandscapeArea::framesHaveTheirColours_data()
{
    QTest::addColumn<QPoint>("pixel");
    QTest::addColumn<QColor>("colour");
    QTest::newRow("outer bottom left") << QPoint(10, 445) << darkBlue;
    QTest::newRow("outer bottom right") << QPoint(552, 445) << darkBlue;
    QTest::newRow("outer top left") << QPoint(10, 10) << darkBlue;
    QTest::newRow("outer right side") << QPoint(552, 200) << darkBlue;
    QTest::newRow("inner baseline right end") << QPoint(542, 420) << cyan;
    QTest::newRow("inner top") << QPoint(300, 20) << cyan;
    QTest::newRow("inner left side") << QPoint(30, 300) << cyan;
    QTest::newRow("inner right side") << QPoint(542, 21) << cyan;
    QTest::newRow("between the frames") << QPoint(20, 200) << background;
    QTest::newRow("outside the outer frame") << QPoint(553, 445) << background;
    QTest::newRow("below the outer frame") << QPoint(300, 446) << background;
}

void tst_LandscapeArea::framesHaveTheirColours()
{
    QFETCH(QPoint, pixel);
    QFETCH(QColor, colour);
    QCOMPARE(paintAttached().pixelColor(pixel), colour);
}

void tst_LandscapeArea::everyColumnHasItsLandscapePoint()
{
    const QImage image = paintAttached();
    for (int i = 0; i < 512; ++i) {
        QCOMPARE(image.pixelColor(30 + i, 420 - environment[i]), gray);
        // Nothing else of the landscape in that column, above the member strip.
        for (int y = 21; y < 420; ++y) {
            if (y != 420 - environment[i])
                QCOMPARE(image.pixelColor(30 + i, y) == gray, false);
        }
    }
}

void tst_LandscapeArea::zeroLandscapeCoversTheBaselineButColumn542()
{
    std::fill(environment, environment + 512, 0);
    const QImage image = paintAttached();
    for (int x = 30; x <= 541; ++x)
        QCOMPARE(image.pixelColor(x, 420), gray);
    QCOMPARE(image.pixelColor(542, 420), cyan);
}

void tst_LandscapeArea::landscapeValuesOutsideTheFrame_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("row");
    QTest::newRow("400 on the inner top line") << 400 << 20;
    QTest::newRow("410 on the outer top line") << 410 << 10;
    QTest::newRow("420 in the top row") << 420 << 0;
    QTest::newRow("421 not drawn") << 421 << -1;
    QTest::newRow("-25 on the outer bottom line") << -25 << 445;
    QTest::newRow("-50 below the frame") << -50 << 470;
    QTest::newRow("-79 in the bottom row") << -79 << 499;
    QTest::newRow("-80 below the widget") << -80 << -1;
}

void tst_LandscapeArea::landscapeValuesOutsideTheFrame()
{
    QFETCH(int, value);
    QFETCH(int, row);
    const int index = 300;
    environment[index] = value;
    setCommunity(community, QList<int>(10, 0));
    const QImage image = paintAttached();
    int grayRows = 0;
    for (int y = 0; y < image.height(); ++y) {
        if (image.pixelColor(30 + index, y) == gray) {
            ++grayRows;
            QCOMPARE(y, row);
        }
    }
    QCOMPARE(grayRows, row < 0 ? 0 : 1);
}

void tst_LandscapeArea::extremeValuesDrawNothing()
{
    environment[0] = INT_MAX;
    environment[1] = INT_MIN;
    environment[2] = INT_MIN + 1;
    environment[3] = -25 - INT_MIN - 1;
    const QImage image = paintAttached();
    for (int x = 30; x <= 33; ++x) {
        for (int y = 0; y < image.height(); ++y)
            QVERIFY(image.pixelColor(x, y) != gray);
    }
}

void tst_LandscapeArea::membersAtTheEdges()
{
    setCommunity(community, {0, 511, 0, 0, 0, 0, 0, 0, 0, 0});
    const QImage image = paintAttached();
    for (int x = 29; x <= 31; ++x)
        QCOMPARE(image.pixelColor(x, 441), green);
    QCOMPARE(image.pixelColor(28, 441), background);
    QCOMPARE(image.pixelColor(32, 441), background);
    QCOMPARE(image.pixelColor(30, 443), black);
    for (int x = 540; x <= 542; ++x)
        QCOMPARE(image.pixelColor(x, 439), green);
    QCOMPARE(image.pixelColor(543, 439), background);
    QCOMPARE(image.pixelColor(541, 443), black);
}

void tst_LandscapeArea::stackedMembersShareOneDot()
{
    setCommunity(community, QList<int>(10, 5));
    const QImage image = paintAttached();
    for (int m = 0; m < 10; ++m) {
        const int row = 441 - 2 * m;
        for (int x = 34; x <= 36; ++x) {
            QCOMPARE(image.pixelColor(x, row), green);
            QCOMPARE(image.pixelColor(x, row + 1), background);
        }
    }
    int dots = 0;
    for (int x = 0; x < image.width(); ++x)
        dots += image.pixelColor(x, 443) == black;
    QCOMPARE(dots, 1);
    QCOMPARE(image.pixelColor(35, 443), black);
}

void tst_LandscapeArea::markersCoverLandscapeInTheStrip()
{
    setCommunity(community, QList<int>(10, 100));
    environment[100] = -21; // row 441: member 0's dash
    environment[101] = -23; // row 443: the black dot row, beside the dot
    environment[99] = -20;  // row 440: between two dashes
    const QImage image = paintAttached();
    QCOMPARE(image.pixelColor(130, 441), green);
    QCOMPARE(image.pixelColor(131, 443), gray);
    QCOMPARE(image.pixelColor(130, 443), black);
    QCOMPARE(image.pixelColor(129, 440), gray);
}

void tst_LandscapeArea::clearHistoryLeavesThePictureUnchanged()
{
    LandscapeArea view;
    view.LandscapeArea_setup(environment, community);
    const QImage before = paint(view);
    view.slot_ClearHistory();
    QCOMPARE(paint(view), before);
}


void tst_LandscapeArea::slotsRepaintOnlyWhenAttached()
{
    LandscapeArea view;
    view.resize(600, 500);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    QTest::qWait(100); // the paints of showing the window are over
    PaintCounter counter;
    view.installEventFilter(&counter);

    view.slot_LandscapeUpdate();
    view.slot_EnvironmentUpdate();
    view.slot_MMRsUpdate();
    view.slot_ClearHistory();
    QTest::qWait(50);
    QCOMPARE(counter.paints, 0);

    view.LandscapeArea_setup(environment, community);
    QTest::qWait(50);
    QCOMPARE(counter.paints, 0);
    view.slot_LandscapeUpdate();
    view.slot_EnvironmentUpdate();
    view.slot_MMRsUpdate();
    QTRY_COMPARE(counter.paints, 1);
    QTest::qWait(50);
    QCOMPARE(counter.paints, 1);
}

void tst_LandscapeArea::reservesRoomForThePicture()
{
    LandscapeArea view;
    QVERIFY(view.minimumWidth() >= 553);
    QVERIFY(view.minimumHeight() >= 446);
    QCOMPARE(view.palette().color(QPalette::Window), background);
    QVERIFY(view.autoFillBackground());
}

QTEST_MAIN(tst_LandscapeArea)
#include "tst_landscapearea.moc"
