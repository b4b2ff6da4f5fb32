#include "alap/program.h"

#include <QApplication>
#include <QDirIterator>
#include <QFile>
#include <QFontDatabase>
#include <QIconEngine>
#include <QPainter>
#include <QPixmapCache>
#include <QProxyStyle>
#include <QStyleFactory>
#include <functional>
#include <utility>

#include "alap/platform.h"
#include "alap/vezerlo.h"

namespace program {
namespace {
// Where Debian keeps the stand-in for the dialog font (see párbeszéd_betűtípus).
constexpr const char* tahoma_helyei[] = {"/usr/share/wine/fonts/tahoma.ttf",
                                         "/usr/share/fonts/truetype/wine/tahoma.ttf"};

// The dialog font of the designs has no face of its own here; Tahoma has
// nearly the same metrics, so the designed labels and buttons keep their
// line breaks. Debian ships it with its Windows-compatibility fonts, outside
// the folders that fontconfig searches. The controls ask for the stand-in by
// its own name: a family that is not installed costs every font look-up a
// search through the system's fallbacks.
void párbeszéd_betűtípus()
{
    const QStringList helyettesítők = {QStringLiteral("Tahoma"), QStringLiteral("Liberation Sans"),
                                       QStringLiteral("DejaVu Sans")};
    bool tahoma = QFontDatabase::hasFamily(helyettesítők[0]);
    if (!tahoma) {
        for (const char* hely : tahoma_helyei)
            if (QFile::exists(QString::fromLatin1(hely))) {
                tahoma = QFontDatabase::addApplicationFont(QString::fromLatin1(hely)) >= 0;
                break;
            }
    }
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"), helyettesítők);
    QString arc = tahoma ? helyettesítők[0] : QString();
    for (qsizetype i = 1; arc.isEmpty() && i < helyettesítők.size(); ++i)
        if (QFontDatabase::hasFamily(helyettesítők[i])) arc = helyettesítők[i];
    if (!arc.isEmpty()) alap_betű_arca(arc);
}

// The faces that travel with the program (in the browser, which has no fonts
// to give), and the one that stands in for the cards' Times New Roman where
// that is missing, as fontconfig's metric alias does.
void saját_betűk()
{
    QDirIterator betűk(QStringLiteral(":/betuk"));
    while (betűk.hasNext()) QFontDatabase::addApplicationFont(betűk.next());
    QFont::insertSubstitution(QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif"));
}

// An icon made when it is first shown.
class KésőIkon : public QIconEngine {
public:
    explicit KésőIkon(std::function<QIcon()> készítő) : forrás(std::move(készítő)) {}
    void paint(QPainter* p, const QRect& hely, QIcon::Mode mód, QIcon::State állapot) override
    {
        ikon().paint(p, hely, Qt::AlignCenter, mód, állapot);
    }
    QPixmap pixmap(const QSize& méret, QIcon::Mode mód, QIcon::State állapot) override
    {
        return ikon().pixmap(méret, mód, állapot);
    }
    QSize actualSize(const QSize& méret, QIcon::Mode mód, QIcon::State állapot) override
    {
        return ikon().actualSize(méret, mód, állapot);
    }
    QList<QSize> availableSizes(QIcon::Mode mód, QIcon::State állapot) override
    {
        return ikon().availableSizes(mód, állapot);
    }
    QIconEngine* clone() const override { return new KésőIkon(*this); }

private:
    QIcon& ikon()
    {
        if (forrás) valódi = std::exchange(forrás, nullptr)();
        return valódi;
    }
    std::function<QIcon()> forrás;
    QIcon valódi;
};

// The application's style, but the icon of the menu bar's extension button
// (shown only when the menus do not fit in one line) is read when it is first
// shown: reading the picture's format makes Qt load every image plugin, a few
// milliseconds before the first frame otherwise.
class Stílus : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;
    QIcon standardIcon(StandardPixmap melyik, const QStyleOption* opció, const QWidget* widget) const override
    {
        if (melyik != SP_ToolBarHorizontalExtensionButton) return QProxyStyle::standardIcon(melyik, opció, widget);
        return QIcon(new KésőIkon([this, melyik] { return QProxyStyle::standardIcon(melyik, nullptr, nullptr); }));
    }
};
}  // namespace

void előkészít(QApplication& alkalmazás)
{
    const Platform& p = használt_platform();
    QApplication::setApplicationName(p.Title());
    QApplication::setApplicationVersion(QStringLiteral("%1.%2.%3").arg(p.Major()).arg(p.Minor()).arg(p.Revision()));
    QApplication::setDesktopFileName(QStringLiteral("hu.zsongoka.tukrosdi"));
    saját_betűk();
    párbeszéd_betűtípus();
    alkalmazás.setFont(alap_betű());
    QApplication::setStyle(new Stílus(QStyleFactory::create(QApplication::style()->name())));
    // Nothing runs while nobody plays. Qt's pixmap cache trims itself on a
    // timer for as long as it holds anything, so it is kept empty (the
    // pictures have a store of their own; Qt's threads are the platform's).
    QPixmapCache::setCacheLimit(0);
}
}  // namespace program
