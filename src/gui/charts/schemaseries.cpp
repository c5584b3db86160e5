// SPDX-License-Identifier: GPL-3.0-or-later
#include "schemaseries.h"

void SchemaSeries::Column::merge(const Column &next)
{
    last = next.last;
    count += next.count;
    countTotal += next.countTotal;
    boundTotal += next.boundTotal;
}

void SchemaSeries::add(long long generation, double count, double bound)
{
    series.add(Column{generation, generation, 1, count, bound});
}

void SchemaSeries::clear()
{
    series.clear();
}
