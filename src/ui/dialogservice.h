#pragma once

#include <string>
#include <vector>

class QPrinter;

namespace zmp {

// The standard file, printer and input dialogs. An empty path means the user
// cancelled. Tests answer with prepared paths and a PDF printer.
class DialogService {
  public:
    virtual ~DialogService() = default;
    // filter in the "name|pattern|name|pattern" form of the file commands.
    virtual std::string openFileName(const std::string& filter, const std::string& folder) = 0;
    virtual std::string saveFileName(const std::string& filter, const std::string& folder) = 0;
    // Lets the user choose and set up the printer; false when cancelled.
    virtual bool choosePrinter(QPrinter& printer) = 0;
    // False when the system has no printer to offer.
    virtual bool printerAvailable() = 0;
    // One line of text, given as text to start from; empty when cancelled.
    virtual std::string askText(const std::string& title, const std::string& label,
                                const std::string& text) = 0;
    // One of the items; -1 when cancelled.
    virtual int chooseItem(const std::string& title, const std::string& label,
                           const std::vector<std::string>& items) = 0;
};

// "dat files(*.dat)|*.dat|All files(*.*)|*.*" as a Qt name filter list
// ("dat files(*.dat);;All files(*.*)"). "*.*" matches every file name on
// the desktop too, with or without a dot.
std::string qtFileFilter(const std::string& filter);

// The extension a save dialog adds to a name typed without one, so that the
// file shows up again under the filter it was saved with: "dat" for the
// filter named "dat files(*.dat)", nothing for "All files(*.*)".
std::string filterExtension(const std::string& filter, const std::string& chosen);

} // namespace zmp
