#pragma once
// An edit that hands its text to its owner as a search: on a double click,
// and on the magnifier button at its right end unless the edit is read-only.
// The owner connects to `search`.
#include "rightsle.h"
#include "wmbitmapbutton.h"

namespace vz {

class SEARCHSLE;

// The magnifier button of SEARCHSLE (id 10103).
class SEARCHPB : public WMBITMAPBUTTON {
  Q_OBJECT
public:
  static constexpr int Id = 10103;
  SEARCHPB(QWidget *owner, SEARCHSLE *edit);
  SEARCHSLE *edit() const { return m_edit; }

private:
  SEARCHSLE *m_edit;
};

class SEARCHSLE : public RIGHTSLE {
  Q_OBJECT
public:
  explicit SEARCHSLE(QWidget *owner = nullptr);

  SEARCHPB *button() const { return m_button; }

  // Hands the current text to the owner.
  void MOUSEBUTTONDOUBLECLICK();

signals:
  void search(vz::SEARCHSLE *edit, const QString &text);

protected:
  void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
  SEARCHPB *m_button;
};

} // namespace vz
