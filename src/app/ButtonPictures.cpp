#include "app/ButtonPictures.h"

#include <QPainter>
#include <QPolygon>

#include <array>
#include <functional>

namespace sw {

namespace {

constexpr QRgb kWhite = 0xFFFFFFFF;
constexpr QRgb kBlack = 0xFF000000;
constexpr QRgb kRed = 0xFFE00000;

QImage Blank(int size = 16) {
  QImage img(size, size, QImage::Format_RGB32);
  img.fill(kWhite);
  return img;
}

// Digits 0..9 and A..F in a 3 x 5 cell, one row per string, '#' = ink.
constexpr std::array<std::array<const char*, 5>, 16> kDigits{{
    {"###", "#.#", "#.#", "#.#", "###"}, {".#.", "##.", ".#.", ".#.", "###"},
    {"###", "..#", "###", "#..", "###"}, {"###", "..#", "###", "..#", "###"},
    {"#.#", "#.#", "###", "..#", "..#"}, {"###", "#..", "###", "..#", "###"},
    {"###", "#..", "###", "#.#", "###"}, {"###", "..#", ".#.", ".#.", ".#."},
    {"###", "#.#", "###", "#.#", "###"}, {"###", "#.#", "###", "..#", "###"},
    {".#.", "#.#", "###", "#.#", "#.#"}, {"##.", "#.#", "##.", "#.#", "##."},
    {".##", "#..", "#..", "#..", ".##"}, {"##.", "#.#", "#.#", "#.#", "##."},
    {"###", "#..", "##.", "#..", "###"}, {"###", "#..", "##.", "#..", "#.."},
}};

// Draws digit d with its top-left corner at (x, y), each cell 2 x 2 pixels.
void Digit(QImage& img, int d, int x, int y) {
  for (int r = 0; r < 5; ++r)
    for (int c = 0; c < 3; ++c)
      if (kDigits[static_cast<std::size_t>(d)][static_cast<std::size_t>(r)][c] == '#')
        for (int dy = 0; dy < 2; ++dy)
          for (int dx = 0; dx < 2; ++dx) img.setPixel(x + 2 * c + dx, y + 2 * r + dy, kBlack);
}

// Layer and group n (0..15) as one hexadecimal digit, as Jw_cad names them.
QImage Number(int n) {
  QImage img = Blank();
  Digit(img, n, 5, 3);
  return img;
}

QImage Painted(const std::function<void(QPainter&)>& draw, int size = 16) {
  QImage img = Blank(size);
  QPainter p(&img);
  draw(p);
  return img;
}

QImage Fill(int x0, int y0, int x1, int y1, QRgb colour) {
  QImage img = Blank();
  for (int y = y0; y <= y1; ++y)
    for (int x = x0; x <= x1; ++x) img.setPixel(x, y, colour);
  return img;
}

// A small cross in the top-left (first kind) or top-right (second kind) corner.
QImage Cross(bool second) {
  QImage img = Blank();
  const int x0 = second ? 11 : 0;
  for (int i = 0; i < 5; ++i) {
    img.setPixel(x0 + i, i, kRed);
    img.setPixel(x0 + 4 - i, i, kRed);
  }
  if (second)
    for (int i = 0; i < 5; ++i) img.setPixel(x0 + i, 2, kRed);
  return img;
}

QImage Outline(bool circle, QRgb colour) {
  return Painted([&](QPainter& p) {
    p.setPen(QPen(QColor::fromRgb(colour), 1));
    p.setBrush(Qt::NoBrush);
    if (circle)
      p.drawEllipse(0, 0, 15, 15);
    else
      p.drawRect(0, 0, 15, 15);
  });
}

}  // namespace

QImage LayerPicture(const QString& name) {
  if (name.startsWith("NUM")) {
    bool ok = false;
    const int n = name.mid(3).toInt(&ok);
    if (ok && n >= 0 && n <= 15) return Number(n);
  }
  if (name == "Nill") return Painted([](QPainter& p) {
      p.setPen(QColor(160, 160, 160));
      p.drawLine(4, 8, 11, 8);
    });
  if (name == "BarLine") return Fill(0, 13, 4, 15, kBlack);
  if (name == "BarText") return Fill(11, 13, 15, 15, 0xFF0060C0);
  if (name == "CircleBK") return Outline(true, kBlack);
  if (name == "CircleRD") return Outline(true, kRed);
  if (name == "RectBK") return Outline(false, kBlack);
  if (name == "RectRD") return Outline(false, kRed);
  if (name == "CROSS1") return Cross(false);
  if (name == "CROSS2") return Cross(true);
  return Blank();
}

void CombinePicture(QImage& picture, const QImage& overlay) {
  const int w = std::min(picture.width(), overlay.width());
  const int h = std::min(picture.height(), overlay.height());
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) picture.setPixel(x, y, picture.pixel(x, y) & overlay.pixel(x, y));
}

namespace {

QImage Tool(const QString& name) {
  return Painted([&](QPainter& p) {
    const QColor ink(30, 30, 30), blue(30, 70, 170), red(200, 30, 30), paper(255, 255, 240);
    p.setPen(ink);
    if (name == "New" || name == "Load" || name == "PDF") {
      p.setBrush(paper);
      p.drawPolygon(QPolygon({QPoint(3, 1), QPoint(10, 1), QPoint(13, 4), QPoint(13, 14), QPoint(3, 14)}));
      p.drawLine(10, 1, 10, 4);
      p.drawLine(10, 4, 13, 4);
      if (name == "Load") {
        p.setPen(blue);
        p.drawLine(5, 11, 11, 6);
        p.drawLine(5, 6, 11, 11);
      } else if (name == "PDF") {
        p.setPen(red);
        p.drawText(QRect(3, 5, 11, 9), Qt::AlignCenter, "P");
      }
    } else if (name == "Open") {
      p.setBrush(QColor(240, 200, 90));
      p.drawPolygon(QPolygon({QPoint(1, 4), QPoint(6, 4), QPoint(7, 6), QPoint(14, 6), QPoint(14, 13), QPoint(1, 13)}));
    } else if (name == "Save" || name == "SaveAs") {
      p.setBrush(blue);
      p.drawRect(2, 2, 12, 12);
      p.setBrush(Qt::white);
      p.drawRect(4, 2, 8, 5);
      p.drawRect(5, 10, 6, 4);
      if (name == "SaveAs") {
        p.setPen(QPen(red, 2));
        p.drawLine(9, 13, 14, 8);
      }
    } else if (name == "Print") {
      p.setBrush(Qt::white);
      p.drawRect(4, 1, 8, 5);
      p.setBrush(QColor(190, 190, 190));
      p.drawRect(1, 6, 14, 6);
      p.setBrush(Qt::white);
      p.drawRect(4, 10, 8, 5);
    } else if (name == "Rect") {
      p.setPen(QPen(blue, 1));
      p.drawRect(2, 3, 11, 9);
    } else if (name == "Circle") {
      p.setPen(QPen(blue, 1));
      p.drawEllipse(2, 2, 11, 11);
    } else if (name == "Pline") {
      p.setPen(QPen(blue, 1));
      p.drawPolygon(QPolygon({QPoint(2, 12), QPoint(5, 3), QPoint(13, 5), QPoint(11, 13)}));
    } else if (name == "AuxLine" || name == "DelLine") {
      p.setPen(QPen(QColor(200, 120, 0), 1, Qt::DashLine));
      p.drawLine(1, 14, 14, 1);
      if (name == "DelLine") {
        p.setPen(QPen(red, 2));
        p.drawLine(8, 9, 14, 15);
        p.drawLine(14, 9, 8, 15);
      }
    } else if (name == "Move") {
      p.setPen(QPen(blue, 1));
      p.drawLine(8, 1, 8, 14);
      p.drawLine(1, 8, 14, 8);
      for (QPolygon tip : {QPolygon({QPoint(8, 0), QPoint(5, 3), QPoint(11, 3)}),
                           QPolygon({QPoint(8, 15), QPoint(5, 12), QPoint(11, 12)}),
                           QPolygon({QPoint(0, 8), QPoint(3, 5), QPoint(3, 11)}),
                           QPolygon({QPoint(15, 8), QPoint(12, 5), QPoint(12, 11)})}) {
        p.setBrush(blue);
        p.drawPolygon(tip);
      }
    } else if (name == "Copy") {
      p.setBrush(paper);
      p.drawRect(1, 1, 9, 9);
      p.drawRect(5, 5, 9, 9);
    } else if (name == "Transform") {
      p.setPen(QPen(blue, 1));
      p.drawRect(3, 3, 9, 9);
      p.setPen(red);
      p.setBrush(red);
      for (QPoint c : {QPoint(7, 3), QPoint(7, 12), QPoint(3, 7), QPoint(12, 7)}) p.drawRect(c.x() - 1, c.y() - 1, 2, 2);
    } else if (name == "Back") {
      p.setPen(QPen(blue, 2));
      p.drawLine(3, 8, 13, 8);
      p.drawLine(3, 8, 7, 4);
      p.drawLine(3, 8, 7, 12);
    }
  });
}

QImage AppPicture(int size) {
  return Painted(
      [size](QPainter& p) {
        const double k = size / 16.0;
        p.scale(k, k);
        p.setPen(QColor(40, 40, 40));
        p.setBrush(QColor(255, 255, 250));
        p.drawRect(0, 2, 15, 11);
        p.setPen(QColor(220, 0, 0));
        p.setBrush(Qt::NoBrush);
        p.drawRect(2, 4, 6, 7);
        p.setPen(QColor(30, 70, 170));
        p.drawLine(3, 9, 7, 5);
        p.drawLine(10, 5, 13, 5);
        p.drawLine(10, 8, 13, 8);
        p.drawLine(10, 11, 13, 11);
      },
      size);
}

}  // namespace

QIcon ToolPicture(const QString& name) { return QIcon(QPixmap::fromImage(Tool(name))); }

QIcon ApplicationIcon() {
  QIcon icon;
  icon.addPixmap(QPixmap::fromImage(AppPicture(16)));
  icon.addPixmap(QPixmap::fromImage(AppPicture(32)));
  return icon;
}

QImage LayerButtonPicture(int n, int state, int protect, bool lines, bool text, const char* editable,
                          const char* write) {
  QImage pic = LayerPicture(state != 0 ? QString("NUM%1").arg(n) : QString("Nill"));
  if (lines) CombinePicture(pic, LayerPicture("BarLine"));
  if (text) CombinePicture(pic, LayerPicture("BarText"));
  if (state == 2) CombinePicture(pic, LayerPicture(editable));
  if (state == 3) CombinePicture(pic, LayerPicture(write));
  if (protect == 1) CombinePicture(pic, LayerPicture("CROSS1"));
  if (protect == 2) CombinePicture(pic, LayerPicture("CROSS2"));
  return pic;
}

}  // namespace sw
