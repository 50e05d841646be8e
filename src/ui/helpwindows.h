#pragma once

#include <functional>
#include <memory>

#include <QString>

#include "ui/editorstate.h"
#include "ui/messageservice.h"

class QWidget;

namespace zmp {

class HelpViewer;

// The help file of the current model and the windows that show it: one
// for the main window, and one of its own for a modal dialog, which blocks
// every other window while it waits.
class HelpWindows {
  public:
    // caption gives the main window's caption for the message titles.
    HelpWindows(QWidget& window, const EditorState& state, MessageService& messages,
                std::function<QString()> caption);
    ~HelpWindows();

    QString filePath() const;
    bool available() const;
    // Opens the help at a context number, or says there is no help (in a
    // box with this caption, the window caption when empty).
    void show(int context, const QString& caption = QString());
    void closeAll();

  private:
    HelpViewer* viewerFor(QWidget* modal);

    QWidget& window_;
    const EditorState& state_;
    MessageService& messages_;
    std::function<QString()> caption_;
    std::unique_ptr<HelpViewer> viewer_;
};

} // namespace zmp
