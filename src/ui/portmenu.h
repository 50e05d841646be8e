#pragma once

#include <string>
#include <vector>

#include <QObject>

#include "fleetlink/radiofinder.h"

class QAction;
class QWidget;

namespace zmp {

class MainActions;
struct MainWindowServices;

// The serial-port menu beyond its sixteen numbers: every device the system
// has, "Other device…" to type any path, and Find Radio. A chosen device
// is stored under a port number, so the rest of the editor (the transfer
// dialog, the backups) goes on asking for the number.
class PortMenu : public QObject {
    Q_OBJECT

  public:
    PortMenu(QWidget& window, MainActions& actions, MainWindowServices& services);

    // Shows the numbered ports with their devices and lists the devices
    // again, the one in use checked.
    void apply();
    // A numbered port chosen from the menu.
    void choosePort(int port);
    void choose(const std::string& device);
    void askOtherDevice();
    void findRadio();

  private:
    void fill(const std::string& current);
    std::vector<ProbeResult> probe(const std::vector<std::string>& devices);
    void tellFound(const std::vector<ProbeResult>& results);

    QWidget& window_;
    MainActions& actions_;
    MainWindowServices& services_;
    std::vector<QAction*> deviceItems_;
};

} // namespace zmp
