#include "ui/tool_icons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <array>
#include <functional>

namespace kortiv {
namespace {

// Glyphs are drawn on a 24 x 24 grid and scaled to each pixmap size.
using Glyph = std::function<void(QPainter&)>;

const QColor kInk(40, 40, 40);
const QColor kPaper(250, 250, 250);
const QColor kRed(200, 30, 30);
const QColor kGreen(30, 150, 50);
const QColor kBlue(30, 90, 190);

QPen Pen(const QColor& colour, double width = 1.6) {
  return QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void Page(QPainter& p, QRectF r) {
  QPainterPath path;
  const double fold = 5;
  path.moveTo(r.left(), r.top());
  path.lineTo(r.right() - fold, r.top());
  path.lineTo(r.right(), r.top() + fold);
  path.lineTo(r.right(), r.bottom());
  path.lineTo(r.left(), r.bottom());
  path.closeSubpath();
  p.setPen(Pen(kInk, 1.4));
  p.setBrush(kPaper);
  p.drawPath(path);
  p.drawLine(QPointF(r.right() - fold, r.top()), QPointF(r.right() - fold, r.top() + fold));
  p.drawLine(QPointF(r.right() - fold, r.top() + fold), QPointF(r.right(), r.top() + fold));
}

void Cross(QPainter& p, QPointF c, double half, const QColor& colour) {
  p.setPen(Pen(colour, 2.6));
  p.drawLine(c + QPointF(-half, -half), c + QPointF(half, half));
  p.drawLine(c + QPointF(-half, half), c + QPointF(half, -half));
}

// An arc of a circle around the centre with an arrowhead at its end.
void ArcArrow(QPainter& p, double start_deg, double span_deg, const QColor& colour) {
  const QRectF circle(5, 5, 14, 14);
  p.setPen(Pen(colour, 2.2));
  p.setBrush(Qt::NoBrush);
  p.drawArc(circle, static_cast<int>(start_deg * 16), static_cast<int>(span_deg * 16));
  const double end = qDegreesToRadians(start_deg + span_deg);
  const QPointF tip(12 + 7 * std::cos(end), 12 - 7 * std::sin(end));
  // The tangent in the direction of travel.
  const double sign = span_deg > 0 ? 1 : -1;
  const QPointF along(-std::sin(end) * sign, -std::cos(end) * sign);
  const QPointF side(along.y(), -along.x());
  QPolygonF head;
  head << tip + along * 4.5 << tip + side * 4 << tip - side * 4;
  p.setPen(Pen(colour, 1));
  p.setBrush(colour);
  p.drawPolygon(head);
}

// A hooked arrow: undo when `back`, redo otherwise.
void HookArrow(QPainter& p, bool back) {
  if (!back) {
    p.translate(24, 0);
    p.scale(-1, 1);
  }
  QPainterPath path;
  path.moveTo(7, 10);
  path.cubicTo(12, 4, 21, 6, 20, 14);
  path.cubicTo(19.5, 18, 16, 19, 13, 19);
  p.setPen(Pen(kBlue, 2.4));
  p.setBrush(Qt::NoBrush);
  p.drawPath(path);
  QPolygonF head;
  head << QPointF(3, 7) << QPointF(11, 5) << QPointF(8, 13);
  p.setPen(Pen(kBlue, 1));
  p.setBrush(kBlue);
  p.drawPolygon(head);
}

void Letter(QPainter& p, QRectF box, const QString& text, const QColor& colour, double size,
            bool bold = true) {
  QFont font("Sans");
  font.setPixelSize(qRound(size));
  font.setBold(bold);
  p.setFont(font);
  p.setPen(colour);
  p.drawText(box, Qt::AlignCenter, text);
}

void Disc(QPainter& p, const QColor& colour, const QString& letter) {
  p.setPen(Pen(colour.darker(130), 1.2));
  p.setBrush(colour);
  p.drawEllipse(QRectF(2.5, 2.5, 19, 19));
  Letter(p, QRectF(2, 2, 20, 20), letter, Qt::white, 14);
}

// An element box with an input and an output line, as on the field.
void ElementBox(QPainter& p) {
  p.setPen(Pen(kInk, 1.4));
  p.setBrush(kPaper);
  p.drawRect(QRectF(6, 6, 12, 12));
  p.drawLine(QPointF(1, 12), QPointF(6, 12));
  p.drawLine(QPointF(18, 12), QPointF(23, 12));
}

struct GlyphEntry {
  const char* command;
  const char* theme_name;  // empty: the theme has no fitting icon
  Glyph glyph;
};

const std::vector<GlyphEntry>& Glyphs() {
  static const std::vector<GlyphEntry> glyphs = {
      {"mnuNew", "document-new", [](QPainter& p) { Page(p, QRectF(5, 2, 14, 20)); }},
      {"mnuOpen", "document-open",
       [](QPainter& p) {
         p.setPen(Pen(QColor(150, 110, 20), 1.4));
         p.setBrush(QColor(240, 200, 90));
         QPolygonF back;
         back << QPointF(2, 5) << QPointF(9, 5) << QPointF(11, 7) << QPointF(20, 7)
              << QPointF(20, 19) << QPointF(2, 19);
         p.drawPolygon(back);
         p.setBrush(QColor(250, 220, 120));
         QPolygonF front;
         front << QPointF(2, 19) << QPointF(6, 10) << QPointF(23, 10) << QPointF(20, 19);
         p.drawPolygon(front);
       }},
      {"mnuSave", "document-save",
       [](QPainter& p) {
         p.setPen(Pen(kInk, 1.4));
         p.setBrush(kBlue);
         p.drawRoundedRect(QRectF(3, 3, 18, 18), 2, 2);
         p.setBrush(kPaper);
         p.drawRect(QRectF(7, 3, 10, 7));
         p.setBrush(QColor(200, 200, 200));
         p.drawRect(QRectF(6, 13, 12, 8));
       }},
      {"mnuCut", "edit-cut",
       [](QPainter& p) {
         p.setPen(Pen(kInk, 1.8));
         p.drawLine(QPointF(7, 3), QPointF(15, 15));
         p.drawLine(QPointF(17, 3), QPointF(9, 15));
         p.setBrush(Qt::NoBrush);
         p.drawEllipse(QRectF(4, 15, 6, 6));
         p.drawEllipse(QRectF(14, 15, 6, 6));
       }},
      {"mnuCopy", "edit-copy",
       [](QPainter& p) {
         Page(p, QRectF(3, 2, 12, 15));
         Page(p, QRectF(9, 7, 12, 15));
       }},
      {"mnuPaste", "edit-paste",
       [](QPainter& p) {
         p.setPen(Pen(QColor(120, 80, 30), 1.4));
         p.setBrush(QColor(200, 150, 80));
         p.drawRoundedRect(QRectF(3, 4, 16, 18), 2, 2);
         p.setBrush(QColor(160, 160, 160));
         p.drawRect(QRectF(7, 2, 8, 4));
         Page(p, QRectF(10, 9, 11, 13));
       }},
      {"mnuDel", "edit-delete", [](QPainter& p) { Cross(p, QPointF(12, 12), 7, kRed); }},
      {"mnuDelAll", "edit-clear",
       [](QPainter& p) {
         p.setPen(Pen(kInk, 1));
         p.setBrush(kPaper);
         for (int r = 0; r < 2; ++r) {
           for (int c = 0; c < 3; ++c) p.drawRect(QRectF(1 + c * 7.5, 4 + r * 8, 7, 7.5));
         }
         Cross(p, QPointF(12, 12), 8, kRed);
       }},
      {"mnuRotRight", "object-rotate-right", [](QPainter& p) { ArcArrow(p, 160, -250, kBlue); }},
      {"mnuRotLeft", "object-rotate-left", [](QPainter& p) { ArcArrow(p, 20, 250, kBlue); }},
      {"mnuRot180", "",
       [](QPainter& p) {
         ArcArrow(p, 180, -180, kBlue);
         p.setPen(Pen(kInk, 1.2));
         p.drawLine(QPointF(3, 19), QPointF(21, 19));
       }},
      {"mnuUndo", "edit-undo", [](QPainter& p) { HookArrow(p, true); }},
      {"mnuRedo", "edit-redo", [](QPainter& p) { HookArrow(p, false); }},
      {"mnuParamMod", "",
       [](QPainter& p) {
         ElementBox(p);
         Letter(p, QRectF(6, 6, 12, 12), "k", kBlue, 11);
       }},
      {"mnuParamIntegr", "",
       [](QPainter& p) { Letter(p, QRectF(0, 0, 24, 24), "∫dt", kBlue, 13); }},
      {"mnuCheck", "",
       [](QPainter& p) {
         p.setPen(Pen(kGreen, 3.2));
         p.drawLine(QPointF(4, 13), QPointF(10, 19));
         p.drawLine(QPointF(10, 19), QPointF(20, 5));
       }},
      {"mnuRun", "media-playback-start",
       [](QPainter& p) {
         QPolygonF play;
         play << QPointF(6, 3) << QPointF(21, 12) << QPointF(6, 21);
         p.setPen(Pen(kGreen.darker(130), 1.2));
         p.setBrush(kGreen);
         p.drawPolygon(play);
       }},
      {"mnuPortret", "",
       [](QPainter& p) {
         p.setPen(Pen(kInk, 1.2));
         p.drawLine(QPointF(2, 12), QPointF(22, 12));
         p.drawLine(QPointF(12, 2), QPointF(12, 22));
         QPainterPath spiral;
         for (int i = 0; i <= 60; ++i) {
           const double a = i * 0.2;
           const double r = 9.5 * (1 - i / 70.0);
           const QPointF point(12 + r * std::cos(a), 12 - 0.7 * r * std::sin(a));
           if (i == 0) {
             spiral.moveTo(point);
           } else {
             spiral.lineTo(point);
           }
         }
         p.setPen(Pen(kRed, 1.6));
         p.setBrush(Qt::NoBrush);
         p.drawPath(spiral);
       }},
      {"mnuListHelp", "help-contents", [](QPainter& p) { Disc(p, kBlue, "?"); }},
      {"AboutHelpMnu", "help-about", [](QPainter& p) { Disc(p, kGreen, "i"); }},
  };
  return glyphs;
}

const GlyphEntry* Find(const QString& command) {
  for (const auto& entry : Glyphs()) {
    if (command == QLatin1String(entry.command)) return &entry;
  }
  return nullptr;
}

QPixmap GlyphPixmap(const Glyph& glyph, int size) {
  QPixmap pixmap(size, size);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::TextAntialiasing);
  painter.scale(size / 24.0, size / 24.0);
  glyph(painter);
  return pixmap;
}

}  // namespace

QIcon DrawnCommandIcon(const QString& command) {
  const GlyphEntry* entry = Find(command);
  if (!entry) return {};
  QIcon icon;
  for (int size : {16, 22, 24, 32, 44, 48, 64}) icon.addPixmap(GlyphPixmap(entry->glyph, size));
  return icon;
}

QIcon CommandIcon(const QString& command) {
  const GlyphEntry* entry = Find(command);
  if (!entry) return {};
  const QString theme_name = QString::fromLatin1(entry->theme_name);
  if (!theme_name.isEmpty() && QIcon::hasThemeIcon(theme_name)) {
    return QIcon::fromTheme(theme_name);
  }
  return DrawnCommandIcon(command);
}

}  // namespace kortiv
