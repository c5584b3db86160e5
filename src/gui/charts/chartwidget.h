// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef CHARTWIDGET_H
#define CHARTWIDGET_H

#include "chartstyle.h"

#include <QWidget>

class Throttle;

// What every chart has: its palette's base and text colours, a zoom that scales its font,
// lines and margins, a title, a frame inside its edge while it has the keyboard
// focus, and words for screen readers that follow the picture a few times a second.
class ChartWidget : public QWidget
{
    Q_OBJECT

public:
    explicit ChartWidget(QWidget *parent = nullptr);

    // 1.0 to 3.0: the application's font times the zoom, and every length.
    void setZoom(double zoom);
    double zoom() const { return scale; }

    QString title() const { return heading; }
    void setTitle(const QString &title);

    // What it shows changed: paints it again, and says it in words soon.
    void changed();

    // The background, text, grid and error colours of its palette.
    Chart::Colours colours() const;

protected:
    // Paints the chart on its background; the focus frame follows on top.
    virtual void paint(QPainter &painter) = 0;
    // What the chart shows, in words; empty leaves the description set from outside.
    virtual QString description() const;

    // A length at zoom 1 at the current zoom.
    double px(double length) const { return length * scale; }
    // The title on line, cut short where it does not fit; text, when given, in its place.
    void paintTitle(QPainter &painter, const QRectF &line, const QString &text = QString()) const;

    void paintEvent(QPaintEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void describe();

    double scale = 1.0;
    QString heading;
    bool repaintPending = false;
    bool describeWhenShown = true; // words asked for while hidden, or never given
    Throttle *describing;
};

#endif
