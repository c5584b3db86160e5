// SPDX-License-Identifier: GPL-3.0-or-later
#include "lcdrange.h"

#include <QLCDNumber>
#include <QLabel>
#include <QSlider>
#include <QVBoxLayout>

namespace {
const int StartLimit = 49; // the slider's range until setRange() gives one
}

LCDRange::LCDRange(QWidget *parent)
    : QWidget(parent)
{
    init();
}

LCDRange::LCDRange(const QString &text, QWidget *parent)
    : QWidget(parent)
{
    init();
    setText(text);
}

void LCDRange::init()
{
    QLCDNumber *lcd = new QLCDNumber(2);
    lcd->setSegmentStyle(QLCDNumber::Flat);

    slider = new QSlider(Qt::Horizontal);
    slider->setRange(-StartLimit, StartLimit);
    slider->setValue(0);

    label = new QLabel;
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label->setBuddy(slider);

    connect(slider, &QSlider::valueChanged, lcd, qOverload<int>(&QLCDNumber::display));
    connect(slider, &QSlider::valueChanged, this, &LCDRange::valueChanged);

    QVBoxLayout *layout = new QVBoxLayout;
    layout->addWidget(lcd);
    layout->addWidget(slider);
    layout->addWidget(label);
    setLayout(layout);

    setFocusProxy(slider);
}

int LCDRange::value() const
{
    return slider->value();
}

QString LCDRange::text() const
{
    return label->text();
}

void LCDRange::setValue(int value)
{
    slider->setValue(value);
}

void LCDRange::setRange(int minValue, int maxValue)
{
    slider->setRange(minValue, maxValue);
}

void LCDRange::setText(const QString &text)
{
    label->setText(text);
    slider->setAccessibleName(text);
}

void LCDRange::setDescription(const QString &description)
{
    slider->setAccessibleDescription(description);
}
