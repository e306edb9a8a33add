// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "core/match/ResultText.h"

#include "core/common/CaptionNumbers.h"

#include <QCoreApplication>

using namespace Qt::StringLiterals;

MatchResult resultOf(bool timeUp, qint16 total1, qint16 total2)
{
    if (timeUp)
        return {MatchResult::Kind::Draw};
    if (total1 == total2)
        return {MatchResult::Kind::Tie};
    const bool first = total1 > total2;
    return {MatchResult::Kind::Win, first ? 0 : 1, first ? total1 - total2 : total2 - total1};
}

QString resultText(const MatchResult &result, const std::array<QString, 2> &teams)
{
    switch (result.kind) {
    case MatchResult::Kind::Draw:
        return QCoreApplication::translate(
            "MatchResult", "The time allowed for this match has expired; the innings were not "
                           "completed and the match has been declared a draw");
    case MatchResult::Kind::Tie:
        return QCoreApplication::translate("MatchResult", "This test match has been tied!");
    case MatchResult::Kind::Win:
        // The margin keeps the blank of its sign: two blanks after "by".
        return QCoreApplication::translate("MatchResult",
                                           "I declare the winner of this test match, by %1 runs "
                                           ": %2")
            .arg(signedNumber(result.margin), teams[std::size_t(result.winner == 1)]);
    case MatchResult::Kind::None:
        break;
    }
    return {};
}

QString resultKindCode(MatchResult::Kind kind)
{
    switch (kind) {
    case MatchResult::Kind::Win:
        return u"win"_s;
    case MatchResult::Kind::Tie:
        return u"tie"_s;
    case MatchResult::Kind::Draw:
        return u"draw"_s;
    case MatchResult::Kind::None:
        break;
    }
    return {};
}

MatchResult::Kind resultKindOf(const QString &code)
{
    for (auto kind : {MatchResult::Kind::Win, MatchResult::Kind::Tie, MatchResult::Kind::Draw}) {
        if (code == resultKindCode(kind))
            return kind;
    }
    return MatchResult::Kind::None;
}
