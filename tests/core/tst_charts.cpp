// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "core/charts/PartnershipPie.h"

#include <QTest>

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
    void wedgesShareOutTheCompletedPartnerships_data()
    {
        QTest::addColumn<QList<int>>("fows");
        QTest::addColumn<QString>("wedges"); // partnership:end angle of each slice
        QTest::newRow("0 then 15") << QList<int>{0, 15} << u"2:6.2800"_s;
        QTest::newRow("30 and 90") << QList<int>{30, 90} << u"1:2.0944 2:6.2800"_s;
        QTest::newRow("stand going on takes nothing back") << QList<int>{40} << u"1:6.2800"_s;
        QTest::newRow("totals going down stop at the cap")
            << QList<int>{100, 10, 50} << u"1:6.2800 3:6.2800"_s;
        QTest::newRow("ten wickets, ten equal stands")
            << QList<int>{10, 20, 30, 40, 50, 60, 70, 80, 90, 100}
            << u"1:0.6283 2:1.2566 3:1.8850 4:2.5133 5:3.1416 6:3.7699 7:4.3982 8:5.0265 "
               "9:5.6549 10:6.2800"_s;
        QTest::newRow("no wicket, no runs in all") << QList<int>{-10, 0} << QString();
    }
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
    void chartFollowsTheInningsInPlay_data()
    {
        QTest::addColumn<int>("innings");
        QTest::addColumn<int>("card"); // -1: none
        for (const auto &[innings, card] : {std::pair{0, -1}, {1, 1}, {4, 4}, {5, 4}, {6, -1}})
            QTest::addRow("innings %d", innings) << innings << card;
    }
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
