#include "jqdatacolumn.h"
#include "windowicons.h"
#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QLineEdit>
#include <QPalette>
#include <QTableView>

namespace vz {

JQDATACOLUMN::JQDATACOLUMN(int width) : m_width(width) {}

JQDATACOLUMN::EditorKind JQDATACOLUMN::CONTROLSYM(EditorKind kind, const QVariant &extra)
{
  m_kind = kind == EditorKind::None ? EditorKind::SINGLELINEEDIT : kind;
  if (m_kind == EditorKind::COMBOBOX) {
    m_items = extra.canConvert<QStringList>() && extra.isValid() ? extra.toStringList()
                                                                  : QStringList();
  } else if (extra.typeId() == QMetaType::QString) {
    m_checkCaption = extra.toString();
  } else {
    m_checkCaption = m_caption;
  }
  return m_kind;
}

QWidget *JQDATACOLUMN::GETEDITOBJECT(QWidget *owner, int id, const QRect &cellRect)
{
  if (m_kind == EditorKind::None)
    m_kind = EditorKind::SINGLELINEEDIT;

  QWidget *editor = nullptr;
  switch (m_kind) {
  case EditorKind::COMBOBOX: {
    auto *combo = new QComboBox(owner);
    if (!m_items.isEmpty())
      combo->addItems(m_items);
    combo->setEditable(true);
    combo->setGeometry(cellRect);
    // The list opens below the cell with 100 pixels of room.
    combo->view()->setMinimumHeight(100);
    combo->view()->setMaximumHeight(100);
    combo->setCurrentText(m_value.toString());
    editor = combo;
    break;
  }
  case EditorKind::CHECKBOX: {
    auto *box = new QCheckBox(m_checkCaption, owner);
    box->setGeometry(cellRect);
    box->setFocusPolicy(Qt::StrongFocus);
    const QVariant v = m_value;
    const QString t = v.toString().trimmed().toUpper();
    box->setChecked(v.typeId() == QMetaType::Bool ? v.toBool()
                                                  : (t == QLatin1String("T") || t == QLatin1String("Y")
                                                     || t == QLatin1String("1")));
    editor = box;
    break;
  }
  default: {
    auto *edit = new QLineEdit(owner);
    edit->setGeometry(cellRect);
    edit->setFrame(false);  // flat in the cell
    if (m_hasFieldSpec && m_fieldSpec.length > 0)
      edit->setMaxLength(m_fieldSpec.length);
    edit->setText(m_value.toString());
    editor = edit;
    break;
  }
  }
  editor->setObjectName(QStringLiteral("vzCellEditor%1").arg(id));
  editor->setProperty("vzControlId", id);
  editor->setAccessibleName(m_caption);
  QPalette pal = editor->palette();
  pal.setColor(QPalette::Base, editorBackground());
  pal.setColor(QPalette::Window, editorBackground());
  pal.setColor(QPalette::Text, editorText());
  pal.setColor(QPalette::WindowText, editorText());
  editor->setPalette(pal);
  editor->setAutoFillBackground(true);
  if (owner)
    editor->setFont(owner->font());
  editor->hide();
  return editor;
}

void JQDATACOLUMN::SETFIELDBMP(const QString &bitmapName, quint32, int, int, int, int, bool)
{
  m_titlePicture = bitmapName.isEmpty() ? QPixmap() : resourceIcon(bitmapName).pixmap(16, 16);
}

void JQDATACOLUMN::SETFIELDBUTTON(int, int, const QString &text, quint32,
                                  const QString &bitmapName, quint32, int, int, int, int, bool)
{
  m_titleButton = true;
  m_titleButtonText = text;
  if (!bitmapName.isEmpty())
    m_titlePicture = resourceIcon(bitmapName).pixmap(16, 16);
}

int JQDATACOLUMN::PXLWIDTH() const
{
  if (m_view && m_section >= 0)
    return m_view->columnWidth(m_section);
  return QFontMetrics(QApplication::font()).averageCharWidth() * m_width;
}

} // namespace vz
