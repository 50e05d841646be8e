#pragma once

#include <map>
#include <string>

#include "usage/programusage.h"

namespace zmp {

// The parts of a manual page (roff, man macros) that come from a program's
// usage, so that the page and --help cannot tell different stories. The
// page's own prose stays in its template.
class ManPage {
  public:
    // The template's words and what replaces them: @COMMANDS@, @OPTIONS@
    // and @EXIT_STATUS@ from the usage, @PROJECT_VERSION@ the version.
    static std::map<std::string, std::string> parts(const ProgramUsage& usage, const std::string& version);
    // Text with every character roff would take as markup escaped.
    static std::string escaped(const std::string& text);
};

// Replaces each @WORD@ of a template by its text; false with the word in
// missing when the template holds one without a text.
bool fillTemplate(std::string& text, const std::map<std::string, std::string>& parts, std::string& missing);

} // namespace zmp
