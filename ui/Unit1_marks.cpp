// The session's net result beside the command row: the won stakes less the
// lost ones, as the statistics window's summary counts them, green above
// zero and red below.
#include "core/convert.h"
#include "ui/Unit1.h"
#include "ui/widgets.h"

namespace rotacle::ui {

namespace {

const QColor kAhead{46, 204, 113};
const QColor kBehind{231, 76, 60};

}  // namespace

void TForm1::BuildNetResult() {
    auto* name = new Caption(this, QStringLiteral("Label_NetResultName"), QRect(78, 328, 94, 22),
                             art::Font(11), art::kSilver, Qt::AlignRight | Qt::AlignVCenter);
    name->SetShrinkToFit(true, 9);
    name->SetText(tr("Net result:").toStdString());
    net_result_ = new Caption(this, QStringLiteral("Label_NetResult"), QRect(176, 328, 62, 22),
                              art::Font(11, true), art::kText);
    net_result_->SetShrinkToFit(true, 8);
    const QString tip =
        tr("The session's net result: the won stakes less the lost ones, as the statistics "
           "window counts them.");
    name->setToolTip(tip);
    net_result_->setToolTip(tip);
}

void TForm1::RefreshNetResult() {
    const double cents = RoundToCents(stats_.Summary().net_result);
    const std::string text = cents > 0 ? "+" + FloatToStr(cents) : FloatToStr(cents == 0 ? 0.0 : cents);
    net_result_->SetText(text);
    net_result_->SetColour(cents > 0 ? kAhead : cents < 0 ? kBehind : art::kText);
}

}  // namespace rotacle::ui
