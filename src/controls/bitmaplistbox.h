#pragma once
// A list box whose rows are nodes: each row shows a small image (a picture,
// an icon or a picture file) at its left and one or more lines of text beside
// it, and carries a value of the caller's. Rows are added and removed by node
// id; Delete removes the active row (unless BONDELETE refuses), Up and Down
// move through the rows, and a double click hands the row's value to
// BONMOUSEDBLCLK. The list's empty area is light grey, on this control only.
#include "controls/bitmaplistnodes.h"

#include <QHash>
#include <QListWidget>
#include <QPixmap>

#include <functional>
#include <optional>

namespace vz {

class BITMAPLISTBOX : public QListWidget {
  Q_OBJECT
public:
  explicit BITMAPLISTBOX(QWidget *parent = nullptr);
  ~BITMAPLISTBOX() override;

  // Settings the caller reads and writes directly; after changing the cell
  // size or MULTILINE, REFRESH.
  int NDROPINDEX = 0;
  int NACTIVEINDEX = 0;   // the active row; follows the current row
  bool LCANACTIVATE = true;   // kept for callers
  bool LDRAGDROPON = true;    // kept for callers
  std::function<void(BITMAPLISTBOX *, const QVariant &)> BONMOUSEDROP;  // kept for callers
  std::function<bool(BITMAPLISTBOX *)> BONDELETE;   // true keeps the node
  std::function<void(BITMAPLISTBOX *)> BONMOVENODE; // kept for callers
  std::function<void(BITMAPLISTBOX *, const QVariant &)> BONMOUSEDBLCLK;
  int NBITMAPHEIGHT = 16;  // row height and image cell height
  int NBITMAPWIDTH = 20;   // image cell width; the text starts 2 pixels after it
  bool MULTILINE = false;  // ";" starts a new line

  const QList<BitmapListNode> &ALISTBOX() const { return m_nodes.nodes(); }
  bool EMPTY() const { return m_nodes.isEmpty(); }

  // Adds a node and its row (at `listPosition`, 0-based, or at the end when
  // none is given, or it is -1 or past the last row) and answers its id.
  int ADDNODE(const QString &text, const QVariant &value = QVariant(),
              const QVariant &image = QVariant(), int kind = BitmapListNode::NoImage,
              const QString &imageFile = QString(), std::optional<int> listPosition = std::nullopt);
  // Removes the node with this id and its row (without an id: the active
  // one), unless BONDELETE answers true. False when nothing was removed.
  bool REMOVENODE(std::optional<int> id = std::nullopt);
  void LISTCLEAR();

  int GETACTIVEID() const;          // -1 without an active row
  QVariant GETACTIVEVALUE() const;  // an empty text when there is no node
  int GETDROPPEDID() const;
  QVariant GETDROPPEDVALUE() const;
  void SETACTIVETEXT(const QString &text);
  void SETACTIVEVALUE(const QVariant &value);

  // The node's id and row for a value; 0 / -1 when no node has it.
  int idOfValue(const QVariant &value) const { return m_nodes.idOfValue(value); }
  int rowOfId(int id) const;
  const BitmapListNode *node(int id) const { return m_nodes.find(id); }

  void REDRAW(bool on) { setUpdatesEnabled(on); }
  void REFRESH();

  // The picture of a picture-file node, read once and kept.
  QPixmap fileImage(const QString &fileName) const;
  int fileImageReads() const { return m_fileReads; }
  bool mouseButtonDown() const { return m_mouseDown; }

protected:
  void keyPressEvent(QKeyEvent *event) override;
  void mousePressEvent(QMouseEvent *event) override;
  void mouseReleaseEvent(QMouseEvent *event) override;
  void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
  int idAtRow(int row) const;

  BitmapListNodes m_nodes;
  mutable QHash<QString, QPixmap> m_fileImages;
  mutable int m_fileReads = 0;
  bool m_mouseDown = false;
};

} // namespace vz
