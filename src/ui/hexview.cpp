#include "ui/hexview.h"

#include <QApplication>
#include <QFont>

#include "ui/hexviewtext.h"

namespace zmp {

HexView::HexView(QWidget* parent) : QListWidget(parent)
{
    setObjectName(QStringLiteral("lstHex"));
    QFont font(QStringLiteral("Courier New"));
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    setFont(font);
    setUniformItemSizes(true);
}

void HexView::rebuild(const MemoryImage& image)
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    clear();
    QStringList lines;
    for (const std::string& line : hexViewLines(image))
        lines.append(QString::fromStdString(line));
    addItems(lines);
    QApplication::restoreOverrideCursor();
}

} // namespace zmp
