#include "menuIcons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace tollard {

namespace {

// Drawn on a 16 x 16 grid and rendered at 16 and 32 pixels for high-density screens.
void drawSave(QPainter& p) {
  p.setPen(QColor(0x1f, 0x3a, 0x60));
  p.setBrush(QColor(0x3b, 0x6e, 0xb0));
  p.drawRect(QRectF(1.5, 1.5, 13, 13));
  p.setBrush(Qt::white);
  p.drawRect(QRectF(4.5, 1.5, 7, 5));
  p.setBrush(QColor(0xc8, 0xcc, 0xd0));
  p.drawRect(QRectF(3.5, 9.5, 9, 5));
}

void drawPrinterBody(QPainter& p) {
  p.setPen(QColor(0x40, 0x40, 0x40));
  p.setBrush(Qt::white);
  p.drawRect(QRectF(4.5, 1.5, 7, 5));
  p.setBrush(QColor(0x90, 0x98, 0xa0));
  p.drawRoundedRect(QRectF(1.5, 6.5, 13, 6), 1.5, 1.5);
  p.setBrush(Qt::white);
  p.drawRect(QRectF(4.5, 10.5, 7, 4));
  p.setPen(QColor(0x30, 0xa0, 0x30));
  p.drawPoint(QPointF(12.5, 8.5));
}

void drawPrintSetup(QPainter& p) {
  drawPrinterBody(p);
  // A spanner over the lower right corner: the settings of the printer.
  p.setPen(QPen(QColor(0x20, 0x20, 0x20), 1.6, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(9.5, 15), QPointF(14.5, 10));
  p.setBrush(Qt::NoBrush);
  p.drawEllipse(QPointF(14.2, 10.3), 1.5, 1.5);
}

void drawExit(QPainter& p) {
  p.setPen(QColor(0x50, 0x30, 0x10));
  p.setBrush(QColor(0xb0, 0x78, 0x40));
  p.drawRect(QRectF(2.5, 1.5, 7, 13));
  p.setBrush(QColor(0xff, 0xd0, 0x40));
  p.drawEllipse(QPointF(8, 8.5), 0.8, 0.8);
  p.setPen(QPen(QColor(0xc0, 0x20, 0x20), 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.drawLine(QPointF(10, 8), QPointF(15, 8));
  p.drawPolyline(QPolygonF({QPointF(12.5, 5.5), QPointF(15, 8), QPointF(12.5, 10.5)}));
}

void drawManual(QPainter& p) {
  p.setPen(QColor(0x20, 0x30, 0x60));
  p.setBrush(QColor(0x2e, 0x5c, 0xa8));
  p.drawRect(QRectF(2.5, 1.5, 11, 13));
  p.setBrush(Qt::white);
  p.drawRect(QRectF(4.5, 12.5, 9, 2));
  QFont font;
  font.setPixelSize(10);
  font.setBold(true);
  p.setFont(font);
  p.setPen(Qt::white);
  p.drawText(QRectF(3, 1, 10, 11), Qt::AlignCenter, QStringLiteral("?"));
}

QPixmap render(MenuPicture picture, int size) {
  QPixmap pixmap(size, size);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  p.scale(size / 16.0, size / 16.0);
  switch (picture) {
    case MenuPicture::Save: drawSave(p); break;
    case MenuPicture::Print: drawPrinterBody(p); break;
    case MenuPicture::PrintSetup: drawPrintSetup(p); break;
    case MenuPicture::Exit: drawExit(p); break;
    case MenuPicture::Manual: drawManual(p); break;
  }
  return pixmap;
}

}  // namespace

QIcon menuIcon(MenuPicture picture) {
  QIcon icon;
  icon.addPixmap(render(picture, 16));
  icon.addPixmap(render(picture, 32));
  return icon;
}

QIcon programIcon() { return QIcon(QStringLiteral(":/tollard/tollard.png")); }

}  // namespace tollard
