// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef RANDOM_H
#define RANDOM_H

#include <cstdint>
#include <cstdlib>

// glibc's generator with a state of its own (random_r): for the same seed it gives
// the numbers srand() and rand() give, without the process-wide lock, so that runs
// can go on side by side. It knows its seed and how many numbers it has drawn since,
// which is all it takes to put it back where it was.
class Random
{
public:
    explicit Random(unsigned seed);
    Random(const Random &other);
    Random &operator=(const Random &other);

    void seed(unsigned seed);
    int operator()()
    {
        int32_t number;
        random_r(&data, &number);
        ++drawn;
        return number;
    }

    unsigned seedValue() const { return seeded; }
    long long draws() const { return drawn; }
    // Seeded with seed, then draws numbers drawn; as fast for a billion draws as for one.
    void restore(unsigned seed, long long draws);

    static constexpr int StateWords = 32; // glibc's default: type 3, degree 31, and its header word
    // The state in the form setstate() takes: the header word, then the 31 words.
    void saveState(int32_t *words) const;

private:
    void skip(long long draws);

    int32_t state[StateWords];
    random_data data;
    unsigned seeded;
    long long drawn;
};

// The process-wide sequence of srand() and rand() that the window draws from, with
// its seed and the numbers drawn since kept the same way. Every draw of the window
// goes through here.
namespace ProcessRandom {
void seed(unsigned seed);
int draw();
unsigned seedValue();
long long draws();
void restore(unsigned seed, long long draws);
}

#endif
