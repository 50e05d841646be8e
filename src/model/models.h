#pragma once

#include <cstdint>
#include <string>

namespace zmp {

inline constexpr int ModelMr4400 = 1;
inline constexpr int ModelMr4400M = 11;
inline constexpr std::uint16_t ModelCode = 4400; // 0x1130
inline constexpr const char* ProductCode = "KT739R";
inline constexpr const char* IdentificationText = "KT731R"; // MR4400 only, at 256..261
inline constexpr int ModelCodeAddress = 128;
inline constexpr int IdentificationAddress = 256;
inline constexpr int ProductCodeAddress = 0x0100;

inline bool isKnownModel(int model)
{
    return model == ModelMr4400 || model == ModelMr4400M;
}

inline std::string modelName(int model)
{
    if (model == ModelMr4400) return "MR4400";
    if (model == ModelMr4400M) return "MR4400M";
    return "Unknown model";
}

inline std::string modelMenuCaption(int model)
{
    return model == ModelMr4400 ? "MR4400" : "";
}

// "1130": the model code as four upper-case hexadecimal digits.
inline std::string modelCodeText()
{
    static const char digits[] = "0123456789ABCDEF";
    std::string text(4, '0');
    for (int i = 0; i < 4; ++i)
        text[3 - i] = digits[(ModelCode >> (4 * i)) & 0xF];
    return text;
}

inline std::string destinationSuffix(int model)
{
    if (model == ModelMr4400) return "_" + modelCodeText();
    if (model == ModelMr4400M) return "-M_" + modelCodeText();
    return "";
}

inline bool appliesEmptyGroupRule(int model)
{
    return model == ModelMr4400;
}

inline std::string titleText(int model)
{
    return "PC Program for " + modelName(model);
}

} // namespace zmp
