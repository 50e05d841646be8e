#pragma once

#include <QDialog>

namespace zmp {

// frmAbout: the program's title, version and legal notice.
class AboutBox : public QDialog {
    Q_OBJECT

  public:
    explicit AboutBox(QWidget* parent = nullptr);

    static QString versionLine();
};

} // namespace zmp
