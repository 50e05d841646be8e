#pragma once

#include <array>
#include <string>

#include "model/records.h"
#include "ui/page.h"

class QCheckBox;
class QComboBox;
class QFrame;
class QGridLayout;
class QHBoxLayout;
class QLabel;
class QLineEdit;

namespace zmp {

class ValidatedField;

// pictC: one channel of a channel group (its number and frequencies come
// from the channel plan and only its flags and name change) or one EXP
// channel (display characters and frequencies typed by the user). Every
// change goes into the record at once.
class ChannelEditorPage : public Page {
    Q_OBJECT

  public:
    ChannelEditorPage(PageContext context, QWidget* parent = nullptr);

    void fill(const std::string& nodeKey) override;
    bool canLeave() override;

    // The scrambler list is offered only with the scrambler feature, which
    // the program never turns on.
    void setScramblerFeature(bool on) { scramblerFeature_ = on; }

  private:
    enum class Frequency { Rx, Tx };

    void createControls();
    void createDisplayRow(QGridLayout* form);
    void createFrequencyRow(QGridLayout* form, Frequency which);
    void createTransmitRows(QGridLayout* form);
    void createOtherRows(QGridLayout* form);
    void addHints();
    void connectControls();
    ValidatedField* frequencyField(QLineEdit* text, Frequency which);
    void layOut(bool exp);
    void fillGroupChannel(const ChannelRecord& channel);
    void fillExpChannel(const ChannelRecord& channel);
    void fillFlags(const ChannelRecord& channel);
    void applyChEnableRule();
    void applyTxEnableRule();
    void applyLowPowerRule();
    void applyGroupChannelLimits(const ChannelRecord& channel);
    void refill();
    bool editable();
    ChannelRecord* record();
    void onChEnable(bool checked);
    void onLowPower();
    void onDuplex(bool checked);
    void storeDisplay();
    void setModified() { state().markEdited(); }
    bool displayEmpty() const;
    bool refuseLeaving(QWidget* field);

    QCheckBox* chEnable_ = nullptr;
    QLabel* displayLabel_ = nullptr;
    std::array<QLineEdit*, 2> number_{};
    std::array<QLineEdit*, 3> display_{};
    QLabel* rxLabel_ = nullptr;
    QLineEdit* rx_ = nullptr;
    QLabel* rxUnit_ = nullptr;
    QLabel* txLabel_ = nullptr;
    QLineEdit* tx_ = nullptr;
    QLabel* txUnit_ = nullptr;
    QCheckBox* txEnable_ = nullptr;
    QHBoxLayout* lowPowerRow_ = nullptr;
    QFrame* lowPowerLine_ = nullptr;
    QCheckBox* lowPower_ = nullptr;
    QHBoxLayout* powerUpRow_ = nullptr;
    QFrame* powerUpLine_ = nullptr;
    QCheckBox* powerUp_ = nullptr;
    QCheckBox* duplex_ = nullptr;
    QCheckBox* scan_ = nullptr;
    QLabel* scrambleLabel_ = nullptr;
    QComboBox* scramble_ = nullptr;
    QLabel* nameLabel_ = nullptr;
    QLineEdit* name_ = nullptr;

    std::string key_;
    bool exp_ = false;
    bool duplexCapable_ = false;
    ValidatedField* rxField_ = nullptr;
    ValidatedField* txField_ = nullptr;
    bool scramblerFeature_ = false;
};

} // namespace zmp
