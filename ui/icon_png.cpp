// rotacle-icon-png SVG PNG SIZE: renders the program's SVG icon to a square
// PNG of SIZE x SIZE pixels with the window's own SVG renderer, for the icon
// theme's bitmap size. The build runs it; it is not installed.
#include <QImage>
#include <QPainter>
#include <QString>
#include <QSvgRenderer>
#include <charconv>
#include <cstdio>
#include <string_view>

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fputs("usage: rotacle-icon-png SVG PNG SIZE\n", stderr);
        return 2;
    }
    const std::string_view size_text = argv[3];
    int size = 0;
    const auto [end, error] = std::from_chars(size_text.data(), size_text.data() + size_text.size(), size);
    if (error != std::errc{} || end != size_text.data() + size_text.size() || size < 16 || size > 1024) {
        std::fprintf(stderr, "rotacle-icon-png: SIZE must be a whole number 16..1024, not '%s'\n", argv[3]);
        return 2;
    }
    QSvgRenderer svg(QString::fromLocal8Bit(argv[1]));
    if (!svg.isValid()) {
        std::fprintf(stderr, "rotacle-icon-png: cannot read the SVG '%s'\n", argv[1]);
        return 1;
    }
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    svg.render(&painter);
    painter.end();
    if (!image.save(QString::fromLocal8Bit(argv[2]), "PNG")) {
        std::fprintf(stderr, "rotacle-icon-png: cannot write '%s'\n", argv[2]);
        return 1;
    }
    return 0;
}
