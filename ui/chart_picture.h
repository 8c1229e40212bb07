// A chart of the statistics window as a picture file's bytes.
#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

class QChartView;

namespace rotacle::ui {

/// The chart of `view` as a PNG picture at twice its size on screen, so that
/// it stays sharp in print; nothing when it cannot be drawn.
std::optional<QByteArray> ChartPng(QChartView& view);
/// The chart of `view` as an SVG drawing named `title`; nothing when it
/// cannot be drawn.
std::optional<QByteArray> ChartSvg(QChartView& view, const QString& title, const QString& description);

}  // namespace rotacle::ui
