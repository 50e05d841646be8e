#include "ui/qtdialogservice.h"

#include <QApplication>
#include <QFileDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

namespace zmp {

std::string qtFileFilter(const std::string& filter)
{
    std::string result;
    std::size_t start = 0;
    bool name = true;
    while (start <= filter.size()) {
        const std::size_t bar = filter.find('|', start);
        const std::string part =
            filter.substr(start, bar == std::string::npos ? std::string::npos : bar - start);
        if (name) {
            if (!result.empty()) result += ";;";
            result += part;
        }
        name = !name;
        if (bar == std::string::npos) break;
        start = bar + 1;
    }
    return result;
}

std::string QtDialogService::openFileName(const std::string& filter, const std::string& folder)
{
    const QString path = QFileDialog::getOpenFileName(
        QApplication::activeWindow(), QString(), QString::fromStdString(folder),
        QString::fromStdString(qtFileFilter(filter)), nullptr, QFileDialog::ReadOnly);
    return path.toStdString();
}

std::string QtDialogService::saveFileName(const std::string& filter, const std::string& folder)
{
    // The dialog asks before overwriting; it starts with an empty name.
    const QString path =
        QFileDialog::getSaveFileName(QApplication::activeWindow(), QString(), QString::fromStdString(folder),
                                     QString::fromStdString(qtFileFilter(filter)));
    return path.toStdString();
}

bool QtDialogService::choosePrinter(QPrinter& printer)
{
    QPrintDialog dialog(&printer, QApplication::activeWindow());
    dialog.setOption(QAbstractPrintDialog::PrintToFile, false);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    return dialog.exec() == QDialog::Accepted;
}

bool QtDialogService::printerAvailable()
{
    return !QPrinterInfo::availablePrinterNames().isEmpty();
}

} // namespace zmp
