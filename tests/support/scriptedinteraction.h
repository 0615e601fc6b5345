#pragma once
// A scripted stand-in for the person at the screen: answers come from queues
// the test fills, and everything shown is recorded so the test can compare it.
// The dialogs' own rules (number normalising, the report parameter flag, the
// refusals) are applied to the scripted input as the real dialogs apply them
// to typed input.
#include "problem/interaction.h"
#include <QList>
#include <QQueue>
#include <QString>
#include <QStringList>

namespace vz::test {

class ScriptedInteraction : public Interaction {
public:
  struct Shown {
    QString kind;  // "error", "warning", "information", "yesno", "yesnocancel", "status",
                   // "chooseone", "choosemany", "value", "newname", "columnmaths",
                   // "logon"
                   // "pairing" (text: the name, a line feed, the candidates one a line)
    QString caption;
    QString text;  // for the choice dialogs: the items, one a line
    Icon icon = Icon::Question;  // the icon of a Yes/No question
    bool defaultNo = false;      // a Yes/No question whose default button is "&Hayır"
  };

  // What the user "types" into the column arithmetic dialog: the operator
  // button pressed ("+", "-", "*", "/"; empty for "&İptal") and the text.
  struct ColumnInput {
    QString op;
    QString text;
  };

  QList<Shown> shown;       // every message and question, in order
  QStringList events;       // "pleasewait+", "pleasewait-", "errorbeep", "donebeep",
                            // "reportparams", "about"
  QQueue<bool> yesNoAnswers;            // default answer when empty: No
  QQueue<Answer> yesNoCancelAnswers;    // default: Cancel
  // Report parameters as typed: the next entry is used; nullopt means Cancel.
  // When the queue is empty the dialog is "confirmed" with the presets. A unit
  // with "," is refused (an error is recorded) and the next entry is taken.
  QQueue<std::optional<ReportParameters>> reportParameterAnswers;
  QQueue<int> chooseOneAnswers;          // 1-based; default 0 (nothing chosen)
  QQueue<QList<int>> chooseManyAnswers;  // 1-based, any order; default none
  QQueue<std::optional<QString>> valueAnswers;  // typed text; nullopt/default: Cancel
  QQueue<QString> newNameAnswers;        // default: empty (Cancel)
  QQueue<ColumnInput> columnAnswers;     // default: Cancel
  // What the log-on dialog answers; default: refused, as after Cancel. It is
  // recorded in `shown` as kind "logon" with the caption the dialog shows.
  QQueue<LogOnAnswer> logOnAnswers;
  // Answers of the name-pairing dialog; default Cancel. A Pair outside the
  // candidates is "Tamam" with nothing chosen: the dialog stays open and the
  // next answer is taken.
  QQueue<NamePairing> pairingAnswers;
  int pleaseWaitOpen = 0;  // 1 while the box is shown

  void errorMessage(const QString &text, const QString &caption = QString()) override;
  void warning(const QString &text, const QString &caption = QString()) override;
  void information(const QString &text, const QString &caption = QString()) override;
  bool askYesNo(const QString &text, const QString &caption) override;
  bool askYesNoDefaultNo(const QString &text, const QString &caption) override;
  Answer askYesNoCancel(const QString &text, const QString &caption) override;
  void showPleaseWait() override;
  void closePleaseWait() override;
  void errorBeep() override;
  void doneBeep() override;
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
  LogOnAnswer logOn(const QString &caption = QString()) override;
  NamePairing askNamePairing(const QString &name, const QStringList &candidates) override;

  QStringList texts(const QString &kind) const;
};

} // namespace vz::test
