#include "compare/report.h"

#include <algorithm>
#include <array>
#include <cstdio>

namespace compare {
namespace {

constexpr std::array<const char*, 9> kHeadings{"method",    "order",     "count",  "seconds", "comparisons",
                                               "exchanges", "merges",    "moves",  "in order"};

std::vector<std::string> Fields(const Measurement& m, bool forCsv)
{
    char seconds[32];
    std::snprintf(seconds, sizeof seconds, forCsv ? "%.9f" : "%.6f", m.seconds);
    return {std::string(sorting::MethodName(m.method)),
            std::string(sorting::OrderName(m.order)),
            std::to_string(m.count),
            seconds,
            std::to_string(m.counts.comparisons),
            std::to_string(m.counts.exchanges),
            std::to_string(m.counts.merges),
            std::to_string(m.counts.moves),
            m.inOrder ? "yes" : "NO"};
}

}  // namespace

std::string FormatTable(const std::vector<Measurement>& measurements)
{
    std::vector<std::vector<std::string>> rows{{kHeadings.begin(), kHeadings.end()}};
    for (const Measurement& m : measurements) rows.push_back(Fields(m, false));

    std::array<std::size_t, kHeadings.size()> widths{};
    for (const auto& row : rows)
        for (std::size_t c = 0; c < row.size(); ++c) widths[c] = std::max(widths[c], row[c].size());

    std::string text;
    for (const auto& row : rows) {
        std::string line;
        for (std::size_t c = 0; c < row.size(); ++c) {
            const std::string pad(widths[c] - row[c].size(), ' ');
            // The method and the order stand left; the numbers and the verdict stand right.
            line += c == 0 ? row[c] + pad : c == 1 ? "  " + row[c] + pad : "  " + pad + row[c];
        }
        text += line + "\n";
    }
    return text;
}

std::string FormatCsv(const std::vector<Measurement>& measurements)
{
    const auto line = [](const auto& fields) {
        std::string text;
        bool first = true;
        for (const auto& field : fields) {
            if (!first) text += ',';
            text += field;
            first = false;
        }
        return text + '\n';
    };
    std::string text = line(kHeadings);
    for (const Measurement& m : measurements) text += line(Fields(m, true));
    return text;
}

}  // namespace compare
