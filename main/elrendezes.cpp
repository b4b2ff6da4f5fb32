#include "main/frm_tukrosdi.h"
#include "text/global.h"

namespace {
// The address of the program family's web site, the end of the slogan line.
const QString webcím = QStringLiteral("www.zsongoka.hu");
}  // namespace

// Covers 90 % of the screen, centred; the task line and the counter share a
// band at the top, the slogan line spans the bottom and the board fills the
// rest. Laid out once; the window cannot be resized.
void Frm_tukrosdi::elrendezés()
{
    setHeight(képernyő::Height() * 0.9);
    setWidth(képernyő::Width() * 0.9);
    setTop(képernyő::Top() + képernyő::Height() / 2 - Height() / 2);
    setLeft(képernyő::Left() + képernyő::Width() / 2 - Width() / 2);
    setCaption(QStringLiteral("Zsongóka Tukrosdi"));

    Label1.setTop(0);
    Label1.setLeft(120);
    Label1.setHeight(ScaleHeight() / 20);
    Label1.setWidth(ScaleWidth() / 3 * 2 - 120);
    kiír(Label1, QString(), 0);

    Label_számláló.setTop(0);
    Label_számláló.setWidth(ScaleWidth() / 3 - 120);
    Label_számláló.setLeft(ScaleWidth() - Label_számláló.Width() - 120);
    Label_számláló.setHeight(ScaleHeight() / 20);
    Label_számláló.setAlignment(Címke::RightJustify);
    kiír(Label_számláló, QString(), 0);

    // Centred on the outer width of the window, not on its inner width.
    Label_szlogen.setHeight(Height() / 15);
    Label_szlogen.setTop(ScaleHeight() - Label_szlogen.Height());
    Label_szlogen.setWidth(Width() * 0.95);
    Label_szlogen.setAlignment(Címke::Center);
    Label_szlogen.setLeft(Width() / 2 - Label_szlogen.Width() / 2);
    kiír(Label_szlogen, QStringLiteral("Örömteli olvasás  -  Zsongóka Programcsalád  -  ") + webcím, 0);

    konténer.setTop(Label1.Top() + Label1.Height());
    konténer.setHeight(Label_szlogen.Top() - konténer.Top());
    konténer.setLeft(120);
    konténer.setWidth(ScaleWidth() - 2 * konténer.Left());
}
