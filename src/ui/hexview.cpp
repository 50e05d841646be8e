#include "ui/hexview.h"

#include <QFont>

#include "ui/hexviewtext.h"
#include "ui/waitcursor.h"

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
    const WaitCursor wait;
    clear();
    QStringList lines;
    for (const std::string& line : hexViewLines(image))
        lines.append(QString::fromStdString(line));
    addItems(lines);
}

} // namespace zmp
