#ifndef COMMON_H
#define COMMON_H

#include <cstddef>

int power(int base, int n);

// Sums power(2, i) over the elements i that are greater than 0: element 0 is the
// least significant bit. Inline, and with shifts, because every generation reads
// every member through it.
inline int genomeAsInteger(int bitsInArray, int *theMember)
{
    int value = 0;
    for (int bit = 0; bit < bitsInArray; ++bit)
        value |= static_cast<int>(theMember[bit] > 0) << bit;
    return value;
}

// Reads landscape text piece by piece into at most 512 values. Tokens are runs of
// non-whitespace; each is converted like atoi (optional sign, decimal digits, stop
// at the first other character, 0 when it starts otherwise) and saturated to the
// int range. Only the characters that decide a value are kept, so a token of any
// length costs constant memory.
class LandscapeReader
{
public:
    explicit LandscapeReader(int *landscape);

    // Takes the next bytes; false once 512 values are stored and nothing more is wanted.
    bool read(const char *bytes, std::size_t count);
    // Ends the text, storing a token that reaches its end; returns how many values were stored.
    int finish();

private:
    enum Phase { Between, Digits, Rest };

    void endToken();

    int *landscape;
    int stored;
    Phase phase;
    bool negative;
    long long magnitude;
};

#endif
