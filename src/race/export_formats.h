#pragma once

#include "platform/words.h"

#include <array>
#include <cstddef>
#include <string>

namespace race {

// What the race writes besides its window. A format added is a row here, a row of
// race_export's table (how it is written), and its own files; the compiler asks for both.
enum class ExportFormat { Worksheet, Video };

struct ExportFormatRow {
    ExportFormat format;
    const char* option;  // on the command line, followed by the file to write
    const char* usage;   // its lines of --help, translated
};

inline constexpr std::array kExportFormats{
    ExportFormatRow{ExportFormat::Worksheet, "--worksheet", SORTING_WORDS("race", R"(  --worksheet FILE write a worksheet (PDF) of the --focus method on the items
                   (12 at the most) and its answer key, and show no window
)")},
    ExportFormatRow{ExportFormat::Video, "--export", SORTING_WORDS("race", R"(  --export FILE    write the race as a video, MP4 (with its sound where --sound
                   is on) or, named *.gif, an animated GIF, and show no window
  --steps A..B     the video from step A to step B (default: the whole race)
  --size WxH       the video's size (default: 1280x720)
)")},
};

// The row of each format stands at the format's own place.
constexpr bool InFormatOrder(const auto& table)
{
    for (std::size_t at = 0; at < table.size(); ++at)
        if (static_cast<std::size_t>(table[at].format) != at) return false;
    return true;
}
static_assert(InFormatOrder(kExportFormats));

// A file to write in one of the formats, and no window.
struct ExportAsked {
    ExportFormat format;
    std::string path;
};

}  // namespace race
