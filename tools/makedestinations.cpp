// Writes the installation's destination files: for each model, one raw
// image per region, made from the built-in tables with the usable groups
// and the weather function that suit the region.
//
//     zmp-make-destinations OUTPUT_DIR

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>

#include "image/imagepreparation.h"
#include "image/newimage.h"
#include "model/models.h"

namespace {

using zmp::Records;

struct Region {
    const char* name;
    std::array<bool, zmp::UsableGroupCount> enabled; // Group1 (USA), Group2 (INT), Group3 (CAN), Exp CH
    bool weatherAlert;
    bool twentyFourHours;
};

constexpr std::array<Region, 3> Regions{{
    {"USA", {true, false, false, false}, true, false},
    {"INTL", {false, true, false, false}, false, true},
    {"CAN", {true, false, true, false}, true, false},
}};

constexpr std::array<const char*, zmp::UsableGroupCount> GroupNames{"USA", "INTL", "CAN", "EXP"};
constexpr std::int16_t WeatherOff = 0;
constexpr std::int16_t WeatherOn = 3;

void applyRegion(const Region& region, Records& records)
{
    for (std::size_t g = 0; g < records.groups.size(); ++g) {
        records.groups[g].Enable = region.enabled[g];
        records.groups[g].StatusName = GroupNames[g];
    }
    records.settings[zmp::slot::Weater] = region.weatherAlert ? WeatherOn : WeatherOff;
    // A fresh memory holds no valid clock or unit setting: start from UTC
    // without offset, in knots and nautical miles.
    records.settings[zmp::slot::TimeDisplay] = 0;
    records.settings[zmp::slot::OffsetTime] = 0;
    records.settings[zmp::slot::Format] = region.twentyFourHours ? 1 : 0;
    records.settings[zmp::slot::Sog] = 0;
    records.settings[zmp::slot::Distance] = 0;
}

bool writeImage(const std::filesystem::path& path, const zmp::MemoryImage& image)
{
    const std::filesystem::path partial = path.string() + ".part";
    {
        std::ofstream out(partial, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(image.bytes.data()), image.size());
        if (!out.flush()) return false;
    }
    std::error_code error;
    std::filesystem::rename(partial, path, error);
    return !error;
}

bool writeDestination(const std::filesystem::path& dir, int model, const Region& region)
{
    Records records;
    zmp::MemoryImage image;
    if (!zmp::makeNewImage(model, records, image)) return false;
    applyRegion(region, records);
    zmp::prepareImage(records, model, image, zmp::PrepareTarget::ImageFile);
    return writeImage(dir / (std::string(region.name) + zmp::destinationSuffix(model) + ".ini"), image);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "usage: zmp-make-destinations OUTPUT_DIR\n";
        return 2;
    }
    const std::filesystem::path dir = argv[1];
    for (const zmp::ModelTraits& traits : zmp::Models) {
        const int model = traits.number;
        for (const Region& region : Regions) {
            if (!writeDestination(dir, model, region)) {
                std::cerr << "zmp-make-destinations: cannot write " << region.name << " for model " << model
                          << '\n';
                return 1;
            }
        }
    }
    return 0;
}
