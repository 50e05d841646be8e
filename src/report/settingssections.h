#pragma once

#include "report/reportinput.h"
#include "report/reportsection.h"

// The settings sections of the configuration report, in report order.
namespace zmp {

SettingsSection usableGroupSection(const Records& records, ReportRendering rendering);
SettingsSection commonSection(const Records& records);
SettingsSection dscBasicSection(const ReportInput& input, ReportRendering rendering);
SettingsSection dscAdvancedSection(const Records& records);
SettingsSection dscDisplaySection(const Records& records);
SettingsSection atisSection(const Records& records);

// The user MMSI entry counter of the image.
inline constexpr int UserMmsiCountAddress = 645;

} // namespace zmp
