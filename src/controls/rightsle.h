#pragma once
// The edit that the date, file-name, search and timer edits build on: a
// single-line edit that may own a small companion button at its right end
// (kept here so every subclass finds it in one place), and whose ENABLE and
// DISABLE switch it between writable and read-only, as the subclasses' own
// buttons and double clicks ask.
#include <QLineEdit>
#include <QPointer>

class QAbstractButton;

namespace vz {

class RIGHTSLE : public QLineEdit {
  Q_OBJECT
public:
  explicit RIGHTSLE(QWidget *owner = nullptr);

  // The button a subclass placed beside the edit; null when none.
  QAbstractButton *companionButton() const { return m_companion; }

  // Writable / read-only (the edit stays enabled, so its text can be read
  // and copied).
  void ENABLE();
  void DISABLE();

  // The system's simple beep, for a key the edit refuses.
  static void INVALIDACTION();

protected:
  void setCompanionButton(QAbstractButton *button) { m_companion = button; }

private:
  QPointer<QAbstractButton> m_companion;
};

} // namespace vz
