#include "ui/chart_picture.h"

#include <QBuffer>
#include <QChart>
#include <QChartView>
#include <QImage>
#include <QPainter>
#include <QSvgGenerator>

#include "ui/artwork.h"

namespace rotacle::ui {

namespace {

void Render(QChartView& view, QPainter& p) {
    view.scene()->render(&p, QRectF(QPointF(0, 0), QSizeF(view.size())), view.chart()->geometry());
}

}  // namespace

std::optional<QByteArray> ChartPng(QChartView& view) {
    QImage image(view.size() * 2, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(2);
    image.fill(art::kBackground);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    Render(view, p);
    p.end();
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "PNG")) return std::nullopt;
    return bytes;
}

std::optional<QByteArray> ChartSvg(QChartView& view, const QString& title, const QString& description) {
    const QSize size = view.size();
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setSize(size);
    svg.setViewBox(QRect(QPoint(0, 0), size));
    svg.setTitle(title);
    svg.setDescription(description);
    QPainter p;
    if (!p.begin(&svg)) return std::nullopt;
    Render(view, p);
    p.end();
    return bytes;
}

}  // namespace rotacle::ui
