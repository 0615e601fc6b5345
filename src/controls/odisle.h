#pragma once
// A single-line edit that takes the keyboard input itself by its type: "N" a
// number with sign, "," grouping and fixed decimals (SETLEN sets the places),
// "D" a date on the picture "  .  .    " with stepping keys, anything else a
// plain edit. The decisions are TypedEntry's; the edit feeds it the keys,
// pasted text and the input method's text, and beeps for what it refuses.
#include "typedentry.h"

#include <QLineEdit>

namespace vz {

class ODI_SLE : public QLineEdit {
  Q_OBJECT
public:
  explicit ODI_SLE(QWidget *owner = nullptr, const QString &type = QStringLiteral("N"));

  void SLE_TYPE(const QString &type);
  QString type() const { return m_type; }

  bool SETLEN(int total = 10, int decimals = 0) { return m_entry.SETLEN(total, decimals); }
  bool SETBUFFER(const QString &text) { return m_entry.SETBUFFER(text); }
  QString buffer() const { return m_entry.buffer(); }
  int decimals() const { return m_entry.decimals(); }
  int integerDigits() const { return m_entry.integerDigits(); }
  int length() const { return m_entry.length(); }

  // A caret position of the shown text turned into one of the buffer, or
  // back (see TypedEntry::SETPOS).
  int SETPOS(int position, bool toBuffer = false) const
  {
    return TypedEntry::SETPOS(text(), position, toBuffer);
  }

protected:
  void keyPressEvent(QKeyEvent *event) override;
  void inputMethodEvent(QInputMethodEvent *event) override;
  void contextMenuEvent(QContextMenuEvent *event) override;
  void mouseReleaseEvent(QMouseEvent *event) override;

private:
  bool typed() const { return m_entry.mode() != TypedEntry::Mode::Plain; }
  void apply(const TypedEntry::Step &step);
  void pressKey(TypedEntry::Key key, QChar c = QChar());
  void pasteTyped();
  void cutTyped();

  QString m_type;
  TypedEntry m_entry;
};

} // namespace vz
