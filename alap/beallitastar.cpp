#include "alap/beallitastar.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QSettings>
#include <QStandardPaths>
#include <algorithm>
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

#ifndef Q_OS_WIN
// The file's text with the keys of `szakasz` set to their new values. Every
// other line stays as it was, hand-written or damaged; lines that give one
// of the keys in that section, in any of its headers, are dropped, so that
// no duplicate contradicts the new value. The new lines follow the section's
// last header, or a new section at the end.
QByteArray beállított(const QByteArray& régi, const QByteArray& szakasz,
                      const QList<std::pair<QByteArray, QByteArray>>& értékek)
{
    QList<QByteArray> sorok = régi.split('\n');
    if (sorok.last().isEmpty()) sorok.removeLast();
    const bool crlf = régi.contains("\r\n");
    QList<QByteArray> kimenet;
    QByteArray aktuális;
    qsizetype fejléc = -1;
    for (const QByteArray& sor : sorok) {
        const QByteArray t = sor.trimmed();
        if (t.startsWith('[') && t.contains(']')) {
            aktuális = t.mid(1, t.indexOf(']') - 1).trimmed();
            if (aktuális == szakasz) fejléc = kimenet.size();
        } else if (aktuális == szakasz) {
            const QByteArray kulcs = t.left(t.indexOf('=')).trimmed();
            if (std::any_of(értékek.begin(), értékek.end(), [&](const auto& é) { return é.first == kulcs; })) continue;
        }
        kimenet.append(sor);
    }
    QList<QByteArray> újak;
    for (const auto& [kulcs, érték] : értékek) újak.append(kulcs + '=' + érték + (crlf ? "\r" : ""));
    if (fejléc < 0) {
        if (!kimenet.isEmpty() && !kimenet.last().trimmed().isEmpty()) kimenet.append(crlf ? "\r" : "");
        kimenet.append('[' + szakasz + ']' + (crlf ? "\r" : ""));
        fejléc = kimenet.size() - 1;
    }
    for (qsizetype i = 0; i < újak.size(); ++i) kimenet.insert(fejléc + 1 + i, újak[i]);
    return kimenet.join('\n') + '\n';
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
    // Written here rather than by QSettings, which takes a short write (a
    // full disk, a file size limit) for a whole one and puts the cut file in
    // place of the old one. The old text is read whole first: a file that
    // cannot be read is not overwritten.
    const QString fájl = hely(alkalmazás);
    QByteArray régi;
    if (QFileInfo::exists(fájl)) {
        QFile f(fájl);
        if (!f.open(QIODevice::ReadOnly)) return false;
        régi = f.readAll();
        if (f.error() != QFileDevice::NoError) return false;
    } else if (!QDir().mkpath(QFileInfo(fájl).path())) {
        return false;
    }
    QList<std::pair<QByteArray, QByteArray>> értékek;
    for (const auto& [kulcs, érték] : kulcsok_értékei) értékek.append({kulcs.toUtf8(), érték.toUtf8()});
    const QByteArray új = beállított(régi, szakasz.toUtf8(), értékek);

    // A new file takes the old one's place only when all of it is written;
    // unbuffered, so that no short write can hide in a flush at the end.
    QSaveFile ki(fájl);
    if (!ki.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return false;
    if (ki.write(új) != új.size()) return false;  // the unfinished file is dropped
    return ki.commit();
#endif
}
}  // namespace beállítástár
