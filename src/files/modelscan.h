#pragma once

#include <array>
#include <string>

#include "files/fileoutcome.h"
#include "files/settingsstore.h"

namespace zmp {

inline constexpr int ModelMenuItemCount = 10;

struct ModelMenuItem {
    std::string caption;
    bool offered = false; // shown and enabled
    bool checked = false;
};

// The models an installation offers (global.ini) and the one the start-up
// selects, as the model menu shows them: item k stands for model k + 1.
struct ModelSelection {
    std::array<ModelMenuItem, ModelMenuItemCount> items{};
    int offeredCount = 0;
    int model = 0; // the current model number; 0 when none is offered
    std::string modelName;
    bool atis = false;
    std::string title;
    bool editMenuVisible = false; // the model menu is worth showing
};

class ModelScan {
  public:
    // Sections "model1".."model10", key "use": the scan ends at the first
    // empty value; a value whose number is 1 offers the model.
    static ModelSelection scan(const std::string& globalIniPath);
    // The start-up choice: the scan, then "lastmodel" when its item is
    // offered, then the current model's name, ATIS flag and title. Without
    // an offered model it fails with "Unknown model!!".
    static FileOutcome selectAtStartup(const std::string& globalIniPath, SettingsStore& store,
                                       const std::string& applicationName, ModelSelection& selection);
    // Model menu item k: makes model k + 1 current and stores "lastmodel".
    // False when it already was current (nothing to do).
    static bool switchTo(int item, const std::string& globalIniPath, SettingsStore& store,
                         ModelSelection& selection);
    // The "atis" value of the model's section; a missing or unreadable
    // value is false.
    static bool atisFlag(const std::string& globalIniPath, int model);
    static std::string globalIniPath(const std::string& programDir);

  private:
    static void makeCurrent(int model, const std::string& globalIniPath, ModelSelection& selection);
};

} // namespace zmp
