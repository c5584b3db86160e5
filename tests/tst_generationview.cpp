// SPDX-License-Identifier: GPL-3.0-or-later
#include "generationview.h"
#include "run.h"
#include "schema.h"
#include "schemataview.h"
#include "startstate.h"

#include <QPushButton>
#include <QtTest>

class tst_GenerationView : public QObject
{
    Q_OBJECT

private slots:
    void generationViewFollowsTheRun();
    void schemataViewTracksWhatIsTyped();
    void unmatchedSchemaSaysWhatCanMakeAMatch_data();
    void unmatchedSchemaSaysWhatCanMakeAMatch();
};

namespace {
const QSize LowerHalf(1240, 260);

// Pixels that are neither the chart background nor the window's.
int paintedPixels(QWidget &widget)
{
    const QImage image = widget.grab().toImage();
    int painted = 0;
    for (int y = 0; y < image.height(); y += 2) {
        for (int x = 0; x < image.width(); x += 2) {
            const QColor colour = image.pixelColor(x, y);
            painted += colour != widget.palette().color(QPalette::Base) && colour != widget.palette().color(QPalette::Window);
        }
    }
    return painted;
}

QWidget *part(const QWidget &view, const QString &name)
{
    for (QWidget *child : view.findChildren<QWidget *>()) {
        if (child->accessibleName() == name)
            return child;
    }
    return nullptr;
}
}

void tst_GenerationView::generationViewFollowsTheRun()
{
    int tent[LandscapeSize];
    fillStartLandscape(tent);
    const Settings settings{20, 97, 1};
    Run run(tent, settings, StartSeed);
    GenerationView view;
    view.resize(LowerHalf);
    const int empty = paintedPixels(view);
    GenerationTrace trace;
    for (int generation = 0; generation < 300; ++generation) {
        run.step(&trace);
        view.addGeneration(run.generation(), trace, tent, settings);
    }
    QVERIFY(paintedPixels(view) > 2 * empty);
    view.show(); // described while shown only
    QTRY_VERIFY(part(view, "Roulette wheel")->accessibleDescription().contains("generation 300"));
    QCOMPARE(trace.lowest, *std::min_element(std::begin(trace.fitness), std::end(trace.fitness)) - 1);
    QVERIFY(part(view, "Roulette wheel")->accessibleDescription().contains(
        QString("each share is the fitness less %1, times the multiplier 20").arg(trace.lowest)));
    QVERIFY(part(view, "Pairs and children")->accessibleDescription().contains(QString::number(trace.after[9])));
    QCOMPARE(view.selectionCheck().generations(), 300);

    view.findChild<QPushButton *>()->click();
    QCOMPARE(view.selectionCheck().generations(), 0);
    QTRY_VERIFY(part(view, "Selection check")->accessibleDescription().contains("nothing counted"));

    const QSize normal = part(view, "Pairs and children")->minimumSizeHint();
    view.setZoom(2);
    QVERIFY(part(view, "Pairs and children")->minimumSizeHint().width() > normal.width() * 3 / 2);
}

void tst_GenerationView::schemataViewTracksWhatIsTyped()
{
    SchemataView view;
    view.resize(LowerHalf);
    QVERIFY(view.track(" 1******** "));
    for (const QString &bad : {QString("1***x****"), QString("1*******"), QString("1********")}) {
        QVERIFY(!view.track(bad));
        QVERIFY2(view.message().contains(bad), qPrintable(view.message()));
    }
    QVERIFY(view.track("*1******0"));
    QCOMPARE(view.trackedCount(), 2);

    int landscape[LandscapeSize];
    for (int index = 0; index < LandscapeSize; ++index)
        landscape[index] = (index * 37) % 101;
    const Settings settings{20, 60, 10};
    Run run(landscape, settings, 5);
    GenerationTrace trace;
    for (int generation = 0; generation < 3000; ++generation) {
        run.step(&trace);
        view.addGeneration(run.generation(), trace, settings);
    }
    QVERIFY(view.columnCount(0) <= SchemataView::MostColumns);
    QVERIFY(view.columnCount(1) > SchemataView::MostColumns / 4);
    QVERIFY(view.explanation().contains("generation " + QLocale().toString(3000))); // in the locale's format
    QVERIFY(paintedPixels(view) > 0);

    view.remove(0);
    QCOMPARE(view.schemaText(0), QString("*1******0"));
    // A new run forgets the counts.
    view.addGeneration(1, trace, settings);
    QCOMPARE(view.columnCount(0), 1);
}

void tst_GenerationView::unmatchedSchemaSaysWhatCanMakeAMatch_data()
{
    QTest::addColumn<int>("mask");
    QTest::addColumn<QString>("said");
    QTest::newRow("one fixed bit") << 0x100 << "only a mutation can make a match";
    QTest::newRow("two fixed bits") << 0x101 << "a crossover that joins its bits from two parents";
}

// On flat ground without mutation the members come to one genome; a schema against
// its bits matches none.
void tst_GenerationView::unmatchedSchemaSaysWhatCanMakeAMatch()
{
    QFETCH(int, mask);
    QFETCH(QString, said);
    int flat[LandscapeSize];
    std::fill(flat, flat + LandscapeSize, 10);
    const Settings settings{20, 0, 1};
    Run run(flat, settings, 7);
    GenerationTrace trace;
    for (int generation = 0; generation < 400; ++generation)
        run.step(&trace);
    Schema against;
    against.mask = mask;
    against.bits = ~trace.before[0] & mask;
    QVERIFY(std::none_of(trace.before, trace.before + CommunitySize, [&](int genome) { return against.matches(genome); }));
    SchemataView view;
    QVERIFY(view.track(QString::fromStdString(against.text())));
    view.addGeneration(run.generation(), trace, settings);
    QVERIFY2(view.explanation().contains(said), qPrintable(view.explanation()));
}

QTEST_MAIN(tst_GenerationView)
#include "tst_generationview.moc"
