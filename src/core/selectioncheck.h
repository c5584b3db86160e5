// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef SELECTIONCHECK_H
#define SELECTIONCHECK_H

struct GenerationTrace;

// Whether the wheel draws each member as often as its share says: for every member
// of every generation added, the copies expected, 10 * share / width, against the
// draws that landed on it, pooled in bins of expected copies.
class SelectionCheck
{
public:
    static constexpr int Bins = 8;

    struct Bin
    {
        double low;  // the expected copies it takes, low up to high
        double high;
        long long samples = 0;
        double expectedTotal = 0;
        long long observedTotal = 0;
        double varianceTotal = 0; // of the draws, as the shares give it

        double meanExpected() const { return expectedTotal / samples; }
        double meanObserved() const { return double(observedTotal) / samples; }
        // The standard error of meanObserved() when the wheel draws fairly.
        double spread() const;
    };

    SelectionCheck();

    void add(const GenerationTrace &trace);
    void reset();

    long long generations() const { return count; }
    const Bin &bin(int index) const { return bins[index]; }
    // The bin that takes a member expected to be drawn this often.
    static int binOf(double expectedCopies);

private:
    Bin bins[Bins];
    long long count = 0;
};

#endif
