// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "ui/common/GameIcon.h"

#include <QIconEngine>
#include <QPainter>
#include <QPixmapCache>
#include <QSvgRenderer>

using namespace Qt::StringLiterals;

namespace {

class GameIconEngine final : public QIconEngine
{
public:
    void paint(QPainter *painter, const QRect &rect, QIcon::Mode, QIcon::State) override
    {
        QSvgRenderer(u":/data/stumpwell.svg"_s).render(painter, rect);
    }
    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        const QString key = u"stumpwell-icon-%1x%2"_s.arg(size.width()).arg(size.height());
        QPixmap drawn;
        if (QPixmapCache::find(key, &drawn))
            return drawn;
        drawn = QPixmap(size);
        drawn.fill(Qt::transparent);
        QPainter painter(&drawn);
        paint(&painter, drawn.rect(), mode, state);
        painter.end();
        QPixmapCache::insert(key, drawn);
        return drawn;
    }
    QIconEngine *clone() const override { return new GameIconEngine; }
};

} // namespace

QIcon gameIcon()
{
    return QIcon(new GameIconEngine);
}
