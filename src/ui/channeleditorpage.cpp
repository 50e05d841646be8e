#include "ui/channeleditorpage.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>

#include "codec/channelplan.h"
#include "codec/frequencyformat.h"
#include "files/pagecaptions.h"
#include "message/messagetexts.h"
#include "model/fillingscope.h"
#include "rules/fieldrules.h"
#include "ui/channeldisplay.h"
#include "ui/focushints.h"
#include "ui/keyfiltervalidator.h"
#include "ui/pagecontrols.h"
#include "ui/recordlookup.h"
#include "ui/treebuilder.h"
#include "ui/validatedfield.h"

namespace zmp {

namespace {

constexpr int NameLength = ChannelNameLength;
// What an EXP frequency field takes (acceptedExpFrequency), told under the
// "Data Error!!" that refuses anything else.
constexpr const char* ExpFrequencyRule = "A frequency from 137 to 174 MHz on a 25 kHz step, or nothing.";
// The channel number boxes show up to three characters ("119", "o5"); a
// display box one letter, as wide as two digits.
constexpr int NumberBoxDigits = 3;
constexpr int DisplayBoxDigits = 2;
constexpr int FrequencyLength = 8;
constexpr int LineIndent = 16;
constexpr int LineWidth = 16;
constexpr int Channel16Position = 32;

// Scrambler list entries and the Scramble values they store.
constexpr std::array<std::pair<const char*, int>, 5> ScramblerEntries{
    {{"Off", 0}, {"0", 4}, {"1", 5}, {"2", 6}, {"3", 7}}};

namespace help {
constexpr int ChEnable = 1028;
constexpr int TxEnable = 1029;
constexpr int Duplex = 1030;
constexpr int LowPower = 1031;
constexpr int PowerUp = 1032;
constexpr int Scan = 1033;
constexpr int Name = 1034;
constexpr int Scrambler = 1064;
constexpr int ExpChEnable = 2400;
constexpr int ExpDisplay = 2401;
constexpr int ExpRx = 2402;
constexpr int ExpTx = 2403;
} // namespace help

template <typename T>
T* named(T* widget, const QString& name)
{
    widget->setObjectName(name);
    return widget;
}

QCheckBox* checkBox(QWidget* parent, pagecaption::PageField field, int helpContext)
{
    auto* box =
        named(new QCheckBox(QString::fromUtf8(field.caption), parent), QString::fromUtf8(field.control));
    box->setProperty("helpContext", helpContext);
    return box;
}

QFrame* guideLine(QWidget* parent, const char* name)
{
    auto* line = named(new QFrame(parent), QString::fromUtf8(name));
    line->setFrameShape(QFrame::HLine);
    line->setFixedWidth(LineWidth);
    return line;
}

// The page is one grid: captions in the first column, their fields side by
// side in the second, so that every field starts at the same edge; check
// boxes take the whole width.
void addWide(QGridLayout* form, QWidget* box)
{
    form->addWidget(box, form->rowCount(), 0, 1, 2);
}

QHBoxLayout* addIndented(QGridLayout* form)
{
    auto* r = new QHBoxLayout;
    form->addLayout(r, form->rowCount(), 0, 1, 2);
    return r;
}

QHBoxLayout* addField(QGridLayout* form, QLabel* caption)
{
    const int line = form->rowCount();
    form->addWidget(caption, line, 0);
    auto* fields = new QHBoxLayout;
    form->addLayout(fields, line, 1);
    return fields;
}

void setHelp(QWidget* widget, int context)
{
    widget->setProperty("helpContext", context);
}

void clearHelp(QWidget* widget)
{
    widget->setProperty("helpContext", QVariant());
}

} // namespace

ChannelEditorPage::ChannelEditorPage(PageContext context, QWidget* parent) : Page(context, parent)
{
    setObjectName(QStringLiteral("pictC"));
    createControls();
    addHints();
    connectControls();
}

void ChannelEditorPage::createControls()
{
    auto* form = new QGridLayout(scrolledBody());
    chEnable_ = checkBox(this, pagecaption::ChEnable, help::ChEnable);
    addWide(form, chEnable_);
    createDisplayRow(form);
    createFrequencyRow(form, Frequency::Rx);
    createFrequencyRow(form, Frequency::Tx);
    createTransmitRows(form);
    createOtherRows(form);
    form->setColumnStretch(1, 1);
    form->setRowStretch(form->rowCount(), 1);
    layOut(false);
}

void ChannelEditorPage::createDisplayRow(QGridLayout* form)
{
    displayLabel_ =
        named(new QLabel(QString::fromUtf8(pagecaption::ChDisplay.caption), this), QStringLiteral("lblCN"));
    QHBoxLayout* r = addField(form, displayLabel_);
    for (std::size_t i = 0; i < number_.size(); ++i) {
        number_[i] = named(new QLineEdit(this), QStringLiteral("txtCN_%1").arg(i));
        setLocked(number_[i], true);
        number_[i]->setAccessibleName(i == 0 ? QStringLiteral("CH Display number")
                                             : QStringLiteral("CH Display suffix"));
        fitDigits(number_[i], NumberBoxDigits);
        number_[i]->setValidator(new KeyFilterValidator(isSevenSegmentKey, number_[i]));
        r->addWidget(number_[i]);
    }
    for (std::size_t i = 0; i < display_.size(); ++i) {
        display_[i] = named(new QLineEdit(this), QStringLiteral("txtCNE_%1").arg(i));
        display_[i]->setMaxLength(1);
        display_[i]->setAccessibleName(QStringLiteral("CH Display character %1").arg(i + 1));
        fitDigits(display_[i], DisplayBoxDigits);
        display_[i]->setValidator(new KeyFilterValidator(isDisplayKey, display_[i]));
        r->addWidget(display_[i]);
    }
    r->addStretch(1);
}

void ChannelEditorPage::createFrequencyRow(QGridLayout* form, Frequency which)
{
    const bool rx = which == Frequency::Rx;
    const pagecaption::PageField field = rx ? pagecaption::RxFrequency : pagecaption::TxFrequency;
    auto* label = named(new QLabel(QString::fromUtf8(field.caption), this),
                        rx ? QStringLiteral("lblCRF") : QStringLiteral("lblCTF"));
    auto* text = named(new QLineEdit(this), QString::fromUtf8(field.control));
    text->setMaxLength(FrequencyLength);
    text->setValidator(new KeyFilterValidator(isFrequencyKey, text));
    (rx ? rxField_ : txField_) = frequencyField(text, which);
    text->setAccessibleName(label->text());
    auto* unit = named(new QLabel(QStringLiteral("MHz"), this),
                       rx ? QStringLiteral("lblCRFMHz") : QStringLiteral("lblCTFMHz"));
    QHBoxLayout* r = addField(form, label);
    r->addWidget(text);
    r->addWidget(unit);
    r->addStretch(1);
    (rx ? rxLabel_ : txLabel_) = label;
    (rx ? rx_ : tx_) = text;
    (rx ? rxUnit_ : txUnit_) = unit;
}

// Tx Enable, then Low Power Only and Power Up each indented under the box
// that enables it, with a line drawn grey while it is disabled (the indents
// are set by layOut).
void ChannelEditorPage::createTransmitRows(QGridLayout* form)
{
    txEnable_ = checkBox(this, pagecaption::TxEnable, help::TxEnable);
    addWide(form, txEnable_);
    lowPowerLine_ = guideLine(this, "linCTXOnly");
    lowPower_ = checkBox(this, pagecaption::LowPower, help::LowPower);
    lowPowerRow_ = addIndented(form);
    lowPowerRow_->addWidget(lowPowerLine_);
    lowPowerRow_->addWidget(lowPower_);
    lowPowerRow_->addStretch(1);
    powerUpLine_ = guideLine(this, "linCTXPower");
    powerUp_ = checkBox(this, pagecaption::PowerUp, help::PowerUp);
    powerUpRow_ = addIndented(form);
    powerUpRow_->addWidget(powerUpLine_);
    powerUpRow_->addWidget(powerUp_);
    powerUpRow_->addStretch(1);
    duplex_ = checkBox(this, pagecaption::Duplex, help::Duplex);
    addWide(form, duplex_);
}

void ChannelEditorPage::createOtherRows(QGridLayout* form)
{
    scan_ = checkBox(this, pagecaption::ScanMemory, help::Scan);
    addWide(form, scan_);
    scrambleLabel_ = named(new QLabel(QStringLiteral("Scrambler"), this), QStringLiteral("lblScramble"));
    scramble_ = named(new QComboBox(this), QStringLiteral("cmbScramble"));
    for (const auto& [caption, value] : ScramblerEntries)
        scramble_->addItem(QString::fromUtf8(caption), value);
    setHelp(scramble_, help::Scrambler);
    scramble_->setAccessibleName(scrambleLabel_->text());
    QHBoxLayout* s = addField(form, scrambleLabel_);
    s->addWidget(scramble_);
    s->addStretch(1);
    nameLabel_ =
        named(new QLabel(QString::fromUtf8(pagecaption::ChName.caption), this), QStringLiteral("lblCTag"));
    name_ = named(new QLineEdit(this), QString::fromUtf8(pagecaption::ChName.control));
    name_->setMaxLength(NameLength);
    name_->setAccessibleName(nameLabel_->text());
    fitCharacters(name_, NameLength);
    name_->setValidator(new KeyFilterValidator(isNameKey, name_));
    setHelp(name_, help::Name);
    QHBoxLayout* n = addField(form, nameLabel_);
    n->addWidget(name_);
    n->addStretch(1);
}

void ChannelEditorPage::addHints()
{
    auto* hints = new FocusHints(this);
    for (QCheckBox* box : {chEnable_, txEnable_, lowPower_, powerUp_, duplex_, scan_})
        hints->add(box, msg::CheckBoxHint);
    hints->add(scramble_, msg::ListHint);
    hints->add(rx_, msg::RxFrequency);
    hints->add(tx_, msg::TxFrequency);
    hints->add(name_, msg::ChannelNameHint);
    hints->add(number_[0], msg::TwoFiguresHint);
    hints->add(number_[1], msg::OneFigureHint);
    for (QLineEdit* box : display_)
        hints->add(box, msg::OneFigureHint);
    connect(hints, &FocusHints::hintShown, this, &Page::hintChanged);
}

void ChannelEditorPage::connectControls()
{
    // Boxes react to their state, however it changes: a click, the space bar
    // or assistive technology. Filling sets them quietly.
    connect(chEnable_, &QCheckBox::toggled, this, &ChannelEditorPage::onChEnable);
    connect(txEnable_, &QCheckBox::toggled, this, [this] {
        if (!editable()) return;
        applyTxEnableRule();
        onLowPower();
    });
    connect(lowPower_, &QCheckBox::toggled, this, &ChannelEditorPage::onLowPower);
    connect(powerUp_, &QCheckBox::toggled, this, [this](bool checked) {
        if (!editable()) return;
        record()->PowUp = checked;
        setModified();
    });
    connect(scan_, &QCheckBox::toggled, this, [this](bool checked) {
        if (!editable()) return;
        record()->ScanMemory = checked;
        setModified();
    });
    connect(duplex_, &QCheckBox::toggled, this, &ChannelEditorPage::onDuplex);
    connect(scramble_, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (!editable() || index < 0) return;
        record()->Scramble = static_cast<std::int16_t>(scramble_->itemData(index).toInt());
        setModified();
    });
    connect(name_, &QLineEdit::textEdited, this, [this](const QString& text) {
        if (!editable()) return;
        record()->ChTag = text.toStdString();
        setModified();
    });
    for (QLineEdit* box : display_)
        connect(box, &QLineEdit::textEdited, this, &ChannelEditorPage::storeDisplay);
}

// A typed frequency reaches the record only when it is valid, and is then
// shown as stored; a refused one is named in the message's title. Group
// channel fields are read-only, so only EXP frequencies are ever edited.
ValidatedField* ChannelEditorPage::frequencyField(QLineEdit* text, Frequency which)
{
    const bool rx = which == Frequency::Rx;
    ValidatedField::Rules rules{[](const std::string& typed) -> std::optional<std::string> {
                                    const auto mhz = acceptedExpFrequency(typed);
                                    if (!mhz) return std::nullopt;
                                    return expFrequencyText(*mhz);
                                },
                                [this, rx](const std::string& shown) {
                                    ChannelRecord* channel = record();
                                    if (!channel || !exp_) return;
                                    (rx ? channel->Rxfreq : channel->Txfreq) = leadingNumber(shown);
                                },
                                rx ? msg::RxFrequency : msg::TxFrequency,
                                {},
                                ExpFrequencyRule};
    return new ValidatedField(text, this, std::move(rules), state(), messages());
}

void ChannelEditorPage::layOut(bool exp)
{
    for (QLineEdit* box : number_)
        box->setVisible(!exp);
    for (QLineEdit* box : display_) {
        box->setVisible(exp);
        exp ? setHelp(box, help::ExpDisplay) : clearHelp(box);
    }
    setLocked(rx_, !exp);
    setLocked(tx_, !exp);
    txEnable_->setVisible(!exp);
    duplex_->setVisible(!exp);
    // On an EXP channel Low Power Only takes the place of the hidden Tx
    // Enable, with no line to it, and Power Up stays one step under it.
    lowPowerLine_->setVisible(!exp);
    const int lowIndent = exp ? 0 : LineIndent;
    lowPowerRow_->setContentsMargins(lowIndent, 0, 0, 0);
    powerUpRow_->setContentsMargins(lowIndent + LineIndent + (exp ? 0 : LineWidth), 0, 0, 0);
    scrambleLabel_->setVisible(scramblerFeature_);
    scramble_->setVisible(scramblerFeature_);
    setHelp(chEnable_, exp ? help::ExpChEnable : help::ChEnable);
    exp ? setHelp(rx_, help::ExpRx) : clearHelp(rx_);
    exp ? setHelp(tx_, help::ExpTx) : clearHelp(tx_);
}

void ChannelEditorPage::fill(const std::string& nodeKey)
{
    key_ = nodeKey;
    exp_ = isExpKey(nodeKey);
    rxField_->forgetEdit();
    txField_->forgetEdit();
    const ChannelRecord* channel = record();
    if (!channel) return;
    layOut(exp_);
    exp_ ? fillExpChannel(*channel) : fillGroupChannel(*channel);
    fillFlags(*channel);
    applyChEnableRule();
    if (!exp_) applyGroupChannelLimits(*channel);
}

void ChannelEditorPage::fillGroupChannel(const ChannelRecord& channel)
{
    const ChannelPlan& plan = channelPlan();
    const bool inPlan = channel.Position >= 0 && static_cast<std::size_t>(channel.Position) < plan.size();
    const ChannelPlanEntry row =
        inPlan ? plan[static_cast<std::size_t>(channel.Position)] : ChannelPlanEntry{};
    const ChannelNumberBoxes boxes = channelNumberBoxes(row.Label);
    number_[0]->setText(QString::fromStdString(boxes.number));
    number_[1]->setText(QString::fromStdString(boxes.suffix));
    rx_->setText(QString::fromStdString(planRxFrequencyText(row, channel)));
    tx_->setText(QString::fromStdString(planTxFrequencyText(row, channel)));
}

void ChannelEditorPage::fillExpChannel(const ChannelRecord& channel)
{
    const auto boxes = expDisplayBoxes(channel.CHDisplayL, channel.CHDisplayR);
    for (std::size_t i = 0; i < display_.size(); ++i)
        display_[i]->setText(QString::fromStdString(boxes[i]));
    rx_->setText(QString::fromStdString(expFrequencyText(channel.Rxfreq)));
    tx_->setText(QString::fromStdString(expFrequencyText(channel.Txfreq)));
}

void ChannelEditorPage::fillFlags(const ChannelRecord& channel)
{
    checkQuietly(chEnable_, channel.Enable);
    checkQuietly(txEnable_, channel.TxEnable && !channel.ReceiveOnly);
    checkQuietly(lowPower_, channel.LowPower);
    checkQuietly(powerUp_, channel.PowUp);
    checkQuietly(duplex_, channel.Duplex);
    duplexCapable_ = channel.DuplexCapable;
    duplex_->setEnabled(duplexCapable_);
    checkQuietly(scan_, channel.ScanMemory);
    selectQuietly(scramble_, scramble_->findData(static_cast<int>(channel.Scramble)));
    name_->setText(QString::fromStdString(channel.ChTag));
}

void ChannelEditorPage::applyChEnableRule()
{
    const bool on = chEnable_->isChecked();
    for (QWidget* w : std::initializer_list<QWidget*>{
             displayLabel_, number_[0], number_[1], display_[0], display_[1], display_[2], rxLabel_, rx_,
             rxUnit_, txLabel_, tx_, txUnit_, txEnable_, scan_, nameLabel_, name_, scrambleLabel_, scramble_})
        w->setEnabled(on);
    duplex_->setEnabled(on && duplexCapable_);
    applyTxEnableRule();
}

void ChannelEditorPage::applyTxEnableRule()
{
    const bool on = txEnable_->isChecked() && txEnable_->isEnabledTo(this);
    lowPower_->setEnabled(on);
    lowPowerLine_->setEnabled(on);
    applyLowPowerRule();
}

void ChannelEditorPage::applyLowPowerRule()
{
    const bool on = lowPower_->isChecked() && lowPower_->isEnabledTo(this);
    powerUp_->setEnabled(on);
    powerUpLine_->setEnabled(on);
}

// Receive-only channels never transmit; channel 70 is the DSC channel, kept
// out of the scan and, like channel 16, never scrambled.
void ChannelEditorPage::applyGroupChannelLimits(const ChannelRecord& channel)
{
    if (channel.ReceiveOnly) txEnable_->setEnabled(false);
    if (channel.Position == Channel70Position) scan_->setEnabled(false);
    if (channel.Position == Channel70Position || channel.Position == Channel16Position) {
        scramble_->setEnabled(false);
        scrambleLabel_->setEnabled(false);
    }
    applyTxEnableRule();
}

void ChannelEditorPage::refill()
{
    const FillingScope filling(state().flags);
    fill(key_);
}

bool ChannelEditorPage::editable()
{
    return !state().flags.filling && isEnabled() && record();
}

ChannelRecord* ChannelEditorPage::record()
{
    return channelOfKey(state().records, key_);
}

void ChannelEditorPage::onChEnable(bool checked)
{
    if (!editable()) return;
    applyChEnableRule();
    ChannelRecord& channel = *record();
    channel.Enable = checked;
    refill();
    const int number = recordIndexOfKey(key_);
    const std::string text = exp_ ? TreeBuilder::expNodeText(channel, number)
                                  : TreeBuilder::channelNodeText(channel, channelPlan());
    emit nodeTextChanged(QString::fromStdString(key_), QString::fromStdString(text));
    chEnable_->setFocus();
    setModified();
}

void ChannelEditorPage::onLowPower()
{
    if (!editable()) return;
    applyLowPowerRule();
    ChannelRecord& channel = *record();
    if (!exp_) channel.TxEnable = txEnable_->isChecked();
    channel.LowPower = lowPower_->isChecked();
    setModified();
}

void ChannelEditorPage::onDuplex(bool checked)
{
    if (!editable() || exp_) return;
    ChannelRecord& channel = *record();
    channel.Duplex = checked;
    const ChannelPlan& plan = channelPlan();
    if (channel.Position >= 0 && static_cast<std::size_t>(channel.Position) < plan.size())
        rx_->setText(QString::fromStdString(
            planRxFrequencyText(plan[static_cast<std::size_t>(channel.Position)], channel)));
    setModified();
}

void ChannelEditorPage::storeDisplay()
{
    if (!editable() || !exp_) return;
    ChannelRecord& channel = *record();
    const ExpDisplay shown =
        expDisplayFromBoxes({display_[0]->text().toStdString(), display_[1]->text().toStdString(),
                             display_[2]->text().toStdString()});
    channel.CHDisplayL = shown.left;
    channel.CHDisplayR = shown.right;
    setModified();
}

bool ChannelEditorPage::displayEmpty() const
{
    return trimSpaces(display_[0]->text().toStdString()).empty() &&
           trimSpaces(display_[1]->text().toStdString()).empty();
}

// The leave check names no field of its own, so the focus goes to the
// field that needs the data.
bool ChannelEditorPage::refuseLeaving(QWidget* field)
{
    messages().inform(state().title(), msg::leavePageError(), MessageIcon::Warning);
    field->setFocus(Qt::OtherFocusReason);
    return false;
}

bool ChannelEditorPage::canLeave()
{
    if (!record()) return true;
    if (!rxField_->validate() || !txField_->validate()) return false;
    if (!exp_ || !chEnable_->isChecked()) return true;
    if (rx_->text().contains(QStringLiteral("---"))) return refuseLeaving(rx_);
    if (displayEmpty()) return refuseLeaving(display_[0]);
    return true;
}

} // namespace zmp
