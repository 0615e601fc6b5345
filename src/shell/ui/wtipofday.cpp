#include "wtipofday.h"

#include "problem/ui/qtinteraction.h"
#include "shell/tipsoftheday.h"

namespace vz {

QList<TipRow> CREATETIPARRAY()
{
  QList<TipRow> rows;
  for (const QString &text : TipsOfTheDay::texts())
    rows.append({TipsOfTheDay::heading(), text, true});
  return rows;
}

WTIPOFDAY::WTIPOFDAY(QWidget *owner, Interaction *messages) : WINTIPOFDAY(owner), m_messages(messages)
{
  setObjectName(QStringLiteral("WTIPOFDAY"));
  if (!m_messages) {
    m_ownMessages = std::make_unique<QtInteraction>(this);
    m_messages = m_ownMessages.get();
  }
}

WTIPOFDAY::~WTIPOFDAY() = default;

void WTIPOFDAY::MOREINFO()
{
  m_messages->information(TipsOfTheDay::moreInfoText(), TipsOfTheDay::moreInfoCaption());
}

} // namespace vz
