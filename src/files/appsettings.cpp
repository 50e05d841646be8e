#include "files/appsettings.h"

#include "files/textvalue.h"

namespace zmp {

std::string AppSettings::lastModelText() const
{
    return store_.value(SettingsSection, LastModelKey, "1");
}

void AppSettings::setLastModel(int model)
{
    store_.setValue(SettingsSection, LastModelKey, std::to_string(model));
}

bool AppSettings::hexVisible() const
{
    return TextValue::boolean(store_.value(SettingsSection, HexVisibleKey, "False")).value_or(false);
}

bool AppSettings::verifyAfterProgram() const
{
    return TextValue::boolean(store_.value(SettingsSection, VerifyKey, "True")).value_or(true);
}

void AppSettings::setVerifyAfterProgram(bool verify)
{
    store_.setValue(SettingsSection, VerifyKey, verify ? "True" : "False");
}

bool AppSettings::keepRadioCopy() const
{
    return TextValue::boolean(store_.value(SettingsSection, RadioCopyKey, "False")).value_or(false);
}

void AppSettings::setKeepRadioCopy(bool keep)
{
    store_.setValue(SettingsSection, RadioCopyKey, keep ? "True" : "False");
}

void AppSettings::storeMainWindowGeometry(int left, int top, int width, int height)
{
    store_.setValue(SettingsSection, MainLeftKey, std::to_string(left));
    store_.setValue(SettingsSection, MainTopKey, std::to_string(top));
    store_.setValue(SettingsSection, MainWidthKey, std::to_string(width));
    store_.setValue(SettingsSection, MainHeightKey, std::to_string(height));
}

std::optional<WindowPlaceTwips> AppSettings::mainWindowGeometry() const
{
    std::optional<int> values[4];
    const char* keys[4] = {MainLeftKey, MainTopKey, MainWidthKey, MainHeightKey};
    for (int i = 0; i < 4; ++i) {
        values[i] = TextValue::integer(store_.value(SettingsSection, keys[i], ""));
        if (!values[i]) return std::nullopt;
    }
    const WindowPlaceTwips place{*values[0], *values[1], *values[2], *values[3]};
    if (place.width <= 0 || place.height <= 0) return std::nullopt;
    return place;
}

std::string AppSettings::mainWindowFrame() const
{
    return store_.value(SettingsSection, MainFrameKey, "");
}

void AppSettings::storeMainWindowFrame(const std::string& frame)
{
    store_.setValue(SettingsSection, MainFrameKey, frame);
}

std::string AppSettings::rememberedDestination(int model) const
{
    return store_.value(IniFilePathSection, IniFileNamePrefix + std::to_string(model), "");
}

void AppSettings::setRememberedDestination(int model, const std::string& name)
{
    store_.setValue(IniFilePathSection, IniFileNamePrefix + std::to_string(model), name);
}

int AppSettings::comNum() const
{
    return TextValue::integer(store_.value(ComPathSection, ComNumKey, std::to_string(DefaultComNum)))
        .value_or(DefaultComNum);
}

void AppSettings::setComNum(int port)
{
    store_.setValue(ComPathSection, ComNumKey, std::to_string(port));
}

std::string AppSettings::portDevice(int port) const
{
    return store_.value(ComPathSection, DevicePrefix + std::to_string(port), "");
}

void AppSettings::setPortDevice(int port, const std::string& device)
{
    store_.setValue(ComPathSection, DevicePrefix + std::to_string(port), device);
}

} // namespace zmp
