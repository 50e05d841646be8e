#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "files/destinationmenu.h"
#include "files/fileoutcome.h"
#include "files/settingsstore.h"

namespace zmp {

// The Destination menu of one model: builds it from the program folder,
// loads the remembered destination, and loads the one the user chooses.
// Loading goes through the loader, which installs and decodes a
// destination file and answers whether it did (the silent image-file load).
class DestinationController {
  public:
    using Loader = std::function<bool(const std::filesystem::path& file)>;

    DestinationController(std::filesystem::path programDir, SettingsStore& store, Loader loader);

    // Lists the model's destinations and loads the remembered one (the
    // first of the list, stored as remembered, when none is remembered or
    // its file is gone). With a chosen name, that one is loaded instead
    // and nothing is stored. The title is the caption of the messages.
    FileOutcome loadListAndRemembered(int model, const std::string& title,
                                      const std::optional<std::string>& chosenName = std::nullopt);
    // Menu item k: loads its destination and, on success, remembers it; on
    // failure the item checked before is checked again.
    FileOutcome select(int item, int model, const std::string& title);

    const DestinationMenu& menu() const { return menu_; }
    // The caption of the checked item; empty when none is checked.
    std::string loadedName() const;

  private:
    void fillMenu(const std::vector<std::string>& names);
    std::string rememberedName(int model);
    bool load(const std::string& name, int model);
    std::filesystem::path pathOf(const std::string& fileName) const;
    std::string whyNotLoaded(const std::string& name, int model) const;
    int findItem(const std::string& name) const;

    std::filesystem::path programDir_;
    SettingsStore& store_;
    Loader loader_;
    DestinationMenu menu_;
};

} // namespace zmp
