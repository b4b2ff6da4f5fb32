#pragma once
// The About window: title, version, and a button that starts the system's
// information tool.

#include <QString>

#include "alap/ablak.h"
#include "alap/feliratos.h"
#include "alap/kepdoboz.h"
#include "alap/kulcsertek.h"
#include "alap/vezerlotomb.h"

class FrmAbout : public Ablak {
public:
    KépDoboz picIcon;
    Gomb cmdOK;
    Gomb cmdSysInfo;
    VezérlőTömb<Vonal> Line1;
    Címke lblTitle;
    Címke lblVersion;
    Címke lblDisclaimer;

    // Starts the system information tool, or says that it is unavailable.
    void StartSysInfo();
    // Reads one registry value as text into KeyVal; false when it could not
    // be read. A value without any data is a run-time error (an exception).
    bool GetKeyValue(rendszerleíró::HKEY KeyRoot, const QString& KeyName, const QString& SubKeyRef, QString& KeyVal);

protected:
    void tervezés() override;
    void Form_Load() override;

private:
    void cmdOK_Click() { Unload(); }
    void cmdSysInfo_Click() { StartSysInfo(); }
};

inline Példány<FrmAbout> frmAbout;
