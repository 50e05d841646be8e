#pragma once

#include <string>
#include <vector>

namespace zmp {

// What zmp-cli prints with --json: one JSON document per run, an array of
// flat objects. An empty text is null, so that a script tells "not set"
// from a value.
class JsonDocument {
  public:
    void beginObject();
    void add(const std::string& name, const std::string& text);
    void add(const std::string& name, bool value);
    void add(const std::string& name, int value);
    // The array with one object a line, and a final newline.
    std::string text() const;

  private:
    void addRaw(const std::string& name, const std::string& json);

    std::vector<std::string> objects_;
};

} // namespace zmp
