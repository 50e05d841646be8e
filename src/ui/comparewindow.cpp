#include "ui/comparewindow.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <set>

#include "message/messagetexts.h"

namespace zmp {

namespace {

constexpr int NodeKeyRole = Qt::UserRole;
constexpr int FieldRole = Qt::UserRole + 1;
enum Column { Setting, Radio, Editor };

} // namespace

CompareWindow::CompareWindow(std::vector<ComparedSetting> settings, QWidget* parent)
    : QDialog(parent), settings_(std::move(settings))
{
    setObjectName(QStringLiteral("frmCompare"));
    setWindowTitle(QString::fromUtf8(msg::CompareCaption));
    summary_ = new QLabel(this);
    summary_->setObjectName(QStringLiteral("lblSummary"));
    onlyDifferences_ = new QCheckBox(tr("&Only differences"), this);
    onlyDifferences_->setObjectName(QStringLiteral("chkOnlyDifferences"));
    onlyDifferences_->setChecked(true);
    list_ = new QTreeWidget(this);
    list_->setObjectName(QStringLiteral("lstDifferences"));
    list_->setAccessibleName(tr("Differences"));
    list_->setAccessibleDescription(tr("Each page's settings: the radio's value, then the editor's"));
    list_->setUniformRowHeights(true);
    list_->setHeaderLabels({tr("Setting"), tr("Radio"), tr("Editor")});
    list_->header()->setSectionResizeMode(QHeaderView::Interactive);
    list_->setColumnWidth(Setting, 280);
    list_->setColumnWidth(Radio, 140);
    connect(list_, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem* item) {
        const QString key = item->data(Setting, NodeKeyRole).toString();
        if (!key.isEmpty()) emit jumpRequested(key, item->data(Setting, FieldRole).toString());
    });
    connect(onlyDifferences_, &QCheckBox::toggled, this, &CompareWindow::fill);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    // Enter on a row goes to its field; it must not close the window too.
    buttons->button(QDialogButtonBox::Close)->setAutoDefault(false);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(summary_);
    layout->addWidget(onlyDifferences_);
    layout->addWidget(list_);
    layout->addWidget(buttons);
    resize(640, 420);
    fill();
}

// The list is made again on each change of the filter: a few thousand rows
// take less time than hiding them one by one. The pages are drawn in bold,
// and so is a value that differs when all values are shown.
void CompareWindow::fill()
{
    const bool differencesOnly = onlyDifferences_->isChecked();
    QFont bold = list_->font();
    bold.setBold(true);
    std::set<std::string> pages;
    std::size_t differences = 0;
    QList<QTreeWidgetItem*> items;
    for (const ComparedSetting& setting : settings_) {
        if (setting.differs) {
            ++differences;
            pages.insert(setting.page);
        } else if (differencesOnly) {
            continue;
        }
        const QString page = QString::fromStdString(setting.page);
        if (items.isEmpty() || items.back()->text(Setting) != page) {
            items.append(new QTreeWidgetItem({page}));
            items.back()->setFont(Setting, bold);
        }
        auto* row = new QTreeWidgetItem(items.back(), {QString::fromStdString(setting.caption),
                                                       QString::fromStdString(setting.radio),
                                                       QString::fromStdString(setting.editor)});
        row->setData(Setting, NodeKeyRole, QString::fromStdString(setting.node));
        row->setData(Setting, FieldRole, QString::fromStdString(setting.field));
        if (setting.differs && !differencesOnly)
            for (const int column : {Setting, Radio, Editor})
                row->setFont(column, bold);
    }
    list_->setUpdatesEnabled(false);
    list_->clear();
    list_->addTopLevelItems(items);
    list_->expandAll();
    list_->setUpdatesEnabled(true);
    summary_->setText(summary(differences, pages.size()));
}

QString CompareWindow::summary(std::size_t differences, std::size_t pages)
{
    if (differences == 0) return tr("The radio holds the editor's configuration.");
    const QString counted = differences == 1 ? tr("1 difference") : tr("%1 differences").arg(differences);
    return pages == 1 ? tr("%1 on 1 page between the radio and the editor.").arg(counted)
                      : tr("%1 on %2 pages between the radio and the editor.").arg(counted).arg(pages);
}

} // namespace zmp
