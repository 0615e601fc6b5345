#pragma once
// Finds the texts of a window that do not fit: labels, buttons, check boxes,
// radio buttons, group box titles, tabs, header sections and list items
// narrower than their text, and widgets cut off by the window or box that
// holds them.
#include <QAbstractButton>
#include <QAbstractItemModel>
#include <QAbstractItemView>
#include <QAbstractScrollArea>
#include <QCheckBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>

namespace vz::test {

inline QString plainText(QString text)
{
  text.remove(QRegularExpression(QStringLiteral("&(?!&)")));
  return text;
}

inline int widestLine(const QFontMetrics &fm, const QString &text)
{
  int w = 0;
  for (const QString &line : text.split(QLatin1Char('\n')))
    w = qMax(w, fm.horizontalAdvance(line));
  return w;
}

inline QString describe(const QWidget *w, const QString &text)
{
  return QStringLiteral("%1 \"%2\"").arg(QString::fromLatin1(w->metaObject()->className()), text);
}

// Whether `w` is cut off by one of its parents up to `top` (a scrolled view
// shows part of what it holds by design).
inline bool cutOff(const QWidget *w, const QWidget *top)
{
  const QWidget *child = w;
  QRect r = w->rect();
  while (child != top && child->parentWidget()) {
    const QWidget *parent = child->parentWidget();
    if (qobject_cast<const QAbstractScrollArea *>(parent->parentWidget())
        && parent == static_cast<const QAbstractScrollArea *>(parent->parentWidget())->viewport())
      return false;
    r.translate(child->pos());
    if (!parent->rect().contains(r))
      return true;
    child = parent;
  }
  return false;
}

inline void checkHeader(const QHeaderView *header, QStringList &faults)
{
  const QAbstractItemModel *model = header->model();
  if (!model || !header->isVisible())
    return;
  const int margin = 2 * header->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header);
  const int count = header->orientation() == Qt::Horizontal ? model->columnCount() : model->rowCount();
  for (int i = 0; i < count; ++i) {
    if (header->isSectionHidden(i))
      continue;
    const QString text = model->headerData(i, header->orientation(), Qt::DisplayRole).toString();
    if (text.trimmed().isEmpty())
      continue;
    const QVariant fontData = model->headerData(i, header->orientation(), Qt::FontRole);
    QFont font = fontData.isValid() ? fontData.value<QFont>() : header->font();
    // The current cell's section is drawn in bold.
    if (header->highlightSections())
      font.setBold(true);
    const int need = widestLine(QFontMetrics(font), text) + margin;
    const int has = header->orientation() == Qt::Horizontal ? header->sectionSize(i) : header->width();
    if (has < need)
      faults.append(QStringLiteral("header section %1 \"%2\": %3 < %4").arg(i).arg(text).arg(has).arg(need));
  }
}

// Every item of a list shows whole, without scrolling sideways to its end.
inline void checkListItems(const QListView *list, QStringList &faults)
{
  const QAbstractItemModel *model = list->model();
  if (!model)
    return;
  const int margin = 2 * (list->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, list) + 1);
  const int room = list->viewport()->width();
  for (int row = 0; row < model->rowCount(list->rootIndex()); ++row) {
    const QModelIndex index = model->index(row, list->modelColumn(), list->rootIndex());
    const QString text = index.data().toString();
    const int need = list->fontMetrics().horizontalAdvance(text.trimmed()) + margin;
    const QRect shown = list->visualRect(index);
    if (shown.width() < need || need > room)
      faults.append(QStringLiteral("list item \"%1\": %2 of %3 shown").arg(text.trimmed())
                        .arg(qMin(room, shown.width())).arg(need));
  }
}

inline int buttonTextNeed(const QAbstractButton *b)
{
  const QString text = plainText(b->text());
  int need = widestLine(b->fontMetrics(), text);
  if (!b->icon().isNull())
    need += b->iconSize().width() + 4;
  if (qobject_cast<const QCheckBox *>(b) || qobject_cast<const QRadioButton *>(b))
    return b->minimumSizeHint().width();
  QStyleOptionButton opt;
  opt.initFrom(b);
  const int frame = b->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &opt, b);
  const int margin = b->style()->pixelMetric(QStyle::PM_ButtonMargin, &opt, b);
  return need + 2 * frame + margin;
}

// The faults of the widgets `top` shows now.
inline QStringList textFaults(QWidget *top)
{
  QStringList faults;
  QList<QWidget *> widgets = top->findChildren<QWidget *>();
  widgets.prepend(top);
  for (QWidget *w : widgets) {
    if (!w->isVisibleTo(top) || w->window() != top->window())
      continue;
    QString fault;
    if (auto *label = qobject_cast<QLabel *>(w)) {
      if (label->text().isEmpty() || label->wordWrap())
        continue;
      const QSize need = label->sizeHint();
      if (label->width() < need.width() || label->height() < need.height() - 2)
        fault = QStringLiteral("%1x%2 < %3x%4").arg(label->width()).arg(label->height())
                    .arg(need.width()).arg(need.height());
      else if (cutOff(label, top))
        fault = QStringLiteral("cut off");
      if (!fault.isEmpty())
        faults.append(describe(w, label->text()) + QLatin1Char(' ') + fault);
    } else if (auto *button = qobject_cast<QAbstractButton *>(w)) {
      if (button->text().isEmpty() || qobject_cast<QToolButton *>(w))
        continue;
      const int need = buttonTextNeed(button);
      if (button->width() < need)
        faults.append(describe(w, button->text()) + QStringLiteral(" %1 < %2").arg(button->width()).arg(need));
      else if (cutOff(button, top))
        faults.append(describe(w, button->text()) + QStringLiteral(" cut off"));
    } else if (auto *box = qobject_cast<QGroupBox *>(w)) {
      const QSize need = box->minimumSizeHint();
      if (box->width() < need.width() || box->height() < need.height())
        faults.append(describe(w, box->title()) + QStringLiteral(" %1x%2 < %3x%4").arg(box->width())
                          .arg(box->height()).arg(need.width()).arg(need.height()));
      else if (cutOff(box, top))
        faults.append(describe(w, box->title()) + QStringLiteral(" cut off"));
    } else if (auto *bar = qobject_cast<QTabBar *>(w)) {
      for (int i = 0; i < bar->count(); ++i) {
        const QString text = plainText(bar->tabText(i));
        const QRect r = bar->tabRect(i);
        if (r.width() < bar->fontMetrics().horizontalAdvance(text) + 8 || !bar->rect().contains(r))
          faults.append(describe(w, text) + QStringLiteral(" tab %1").arg(r.width()));
      }
    } else if (auto *header = qobject_cast<QHeaderView *>(w)) {
      checkHeader(header, faults);
    } else if (auto *list = qobject_cast<QListView *>(w)) {
      checkListItems(list, faults);
    }
  }
  return faults;
}

// textFaults() over every page of every tab widget of `top`.
inline QStringList textFaultsOnEveryPage(QWidget *top)
{
  QStringList faults = textFaults(top);
  for (QTabWidget *tabs : top->findChildren<QTabWidget *>()) {
    const int current = tabs->currentIndex();
    for (int i = 0; i < tabs->count(); ++i) {
      tabs->setCurrentIndex(i);
      QCoreApplication::processEvents();
      faults += textFaults(top);
    }
    tabs->setCurrentIndex(current);
  }
  faults.removeDuplicates();
  return faults;
}

} // namespace vz::test
