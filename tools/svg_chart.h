// The SVG writer of the driver's charts (the backtest's bankroll chart and the
// sweep's result chart): the page, the plot's frame, axis captions and tick
// labels, and the elements each chart draws on it.
#pragma once

#include <initializer_list>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace rotacle::sim {

/// A round step (1, 2 or 5 times a power of ten) for about `count` ticks
/// over `range`; 1 for an empty range.
double NiceStep(double range, int count);

/// The ticks of an axis: `from`, `from + step`, ... up to `to`, each the sum
/// of the one before and the step, as a loop adding the step would give
/// them; but at most `most` of them, and none after a value that is not
/// finite or that the step no longer moves (a step lost in the rounding of
/// a large value), so that no range, however odd, draws without end.
std::vector<double> Ticks(double from, double to, double step, int most = 100);

/// Text with the characters that XML reserves written as entities.
std::string XmlEscape(std::string_view text);

/// One attribute of an element: a number, written as a stream writes a
/// double by default, or a text written as given.
class SvgAttr {
public:
    SvgAttr(std::string_view name, double number) : name_(name), number_(number) {}
    SvgAttr(std::string_view name, int number) : name_(name), number_(number) {}
    SvgAttr(std::string_view name, std::string text) : name_(name), text_(std::move(text)), is_text_(true) {}
    SvgAttr(std::string_view name, const char* text) : SvgAttr(name, std::string(text)) {}

private:
    friend class SvgChart;
    std::string_view name_;
    double number_ = 0;
    std::string text_;
    bool is_text_ = false;
};

/// The page of a chart and the plot area inside it, in pixels.
struct SvgLayout {
    double width = 0, height = 0;
    double left = 0, right = 0, top = 0, bottom = 0;  ///< margins around the plot

    double PlotWidth() const { return width - left - right; }
    double PlotHeight() const { return height - top - bottom; }
};

/// A chart being written: the constructor opens a white page of the
/// layout's size in the charts' font; elements follow in drawing order, one
/// a line; Finish() closes the page and returns the file's text.
class SvgChart {
public:
    explicit SvgChart(const SvgLayout& layout);

    const SvgLayout& Layout() const { return layout_; }

    /// `<name a="v" .../>`
    void Shape(std::string_view name, std::initializer_list<SvgAttr> attrs);
    /// `<text a="v" ...>content</text>`; `content` is written as given.
    void Text(std::initializer_list<SvgAttr> attrs, std::string_view content);
    /// A mark and its label on one line: `<name .../><text ...>label</text>`.
    void Labelled(std::string_view name, std::initializer_list<SvgAttr> attrs,
                  std::initializer_list<SvgAttr> label_attrs, std::string_view label);

    /// The chart's title above the plot, at its left edge.
    void Title(std::string_view title);
    /// The frame around the plot.
    void Frame();
    /// The label of a tick of the bottom axis at `x`, under the plot.
    void BottomTick(const SvgAttr& x, std::string_view label);
    /// The captions of the bottom, left and right axes.
    void BottomCaption(std::string_view caption);
    void LeftCaption(std::string_view caption, std::string_view colour);
    void RightCaption(std::string_view caption, std::string_view colour);

    /// Closes the page; the text of the whole file.
    std::string Finish();

private:
    void Open(std::string_view name, std::initializer_list<SvgAttr> attrs);
    void Attr(const SvgAttr& attr);

    SvgLayout layout_;
    std::ostringstream out_;
};

}  // namespace rotacle::sim
