// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "core/match/SummaryModel.h"

void SummaryModel::add(int inningsNumber, int runs)
{
    if (inningsNumber < 1 || inningsNumber > 4)
        return;
    innings[std::size_t(inningsNumber)] += runs;
    (inningsNumber % 2 == 1 ? total1 : total2) += runs;
}
