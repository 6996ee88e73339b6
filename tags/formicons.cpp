#include "formicons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPalette>
#include <QPixmap>

namespace {

constexpr int Side = 14;

void drawPicture(QPainter &p, FormControlPicture picture, const QColor &ink)
{
    p.setPen(QPen(ink, 1));
    switch (picture) {
    case FormControlPicture::CheckBox:
        p.drawRect(QRectF(2.5, 2.5, 9, 9));
        p.setPen(QPen(ink, 1.6));
        p.drawPolyline(QPolygonF({QPointF(4.5, 7), QPointF(6.5, 9), QPointF(10, 4.5)}));
        break;
    case FormControlPicture::RadioButton:
        p.drawEllipse(QPointF(7, 7), 4.5, 4.5);
        p.setBrush(ink);
        p.drawEllipse(QPointF(7, 7), 2, 2);
        break;
    case FormControlPicture::TextArea:
        p.drawRect(QRectF(0.5, 1.5, 13, 11));
        p.drawLine(QPointF(10.5, 1.5), QPointF(10.5, 12.5)); // the scroll bar
        for (double y : {4.5, 7.0, 9.5})
            p.drawLine(QPointF(2.5, y), QPointF(8.5, y));
        break;
    case FormControlPicture::Select: {
        p.drawRect(QRectF(0.5, 2.5, 13, 9));
        p.drawLine(QPointF(8.5, 2.5), QPointF(8.5, 11.5));
        QPainterPath arrow;
        arrow.addPolygon(QPolygonF({QPointF(9, 5.5), QPointF(13, 5.5), QPointF(11, 8.5)}));
        p.fillPath(arrow, ink);
        break;
    }
    case FormControlPicture::TextField:
        p.drawRect(QRectF(0.5, 3.5, 13, 7));
        p.drawLine(QPointF(3.5, 5.5), QPointF(3.5, 8.5)); // the caret
        break;
    }
}

QPixmap render(FormControlPicture picture, const QColor &ink)
{
    QPixmap pixmap(Side, Side);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    drawPicture(p, picture, ink);
    return pixmap;
}

} // namespace

QIcon formControlIcon(FormControlPicture picture)
{
    const QPalette palette;
    QIcon icon;
    icon.addPixmap(render(picture, palette.color(QPalette::Active, QPalette::ButtonText)), QIcon::Normal);
    icon.addPixmap(render(picture, palette.color(QPalette::Disabled, QPalette::ButtonText)), QIcon::Disabled);
    return icon;
}
