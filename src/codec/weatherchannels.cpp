#include "codec/weatherchannels.h"

namespace zmp {

namespace {

WxChannel wxChannel(int number, const char* label, const char* frequencyText, double mhz)
{
    return {number, label, frequencyText, mhz, mhz, 0.0};
}

std::vector<WxChannel> buildWeatherChannels()
{
    return {
        wxChannel(1, "WX01[162.550MHz]", "162.550MHZ", 162.550),
        wxChannel(2, "WX02[162.400MHz]", "162.400MHZ", 162.400),
        wxChannel(3, "WX03[162.475MHz]", "162.475MHZ", 162.475),
        wxChannel(4, "WX04[162.425MHz]", "162.425MHZ", 162.425),
        wxChannel(5, "WX05[162.450MHz]", "162.450MHZ", 162.450),
        wxChannel(6, "WX06[162.500MHz]", "162.500MHZ", 162.500),
        wxChannel(7, "WX07[162.525MHz]", "162.525MHZ", 162.525),
        wxChannel(8, "WX08[161.650MHz]", "161.650MHZ", 161.650),
        wxChannel(9, "WX09[161.775MHz]", "161.775MHZ", 161.775),
        wxChannel(10, "WX10[163.275MHz]", "163.275MHZ", 163.275),
    };
}

} // namespace

const std::vector<WxChannel>& weatherChannels()
{
    static const std::vector<WxChannel> channels = buildWeatherChannels();
    return channels;
}

} // namespace zmp
