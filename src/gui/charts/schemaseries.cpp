// SPDX-License-Identifier: GPL-3.0-or-later
#include "schemaseries.h"

void SchemaSeries::add(long long generation, double count, double bound)
{
    if (!columns.empty() && columns.back().generations < span) {
        Column &column = columns.back();
        column.last = generation;
        ++column.generations;
        column.countTotal += count;
        column.boundTotal += bound;
        return;
    }
    if (columns.size() == MostColumns) {
        for (std::size_t index = 0; index < MostColumns / 2; ++index) {
            const Column &a = columns[2 * index];
            const Column &b = columns[2 * index + 1];
            columns[index] = Column{a.first, b.last, a.generations + b.generations, a.countTotal + b.countTotal,
                                    a.boundTotal + b.boundTotal};
        }
        columns.resize(MostColumns / 2);
        span *= 2;
    }
    columns.push_back(Column{generation, generation, 1, count, bound});
}

void SchemaSeries::clear()
{
    columns.clear();
    span = 1;
}
