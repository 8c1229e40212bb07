#include "tools/svg_chart.h"

#include <cmath>

namespace rotacle::sim {

double NiceStep(double range, int count) {
    if (!(range > 0)) return 1;
    const double raw = range / count;
    const double mag = std::pow(10.0, std::floor(std::log10(raw)));
    const double f = raw / mag;
    return (f < 1.5 ? 1 : f < 3 ? 2 : f < 7 ? 5 : 10) * mag;
}

std::vector<double> Ticks(double from, double to, double step, int most) {
    std::vector<double> ticks;
    for (double v = from; v <= to && static_cast<int>(ticks.size()) < most; v += step) {
        if (!std::isfinite(v)) break;
        ticks.push_back(v);
        if (!(v + step > v)) break;
    }
    return ticks;
}

std::string XmlEscape(std::string_view text) {
    std::string out;
    for (char c : text) {
        switch (c) {
            case '<': out += "&lt;"; break;
            case '>': out += "&gt;"; break;
            case '&': out += "&amp;"; break;
            case '"': out += "&quot;"; break;
            default: out += c;
        }
    }
    return out;
}

SvgChart::SvgChart(const SvgLayout& layout) : layout_(layout) {
    out_ << "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" << layout.width << "\" height=\""
         << layout.height << "\" viewBox=\"0 0 " << layout.width << ' ' << layout.height
         << "\" font-family=\"DejaVu Sans, Arial, sans-serif\" font-size=\"12\">\n";
    Shape("rect", {{"width", "100%"}, {"height", "100%"}, {"fill", "#ffffff"}});
}

void SvgChart::Attr(const SvgAttr& attr) {
    out_ << ' ' << attr.name_ << "=\"";
    if (attr.is_text_)
        out_ << attr.text_;
    else
        out_ << attr.number_;
    out_ << '"';
}

void SvgChart::Open(std::string_view name, std::initializer_list<SvgAttr> attrs) {
    out_ << '<' << name;
    for (const SvgAttr& a : attrs) Attr(a);
}

void SvgChart::Shape(std::string_view name, std::initializer_list<SvgAttr> attrs) {
    Open(name, attrs);
    out_ << "/>\n";
}

void SvgChart::Text(std::initializer_list<SvgAttr> attrs, std::string_view content) {
    Open("text", attrs);
    out_ << '>' << content << "</text>\n";
}

void SvgChart::Labelled(std::string_view name, std::initializer_list<SvgAttr> attrs,
                        std::initializer_list<SvgAttr> label_attrs, std::string_view label) {
    Open(name, attrs);
    out_ << "/>";
    Text(label_attrs, label);
}

void SvgChart::Title(std::string_view title) {
    Text({{"x", layout_.left}, {"y", 28}, {"font-size", "16"}, {"font-weight", "bold"}, {"fill", "#222"}},
         XmlEscape(title));
}

void SvgChart::Frame() {
    Shape("rect", {{"x", layout_.left},
                   {"y", layout_.top},
                   {"width", layout_.PlotWidth()},
                   {"height", layout_.PlotHeight()},
                   {"fill", "none"},
                   {"stroke", "#999"}});
}

void SvgChart::BottomTick(const SvgAttr& x, std::string_view label) {
    Open("text",
         {x, {"y", layout_.top + layout_.PlotHeight() + 20}, {"text-anchor", "middle"}, {"fill", "#444"}});
    out_ << '>' << label << "</text>\n";
}

void SvgChart::BottomCaption(std::string_view caption) {
    Text({{"x", layout_.left + layout_.PlotWidth() / 2},
          {"y", layout_.height - 18},
          {"text-anchor", "middle"},
          {"fill", "#444"}},
         caption);
}

namespace {
std::string Rotated(double x, double y, int degrees) {
    std::ostringstream s;
    s << "translate(" << x << ' ' << y << ") rotate(" << degrees << ')';
    return s.str();
}
}  // namespace

void SvgChart::LeftCaption(std::string_view caption, std::string_view colour) {
    Text({{"transform", Rotated(22, layout_.top + layout_.PlotHeight() / 2, -90)},
          {"text-anchor", "middle"},
          {"fill", std::string(colour)}},
         caption);
}

void SvgChart::RightCaption(std::string_view caption, std::string_view colour) {
    Text({{"transform", Rotated(layout_.width - 18, layout_.top + layout_.PlotHeight() / 2, 90)},
          {"text-anchor", "middle"},
          {"fill", std::string(colour)}},
         caption);
}

std::string SvgChart::Finish() {
    out_ << "</svg>\n";
    return out_.str();
}

}  // namespace rotacle::sim
