#include "report/pagewriter.h"

#include <utility>

namespace zmp {

PageWriter::PageWriter(const PageGeometry& geometry, std::string headerText)
    : geometry_(geometry), headerText_(std::move(headerText))
{
}

void PageWriter::startPage(bool withHeader)
{
    pages_.emplace_back();
    headerOnPage_ = withHeader;
    nextYMm_ = geometry_.topMm;
    if (!withHeader) return;
    place({{0.0, headerText_}}, PrintFontStyle::Bold);
    addEmptyLine();
}

void PageWriter::addLine(const PrintLine& line, PrintFontStyle style)
{
    if (pages_.empty()) startPage(true);
    if (pageFull()) {
        startPage(headerOnPage_);
        for (const PrintLine& repeated : continuationLines_)
            place(repeated, PrintFontStyle::Regular);
    }
    place(line, style);
}

void PageWriter::addEmptyLine()
{
    nextYMm_ += geometry_.lineHeightMm;
}

void PageWriter::setContinuationLines(std::vector<PrintLine> lines)
{
    continuationLines_ = std::move(lines);
}

PrintedReport PageWriter::takePages()
{
    return std::move(pages_);
}

void PageWriter::place(const PrintLine& line, PrintFontStyle style)
{
    for (const PrintLineItem& item : line)
        if (!item.text.empty())
            pages_.back().push_back(
                {item.xMm + geometry_.leftMm, nextYMm_, item.text, style, geometry_.pointSize});
    nextYMm_ += geometry_.lineHeightMm;
}

bool PageWriter::pageFull() const
{
    return nextYMm_ + geometry_.lineHeightMm > geometry_.heightMm - geometry_.bottomMarginMm;
}

} // namespace zmp
