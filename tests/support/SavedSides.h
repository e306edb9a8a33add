// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#pragma once

#include "core/store/SideStore.h"

#include "PlayerFileTest.h"

// The file's records first..first+10 ("Player <record>") as a side under `name`.
inline SavedSide elevenOf(const QString &name, int first = 2)
{
    SavedSide side{0, name, u"Australia"_s, 0, {}};
    for (int n = 0; n < 11; ++n)
        side.players[std::size_t(n)] = {first + n, u"Player %1"_s.arg(first + n)};
    return side;
}

// elevenOf saved in `sides`; ends the test run when the store refuses it.
inline SavedSide saveEleven(SideStore sides, const QString &name, int first = 2)
{
    SavedSide side = elevenOf(name, first);
    if (const QString problem = sides.add(side); !problem.isEmpty())
        qFatal("%s", qPrintable(problem));
    return side;
}
