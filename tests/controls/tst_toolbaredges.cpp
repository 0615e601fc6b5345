// A main window's tool bar painted by the edge style: pixel for pixel what
// Fusion paints, in every area and place in its line, and without starting
// the raster engine's fill threads.
#include "controls/toolbaredges.h"

#include <QApplication>
#include <QDir>
#include <QMainWindow>
#include <QPainter>
#include <QStyleFactory>
#include <QStyleOption>
#include <QTest>
#include <QToolBar>

#include <memory>

using namespace vz;

Q_DECLARE_METATYPE(Qt::ToolBarArea)
Q_DECLARE_METATYPE(QStyleOptionToolBar::ToolBarPosition)

namespace {

QImage paintToolBar(QStyle *style, const QStyleOptionToolBar &option, const QWidget *widget,
                    const std::function<void(QPainter &)> &setUp = {})
{
  // A backdrop that is not the window colour, so that a missing or misplaced
  // line shows wherever it falls.
  QImage image(option.rect.adjusted(-3, -3, 3, 3).size(), QImage::Format_ARGB32_Premultiplied);
  image.fill(QColor(40, 120, 200));
  QPainter painter(&image);
  painter.translate(3 - option.rect.left(), 3 - option.rect.top());
  if (setUp)
    setUp(painter);
  style->drawControl(QStyle::CE_ToolBar, &option, &painter, widget);
  return image;
}

QStyleOptionToolBar toolBarOption(Qt::ToolBarArea area, QStyleOptionToolBar::ToolBarPosition line,
                                  const QRect &rect)
{
  QStyleOptionToolBar option;
  option.rect = rect;
  option.palette = QApplication::palette();
  option.toolBarArea = area;
  option.positionOfLine = line;
  option.state = QStyle::State_Enabled;
  if (area == Qt::TopToolBarArea || area == Qt::BottomToolBarArea)
    option.state |= QStyle::State_Horizontal;
  return option;
}

int threadsOfProcess()
{
  return int(QDir(QStringLiteral("/proc/self/task")).entryList(QDir::Dirs | QDir::NoDotAndDotDot).size());
}

} // namespace

class TestToolBarEdges : public QObject
{
  Q_OBJECT

private slots:
  void initTestCase()
  {
    m_fusion.reset(QStyleFactory::create(QStringLiteral("fusion")));
    QVERIFY(m_fusion);
  }

  // Runs first, while the process has no pool threads yet.
  void wideToolBarPaintsOnGuiThread()
  {
    const QStyleOptionToolBar option =
        toolBarOption(Qt::TopToolBarArea, QStyleOptionToolBar::OnlyOne, QRect(0, 0, 1600, 30));
    const int before = threadsOfProcess();
    paintToolBar(toolBarEdgeStyle(), option, nullptr);
    QCOMPARE(threadsOfProcess(), before);
    // The same paint by Fusion itself, to show the fixture meets the threads
    // at all on this Qt.
    paintToolBar(m_fusion.get(), option, nullptr);
    if (threadsOfProcess() == before)
      QSKIP("this Qt's raster engine blends lines on one thread");
  }

  void sameLookAsFusion_data()
  {
    QTest::addColumn<Qt::ToolBarArea>("area");
    QTest::addColumn<QStyleOptionToolBar::ToolBarPosition>("line");
    QTest::addColumn<QRect>("rect");
    const struct {
      const char *name;
      Qt::ToolBarArea area;
    } areas[] = {{"top", Qt::TopToolBarArea},
                 {"bottom", Qt::BottomToolBarArea},
                 {"left", Qt::LeftToolBarArea},
                 {"right", Qt::RightToolBarArea}};
    const struct {
      const char *name;
      QStyleOptionToolBar::ToolBarPosition line;
    } lines[] = {{"beginning", QStyleOptionToolBar::Beginning},
                 {"middle", QStyleOptionToolBar::Middle},
                 {"end", QStyleOptionToolBar::End},
                 {"only one", QStyleOptionToolBar::OnlyOne}};
    for (const auto &area : areas) {
      const bool across = area.area == Qt::TopToolBarArea || area.area == Qt::BottomToolBarArea;
      const QRect wide = across ? QRect(5, 7, 700, 29) : QRect(5, 7, 29, 500);
      for (const auto &line : lines)
        QTest::addRow("%s, %s", area.name, line.name) << area.area << line.line << wide;
    }
    // A bar narrower than its double lines, and one of a single pixel.
    QTest::newRow("top, two pixels high") << Qt::TopToolBarArea << QStyleOptionToolBar::End << QRect(0, 0, 120, 2);
    QTest::newRow("left, one pixel") << Qt::LeftToolBarArea << QStyleOptionToolBar::End << QRect(0, 0, 1, 1);
  }

  void sameLookAsFusion()
  {
    QFETCH(Qt::ToolBarArea, area);
    QFETCH(QStyleOptionToolBar::ToolBarPosition, line);
    QFETCH(QRect, rect);
    const QStyleOptionToolBar option = toolBarOption(area, line, rect);
    const QImage expected = paintToolBar(m_fusion.get(), option, nullptr);
    QCOMPARE(paintToolBar(toolBarEdgeStyle(), option, nullptr), expected);
    // Over a half-transparent painter and a clip, as a bar repainted in strips is.
    const auto dimmedAndClipped = [&rect](QPainter &painter) {
      painter.setOpacity(0.5);
      painter.setClipRect(rect.adjusted(3, 1, -40, 0));
    };
    QCOMPARE(paintToolBar(toolBarEdgeStyle(), option, nullptr, dimmedAndClipped),
             paintToolBar(m_fusion.get(), option, nullptr, dimmedAndClipped));
  }

  // Where lines and rectangles differ (scaled or smoothed painting), and for a
  // bar that is not a main window's, Fusion paints it itself.
  void otherPaintingLeftToFusion_data()
  {
    QTest::addColumn<int>("kind");
    QTest::newRow("scaled") << 0;
    QTest::newRow("smoothed") << 1;
    QTest::newRow("not a main window's bar") << 2;
  }

  void otherPaintingLeftToFusion()
  {
    QFETCH(int, kind);
    const QStyleOptionToolBar option =
        toolBarOption(Qt::TopToolBarArea, QStyleOptionToolBar::OnlyOne, QRect(0, 0, 300, 24));
    QWidget loose;
    QToolBar looseBar(&loose);
    const QWidget *widget = kind == 2 ? &looseBar : nullptr;
    const auto setUp = [kind](QPainter &painter) {
      if (kind == 0)
        painter.scale(1.5, 1.5);
      if (kind == 1)
        painter.setRenderHint(QPainter::Antialiasing);
    };
    QCOMPARE(paintToolBar(toolBarEdgeStyle(), option, widget, setUp),
             paintToolBar(m_fusion.get(), option, widget, setUp));
  }

  // A main window's bar takes the style under Fusion and keeps Fusion's
  // measures; its buttons keep the application's style.
  void mainWindowBarTakesStyle()
  {
    QMainWindow window;
    auto *bar = new QToolBar(QStringLiteral("Araç Çubuğu"), &window);
    bar->addAction(QStringLiteral("Aç"));
    window.addToolBar(Qt::TopToolBarArea, bar);
    const QSize before = bar->sizeHint();
    QVERIFY(paintToolBarEdgesOnGuiThread(bar));
    QCOMPARE(bar->style(), toolBarEdgeStyle());
    QCOMPARE(bar->sizeHint(), before);
    for (QWidget *child : bar->findChildren<QWidget *>())
      QCOMPARE(child->style(), QApplication::style());
    QVERIFY(!paintToolBarEdgesOnGuiThread(nullptr));
  }

private:
  std::unique_ptr<QStyle> m_fusion;
};

int main(int argc, char **argv)
{
  // Fusion is what the program runs under where no desktop style is set.
  QApplication::setStyle(QStringLiteral("fusion"));
  QApplication app(argc, argv);
  TestToolBarEdges test;
  return QTest::qExec(&test, argc, argv);
}

#include "tst_toolbaredges.moc"
