#pragma once
// The report editor's text control: rich text, a context menu that its report
// window supplies, Escape closes the report window, and toggles for bold,
// italic and underline of the selection.
//
// Pasting takes only what the clipboard really holds: with an empty clipboard
// (as after a desktop session starts) every route (keys, menus, middle click)
// does nothing, because Qt's own text control may fault when asked to insert
// from a clipboard without data.
#include <QMenu>
#include <QPointer>
#include <QTextEdit>

namespace vz {

class JQRICHEDIT : public QTextEdit {
  Q_OBJECT
public:
  explicit JQRICHEDIT(QWidget *parent = nullptr);

  // The menu shown on a right click (the report editor's ED_CONT_MENU); the
  // control does not own it. Without one the control's own menu is shown.
  void setContextMenu(QMenu *menu) { m_contextMenu = menu; }
  QMenu *contextMenu() const { return m_contextMenu; }

  // The window that Escape closes; by default the enclosing sub-window or
  // top-level window.
  void setOwnerWindow(QWidget *owner) { m_owner = owner; }

  enum Effect { Bold = 1, Italic = 2, Underline = 4 };
  // Toggles one effect of the selection: all on -> off, all off -> on, mixed
  // -> unchanged. With no selection the word at the caret is used.
  void SETEFFECT(int effect);
  void SETBOLD() { SETEFFECT(Bold); }
  void SETITALIC() { SETEFFECT(Italic); }
  void SETUNDERLINE() { SETEFFECT(Underline); }

  // Pastes the clipboard's text; nothing when it holds none.
  void PASTE();
  // True when `source` holds something this control can take.
  static bool hasPasteData(const QMimeData *source);

protected:
  void keyPressEvent(QKeyEvent *event) override;
  void contextMenuEvent(QContextMenuEvent *event) override;
  void mouseReleaseEvent(QMouseEvent *event) override;
  bool canInsertFromMimeData(const QMimeData *source) const override;
  void insertFromMimeData(const QMimeData *source) override;

private:
  QPointer<QMenu> m_contextMenu;
  QPointer<QWidget> m_owner;
};

} // namespace vz
