#include "qtinteraction.h"
#include "achoice.h"
#include "actalert.h"
#include "cb_hsec.h"
#include "colonmaths.h"
#include "grparmgir_win.h"
#include "marktopbot.h"
#include "mbm_wind.h"
#include "messages.h"
#include "vzyrhakkinda.h"
#include "yenidosyawindow.h"
#include "controls/windowicons.h"
#include <QMainWindow>
#include <QMessageBox>
#include <QPushButton>
#include <QStatusBar>

namespace vz {

void QtInteraction::errorMessage(const QString &text, const QString &caption)
{
  ERRMESS(m_owner, caption, text);
}

void QtInteraction::warning(const QString &text, const QString &caption)
{
  UYARI(m_owner, caption, text);
}

void QtInteraction::information(const QString &text, const QString &caption)
{
  TEXTBOX(m_owner, caption.isNull() ? QStringLiteral("Mesaj") : caption, text,
          MbIconInformation | MbOk);
}

bool QtInteraction::askYesNo(const QString &text, const QString &caption)
{
  return TEXTBOX(m_owner, caption, text, MbIconQuestion | MbYesNo) == IdYes;
}

bool QtInteraction::askYesNoDefaultNo(const QString &text, const QString &caption)
{
  return TEXTBOX(m_owner, caption, text, MbIconQuestion | MbYesNo | MbDefButton2) == IdYes;
}

bool QtInteraction::askYesNoWithIcon(const QString &text, const QString &caption, Icon icon)
{
  int type = MbYesNo;
  switch (icon) {
  case Icon::Stop: type |= MbIconStop; break;
  case Icon::Exclamation: type |= MbIconExclamation; break;
  case Icon::Information: type |= MbIconInformation; break;
  case Icon::Question: type |= MbIconQuestion; break;
  }
  return TEXTBOX(m_owner, caption, text, type) == IdYes;
}

Interaction::Answer QtInteraction::askYesNoCancel(const QString &text, const QString &caption)
{
  switch (TEXTBOX(m_owner, caption, text, MbIconQuestion | MbYesNoCancel)) {
  case IdYes: return Answer::Yes;
  case IdNo: return Answer::No;
  default: return Answer::Cancel;
  }
}

Interaction::ChangedOnDisk QtInteraction::askChangedOnDisk(const QString &text, const QString &caption)
{
  QMessageBox box(m_owner);
  box.setWindowTitle(caption);
  box.setWindowIcon(VSKTOD());
  box.setIcon(QMessageBox::Warning);
  box.setTextFormat(Qt::PlainText);
  box.setText(text);
  QPushButton *over = box.addButton(QStringLiteral("&Üzerine Yaz"), QMessageBox::YesRole);
  QPushButton *discard = box.addButton(QStringLiteral("&Benimkileri At"), QMessageBox::NoRole);
  QPushButton *cancel = box.addButton(QStringLiteral("&İptal"), QMessageBox::RejectRole);
  // A stray Enter must neither throw work away nor overwrite someone's.
  box.setDefaultButton(cancel);
  box.setEscapeButton(cancel);
  box.exec();
  if (box.clickedButton() == over)
    return ChangedOnDisk::WriteOver;
  if (box.clickedButton() == discard)
    return ChangedOnDisk::DiscardMine;
  return ChangedOnDisk::Cancel;
}

void QtInteraction::showPleaseWait() { AALERT(m_owner); }
void QtInteraction::closePleaseWait() { destroyPleaseWait(); }
void QtInteraction::errorBeep() { ERRBEEP(); }
void QtInteraction::doneBeep() { DONEBEEP(); }

void QtInteraction::statusMessage(const QString &text)
{
  if (!m_owner)
    return;
  if (auto *main = qobject_cast<QMainWindow *>(m_owner->window()))
    main->statusBar()->showMessage(text);
}

std::optional<ReportParameters> QtInteraction::askReportParameters(RationProblem &problem)
{
  GRPARMGIR_WIN dialog(m_owner, problem);
  dialog.exec();
  if (dialog.RESULT() == 0)
    return std::nullopt;
  return ReportParameters{dialog.CHAYSAX(), dialog.CPBIRIX(), dialog.CABIRIX()};
}

int QtInteraction::chooseOne(const QString &caption, const QStringList &items)
{
  ACHOICE dialog(m_owner, caption, items);
  dialog.exec();
  return int(dialog.NSELECTED());
}

QList<int> QtInteraction::chooseMany(const QString &caption, const QStringList &items,
                                     bool offerSelectAll)
{
  MARKTOPBOT dialog(m_owner, caption, items, offerSelectAll);
  dialog.exec();
  return dialog.ANSELECTED();
}

QString QtInteraction::askValue(const QString &prompt, const QString &preset)
{
  MBM_WIND dialog(m_owner, prompt, preset);
  dialog.exec();
  return dialog.CTXTVAL();
}

QString QtInteraction::askNewProblemName()
{
  YENIDOSYAWINDOW dialog(m_owner);
  dialog.exec();
  return dialog.CDOSYA();
}

ColumnOperation QtInteraction::askColumnArithmetic(const QStringList &fieldNames)
{
  COLONMATHS dialog(m_owner, fieldNames);
  dialog.exec();
  return ColumnOperation{dialog.COPERAT(), dialog.CVALUEX(), dialog.CVTYPE()};
}

void QtInteraction::showAbout()
{
  VZYRHAKKINDA dialog(m_owner);
  dialog.exec();
}

LogOnAnswer QtInteraction::logOn(const QString &)
{
  return LogOnAnswer();
}

NamePairing QtInteraction::askNamePairing(const QString &name, const QStringList &candidates)
{
  CB_HSEC dialog(m_owner, name, candidates);
  dialog.exec();
  switch (dialog.RESULT()) {
  case 1:
    return NamePairing::pair(int(dialog.NSELECTED()));
  case 2:
    return NamePairing::skip();
  default:
    return NamePairing::cancel();
  }
}

} // namespace vz
