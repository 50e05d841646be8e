#include "platform/reportprinter.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>

namespace zmp {

namespace {

constexpr double MmPerInch = 25.4;
constexpr double DefaultPointSize = 10.0;

QFont reportFont(const PrintItem& item)
{
    QFont font(QStringLiteral("Arial"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(item.pointSize > 0 ? item.pointSize : DefaultPointSize);
    font.setBold(item.style == PrintFontStyle::Bold);
    return font;
}

void drawPage(QPainter& painter, const PrintPage& page, double dotsPerMm)
{
    for (const PrintItem& item : page) {
        const QFont font = reportFont(item);
        painter.setFont(font);
        // y is the top of the line; text is drawn on its baseline.
        const QFontMetricsF metrics(font, painter.device());
        const QPointF baseline(item.xMm * dotsPerMm, item.yMm * dotsPerMm + metrics.ascent());
        painter.drawText(baseline, QString::fromStdString(item.text));
    }
}

} // namespace

PageGeometry ReportPrinter::geometryOf(QPrinter& printer)
{
    PageGeometry geometry;
    const QRectF paper = printer.pageLayout().fullRect(QPageLayout::Millimeter);
    if (paper.height() > 0) geometry.heightMm = paper.height();
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(geometry.pointSize);
    const QFontMetricsF metrics(font, &printer);
    const double dotsPerMm = printer.resolution() / MmPerInch;
    if (dotsPerMm > 0 && metrics.lineSpacing() > 0) geometry.lineHeightMm = metrics.lineSpacing() / dotsPerMm;
    return geometry;
}

bool ReportPrinter::print(const PrintedReport& report, QPrinter& printer)
{
    printer.setFullPage(true);
    QPainter painter;
    if (!painter.begin(&printer)) return false;
    const double dotsPerMm = printer.resolution() / MmPerInch;
    for (std::size_t i = 0; i < report.size(); ++i) {
        if (i > 0 && !printer.newPage()) {
            painter.end();
            return false;
        }
        drawPage(painter, report[i], dotsPerMm);
    }
    return painter.end();
}

} // namespace zmp
