#pragma once

#include <optional>
#include <string>

#include "files/settingsstore.h"

namespace zmp {

// Where the main window stood, in twips.
struct WindowPlaceTwips {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

// The application's keys in the per-user settings store, with their
// defaults. The editor and zmp-cli read and write the same values.
class AppSettings {
  public:
    static constexpr const char* SettingsSection = "Settings";
    static constexpr const char* LastModelKey = "lastmodel";
    static constexpr const char* HexVisibleKey = "hexvisible";
    static constexpr const char* VerifyKey = "verify";       // read back after programming
    static constexpr const char* RadioCopyKey = "radiocopy"; // keep the radio's content before programming
    static constexpr const char* MainLeftKey = "MainLeft";
    static constexpr const char* MainTopKey = "MainTop";
    static constexpr const char* MainWidthKey = "MainWidth";
    static constexpr const char* MainHeightKey = "MainHeight";
    // The window system's own record of the window's frame, as text.
    static constexpr const char* MainFrameKey = "MainFrame";
    static constexpr const char* IniFilePathSection = "IniFilePath";
    static constexpr const char* IniFileNamePrefix = "IniFileName_";
    static constexpr const char* ComPathSection = "ComPath";
    static constexpr const char* ComNumKey = "ComNum";
    static constexpr const char* DevicePrefix = "Device";
    static constexpr int DefaultComNum = 1;

    explicit AppSettings(SettingsStore& store) : store_(store) {}

    // As stored ("1" when absent); the start-up decides what it means.
    std::string lastModelText() const;
    void setLastModel(int model);
    bool hexVisible() const;
    bool verifyAfterProgram() const; // on unless turned off
    void setVerifyAfterProgram(bool verify);
    bool keepRadioCopy() const; // off unless turned on
    void setKeepRadioCopy(bool keep);
    // Left, top, width and height of the main window, in twips.
    void storeMainWindowGeometry(int left, int top, int width, int height);
    // The place stored at the last exit; none when a key is missing or not
    // a number, or the size is not positive.
    std::optional<WindowPlaceTwips> mainWindowGeometry() const;
    // The frame record beside the twips: restoring it places the window
    // exactly, frame and all. Empty when none is stored.
    std::string mainWindowFrame() const;
    void storeMainWindowFrame(const std::string& frame);
    std::string rememberedDestination(int model) const;
    void setRememberedDestination(int model, const std::string& name);
    // The serial port number; a stored text that is no number gives the default.
    int comNum() const;
    void setComNum(int port);
    // The device a port number stands for where ports have no system
    // names ("ComPath", "Device" + n); empty when none is stored.
    std::string portDevice(int port) const;
    void setPortDevice(int port, const std::string& device);

  private:
    SettingsStore& store_;
};

} // namespace zmp
