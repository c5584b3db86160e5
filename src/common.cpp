#include "common.h"

#include <algorithm>

int power(int base, int n)
{
    // Unsigned multiplication wraps like 32-bit hardware instead of overflowing.
    unsigned result = 1;
    for (int i = 1; i <= n; ++i)
        result *= static_cast<unsigned>(base);
    return static_cast<int>(result);
}


namespace {
const int landscapeSize = 512;
// One past INT_MAX: the magnitude of INT_MIN, and where saturation starts.
const long long magnitudeLimit = 2147483648LL;

bool isSeparator(char c)
{
    return c == ' ' || (c >= '\t' && c <= '\r');
}
}

LandscapeReader::LandscapeReader(int *landscape)
    : landscape(landscape), stored(0), phase(Between), negative(false), magnitude(0)
{
}

bool LandscapeReader::read(const char *bytes, std::size_t count)
{
    for (std::size_t i = 0; i < count && stored < landscapeSize; ++i) {
        const char c = bytes[i];
        if (isSeparator(c)) {
            if (phase != Between)
                endToken();
            continue;
        }
        const bool digit = c >= '0' && c <= '9';
        switch (phase) {
        case Between:
            negative = c == '-';
            magnitude = digit ? c - '0' : 0;
            phase = (digit || c == '-' || c == '+') ? Digits : Rest;
            break;
        case Digits:
            if (digit)
                magnitude = std::min(magnitude * 10 + (c - '0'), magnitudeLimit);
            else
                phase = Rest;
            break;
        case Rest:
            break;
        }
    }
    return stored < landscapeSize;
}

int LandscapeReader::finish()
{
    if (phase != Between && stored < landscapeSize)
        endToken();
    return stored;
}

void LandscapeReader::endToken()
{
    const long long value = negative ? -magnitude : std::min(magnitude, magnitudeLimit - 1);
    landscape[stored++] = static_cast<int>(value);
    phase = Between;
}
