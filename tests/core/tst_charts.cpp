// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "core/charts/PartnershipPie.h"

#include <QTest>

#include "Tables.h"

using namespace Qt::StringLiterals;

class tst_Charts : public QObject
{
    Q_OBJECT

    // A card with falls of wicket 1, 2, ...
    static BattingCard card(const QList<int> &fows)
    {
        BattingCard card;
        for (qsizetype k = 1; k <= fows.size(); ++k)
            card.FOW[std::size_t(k)] = qint16(fows[k - 1]);
        return card;
    }

private slots:
    void wedgesShareOutTheCompletedPartnerships_data() { addRows(u"wedges"_s); }
    void wedgesShareOutTheCompletedPartnerships()
    {
        QFETCH(QList<int>, fows);
        QFETCH(QString, wedges);
        QStringList seen;
        for (const PieWedge &wedge : partnershipWedges(partnershipFigures(card(fows))))
            seen << u"%1:%2"_s.arg(wedge.partnership).arg(double(wedge.endAngle), 0, 'f', 4);
        QCOMPARE(seen.join(u' '), wedges);
    }

    // The chart shows the innings in play, the last one once the match is over, else nothing.
    void chartFollowsTheInningsInPlay_data() { addRows(u"chartcard"_s); }
    void chartFollowsTheInningsInPlay()
    {
        QFETCH(int, innings);
        QFETCH(int, card);
        MatchState state;
        state.CurrentInnings = quint8(innings);
        const BattingCard *shown = chartCard(state);
        QCOMPARE(shown ? int(shown - &state.Cards[0]) : -1, card);
    }
};

QTEST_MAIN(tst_Charts)
#include "tst_charts.moc"
