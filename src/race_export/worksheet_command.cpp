#include "race_export/worksheet_command.h"

#include "command_line/option_parser.h"
#include "platform/words.h"
#include "race/lesson_file.h"
#include "race/worksheet.h"
#include "race_export/worksheet_pdf.h"
#include "sorting/initial_order.h"

#include <iostream>

namespace race_export {
namespace {

using platform::Fill;
using platform::Words;

}  // namespace

int WriteWorksheetCommand(const race::RaceOptions& options, const std::string& program)
{
    const auto refuse = [&](const std::string& why) {
        std::cerr << command_line::Refusal(program, why);
        return 2;
    };
    race::LessonSettings lesson;
    try {
        lesson = race::LessonOfCommand(options);
    } catch (const race::LessonRefused& refused) {
        return refuse(refused.what());
    }
    const auto methods = lesson.methods.value_or(race::DefaultMethods());
    auto method = methods.front();
    if (lesson.focus) {
        const auto named = std::ranges::find_if(sorting::kAllMethods, [&](auto m) { return sorting::MethodKey(m) == *lesson.focus; });
        if (named == sorting::kAllMethods.end())
            return refuse(Fill(Words("race", "--focus: %1 is no method a worksheet is made for"), {*lesson.focus}));
        method = *named;
    }
    const std::vector<float> items = race::LessonItems(lesson, 8);
    if (sorting::NumItems(items) > race::kWorksheetItems)
        return refuse(Fill(Words("race", "--worksheet: %1 items at the most"), {std::to_string(race::kWorksheetItems)}));
    if (!WriteWorksheet(QString::fromStdString(options.exportTo->path), race::Record(method, items))) {
        std::cerr << program << ": " << Fill(Words("race", "cannot write %1"), {options.exportTo->path}) << "\n";
        return 1;
    }
    std::cout << Fill(Words("race", "Wrote %1: the worksheet of %2, its answer key on the last page."),
                      {options.exportTo->path, sorting::MethodTitle(method)})
              << "\n";
    return 0;
}

}  // namespace race_export
