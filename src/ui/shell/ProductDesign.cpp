// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "ui/shell/ProductDesign.h"

#include "ui/common/Controls.h"
#include "ui/common/Fonts.h"

#include <QCoreApplication>
#include <QDialog>
#include <QLabel>

namespace ProductDesign {

QString versionText()
{
    return QCoreApplication::translate("ProductDesign", "Version %1")
        .arg(QStringLiteral(STUMPWELL_VERSION));
}

QStringList splashNotices()
{
    return {QCoreApplication::translate("ProductDesign",
                                        "Dice cricket for two players at one computer: five-day "
                                        "test matches in which one roll of the die is one over."),
            QCoreApplication::translate("ProductDesign",
                                        "Pick the in-built elevens or your own players from the "
                                        "database, toss the coin and roll."),
            QCoreApplication::translate("ProductDesign",
                                        "Copyright 2026 The Stumpwell authors. MIT licence. This "
                                        "program comes with no warranty.")};
}

QString aboutNotice()
{
    return QCoreApplication::translate(
        "ProductDesign",
        "Stumpwell plays five-day test matches with a die: faces 1, 2, 3, 4 and 6 are runs to "
        "the batsman on strike, a 5 is an appeal decided against his batting average. It keeps "
        "the scorecard of every innings, the match clock, the summary and the highlights, and a "
        "database of your own players.\n\n"
        "Copyright 2026 The Stumpwell authors. MIT licence.");
}

void build(QDialog *window, int frameHeight, const QList<Notice> &notices)
{
    setBackColour(window, QColor(0, 128, 0));

    // The frame goes first so the version line and the notices are drawn over its border.
    QLabel *frame =
        makeLabel(window, QStringLiteral("lblFrame"), QString(), 120, 1080, 5295, frameHeight);
    setSingleBorder(frame);
    setForeColour(frame, QColor(192, 255, 192));

    QLabel *product = makeLabel(window, QStringLiteral("lblProduct"), QStringLiteral("Stumpwell"),
                                120, 120, 5295, 735);
    product->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    product->setFont(serifFont(27.75, true));
    setForeColour(product, Qt::white);

    QLabel *subtitle =
        makeLabel(window, QStringLiteral("lblSubtitle"),
                  QCoreApplication::translate("ProductDesign", "Rollcraft"), 2160, 660, 2055, 255);
    subtitle->setAlignment(Qt::AlignCenter);
    subtitle->setFont(sansSerifFont(8.25));
    setForeColour(subtitle, QColor(192, 255, 192));

    QLabel *version =
        makeLabel(window, QStringLiteral("lblVersion"), versionText(), 1200, 960, 3135, 255);
    version->setAlignment(Qt::AlignCenter);
    version->setFont(sansSerifFont(8.25));
    setSingleBorder(version);
    setBackColour(version, QColor(0, 128, 0));
    setForeColour(version, QColor(255, 255, 192));

    for (qsizetype i = 0; i < notices.size(); ++i) {
        QLabel *notice = makeLabel(window, QStringLiteral("lblNotice_%1").arg(i), notices[i].text,
                                   240, notices[i].top, 5055, notices[i].height);
        notice->setFont(sansSerifFont(8.25));
        notice->setWordWrap(true);
        notice->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        setForeColour(notice, QColor(192, 255, 192));
    }
}

} // namespace ProductDesign
