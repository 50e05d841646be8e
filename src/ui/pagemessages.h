#pragma once

// The texts of the channel grids, the weather page, the directory editors
// and the channel editor: status-bar hints, questions and captions.
namespace zmp::uimsg {

inline constexpr const char* CheckBoxHint = "[Space]:An effective and invalid change.";
inline constexpr const char* ListHint = "[Up]/[Down]:Change of a Selection item.";
inline constexpr const char* GridHint = "[Double click],[Enter]:Jump the Setting screen.";
inline constexpr const char* WeatherEnableHint = "Select[x]Enable/[]Disable.";
inline constexpr const char* ChannelNameHint = "A maximum of 12 characters";
inline constexpr const char* DirectoryNameHint = "A maximum of 10 characters.";
inline constexpr const char* MmsiHint = "Numeric Only. Indispensable 9 figures.";
inline constexpr const char* RxFrequencyHint = "Rx frequency";
inline constexpr const char* TxFrequencyHint = "Tx frequency";
inline constexpr const char* TwoFiguresHint = "Indispensable 2 figures.";
inline constexpr const char* OneFigureHint = "Indispensable 1 figures.";

inline constexpr const char* RxFrequencyCaption = "Rx frequency";
inline constexpr const char* TxFrequencyCaption = "Tx frequency";
inline constexpr const char* IndividualDirectoryCaption = "Individual Directory";
inline constexpr const char* GroupDirectoryCaption = "Group Directory";
inline constexpr const char* AreYouSure = "Are you sure ?";

} // namespace zmp::uimsg
