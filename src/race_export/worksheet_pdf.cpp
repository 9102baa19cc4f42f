#include "race_export/worksheet_pdf.h"

#include "desktop/qt_conversions.h"
#include "platform/whole_file.h"
#include "race/worksheet.h"

#include <QCoreApplication>
#include <QFontDatabase>
#include <QLocale>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

namespace race_export {
namespace {

// Where the worksheet's words are translated.
struct Worksheet {
    Q_DECLARE_TR_FUNCTIONS(race_export::Worksheet)
};

// Draws down the page in points, a new page where the next line would not fit.
class Page {
public:
    // The writer counts in points, its page without margins of its own.
    Page(QPdfWriter& writer, QPainter& painter)
        : writer_(writer), painter_(painter), width_(writer.width()), height_(writer.height())
    {
    }

    void Text(const QString& text, int points, bool bold = false, bool code = false)
    {
        QFont font = code ? QFontDatabase::systemFont(QFontDatabase::FixedFont) : QFont();
        font.setPointSizeF(points);
        font.setBold(bold);
        painter_.setFont(font);
        Room(points * 2);
        painter_.drawText(QRectF(kMargin, y_, width_ - 2 * kMargin, points * 2), Qt::AlignLeft | Qt::AlignVCenter,
                          text);
        y_ += points * 2;
    }

    // A row of the table: its label, then a box for each item, filled where `items` has them.
    void Row(const QString& label, std::size_t boxes, const std::vector<float>* items)
    {
        Room(kBox + 6);
        QFont font;
        font.setPointSizeF(11);
        painter_.setFont(font);
        painter_.drawText(QRectF(kMargin, y_, kLabel, kBox), Qt::AlignLeft | Qt::AlignVCenter, label);
        for (std::size_t i = 0; i < boxes; ++i) {
            const QRectF box(kMargin + kLabel + double(i) * kBox, y_, kBox, kBox);
            painter_.drawRect(box);
            if (items) painter_.drawText(box, Qt::AlignCenter, QLocale().toString((*items)[i]));
        }
        y_ += kBox + 6;
    }

    void NewPage()
    {
        writer_.newPage();
        y_ = kMargin;
    }

    void Skip(int points) { y_ += points; }

private:
    // Twelve boxes and a label fit A4's width and Letter's within the margins.
    static constexpr int kMargin = 48, kLabel = 60, kBox = 36;

    void Room(int height)
    {
        if (y_ + height > height_ - kMargin) NewPage();
    }

    QPdfWriter& writer_;
    QPainter& painter_;
    int width_, height_;
    double y_ = kMargin;
};

void Table(Page& page, const race::Recording& recording, const race::Trace& trace, bool answered)
{
    const std::vector<float> start(recording.start.begin() + 1, recording.start.end());
    page.Row(Worksheet::tr("before"), start.size(), &start);
    for (std::size_t r = 0; r < trace.rows.size(); ++r)
        page.Row(QString::number(r + 1), start.size(), answered ? &trace.rows[r] : nullptr);
}

}  // namespace

bool WriteWorksheet(const QString& path, const race::Recording& recording)
{
    const race::Trace trace = race::TraceOf(recording);
    const QString method = desktop::ToQString(recording.source.Title());
    return platform::WriteWhole(path.toStdString(), [&](const std::string& partial) {
        QPdfWriter writer(QString::fromStdString(partial));
        const bool inches = QLocale().measurementSystem() != QLocale::MetricSystem;
        writer.setPageSize(QPageSize(inches ? QPageSize::Letter : QPageSize::A4));
        writer.setPageMargins(QMarginsF());
        writer.setResolution(72);
        writer.setTitle(Worksheet::tr("Worksheet: %1").arg(method));
        QPainter painter;
        if (!painter.begin(&writer)) return false;
        Page page(writer, painter);
        page.Text(Worksheet::tr("Worksheet: %1").arg(method), 18, true);
        page.Text(Worksheet::tr("Name:"), 11);
        QStringList items;
        for (std::size_t i = 1; i < recording.start.size(); ++i) items << QLocale().toString(recording.start[i]);
        page.Text(Worksheet::tr("The items: %1").arg(items.join("  ")), 12);
        page.Skip(6);
        for (const sorting::CodeLine& line : sorting::Facts(*recording.source.Method()).code.lines)
            page.Text(QCoreApplication::translate("Code", line.text.data()), 10, false, true);
        page.Skip(6);
        page.Text(trace.merges ? Worksheet::tr("Write down the items after each merge.") : Worksheet::tr("Write down the items after each pass."),
                  12, true);
        Table(page, recording, trace, false);
        page.NewPage();
        page.Text(Worksheet::tr("Answer key: %1").arg(method), 18, true);
        Table(page, recording, trace, true);
        return painter.end();
    });
}

}  // namespace race_export
