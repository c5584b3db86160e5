// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target for the landscape reader: the bytes of a landscape file, read
// once whole and once cut in two at a place the input chooses, must give the
// same values, never more than 512.
#include "landscapereader.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const char *text = reinterpret_cast<const char *>(data);
    int whole[512];
    int pieces[512];
    std::memset(whole, 0x55, sizeof whole);
    std::memset(pieces, 0x55, sizeof pieces);

    LandscapeReader oneRead(whole);
    oneRead.read(text, size);
    const int stored = oneRead.finish();

    const std::size_t cut = size == 0 ? 0 : data[0] % (size + 1);
    LandscapeReader twoReads(pieces);
    if (twoReads.read(text, cut))
        twoReads.read(text + cut, size - cut);
    if (twoReads.finish() != stored || stored < 0 || stored > 512
        || std::memcmp(whole, pieces, sizeof whole) != 0)
        std::abort();
    return 0;
}
