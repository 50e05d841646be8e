#include "ui/backupsdialog.h"

#include <QDateTime>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <iterator>
#include <utility>

#include "message/messagetexts.h"

namespace zmp {

BackupsDialog::BackupsDialog(std::vector<BackupEntry> entries, QWidget* parent)
    : QDialog(parent), entries_(std::move(entries))
{
    setObjectName(QStringLiteral("frmBackups"));
    setWindowTitle(QString::fromUtf8(msg::BackupsCaption));
    list_ = new QTreeWidget(this);
    list_->setObjectName(QStringLiteral("lstBackups"));
    list_->setAccessibleName(tr("Backups"));
    list_->setRootIsDecorated(false);
    list_->setHeaderLabels(
        {tr("Date"), tr("Operation"), tr("MMSI"), tr("Destination"), tr("Port"), tr("Outcome")});
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    open_ = buttons->addButton(tr("&Open"), QDialogButtonBox::AcceptRole);
    open_->setObjectName(QStringLiteral("cmdOpen"));
    auto* layout = new QVBoxLayout(this);
    auto* hint = new QLabel(tr("Every configuration read from a radio or programmed into one. "
                               "Open makes it a new, unsaved configuration."),
                            this);
    hint->setWordWrap(true);
    layout->addWidget(hint);
    layout->addWidget(list_);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(open_, &QPushButton::clicked, this, &BackupsDialog::openCurrent);
    connect(list_, &QTreeWidget::itemActivated, this, &BackupsDialog::openCurrent);
    fillList();
    resize(720, 360);
}

void BackupsDialog::fillList()
{
    // Newest transfer first, whatever order the index holds them in: the
    // one a user looks for is nearly always recent. Of two in the same
    // second, the one the index lists later is the newer.
    std::reverse(entries_.begin(), entries_.end());
    std::stable_sort(entries_.begin(), entries_.end(),
                     [](const BackupEntry& a, const BackupEntry& b) { return a.time > b.time; });
    for (auto entry = entries_.begin(); entry != entries_.end(); ++entry) {
        auto* item = new QTreeWidgetItem(list_);
        item->setText(0, localTime(entry->time));
        item->setText(1, QString::fromStdString(entry->operation));
        item->setText(2, QString::fromStdString(entry->mmsi));
        item->setText(3, QString::fromStdString(entry->destination));
        item->setText(4, QString::fromStdString(entry->port));
        item->setText(5, QString::fromStdString(entry->outcome));
        item->setData(0, Qt::UserRole, static_cast<int>(std::distance(entries_.begin(), entry)));
    }
    for (int column = 0; column < list_->columnCount(); ++column)
        list_->resizeColumnToContents(column);
    if (list_->topLevelItemCount() > 0) list_->setCurrentItem(list_->topLevelItem(0));
    open_->setEnabled(list_->topLevelItemCount() > 0);
}

void BackupsDialog::openCurrent()
{
    const QTreeWidgetItem* item = list_->currentItem();
    if (!item) return;
    chosen_ = entries_.at(static_cast<std::size_t>(item->data(0, Qt::UserRole).toInt()));
    accept();
}

QString BackupsDialog::localTime(const std::string& utc)
{
    const QDateTime time = QDateTime::fromString(QString::fromStdString(utc), Qt::ISODate);
    if (!time.isValid()) return QString::fromStdString(utc);
    return time.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

} // namespace zmp
