#include "ui/qtdialogservice.h"

#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
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

std::string filterExtension(const std::string& filter, const std::string& chosen)
{
    // The pattern follows its name in the "name|pattern|..." form.
    const std::size_t at = chosen.empty() ? std::string::npos : filter.find(chosen + "|");
    if (at == std::string::npos) return "";
    const std::size_t start = at + chosen.size() + 1;
    const std::string pattern = filter.substr(start, filter.find('|', start) - start);
    if (pattern.rfind("*.", 0) != 0 || pattern.find_first_of("*?", 2) != std::string::npos) return "";
    return pattern.substr(2);
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
    // The dialog asks before overwriting (with the extension it adds); it
    // starts with an empty name.
    QFileDialog dialog(QApplication::activeWindow(), QString(), QString::fromStdString(folder),
                       QString::fromStdString(qtFileFilter(filter)));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    const auto useExtensionOf = [&dialog, &filter](const QString& chosen) {
        dialog.setDefaultSuffix(QString::fromStdString(filterExtension(filter, chosen.toStdString())));
    };
    useExtensionOf(dialog.selectedNameFilter());
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, useExtensionOf);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::string();
    return dialog.selectedFiles().constFirst().toStdString();
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

std::string QtDialogService::askText(const std::string& title, const std::string& label,
                                     const std::string& text)
{
    bool ok = false;
    const QString answer = QInputDialog::getText(QApplication::activeWindow(), QString::fromStdString(title),
                                                 QString::fromStdString(label), QLineEdit::Normal,
                                                 QString::fromStdString(text), &ok);
    return ok ? answer.trimmed().toStdString() : std::string();
}

int QtDialogService::chooseItem(const std::string& title, const std::string& label,
                                const std::vector<std::string>& items)
{
    QStringList texts;
    for (const std::string& item : items)
        texts << QString::fromStdString(item);
    bool ok = false;
    const QString chosen = QInputDialog::getItem(QApplication::activeWindow(), QString::fromStdString(title),
                                                 QString::fromStdString(label), texts, 0, false, &ok);
    return ok ? static_cast<int>(texts.indexOf(chosen)) : -1;
}

} // namespace zmp
