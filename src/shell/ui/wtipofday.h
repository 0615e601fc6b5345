#pragma once
// The tip of the day at start: the 44 tips with their "&Daha fazla bilgi" box.
#include "controls/wintipofday.h"
#include <memory>

namespace vz {

class Interaction;

// CREATETIPARRAY: the 44 tip rows, each under "Biliyor muydunuz?".
QList<TipRow> CREATETIPARRAY();

class WTIPOFDAY : public WINTIPOFDAY {
  Q_OBJECT
public:
  // The box goes through `messages` (the window's own when null).
  explicit WTIPOFDAY(QWidget *owner = nullptr, Interaction *messages = nullptr);
  ~WTIPOFDAY() override;

public slots:
  void PBMORE() override { MOREINFO(); }
  void MOREINFO() override;

private:
  Interaction *m_messages;
  std::unique_ptr<Interaction> m_ownMessages;
};

} // namespace vz
