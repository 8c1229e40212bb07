// Figures as the statistics window writes them and the steps of its axes;
// shared by the window's files only.
#pragma once

#include <QString>
#include <string>

namespace rotacle::ui::figures {

/// `value` with `decimals` digits after a "." whatever the locale.
std::string Fixed(double value, int decimals);
/// `share` (0..1) as a percentage with one decimal, e.g. "48.6 %".
QString Percent(double share);
/// The smallest of 1, 2, 5 times a power of ten that is at least `x`.
double NiceStep(double x);

}  // namespace rotacle::ui::figures
