#include "alap/kepek.h"

#include <QGuiApplication>
#include <QHash>
#include <QImage>
#include <QPainter>
#ifdef TUKROSDI_KEPEK_FELVETELBOL
#include "alap/felvetel.h"
#else
#include <QSvgRenderer>
#endif
#include <map>
#include <memory>
#include <vector>

namespace képtár {
namespace {
// Each drawing is read once: the cards of one board differ in width by a
// pixel here and there, and every width is drawn from the same drawing.
#ifdef TUKROSDI_KEPEK_FELVETELBOL
// The drawing's recording, NAME.pic beside NAME.svg, made at build time.
void rajzol(QPainter& p, const QString& név, QSize méret)
{
    static std::map<QString, QPicture> olvasottak;
    auto [it, új] = olvasottak.try_emplace(név);
    if (új) it->second.load(név.left(név.lastIndexOf(u'.')) + QStringLiteral(".pic"));
    lejátszik(p, it->second, méret);
}
#else
void rajzol(QPainter& p, const QString& név, QSize méret)
{
    static std::map<QString, std::unique_ptr<QSvgRenderer>> olvasottak;
    auto& r = olvasottak[név];
    if (!r) r = std::make_unique<QSvgRenderer>(név);
    r->render(&p, QRectF(QPointF(0, 0), QSizeF(méret)));
}
#endif

// The drawing at each size, in `formátum`.
std::vector<QImage> rajz(const QString& név, const std::vector<QSize>& méretek, QImage::Format formátum)
{
    std::vector<QImage> képek;
    for (QSize méret : méretek) {
        QImage kép(méret, QImage::Format_ARGB32_Premultiplied);
        kép.fill(Qt::transparent);
        QPainter p(&kép);
        p.setRenderHint(QPainter::Antialiasing);
        rajzol(p, név, méret);
        p.end();
        képek.push_back(kép.convertToFormat(formátum));
    }
    return képek;
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
    const QPixmap kész = QPixmap::fromImage(rajz(kép.név, {méret}, QImage::Format_ARGB32_Premultiplied).front());
    t.insert(kulcs, kész);
    return kész;
}

// The window system takes icons unpremultiplied: drawn so, the pixmaps need
// no conversion on the way to it.
QIcon ikon(const Kép& kép)
{
    QIcon i;
    if (kép.üres()) return i;
    std::vector<QSize> méretek;
    for (int m : {16, 24, 32, 48, 64, 128, 256}) méretek.emplace_back(m, m);
    for (const QImage& k : rajz(kép.név, méretek, QImage::Format_ARGB32))
        i.addPixmap(QPixmap::fromImage(k, Qt::NoFormatConversion));
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
