#pragma once

#include "race/race.h"
#include "race/working_part.h"

#include <QWidget>

#include <climits>
#include <optional>
#include <vector>

class QHelpEvent;
class QPainter;

namespace race_window {

// One method's lane of the race: its items as bars (blue for small to red for large, as in
// the window's animation, scaled to the largest item, each with its value where there are
// few), its name above, beneath them the items set aside (held in hand by an exchange, copied
// out by a merge), and below that its live counts, its share of the work and its current step
// in words. The items of the current step are marked: the two compared in one colour, those
// moved or written in another. Only what changed is painted again.
class RacePanel : public QWidget {
    Q_OBJECT

public:
    // Bars carry their values up to this many items.
    static constexpr int kMostValued = 30;

    // Lane `lane` of the race: a method's, or a student's script's, under `title`.
    RacePanel(std::size_t lane, std::optional<sorting::SortMethod> method, const QString& title,
              QWidget* parent = nullptr);

    std::size_t LaneIndex() const { return lane_; }
    std::optional<sorting::SortMethod> Method() const { return method_; }
    // The race to show; the panel paints it whole.
    void Show(race::Race* race);
    // Paints what changed since the last call.
    void Refresh();

    // The lines below the bars, as the panel shows them: the counts (on as many lines as
    // the panel's width needs), the share of the work, the step in words.
    QStringList TextLines() const;
    QString CountsText() const;
    QString ProgressText() const;
    QString StepText() const;
    // Where bar i is drawn, and where its value is written, if it is.
    QRectF BarRect(std::int32_t i) const;
    std::optional<QRectF> ValueRect(std::int32_t i) const;
    // The strip of the items set aside, and its caption ("in hand", "copied out").
    QRect AsideArea() const { return aside_; }
    // Where the bars stand: half the panel at the least.
    QRect BarsArea() const { return bars_; }
    // The band under the bars where, with few items, each bar's place is written.
    QRect PlacesArea() const;
    QString AsideCaption() const;
    // The item whose bar is at `point`, if any.
    std::optional<std::int32_t> ItemAt(QPoint point) const;
    // The place clicked at `point`: a bar, or a copy in the strip, by its scratch entry.
    std::optional<sorting::Index> PlaceAt(QPoint point) const;
    // "4b": an item's value and, where others have the same value, its rank among them.
    QString Named(std::int32_t item) const;

    // The method a class looks at closely: its panel is framed.
    void SetLookedAt(bool lookedAt);
    // A question's items, ringed; the places chosen as its answer, and the bar the arrow keys
    // stand at.
    void SetChoices(const std::vector<std::int32_t>& about, const std::vector<sorting::Index>& chosen,
                    std::int32_t cursor);

    QSize sizeHint() const override { return QSize(420, 300).expandedTo(minimumSizeHint()); }
    // Room for the text at this width, and a few pixels of bars.
    QSize minimumSizeHint() const override;

signals:
    // A click on the panel, on a bar, a copy in the strip, or beside them.
    void Pressed(std::optional<sorting::Index> place);
    // Enter on the panel.
    void Activated();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool event(QEvent* event) override;

private:
    // The panel's measures, in pixels at the usual size of text; they grow with the panel's
    // text, as the window is zoomed for a projector.
    struct Measures {
        int titleHeight = 22;
        int stripHeight = 7;   // the strip beneath the bars where the marks show too
        int asideHeight = 30;  // the strip of the items set aside, their values above them
        int markWidth = 5;     // at the least: a mark stays visible among 2,000 bars
        qreal stub = 3;        // the least height of a bar, so that an item of 0 shows
        int margin = 6;
        int leastWidth = 160;
    };
    static Measures ScaledMeasures(qreal zoom);
    void FollowFont();
    QFont TitleFont() const;

    const race::Replay& Lane() const { return race_->LaneAt(lane_); }
    // The counts on as many lines as the width needs, at most `most`, the last cut short.
    QStringList CountsLines(const sorting::SortCounts& counts, int most = INT_MAX) const;
    // How wide the lines of text may be.
    int TextWidth() const;
    // How many lines the text below the bars takes, fixed for the race so that nothing moves.
    int TextLineCount() const;
    void Relayout();
    void LayOutAreas();
    int NominalAside() const;
    int LeastAside() const;
    QRect TextArea() const { return text_; }
    // The left edge of bar i (1 to n + 1), on a whole device pixel.
    qreal BarEdge(std::int32_t i) const;
    qreal BarHeight(float value, qreal areaHeight) const;
    // Where bar i and its mark are drawn, over the bars and the strip beneath them.
    QRect MarkArea(std::int32_t i) const;
    bool ShowsValues() const;
    void UpdateMarked(const race::StepSeen& step);
    void UpdateDescription();
    bool ShowToolTip(QHelpEvent* help);
    void PaintTitle(QPainter& painter) const;
    void PaintBars(QPainter& painter, const QRect& area) const;
    void PaintValues(QPainter& painter) const;
    void PaintMarks(QPainter& painter, const QRect& area) const;
    void PaintAside(QPainter& painter) const;
    void PaintLines(QPainter& painter) const;
    void PaintEqualsLabels(QPainter& painter) const;
    void PaintChoices(QPainter& painter) const;
    void PaintPlaces(QPainter& painter) const;
    // The panel's small print: the places, the strip's caption, the equal items' letters.
    QFont SmallFont() const;
    void PaintFrames(QPainter& painter) const;
    // What the method works on: the grounds behind its bars, the pivot's mark, radix's byte.
    void PaintWorkingPart(QPainter& painter) const;
    // Whether equal items kept their order, once the method is done and the items have any.
    QString Verdict() const;
    // Why a student's script stopped short, where it did.
    QString Failure() const;

    std::size_t lane_;
    std::optional<sorting::SortMethod> method_;
    race::Race* race_ = nullptr;
    QString shownText_;
    race::StepSeen shownStep_;
    race::WorkingPart shownPart_;
    int textLines_ = 3;   // the lines the text can take, fixed for the race so that nothing moves
    int shownLines_ = 3;  // those the panel has room for
    int valueBand_ = 0;   // the height above the bars where their values are written
    int placeBand_ = 0;   // and below them, their places
    bool valuesUpright_ = true;
    bool lookedAt_ = false;
    std::vector<std::int32_t> about_;
    std::vector<sorting::Index> chosen_;
    std::int32_t cursor_ = 0;
    Measures measures_;
    QRect bars_, aside_, text_;
};

}  // namespace race_window
