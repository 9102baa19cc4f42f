#include "compare/every_order_report.h"

#include "compare/comparison.h"
#include "platform/words.h"

#include <algorithm>
#include <array>

namespace compare {
namespace {

using platform::Words;

constexpr std::array<const char*, 3> kFigures{SORTING_WORDS("compare", "comparisons"),
                                              SORTING_WORDS("compare", "exchanges"), SORTING_WORDS("compare", "moves")};
constexpr std::size_t kCountWidth = 3;

// The columns' widths in the user's words: the method's, then each figure's fewest, mean and
// most (at most 135 moves, a mean of eight characters).
struct Widths {
    std::size_t name = 0, fewest, mean, most;

    Widths()
        : fewest(std::max<std::size_t>(3, platform::TextWidth(Words("compare", "fewest")))),
          mean(std::max<std::size_t>(8, platform::TextWidth(Words("compare", "mean")))),
          most(std::max<std::size_t>(3, platform::TextWidth(Words("compare", "most"))))
    {
        for (sorting::SortMethod method : sorting::kAllMethods)
            name = std::max(name, platform::TextWidth(sorting::MethodTitle(method)));
    }
    std::size_t Group() const { return fewest + mean + most + 2; }
};

std::string Left(const std::string& text, std::size_t width)
{
    const std::size_t shown = platform::TextWidth(text);
    return text + std::string(width > shown ? width - shown : 0, ' ');
}

std::string Right(const std::string& text, std::size_t width)
{
    const std::size_t shown = platform::TextWidth(text);
    return std::string(width > shown ? width - shown : 0, ' ') + text;
}

std::string Items(const std::vector<int>& order)
{
    std::string items;
    for (int item : order) items.append(items.empty() ? "" : " ").append(std::to_string(item));
    return items;
}

std::string InOrder(const EveryOrderRow& row) { return row.inOrder ? Words("compare", "yes") : Words("compare", "NO"); }

const FigureRange& Figure(const EveryOrderRow& row, std::size_t f)
{
    return f == 0 ? row.comparisons : f == 1 ? row.exchanges : row.moves;
}

}  // namespace

std::string EveryOrderHeading()
{
    const Widths w;
    std::string over(w.name + kCountWidth, ' '),
        under = Left(Words("compare", "method"), w.name) + Right("n", kCountWidth);
    for (const char* figure : kFigures) {
        over += "  " + Right(Words("compare", figure), w.Group());
        under += "  " + Right(Words("compare", "fewest"), w.fewest) + " " + Right(Words("compare", "mean"), w.mean) +
                 " " + Right(Words("compare", "most"), w.most);
    }
    return over + "\n" + under + "  " + Words("compare", "in order") + "\n";
}

std::string EveryOrderTableRow(const EveryOrderRow& row, const std::string& decimalSeparator)
{
    const Widths w;
    std::string line = Left(sorting::MethodTitle(row.method), w.name) + Right(std::to_string(row.count), kCountWidth);
    for (std::size_t f = 0; f < kFigures.size(); ++f) {
        const FigureRange& range = Figure(row, f);
        line += "  " + Right(std::to_string(range.fewest), w.fewest) + " " +
                Right(ExactMean(range.total, row.orders, decimalSeparator), w.mean) + " " +
                Right(std::to_string(range.most), w.most);
    }
    line += "  " + Right(InOrder(row), platform::TextWidth(Words("compare", "in order"))) + "\n";
    // Where every order takes as many steps, none is worst or best.
    const std::string cases = row.worstSteps == row.bestSteps
                                  ? Words("compare", "every order takes the same steps")
                                  : platform::Fill(Words("compare", "worst: %1; best: %2"), {Items(row.worst), Items(row.best)});
    return line + std::string(w.name + kCountWidth + 2, ' ') + cases + "\n";
}

std::string EveryOrderCsvHeading()
{
    return "method,count,orders,fewest comparisons,mean comparisons,most comparisons,fewest exchanges,"
           "mean exchanges,most exchanges,fewest moves,mean moves,most moves,in order,worst,best\n";
}

std::string EveryOrderCsvRow(const EveryOrderRow& row)
{
    std::vector<std::string> fields{std::string(sorting::MethodName(row.method)), std::to_string(row.count),
                                    std::to_string(row.orders)};
    for (std::size_t f = 0; f < kFigures.size(); ++f) {
        const FigureRange& range = Figure(row, f);
        fields.insert(fields.end(),
                      {std::to_string(range.fewest), ExactMean(range.total, row.orders), std::to_string(range.most)});
    }
    fields.insert(fields.end(), {row.inOrder ? "yes" : "NO", Items(row.worst), Items(row.best)});
    std::string line;
    for (const std::string& field : fields) line.append(line.empty() ? "" : ",").append(field);
    return line.append("\n");
}

}  // namespace compare
