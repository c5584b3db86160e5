// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef SCHEMASERIES_H
#define SCHEMASERIES_H

#include "doublingseries.h"
#include "schema.h"

#include <QColor>

#include <vector>

// A schema followed over the generations: how many members matched and the bound
// the schema theorem gave for that count, in columns. The whole span since the
// schema was added is kept, each column the mean of its generations, twice as many
// generations a column whenever they run out: memory stays bounded however long
// the run, and the theorem speaks of expectations, which means over generations show.
struct SchemaSeries
{
    static constexpr int MostColumns = 512;

    struct Column
    {
        long long first;
        long long last;
        long long count; // generations
        double countTotal;
        double boundTotal;

        double matches() const { return countTotal / double(count); }
        double bound() const { return boundTotal / double(count); }
        void merge(const Column &next);
    };

    void add(long long generation, double count, double bound);
    void clear();
    const std::vector<Column> &columns() const { return series.buckets(); }

    Schema schema;
    QColor colour;
    int sign = 0; // which of SchemaChart's signs marks it

private:
    DoublingSeries<Column, MostColumns> series;
};

#endif
