#include "ui/weatherpage.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

#include "codec/weatherchannels.h"
#include "files/pagecaptions.h"
#include "message/messagetexts.h"
#include "rules/fieldrules.h"
#include "ui/focushints.h"
#include "ui/pagecontrols.h"

namespace zmp {

namespace {

constexpr int NameLength = ChannelNameLength;
constexpr int EnableHelpContext = 1028;
constexpr int ScanHelpContext = 1033;
constexpr int NameHelpContext = 1034;

QString indexed(const char* name, int row)
{
    return QStringLiteral("%1_%2").arg(QLatin1String(name)).arg(row);
}

} // namespace

WeatherPage::WeatherPage(PageContext context, QWidget* parent) : Page(context, parent)
{
    setObjectName(QStringLiteral("pictD"));
    auto* layout = new QGridLayout(scrolledBody());
    layout->addWidget(new QLabel(QString::fromUtf8(pagecaption::WxEnable.caption), this), 0, 1);
    layout->addWidget(new QLabel(QString::fromUtf8(pagecaption::WxScan.caption), this), 0, 2);
    layout->addWidget(new QLabel(QString::fromUtf8(pagecaption::WxName.caption), this), 0, 3);
    for (int row = 0; row < WxChannelCount; ++row)
        createRow(row);
    layout->setRowStretch(WxChannelCount + 1, 1);
    layout->setColumnStretch(4, 1);
}

void WeatherPage::createRow(int row)
{
    Row& r = rows_[static_cast<std::size_t>(row)];
    r.label = new QLabel(this);
    r.label->setObjectName(indexed("lblD", row));
    r.enable = new QCheckBox(this);
    r.enable->setObjectName(indexed(pagecaption::WxEnable.control, row));
    r.enable->setProperty("helpContext", EnableHelpContext);
    r.scan = new QCheckBox(this);
    r.scan->setObjectName(indexed(pagecaption::WxScan.control, row));
    r.scan->setProperty("helpContext", ScanHelpContext);
    r.name = new QLineEdit(this);
    r.name->setObjectName(indexed(pagecaption::WxName.control, row));
    r.name->setMaxLength(NameLength);
    fitCharacters(r.name, NameLength);
    r.name->setProperty("helpContext", NameHelpContext);
    auto* hints = new FocusHints(this);
    hints->add(r.enable, msg::WeatherEnableHint);
    hints->add(r.scan, msg::CheckBoxHint);
    hints->add(r.name, msg::ChannelNameHint);
    connect(hints, &FocusHints::hintShown, this, &Page::hintChanged);
    nameRow(row, QStringLiteral("WX%1").arg(row + 1, 2, 10, QLatin1Char('0')));
    auto* layout = static_cast<QGridLayout*>(scrolledBody()->layout());
    layout->addWidget(r.label, row + 1, 0);
    layout->addWidget(r.enable, row + 1, 1);
    layout->addWidget(r.scan, row + 1, 2);
    layout->addWidget(r.name, row + 1, 3);
    connectRow(row);
}

void WeatherPage::connectRow(int row)
{
    const Row& r = rows_[static_cast<std::size_t>(row)];
    // Boxes react to their state, however it changes: a click, the space bar
    // or assistive technology. Filling sets them quietly.
    connect(r.enable, &QCheckBox::toggled, this, [this, row](bool checked) {
        if (!editable()) return;
        applyEnableRule(row);
        record(row)->Enable = checked;
        state().markEdited();
    });
    connect(r.scan, &QCheckBox::toggled, this, [this, row](bool checked) {
        if (!editable()) return;
        record(row)->ScanMemory = checked;
        state().markEdited();
    });
    connect(r.name, &QLineEdit::textEdited, this, [this, row](const QString& text) {
        if (!editable()) return;
        record(row)->ChTag = text.toStdString();
        state().markEdited();
    });
}

void WeatherPage::fill(const std::string&)
{
    const auto& channels = weatherChannels();
    for (int row = 0; row < WxChannelCount; ++row) {
        Row& r = rows_[static_cast<std::size_t>(row)];
        const ChannelRecord& channel = *record(row);
        const bool listed = static_cast<std::size_t>(row) < channels.size();
        r.label->setText(listed ? QString::fromStdString(channels[static_cast<std::size_t>(row)].Label)
                                : QString());
        if (listed) nameRow(row, r.label->text());
        checkQuietly(r.enable, channel.Enable);
        checkQuietly(r.scan, channel.ScanMemory);
        r.name->setText(QString::fromStdString(channel.ChTag));
        applyEnableRule(row);
    }
}

void WeatherPage::nameRow(int row, const QString& channel)
{
    Row& r = rows_[static_cast<std::size_t>(row)];
    r.enable->setAccessibleName(channel + QStringLiteral(" Enable"));
    r.scan->setAccessibleName(channel + QStringLiteral(" Scan"));
    r.name->setAccessibleName(channel + QStringLiteral(" CH Name"));
}

void WeatherPage::applyEnableRule(int row)
{
    Row& r = rows_[static_cast<std::size_t>(row)];
    r.scan->setEnabled(r.enable->isChecked());
    r.name->setEnabled(r.enable->isChecked());
}

bool WeatherPage::editable()
{
    return !state().flags.filling && isEnabled();
}

ChannelRecord* WeatherPage::record(int row)
{
    return &state().records.wx[static_cast<std::size_t>(row)];
}

} // namespace zmp
