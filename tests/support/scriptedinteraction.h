#pragma once
// A scripted stand-in for the person at the screen: answers come from queues
// the test fills, and everything shown is recorded so the test can compare it.
#include "problem/interaction.h"
#include <QList>
#include <QQueue>
#include <QString>
#include <QStringList>

namespace vz::test {

class ScriptedInteraction : public Interaction {
public:
  struct Shown {
    QString kind;  // "error", "warning", "information", "yesno", "yesnocancel", "status"
    QString caption;
    QString text;
  };

  QList<Shown> shown;       // every message and question, in order
  QStringList events;       // "pleasewait+", "pleasewait-", "errorbeep", "donebeep", "reportparams"
  QQueue<bool> yesNoAnswers;            // default answer when empty: No
  QQueue<Answer> yesNoCancelAnswers;    // default: Cancel
  // Report parameters: the next entry is used; nullopt means Cancel. When the
  // queue is empty the dialog is "confirmed" with the problem's presets.
  QQueue<std::optional<ReportParameters>> reportParameterAnswers;
  int pleaseWaitOpen = 0;  // 1 while the box is shown

  void errorMessage(const QString &text, const QString &caption = QString()) override;
  void warning(const QString &text, const QString &caption = QString()) override;
  void information(const QString &text, const QString &caption = QString()) override;
  bool askYesNo(const QString &text, const QString &caption) override;
  Answer askYesNoCancel(const QString &text, const QString &caption) override;
  void showPleaseWait() override;
  void closePleaseWait() override;
  void errorBeep() override;
  void doneBeep() override;
  void statusMessage(const QString &text) override;
  std::optional<ReportParameters> askReportParameters(RationProblem &problem) override;

  QStringList texts(const QString &kind) const;
};

} // namespace vz::test
