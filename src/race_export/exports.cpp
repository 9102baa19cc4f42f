#include "race_export/exports.h"

#include "race/worksheet.h"
#include "race_export/race_video.h"
#include "race_export/video_command.h"
#include "race_export/worksheet_command.h"
#include "race_export/worksheet_pdf.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QProgressDialog>

#include <array>
#include <stdexcept>

namespace race_export {
namespace {

using race_window::RaceWindow;
using race_window::WindowExport;

// Where the exports' words in the window are translated.
struct Exports {
    Q_DECLARE_TR_FUNCTIONS(race_export::Exports)
};

// The race, whole, as a video at its speed, a progress bar with Cancel meanwhile.
QString VideoOfWindow(RaceWindow& window, const QString& path)
{
    window.Pause();
    VideoRequest request;
    request.path = path;
    request.stepsPerSecond = window.Speed().StepsPerSecond();
    request.sound = window.SoundOn();
    request.font = window.font();
    QProgressDialog progress(Exports::tr("Exporting the race to %1...").arg(QFileInfo(path).fileName()),
                             Exports::tr("Cancel"), 0, 1, &window);
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(500);
    const QString failure = WriteRaceVideo(window.CurrentRace(), request, [&](int frame, int frames) {
        progress.setMaximum(frames);
        progress.setValue(frame);
        return !progress.wasCanceled();
    });
    if (!failure.isEmpty()) throw std::runtime_error(failure.toStdString());
    return Exports::tr("Exported the race to %1.").arg(QFileInfo(path).fileName());
}

// A worksheet is of a method, on few items.
QString WorksheetRefused(const RaceWindow& window)
{
    const auto lane = window.LookedAt();
    if (!lane || window.CurrentRace().SourceOf(*lane).IsScript())
        return Exports::tr("Click a method's panel first: the worksheet is made for the method looked at.");
    if (window.CurrentRace().NumItems() > race::kWorksheetItems)
        return Exports::tr("A worksheet traces %1 items at the most; type fewer.").arg(race::kWorksheetItems);
    return {};
}

QString WorksheetOfWindow(RaceWindow& window, const QString& path)
{
    if (!WriteWorksheet(path, window.CurrentRace().LaneAt(*window.LookedAt()).Source()))
        throw std::runtime_error(Exports::tr("%1 cannot be written.").arg(path).toStdString());
    return Exports::tr("Wrote the worksheet %1, its answer key on the last page.").arg(QFileInfo(path).fileName());
}

WindowExport WindowVideo()
{
    return {Exports::tr("Export video..."), Exports::tr("Videos (*.mp4);;Animated GIF (*.gif)"), ".mp4",
            [](const RaceWindow&) { return QString(); }, VideoOfWindow};
}

WindowExport WindowWorksheet()
{
    return {Exports::tr("Worksheet..."), Exports::tr("PDF files (*.pdf)"), ".pdf", WorksheetRefused,
            WorksheetOfWindow};
}

constexpr std::array kExports{
    Export{race::ExportFormat::Worksheet, WriteWorksheetCommand, WindowWorksheet},
    Export{race::ExportFormat::Video, WriteVideoCommand, WindowVideo},
};
static_assert(kExports.size() == race::kExportFormats.size() && race::InFormatOrder(kExports),
              "every format the race is written in has a row here, in the order of its own table");

}  // namespace

const Export* ExportAsked(const race::RaceOptions& options)
{
    if (!options.exportTo) return nullptr;
    return &kExports[static_cast<std::size_t>(options.exportTo->format)];
}

void OfferExports(RaceWindow& window)
{
    for (const Export& kind : kExports) window.AddExport(kind.fromWindow());
}

}  // namespace race_export
