#include "files/modelscan.h"

#include <filesystem>

#include "files/appsettings.h"
#include "files/profilereader.h"
#include "files/textvalue.h"
#include "message/messagetexts.h"
#include "model/models.h"

namespace zmp {

namespace {

std::string sectionOf(int model)
{
    return "model" + std::to_string(model);
}

// A global.ini that cannot be read is the likelier cause than one that offers nothing.
std::string whyNoModel(const std::string& globalIniPath)
{
    FileError error;
    ProfileReader::readString(globalIniPath, sectionOf(1), "use", "<NONE>", &error);
    if (error.number != 0) return error.reasonFor(globalIniPath);
    return globalIniPath + ": No model offered (\"use=1\" in [model1] to [model10])";
}

} // namespace

ModelSelection ModelScan::scan(const std::string& globalIniPath)
{
    ModelSelection selection;
    for (int model = 1; model <= ModelMenuItemCount; ++model) {
        const std::string use = ProfileReader::readString(globalIniPath, sectionOf(model), "use");
        if (use.empty()) break;
        if (TextValue::leadingNumber(use) != 1.0) continue;
        ModelMenuItem& item = selection.items[static_cast<std::size_t>(model - 1)];
        item.caption = modelMenuCaption(model);
        item.offered = true;
        ++selection.offeredCount;
        selection.model = model;
    }
    selection.editMenuVisible = selection.offeredCount > 1;
    return selection;
}

FileOutcome ModelScan::selectAtStartup(const std::string& globalIniPath, SettingsStore& store,
                                       const std::string& applicationName, ModelSelection& selection)
{
    selection = scan(globalIniPath);
    if (selection.offeredCount == 0)
        return FileOutcome::failure(msg::UnknownModel, applicationName, MessageIcon::Critical,
                                    whyNoModel(globalIniPath));
    // A stored value that is no number is ignored like one outside the menu,
    // so that a damaged setting cannot keep the program from starting.
    const auto last = TextValue::integer(AppSettings(store).lastModelText());
    if (last && *last >= 1 && *last < ModelMenuItemCount &&
        selection.items[static_cast<std::size_t>(*last - 1)].offered)
        selection.model = *last;
    makeCurrent(selection.model, globalIniPath, selection);
    return FileOutcome::success();
}

bool ModelScan::switchTo(int item, const std::string& globalIniPath, SettingsStore& store,
                         ModelSelection& selection)
{
    const int model = item + 1;
    if (item < 0 || item >= ModelMenuItemCount || model == selection.model) return false;
    makeCurrent(model, globalIniPath, selection);
    AppSettings(store).setLastModel(model);
    return true;
}

bool ModelScan::atisFlag(const std::string& globalIniPath, int model)
{
    return TextValue::boolean(ProfileReader::readString(globalIniPath, sectionOf(model), "atis"))
        .value_or(false);
}

std::string ModelScan::globalIniPath(const std::string& programDir)
{
    return (std::filesystem::path(programDir) / "global.ini").string();
}

void ModelScan::makeCurrent(int model, const std::string& globalIniPath, ModelSelection& selection)
{
    for (auto& item : selection.items)
        item.checked = false;
    if (model >= 1 && model <= ModelMenuItemCount)
        selection.items[static_cast<std::size_t>(model - 1)].checked = true;
    selection.model = model;
    selection.modelName = modelName(model);
    selection.atis = atisFlag(globalIniPath, model);
    selection.title = titleText(model);
}

} // namespace zmp
