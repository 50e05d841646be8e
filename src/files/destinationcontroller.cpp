#include "files/destinationcontroller.h"

#include <utility>

#include "files/appsettings.h"
#include "files/destinationlist.h"
#include "files/imagefile.h"
#include "files/textvalue.h"
#include "message/messagetexts.h"
#include "model/models.h"

namespace zmp {

DestinationController::DestinationController(std::filesystem::path programDir, SettingsStore& store,
                                             Loader loader)
    : programDir_(std::move(programDir)), store_(store), loader_(std::move(loader))
{
}

FileOutcome DestinationController::loadListAndRemembered(int model, const std::string& title,
                                                         const std::optional<std::string>& chosenName)
{
    menu_ = DestinationMenu{};
    const auto names = DestinationList::names(programDir_, model);
    if (names.empty())
        return {true,
                {title, msg::IniFilesNotFound, MessageIcon::Warning, MessageButtons::Ok, MessageAnswer::Ok,
                 programDir_.string() + ": No destination files (*" + destinationSuffix(model) + ".ini)"}};
    fillMenu(names);
    const std::string name = chosenName ? *chosenName : rememberedName(model);
    const int item = findItem(name);
    if (item < 0)
        return FileOutcome::failure(msg::IniFileReadError, title, MessageIcon::Warning,
                                    pathOf(DestinationList::fileNameOf(name, model)).string() +
                                        ": No such destination");
    if (!load(menu_.items[static_cast<std::size_t>(item)].caption, model))
        return FileOutcome::failure(msg::IniFileReadError, title, MessageIcon::Warning,
                                    whyNotLoaded(menu_.items[static_cast<std::size_t>(item)].caption, model));
    menu_.items[static_cast<std::size_t>(item)].checked = true;
    return FileOutcome::success();
}

FileOutcome DestinationController::select(int item, int model, const std::string& title)
{
    if (item < 0 || item >= DestinationMenu::ItemCount ||
        !menu_.items[static_cast<std::size_t>(item)].visible)
        return FileOutcome::failure(msg::IniFileReadErrorOnSelect, title, MessageIcon::Warning);
    const int previous = menu_.checkedItem();
    menu_.uncheckAll();
    const std::string caption = TextValue::upper(menu_.items[static_cast<std::size_t>(item)].caption);
    if (!load(caption, model)) {
        if (previous >= 0) menu_.items[static_cast<std::size_t>(previous)].checked = true;
        return FileOutcome::failure(msg::IniFileReadErrorOnSelect, title, MessageIcon::Warning,
                                    whyNotLoaded(caption, model));
    }
    menu_.items[static_cast<std::size_t>(item)].checked = true;
    AppSettings(store_).setRememberedDestination(model, menu_.items[static_cast<std::size_t>(item)].caption);
    return FileOutcome::success();
}

std::string DestinationController::loadedName() const
{
    const int item = menu_.checkedItem();
    return item < 0 ? std::string() : menu_.items[static_cast<std::size_t>(item)].caption;
}

void DestinationController::fillMenu(const std::vector<std::string>& names)
{
    menu_.enabled = true;
    for (std::size_t k = 0; k < names.size(); ++k) {
        menu_.items[k].caption = names[k];
        menu_.items[k].visible = true;
    }
}

std::string DestinationController::rememberedName(int model)
{
    AppSettings settings(store_);
    const std::string remembered = settings.rememberedDestination(model);
    if (!remembered.empty() &&
        DestinationList::locate(programDir_, DestinationList::fileNameOf(remembered, model)))
        return remembered;
    const std::string first = menu_.items[0].caption;
    settings.setRememberedDestination(model, first);
    return first;
}

bool DestinationController::load(const std::string& name, int model)
{
    // A file that is gone still goes to the loader, which reports it.
    return loader_(pathOf(DestinationList::fileNameOf(name, model)));
}

std::filesystem::path DestinationController::pathOf(const std::string& fileName) const
{
    return DestinationList::locate(programDir_, fileName).value_or(programDir_ / fileName);
}

std::string DestinationController::whyNotLoaded(const std::string& name, int model) const
{
    const std::string path = pathOf(DestinationList::fileNameOf(name, model)).string();
    const std::string reason = ImageFile::whyRefused(path, model);
    return reason.empty() ? path + ": Not loaded" : reason;
}

int DestinationController::findItem(const std::string& name) const
{
    for (int k = 0; k < DestinationMenu::ItemCount; ++k) {
        const auto& item = menu_.items[static_cast<std::size_t>(k)];
        if (item.visible && TextValue::equalsIgnoringCase(item.caption, name)) return k;
    }
    return -1;
}

} // namespace zmp
