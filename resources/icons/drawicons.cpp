// Draws the program's own icons and pictures into PNG files. The images are
// committed; run this again only to change them:
//   g++ -std=c++20 -fPIC drawicons.cpp $(pkg-config --cflags --libs Qt6Gui) -o /tmp/drawicons
//   QT_QPA_PLATFORM=offscreen /tmp/drawicons <this folder>
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <functional>

namespace {

using Draw = std::function<void(QPainter &, double)>;

void save(const QString &dir, const QString &name, int w, int h, const Draw &draw)
{
  QImage img(w, h, QImage::Format_ARGB32_Premultiplied);
  img.fill(Qt::transparent);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  p.scale(w / 100.0, h / 100.0);
  draw(p, 1.0);
  p.end();
  img.save(QDir(dir).filePath(name + QStringLiteral(".png")));
}

// A cow's head seen from the front: the program's emblem.
void cowHead(QPainter &p, const QColor &back, const QColor &face)
{
  p.setPen(Qt::NoPen);
  p.setBrush(back);
  p.drawRoundedRect(QRectF(4, 4, 92, 92), 18, 18);
  p.setBrush(QColor(235, 225, 200));
  QPainterPath horns;
  horns.moveTo(30, 34); horns.cubicTo(14, 30, 12, 16, 18, 10); horns.cubicTo(24, 22, 32, 24, 38, 28);
  horns.moveTo(70, 34); horns.cubicTo(86, 30, 88, 16, 82, 10); horns.cubicTo(76, 22, 68, 24, 62, 28);
  p.drawPath(horns);
  p.setBrush(face);
  p.drawEllipse(QRectF(10, 34, 22, 12));
  p.drawEllipse(QRectF(68, 34, 22, 12));
  p.drawRoundedRect(QRectF(28, 24, 44, 56), 20, 20);
  p.setBrush(QColor(240, 190, 180));
  p.drawRoundedRect(QRectF(31, 62, 38, 26), 12, 12);
  p.setBrush(QColor(60, 40, 40));
  p.drawEllipse(QRectF(38, 70, 6, 7));
  p.drawEllipse(QRectF(56, 70, 6, 7));
  p.drawEllipse(QRectF(37, 42, 7, 8));
  p.drawEllipse(QRectF(56, 42, 7, 8));
}

void buttonFace(QPainter &p, int state, const QColor &colour, const std::function<void(QPainter &)> &mark)
{
  // state 0 up, 1 down (pressed: darker and shifted), 2 disabled (grey)
  QColor c = state == 2 ? QColor(160, 160, 160) : state == 1 ? colour.darker(130) : colour;
  if (state == 1)
    p.translate(3, 3);
  p.setPen(QPen(c.darker(150), 4));
  p.setBrush(state == 2 ? QColor(225, 225, 225) : QColor(250, 250, 245));
  p.drawEllipse(QRectF(6, 6, 84, 84));
  QPen pen(c, 12, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
  p.setPen(pen);
  p.setBrush(Qt::NoBrush);
  mark(p);
}

// A safe seen from the front: shut and locked, or with its door swung open.
void safe(QPainter &p, bool open)
{
  p.setPen(QPen(QColor(40, 40, 50), 4));
  p.setBrush(QColor(110, 115, 125));
  p.drawRoundedRect(QRectF(10, 8, 80, 80), 6, 6);
  p.setBrush(QColor(60, 60, 70));
  p.drawRect(QRectF(16, 88, 14, 8));
  p.drawRect(QRectF(70, 88, 14, 8));
  if (!open) {
    p.setBrush(QColor(150, 155, 165));
    p.drawRoundedRect(QRectF(18, 16, 64, 64), 4, 4);
    p.setBrush(QColor(230, 190, 60));
    p.drawEllipse(QRectF(36, 34, 28, 28));
    p.setPen(QPen(QColor(40, 40, 50), 5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(50, 38), QPointF(50, 48));
    p.drawLine(QPointF(72, 40), QPointF(72, 56));
    return;
  }
  p.setBrush(QColor(30, 30, 35));
  p.drawRect(QRectF(18, 16, 64, 64));
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(240, 200, 40));
  p.drawRect(QRectF(24, 60, 24, 12));
  p.drawRect(QRectF(30, 50, 24, 10));
  p.setPen(QPen(QColor(40, 40, 50), 4));
  p.setBrush(QColor(150, 155, 165));
  p.drawPolygon(QPolygonF({QPointF(82, 16), QPointF(98, 6), QPointF(98, 90), QPointF(82, 80)}));
}

// The dairy type pictures (177 x 119 pixels): an animal at pasture, drawn as
// the beef type dialog draws its cow.
struct Animal {
  double scale;        // of a full-grown cow
  QColor coat;
  QColor patches;      // transparent: a plain coat
  bool udder;
  bool horns;
  bool hump;
};

void pasture(QPainter &p, const Animal &a)
{
  p.scale(100.0 / 177.0, 100.0 / 119.0);
  QLinearGradient sky(0, 0, 0, 80);
  sky.setColorAt(0, QColor(190, 220, 245));
  sky.setColorAt(1, QColor(235, 245, 250));
  p.fillRect(QRectF(0, 0, 177, 80), sky);
  p.fillRect(QRectF(0, 80, 177, 39), QColor(150, 200, 110));
  p.setPen(QPen(QColor(60, 120, 40), 2));
  for (int x = 6; x < 177; x += 14)
    p.drawLine(QPointF(x, 112), QPointF(x + 3, 105));
  p.drawLine(QPointF(0, 80), QPointF(177, 80));

  // The animal stands on the grass line whatever its size.
  p.translate(88, 98);
  p.scale(a.scale, a.scale);
  p.translate(-62, -88);
  const QPen outline(QColor(50, 35, 20), 1.5);
  p.setPen(outline);
  p.setBrush(a.coat);
  for (int x : {32, 44, 78, 90})
    p.drawRect(QRectF(x, 60, 7, 28));                         // legs
  p.drawLine(QPointF(24, 42), QPointF(15, 66));               // tail
  if (a.hump)
    p.drawEllipse(QRectF(74, 24, 26, 20));                    // neck
  p.drawRoundedRect(QRectF(24, 30, 76, 38), 14, 14);          // body
  if (a.patches.alpha() > 0) {
    p.setPen(Qt::NoPen);
    p.setBrush(a.patches);
    p.drawEllipse(QRectF(34, 34, 20, 14));
    p.drawEllipse(QRectF(62, 44, 18, 16));
    p.drawEllipse(QRectF(84, 34, 10, 12));
    p.setPen(outline);
  }
  if (a.udder) {
    p.setBrush(QColor(240, 170, 180));
    p.drawChord(QRectF(56, 58, 20, 16), 180 * 16, 180 * 16);  // udder
  }
  p.setBrush(a.coat);
  p.drawEllipse(QRectF(94, 24, 26, 22));                      // head
  p.drawEllipse(QRectF(90, 22, 8, 6));                        // ear
  p.setBrush(QColor(230, 170, 150));
  p.drawEllipse(QRectF(108, 34, 13, 10));                     // muzzle
  p.setBrush(Qt::black);
  p.drawEllipse(QRectF(104, 29, 3, 3));                       // eye
  if (a.horns) {
    p.setPen(QPen(QColor(235, 225, 200), 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(100, 25), QPointF(95, 15));
    p.drawLine(QPointF(110, 24), QPointF(116, 14));
    p.setPen(QPen(QColor(200, 170, 40), 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QRectF(112, 41, 6, 6));                     // nose ring
  }
}

} // namespace

int main(int argc, char **argv)
{
  QGuiApplication app(argc, argv);
  const QString dir = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");

  save(dir, QStringLiteral("VSKTOD"), 280, 243, [](QPainter &p, double) {
    cowHead(p, QColor(0, 128, 64), QColor(250, 250, 250));
  });
  save(dir, QStringLiteral("VSKMAIN"), 64, 64, [](QPainter &p, double) {
    cowHead(p, QColor(30, 90, 160), QColor(250, 250, 250));
    QFont f(QStringLiteral("Sans"));
    f.setPixelSize(18);
    f.setBold(true);
    p.setFont(f);
    p.setPen(QColor(255, 210, 0));
    p.drawText(QRectF(4, 78, 92, 20), Qt::AlignCenter, QStringLiteral("VZ"));
  });
  save(dir, QStringLiteral("VSKICON"), 32, 32, [](QPainter &p, double) {
    cowHead(p, QColor(0, 128, 64), QColor(250, 250, 250));
  });
  save(dir, QStringLiteral("PSWICO"), 32, 32, [](QPainter &p, double) {
    // A key: the log-on and password dialogs.
    p.setPen(QPen(QColor(120, 90, 0), 5));
    p.setBrush(QColor(240, 200, 60));
    p.drawEllipse(QRectF(8, 30, 36, 36));
    p.setBrush(Qt::white);
    p.drawEllipse(QRectF(18, 40, 14, 14));
    p.setPen(QPen(QColor(120, 90, 0), 10, Qt::SolidLine, Qt::SquareCap));
    p.drawLine(QPointF(44, 48), QPointF(90, 48));
    p.drawLine(QPointF(80, 48), QPointF(80, 64));
    p.drawLine(QPointF(66, 48), QPointF(66, 60));
  });
  save(dir, QStringLiteral("IDI_COCPADICON"), 32, 32, [](QPainter &p, double) {
    p.setPen(QPen(QColor(40, 40, 90), 4));
    p.setBrush(QColor(255, 255, 230));
    p.drawRect(QRectF(16, 8, 68, 86));
    p.setPen(QPen(QColor(60, 90, 180), 5));
    for (int y = 28; y < 90; y += 14)
      p.drawLine(QPointF(26, y), QPointF(74, y));
    p.setPen(QPen(QColor(180, 30, 30), 6));
    for (int x = 28; x < 80; x += 14)
      p.drawLine(QPointF(x, 2), QPointF(x, 14));
  });
  save(dir, QStringLiteral("A1_FORUMLIB"), 32, 32, [](QPainter &p, double) {
    p.setPen(QPen(QColor(90, 50, 20), 4));
    p.setBrush(QColor(170, 100, 40));
    p.drawRect(QRectF(14, 10, 62, 80));
    p.setBrush(QColor(250, 245, 230));
    p.drawRect(QRectF(76, 14, 10, 72));
    p.setPen(QPen(QColor(240, 200, 80), 5));
    p.drawLine(QPointF(28, 36), QPointF(62, 36));
    p.drawLine(QPointF(28, 50), QPointF(62, 50));
  });
  save(dir, QStringLiteral("LIGHTBULB"), 48, 48, [](QPainter &p, double) {
    p.setPen(QPen(QColor(120, 100, 0), 4));
    p.setBrush(QColor(255, 230, 60));
    p.drawEllipse(QRectF(22, 6, 56, 56));
    p.setBrush(QColor(150, 150, 150));
    p.drawRect(QRectF(36, 62, 28, 22));
    p.setPen(QPen(QColor(90, 90, 90), 4));
    p.drawLine(QPointF(36, 70), QPointF(64, 70));
    p.drawLine(QPointF(36, 78), QPointF(64, 78));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(60, 60, 60));
    p.drawRoundedRect(QRectF(40, 84, 20, 10), 4, 4);
    p.setPen(QPen(QColor(255, 255, 255, 200), 5, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(QRectF(32, 16, 30, 30), 100 * 16, 70 * 16);
  });

  // Row pictures of the bitmap list box (its default 20 x 16 image cell): a
  // feed sack, a nutrient flask and an animal.
  save(dir, QStringLiteral("BMLBYEM"), 20, 16, [](QPainter &p, double) {
    p.setPen(QPen(QColor(110, 80, 30), 5));
    p.setBrush(QColor(225, 190, 120));
    QPainterPath sack;
    sack.moveTo(30, 12); sack.lineTo(70, 12); sack.lineTo(64, 24);
    sack.cubicTo(92, 40, 90, 92, 70, 94); sack.lineTo(30, 94);
    sack.cubicTo(10, 92, 8, 40, 36, 24); sack.closeSubpath();
    p.drawPath(sack);
    p.setPen(QPen(QColor(90, 140, 40), 7, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(50, 46), QPointF(50, 80));
    p.drawLine(QPointF(50, 56), QPointF(38, 46));
    p.drawLine(QPointF(50, 56), QPointF(62, 46));
  });
  save(dir, QStringLiteral("BMLBBESIN"), 20, 16, [](QPainter &p, double) {
    p.setPen(QPen(QColor(40, 60, 120), 5));
    p.setBrush(QColor(235, 240, 250));
    QPainterPath flask;
    flask.moveTo(40, 6); flask.lineTo(60, 6); flask.lineTo(60, 36); flask.lineTo(86, 92);
    flask.lineTo(14, 92); flask.lineTo(40, 36); flask.closeSubpath();
    p.drawPath(flask);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 150, 220));
    QPainterPath liquid;
    liquid.moveTo(27, 62); liquid.lineTo(73, 62); liquid.lineTo(83, 89); liquid.lineTo(17, 89);
    liquid.closeSubpath();
    p.drawPath(liquid);
  });
  save(dir, QStringLiteral("BMLBHAYVAN"), 20, 16, [](QPainter &p, double) {
    cowHead(p, QColor(150, 90, 40), QColor(250, 250, 250));
  });
  save(dir, QStringLiteral("LOCKEDBITMAP"), 32, 32, [](QPainter &p, double) { safe(p, false); });
  save(dir, QStringLiteral("UNLOCKEDBITMAP"), 32, 32, [](QPainter &p, double) { safe(p, true); });
  // The splash screen's picture: the emblem over a pasture under a morning sky.
  save(dir, QStringLiteral("SPLASH_BMP2"), 180, 282, [](QPainter &p, double) {
    QLinearGradient sky(0, 0, 0, 60);
    sky.setColorAt(0, QColor(90, 150, 220));
    sky.setColorAt(1, QColor(250, 220, 160));
    p.setPen(Qt::NoPen);
    p.setBrush(sky);
    p.drawRect(QRectF(0, 0, 100, 60));
    p.setBrush(QColor(40, 130, 50));
    p.drawRect(QRectF(0, 60, 100, 40));
    p.setBrush(QColor(70, 160, 60));
    QPainterPath hill;
    hill.moveTo(0, 66);
    hill.cubicTo(30, 54, 60, 70, 100, 58);
    hill.lineTo(100, 100);
    hill.lineTo(0, 100);
    p.drawPath(hill);
    p.setBrush(QColor(255, 230, 120));
    p.drawEllipse(QRectF(70, 8, 16, 10));
    p.save();
    p.translate(14, 30);
    p.scale(0.72, 0.46);
    cowHead(p, QColor(0, 0, 0, 0), QColor(250, 250, 250));
    p.restore();
    p.setPen(QPen(QColor(200, 170, 60), 1.2));
    for (int x = 6; x < 100; x += 9)
      p.drawLine(QPointF(x, 100), QPointF(x + 2, 90));
  });

  // The three dairy animal types: young, pregnant or milking cow, bull.
  save(dir, QStringLiteral("IDS_GENCSIGIR"), 177, 119, [](QPainter &p, double) {
    pasture(p, {0.62, QColor(165, 95, 50), QColor(250, 250, 245), false, false, false});
  });
  save(dir, QStringLiteral("IDS_INEGESOR"), 177, 119, [](QPainter &p, double) {
    pasture(p, {0.9, QColor(250, 250, 245), QColor(30, 30, 30), true, false, false});
  });
  save(dir, QStringLiteral("IDS_ERGINBOGA"), 177, 119, [](QPainter &p, double) {
    pasture(p, {1.0, QColor(70, 45, 30), Qt::transparent, false, true, true});
  });

  const QString states[] = {QStringLiteral("UP"), QStringLiteral("DOWN"), QStringLiteral("DISABLED")};
  for (int s = 0; s < 3; ++s) {
    save(dir, QStringLiteral("ICOOK") + states[s], 32, 32, [s](QPainter &p, double) {
      buttonFace(p, s, QColor(0, 140, 40), [](QPainter &q) {
        q.drawPolyline(QPolygonF({QPointF(28, 50), QPointF(44, 66), QPointF(70, 32)}));
      });
    });
    save(dir, QStringLiteral("ICOCANCEL") + states[s], 32, 32, [s](QPainter &p, double) {
      buttonFace(p, s, QColor(200, 20, 20), [](QPainter &q) {
        q.drawLine(QPointF(32, 32), QPointF(64, 64));
        q.drawLine(QPointF(64, 32), QPointF(32, 64));
      });
    });
    save(dir, QStringLiteral("ICONO") + states[s], 32, 32, [s](QPainter &p, double) {
      buttonFace(p, s, QColor(210, 110, 0), [](QPainter &q) {
        q.drawEllipse(QRectF(28, 28, 40, 40));
        q.drawLine(QPointF(34, 62), QPointF(62, 34));
      });
    });
    save(dir, QStringLiteral("ICOHELP") + states[s], 32, 32, [s](QPainter &p, double) {
      buttonFace(p, s, QColor(20, 70, 190), [](QPainter &q) {
        QPainterPath path;
        path.moveTo(34, 38);
        path.cubicTo(34, 22, 64, 22, 62, 38);
        path.cubicTo(60, 48, 48, 48, 48, 58);
        q.drawPath(path);
        q.drawPoint(QPointF(48, 72));
      });
    });
  }
  return 0;
}
