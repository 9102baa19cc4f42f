#include "sorting/method_code.h"

namespace sorting {
namespace {

std::size_t Indent(std::string_view text) { return text.find_first_not_of(' '); }

// Each earlier line less indented than every line from it down to `line`.
void AddEnclosing(std::span<const CodeLine> code, int line, std::vector<int>& lines)
{
    std::size_t indent = Indent(code[std::size_t(line) - 1].text);
    for (int outer = line - 1; outer >= 1 && indent > 0; --outer) {
        const std::size_t outerIndent = Indent(code[std::size_t(outer) - 1].text);
        if (outerIndent >= indent) continue;
        lines.push_back(outer);
        indent = outerIndent;
    }
}

}  // namespace

std::vector<int> SurroundingLines(std::span<const CodeLine> code, int line, int caller)
{
    std::vector<int> lines;
    if (line >= 1 && std::size_t(line) <= code.size()) AddEnclosing(code, line, lines);
    if (caller >= 1 && std::size_t(caller) <= code.size()) {
        lines.push_back(caller);
        AddEnclosing(code, caller, lines);
    }
    return lines;
}

}  // namespace sorting
