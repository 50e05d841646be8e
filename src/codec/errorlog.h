#pragma once

#include <string>

namespace zmp {

// The service-mode error log: one line per entry in "err.log".
class ErrorLog {
  public:
    // programDir: the folder of the program, where "err.log" is kept; debugMode: the "/D" switch.
    ErrorLog(std::string programDir, bool debugMode);

    // In debug mode appends "date,time:source -> text" (the system's short date and time) to err.log
    // in the program folder of the build, or to err.log in the user's state folder
    // ($XDG_STATE_HOME/ZMP, %LOCALAPPDATA%\ZMP) for an installed copy, a folder that cannot be
    // written, or root in a folder of the system. Outside debug mode nothing is written.
    void write(const std::string& source, const std::string& text) const;

  private:
    std::string programDir_;
    bool debugMode_;
};

} // namespace zmp
