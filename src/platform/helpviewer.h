#pragma once

#include <QString>
#include <QTextBrowser>

namespace zmp {

// The help window: shows the program's HTML help file (whatever its
// extension) scrolled to the anchor of a context number.
class HelpViewer : public QTextBrowser {
    Q_OBJECT

  public:
    explicit HelpViewer(QWidget* parent = nullptr);

    // Shows the file at the context's anchor and raises the window. On a
    // file that cannot be read it returns false and leaves the reason in error.
    bool openAt(const QString& path, int context, QString* error);

    // The anchor name of a context number in the help files.
    static QString anchorFor(int context);
};

} // namespace zmp
