// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "core/store/ShortResult.h"

#include "core/common/CaptionNumbers.h"
#include "core/match/ClockModel.h"
#include "core/match/ResultText.h"

using namespace Qt::StringLiterals;

namespace {

QString standing(const QString &what, int overs)
{
    const ClockModel clock = clockAfter(overs);
    return u"%1: day %2, %3"_s.arg(what).arg(clock.day).arg(clock.timeCaption());
}

// The verdict's own words around the margin and the winner, taken from the verdict itself.
QString winner(const QString &result)
{
    const QString sample = resultText(false, 2, 1, u"\n"_s, {});
    const QString before = sample.left(sample.indexOf(signedNumber(1)));
    const QString between = sample.mid(before.size() + signedNumber(1).size()).chopped(1);
    if (!result.startsWith(before))
        return {};
    const qsizetype end = result.indexOf(between, before.size());
    if (end < 0)
        return {};
    const QString margin = result.mid(before.size(), end - before.size()).trimmed();
    return u"%1 won by %2 %3"_s.arg(result.mid(end + between.size()), margin,
                                    margin == u"1"_s ? u"run"_s : u"runs"_s);
}

} // namespace

QString shortResult(MatchStore::Status status, const QString &result, int overs)
{
    switch (status) {
    case MatchStore::Status::InProgress:
        return standing(u"In progress"_s, overs);
    case MatchStore::Status::Abandoned:
        return standing(u"Abandoned"_s, overs);
    case MatchStore::Status::Damaged:
        return result;
    case MatchStore::Status::Finished:
        break;
    }
    if (result == resultText(true, 0, 0, {}, {}))
        return u"Match drawn"_s;
    if (result == resultText(false, 0, 0, {}, {}))
        return u"Match tied"_s;
    const QString won = winner(result);
    return won.isEmpty() ? result : won;
}
