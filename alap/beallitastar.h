#pragma once
// The per-user settings store: text values by application, section and key.
// On Linux an INI file, <config folder>/<application>/<application>.conf,
// replaced whole on every write so that it is never left half written (a
// symbolic link there is followed, and the file it points to replaced); on
// Windows the platform's own per-user store.

#include <QList>
#include <QString>
#include <utility>

namespace beállítástár {
QString GetSetting(const QString& alkalmazás, const QString& szakasz, const QString& kulcs, const QString& alapérték);
// Writes several keys of one section together; on Linux in one replacement
// of the file, so that it holds either all the new values or none of them.
// Every other key keeps the value that QSettings reads for it, and the lines
// stay as they were unless QSettings reads them otherwise than they look (a
// damaged or oddly hand-edited file): then the file is written anew from
// what QSettings read. True only when QSettings, reading the new file
// afresh, finds exactly that; false, with the old file in place, when the
// values could not be stored, also when the file is one its user may not
// write.
bool SaveSettings(const QString& alkalmazás, const QString& szakasz,
                  const QList<std::pair<QString, QString>>& kulcsok_értékei);
// Where the values of an application are kept (a file path or a registry key).
QString hely(const QString& alkalmazás);
}  // namespace beállítástár
