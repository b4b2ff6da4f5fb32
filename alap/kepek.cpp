#include "alap/kepek.h"

#include <QGuiApplication>
#include <QHash>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QThreadPool>
#include <future>
#include <memory>
#include <utility>
#include <vector>

namespace képtár {
namespace {
// The raster engine splits every larger fill across Qt's global thread pool
// and waits for it, unless it already runs on a thread of that pool; for
// pictures of this size the splitting costs more than it saves. So a picture
// is parsed and drawn whole on one pool thread, and the pool lets the thread
// go as soon as it is idle (see program::előkészít). The images come in
// `formátum`.
std::vector<QImage> rajz(const QString& név, const std::vector<QSize>& méretek, QImage::Format formátum)
{
    QSvgRenderer rajzoló(név);
    std::vector<QImage> képek;
    for (QSize méret : méretek) {
        QImage kép(méret, QImage::Format_ARGB32_Premultiplied);
        kép.fill(Qt::transparent);
        QPainter p(&kép);
        p.setRenderHint(QPainter::Antialiasing);
        rajzoló.render(&p, QRectF(QPointF(0, 0), QSizeF(méret)));
        p.end();
        képek.push_back(kép.convertToFormat(formátum));
    }
    return képek;
}

std::future<std::vector<QImage>> rajzolás(const QString& név, std::vector<QSize> méretek, QImage::Format formátum)
{
    auto ígéret = std::make_shared<std::promise<std::vector<QImage>>>();
    auto eredmény = ígéret->get_future();
    QThreadPool::globalInstance()->start([ígéret, név, méretek = std::move(méretek), formátum] {
        ígéret->set_value(rajz(név, méretek, formátum));
    });
    return eredmény;
}

// Past this many pictures the store starts afresh; a run needs far fewer.
constexpr int legtöbb = 64;
QHash<QString, QPixmap>& tár()
{
    static QHash<QString, QPixmap> t;
    return t;
}
}  // namespace

QPixmap pixmap(const Kép& kép, QSize méret)
{
    if (kép.üres() || méret.isEmpty()) return {};
    const QString kulcs = QStringLiteral("%1:%2x%3").arg(kép.név).arg(méret.width()).arg(méret.height());
    auto& t = tár();
    if (const auto it = t.constFind(kulcs); it != t.constEnd()) return *it;
    if (t.size() >= legtöbb) t.clear();
    QImage rajz = std::move(rajzolás(kép.név, {méret}, QImage::Format_ARGB32_Premultiplied).get().front());
    const QPixmap kész = QPixmap::fromImage(std::move(rajz));
    t.insert(kulcs, kész);
    return kész;
}

// The window system takes icons unpremultiplied: converted on the pool thread,
// the pixmaps need no conversion on the way to it.
void ikon_rajzolása(const Kép& kép, std::function<void(const QIcon&)> kész)
{
    if (kép.üres()) return;
    std::vector<QSize> méretek;
    for (int m : {16, 24, 32, 48, 64, 128, 256}) méretek.emplace_back(m, m);
    QThreadPool::globalInstance()->start([név = kép.név, méretek = std::move(méretek), kész = std::move(kész)] {
        auto képek = std::make_shared<std::vector<QImage>>(rajz(név, méretek, QImage::Format_ARGB32));
        QMetaObject::invokeMethod(qApp, [képek, kész] {
            QIcon i;
            for (const QImage& k : *képek) i.addPixmap(QPixmap::fromImage(k, Qt::NoFormatConversion));
            kész(i);
        });
    });
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
