#include "ui/transferpictures.h"

#include <QPainter>
#include <QPainterPath>

namespace zmp {

namespace {

const QColor Body(0x30, 0x34, 0x3C);
const QColor Screen(0x9C, 0xD6, 0x8C);
const QColor Line(0x1E, 0x6F, 0xB8);

QPixmap blank(int width, int height)
{
    QPixmap pixmap(width, height);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

} // namespace

QPixmap TransferPictures::radio(int width, int height)
{
    QPixmap pixmap = blank(width, height);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF body(width * 0.1, height * 0.25, width * 0.8, height * 0.7);
    p.setPen(QPen(Body, 2));
    p.drawLine(QPointF(width * 0.8, body.top()), QPointF(width * 0.8, height * 0.04));
    p.setBrush(Body);
    p.drawRoundedRect(body, 4, 4);
    p.setBrush(Screen);
    p.setPen(Qt::NoPen);
    p.drawRect(QRectF(body.left() + body.width() * 0.12, body.top() + body.height() * 0.12,
                      body.width() * 0.5, body.height() * 0.3));
    p.setBrush(Qt::lightGray);
    for (int i = 0; i < 3; ++i)
        p.drawEllipse(
            QPointF(body.left() + body.width() * (0.2 + 0.3 * i), body.bottom() - body.height() * 0.25),
            body.width() * 0.07, body.width() * 0.07);
    return pixmap;
}

QPixmap TransferPictures::computer(int width, int height)
{
    QPixmap pixmap = blank(width, height);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF monitor(width * 0.08, height * 0.05, width * 0.84, height * 0.62);
    p.setPen(QPen(Body, 2));
    p.setBrush(QColor(0xE8, 0xE8, 0xE8));
    p.drawRoundedRect(monitor, 3, 3);
    p.setBrush(QColor(0x3A, 0x6E, 0xA5));
    p.drawRect(monitor.adjusted(width * 0.06, height * 0.06, -width * 0.06, -height * 0.06));
    p.setBrush(Body);
    p.drawRect(QRectF(width * 0.4, monitor.bottom(), width * 0.2, height * 0.12));
    p.drawRoundedRect(QRectF(width * 0.2, height * 0.82, width * 0.6, height * 0.12), 2, 2);
    return pixmap;
}

QPixmap TransferPictures::cable(int width, int height)
{
    QPixmap pixmap = blank(width, height);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Line, 3, Qt::DashLine, Qt::RoundCap));
    QPainterPath path;
    path.moveTo(0, height / 2.0);
    path.cubicTo(width * 0.3, height * 0.1, width * 0.7, height * 0.9, width, height / 2.0);
    p.drawPath(path);
    return pixmap;
}

} // namespace zmp
