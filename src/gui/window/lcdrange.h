// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef LCDRANGE_H
#define LCDRANGE_H

#include <QWidget>

QT_BEGIN_NAMESPACE
class QLabel;
class QSlider;
QT_END_NAMESPACE

class LCDRange : public QWidget
{
    Q_OBJECT

public:
    explicit LCDRange(QWidget *parent = nullptr);
    explicit LCDRange(const QString &text, QWidget *parent = nullptr);

    int value() const;
    QString text() const;
    // What the slider is for, told to screen readers; the caption names it.
    void setDescription(const QString &description);

public slots:
    void setValue(int value);
    void setRange(int minValue, int maxValue);
    void setText(const QString &text);

signals:
    void valueChanged(int newValue);

private:
    void init();

    QSlider *slider;
    QLabel *label;
};

#endif
