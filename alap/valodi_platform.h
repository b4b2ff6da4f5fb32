#pragma once
// The platform the program runs on: the screen and message boxes of the
// window system, the settings store and registry of the operating system,
// the clock for the random seed.

#include "alap/platform.h"

class ValódiPlatform : public Platform {
public:
    ValódiPlatform();
    QRect képernyő() const override;
    QMargins ablakkeret(bool főablak) const override;
    void MsgBox(const QString& szöveg, const QString& cím) override;
    void End() override;
    bool Shell(const QString& útvonal, program::Ablakállapot állapot) override;
    QString Path() const override;
    QString programfájl(const QString& mappa, const QString& név) const override;
    bool létezik(const QString& fájl) const override;
    void feladatsáv_nélkül(QWidget& főablak) override;
    QString Title() const override;
    int Major() const override;
    int Minor() const override;
    int Revision() const override;
    rendszerleíró::Adatbázis& registry() override;
    std::uint32_t véletlen_mag() override;

protected:
    QString tárolt(const QString& alkalmazás, const QString& szakasz, const QString& kulcs,
                   const QString& alapérték) override;
    bool tárol(const QString& alkalmazás, const QString& szakasz,
               const QList<std::pair<QString, QString>>& kulcsok_értékei) override;
};
