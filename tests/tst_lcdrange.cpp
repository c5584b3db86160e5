// SPDX-License-Identifier: GPL-3.0-or-later
#include "lcdrange.h"

#include <QLCDNumber>
#include <QLabel>
#include <QSlider>
#include <QtTest>

class tst_LCDRange : public QObject
{
    Q_OBJECT

private slots:
    void freshControlStartsAtZero();
    void captionedControlShowsItsText();
    void setRangeClampsAndReports_data();
    void setRangeClampsAndReports();
    void setValueReportsOnlyChanges();
    void displayFollowsTheSlider();
    void focusGoesToTheSlider();
    void metaObjectDeclaresSignalThenSlots();
};

void tst_LCDRange::freshControlStartsAtZero()
{
    LCDRange range;
    QCOMPARE(range.value(), 0);
    QCOMPARE(range.text(), QString());
    QSlider *slider = range.findChild<QSlider *>();
    QCOMPARE(slider->orientation(), Qt::Horizontal);
    QCOMPARE(slider->minimum(), -49);
    QCOMPARE(slider->maximum(), 49);
    QLCDNumber *lcd = range.findChild<QLCDNumber *>();
    QCOMPARE(lcd->digitCount(), 2);
    QCOMPARE(lcd->segmentStyle(), QLCDNumber::Flat);
    QCOMPARE(lcd->intValue(), 0);
}

void tst_LCDRange::captionedControlShowsItsText()
{
    LCDRange range("Mutation Bias");
    QCOMPARE(range.text(), QString("Mutation Bias"));
    QLabel *label = range.findChild<QLabel *>();
    QCOMPARE(label->alignment(), Qt::AlignHCenter | Qt::AlignTop);
    range.setText("other");
    QCOMPARE(label->text(), QString("other"));
}

void tst_LCDRange::setRangeClampsAndReports_data()
{
    QTest::addColumn<int>("minimum");
    QTest::addColumn<int>("maximum");
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("emitted");
    QTest::newRow("1..100 moves 0 to 1") << 1 << 100 << 1 << 1;
    QTest::newRow("0..99 keeps 0") << 0 << 99 << 0 << 0;
    QTest::newRow("0..10 keeps 0") << 0 << 10 << 0 << 0;
    QTest::newRow("-20..-5 moves 0 to -5") << -20 << -5 << -5 << 1;
}

void tst_LCDRange::setRangeClampsAndReports()
{
    QFETCH(int, minimum);
    QFETCH(int, maximum);
    QFETCH(int, value);
    QFETCH(int, emitted);

    LCDRange range;
    QSignalSpy spy(&range, &LCDRange::valueChanged);
    range.setRange(minimum, maximum);
    QCOMPARE(range.value(), value);
    QCOMPARE(spy.count(), emitted);
    if (emitted)
        QCOMPARE(spy.at(0).at(0).toInt(), value);
}

void tst_LCDRange::setValueReportsOnlyChanges()
{
    LCDRange range;
    range.setRange(0, 99);
    QSignalSpy spy(&range, &LCDRange::valueChanged);
    range.setValue(0);
    QCOMPARE(spy.count(), 0);
    range.setValue(150);
    QCOMPARE(range.value(), 99);
    range.setValue(120);
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).toInt(), 99);
}

void tst_LCDRange::displayFollowsTheSlider()
{
    LCDRange range;
    QLCDNumber *lcd = range.findChild<QLCDNumber *>();
    range.setValue(42);
    QCOMPARE(lcd->intValue(), 42);
    range.findChild<QSlider *>()->triggerAction(QAbstractSlider::SliderSingleStepSub);
    QCOMPARE(range.value(), 41);
    QCOMPARE(lcd->intValue(), 41);
    range.setValue(-9);
    QCOMPARE(lcd->intValue(), -9);
    QCOMPARE(lcd->checkOverflow(-10), true);
}

void tst_LCDRange::focusGoesToTheSlider()
{
    LCDRange range;
    QCOMPARE(range.focusProxy(), range.findChild<QSlider *>());
}

void tst_LCDRange::metaObjectDeclaresSignalThenSlots()
{
    const QMetaObject *meta = &LCDRange::staticMetaObject;
    QCOMPARE(meta->className(), "LCDRange");
    QCOMPARE(meta->methodCount() - meta->methodOffset(), 4);
    const QList<QByteArray> signatures = {"valueChanged(int)", "setValue(int)", "setRange(int,int)",
                                          "setText(QString)"};
    const QList<QList<QByteArray>> names = {{"newValue"}, {"value"}, {"minValue", "maxValue"}, {"text"}};
    for (int i = 0; i < 4; ++i) {
        const QMetaMethod method = meta->method(meta->methodOffset() + i);
        QCOMPARE(method.methodSignature(), signatures.at(i));
        QCOMPARE(method.parameterNames(), names.at(i));
        QCOMPARE(method.methodType(), i == 0 ? QMetaMethod::Signal : QMetaMethod::Slot);
    }
}

QTEST_MAIN(tst_LCDRange)
#include "tst_lcdrange.moc"
