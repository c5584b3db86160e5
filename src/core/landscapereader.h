// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef LANDSCAPEREADER_H
#define LANDSCAPEREADER_H

#include <cstddef>

// Reads landscape text piece by piece into at most LandscapeSize values. Tokens are runs
// of non-whitespace; each is converted like atoi (optional sign, decimal digits, stop
// at the first other character, 0 when it starts otherwise) and saturated to the
// int range. Only the characters that decide a value are kept, so a token of any
// length costs constant memory. A UTF-8 byte-order mark at the very start is skipped.
class LandscapeReader
{
public:
    explicit LandscapeReader(int *landscape);

    // Takes the next bytes; false once every value is stored and nothing more is wanted.
    bool read(const char *bytes, std::size_t count);
    // Ends the text, storing a token that reaches its end; returns how many values were stored.
    int finish();
    // How many values are stored so far.
    int count() const { return stored; }

private:
    enum Phase { Between, Digits, Rest };

    void endToken();

    int *landscape;
    int stored;
    Phase phase;
    bool negative;
    long long magnitude;
    int markMatched; // bytes of the byte-order mark seen so far; -1 once decided
};

#endif
