#include "Logo.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

QPixmap Logo::pixmap(int size)
{
    QPixmap pm(size, size);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient fill(0, 0, size, size);
    fill.setColorAt(0, QColor(0x1f, 0x5f, 0xa8));
    fill.setColorAt(1, QColor(0x0b, 0x2e, 0x59));
    p.setBrush(fill);
    p.setPen(Qt::NoPen);
    p.drawRoundedRect(QRectF(0, 0, size, size), size * 0.18, size * 0.18);

    // A "V" rising into a step: an organization climbing the maturity levels.
    QPainterPath v;
    v.moveTo(size * 0.20, size * 0.25);
    v.lineTo(size * 0.45, size * 0.78);
    v.lineTo(size * 0.80, size * 0.22);
    QPen pen(QColor(0xf2, 0xb1, 0x34), size * 0.11, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    p.drawPath(v);
    return pm;
}
