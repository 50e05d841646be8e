#include "files/destinationlist.h"

#include <system_error>

#include "files/textvalue.h"
#include "model/models.h"

namespace zmp {

namespace {

bool endsWithIgnoringCase(const std::string& text, const std::string& ending)
{
    return text.size() >= ending.size() &&
           TextValue::equalsIgnoringCase(text.substr(text.size() - ending.size()), ending);
}

} // namespace

std::vector<std::string> DestinationList::names(const std::filesystem::path& programDir, int model)
{
    std::vector<std::string> result;
    std::error_code error;
    for (std::filesystem::directory_iterator it(programDir, error), end; !error && it != end;
         it.increment(error)) {
        const std::string fileName = it->path().filename().string();
        if (!matches(fileName, model) || !it->is_regular_file(error)) continue;
        result.push_back(nameOfFile(fileName));
        if (static_cast<int>(result.size()) == MaxNames) break;
    }
    sortIgnoringCase(result);
    return result;
}

bool DestinationList::matches(const std::string& fileName, int model)
{
    const std::string suffix = destinationSuffix(model) + ".ini";
    if (!isKnownModel(model) || !endsWithIgnoringCase(fileName, suffix)) return false;
    // "-M_1130.ini" also ends in "_1130.ini": a file of a model whose
    // suffix is the longer one is not a destination of this model.
    for (const ModelTraits& other : Models) {
        const std::string otherSuffix = destinationSuffix(other.number) + ".ini";
        if (otherSuffix.size() > suffix.size() && endsWithIgnoringCase(fileName, otherSuffix)) return false;
    }
    return true;
}

std::string DestinationList::nameOfFile(const std::string& fileName)
{
    return TextValue::upper(fileName.substr(0, fileName.find('_')));
}

std::string DestinationList::fileNameOf(const std::string& name, int model)
{
    // A model whose files carry a mark ("-M") names its destinations with
    // it: the name's own mark goes before the suffix adds it again.
    std::string base = name;
    const ModelTraits* traits = modelTraits(model);
    const std::string mark = traits ? traits->suffixMark : "";
    if (!mark.empty() && base.size() > mark.size() && endsWithIgnoringCase(base, mark))
        base.erase(base.size() - mark.size());
    return base + destinationSuffix(model) + ".ini";
}

// The folder is searched even when the name itself opens a file: on a file
// system without case the name would open a file of other case, and the
// file is known by the name it has on disk. A folder that cannot be listed
// still serves a name it holds exactly.
std::optional<std::filesystem::path> DestinationList::locate(const std::filesystem::path& programDir,
                                                             const std::string& fileName)
{
    std::error_code error;
    std::optional<std::filesystem::path> found;
    for (std::filesystem::directory_iterator it(programDir, error), end; !error && it != end;
         it.increment(error)) {
        const std::string name = it->path().filename().string();
        if (!TextValue::equalsIgnoringCase(name, fileName) || !it->is_regular_file(error)) continue;
        if (name == fileName) return it->path();
        if (!found) found = it->path();
    }
    if (found) return found;
    if (std::filesystem::is_regular_file(programDir / fileName, error)) return programDir / fileName;
    return std::nullopt;
}

void DestinationList::sortIgnoringCase(std::vector<std::string>& names)
{
    const std::size_t count = names.size();
    for (std::size_t gap = count / 2; gap > 0; gap /= 2) {
        for (std::size_t i = gap; i < count; ++i) {
            for (std::size_t j = i; j >= gap && TextValue::upper(names[j - gap]) > TextValue::upper(names[j]);
                 j -= gap)
                std::swap(names[j - gap], names[j]);
        }
    }
}

} // namespace zmp
