// Draws the program's icon: writes it as SVG and as PNG files of the given
// sizes, from the one list of shapes below, so that every size shows the
// same picture. A handheld receiver with its antenna and display, and a
// cable running to a computer.
//
//   vrq5_icon_tool OUT-FOLDER SIZE...
#include <QColor>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QString>
#include <cstdio>
#include <cstdlib>

namespace {

struct Shape {
  enum Kind { kRect, kCircle, kCable } kind;
  double x, y, w, h, r;  // rect: x y w h corner; circle: centre x y, radius r
  const char* fill;      // nullptr: none
  const char* stroke;    // nullptr: none
  double stroke_width;
};

// On a 256 x 256 canvas.
const Shape kShapes[] = {
    {Shape::kRect, 0, 0, 256, 256, 40, "#1e4f8a", nullptr, 0},
    {Shape::kRect, 62, 14, 12, 70, 5, "#d9dde3", nullptr, 0},
    {Shape::kRect, 52, 70, 96, 164, 18, "#2b2f36", "#d9dde3", 6},
    {Shape::kRect, 66, 88, 68, 40, 5, "#9fe3a3", nullptr, 0},
    {Shape::kRect, 74, 102, 52, 10, 2, "#24512a", nullptr, 0},
    {Shape::kCircle, 80, 156, 0, 0, 9, "#d9dde3", nullptr, 0},
    {Shape::kCircle, 120, 156, 0, 0, 9, "#d9dde3", nullptr, 0},
    {Shape::kCircle, 80, 190, 0, 0, 9, "#d9dde3", nullptr, 0},
    {Shape::kCircle, 120, 190, 0, 0, 9, "#d9dde3", nullptr, 0},
    {Shape::kCable, 148, 200, 200, 150, 0, nullptr, "#f2b134", 8},
    {Shape::kRect, 188, 128, 48, 40, 6, "#f2b134", nullptr, 0},
};

// The cable: from (x, y) to (w, h) as a cubic curve.
QPainterPath Cable(const Shape& s) {
  QPainterPath path(QPointF(s.x, s.y));
  path.cubicTo(s.x + 32, s.y, s.w - 30, s.h, s.w, s.h);
  return path;
}

QString Svg() {
  QString out = QStringLiteral(
      "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
      "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"256\" height=\"256\" "
      "viewBox=\"0 0 256 256\">\n");
  for (const Shape& s : kShapes) {
    QString paint =
        QStringLiteral(" fill=\"%1\"").arg(s.fill ? s.fill : "none");
    if (s.stroke) {
      paint += QStringLiteral(" stroke=\"%1\" stroke-width=\"%2\"")
                   .arg(s.stroke)
                   .arg(s.stroke_width);
    }
    switch (s.kind) {
      case Shape::kRect:
        out += QStringLiteral(
                   "  <rect x=\"%1\" y=\"%2\" width=\"%3\" height=\"%4\" "
                   "rx=\"%5\"%6/>\n")
                   .arg(s.x)
                   .arg(s.y)
                   .arg(s.w)
                   .arg(s.h)
                   .arg(s.r)
                   .arg(paint);
        break;
      case Shape::kCircle:
        out += QStringLiteral("  <circle cx=\"%1\" cy=\"%2\" r=\"%3\"%4/>\n")
                   .arg(s.x)
                   .arg(s.y)
                   .arg(s.r)
                   .arg(paint);
        break;
      case Shape::kCable:
        out += QStringLiteral(
                   "  <path d=\"M%1 %2 C %3 %2, %4 %5, %6 %5\" "
                   "stroke-linecap=\"round\"%7/>\n")
                   .arg(s.x)
                   .arg(s.y)
                   .arg(s.x + 32)
                   .arg(s.w - 30)
                   .arg(s.h)
                   .arg(s.w)
                   .arg(paint);
        break;
    }
  }
  return out + QStringLiteral("</svg>\n");
}

QImage Png(int size) {
  QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.scale(size / 256.0, size / 256.0);
  for (const Shape& s : kShapes) {
    QPen pen = s.stroke ? QPen(QColor(s.stroke), s.stroke_width, Qt::SolidLine,
                               Qt::RoundCap)
                        : QPen(Qt::NoPen);
    p.setPen(pen);
    p.setBrush(s.fill ? QBrush(QColor(s.fill)) : QBrush(Qt::NoBrush));
    switch (s.kind) {
      case Shape::kRect:
        p.drawRoundedRect(QRectF(s.x, s.y, s.w, s.h), s.r, s.r);
        break;
      case Shape::kCircle:
        p.drawEllipse(QPointF(s.x, s.y), s.r, s.r);
        break;
      case Shape::kCable:
        p.drawPath(Cable(s));
        break;
    }
  }
  return image;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: %s OUT-FOLDER SIZE...\n", argv[0]);
    return 2;
  }
  const QString folder = QString::fromLocal8Bit(argv[1]);
  QFile svg(folder + QStringLiteral("/vrq5-clone.svg"));
  if (!svg.open(QIODevice::WriteOnly) || svg.write(Svg().toUtf8()) < 0) {
    std::fprintf(stderr, "cannot write the SVG icon\n");
    return 1;
  }
  for (int i = 2; i < argc; ++i) {
    int size = std::atoi(argv[i]);
    if (size < 8 || size > 1024) return 2;
    QString path = folder + QStringLiteral("/vrq5-clone-%1.png").arg(size);
    if (!Png(size).save(path, "PNG")) {
      std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
      return 1;
    }
  }
  return 0;
}
