#include "exampleproblem.h"

#include "platform/rtext.h"
#include "problem/interaction.h"
#include "requirements/dairy/nutreqestimate.h"
#include "shell/requirementmerge.h"

namespace vz::example {

namespace {

// LACTCATLEDW as the user fills it for the cow the example is of; the energy
// concentration is the dialog's preset.
class ExampleCowDialogs : public DairyInputProvider {
public:
  STipiSecResult askType(int) override { return {2, 1}; }
  std::optional<GrowCatleInput> askGrowing() override { return std::nullopt; }
  std::optional<LactCatleInput> askCow() override
  {
    LactCatleInput in;
    in.NENECONS = 1.00;
    in.NCANAGIR = LiveWeight;
    in.NSUTVERI = MilkYield;
    in.NSYAGTES = MilkFat;
    in.NGEBEGUN = 0;
    in.NGEBESAY = Lactation;
    in.NYEMTUKE = 1;  // fed at requirement
    return in;
  }
  std::optional<MatBulInput> askBull() override { return std::nullopt; }
};

// Nobody sits at the screen: the estimate and the merge ask nothing of a
// problem without requirements, and any message they show is a failure.
class NoScreen : public Interaction {
public:
  QStringList messages;
  void errorMessage(const QString &text, const QString &) override { messages.append(text); }
  void warning(const QString &text, const QString &) override { messages.append(text); }
  void information(const QString &text, const QString &) override { messages.append(text); }
  bool askYesNo(const QString &text, const QString &) override { return refuse(text); }
  Answer askYesNoCancel(const QString &text, const QString &) override
  {
    refuse(text);
    return Answer::Cancel;
  }
  void showPleaseWait() override {}
  void closePleaseWait() override {}
  void errorBeep() override {}
  void doneBeep() override {}
  void statusMessage(const QString &) override {}
  std::optional<ReportParameters> askReportParameters(RationProblem &) override { return std::nullopt; }
  bool askYesNoWithIcon(const QString &text, const QString &, Icon) override { return refuse(text); }
  int chooseOne(const QString &caption, const QStringList &) override { return refuse(caption) ? 1 : 0; }
  QList<int> chooseMany(const QString &caption, const QStringList &, bool) override
  {
    refuse(caption);
    return {};
  }
  QString askValue(const QString &prompt, const QString &preset) override
  {
    refuse(prompt);
    return preset;
  }
  QString askNewProblemName() override { return refuse(QStringLiteral("askNewProblemName")) ? QStringLiteral("x") : QString(); }
  ColumnOperation askColumnArithmetic(const QStringList &) override
  {
    refuse(QStringLiteral("askColumnArithmetic"));
    return {};
  }
  void showAbout() override {}
  LogOnAnswer logOn(const QString &caption) override
  {
    refuse(caption);
    return {};
  }
  NamePairing askNamePairing(const QString &name, const QStringList &) override
  {
    refuse(name);
    return NamePairing::cancel();
  }

private:
  bool refuse(const QString &question)
  {
    messages.append(question);
    return false;
  }
};

struct Feed {
  const char *name;
  double price;  // TL per kg as fed
  double upper;  // kg of dry matter a day, 0 for none
  // per kg of dry matter
  double kmo;       // dry matter, % of the feed as fed
  double nel;       // Mcal
  double hp;        // crude protein, g
  double ndf;       // kg
  double calcium;   // g
  double phosphor;  // g
};

// Composition from the usual feed tables (NRC 2001, INRA), rounded.
const Feed Feeds[] = {
    {"Mısır Silajı", 2.50, 12.0, 35, 1.45, 80, 0.45, 2.5, 2.2},
    {"Yonca Kuru Otu", 9.00, 0, 90, 1.30, 180, 0.45, 14.0, 2.5},
    {"Buğday Samanı", 3.50, 2.0, 91, 0.95, 40, 0.78, 2.8, 0.8},
    {"Arpa", 10.50, 0, 89, 1.90, 125, 0.20, 0.6, 3.9},
    {"Mısır Dane", 11.00, 0, 88, 2.00, 92, 0.10, 0.3, 3.0},
    {"Buğday Kepeği", 9.00, 3.0, 89, 1.60, 170, 0.45, 1.3, 11.8},
    {"Soya Küspesi", 25.00, 0, 89, 2.00, 500, 0.10, 4.0, 7.1},
    {"Ayçiçek Küspesi", 13.00, 4.0, 90, 1.50, 320, 0.40, 4.0, 10.0},
    {"Kireç Taşı", 2.00, 0.3, 99, 0, 0, 0, 380, 0},
    {"Dikalsiyum Fos.", 30.00, 0.2, 97, 0, 0, 0, 230, 185},
};

QString cell(double v, int decimals = 4)
{
  return rt::Str(v, 11, decimals);
}

QString empty()
{
  return rt::Space(11);
}

QStringList nutrient(const char *name, const char *unit, const QString &fixed, const QString &lower,
                     const QString &upper)
{
  return {rt::PadR(QString::fromUtf8(name), 15), rt::PadL(QString::fromUtf8(unit), 11), fixed, lower, upper};
}

} // namespace

RationProblem dairyCow(QString *error)
{
  RationProblem p;
  QStringList kmt, kmo, nel, hp, ndf, ca, ph;
  for (const Feed &f : Feeds) {
    p.feeds.append({rt::PadR(QString::fromUtf8(f.name), 15), cell(f.price, 3), empty(), empty(),
                    f.upper > 0 ? cell(f.upper, 3) : empty()});
    p.feedAmounts.append(empty());
    kmt.append(cell(1.0));
    kmo.append(cell(f.kmo));
    nel.append(cell(f.nel));
    hp.append(cell(f.hp));
    ndf.append(cell(f.ndf));
    ca.append(cell(f.calcium));
    ph.append(cell(f.phosphor));
  }
  // The nutrients the composition table gives; their limits are the cow's
  // requirements, which the program's dairy estimate fills in below.
  p.nutrients = {
      nutrient("KMT", "Kg/Kg", empty(), empty(), empty()),
      nutrient("KMO", "%", empty(), empty(), empty()),
      nutrient("NEL", "MCal/Kg", empty(), empty(), empty()),
      nutrient("HP", "g/Kg", empty(), empty(), empty()),
      nutrient("NDF", "Kg/Kg", empty(), empty(), empty()),
      nutrient("KALSIYUM", "g/Kg", empty(), empty(), empty()),
      nutrient("FOSFOR", "g/Kg", empty(), empty(), empty()),
  };
  p.matrix = {kmt, kmo, nel, hp, ndf, ca, ph};
  p.ratios = {{rt::PadR(QStringLiteral("KALSIYUM"), 15), rt::PadR(QStringLiteral("FOSFOR"), 15), empty(), cell(1.5),
               cell(2.5)}};
  p.params = RationProblem::defaultParams();
  p.rebuildFeedNames();
  p.rebuildNutrientLists();

  // "Veri Giriş > BM İhtiyaçları Tahmini > Süt Sığırı" on that problem.
  NoScreen screen;
  const ReportClock clock;
  ExampleCowDialogs dialogs;
  const NUTREQESTIMATE estimate(EstimatorOwner{screen, clock}, dialogs, 1);
  const bool merged = estimate.LDDEG
                      && RequirementMerge::merge(p, estimate.ABMREQM, estimate.AANIDESC, screen)
                             == RequirementMerge::Outcome::MergedByName;
  if (error)
    *error = merged && screen.messages.isEmpty()
                 ? QString()
                 : QStringLiteral("the dairy estimate gave no requirements: ") + screen.messages.join(QLatin1Char(' '));

  p.changed.params = p.changed.feedNames = p.changed.nutrientNames = true;
  p.changed.ratios = p.changed.matrix = p.changed.feedAmounts = true;
  return p;
}

} // namespace vz::example
