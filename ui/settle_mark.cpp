#include "ui/settle_mark.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPainterPath>
#include <QTimer>

#include "ui/accessible.h"
#include "ui/artwork.h"
#include "ui/widgets.h"

namespace rotacle::ui {

namespace {

const QColor kWonColour{46, 204, 113};
const QColor kLostColour{231, 76, 60};

// The field's place with room above it for the badge, in the gap below the
// trend buttons.
QRect MarkRect(int field) { return layout::FieldRect(field).adjusted(-2, -8, 2, 2); }

void PaintMark(QPainter& p, const QRectF& r, bool won) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const QColor colour = won ? kWonColour : kLostColour;
    p.setPen(QPen(colour, 3));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(r.left() + 1.5, r.top() + 7.5, r.width() - 3, r.height() - 9), 5, 5);
    const QRectF badge(r.right() - 16, r.top(), 16, 16);
    p.setPen(QPen(art::kBackground, 1.5));
    p.setBrush(colour);
    p.drawEllipse(badge);
    p.setPen(QPen(Qt::white, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    const QPointF c = badge.center();
    if (won) {
        QPainterPath tick(c + QPointF(-4, 0));
        tick.lineTo(c + QPointF(-1, 3));
        tick.lineTo(c + QPointF(4, -3.5));
        p.setBrush(Qt::NoBrush);
        p.drawPath(tick);
    } else {
        p.drawLine(c + QPointF(-3.2, -3.2), c + QPointF(3.2, 3.2));
        p.drawLine(c + QPointF(-3.2, 3.2), c + QPointF(3.2, -3.2));
    }
    p.restore();
}

}  // namespace

SettleMark::SettleMark(QWidget& window, PlayListener& next) : next_(next) {
    picture_ = new Picture(&window, QStringLiteral("SettleMark"), MarkRect(0),
                           [this](QPainter& p, const QRectF& r) { PaintMark(p, r, won_); });
    picture_->setAttribute(Qt::WA_TransparentForMouseEvents);
    picture_->hide();
    SetAccessibleFace(*picture_, {QAccessible::Graphic,
                                  [this] {
                                      return won_ ? QCoreApplication::translate("Accessible", "bet won")
                                                  : QCoreApplication::translate("Accessible", "bet lost");
                                  },
                                  {}});
    timer_ = new QTimer(picture_);
    timer_->setSingleShot(true);
    timer_->setInterval(kMilliseconds);
    QObject::connect(timer_, &QTimer::timeout, picture_, [this] { Clear(); });
}

// The picture draws from this object: it goes first.
SettleMark::~SettleMark() { delete picture_; }

void SettleMark::Raise() { picture_->raise(); }

int SettleMark::Field() const { return picture_->isHidden() ? -1 : field_; }

void SettleMark::OnPlay(const PlayEvent& event) noexcept {
    next_.OnPlay(event);
    try {
        switch (event.kind) {
            case PlayEventKind::Settled:
                if (event.field >= 1 && event.field <= 6) Show(event.field - 1, event.won);
                break;
            // The settled number is gone, or the whole history: so is its mark.
            case PlayEventKind::TakenBack:
            case PlayEventKind::NewHistory:
            case PlayEventKind::Start: Clear(); break;
            default: break;
        }
    } catch (...) {
        // A mark that cannot be drawn is no reason to stop the game.
    }
}

void SettleMark::Show(int field, bool won) {
    field_ = field;
    won_ = won;
    picture_->setGeometry(MarkRect(field));
    picture_->show();
    picture_->update();
    timer_->start();
}

void SettleMark::Clear() {
    timer_->stop();
    picture_->hide();
}

}  // namespace rotacle::ui
