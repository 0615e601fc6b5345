#pragma once
// The one way core code talks to the person at the screen: messages, questions,
// the please-wait box, beeps and the small common dialogs. The program has a Qt
// implementation; tests use a scripted fake. Core never includes a widget header.
#include <QString>
#include <QStringList>
#include <QList>
#include <optional>

namespace vz {

class RationProblem;

struct ReportParameters {
  QString animalCount;  // CHAYSAX
  QString currency;     // CPBIRIX
  QString weightUnit;   // CABIRIX
};

class Interaction {
public:
  virtual ~Interaction() = default;

  enum class Icon { Stop, Exclamation, Information, Question };
  enum class Answer { Yes, No, Cancel };

  // ERRMESS: stop icon, caption "Hata..." when none is given.
  virtual void errorMessage(const QString &text, const QString &caption = QString()) = 0;
  // UYARI: exclamation icon, caption "Uyarı..." when none is given.
  virtual void warning(const QString &text, const QString &caption = QString()) = 0;
  // MESS: information icon, caption "Mesaj"; also the "Bilgi..." boxes.
  virtual void information(const QString &text, const QString &caption = QString()) = 0;
  // Yes/No question with the question icon; true on Yes.
  virtual bool askYesNo(const QString &text, const QString &caption) = 0;
  virtual Answer askYesNoCancel(const QString &text, const QString &caption) = 0;

  // ACTALERT/AALERT: the please-wait box. show replaces a box still open;
  // close with no box open does nothing.
  virtual void showPleaseWait() = 0;
  virtual void closePleaseWait() = 0;

  virtual void errorBeep() = 0;  // ERRBEEP
  virtual void doneBeep() = 0;   // DONEBEEP

  // The main window's status bar (success and minor notices).
  virtual void statusMessage(const QString &text) = 0;

  // GRPARMGIR_WIN over the problem's parameters 2-4, with its own rules for the
  // parameters-changed flag and the parameter array. nullopt on Cancel.
  virtual std::optional<ReportParameters> askReportParameters(RationProblem &problem) = 0;
};

} // namespace vz
