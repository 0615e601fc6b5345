#pragma once
// The one way core code talks to the person at the screen: messages, questions,
// the please-wait box, beeps and the small common dialogs. The program has a Qt
// implementation; tests use a scripted fake. Core never includes a widget header.
#include "numbertext.h"
#include "rationproblem.h"
#include <QString>
#include <QStringList>
#include <QList>
#include <optional>

namespace vz {

struct ReportParameters {
  QString animalCount;  // CHAYSAX
  QString currency;     // CPBIRIX
  QString weightUnit;   // CABIRIX
  bool operator==(const ReportParameters &) const = default;
};

// The answer of the column arithmetic dialog (COLONMATHS).
struct ColumnOperation {
  QString op;     // COPERAT: "+", "-", "*" or "/"; empty when nothing is to be done
  QString value;  // CVALUEX: the operand, trimmed
  QString type = QStringLiteral("U");  // CVTYPE: "N" number, "A" column name, "U" nothing
  bool isNothing() const { return op.isEmpty(); }
  bool operator==(const ColumnOperation &) const = default;
};

// What the log-on dialog (LOGONDIALOG) tells its caller when it closes.
struct LogOnAnswer {
  bool ok = false;  // LOGONOK: the name and password were right
  QString userId;   // LOGONID: KULL_ID of the user found (20 characters)
  bool refused = false;  // closed by the third wrong press, not cancelled
};

// The answer of the name-pairing dialog (CB_HSEC): pair the problem name
// with candidate `selected` (1-based), skip it for the rest of the command,
// or abandon the command.
struct NamePairing {
  enum class Kind { Pair, Skip, Cancel };
  Kind kind = Kind::Cancel;
  int selected = 0;  // NSELECTED: 1-based on Pair, 0 otherwise
  static NamePairing pair(int n) { return {Kind::Pair, n}; }
  static NamePairing skip() { return {Kind::Skip, 0}; }
  static NamePairing cancel() { return {Kind::Cancel, 0}; }
  bool operator==(const NamePairing &) const = default;
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
  // The same question where Yes would throw work away: "Hayır" is the
  // default button, so a stray Enter keeps it.
  virtual bool askYesNoDefaultNo(const QString &text, const QString &caption) { return askYesNo(text, caption); }
  virtual Answer askYesNoCancel(const QString &text, const QString &caption) = 0;

  // A file this session is about to write was saved by another session since
  // this one read it: write over the other session's change, discard this
  // session's own, or cancel the command. The window names the three on its
  // buttons ("&Üzerine Yaz", "&Benimkileri At", "&İptal"); Escape cancels.
  enum class ChangedOnDisk { WriteOver, DiscardMine, Cancel };
  virtual ChangedOnDisk askChangedOnDisk(const QString &text, const QString &caption)
  {
    switch (askYesNoCancel(text, caption)) {
    case Answer::Yes: return ChangedOnDisk::WriteOver;
    case Answer::No: return ChangedOnDisk::DiscardMine;
    default: return ChangedOnDisk::Cancel;
    }
  }

  // ACTALERT/AALERT: the please-wait box. show replaces a box still open;
  // close with no box open does nothing.
  virtual void showPleaseWait() = 0;
  virtual void closePleaseWait() = 0;

  virtual void errorBeep() = 0;  // ERRBEEP
  virtual void doneBeep() = 0;   // DONEBEEP

  // The main window's status bar (success and minor notices).
  virtual void statusMessage(const QString &text) = 0;

  // GRPARMGIR_WIN over the problem's parameters 2-4, with its own rules for the
  // parameters-changed flag and the parameter array (ReportParameterRules
  // below). nullopt on Cancel.
  virtual std::optional<ReportParameters> askReportParameters(RationProblem &problem) = 0;

  // Yes/No question with another icon than the question mark (the stop and
  // exclamation questions); true on Yes.
  virtual bool askYesNoWithIcon(const QString &text, const QString &caption, Icon icon) = 0;

  // ACHOICE: one item of `items`; the 1-based position, 0 when none was chosen.
  virtual int chooseOne(const QString &caption, const QStringList &items) = 0;
  // MARKTOPBOT: any number of items, with or without the select-all button;
  // 1-based positions in ascending order, empty when none was chosen.
  virtual QList<int> chooseMany(const QString &caption, const QStringList &items,
                                bool offerSelectAll) = 0;
  // MBM_WIND: one value under `prompt`, preset with `preset`; answers the
  // preset on Cancel, number text with 4 decimals (or 11 blanks) when typed.
  virtual QString askValue(const QString &prompt, const QString &preset) = 0;
  // YENIDOSYAWINDOW: the name of a new problem file as typed; empty on Cancel.
  virtual QString askNewProblemName() = 0;
  // COLONMATHS over the field names of the reference matrix (in field order;
  // "YM_ADI" and "FIATI" are never offered).
  virtual ColumnOperation askColumnArithmetic(const QStringList &fieldNames) = 0;
  // VZYRHAKKINDA.
  virtual void showAbout() = 0;
  // LOGONDIALOG owned by the main window: user name and password, at most
  // three presses of OK. `caption` replaces "Giriş" when not empty ("Geçiş
  // İzni" before the reference-matrix commands).
  virtual LogOnAnswer logOn(const QString &caption = QString()) = 0;
  // CB_HSEC "Eşleştirme Diyaloğu": pairs the problem's `name` with one of the
  // reference `candidates`; Escape and the close box answer Cancel.
  virtual NamePairing askNamePairing(const QString &name, const QStringList &candidates) = 0;
};

// Closes the please-wait box on every way out of the scope that opened it.
class PleaseWait {
public:
  explicit PleaseWait(Interaction &ui) : m_ui(ui) { m_ui.showPleaseWait(); }
  ~PleaseWait() { close(); }
  void close()
  {
    if (m_open)
      m_ui.closePleaseWait();
    m_open = false;
  }
  PleaseWait(const PleaseWait &) = delete;
  PleaseWait &operator=(const PleaseWait &) = delete;

private:
  Interaction &m_ui;
  bool m_open = true;
};

// The rules of the report parameter dialog, shared by the window and the fake.
struct ReportParameterRules {
  // The refusal message of a unit that holds ",", which would split the
  // stored parameter row; empty when both units are acceptable.
  static QString unitError(const ReportParameters &p)
  {
    if (p.currency.contains(QLatin1Char(',')) || p.weightUnit.contains(QLatin1Char(',')))
      return QStringLiteral("Para birimi ve ağırlık birimi virgül (,) içeremez!");
    return QString();
  }

  // What the dialog shows on opening: entries 2-4 of the parameter array, or
  // the new-problem values when the problem has none.
  static ReportParameters presets(const RationProblem &problem)
  {
    const QStringList p = problem.params && problem.params->size() >= ParCount
                              ? *problem.params
                              : RationProblem::defaultParams();
    return {p.at(ParAnimals), p.at(ParCurrency), p.at(ParWeight)};
  }

  // A typed animal count as number text with 3 decimals.
  static QString normaliseAnimalCount(const QString &typed) { return SDAYA(typed, 3); }

  // OK: the answer is stored only while the parameters-changed flag is raised
  // (by typing in the dialog or by anything before it).
  static void confirm(RationProblem &problem, const ReportParameters &answer)
  {
    if (!problem.changed.params)
      return;
    if (!problem.params || problem.params->size() < ParCount)
      problem.params = RationProblem::defaultParams();
    QStringList &p = *problem.params;
    p[ParAnimals] = answer.animalCount;
    p[ParCurrency] = answer.currency;
    p[ParWeight] = answer.weightUnit;
  }

  // Cancel: the flag goes back to what it was before the dialog, so a flag
  // that a new problem or a requirement merge raised is not lost.
  static void cancel(RationProblem &problem, bool flagBefore)
  {
    problem.changed.params = flagBefore;
  }
};

// How the column arithmetic dialog reads its operand: "A" the text is one of
// `names` (case matters; a name holding digits, "B12", is still a name), "N"
// a number (one leading "-" a sign, "," the point; it may still be too wide),
// "L" anything else; empty for empty text. The text is trimmed first.
inline QString classifyColumnOperand(const QString &text, const QStringList &names)
{
  const QString t = text.trimmed();
  if (t.isEmpty())
    return QString();
  if (names.contains(t))
    return QStringLiteral("A");
  const QString why = signedNumberRefusal(t, 4);
  return why.isEmpty() || why == numberTooWideMessage() ? QStringLiteral("N") : QStringLiteral("L");
}

// Why the column arithmetic dialog keeps itself open on `text`: no listed
// name and no number (naming the text), or a number too wide for a cell;
// empty when the operand is acceptable, or blank.
inline QString columnOperandRefusal(const QString &text, const QStringList &names)
{
  const QString t = text.trimmed();
  if (t.isEmpty() || names.contains(t))
    return QString();
  const QString why = signedNumberRefusal(t, 4);
  if (why.isEmpty() || why == numberTooWideMessage())
    return why;
  return why + QStringLiteral("\n\nBir sayı yazınız ya da listeden bir besin maddesi seçiniz.");
}

// The column names the arithmetic dialog offers: every field but the name
// and the price.
inline QStringList columnArithmeticNames(const QStringList &fieldNames)
{
  QStringList out;
  for (const QString &n : fieldNames)
    if (n != QLatin1String("YM_ADI") && n != QLatin1String("FIATI"))
      out.append(n);
  return out;
}

} // namespace vz
