// SPDX-License-Identifier: GPL-3.0-or-later
#include "genomes.h"
#include "lcdrange.h"
#include "landscapearea.h"
#include "mainwindow.h"
#include "widgets.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLCDNumber>
#include <QLabel>
#include <QSpinBox>
#include <QtTest>

class tst_MainWindow : public QObject
{
    Q_OBJECT

private slots:
    void startUpLandscapeIsTheTent();
    void startUpGenomesComeFromTheSeed();
    void startUpParametersComeFromTheControls();
    void settersClamp_data();
    void settersClamp();
    void setterSignalsOnlyOnChange();
    void newGenesContinueTheSequence();
    void newGenesRedrawsTheMembers();
    void buttonsHaveCaptionAndBoldSerifFont_data();
    void buttonsHaveCaptionAndBoldSerifFont();
    void shiftButtonsRepeatEveryTenMilliseconds();
    void slidersShowTheirRangesAndStartValues_data();
    void slidersShowTheirRangesAndStartValues();
    void fitnessControlAtHundredStoresNinetyNine();
    void onlyFourWidgetsHaveTooltips();
    void staticWidgetsAreSetUp();
    void gridPlacesTheRowsAndTheView();
    void defaultWindowShowsEverything();
    void metaObjectOrderOfSignalsAndSlots();
    void quitEndsTheEventLoop();
};

namespace {
using Setter = void (MainWindow::*)(int);
using Getter = int (MainWindow::*)() const;
}
Q_DECLARE_METATYPE(Setter)
Q_DECLARE_METATYPE(Getter)

void tst_MainWindow::startUpLandscapeIsTheTent()
{
    MainWindow window;
    const int *landscape = window.environment();
    QCOMPARE(landscape[0], 0);
    QCOMPARE(landscape[255], 127);
    QCOMPARE(landscape[256], 128);
    QCOMPARE(landscape[257], 128);
    QCOMPARE(landscape[258], 127);
    QCOMPARE(landscape[511], 1);
    QCOMPARE(std::accumulate(landscape, landscape + 512, 0), 32768);
    QVERIFY(std::equal(landscape, landscape + 512, window.referenceEnvironment()));
}

void tst_MainWindow::startUpGenomesComeFromTheSeed()
{
    const QList<int> expected = {42, 2, 22, 76, 220, 471, 54, 394, 240, 222};
    MainWindow first;
    QCOMPARE(genomeValues(first.community()), expected);
    const int member0[9] = {0, 1, 0, 1, 0, 1, 0, 0, 0};
    QVERIFY(std::equal(member0, member0 + 9, first.community()[0]));

    rand();
    MainWindow second;
    QCOMPARE(genomeValues(second.community()), expected);
}

void tst_MainWindow::startUpParametersComeFromTheControls()
{
    MainWindow window;
    QCOMPARE(window.fitnessMultiplier(), 20);
    QCOMPARE(window.mutationProbability(), 25);
    QCOMPARE(window.mutationBias(), 1);
    QCOMPARE(window.generationCount(), 0);
}

void tst_MainWindow::settersClamp_data()
{
    QTest::addColumn<Setter>("setter");
    QTest::addColumn<Getter>("getter");
    QTest::addColumn<int>("argument");
    QTest::addColumn<int>("stored");

    const Setter fitness = &MainWindow::setFitness;
    const Setter muteProb = &MainWindow::setMuteProb;
    const Setter muteBias = &MainWindow::setMuteBias;
    const Getter currentFitness = &MainWindow::fitnessMultiplier;
    const Getter currentProb = &MainWindow::mutationProbability;
    const Getter currentBias = &MainWindow::mutationBias;
    QTest::newRow("fitness 0 -> 1") << fitness << currentFitness << 0 << 1;
    QTest::newRow("fitness 1 -> 1") << fitness << currentFitness << 1 << 1;
    QTest::newRow("fitness 57 kept") << fitness << currentFitness << 57 << 57;
    QTest::newRow("fitness 100 -> 99") << fitness << currentFitness << 100 << 99;
    QTest::newRow("fitness 150 -> 99") << fitness << currentFitness << 150 << 99;
    QTest::newRow("prob -5 -> 0") << muteProb << currentProb << -5 << 0;
    QTest::newRow("prob 99 kept") << muteProb << currentProb << 99 << 99;
    QTest::newRow("prob 100 -> 99") << muteProb << currentProb << 100 << 99;
    QTest::newRow("bias -1 -> 0") << muteBias << currentBias << -1 << 0;
    QTest::newRow("bias 11 -> 10") << muteBias << currentBias << 11 << 10;
}

void tst_MainWindow::settersClamp()
{
    QFETCH(Setter, setter);
    QFETCH(Getter, getter);
    QFETCH(int, argument);
    QFETCH(int, stored);

    MainWindow window;
    (window.*setter)(argument);
    QCOMPARE((window.*getter)(), stored);
}

void tst_MainWindow::setterSignalsOnlyOnChange()
{
    MainWindow window;
    QSignalSpy fitness(&window, &MainWindow::FitnessChanged);
    QSignalSpy amplitude(&window, &MainWindow::AmplitudeChanged);

    window.setFitness(20);
    QCOMPARE(fitness.count(), 0);
    window.setFitness(150);
    window.setFitness(150);
    window.setFitness(99);
    QCOMPARE(fitness.count(), 1);
    QCOMPARE(fitness.at(0).at(0).toInt(), 99);

    window.setAmplitude(0);
    window.setAmplitude(-7);
    QCOMPARE(amplitude.count(), 1);
    QCOMPARE(amplitude.at(0).at(0).toInt(), 1);

    // The control at 100 stays there when the stored 99 does not change.
    LCDRange *fitnessBOX = control(window, "Fitness Multiplier");
    fitnessBOX->setValue(100);
    QCOMPARE(fitnessBOX->value(), 100);
    QCOMPARE(window.fitnessMultiplier(), 99);
    QCOMPARE(fitness.count(), 1);
}

void tst_MainWindow::newGenesContinueTheSequence()
{
    MainWindow window;
    QSignalSpy genomeUpdate(&window, &MainWindow::signal_GenomeUpdate);
    window.slot_NewGenes();
    QCOMPARE(genomeValues(window.community()),
             QList<int>({130, 247, 58, 367, 43, 391, 427, 291, 365, 121}));
    QCOMPARE(genomeUpdate.count(), 1);
    QCOMPARE(window.generationCount(), 0);
    QVERIFY(std::equal(window.environment(), window.environment() + 512, window.referenceEnvironment()));
}

void tst_MainWindow::newGenesRedrawsTheMembers()
{
    MainWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    LandscapeArea *view = window.findChild<LandscapeArea *>();
    const QImage before = view->grab().toImage();
    QTest::mouseClick(button(window, "New Genes"), Qt::LeftButton);
    QVERIFY(view->grab().toImage() != before);
}

void tst_MainWindow::buttonsHaveCaptionAndBoldSerifFont_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<int>("pointSize");
    QTest::newRow("quit") << "&Quit" << 16;
    for (const char *caption : {"Load File:", "Stop", "Run", "Step", "Reload", "Clear History", "shift Left",
                                "shift Right", "shift Up", "shift Down", "New Genes"})
        QTest::newRow(caption) << caption << 14;
}

void tst_MainWindow::buttonsHaveCaptionAndBoldSerifFont()
{
    QFETCH(QString, caption);
    QFETCH(int, pointSize);
    MainWindow window;
    QPushButton *found = button(window, caption);
    QVERIFY(found);
    QCOMPARE(found->font().family(), QString("Serif"));
    QCOMPARE(found->font().pointSize(), pointSize);
    QCOMPARE(found->font().weight(), QFont::Bold);
    QVERIFY(!found->font().italic());
    QCOMPARE(window.findChildren<QPushButton *>().count(), 12);
}

void tst_MainWindow::shiftButtonsRepeatEveryTenMilliseconds()
{
    MainWindow window;
    for (QPushButton *candidate : window.findChildren<QPushButton *>()) {
        const bool shift = candidate->text().startsWith("shift ");
        QCOMPARE(candidate->autoRepeat(), shift);
        if (shift)
            QCOMPARE(candidate->autoRepeatInterval(), 10);
    }
}

void tst_MainWindow::slidersShowTheirRangesAndStartValues_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<int>("minimum");
    QTest::addColumn<int>("maximum");
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("tooltip");
    QTest::newRow("fitness") << "Fitness Multiplier" << 1 << 100 << 20
                             << "The fitness value 0-99 is simply passed\nuntouched to the GA.";
    QTest::newRow("probability") << "% Prob(Mutation)" << 0 << 99 << 25
                                 << "Change the probability of a\nmutation (bit flip) in a random\n"
                                    "member's genome at a random place.";
    QTest::newRow("bias") << "Mutation Bias" << 0 << 10 << 1
                          << "Logarithmically prefer mutations on the LSBs.\n0 means no bias,\n"
                             "1 means a weak bias towards small changes,\n"
                             "10 means mutations to the MSB are very rare.";
}

void tst_MainWindow::slidersShowTheirRangesAndStartValues()
{
    QFETCH(QString, caption);
    QFETCH(int, minimum);
    QFETCH(int, maximum);
    QFETCH(int, value);
    QFETCH(QString, tooltip);
    MainWindow window;
    LCDRange *range = control(window, caption);
    QVERIFY(range);
    QSlider *slider = range->findChild<QSlider *>();
    QCOMPARE(slider->minimum(), minimum);
    QCOMPARE(slider->maximum(), maximum);
    QCOMPARE(range->value(), value);
    QCOMPARE(range->findChild<QLCDNumber *>()->intValue(), value);
    QCOMPARE(range->toolTip(), tooltip);
}

void tst_MainWindow::fitnessControlAtHundredStoresNinetyNine()
{
    MainWindow window;
    LCDRange *fitnessBOX = control(window, "Fitness Multiplier");
    QSignalSpy changed(&window, &MainWindow::FitnessChanged);
    fitnessBOX->setValue(100);
    QCOMPARE(window.fitnessMultiplier(), 99);
    QCOMPARE(fitnessBOX->value(), 99);
    QCOMPARE(changed.count(), 1);
}

void tst_MainWindow::onlyFourWidgetsHaveTooltips()
{
    MainWindow window;
    int withTooltip = 0;
    for (QWidget *widget : window.findChildren<QWidget *>())
        withTooltip += !widget->toolTip().isEmpty();
    QCOMPARE(withTooltip, 4);
    QCOMPARE(button(window, "Clear History")->toolTip(), QString("Currently DISABLED"));
}

void tst_MainWindow::staticWidgetsAreSetUp()
{
    MainWindow window;
    QCOMPARE(window.windowTitle(), QString("vezo-vizoziv"));

    QLCDNumber *generationLCD = nullptr;
    for (QLCDNumber *lcd : window.findChildren<QLCDNumber *>()) {
        if (lcd->digitCount() == 8)
            generationLCD = lcd;
    }
    QVERIFY(generationLCD);
    QCOMPARE(generationLCD->segmentStyle(), QLCDNumber::Flat);
    QCOMPARE(generationLCD->intValue(), 0);

    QComboBox *selector = window.findChild<QComboBox *>();
    QVERIFY(selector->isEditable());
    QStringList items;
    for (int i = 0; i < selector->count(); ++i)
        items << selector->itemText(i);
    QCOMPARE(items, QStringList({"anicedampedsinusoid", "randomwalk", "twosimilarpeaks", "twodissimilarpeaks", "user"}));
    QCOMPARE(selector->currentText(), QString("anicedampedsinusoid"));
    QCOMPARE(selector->sizePolicy().horizontalPolicy(), QSizePolicy::Expanding);
    QCOMPARE(selector->sizePolicy().verticalPolicy(), QSizePolicy::Preferred);

    const QList<QSpinBox *> spinBoxes = window.findChildren<QSpinBox *>();
    QCOMPARE(spinBoxes.count(), 4);
    for (QSpinBox *spinBox : spinBoxes) {
        QCOMPARE(spinBox->minimum(), -100);
        QCOMPARE(spinBox->maximum(), 100);
        QCOMPARE(spinBox->singleStep(), 1);
        QCOMPARE(spinBox->value(), 0);
    }

    QStringList labels;
    for (QLabel *label : window.findChildren<QLabel *>()) {
        if (!qobject_cast<LCDRange *>(label->parentWidget()))
            labels << label->text();
    }
    QCOMPARE(labels.count(), 6);
    QVERIFY(labels.contains("Generations:"));
    QVERIFY(labels.contains("Additional Parameters\nRange -100 to 100:"));
    for (int n = 0; n < 4; ++n)
        QVERIFY(labels.contains(QString("Parameter %1:").arg(n)));
}

void tst_MainWindow::gridPlacesTheRowsAndTheView()
{
    MainWindow window;
    QGridLayout *grid = qobject_cast<QGridLayout *>(window.layout());
    QVERIFY(grid);
    QCOMPARE(grid->itemAtPosition(0, 0)->widget(), button(window, "&Quit"));
    QCOMPARE(grid->itemAtPosition(2, 1)->widget(), window.findChild<LandscapeArea *>());
    QVERIFY(!grid->itemAtPosition(1, 0));
    QCOMPARE(grid->columnStretch(0), 0);
    QCOMPARE(grid->columnStretch(1), 10);

    auto contents = [](QLayoutItem *item) {
        QStringList names;
        QLayout *box = item->layout();
        for (int i = 0; i < box->count(); ++i) {
            QWidget *widget = box->itemAt(i)->widget();
            if (!widget)
                names << "stretch";
            else if (auto *pushButton = qobject_cast<QPushButton *>(widget))
                names << pushButton->text();
            else if (auto *label = qobject_cast<QLabel *>(widget))
                names << label->text();
            else if (auto *range = qobject_cast<LCDRange *>(widget))
                names << range->text();
            else
                names << widget->metaObject()->className();
        }
        return names;
    };
    QCOMPARE(contents(grid->itemAtPosition(0, 1)),
             QStringList({"Load File:", "QComboBox", "Stop", "Run", "Step", "Generations:", "QLCDNumber", "stretch"}));
    QCOMPARE(contents(grid->itemAtPosition(1, 1)),
             QStringList({"Reload", "Clear History", "shift Left", "shift Right", "shift Up", "shift Down", "stretch"}));
    QCOMPARE(contents(grid->itemAtPosition(2, 0)),
             QStringList({"New Genes", "Fitness Multiplier", "% Prob(Mutation)", "Mutation Bias",
                          "Additional Parameters\nRange -100 to 100:", "Parameter 0:", "QSpinBox", "Parameter 1:",
                          "QSpinBox", "Parameter 2:", "QSpinBox", "Parameter 3:", "QSpinBox", "stretch"}));
}

void tst_MainWindow::defaultWindowShowsEverything()
{
    MainWindow window;
    window.setGeometry(50, 0, 800, 600);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    // The bold 14-point captions may need more than 800 x 600: the window grows rather than clip them.
    QVERIFY(window.width() >= 800 && window.height() >= 600);
    const QRect inside = window.rect();
    for (QWidget *widget : window.findChildren<QWidget *>()) {
        if (widget->isWindow() || !widget->isVisible())
            continue;
        const QRect placed(widget->mapTo(&window, QPoint(0, 0)), widget->size());
        QVERIFY2(inside.contains(placed), widget->metaObject()->className());
    }
    LandscapeArea *view = window.findChild<LandscapeArea *>();
    QVERIFY(view->width() >= 553 && view->height() >= 446);
}

void tst_MainWindow::metaObjectOrderOfSignalsAndSlots()
{
    const QMetaObject *meta = &MainWindow::staticMetaObject;
    QCOMPARE(meta->className(), "MainWindow");
    const QList<QByteArray> signatures = {
        "FitnessChanged(int)", "AmplitudeChanged(int)", "MuteProbChanged(int)", "MuteBiasChanged(int)",
        "signal_LoadFile()", "signal_RunPreState(int)", "signal_StopState()", "signal_EnvironmentUpdate()",
        "signal_LandscapeUpdate()", "signal_MMRsUpdate()", "signal_GenomeUpdate()",
        "slot_RunState(int)", "setFitness(int)", "setAmplitude(int)", "setMuteProb(int)", "setMuteBias(int)",
        "slot_vezo()", "slot_Reload()", "slot_RunPreState()", "slot_StepPreState()", "slot_StopState()",
        "slot_NewGenes()", "slot_LoadFile()", "slot_LShift()", "slot_RShift()", "slot_UShift()", "slot_DShift()"};
    const QHash<QByteArray, QByteArray> parameterNames = {{"slot_RunState(int)", "steps"},
                                                          {"setFitness(int)", "fitness"},
                                                          {"setAmplitude(int)", "amplitude"},
                                                          {"setMuteProb(int)", "muteprob"},
                                                          {"setMuteBias(int)", "mutebias"}};
    QCOMPARE(meta->methodCount() - meta->methodOffset(), signatures.count());
    for (int i = 0; i < signatures.count(); ++i) {
        const QMetaMethod method = meta->method(meta->methodOffset() + i);
        QCOMPARE(method.methodSignature(), signatures.at(i));
        QCOMPARE(method.methodType(), i < 11 ? QMetaMethod::Signal : QMetaMethod::Slot);
        const QByteArray name = parameterNames.value(signatures.at(i));
        QCOMPARE(method.parameterNames(), name.isEmpty() ? QList<QByteArray>(method.parameterCount(), QByteArray())
                                                         : QList<QByteArray>{name});
    }
    QCOMPARE(meta->propertyCount(), meta->propertyOffset());
    QCOMPARE(meta->enumeratorCount(), meta->enumeratorOffset());
}

void tst_MainWindow::quitEndsTheEventLoop()
{
    MainWindow window;
    QPushButton *quit = button(window, "&Quit");
    QCOMPARE(quit->shortcut(), QKeySequence(Qt::ALT | Qt::Key_Q));
    QTimer::singleShot(0, quit, [quit] { QTest::mouseClick(quit, Qt::LeftButton); });
    QTimer guard; // ends the loop with a failure if the click does not
    guard.setSingleShot(true);
    connect(&guard, &QTimer::timeout, [] { QCoreApplication::exit(1); });
    guard.start(5000);
    QCOMPARE(QCoreApplication::exec(), 0);
}

QTEST_MAIN(tst_MainWindow)
#include "tst_mainwindow.moc"
