#include "ui/portmenu.h"

#include <QAction>
#include <QEventLoop>
#include <QMenu>
#include <QThread>

#include "files/appsettings.h"
#include "message/messagetexts.h"
#include "ui/busywindow.h"
#include "ui/mainactions.h"
#include "ui/mainwindowservices.h"

namespace zmp {

PortMenu::PortMenu(QWidget& window, MainActions& actions, MainWindowServices& services)
    : QObject(&window), window_(window), actions_(actions), services_(services)
{
}

void PortMenu::apply()
{
    const AppSettings settings(services_.settings);
    const int current = settings.comNum();
    for (int port = 1; port <= SerialPortItemCount; ++port) {
        QAction* action = actions_.portItems[static_cast<std::size_t>(port - 1)];
        const std::string device = services_.portLabel    ? services_.portLabel(port)
                                   : services_.portDevice ? services_.portDevice(port)
                                                          : std::string();
        QString text = MainActions::portCaption(port);
        if (!device.empty()) text += QStringLiteral("\t") + QString::fromStdString(device);
        action->setText(text);
        action->setChecked(port == current);
    }
    fill(services_.portDevice ? services_.portDevice(current) : std::string());
}

void PortMenu::choosePort(int port)
{
    AppSettings settings(services_.settings);
    settings.setComNum(port);
    const std::string identity = services_.portIdentity ? services_.portIdentity(port) : std::string();
    if (!identity.empty()) settings.setPortDevice(port, identity);
    apply();
}

void PortMenu::fill(const std::string& current)
{
    for (QAction* item : deviceItems_)
        delete item;
    deviceItems_.clear();
    if (!services_.portDevices) return;
    for (const PortMenuDevice& device : services_.portDevices()) {
        auto* item = new QAction(QString::fromStdString(device.label), actions_.serialPortMenu);
        item->setObjectName(QStringLiteral("mnuOptionsSerialDevice_%1").arg(deviceItems_.size()));
        item->setCheckable(true);
        item->setChecked(current == device.device ||
                         (!device.stableName.empty() && current == device.stableName));
        actions_.serialPortMenu->insertAction(actions_.portDevicesEnd, item);
        connect(item, &QAction::triggered, this, [this, path = device.device] { choose(path); });
        deviceItems_.push_back(item);
    }
}

void PortMenu::choose(const std::string& device)
{
    if (!services_.choosePort || device.empty()) return;
    services_.choosePort(device);
    apply();
}

void PortMenu::askOtherDevice()
{
    const std::string current =
        services_.portDevice ? services_.portDevice(AppSettings(services_.settings).comNum()) : "";
    choose(services_.dialogs.askText(msg::OtherDevice, msg::OtherDevicePrompt, current));
}

// The probe waits on the line for up to two seconds a device: it runs on
// a thread of its own while the window stays drawn, disabled.
std::vector<ProbeResult> PortMenu::probe(const std::vector<std::string>& devices)
{
    std::vector<ProbeResult> results;
    const BusyWindow busy(window_);
    QThread* thread = QThread::create([&] { results = services_.findRadios(devices); });
    QEventLoop loop;
    connect(thread, &QThread::finished, &loop, &QEventLoop::quit);
    thread->start();
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    thread->wait();
    delete thread;
    return results;
}

void PortMenu::findRadio()
{
    if (!services_.findRadios || !services_.portDevices) return;
    std::vector<std::string> devices;
    for (const PortMenuDevice& device : services_.portDevices())
        devices.push_back(device.device);
    tellFound(probe(devices));
}

// One radio is chosen at once; among several the user chooses.
void PortMenu::tellFound(const std::vector<ProbeResult>& results)
{
    const std::vector<std::string> radios = RadioFinder::radios(results);
    if (radios.size() > 1) {
        const int k = services_.dialogs.chooseItem(msg::FindRadio, msg::SeveralRadios, radios);
        if (k >= 0) choose(radios[static_cast<std::size_t>(k)]);
        return;
    }
    Message message{msg::FindRadio, radios.empty() ? msg::NoRadioFound : msg::RadioFound,
                    radios.empty() ? MessageIcon::Warning : MessageIcon::Information};
    if (radios.empty()) {
        message.detail = msg::CheckRadioFound;
        for (const ProbeResult& result : results)
            message.detail += "\n" + result.device + ": " + result.text();
        if (results.empty()) message.detail += "\nThe system lists no serial device.";
    } else {
        choose(radios.front());
        message.detail = radios.front() + " is the serial port now.";
    }
    services_.messages.show(message);
}

} // namespace zmp
