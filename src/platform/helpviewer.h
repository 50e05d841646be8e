#pragma once

#include <QMainWindow>
#include <QString>

class QTextBrowser;

namespace zmp {

// The help window: the program's HTML help file (whatever its extension)
// scrolled to the anchor of a context number, under a small toolbar with
// Back, Forward and Close; Escape closes it too.
class HelpViewer : public QMainWindow {
    Q_OBJECT

  public:
    explicit HelpViewer(QWidget* parent = nullptr);

    // Shows the file at the context's anchor and raises the window. On a
    // file that cannot be read it returns false and leaves the reason in error.
    bool openAt(const QString& path, int context, QString* error);
    QTextBrowser* browser() const { return browser_; }

    // The anchor name of a context number in the help files.
    static QString anchorFor(int context);

  private:
    void createToolBar();

    QTextBrowser* browser_ = nullptr;
};

} // namespace zmp
