#pragma once

#include <stdexcept>
#include <string>

namespace zmp {

// An unexpected failure beneath the link. The transfer procedures catch
// it, log it and end in an orderly way; a device that went away comes as
// the PortLostError kind.
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
