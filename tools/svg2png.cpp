// Renders SVG files to PNG with Qt's own SVG renderer, the same one the game uses,
// so that what an artist looks at is what the player will see.
// Usage: svg2png [--size N] [--scale N] [--grid] [--at LEFT,TOP] [--rect NAME:L,T,W,H ...] in.svg out.png
// --rect outlines a hotspot given in twips (15 twips to a pixel) in the coordinates of the
// container; --at says where the picture lies in that container (twips, e.g. -240,0).
#include <QApplication>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cstdio>

int main(int argc, char **argv) {
    QApplication app(argc, argv);
    QFont::insertSubstitutions("Comic Sans MS", {"Comic Neue", "DejaVu Sans"});
    QFont::insertSubstitutions("MS Sans Serif", {"Liberation Sans", "DejaVu Sans"});
    QFont::insertSubstitutions("Arial", {"Liberation Sans", "DejaVu Sans"});
    QStringList args = app.arguments().mid(1);
    double scale = 1.0;
    int square = 0; // --size N: an N x N picture whatever the viewBox (icons)
    bool grid = false;
    QPointF at;
    QList<QPair<QString, QRectF>> rects;
    while (!args.isEmpty() && args.first().startsWith("--")) {
        QString opt = args.takeFirst();
        if (opt == "--scale" && !args.isEmpty())
            scale = args.takeFirst().toDouble();
        else if (opt == "--grid")
            grid = true;
        else if (opt == "--size" && !args.isEmpty())
            square = args.takeFirst().toInt();
        else if (opt == "--at" && !args.isEmpty()) {
            QStringList v = args.takeFirst().split(',');
            if (v.size() == 2) at = QPointF(v[0].toDouble() / 15.0, v[1].toDouble() / 15.0);
        } else if (opt == "--rect" && !args.isEmpty()) {
            QString given = args.takeFirst();
            QString name = given.section(':', 0, 0);
            QStringList v = given.section(':', 1).split(',');
            if (v.size() == 4)
                rects.append({name, QRectF(v[0].toDouble() / 15.0, v[1].toDouble() / 15.0,
                                           v[2].toDouble() / 15.0, v[3].toDouble() / 15.0)});
        }
    }
    if (args.size() != 2) {
        std::fprintf(stderr, "usage: svg2png [--scale N] [--grid] in.svg out.png\n");
        return 2;
    }
    QSvgRenderer r(args[0]);
    if (!r.isValid()) {
        std::fprintf(stderr, "invalid svg: %s\n", qPrintable(args[0]));
        return 1;
    }
    QSizeF size = square > 0 ? QSizeF(square, square) : r.viewBoxF().size() * scale;
    QImage img(size.toSize(), QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    r.render(&p);
    if (grid) { // a 10 px grid (every 150 twips) helps place objects under hotspots
        p.setPen(QColor(255, 255, 255, 60));
        for (int x = 0; x < size.width(); x += int(10 * scale))
            p.drawLine(x, 0, x, size.height());
        for (int y = 0; y < size.height(); y += int(10 * scale))
            p.drawLine(0, y, size.width(), y);
    }
    for (const auto &[name, rt] : rects) {
        QRectF r2((rt.topLeft() - at) * scale, rt.size() * scale);
        p.setPen(QPen(Qt::red, 1));
        p.setBrush(Qt::NoBrush);
        p.drawRect(r2);
        p.setPen(Qt::yellow);
        p.setFont(QFont("Liberation Sans", 7));
        p.drawText(r2.topLeft() + QPointF(2, 9), name);
    }
    p.end();
    return img.save(args[1]) ? 0 : 1;
}
