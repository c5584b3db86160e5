// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef SCHEMACHART_H
#define SCHEMACHART_H

#include "chartwidget.h"

#include <vector>

struct SchemaSeries;

// For each schema followed, the members that match it (solid) and the least
// number the schema theorem expects from the generation before (dashed), over the
// generations, as means of the series' columns.
class SchemaChart : public ChartWidget
{
    Q_OBJECT

public:
    // series stays alive while the chart shows it.
    explicit SchemaChart(const std::vector<SchemaSeries> *series, QWidget *parent = nullptr);

    // The series changed; generation is the latest they counted, -1 for none.
    void setLatest(long long generation);

    QSize minimumSizeHint() const override;
    QSize sizeHint() const override;

    // The sign that marks the schema numbered index at its latest count, in the pen's colour.
    static void paintSign(QPainter &painter, int index, const QPointF &centre, double radius);

protected:
    void paint(QPainter &painter) override;
    QString description() const override;

private:
    const std::vector<SchemaSeries> *series;
    long long latest = -1;
};

#endif
