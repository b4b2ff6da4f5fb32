#include "help/frm_about.h"

#include <stdexcept>

#include "alap/platform.h"
#include "main/frm_tukrosdi.h"

using namespace rendszerleíró;

void FrmAbout::Form_Load()
{
    setCaption(QStringLiteral("About ") + frm_tukrosdi().Caption());
    lblVersion.setCaption(
        QStringLiteral("Version %1.%2.%3").arg(használt_platform().Major()).arg(használt_platform().Minor()).arg(használt_platform().Revision()));
    lblTitle.setCaption(frm_tukrosdi().Caption());
    // Read by a screen reader when the window comes up.
    setAccessibleDescription(lblTitle.Caption() + QStringLiteral(", ") + lblVersion.Caption());
}

void FrmAbout::StartSysInfo()
{
    try {
        QString SysInfoPath;
        if (!GetKeyValue(HKLM, QLatin1String(gREGKEYSYSINFO), QLatin1String(gREGVALSYSINFO), SysInfoPath)) {
            if (!GetKeyValue(HKLM, QLatin1String(gREGKEYSYSINFOLOC), QLatin1String(gREGVALSYSINFOLOC), SysInfoPath))
                throw std::runtime_error("no system information tool");
            if (!használt_platform().létezik(SysInfoPath + QStringLiteral("\\MSINFO32.EXE")))
                throw std::runtime_error("no system information tool");
            SysInfoPath += QStringLiteral("\\MSINFO32.EXE");
        }
        if (!használt_platform().Shell(SysInfoPath, program::rendszerinfó_ablakállapota))
            throw std::runtime_error("system information tool cannot start");
        return;
    } catch (const std::exception&) {
    }
    használt_platform().MsgBox(QStringLiteral("System Information Is Unavailable At This Time"), használt_platform().Title());
}

// The 8-bit texts cross in the system's code page.
bool FrmAbout::GetKeyValue(HKEY KeyRoot, const QString& KeyName, const QString& SubKeyRef, QString& KeyVal)
{
    const std::string régi = KeyVal.toLocal8Bit().toStdString();
    std::string érték = régi;
    const bool eredmény = kulcsérték(használt_platform().registry(), KeyRoot, KeyName.toLocal8Bit().toStdString(),
                                     SubKeyRef.toLocal8Bit().toStdString(), érték);
    // A value of another type leaves the text as it was.
    if (érték != régi) KeyVal = QString::fromLocal8Bit(érték);
    return eredmény;
}
