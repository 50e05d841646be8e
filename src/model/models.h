#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace zmp {

inline constexpr int ModelMr4400 = 1;
inline constexpr int ModelMr4400M = 11;
inline constexpr std::uint16_t ModelCode = 4400; // 0x1130
inline constexpr const char* ProductCode = "KT739R";
inline constexpr int ModelCodeAddress = 128;
inline constexpr int IdentificationAddress = 256;
inline constexpr int ProductCodeAddress = 0x0100;

// One row per radio model the system programs. Whether a model has ATIS
// is not a trait: global.ini's "atis" key of the model says so.
struct ModelTraits {
    int number;                 // MODELTYPE, the [modelN] section of global.ini
    const char* name;           // "MR4400"
    const char* menuCaption;    // the model menu's item; empty for none
    const char* suffixMark;     // before "_" and the model code in destination file names
    const char* identification; // written at 256..261 of a new image; empty for none
    bool emptyGroupRule;        // a usable group without channels is switched off
};

inline constexpr std::array<ModelTraits, 2> Models{{
    {ModelMr4400, "MR4400", "MR4400", "", "KT731R", true},
    {ModelMr4400M, "MR4400M", "", "-M", "", false},
}};

// The row of a model number; nullptr for a number of no model.
inline const ModelTraits* modelTraits(int model)
{
    for (const ModelTraits& traits : Models)
        if (traits.number == model) return &traits;
    return nullptr;
}

inline bool isKnownModel(int model)
{
    return modelTraits(model) != nullptr;
}

inline std::string modelName(int model)
{
    const ModelTraits* traits = modelTraits(model);
    return traits ? traits->name : "Unknown model";
}

inline std::string modelMenuCaption(int model)
{
    const ModelTraits* traits = modelTraits(model);
    return traits ? traits->menuCaption : "";
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

// "1 = MR4400, 11 = MR4400M": the model numbers a command line takes.
inline std::string modelNumbersText()
{
    std::string text;
    for (const ModelTraits& traits : Models)
        text += (text.empty() ? "" : ", ") + std::to_string(traits.number) + " = " + traits.name;
    return text;
}

// "_1130" or "-M_1130": how a model's destination file names end before ".ini".
inline std::string destinationSuffix(int model)
{
    const ModelTraits* traits = modelTraits(model);
    return traits ? traits->suffixMark + ("_" + modelCodeText()) : "";
}

inline bool appliesEmptyGroupRule(int model)
{
    const ModelTraits* traits = modelTraits(model);
    return traits && traits->emptyGroupRule;
}

inline std::string titleText(int model)
{
    return "PC Program for " + modelName(model);
}

} // namespace zmp
