#pragma once

#include <string>

#include <QDialog>
#include <QTimer>

#include "ui/dialogservice.h"
#include "ui/editorstate.h"
#include "ui/messageservice.h"

class QPlainTextEdit;
class QPushButton;

namespace zmp {

// frmPrn: the text report in a scrollable box, saved as a .txt file.
class ReportWindow : public QDialog {
    Q_OBJECT

  public:
    ReportWindow(EditorState& state, MessageService& messages, DialogService& dialogs,
                 QWidget* parent = nullptr);

    // True once the report has been built into the text box.
    bool reportShown() const { return built_; }
    void saveAs();
    // The text box's content with CR LF line ends, as it is saved.
    std::string reportContent() const;

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    void buildReport();

    EditorState& state_;
    MessageService& messages_;
    DialogService& dialogs_;
    QPlainTextEdit* text_ = nullptr;
    QPushButton* ok_ = nullptr;
    QWidget* menuBar_ = nullptr;
    QTimer timer_;
    bool built_ = false;
};

} // namespace zmp
