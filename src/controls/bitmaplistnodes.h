#pragma once
// The rows of a bitmap list box as data: each node has an id of its own (the
// first 2, then 3, ...; never reused, not even after the list is cleared), a
// text, a value of the caller's and an image. Nodes are kept in id order, so
// a node is found by halving. The list box keeps, beside them, the order in
// which the rows are shown.
//
// Also here: how a row is drawn in each drawing situation, where a row's
// icon goes, and where a centred block of text starts.
#include <QList>
#include <QRect>
#include <QString>
#include <QVariant>

namespace vz {

struct BitmapListNode {
  enum Kind { NoImage = 0, Bitmap = 1, Icon = 2, BitmapFile = 4 };
  int id = 0;
  QString text;
  QVariant value;
  QVariant image;     // a QPixmap (Bitmap) or a QIcon (Icon)
  int kind = NoImage;
  QString imageFile;  // BitmapFile
};

class BitmapListNodes {
public:
  // Appends a node with the next id and answers the id.
  int add(const QString &text, const QVariant &value = QVariant(), const QVariant &image = QVariant(),
          int kind = BitmapListNode::NoImage, const QString &imageFile = QString());
  // 1-based position of the node with this id; 0 when there is none.
  int seek(int id) const;
  const BitmapListNode *find(int id) const;
  BitmapListNode *find(int id);
  // The id of the first node whose value equals `value`; 0 when none has it.
  int idOfValue(const QVariant &value) const;
  bool remove(int id);
  void clear() { m_nodes.clear(); }  // the id counter goes on
  bool isEmpty() const { return m_nodes.isEmpty(); }
  int size() const { return int(m_nodes.size()); }
  const QList<BitmapListNode> &nodes() const { return m_nodes; }

private:
  QList<BitmapListNode> m_nodes;
  int m_lastId = 1;
};

// How one row is drawn, after the list box's owner-draw rules: the action
// asked for and the row's state decide whether anything is drawn, with the
// highlight colours or not, with a focus rectangle or not, and whether the row
// becomes the active one. The effect: the active row keeps its highlight while
// the control does not have the focus.
struct BitmapRowDrawing {
  enum Action { DrawEntire = 1, Select = 2, Focus = 4 };
  enum State { Selected = 0x0001, HasFocus = 0x0010 };

  bool draw = false;
  bool highlighted = false;
  bool focusRect = false;
  bool becomesActive = false;
  int result = 0;  // what the owner-draw call answers

  static BitmapRowDrawing decide(int action, int state, bool controlHasFocus, bool mouseButtonDown,
                                 bool rowIsActive);
};

// Where an icon goes in a row's image cell: at its natural 32 x 32 centred on
// the cell, or, when the cell is smaller, scaled down to the cell's smaller
// side and centred, so it never spills over the row.
QRect bitmapListIconRect(const QRect &cell, int iconSize = 32);
// Where a bitmap goes: at the cell's corner, scaled down (keeping its shape)
// when it is larger than the cell.
QRect bitmapListImageRect(const QRect &cell, const QSize &imageSize);
// The top of a block of text `measuredHeight` high centred in a rectangle;
// above the rectangle's top when the text is the higher.
int centredTextTop(int rectTop, int rectHeight, int measuredHeight);

} // namespace vz
