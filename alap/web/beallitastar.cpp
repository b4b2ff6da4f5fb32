// The settings store in the browser: the page's local storage, under the
// items in which QSettings keeps an application's native settings there
// ("qt-v0-ORGANIZATION-APPLICATION-section/key", a '-' in a name doubled),
// the application being its own organization, as in the Windows registry.
// Read and written here rather than through QSettings, which aborts the
// program when the browser refuses the storage.

#include "alap/beallitastar.h"

#include <algorithm>

#include "alap/web/bongeszo.h"

namespace beállítástár {
namespace {
std::string elem(const QString& alkalmazás, const QString& szakasz, const QString& kulcs)
{
    return (hely(alkalmazás) + szakasz + u'/' + kulcs).toStdString();
}

// QSettings marks a text that begins with '@' with another one, so that
// it is not read as a value of another type.
std::string tárolandó(const QString& érték)
{
    return (érték.startsWith(u'@') ? u'@' + érték : érték).toStdString();
}
QString kiolvasott(const std::string& tárolt)
{
    const QString s = QString::fromStdString(tárolt);
    return s.startsWith(QStringLiteral("@@")) ? s.mid(1) : s;
}
}  // namespace

QString hely(const QString& alkalmazás)
{
    QString név = alkalmazás;
    név.replace(u'-', QStringLiteral("--"));
    return QStringLiteral("qt-v0-%1-%1-").arg(név);
}

QString GetSetting(const QString& alkalmazás, const QString& szakasz, const QString& kulcs, const QString& alapérték)
{
    const auto tárolt = böngésző::olvas(elem(alkalmazás, szakasz, kulcs));
    return tárolt ? kiolvasott(*tárolt) : alapérték;
}

// The keys one by one (the storage has no transaction), each read back.
bool SaveSettings(const QString& alkalmazás, const QString& szakasz,
                  const QList<std::pair<QString, QString>>& kulcsok_értékei)
{
    return std::all_of(kulcsok_értékei.begin(), kulcsok_értékei.end(), [&](const auto& ké) {
        const std::string hol = elem(alkalmazás, szakasz, ké.first), mit = tárolandó(ké.second);
        return böngésző::ír(hol, mit) && böngésző::olvas(hol) == mit;
    });
}
}  // namespace beállítástár
