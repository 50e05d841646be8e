#pragma once

#include <stdexcept>
#include <string>

namespace zmp {

// An unexpected failure beneath the link, such as a device that went away
// in the middle of a transfer. The transfer procedures catch it, log it
// and end in an orderly way.
class LinkError : public std::runtime_error {
  public:
    LinkError(int number, const std::string& description) : std::runtime_error(description), number_(number)
    {
    }
    int number() const { return number_; }

  private:
    int number_;
};

} // namespace zmp
