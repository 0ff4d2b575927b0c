// The ring-side picture: two wrestlers at the tachiai, painted by the program itself.
#include "screens/RingPicture.h"

#include <QPainter>
#include <QPixmap>

namespace {

const QColor kBackground(250, 244, 228);

} // namespace

// Two wrestlers meeting at the tachiai on a clay ring, under the roof's
// tassel colours.
void paintRingPicture(QPainter& p, PictureCorners corners)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(kBackground);
    // A radius of 8 keeps the roof beam and the mound, which reach to 2 and 4
    // units from the edges, inside the rounded corners.
    if (corners == PictureCorners::Rounded)
        p.drawRoundedRect(QRectF(0, 0, 96, 96), 8, 8);
    else
        p.drawRect(QRectF(0, 0, 96, 96));

    // The raised clay mound and its straw ring.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(196, 160, 110));
    p.drawRect(4, 70, 88, 22);
    p.setBrush(QColor(224, 196, 150));
    p.drawEllipse(QRectF(10, 58, 76, 22));
    p.setPen(QPen(QColor(150, 120, 60), 3));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QRectF(14, 60, 68, 18));

    // The four tassels of the hanging roof.
    const QColor tassels[] = {QColor(40, 40, 40), QColor(40, 90, 200), QColor(200, 40, 40), QColor(240, 240, 240)};
    for (int i = 0; i < 4; ++i) {
        p.setPen(Qt::NoPen);
        p.setBrush(tassels[i]);
        p.drawRect(8 + i * 25, 4, 6, 12);
    }
    p.setBrush(QColor(120, 60, 40));
    p.drawRect(4, 2, 88, 4);

    // Two wrestlers leaning into each other at the charge, arms locked.
    const QColor skin(236, 190, 150);
    auto wrestler = [&](double x, double lean, const QColor& belt) {
        p.setPen(Qt::NoPen);
        p.setBrush(skin);
        p.drawEllipse(QRectF(x - 10, 40, 20, 24)); // body
        p.drawEllipse(QRectF(x - 5 + lean, 30, 11, 11)); // head
        p.setBrush(QColor(30, 30, 30));
        p.drawEllipse(QRectF(x - 2 + lean, 27, 5, 4)); // topknot
        p.setBrush(belt);
        p.drawRect(QRectF(x - 10, 53, 20, 6)); // mawashi
        p.setBrush(skin);
        p.drawRect(QRectF(x - 8, 60, 5, 9)); // legs
        p.drawRect(QRectF(x + 3, 60, 5, 9));
        p.setPen(QPen(skin, 4, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(x + lean, 46), QPointF(x + 3.2 * lean, 52)); // arm reaching across
    };
    wrestler(33, 4, QColor(90, 40, 120));
    wrestler(63, -4, QColor(20, 90, 60));
    p.restore();
}

QPixmap ringPicture()
{
    QPixmap pix(96, 96);
    pix.fill(kBackground);
    QPainter p(&pix);
    paintRingPicture(p, PictureCorners::Square);
    return pix;
}
