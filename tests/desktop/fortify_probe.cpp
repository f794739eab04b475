// SPDX-FileCopyrightText: 2026 The Tagwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <cstdio>

// A buffer of known size, a length known at run time: a fortifying build checks the call.
int main(int argc, char *argv[])
{
    char name[16];
    return std::snprintf(name, sizeof name / 2 * unsigned(argc), "%s", argv[0]) < 0;
}
