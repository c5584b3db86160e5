// SPDX-License-Identifier: GPL-3.0-or-later
#include "vezo.h"

int main()
{
    int landscape[512] = {};
    int community[10][9] = {};
    return vezo(25, 1, 20, landscape, community, 0, 0, 0, 0);
}
