#include "game/katalogus.h"

// The five texts as they are stored: the second begins with a comma, the
// fifth has blanks around some of its separators.
const std::array<QStringView, 5> katalógus_részei = {
    // pairs 0-68
    u"ad-vesz,alkony-hajnal,áll-ül,alsó-felső,angyali-ördögi,barát-ellenség,bátor-gyáva,"
    u"beborul-kiderül,beletesz-kivesz,beszél-hallgat,beteg-egészséges,betegség-egészség,"
    u"bő-szűk,csukott-nyitott,dallamos-dallamtalan,díszes-dísztelen,dob-elkap,drága-olcsó,"
    u"édes-keserű,ég-föld,egyenes-görbe,egyszerű-bonyolult,ehető-ehetetlen,éjszaka-nappal,"
    u"éles-életlen,elolt-meggyújt,élő-élettelen,elől-hátul,első-utolsó,"
    u"engedelmes-engedetlen,fagyaszt-olvaszt,fekete-fehér,felelős-felelőtlen,felkel-lefekszik,"
    u"felnőtt-gyerek,férfi-nő,fiú-lány,folyékony-szilárd,fönt-lent,friss-romlott,"
    u"gazdag-szegény,gyenge-erős,győztes-vesztes,gyűjt-szétszór,háború-béke,"
    u"hallgatag-beszédes,hangos-halk,hasznos-haszontalan,hazudós-őszinte,helyes-helytelen,"
    u"hideg-meleg,hűt-fűt,ide-oda,igaz-hamis,igazságos-igazságtalan,igen-nem,iható-ihatatlan,"
    u"illatos-büdös,itt-ott,finom-ízetlen,izgalmas-unalmas,járható-járhatatlan,jobb-bal,"
    u"jókedvű-kedvetlen,jómodorú-modortalan,jó-rossz,jószívű-irigy,jön-megy,"
    u"kedvező-kedvezőtlen",
    // pairs 69-93
    u",kellemes-kellemetlen,kemény-puha,kényelmes-kényelmetlen,keskeny-széles,kiabál-suttog,"
    u"ki-be,kicsi-nagy,kimegy-bejön,kint-bent,kinyílik-elhervad,kinyit-becsuk,"
    u"kiszámítható-kiszámíthatatlan,kitisztít-bepiszkol,kockás-csíkos,komoly-komolytalan,"
    u"koromfekete-hófehér,kövér-sovány,lakott-lakatlan,lassú-gyors,leejt-felvesz,"
    u"lehetséges-lehetetlen,magas-alacsony,menyország-pokol,mozdítható-mozdíthatatlan,"
    u"nap-hold,",
    // pairs 94-132
    u"napkelte-napnyugta,nehéz-könnyű,nyár-tél,nyer-veszít,nyitott-zárt,nyitva-zárva,"
    u"nyit-zár,okos-buta,olvad-fagy,óvatlan-óvatos,öltözik-vetkőzik,öreg-fiatal,"
    u"öröm-bánat,páros-páratlan,pontos-pontatlan,reggel-este,rendes-rendetlen,rövid-hosszú,"
    u"sekély-mély,sima-érdes,sír-nevet,síró-nevető,sok-kevés,sós-sótlan,"
    u"sötét-világos,sűrű-ritka,szabályos-szabálytalan,szállítható-szállíthatatlan,"
    u"száraz-vizes,szelíd-vad,szerencsés-szerencsétlen,szeret-utál,szigorú-engedékeny,"
    u"színes-színtelen,szorgalmas-lusta,szögletes-gömbölyű,szőke-barna,tiszta-piszkos,"
    u"tompa-hegyes,",
    // pairs 133-145
    u"több-kevesebb,törpe-óriás,tüzes-jeges,tűz-víz,udvarias-udvariatlan,új-régi,"
    u"ügyes-ügyetlen,üres-tele,vékony-vastag,veszélyes-biztonságos,vidám-szomorú,"
    u"zaj-csend,zöngés-zöngétlen,",
    // pairs 146-167
    u"nevetséges - ünnepélyes, kisszerű - magasztos, változó-maradandó, csipeget-zabál,"
    u"előny-hátrány, szép-csúnya, halandó-halhatatlan,néptelen-népes, nyugodt-ideges,"
    u" előtt-után, elalszik-felébred,dagály-apály, ártatlan-bűnös, alkonyat-pirkadat,"
    u" valószínű-valószínűtlen, jövő-múlt, tegnap-holnap, értékes-értéktelen,"
    u" fárasztó-pihentető, kedves-mogorva , szűkös-tágas, iskolázott-tanulatlan,",
};

QString katalógus()
{
    QString szólista;
    for (QStringView rész : katalógus_részei) szólista += rész;
    return szólista;
}

void szólista_feldolgozása(QString& szólista, std::vector<szópár>& párok)
{
    párok.assign(1, szópár{});
    if (!szólista.endsWith(u',')) szólista += u',';
    QString szó;
    for (QChar betű : szólista) {
        if (betű == u' ') continue;  // blanks never become part of a word
        if (betű == u'-') {
            if (!párok.back().szó1.isEmpty()) párok.emplace_back();
            párok.back().szó1 = szó;
            szó.clear();
        } else if (betű == u',') {
            párok.back().szó2 = szó;
            szó.clear();
        } else {
            szó += betű;
        }
    }
}
