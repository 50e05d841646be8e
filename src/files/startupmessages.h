#pragma once

#include <string>

// Every text the start-up, model and destination logic shows, defined once.
namespace zmp::startupmsg {

inline constexpr const char* UnknownModel = "Unknown model!!";
inline constexpr const char* IniFilesNotFound = "Ini files are not found!!";
inline constexpr const char* IniFileReadError = "Ini file read Error!!";
inline constexpr const char* IniFileReadErrorOnSelect = "IniFileRead Error!!";

// The question before the model menu switches to another model.
inline std::string modelSwitchQuestion(const std::string& modelName)
{
    return "Do you want to program the " + modelName + " series?";
}

} // namespace zmp::startupmsg
