#pragma once
// The column of every editing grid. It builds the in-place editor of a cell
// itself: a single-line edit (the default), a combo box filled from an item
// list, or a check box with a caption. It can also carry a picture or a button
// in its title, and reports its width in pixels.
#include "platform/dbftable.h"

#include <QColor>
#include <QPixmap>
#include <QPointer>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QTableView>
#include <QVariant>

namespace vz {

// The field a column edits: the table's own field descriptor (name, type,
// length and decimals), as the typed edits take it.
using FieldSpec = DbfField;

class JQDATACOLUMN {
public:
  enum class EditorKind { None, SINGLELINEEDIT, COMBOBOX, CHECKBOX };

  // width: in characters, as the grids give it.
  explicit JQDATACOLUMN(int width = 17);

  int WIDTH() const { return m_width; }
  void setWIDTH(int characters) { m_width = characters; }
  QString CAPTION() const { return m_caption; }
  void setCAPTION(const QString &caption) { m_caption = caption; }
  // The name of the grid field the column is bound to (its hyperlabel).
  QString fieldName() const { return m_fieldName; }
  void setFieldName(const QString &name) { m_fieldName = name; }
  void setFieldSpec(const FieldSpec &spec) { m_fieldSpec = spec; m_hasFieldSpec = true; }
  bool hasFieldSpec() const { return m_hasFieldSpec; }
  FieldSpec fieldSpec() const { return m_fieldSpec; }

  // The column's current value (of the focus cell), given to a new editor.
  QVariant VALUE() const { return m_value; }
  void setVALUE(const QVariant &value) { m_value = value; }

  // Chooses the editor kind; None means a single-line edit. For COMBOBOX,
  // `extra` is the item list (empty when not a list); for CHECKBOX a text
  // `extra` is the caption, otherwise the column's caption at this moment.
  EditorKind CONTROLSYM(EditorKind kind = EditorKind::None, const QVariant &extra = QVariant());
  EditorKind editorKind() const { return m_kind; }
  QStringList CBARRAY() const { return m_items; }
  QStringList setCBARRAY(const QStringList &items) { m_items = items; return m_items; }
  QString checkBoxCaption() const { return m_checkCaption; }

  // Builds the editor for a cell at `cellRect` (owner coordinates), not yet
  // shown, holding VALUE(). The caller owns it. A combo box keeps the cell's
  // top edge and gets 100 pixels of list below it.
  QWidget *GETEDITOBJECT(QWidget *owner, int id, const QRect &cellRect);

  // Editor colours: distinct, so typed text stays readable.
  static QColor editorBackground() { return QColor(255, 255, 225); }
  static QColor editorText() { return QColor(0, 0, 0); }

  // A picture in the column title (empty name: none). Returns nothing useful;
  // an unknown picture name leaves the title without picture.
  void SETFIELDBMP(const QString &bitmapName = QString(), quint32 a = 0, int b = 0, int c = 0,
                   int d = 0, int e = 0, bool flag = false);
  // A button in the column title with the given text and picture.
  void SETFIELDBUTTON(int a = 2, int b = 0, const QString &text = QStringLiteral("*"),
                      quint32 c = 8, const QString &bitmapName = QString(), quint32 d = 0,
                      int e = 0, int f = 0, int g = 0, int h = 0, bool flag = false);
  QPixmap titlePicture() const { return m_titlePicture; }
  QString titleButtonText() const { return m_titleButtonText; }
  bool hasTitleButton() const { return m_titleButton; }

  // The grid column this object describes, for PXLWIDTH.
  void attach(QTableView *view, int section) { m_view = view; m_section = section; }
  // The column's current width in pixels: the grid's column width when
  // attached, otherwise the character width in the default font.
  int PXLWIDTH() const;

private:
  int m_width;
  QString m_caption;
  QString m_fieldName;
  FieldSpec m_fieldSpec;
  bool m_hasFieldSpec = false;
  QVariant m_value;
  EditorKind m_kind = EditorKind::None;
  QStringList m_items;
  QString m_checkCaption;
  QPixmap m_titlePicture;
  QString m_titleButtonText;
  bool m_titleButton = false;
  QPointer<QTableView> m_view;
  int m_section = -1;
};

} // namespace vz
