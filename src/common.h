#ifndef COMMON_H
#define COMMON_H

#include <cstddef>
#ifdef __SSE2__
#include <emmintrin.h>
#endif

int power(int base, int n);

// Sums power(2, i) over the elements i that are greater than 0: element 0 is the
// least significant bit. Inline, because every generation reads every member
// through it; a nine-element genome is read as two vectors of four and one more.
inline int genomeAsInteger(int bitsInArray, int *theMember)
{
#ifdef __SSE2__
    if (bitsInArray == 9) {
        const __m128i zero = _mm_setzero_si128();
        const __m128i low = _mm_loadu_si128(reinterpret_cast<const __m128i *>(theMember));
        const __m128i high = _mm_loadu_si128(reinterpret_cast<const __m128i *>(theMember + 4));
        const int lowBits = _mm_movemask_ps(_mm_castsi128_ps(_mm_cmpgt_epi32(low, zero)));
        const int highBits = _mm_movemask_ps(_mm_castsi128_ps(_mm_cmpgt_epi32(high, zero)));
        return lowBits | highBits << 4 | static_cast<int>(theMember[8] > 0) << 8;
    }
#endif
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
