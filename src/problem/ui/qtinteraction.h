#pragma once
// The program's Interaction: message boxes, the please-wait box, beeps, the
// status bar and the common dialogs, owned by one window (the main window).
#include "problem/interaction.h"
#include <QPointer>
#include <QWidget>

namespace vz {

class QtInteraction : public Interaction {
public:
  explicit QtInteraction(QWidget *owner = nullptr) : m_owner(owner) {}

  QWidget *owner() const { return m_owner; }
  void setOwner(QWidget *owner) { m_owner = owner; }

  void errorMessage(const QString &text, const QString &caption = QString()) override;
  void warning(const QString &text, const QString &caption = QString()) override;
  void information(const QString &text, const QString &caption = QString()) override;
  bool askYesNo(const QString &text, const QString &caption) override;
  bool askYesNoDefaultNo(const QString &text, const QString &caption) override;
  Answer askYesNoCancel(const QString &text, const QString &caption) override;
  ChangedOnDisk askChangedOnDisk(const QString &text, const QString &caption) override;
  void showPleaseWait() override;
  void closePleaseWait() override;
  void errorBeep() override;
  void doneBeep() override;
  // Shown on the owner's status bar when it is a main window; otherwise dropped.
  void statusMessage(const QString &text) override;
  std::optional<ReportParameters> askReportParameters(RationProblem &problem) override;
  bool askYesNoWithIcon(const QString &text, const QString &caption, Icon icon) override;
  int chooseOne(const QString &caption, const QStringList &items) override;
  QList<int> chooseMany(const QString &caption, const QStringList &items,
                        bool offerSelectAll) override;
  QString askValue(const QString &prompt, const QString &preset) override;
  QString askNewProblemName() override;
  ColumnOperation askColumnArithmetic(const QStringList &fieldNames) override;
  void showAbout() override;
  // The users table is the shell's: this one lets nobody in. The shell's own
  // interaction (ShellInteraction) shows the real dialog.
  LogOnAnswer logOn(const QString &caption = QString()) override;
  NamePairing askNamePairing(const QString &name, const QStringList &candidates) override;

private:
  QPointer<QWidget> m_owner;
};

} // namespace vz
