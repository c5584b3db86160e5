// SPDX-License-Identifier: GPL-3.0-or-later
#include "landscapereader.h"
#include "sizes.h"

#include <algorithm>

namespace {
// One past INT_MAX: the magnitude of INT_MIN, and where saturation starts.
const long long magnitudeLimit = 2147483648LL;
const char byteOrderMark[] = "\xEF\xBB\xBF";
const int byteOrderMarkLength = 3;

bool isSeparator(char c)
{
    return c == ' ' || (c >= '\t' && c <= '\r');
}
}

LandscapeReader::LandscapeReader(int *landscape)
    : landscape(landscape), stored(0), phase(Between), negative(false), magnitude(0), markMatched(0)
{
}

bool LandscapeReader::read(const char *bytes, std::size_t count)
{
    for (std::size_t i = 0; i < count && stored < LandscapeSize; ++i) {
        const char c = bytes[i];
        if (isSeparator(c)) {
            if (phase != Between)
                endToken();
            markMatched = -1;
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
        // The mark's bytes read as a token of value 0 until the whole mark is seen.
        if (markMatched >= 0) {
            if (c != byteOrderMark[markMatched])
                markMatched = -1;
            else if (++markMatched == byteOrderMarkLength) {
                phase = Between;
                markMatched = -1;
            }
        }
    }
    return stored < LandscapeSize;
}

int LandscapeReader::finish()
{
    if (phase != Between && stored < LandscapeSize)
        endToken();
    return stored;
}

void LandscapeReader::endToken()
{
    const long long value = negative ? -magnitude : std::min(magnitude, magnitudeLimit - 1);
    landscape[stored++] = static_cast<int>(value);
    phase = Between;
}
