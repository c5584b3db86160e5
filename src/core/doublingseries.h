// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef DOUBLINGSERIES_H
#define DOUBLINGSERIES_H

#include <cstddef>
#include <vector>

// The whole of a long sequence in at most Most buckets, oldest first: the last
// bucket takes items until it holds span() of them; when the buckets run out,
// neighbours merge in pairs and the span doubles. A Bucket counts the items it
// holds (count) and takes in the bucket that follows it (merge).
template <typename Bucket, std::size_t Most>
class DoublingSeries
{
public:
    static_assert(Most >= 2 && Most % 2 == 0, "buckets merge in pairs");

    DoublingSeries() { kept.reserve(Most); }

    // single: a bucket of one item.
    void add(const Bucket &single)
    {
        if (!kept.empty() && kept.back().count < spanned) {
            kept.back().merge(single);
            return;
        }
        if (kept.size() == Most) {
            for (std::size_t pair = 0; pair < Most / 2; ++pair) {
                kept[pair] = kept[2 * pair];
                kept[pair].merge(kept[2 * pair + 1]);
            }
            kept.resize(Most / 2);
            spanned *= 2;
        }
        kept.push_back(single);
    }

    void clear()
    {
        kept.clear();
        spanned = 1;
    }

    const std::vector<Bucket> &buckets() const { return kept; }
    bool empty() const { return kept.empty(); }
    long long span() const { return spanned; }

private:
    std::vector<Bucket> kept;
    long long spanned = 1;
};

#endif
