#pragma once
// The per-user settings store: text values by application, section and key.
// On Linux an INI file, <config folder>/<application>/<application>.conf,
// replaced whole on every write so that it is never left half written; on
// Windows the platform's own per-user store.

#include <QString>

namespace beállítástár {
QString GetSetting(const QString& alkalmazás, const QString& szakasz, const QString& kulcs, const QString& alapérték);
// False when the value could not be stored.
bool SaveSetting(const QString& alkalmazás, const QString& szakasz, const QString& kulcs, const QString& érték);
// Where the values of an application are kept (a file path or a registry key).
QString hely(const QString& alkalmazás);
}  // namespace beállítástár
