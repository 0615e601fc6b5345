#include "toolbaredges.h"

#include <QApplication>
#include <QLinearGradient>
#include <QMainWindow>
#include <QPainter>
#include <QPointer>
#include <QProxyStyle>
#include <QStyleOption>
#include <QToolBar>

namespace vz {

namespace {

// Fusion's own shades for the edges of a main window's tool bar.
constexpr QColor lightShade(255, 255, 255, 90);
constexpr QColor darkShade(0, 0, 0, 60);

class ToolBarEdgeStyle : public QProxyStyle
{
public:
  ToolBarEdgeStyle() : QProxyStyle(QStringLiteral("fusion")) {}

  void drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                   const QWidget *widget) const override
  {
    const auto *bar = qstyleoption_cast<const QStyleOptionToolBar *>(option);
    if (element != CE_ToolBar || !bar || !paintsAsPixels(painter)
        || (widget && !qobject_cast<const QMainWindow *>(widget->parentWidget()))) {
      QProxyStyle::drawControl(element, option, painter, widget);
      return;
    }
    drawMainWindowToolBar(*bar, painter);
  }

private:
  // A one-pixel line and a one-pixel rectangle cover the same pixels only
  // while a logical pixel is a device pixel and edges are not smoothed.
  static bool paintsAsPixels(const QPainter *painter)
  {
    return painter->deviceTransform().type() <= QTransform::TxTranslate
           && !painter->testRenderHint(QPainter::Antialiasing);
  }

  // Fusion's tool bar, line for line: the same gradient, and each of its
  // edge lines (a pixel wide, both ends included) as a rectangle.
  static void drawMainWindowToolBar(const QStyleOptionToolBar &bar, QPainter *painter)
  {
    const QRect &rect = bar.rect;
    QLinearGradient gradient(rect.topLeft(), rect.bottomLeft());
    if (!(bar.state & State_Horizontal))
      gradient = QLinearGradient(rect.left(), rect.center().y(), rect.right(), rect.center().y());
    gradient.setColorAt(0, bar.palette.window().color().lighter(104));
    gradient.setColorAt(1, bar.palette.window().color());
    painter->fillRect(rect, gradient);

    const auto row = [painter, &rect](int y, const QColor &color) {
      painter->fillRect(QRect(rect.left(), y, rect.width(), 1), color);
    };
    const auto column = [painter, &rect](int x, const QColor &color) {
      painter->fillRect(QRect(x, rect.top(), 1, rect.height()), color);
    };
    const QStyleOptionToolBar::ToolBarPosition line = bar.positionOfLine;
    const bool beginning = line == QStyleOptionToolBar::Beginning;
    const bool middle = line == QStyleOptionToolBar::Middle;
    const bool end = line == QStyleOptionToolBar::End;
    const bool onlyOne = line == QStyleOptionToolBar::OnlyOne;
    switch (bar.toolBarArea) {
    case Qt::TopToolBarArea:
      // The last row of top tool bars meets the workspace with a double line.
      if (end || onlyOne) {
        row(rect.bottom(), lightShade);
        row(rect.bottom() - 1, darkShade);
      } else {
        row(rect.bottom(), darkShade);
      }
      row(rect.top(), lightShade);
      break;
    case Qt::BottomToolBarArea:
      if (end || middle)
        row(rect.bottom(), darkShade);
      // The first row of bottom tool bars meets the status bar with a double line.
      if (beginning || onlyOne) {
        row(rect.bottom() - 1, darkShade);
        row(rect.bottom(), lightShade);
      }
      if (end) {
        row(rect.top(), darkShade);
        row(rect.top() + 1, lightShade);
      } else {
        row(rect.top(), lightShade);
      }
      break;
    case Qt::LeftToolBarArea:
      if (middle || end)
        column(rect.left(), lightShade);
      if (end) {
        column(rect.right() - 1, darkShade);
        column(rect.right(), lightShade);
      } else {
        column(rect.right(), darkShade);
      }
      break;
    case Qt::RightToolBarArea:
      if (middle || end)
        column(rect.right(), darkShade);
      if (end || onlyOne) {
        column(rect.left(), darkShade);
        column(rect.left() + 1, lightShade);
      } else {
        column(rect.left(), lightShade);
      }
      break;
    default:
      break;
    }
  }
};

} // namespace

QStyle *toolBarEdgeStyle()
{
  static QPointer<QStyle> style;
  if (!style) {
    style = new ToolBarEdgeStyle;
    // Gone with the application, as its own style is.
    style->setParent(qApp);
  }
  return style;
}

bool paintToolBarEdgesOnGuiThread(QToolBar *bar)
{
  if (!bar || QApplication::style()->name().compare(QStringLiteral("fusion"), Qt::CaseInsensitive) != 0)
    return false;
  bar->setStyle(toolBarEdgeStyle());
  return true;
}

} // namespace vz
