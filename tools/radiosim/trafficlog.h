#pragma once

#include <chrono>
#include <fstream>
#include <string>
#include <string_view>

namespace zmp::radiosim {

// The traffic log: one line per message, seconds since start, who sent it
// ("PC", "RADIO") or "NOTE", and the bytes in escaped form, e.g.
//   1.204117 PC #QMPRD\t0080\t02\t74\r\n
// A log without a file drops everything.
class TrafficLog {
  public:
    TrafficLog() = default;
    // False when the file cannot be created.
    bool open(const std::string& path);

    void fromComputer(std::string_view bytes) { line("PC", bytes); }
    void fromRadio(std::string_view bytes) { line("RADIO", bytes); }
    void note(std::string_view text) { line("NOTE", text); }

  private:
    void line(const char* who, std::string_view bytes);

    std::ofstream file_;
    std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now();
};

} // namespace zmp::radiosim
