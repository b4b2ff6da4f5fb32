#include "alap/beallitastar.h"

#include <QFile>
#include <QSettings>
#include <QStandardPaths>
#include <memory>
#include <optional>

#ifndef Q_OS_WIN
#include <sys/stat.h>
#endif

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

#ifndef Q_OS_WIN
// Which file is at `útvonal` now, if any. A successful write puts a new file
// in place of the old one, and the new file is made while the old one still
// exists, so it never has the old one's number.
std::optional<std::pair<dev_t, ino_t>> fájl_azonosítója(const QString& útvonal)
{
    struct stat adatok {};
    if (::stat(QFile::encodeName(útvonal).constData(), &adatok) != 0) return std::nullopt;
    return std::pair(adatok.st_dev, adatok.st_ino);
}
#endif
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

bool SaveSettings(const QString& alkalmazás, const QString& szakasz,
                  const QList<std::pair<QString, QString>>& kulcsok_értékei)
{
#ifdef Q_OS_WIN
    const auto t = tár(alkalmazás);
    for (const auto& [kulcs, érték] : kulcsok_értékei) t->setValue(szakasz + u'/' + kulcs, érték);
    t->sync();
    return t->status() == QSettings::NoError;
#else
    // The status alone cannot tell: a file that did not read cleanly (a
    // hand-edited one, say) leaves a format error that hides whether the
    // write that follows failed. Whether the file was replaced tells.
    const QString fájl = hely(alkalmazás);
    const auto előtte = fájl_azonosítója(fájl);
    const auto t = tár(alkalmazás);
    for (const auto& [kulcs, érték] : kulcsok_értékei) t->setValue(szakasz + u'/' + kulcs, érték);
    t->sync();
    const auto utána = fájl_azonosítója(fájl);
    return t->status() != QSettings::AccessError && utána && utána != előtte;
#endif
}
}  // namespace beállítástár
