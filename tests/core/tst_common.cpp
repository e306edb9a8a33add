// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "core/common/CaptionNumbers.h"
#include "core/common/FixedText.h"
#include "core/common/RandomSource.h"
#include "core/common/SaveWhole.h"

#include <QTest>

#include "PlayerFileTest.h"
#include "Tables.h"

using namespace Qt::StringLiterals;

class tst_Common : public QObject
{
    Q_OBJECT
    QTemporaryDir m_dir;
private slots:
    // Mended fault: a page, card or table that could not be written never said why. Its folder
    // mounted read-only, or a small disk filled, in a child's own mount namespace.
    void savingSaysWhyInWords_data() { addRows(u"savefailures"_s); }
    void savingSaysWhyInWords()
    {
        QFETCH(QString, mount);
        const QString folder = qEnvironmentVariable("STUMPWELL_MOUNTED_DIR");
        if (folder.isEmpty())
            return inMountedChild(m_dir.path(), mount);
        QTEST(saveWhole(folder + u"/page.html"_s, QByteArray(1 << 16, 'x')), "why");
    }

    void fixedTextPadsCutsAndTrims()
    {
        FixedText<20> slot;
        QCOMPARE(slot.text(), QString(20, QChar(0))); // never written
        slot = u"KR Dunmore";
        QCOMPARE(slot.text(), u"KR Dunmore          "_s);
        QCOMPARE(slot.trimmed(), u"KR Dunmore"_s);
        slot = u"Bartholomew Fitzwilliam";
        QCOMPARE(slot.text(), u"Bartholomew Fitzwill"_s);
    }

    void captionsReadAsTheNumberAtTheirStart_data() { addRows(u"captionvalues"_s); }
    void captionsReadAsTheNumberAtTheirStart()
    {
        QFETCH(QString, text);
        QTEST(captionValue(text), "value");
    }

    void numbersWriteWithABlankForThePlusSign()
    {
        QCOMPARE(plainNumber(187), u"187"_s);
        QCOMPARE(signedNumber(58), u" 58"_s);
        QCOMPARE(signedNumber(0), u" 0"_s);
        QCOMPARE(signedNumber(-4), u"-4"_s);
    }

    // Every face from 1 to n and nothing else, evenly spread.
    void timeSeededDrawsStayInRangeAndSpreadEvenly()
    {
        TimeSeededRandom random;
        std::array<int, 8> counts{};
        for (int i = 0; i < 60000; ++i) {
            random.reseed();
            ++counts[std::size_t(std::clamp(random.draw(6), 0, 7))];
        }
        QCOMPARE(counts[0], 0);
        QCOMPARE(counts[7], 0);
        for (int face = 1; face <= 6; ++face)
            QVERIFY2(counts[std::size_t(face)] > 9500 && counts[std::size_t(face)] < 10500,
                     qPrintable(QString::number(counts[std::size_t(face)])));
    }

    void replayStopsAtTheEndOrAtADrawOutOfRange_data() { addRows(u"replaydraws"_s); }
    void replayStopsAtTheEndOrAtADrawOutOfRange()
    {
        QFETCH(QList<int>, recorded);
        const std::vector<quint8> draws(recorded.begin(), recorded.end());
        ReplayRandom replay(draws.data(), draws.data() + draws.size());
        QCOMPARE(replay.draw(6), 3);
        QCOMPARE(replay.draw(6), 1); // a safe answer, never a read past the end
        QTEST(replay.error(), "error");
        QCOMPARE(replay.draw(6), 1);
    }
};

QTEST_MAIN(tst_Common)
#include "tst_common.moc"
