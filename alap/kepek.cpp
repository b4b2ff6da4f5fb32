#include "alap/kepek.h"

#include <QGuiApplication>
#include <QHash>
#include <QPainter>
#include <QPixmapCache>
#include <QSvgRenderer>
#include <memory>

namespace képtár {
namespace {
QSvgRenderer& rajzoló(const QString& név)
{
    static QHash<QString, std::shared_ptr<QSvgRenderer>> rajzolók;
    auto& r = rajzolók[név];
    if (!r) r = std::make_shared<QSvgRenderer>(név);
    return *r;
}
}  // namespace

QPixmap pixmap(const Kép& kép, QSize méret)
{
    if (kép.üres() || méret.isEmpty()) return {};
    const QString kulcs = QStringLiteral("%1:%2x%3").arg(kép.név).arg(méret.width()).arg(méret.height());
    QPixmap kész;
    if (QPixmapCache::find(kulcs, &kész)) return kész;
    kész = QPixmap(méret);
    kész.fill(Qt::transparent);
    QPainter p(&kész);
    p.setRenderHint(QPainter::Antialiasing);
    rajzoló(kép.név).render(&p, QRectF(QPointF(0, 0), QSizeF(méret)));
    p.end();
    QPixmapCache::insert(kulcs, kész);
    return kész;
}

QIcon ikon(const Kép& kép)
{
    QIcon i;
    for (int méret : {16, 24, 32, 48, 64, 128, 256}) i.addPixmap(pixmap(kép, QSize(méret, méret)));
    return i;
}

// Drawn at the screen's pixel ratio, so that it stays sharp on a scaled
// screen; the hot spot stays in the picture's own 32 x 32 grid.
QCursor kurzor(const Kép& kép, QPoint forrópont)
{
    const qreal dpr = qApp->devicePixelRatio();
    QPixmap pm = pixmap(kép, QSize(32, 32) * dpr);
    pm.setDevicePixelRatio(dpr);
    return QCursor(pm, forrópont.x(), forrópont.y());
}
}  // namespace képtár
