#pragma once

#include <array>
#include <string>

#include <QObject>

class QAction;
class QActionGroup;
class QMainWindow;
class QMenu;
class QToolBar;

namespace zmp {

inline constexpr int ModelItemCount = 10;
inline constexpr int DestinationItemCount = 11;
inline constexpr int SerialPortItemCount = 16;

// The menus and the toolbar of the main window, with the names of their
// items. The window connects the actions; this class only makes them.
class MainActions : public QObject {
    Q_OBJECT

  public:
    explicit MainActions(QMainWindow& window);

    QAction* fileNew = nullptr;
    QAction* fileOpen = nullptr;
    QMenu* fileRecent = nullptr; // filled when it opens
    QAction* fileSave = nullptr;
    QAction* fileSaveAs = nullptr;
    QAction* fileSaveAsDefault = nullptr;
    QMenu* fileExport = nullptr; // one item per table, filled by the window
    QMenu* fileImport = nullptr;
    QAction* filePrint = nullptr;
    QAction* fileExportPdf = nullptr;
    QAction* filePrintToFile = nullptr;
    QAction* fileBackups = nullptr;
    QAction* fileProgramFleet = nullptr;
    QAction* fileExit = nullptr;
    QMenu* editMenu = nullptr;
    QAction* editUndo = nullptr;
    QAction* editRedo = nullptr;
    QMenu* editModel = nullptr;
    std::array<QAction*, ModelItemCount> modelItems{};
    QAction* transferProgram = nullptr;
    QAction* transferRead = nullptr;
    QAction* transferCompare = nullptr;
    QMenu* destinationMenu = nullptr;
    std::array<QAction*, DestinationItemCount> destinationItems{};
    QMenu* optionsMenu = nullptr;
    QMenu* serialPortMenu = nullptr;
    std::array<QAction*, SerialPortItemCount> portItems{};
    // The system's devices stand between the numbers and this separator (the port menu fills them).
    QAction* portDevicesEnd = nullptr;
    QAction* portOther = nullptr;
    QAction* findRadio = nullptr;
    QAction* optionsHexdump = nullptr;
    QAction* helpContents = nullptr;
    QAction* helpAbout = nullptr;
    QToolBar* toolBar = nullptr;

    // The toolbar button of a key ("New", "Open", "Save", "Print",
    // "Program", "Program2", "Read", "Read2") and the menu item it runs.
    QAction* toolButton(const QString& key) const;
    static QString portCaption(int port);

  signals:
    // A toolbar button was pressed; the window runs its menu item when enabled.
    void toolButtonPressed(const QString& key);

  private:
    QAction* item(QMenu* menu, const char* name, const char* caption);
    void createFileMenu(QMainWindow& window);
    void createEditMenu(QMainWindow& window);
    void createTransferMenu(QMainWindow& window);
    void createDestinationMenu(QMainWindow& window);
    void createOptionsMenu(QMainWindow& window);
    void createHelpMenu(QMainWindow& window);
    void createToolBar(QMainWindow& window);
    // name: what assistive technology reads, when it is not the tip.
    void addToolButton(const QString& key, const QIcon& icon, const QString& tip, const QString& name = {});
};

} // namespace zmp
