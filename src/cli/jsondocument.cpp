#include "cli/jsondocument.h"

#include <cstdio>

namespace zmp {

namespace {

std::string quoted(const std::string& text)
{
    std::string json = "\"";
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            json += '\\';
            json += c;
        } else if (byte < 0x20) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\u%04x", byte);
            json += escape;
        } else {
            json += c;
        }
    }
    return json + '"';
}

} // namespace

void JsonDocument::beginObject()
{
    objects_.emplace_back();
}

void JsonDocument::add(const std::string& name, const std::string& text)
{
    addRaw(name, text.empty() ? "null" : quoted(text));
}

void JsonDocument::add(const std::string& name, bool value)
{
    addRaw(name, value ? "true" : "false");
}

void JsonDocument::add(const std::string& name, int value)
{
    addRaw(name, std::to_string(value));
}

void JsonDocument::addRaw(const std::string& name, const std::string& json)
{
    std::string& object = objects_.back();
    object += (object.empty() ? "" : ", ") + quoted(name) + ": " + json;
}

std::string JsonDocument::text() const
{
    if (objects_.empty()) return "[]\n";
    std::string json = "[\n";
    for (std::size_t i = 0; i < objects_.size(); ++i)
        json += "  {" + objects_[i] + (i + 1 < objects_.size() ? "},\n" : "}\n");
    return json + "]\n";
}

} // namespace zmp
