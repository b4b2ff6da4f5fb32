#include "alap/beallitastar.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <memory>
#include <optional>

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
// The file's text with the keys of `szakasz` set to their new values, by its
// lines as they look: every other line stays as it was, hand-written or
// damaged; lines that give one of the keys in that section, in any of its
// headers, are dropped, so that no duplicate contradicts the new value. The
// new lines follow the section's last header, or a new section at the end.
// QSettings may read the lines otherwise (a line continued or a quote left
// open, lone CR line ends, an escaped section name), so what it reads from
// the result is checked before it is kept.
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

// QSettings keeps every file that it has read parsed, by path, and reads one
// again only when its size or time stamp has changed; so every file read
// here to learn what the game will read has a name that this process has
// not used before.
QString új_név(const QString& előtag)
{
    static int sorszám = 0;
    return előtag + QStringLiteral(".%1-%2").arg(QCoreApplication::applicationPid()).arg(++sorszám);
}

// Every key that QSettings finds in the file at `hely`, with its value;
// nothing when the file cannot be read.
std::optional<QVariantMap> olvasva(const QString& hely)
{
    const QSettings s(hely, QSettings::IniFormat);
    if (s.status() == QSettings::AccessError) return std::nullopt;
    QVariantMap kulcsok;
    for (const QString& kulcs : s.allKeys())
        if (s.contains(kulcs)) kulcsok.insert(kulcs, s.value(kulcs));
    return kulcsok;
}

// The text in which QSettings writes `kulcsok`, by way of a scratch file.
std::optional<QByteArray> qsettings_szövege(const QString& hely, const QVariantMap& kulcsok)
{
    {
        QSettings s(hely, QSettings::IniFormat);
        for (auto i = kulcsok.cbegin(); i != kulcsok.cend(); ++i) s.setValue(i.key(), i.value());
        s.sync();
        if (s.status() != QSettings::NoError) return std::nullopt;
    }
    QFile f(hely);
    if (!f.open(QIODevice::ReadOnly)) return std::nullopt;
    return f.readAll();
}

// The file that `hely` names in the end: a symbolic link is followed, even
// one whose file does not exist yet, so that the file it points to is the
// one replaced, in its own folder, and the link stays.
QString őrzött_fájl(const QString& hely)
{
    QFileInfo i(hely);
    for (int mélység = 0; i.isSymLink() && mélység < 40; ++mélység) i.setFile(i.symLinkTarget());
    return i.absoluteFilePath();
}

// Puts `tartalom` in the place of `fájl` if QSettings reads exactly `várt`
// from it. It is written whole under a new name beside the file first, with
// the old file's permissions: unbuffered, so that no short write (a full
// disk, a file size limit) can hide in a flush at the end, and an unfinished
// file is dropped. Read back from there, it is renamed over the file; a
// kill on the way leaves the old file, and beside it only whole new ones.
// The file is never written in place: where no new file can be made beside
// it, the save fails, as it does with QSettings.
enum class Csere { megtörtént, másként_olvasná, nem_sikerült };
Csere helyére(const QString& fájl, const QByteArray& tartalom, const QVariantMap& várt)
{
    const QString új = új_név(fájl);
    {
        QSaveFile ki(új);
        if (!ki.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return Csere::nem_sikerült;
        if (QFileInfo::exists(fájl)) ki.setPermissions(QFileInfo(fájl).permissions());
        if (ki.write(tartalom) != tartalom.size() || !ki.commit()) return Csere::nem_sikerült;
    }
    const bool egyezik = olvasva(új) == várt;
    if (egyezik && std::rename(QFile::encodeName(új).constData(), QFile::encodeName(fájl).constData()) == 0)
        return Csere::megtörtént;
    QFile::remove(új);
    return egyezik ? Csere::nem_sikerült : Csere::másként_olvasná;
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
    if (t->status() != QSettings::NoError) return false;
    // Read back through the store opened afresh.
    const auto olvasó = tár(alkalmazás);
    return std::all_of(kulcsok_értékei.begin(), kulcsok_értékei.end(), [&](const auto& ké) {
        return olvasó->value(szakasz + u'/' + ké.first) == QVariant(ké.second);
    });
#else
    // Written here rather than by QSettings, which takes a short write for a
    // whole one and puts the cut file in place of the old one. The old text
    // is read whole first: a file that cannot be read is not overwritten.
    // What QSettings reads from it is read through a link of a new name.
    const QString fájl = őrzött_fájl(hely(alkalmazás));
    QTemporaryDir vázlat(új_név(QDir::tempPath() + QStringLiteral("/tukrosdi")) + QStringLiteral("-XXXXXX"));
    if (!vázlat.isValid()) return false;
    QByteArray régi;
    QVariantMap várt;
    if (QFileInfo::exists(fájl)) {
        // A file that its user may not write is left as it is, as QSettings
        // leaves it, although its folder would take a new one in its place.
        if (!QFileInfo(fájl).isWritable()) return false;
        QFile f(fájl);
        if (!f.open(QIODevice::ReadOnly)) return false;
        régi = f.readAll();
        if (f.error() != QFileDevice::NoError) return false;
        const QString link = vázlat.filePath(QStringLiteral("regi.conf"));
        const auto előtte = QFile::link(fájl, link) ? olvasva(link) : std::nullopt;
        if (!előtte) return false;
        várt = *előtte;
    } else if (!QDir().mkpath(QFileInfo(fájl).path())) {
        return false;
    }
    QList<std::pair<QByteArray, QByteArray>> értékek;
    for (const auto& [kulcs, érték] : kulcsok_értékei) {
        értékek.append({kulcs.toUtf8(), érték.toUtf8()});
        várt.insert(szakasz + u'/' + kulcs, érték);
    }
    // The old text with its lines changed; if QSettings reads other values
    // from that, the whole file as QSettings writes what it read from the
    // old one and the new values.
    const Csere csere = helyére(fájl, beállított(régi, szakasz.toUtf8(), értékek), várt);
    if (csere != Csere::másként_olvasná) return csere == Csere::megtörtént;
    const auto újraírt = qsettings_szövege(vázlat.filePath(QStringLiteral("uj.conf")), várt);
    return újraírt && helyére(fájl, *újraírt, várt) == Csere::megtörtént;
#endif
}
}  // namespace beállítástár
