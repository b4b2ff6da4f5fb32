// A bare Qt window for the page's measurements: 36 tiles, 6 by 6, each a
// painted picture and a word, filling the page as the game's window does;
// then nothing until it is closed.
#include <QApplication>
#include <QGridLayout>
#include <QPainter>
#include <QWidget>

namespace {
class Csempe : public QWidget {
public:
    explicit Csempe(int sorszám) : szám(sorszám) {}

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        const QRect r = rect().adjusted(2, 2, -2, -2);
        p.fillRect(r, QColor(245, 240, 225));
        p.setBrush(QColor::fromHsv(szám * 137 % 360, 200, 200));
        p.setPen(Qt::NoPen);
        const QRect kép = r.adjusted(8, 8, -8, -r.height() / 3);
        if (szám % 2) p.drawEllipse(kép); else p.drawRoundedRect(kép, 12, 12);
        p.setPen(Qt::black);
        p.drawText(r.adjusted(0, r.height() * 2 / 3, 0, 0), Qt::AlignCenter, QStringLiteral("szó %1").arg(szám));
    }

private:
    int szám;
};
}  // namespace

int main(int argc, char* argv[])
{
    QApplication alkalmazás(argc, argv);
    QWidget ablak;
    ablak.setWindowTitle(QStringLiteral("Puszta ablak"));
    auto* rács = new QGridLayout(&ablak);
    for (int i = 0; i < 36; ++i) rács->addWidget(new Csempe(i), i / 6, i % 6);
    ablak.show();
    return alkalmazás.exec();
}
