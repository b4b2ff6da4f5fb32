#include "alap/beallitastar.h"

#include <QSettings>
#include <QStandardPaths>
#include <memory>

namespace beállítástár {
namespace {
std::unique_ptr<QSettings> tár(const QString& alkalmazás)
{
#ifdef Q_OS_WIN
    return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope, alkalmazás, alkalmazás);
#else
    return std::make_unique<QSettings>(hely(alkalmazás), QSettings::IniFormat);
#endif
}
}  // namespace

QString hely(const QString& alkalmazás)
{
#ifdef Q_OS_WIN
    return QStringLiteral("HKEY_CURRENT_USER\\Software\\%1\\%1").arg(alkalmazás);
#else
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + u'/' + alkalmazás + u'/' +
           alkalmazás + QStringLiteral(".conf");
#endif
}

QString GetSetting(const QString& alkalmazás, const QString& szakasz, const QString& kulcs, const QString& alapérték)
{
    const auto t = tár(alkalmazás);
    return t->value(szakasz + u'/' + kulcs, alapérték).toString();
}

bool SaveSetting(const QString& alkalmazás, const QString& szakasz, const QString& kulcs, const QString& érték)
{
    const auto t = tár(alkalmazás);
    t->setValue(szakasz + u'/' + kulcs, érték);
    t->sync();
    return t->status() == QSettings::NoError;
}
}  // namespace beállítástár
