#include "ui/logopage.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace zmp {

namespace {

const QColor Navy(0x0B, 0x2A, 0x5B);
const QColor Sea(0x1E, 0x6F, 0xB8);
const QColor Foam(0xD8, 0xEC, 0xF8);

} // namespace

LogoPage::LogoPage(PageContext context, QWidget* parent) : Page(context, parent)
{
    setObjectName(QStringLiteral("pictGeneral"));
    setMinimumSize(120, 90);
}

void LogoPage::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF area = rect();
    QLinearGradient sky(area.topLeft(), area.bottomLeft());
    sky.setColorAt(0.0, Qt::white);
    sky.setColorAt(1.0, Foam);
    painter.fillRect(area, sky);
    drawWaves(painter, area);
    drawMark(painter, area);
}

void LogoPage::drawWaves(QPainter& painter, const QRectF& area) const
{
    const qreal top = area.height() * 0.68;
    for (int band = 0; band < 3; ++band) {
        QPainterPath wave;
        const qreal y = top + band * area.height() * 0.08;
        wave.moveTo(area.left(), y);
        const qreal step = area.width() / 6.0;
        for (int i = 0; i < 6; ++i) {
            const qreal x = area.left() + i * step;
            wave.cubicTo(x + step * 0.3, y - step * 0.18, x + step * 0.7, y + step * 0.18, x + step, y);
        }
        wave.lineTo(area.bottomRight());
        wave.lineTo(area.bottomLeft());
        wave.closeSubpath();
        QColor colour = Sea;
        colour.setAlpha(90 + band * 55);
        painter.fillPath(wave, colour);
    }
}

void LogoPage::drawMark(QPainter& painter, const QRectF& area) const
{
    const qreal size = qMin(area.width(), area.height()) * 0.22;
    const QPointF mast(area.center().x() - size * 1.6, area.height() * 0.42);
    // An antenna with three radio arcs.
    painter.setPen(QPen(Navy, qMax<qreal>(2.0, size * 0.06), Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(mast, mast + QPointF(0, size * 1.1));
    for (int arc = 1; arc <= 3; ++arc) {
        const qreal r = size * 0.22 * arc;
        const QRectF bounds(mast.x() - r, mast.y() - r, 2 * r, 2 * r);
        painter.drawArc(bounds, 30 * 16, 120 * 16);
    }
    QFont font(QStringLiteral("Arial"));
    font.setBold(true);
    font.setPixelSize(static_cast<int>(size * 1.1));
    painter.setFont(font);
    painter.setPen(Navy);
    const QRectF word(mast.x() + size * 0.5, mast.y() - size * 0.2, area.width(), size * 1.3);
    painter.drawText(word, Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("ZMP"));
    font.setBold(false);
    font.setPixelSize(static_cast<int>(size * 0.28));
    painter.setFont(font);
    painter.setPen(Sea);
    const QRectF line(word.left(), word.bottom(), area.width(), size * 0.5);
    painter.drawText(line, Qt::AlignLeft | Qt::AlignTop, QStringLiteral("Marine VHF programming"));
}

} // namespace zmp
