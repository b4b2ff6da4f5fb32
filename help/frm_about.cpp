#include "help/frm_about.h"

#include <QFileInfo>
#include <stdexcept>

#include "alap/program.h"
#include "main/frm_tukrosdi.h"

using namespace rendszerleíró;

namespace {
constexpr std::uint32_t pufferméret = 1024;
}  // namespace

void FrmAbout::Form_Load()
{
    setCaption(QStringLiteral("About ") + frm_tukrosdi().Caption());
    lblVersion.setCaption(
        QStringLiteral("Version %1.%2.%3").arg(program::Major()).arg(program::Minor()).arg(program::Revision()));
    lblTitle.setCaption(frm_tukrosdi().Caption());
}

void FrmAbout::StartSysInfo()
{
    try {
        QString SysInfoPath;
        if (!GetKeyValue(HKLM, QLatin1String(gREGKEYSYSINFO), QLatin1String(gREGVALSYSINFO), SysInfoPath)) {
            if (!GetKeyValue(HKLM, QLatin1String(gREGKEYSYSINFOLOC), QLatin1String(gREGVALSYSINFOLOC), SysInfoPath))
                throw std::runtime_error("no system information tool");
            if (!QFileInfo::exists(SysInfoPath + QStringLiteral("\\MSINFO32.EXE")))
                throw std::runtime_error("no system information tool");
            SysInfoPath += QStringLiteral("\\MSINFO32.EXE");
        }
        if (!program::Shell(SysInfoPath)) throw std::runtime_error("system information tool cannot start");
        return;
    } catch (const std::exception&) {
    }
    program::MsgBox(QStringLiteral("System Information Is Unavailable At This Time"), program::Title());
}

bool FrmAbout::GetKeyValue(HKEY KeyRoot, const QString& KeyName, const QString& SubKeyRef, QString& KeyVal)
{
    Adatbázis& registry = használt();
    HKEY hKey = 0;
    // The key is closed on every way out, also when it could not be opened.
    struct Bezáró {
        Adatbázis& r;
        HKEY& k;
        ~Bezáró() { r.RegCloseKey(k); }
    } bezáró{registry, hKey};

    if (registry.RegOpenKeyExA(KeyRoot, KeyName.toLocal8Bit().constData(), 0, HOZZÁFÉRÉS, &hKey) != SIKERES) {
        KeyVal.clear();
        return false;
    }
    QByteArray tmpVal(pufferméret, '\0');
    std::uint32_t KeyValSize = pufferméret, KeyValType = 0;
    if (registry.RegQueryValueExA(hKey, SubKeyRef.toLocal8Bit().constData(), nullptr, &KeyValType,
                                  reinterpret_cast<unsigned char*>(tmpVal.data()), &KeyValSize) != SIKERES) {
        KeyVal.clear();
        return false;
    }
    // A text may come with or without its terminating zero.
    if (KeyValSize == 0 || KeyValSize > pufferméret) throw std::runtime_error("registry value without data");
    tmpVal.truncate(tmpVal[KeyValSize - 1] == '\0' ? KeyValSize - 1 : KeyValSize);

    switch (KeyValType) {
        case SZÖVEG_ÉRTÉK:
            KeyVal = QString::fromLocal8Bit(tmpVal);
            break;
        case SZÁM_ÉRTÉK: {
            // Bytes least significant first: read from the last, two hex digits each.
            QString hex;
            for (qsizetype i = tmpVal.size() - 1; i >= 0; --i)
                hex += QStringLiteral("%1").arg(uchar(tmpVal[i]), 2, 16, QLatin1Char('0')).toUpper();
            bool jó = false;
            const quint32 érték = hex.toUInt(&jó, 16);
            // As an &h literal would read: 32 bits with a sign.
            KeyVal = jó && hex.size() <= 8 ? QString::number(qint32(érték)) : QStringLiteral("&h") + hex;
            break;
        }
        default:
            break;
    }
    return true;
}
