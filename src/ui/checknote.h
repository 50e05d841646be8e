#pragma once

#include <functional>
#include <string>

#include <QLabel>

#include "checks/mmsiverdict.h"

class QLineEdit;

namespace zmp {

// A small note under a number field that says, as the number is typed,
// what it stands for ("366… United States of America") or why it is
// doubtful. It only explains; the field's own rules still decide. Its
// place is kept whether it says something or not, and it is never wider
// than its field: a note does not move the page. What does not fit in
// its lines ends in "…"; the tooltip and the accessible name hold it all.
class CheckNote : public QLabel {
    Q_OBJECT

  public:
    // The verdict on the field's text as it stands.
    using Judge = std::function<MmsiVerdict(const std::string& text)>;

    CheckNote(QLineEdit* field, Judge judge);

    // Notes under the User MMSI, ATIS code and directory MMSI fields
    // found below root.
    static void attachAll(QWidget& root);

    // The page that fills an MMSI field tells its note the stored MMSI, so
    // that the note can warn of what the field's digits leave out.
    static void keepStoredMmsi(QLineEdit& field, const std::string& stored);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    void refresh();

    QLineEdit* field_;
    Judge judge_;
};

} // namespace zmp
