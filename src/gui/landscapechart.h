// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef LANDSCAPECHART_H
#define LANDSCAPECHART_H

#include "sizes.h"

#include <QWidget>

class History;

// The landscape as a line with a value axis, every member a marker on it (members
// on one genome share a marker that shows their count), and beneath, on the same
// genome scale, the trail of the members' positions over recent generations.
class LandscapeChart : public QWidget
{
    Q_OBJECT

public:
    LandscapeChart(const int *landscape, const Genome *community, const History *history,
                   QWidget *parent = nullptr);

    // Line widths, markers and margins grow with the zoom; the text grows with the font.
    void setZoom(double factor);

    QSize minimumSizeHint() const override;
    QSize sizeHint() const override;

    static constexpr int TrailGenerations = 150;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    struct Scale
    {
        QRectF plot;
        QRectF trail;
        double low;
        double high;
        bool titled; // room for the title and the trail's caption
        double x(int genome) const;
        double y(double value) const;
    };

    Scale scale() const;
    void paintLandscape(QPainter &painter, const Scale &scale);
    void paintMembers(QPainter &painter, const Scale &scale);
    void paintTrail(QPainter &painter, const Scale &scale);

    const int *landscape;
    const Genome *community;
    const History *history;
    double zoom = 1.0;
};

#endif
