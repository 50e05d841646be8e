#include "ui/comparewindow.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "message/messagetexts.h"

namespace zmp {

CompareWindow::CompareWindow(const std::vector<ConfigDiff::Difference>& differences, QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("frmCompare"));
    setWindowTitle(QString::fromUtf8(msg::CompareCaption));
    auto* label = new QLabel(summary(differences.size()), this);
    label->setObjectName(QStringLiteral("lblSummary"));
    auto* list = new QTreeWidget(this);
    list->setObjectName(QStringLiteral("lstDifferences"));
    list->setAccessibleName(tr("Differences"));
    list->setRootIsDecorated(false);
    list->setHeaderLabels({tr("Section"), tr("Key"), tr("Radio"), tr("Editor")});
    for (const auto& difference : differences) {
        auto* item = new QTreeWidgetItem(list);
        item->setText(0, QString::fromStdString(difference.section));
        item->setText(1, QString::fromStdString(difference.key));
        item->setText(2, QString::fromStdString(difference.a));
        item->setText(3, QString::fromStdString(difference.b));
    }
    for (int column = 0; column < list->columnCount(); ++column)
        list->resizeColumnToContents(column);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(list);
    layout->addWidget(buttons);
    resize(640, 400);
}

QString CompareWindow::summary(std::size_t count)
{
    if (count == 0) return tr("The radio holds the editor's configuration.");
    return count == 1 ? tr("1 difference between the radio and the editor.")
                      : tr("%1 differences between the radio and the editor.").arg(count);
}

} // namespace zmp
