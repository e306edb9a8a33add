// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "ui/common/LongNames.h"

#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QStyle>

namespace {

bool fits(const QLabel *label, const QString &text)
{
    const QRect room = label->contentsRect();
    const QRect needed =
        QFontMetrics(label->font())
            .boundingRect(
                room, int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0), text);
    return needed.width() <= room.width() && needed.height() <= room.height();
}

} // namespace

std::array<Side, 2> namesElided(const std::array<Side, 2> &sides, const QFontMetrics &metrics,
                                int width)
{
    std::array<Side, 2> cut = sides;
    for (Side &side : cut)
        side.team.Name = metrics.elidedText(side.team.Name.trimmed(), Qt::ElideRight, width);
    return cut;
}

void setTeamCaption(QLabel *label, const std::array<Side, 2> &sides,
                    const std::function<QString(const std::array<Side, 2> &)> &compose)
{
    const QString whole = compose(sides);
    if (fits(label, whole)) {
        label->setText(whole);
        label->setToolTip(QString());
        return;
    }
    // The widest cut that still fits, found by halving.
    const QFontMetrics metrics(label->font());
    int low = 0, high = label->contentsRect().width();
    while (low < high) {
        const int middle = (low + high + 1) / 2;
        if (fits(label, compose(namesElided(sides, metrics, middle))))
            low = middle;
        else
            high = middle - 1;
    }
    label->setText(compose(namesElided(sides, metrics, low)));
    label->setToolTip(whole);
}

QString namesElided(QString text, const QStringList &names, const QFontMetrics &metrics, int width)
{
    for (const QString &name : names)
        text.replace(name, metrics.elidedText(name, Qt::ElideRight, width));
    return text;
}

void setElidedCaption(QLabel *label, const QString &text)
{
    const QString shown =
        QFontMetrics(label->font()).elidedText(text, Qt::ElideRight, label->contentsRect().width());
    label->setText(shown);
    label->setToolTip(shown == text ? QString() : text);
}

void setTeamButton(QPushButton *button, const QString &name)
{
    const int margin = 2 * button->style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button);
    const QString shown =
        button->fontMetrics().elidedText(name, Qt::ElideRight, button->width() - margin - 4);
    button->setText(QString(shown).replace(u'&', QStringLiteral("&&")));
    button->setToolTip(shown == name ? QString() : name);
}
