// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "core/charts/PartnershipPie.h"

#include "core/common/BlankTrim.h"

#include "core/common/CaptionNumbers.h"

const std::array<RgbColour, 11> PartnershipColours = {{
    {0, 0, 0},
    {255, 192, 192}, // light red
    {255, 255, 192}, // light yellow
    {192, 255, 192}, // light green
    {192, 255, 255}, // light cyan
    {255, 192, 255}, // light magenta
    {192, 0, 0},     // dark red
    {128, 128, 0},   // olive
    {0, 128, 0},     // green
    {0, 128, 128},   // teal
    {192, 0, 192},   // purple
}};

namespace {
constexpr float FirstAngle = 0.0000001f;
// Stops the last slice just short of a full turn.
constexpr float AngleCap = 6.28f;
} // namespace

const BattingCard *chartCard(const MatchState &state)
{
    const int innings = state.CurrentInnings;
    if (innings >= 1 && innings <= 4)
        return &state.Cards[std::size_t(innings)];
    if (innings == 5)
        return &state.Cards[4];
    return nullptr;
}

PartnershipFigures partnershipFigures(const BattingCard &card)
{
    PartnershipFigures figures;
    for (std::size_t k = 1; k <= 10; ++k) {
        figures.Partnership[k] = int(card.FOW[k]) - int(card.FOW[k - 1]);
        if (card.FOW[k] > 0)
            figures.PartnershipTotal += figures.Partnership[k];
    }
    return figures;
}

QList<PieWedge> partnershipWedges(const PartnershipFigures &figures)
{
    QList<PieWedge> wedges;
    // Only a card with negative totals gets here; dividing by it would draw nonsense.
    if (figures.PartnershipTotal <= 0)
        return wedges;
    float a = FirstAngle;
    for (int k = 1; k <= 10; ++k) {
        const int runs = figures.Partnership[std::size_t(k)];
        if (runs <= 0)
            continue;
        const float sweep = float(double(runs) / double(figures.PartnershipTotal) * 360.0);
        float b = float(double(a) + double(sweep) * 3.14159265 / 180.0);
        if (b > AngleCap)
            b = AngleCap;
        // Once the cap is reached, later slices stay empty rather than run backwards round
        // the whole pie.
        if (b < a)
            b = a;
        wedges.append(PieWedge{k, a, b});
        a = b;
    }
    return wedges;
}

QString legendText(const FixedText<80> &pair, int partnership)
{
    // A card never cleared holds nulls; they count as blanks here.
    QString names = pair.text();
    names.replace(QChar(0), QLatin1Char(' '));
    const QStringView shown = trimBlanks(names);
    if (shown.isEmpty())
        return QString();
    return shown.toString() + QLatin1Char(' ') + signedNumber(partnership);
}
