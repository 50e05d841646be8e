#include "ui/aboutbox.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "message/messagetexts.h"
#include "ui/zmpversion.h"

namespace zmp {

namespace {

constexpr const char* LegalNotice = "This program is protected by copyright law.\n"
                                    "Unauthorized reproduction or distribution of this program,\n"
                                    "or any portion of it, may result in civil and criminal penalties.\n"
                                    "Use it only with radios of the MR4400 series.";

} // namespace

AboutBox::AboutBox(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QString::fromUtf8(msg::AboutTitle));
    auto* layout = new QVBoxLayout(this);
    auto* title = new QLabel(QStringLiteral("%1  %2").arg(msg::ApplicationTitle, msg::MakerLine), this);
    title->setObjectName(QStringLiteral("lblTitle"));
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);
    auto* version = new QLabel(versionLine(), this);
    version->setObjectName(QStringLiteral("lblVersion"));
    auto* notice = new QLabel(QString::fromUtf8(LegalNotice), this);
    notice->setObjectName(QStringLiteral("lblDisclaimer"));
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    layout->addWidget(title);
    layout->addWidget(version);
    layout->addWidget(notice);
    layout->addWidget(ok, 0, Qt::AlignRight);
}

QString AboutBox::versionLine()
{
    return QStringLiteral("Version %1").arg(QString::fromStdString(zmpVersionText()));
}

} // namespace zmp
