// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef LANDSCAPECHART_H
#define LANDSCAPECHART_H

#include "sizes.h"

#include "chartwidget.h"

#include <map>

class History;

// The landscape as a line with a value axis, every member a marker on it (members
// on one genome share a marker that shows their count), and beneath, on the same
// genome scale, the trail of the members' positions over recent generations.
class LandscapeChart : public ChartWidget
{
    Q_OBJECT

public:
    LandscapeChart(const int *landscape, const Genome *community, const History *history,
                   QWidget *parent = nullptr);

    QSize minimumSizeHint() const override;
    QSize sizeHint() const override;

    static constexpr int TrailGenerations = 150;

    // While editing, a drag draws the landscape: the values under the stroke, filled
    // in between mouse positions, or with Shift a straight line from where it began.
    // The chart sends the values; it changes nothing itself.
    void setEditing(bool editing);
    // The landscape's name, for the words that describe the chart.
    void setLandscapeName(const QString &name);
    // The genome the keys have chosen, told in the chart's words; -1 before any.
    int chosenGenome() const { return chosen; }

signals:
    void strokeStarted();
    // The whole landscape as the stroke has drawn it so far.
    void strokeDrawn(const int *values);
    void strokeFinished();

protected:
    void paint(QPainter &painter) override;
    QString description() const override;
    bool event(QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    struct Scale
    {
        QRectF plot;
        QRectF trail;
        double low;
        double high;
        double pad;  // between the frame and genomes 0 and 511, the lowest and highest values
        bool titled; // room for the title and the trail's caption
        QRectF inside() const { return plot.adjusted(pad, pad, -pad, -pad); }
        double x(int genome) const;
        double y(double value) const;
        int genomeAt(double x) const;
        double valueAt(double y) const;
    };

    Scale scale() const;
    std::map<int, int> members() const;
    QString memberText(int genome, int count) const;
    void paintLandscape(QPainter &painter, const Scale &scale);
    void paintMembers(QPainter &painter, const Scale &scale);
    void paintTrail(QPainter &painter, const Scale &scale);
    void sample(const QPointF &position, int &genome, int &value) const;
    void drawTo(const QPointF &position, bool straight);
    void paintChosen(QPainter &painter, const Scale &scale);
    void choose(int genome);
    void raiseChosen(int by, bool held);
    void finishKeyStroke();

    const int *landscape;
    const Genome *community;
    const History *history;

    bool editing = false;
    bool stroking = false;
    Scale frozen;                   // the scale the stroke began with
    int before[LandscapeSize];      // the landscape when the stroke began
    int drawn[LandscapeSize];
    int startGenome = 0;
    int startValue = 0;
    int lastGenome = 0;
    int lastValue = 0;
    QString landscapeName;
    int chosen = -1;
    bool keyStroking = false; // Up or Down held while editing
};

#endif
