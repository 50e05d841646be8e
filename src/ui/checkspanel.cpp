#include "ui/checkspanel.h"

#include <QListWidget>
#include <QToolButton>

#include "checks/marinechecks.h"
#include "ui/pagecontrols.h"

namespace zmp {

namespace {

constexpr int NodeKeyRole = Qt::UserRole;
constexpr int FieldRole = Qt::UserRole + 1;

struct CheckTarget {
    QString nodeKey;
    QString field;
};

CheckTarget targetOf(const CheckWarning& warning)
{
    switch (warning.subject) {
    case CheckSubject::UserMmsi:
        return {QStringLiteral("DSC"), QStringLiteral("txtUserMMSI")};
    case CheckSubject::AtisCode:
        return {QStringLiteral("ATIS"), QStringLiteral("txtATIScode")};
    case CheckSubject::MemoryId:
        return {QStringLiteral("SM%1").arg(warning.index), QStringLiteral("txtGMMSI")};
    case CheckSubject::GroupId:
        return {QStringLiteral("SG%1").arg(warning.index), QStringLiteral("txtGMMSI")};
    case CheckSubject::PriorityChannel:
        return {QStringLiteral("Usable"), indexedName("cmbUsablePri", warning.index)};
    case CheckSubject::UsableDsc:
        return {QStringLiteral("DSC"), indexedName("cmbUsableDsc", warning.index)};
    }
    return {};
}

} // namespace

ChecksPanel::ChecksPanel(const Records& records, QWidget* parent)
    : QDockWidget(QStringLiteral("Checks"), parent), records_(records)
{
    setObjectName(QStringLiteral("dockChecks"));
    setFeatures(QDockWidget::DockWidgetClosable | QDockWidget::DockWidgetMovable |
                QDockWidget::DockWidgetFloatable);
    list_ = new QListWidget(this);
    list_->setObjectName(QStringLiteral("lstChecks"));
    list_->setAccessibleName(tr("Checks"));
    setWidget(list_);
    connect(list_, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) {
        const QString key = item->data(NodeKeyRole).toString();
        if (!key.isEmpty()) emit jumpRequested(key, item->data(FieldRole).toString());
    });
    connect(list_, &QListWidget::itemClicked, list_, &QListWidget::itemActivated);
    summary_ = new QToolButton(this);
    summary_->setObjectName(QStringLiteral("cmdChecks"));
    summary_->setAutoRaise(true);
    connect(summary_, &QToolButton::clicked, this, [this] {
        show();
        raise();
    });
}

void ChecksPanel::refresh()
{
    const auto warnings = MarineChecks::run(records_);
    count_ = static_cast<int>(warnings.size());
    list_->clear();
    for (const auto& warning : warnings) {
        auto* item = new QListWidgetItem(QString::fromStdString(warning.text), list_);
        const CheckTarget target = targetOf(warning);
        item->setData(NodeKeyRole, target.nodeKey);
        item->setData(FieldRole, target.field);
    }
    if (warnings.empty()) list_->addItem(QStringLiteral("No warnings"));
    setWindowTitle(count_ == 0 ? QStringLiteral("Checks") : QStringLiteral("Checks (%1)").arg(count_));
    summary_->setText(count_ == 0 ? QStringLiteral("No warnings")
                                  : QStringLiteral("%1 warning%2").arg(count_).arg(count_ == 1 ? "" : "s"));
}

} // namespace zmp
