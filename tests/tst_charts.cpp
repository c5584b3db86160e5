// SPDX-License-Identifier: GPL-3.0-or-later
#include "chartaxis.h"
#include "chartlegend.h"
#include "history.h"
#include "historychart.h"
#include "historymarkers.h"
#include "landscapechart.h"
#include "mutationchart.h"
#include "pairschart.h"
#include "schemachart.h"
#include "schemaseries.h"
#include "selectioncheckchart.h"
#include "wheelchart.h"

#include <QPainter>
#include <QtTest>

#include <memory>

class tst_Charts : public QObject
{
    Q_OBJECT

private slots:
    void zoomScalesEveryChart();
    void focusFrameShowsWhileFocused();
    void percentKeepsItsDigits_data();
    void percentKeepsItsDigits();
    void axisTicksAreRound();
    void wholeTicksNeverRepeat_data();
    void wholeTicksNeverRepeat();
    void coloursReadOnEveryTheme_data();
    void coloursReadOnEveryTheme();
    void legendPaintsAsWideAsItSays();
    void keysWalkTheHistoryMarks_data();
    void keysWalkTheHistoryMarks();
};

namespace {
// One of every chart the observatory shows, on data that lives as long as they do.
struct Charts
{
    int landscape[LandscapeSize] = {};
    Genome community[CommunitySize] = {};
    History history;
    std::vector<SchemaSeries> series;
    std::vector<std::unique_ptr<ChartWidget>> all;

    Charts()
    {
        all.emplace_back(new LandscapeChart(landscape, community, &history));
        all.emplace_back(new HistoryChart(&history));
        all.emplace_back(new WheelChart);
        all.emplace_back(new PairsChart);
        all.emplace_back(new MutationChart);
        all.emplace_back(new SelectionCheckChart);
        all.emplace_back(new SchemaChart(&series));
    }
};
}

void tst_Charts::zoomScalesEveryChart()
{
    Charts charts;
    const double size = QApplication::font().pointSizeF();
    for (const auto &chart : charts.all) {
        const char *name = chart->metaObject()->className();
        chart->setZoom(2);
        QVERIFY2(qFuzzyCompare(chart->font().pointSizeF(), 2 * size), name);
        chart->setZoom(5);
        QCOMPARE(chart->zoom(), Chart::LargestZoom);
        chart->setZoom(0.5);
        QVERIFY2(qFuzzyCompare(chart->font().pointSizeF(), size), name);
    }
}

void tst_Charts::focusFrameShowsWhileFocused()
{
    Charts charts;
    const QColor highlight = QPalette().color(QPalette::Highlight);
    for (const auto &chart : charts.all) {
        const char *name = chart->metaObject()->className();
        chart->resize(400, 300);
        chart->show();
        QVERIFY(QTest::qWaitForWindowActive(chart.get()));
        const QPoint edge(0, chart->height() / 2);
        chart->clearFocus();
        QVERIFY2(chart->grab().toImage().pixelColor(edge) != highlight, name);
        chart->setFocus();
        QVERIFY2(chart->hasFocus(), name);
        QVERIFY2(chart->grab().toImage().pixelColor(edge) == highlight, name);
        chart->hide();
    }
}

void tst_Charts::percentKeepsItsDigits_data()
{
    QTest::addColumn<double>("share");
    QTest::addColumn<int>("digits");
    QTest::addColumn<QString>("text");
    QTest::newRow("nothing") << 0.0 << 3 << "0\u00a0%";
    QTest::newRow("below 10 %") << 0.0526 << 2 << "5.3\u00a0%";
    QTest::newRow("from 10 %") << 0.1234 << 2 << "12\u00a0%";
    QTest::newRow("three digits") << 0.1234 << 3 << "12.3\u00a0%";
    QTest::newRow("all") << 1.0 << 3 << "100\u00a0%";
}

void tst_Charts::percentKeepsItsDigits()
{
    QFETCH(double, share);
    QFETCH(int, digits);
    QFETCH(QString, text);
    QCOMPARE(Chart::percent(share, digits), text);
}

void tst_Charts::axisTicksAreRound()
{
    QCOMPARE(axisTicks(0, 10.5, 6), QList<double>({0, 2, 4, 6, 8, 10}));
    // The finest round step that fits, not the first above an even split: four labels, not two.
    QCOMPARE(axisTicks(0, 360, 4), QList<double>({0, 100, 200, 300}));
    QCOMPARE(axisTicks(0, 380, 3), QList<double>({0, 150, 300})); // three labels where round steps give two
    QCOMPARE(axisTicks(-0.3, 0.3, 4), QList<double>({-0.2, 0, 0.2}));
    QVERIFY(axisTicks(5, 5, 6).isEmpty());
    ChartAxis sideways(ChartAxis::Left, 0, 10);
    const QRectF plot(10, 20, 100, 200);
    QCOMPARE(sideways.position(plot, 0), plot.bottom());
    QCOMPARE(ChartAxis(ChartAxis::Bottom, 3, 3).position(plot, 3), plot.center().x());
    const QFontMetricsF metrics(QApplication::font());
    const double plain = sideways.room(metrics);
    sideways.setTitle("drawn");
    QCOMPARE(sideways.room(metrics), plain + metrics.height());
}

void tst_Charts::wholeTicksNeverRepeat_data()
{
    QTest::addColumn<double>("low");
    QTest::addColumn<double>("high");
    QTest::addColumn<QList<double>>("ticks");
    QTest::newRow("three generations") << 1.0 << 3.0 << QList<double>{1, 2, 3};
    QTest::newRow("one") << 0.0 << 1.0 << QList<double>{0, 1};
    QTest::newRow("from 220") << 220.0 << 224.0 << QList<double>{220, 221, 222, 223, 224};
    QTest::newRow("counts") << 0.0 << 10.5 << QList<double>{0, 2, 4, 6, 8, 10};
}

// Generations and counts are whole: no step below 1, so no label twice.
void tst_Charts::wholeTicksNeverRepeat()
{
    QFETCH(double, low);
    QFETCH(double, high);
    QFETCH(QList<double>, ticks);
    QCOMPARE(axisTicks(low, high, 7, true), ticks);
}

void tst_Charts::coloursReadOnEveryTheme_data()
{
    QTest::addColumn<QPalette>("palette");
    QTest::newRow("light") << QPalette();
    QPalette dark(QColor(50, 50, 50));
    dark.setColor(QPalette::Base, QColor(30, 30, 30));
    dark.setColor(QPalette::Text, QColor(220, 220, 220));
    QTest::newRow("dark") << dark;
    QPalette contrast(Qt::white, Qt::black);
    contrast.setColor(QPalette::Base, Qt::black);
    contrast.setColor(QPalette::Text, Qt::white);
    QTest::newRow("high contrast") << contrast;
    QPalette faint;
    faint.setColor(QPalette::Base, QColor(240, 240, 240));
    faint.setColor(QPalette::Text, QColor(150, 150, 150));
    QTest::newRow("faint text") << faint;
}

// Text at 4.5:1 and lines at 3:1 against the chart's background, on every theme.
void tst_Charts::coloursReadOnEveryTheme()
{
    QFETCH(QPalette, palette);
    HistoryChart chart(nullptr);
    chart.setPalette(palette);
    const Chart::Colours colours = chart.colours();
    QCOMPARE(colours.background, palette.color(QPalette::Base));
    for (const QColor &text : {colours.text, colours.faint, colours.error})
        QVERIFY2(Chart::contrast(text, colours.background) >= Chart::TextContrast, qPrintable(text.name()));
    for (const QColor &hue : Chart::Distinct) {
        QVERIFY2(Chart::contrast(colours.line(hue), colours.background) >= Chart::LineContrast, qPrintable(hue.name()));
        QVERIFY2(Chart::contrast(colours.label(hue), colours.background) >= Chart::TextContrast, qPrintable(hue.name()));
    }
    QCOMPARE(Chart::contrast(Qt::black, Qt::white), 21.0);
}

void tst_Charts::legendPaintsAsWideAsItSays()
{
    QImage image(400, 40, QImage::Format_RGB32);
    QPainter painter(&image);
    ChartLegend legend(2);
    legend.add("best", Chart::Green);
    legend.add("drawn", Qt::black, ChartLegend::Dot);
    legend.add("split", Chart::Red, ChartLegend::Square, Chart::Orange);
    const QRectF line(10, 0, 380, 40);
    const double width = legend.width(QFontMetricsF(painter.font()));
    QCOMPARE(legend.paint(painter, line), line.left() + width);
    QCOMPARE(legend.paint(painter, line, Qt::AlignRight), line.right());
}

QTEST_MAIN(tst_Charts)
void tst_Charts::keysWalkTheHistoryMarks_data()
{
    QTest::addColumn<QList<int>>("keys");
    QTest::addColumn<int>("mark");
    QTest::newRow("none yet") << QList<int>{} << -1;
    QTest::newRow("left starts at the latest") << QList<int>{Qt::Key_Left} << 2;
    QTest::newRow("home, right") << QList<int>{Qt::Key_Home, Qt::Key_Right} << 1;
    QTest::newRow("not past the last") << QList<int>{Qt::Key_End, Qt::Key_Right} << 2;
}

// The chosen mark leads the chart's words, as its tooltip says it.
void tst_Charts::keysWalkTheHistoryMarks()
{
    QFETCH(QList<int>, keys);
    QFETCH(int, mark);
    History history;
    history.add(GenerationRecord{});
    HistoryMarkers markers;
    markers.add(HistoryMarker::Genes, 3, "New genes", 0);
    markers.addParameter(5, "Mutation bias", 1, 4, 2000);
    markers.add(HistoryMarker::Restart, 9, "Restarted", 4000);
    HistoryChart chart(&history, &markers);
    chart.show();
    for (int key : keys)
        QTest::keyClick(&chart, Qt::Key(key));
    QCOMPARE(chart.chosenMark(), mark);
    const QStringList told{"Mark 1 of 3: generation 3, genomes: New genes.",
                           "Mark 2 of 3: generation 5, parameter: Mutation bias 1 → 4.",
                           "Mark 3 of 3: generation 9, restart: Restarted."};
    QTRY_VERIFY2(chart.accessibleDescription().startsWith(mark < 0 ? "Generation " : told.at(mark)),
                 qPrintable(chart.accessibleDescription()));
}

#include "tst_charts.moc"
