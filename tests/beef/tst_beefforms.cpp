// The rules of the beef dialogs without widgets: starting states, the
// rewriting of typed numbers, the enabling rules, the live-weight estimate
// and the check that "Tamam" runs per page and per animal type.
#include "beefscenarios.h"

#include "platform/rtext.h"
#include "requirements/beef/beeftabform.h"
#include "requirements/beef/liveweightestimateform.h"

#include <QTest>
#include <functional>

using namespace vz;
using namespace vz::beef;
using namespace beeftest;

namespace {

using FormEdit = std::function<void(BeefTabForm &)>;

QString padded(const char *text)
{
  return rt::PadL(QString::fromUtf8(text), 11);
}

// Types everything a user must fill for the type, leaving the fields as
// leaving them would.
void fillRequired(BeefTabForm &form)
{
  auto type = [&](BeefPageForm &page, int field, const char *text) {
    page.typeText(field, QString::fromUtf8(text));
    page.leaveEdit(field);
  };
  using A = BeefAnimalForm;
  type(form.animal(), A::SLE_YAS, "12");
  type(form.animal(), A::SLE_CANAG, "350");
  type(form.animal(), A::SLE_BSAGIR, "550");
  type(form.animal(), A::SLE_ICAARTISI, "1,2");
  if (BeefReproductionForm *r = form.reproduction()) {
    using R = BeefReproductionForm;
    if (r->isLactating()) {
      type(*r, R::SLE_GEBELIKSURESI, "0");
      type(*r, R::SLE_SUTVERIMSURESI, "63");
      type(*r, R::SLE_LAKSAYISI, "3");
      type(*r, R::SLE_PIKVERIMZAMANI, "8");
      type(*r, R::SLE_LAKSURESI, "30");
    }
    type(*r, R::SLE_DKULYASI, "15");
    type(*r, R::SLE_BUZAGARALIGI, "12");
  }
}

} // namespace

Q_DECLARE_METATYPE(FormEdit)
Q_DECLARE_METATYPE(BeefFieldRef)

class TestBeefForms : public QObject {
  Q_OBJECT

private slots:
  void typeDialog();
  void tabsPerType_data();
  void tabsPerType();
  void animalPageStart();
  void breedListsFollowTheSystem();
  void rewriteOnLeaving_data();
  void rewriteOnLeaving();
  void grazingSwitchKeepsTexts();
  void itemListsCannotBeTyped();
  void reproductionStart_data();
  void reproductionStart();
  void liveWeightEstimate_data();
  void liveWeightEstimate();
  void okCheck_data();
  void okCheck();
  void okRewritesTheFocusedField();
  void pagesReachTheModel();
};

void TestBeefForms::typeDialog()
{
  BeefTypeForm form;
  QCOMPARE(form.accept().type, 1u);
  QCOMPARE(form.accept().caption, QStringLiteral("Genç/Besi"));
  form.choose(2);
  QCOMPARE(form.accept().caption, QStringLiteral("Süt Veren İnek "));
  form.choose(9);  // no such button
  QCOMPARE(form.accept().type, 2u);
}

void TestBeefForms::tabsPerType_data()
{
  QTest::addColumn<quint32>("type");
  QTest::addColumn<bool>("reproduction");
  QTest::addColumn<QString>("caption");
  QTest::addColumn<QString>("sex");
  QTest::newRow("growing") << 1u << false << QStringLiteral("Genç/Besi") << QStringLiteral("Boğa");
  QTest::newRow("lactating") << 2u << true << QStringLiteral("Süt Veren İnek") << QStringLiteral("İnek");
  QTest::newRow("dry") << 3u << true << QStringLiteral("Kurudaki İnek") << QStringLiteral("İnek");
  QTest::newRow("heifer") << 4u << true << QStringLiteral("Damızlık Düve") << QStringLiteral("Düve");
  QTest::newRow("bull") << 5u << false << QStringLiteral("Damızlık Boğa") << QStringLiteral("Boğa");
}

void TestBeefForms::tabsPerType()
{
  QFETCH(quint32, type);
  QFETCH(bool, reproduction);
  QFETCH(QString, caption);
  QFETCH(QString, sex);
  BeefTabForm form(typeChoice(type).caption);
  QCOMPARE(form.caption(), caption);
  QCOMPARE(form.hasReproductionPage(), reproduction);
  QStringList tabs;
  for (BeefPage p : form.tabs())
    tabs.append(BeefTabForm::tabCaption(p));
  QStringList expected = {QStringLiteral("Hayvan tanımı"), QStringLiteral("Manejman"),
                          QStringLiteral("Çevre şartları")};
  if (reproduction)
    expected.insert(1, QStringLiteral("Tanım devamı..."));
  QCOMPARE(tabs, expected);
  // Only a growing animal chooses its sex and fat level; every other type
  // shows the sex it is of.
  QCOMPARE(form.animal().isEnabled(BeefAnimalForm::CB_CINSIYET), type == 1);
  QCOMPARE(form.animal().isEnabled(BeefAnimalForm::CB_HEDYAGDUZ), type == 1);
  QCOMPARE(form.animal().text(BeefAnimalForm::CB_CINSIYET), sex);
  QCOMPARE(form.pages().animal.sexText, sex);
  QCOMPARE(form.animal().text(BeefAnimalForm::CB_HEDYAGDUZ), QStringLiteral("Yağlı, %28"));
}

void TestBeefForms::animalPageStart()
{
  BeefTabForm form(QStringLiteral("Genç/Besi"));
  const BeefInputPages p = form.pages();
  QCOMPARE(p.animal.conditionScore, padded("5"));
  QCOMPARE(p.animal.fatLevelItem, 1);
  QCOMPARE(p.animal.firstBreedItem, 1);
  QCOMPARE(form.animal().items(BeefAnimalForm::CB_SIRK).size(), 33);
  QCOMPARE(p.management.dietNem, QStringLiteral("100"));
  QCOMPARE(p.management.dietTdn, QStringLiteral("70"));
  QCOMPARE(p.management.microbialYield, QStringLiteral("13.0"));
  QVERIFY(!p.management.grazing);
  QVERIFY(!form.management().isEnabled(BeefManagementForm::SLE_GUSIZE));
  QCOMPARE(p.environment.temperature, padded("20"));
  QCOMPARE(p.environment.windSpeed, padded("1"));
  QCOMPARE(p.environment.hairLength, padded("0.6"));
  QCOMPARE(p.environment.nightCoolingText, QStringLiteral("Hayır"));
}

void TestBeefForms::breedListsFollowTheSystem()
{
  BeefAnimalForm page(QStringLiteral("Genç/Besi"));
  using A = BeefAnimalForm;
  auto enabled = [&] {
    return QList<bool>{page.isEnabled(A::CB_SIRK), page.isEnabled(A::CB_IKILIMEL),
                       page.isEnabled(A::CB_UCLUMEL)};
  };
  QCOMPARE(enabled(), (QList<bool>{true, false, false}));
  page.chooseBreedSystem(BreedSystem::TwoWay);
  QCOMPARE(enabled(), (QList<bool>{true, true, false}));
  page.chooseItem(A::CB_IKILIMEL, 12);
  page.chooseBreedSystem(BreedSystem::ThreeWay);
  QCOMPARE(enabled(), (QList<bool>{true, true, true}));
  page.chooseBreedSystem(BreedSystem::Pure);
  QCOMPARE(enabled(), (QList<bool>{true, false, false}));
  QCOMPARE(page.item(A::CB_IKILIMEL), 12);  // a disabled list keeps its breed
}

void TestBeefForms::rewriteOnLeaving_data()
{
  QTest::addColumn<int>("page");
  QTest::addColumn<int>("field");
  QTest::addColumn<QString>("typed");
  QTest::addColumn<QString>("shown");
  const int A = int(BeefPage::Animal), M = int(BeefPage::Management),
            E = int(BeefPage::Environment), R = int(BeefPage::Reproduction);
  QTest::newRow("live weight with a comma") << A << int(BeefAnimalForm::SLE_CANAG) << "450,5" << padded("450.500");
  QTest::newRow("blank condition score is 5") << A << int(BeefAnimalForm::SLE_KONSKOR) << "  " << padded("5");
  QTest::newRow("age drops the fraction") << A << int(BeefAnimalForm::SLE_YAS) << "8.7" << padded("8");
  QTest::newRow("empty stays empty") << A << int(BeefAnimalForm::SLE_BSAGIR) << "" << padded("");
  QTest::newRow("pasture area") << M << int(BeefManagementForm::SLE_GUSIZE) << "12,5" << padded("12.50");
  QTest::newRow("pasture mass") << M << int(BeefManagementForm::SLE_IPM) << "900" << padded("900.0");
  QTest::newRow("grazing days") << M << int(BeefManagementForm::SLE_OTSURE) << "12.5" << padded("12");
  QTest::newRow("diet NEm list is not rewritten") << M << int(BeefManagementForm::CB_DNEY) << "95" << "95";
  QTest::newRow("below-zero temperature keeps its sign") << E << int(BeefEnvironmentForm::SLE_CEVSIC) << "-10" << padded("-10");
  QTest::newRow("previous month below zero") << E << int(BeefEnvironmentForm::SLE_ONCEASO) << " -5,4" << padded("-5");
  QTest::newRow("a lone minus is empty") << E << int(BeefEnvironmentForm::SLE_CEVSIC) << " - " << padded("");
  QTest::newRow("minus before blanks") << E << int(BeefEnvironmentForm::SLE_CEVSIC) << "- 7" << padded("-7");
  QTest::newRow("minus zero is zero") << E << int(BeefEnvironmentForm::SLE_CEVSIC) << "-0" << padded("0");
  QTest::newRow("wind speed has no sign") << E << int(BeefEnvironmentForm::SLE_RUZGHIZI) << "-12.5" << padded("12");
  QTest::newRow("hair length list text") << E << int(BeefEnvironmentForm::CB_EFEKKILUZ) << "2,5" << padded("2.5");
  QTest::newRow("calf birth weight") << R << int(BeefReproductionForm::SLE_BEKBUZDOGAG) << "31" << padded("31.00");
  QTest::newRow("calving interval") << R << int(BeefReproductionForm::SLE_BUZAGARALIGI) << "12,5" << padded("12.50");
  QTest::newRow("peak week drops the fraction") << R << int(BeefReproductionForm::SLE_PIKVERIMZAMANI) << "8.5" << padded("8");
}

void TestBeefForms::rewriteOnLeaving()
{
  QFETCH(int, page);
  QFETCH(int, field);
  QFETCH(QString, typed);
  QFETCH(QString, shown);
  BeefTabForm form(QStringLiteral("Süt Veren İnek "));
  BeefPageForm *p = form.page(BeefPage(page));
  p->typeText(field, typed);
  p->leaveEdit(field);
  QCOMPARE(p->text(field), shown);
}

void TestBeefForms::grazingSwitchKeepsTexts()
{
  BeefManagementForm page;
  using M = BeefManagementForm;
  page.setGrazing(true);
  for (int f : {M::CB_ARZDUR, M::SLE_GUSIZE, M::SLE_IPM, M::SLE_OTLAK_TDNMUH, M::SLE_OTSURE, M::SLE_NOANI})
    QVERIFY(page.isEnabled(f));
  page.typeText(M::SLE_NOANI, QStringLiteral("40"));
  page.setGrazing(false);
  QVERIFY(!page.isEnabled(M::SLE_NOANI));
  QCOMPARE(page.text(M::SLE_NOANI), QStringLiteral("40"));
  QVERIFY(page.isEnabled(M::CB_DNEY));
}

void TestBeefForms::itemListsCannotBeTyped()
{
  // Typed text would select no item and leave the model without a factor.
  BeefEnvironmentForm env;
  using E = BeefEnvironmentForm;
  QVERIFY(!env.isEditableList(E::CB_ZEMCAMMIK));
  env.typeText(E::CB_ZEMCAMMIK, QStringLiteral("çok"));
  QCOMPARE(env.item(E::CB_ZEMCAMMIK), 1);
  env.chooseItem(E::CB_ZEMCAMMIK, 0);
  QCOMPARE(env.item(E::CB_ZEMCAMMIK), 1);
  QVERIFY(env.isEditableList(E::CB_EFEKKILUZ));
  BeefManagementForm man;
  using M = BeefManagementForm;
  QVERIFY(!man.isEditableList(M::CB_ARZDUR));
  QVERIFY(!man.isEditableList(M::CB_ADDITIVE));
  for (int f : {M::CB_DNEY, M::CB_DNEV, M::CB_RTSBMO})
    QVERIFY(man.isEditableList(f));
  man.typeText(M::CB_DNEY, QStringLiteral("95"));
  QCOMPARE(man.page().dietNem, QStringLiteral("95"));
  BeefAnimalForm animal(QStringLiteral("Genç/Besi"));
  QVERIFY(!animal.isEditableList(BeefAnimalForm::CB_SIRK));
}

void TestBeefForms::reproductionStart_data()
{
  QTest::addColumn<quint32>("type");
  QTest::addColumn<QStringList>("texts");
  QTest::addColumn<QList<bool>>("enabled");
  const QString e = padded("");
  Q_UNUSED(e);
  // Days pregnant, days in milk, lactation number, peak milk, peak week,
  // lactation length, fat, protein, SNF, breeding age, calving interval,
  // calf birth weight.
  QTest::newRow("lactating cow")
      << 2u
      << QStringList{QString(), QString(), QString(), padded("8.0"), QString(), QString(),
                     padded("4.01"), padded("3.4"), padded("8.3"), QString(), QString(), padded("31")}
      << QList<bool>(12, true);
  const QStringList zeros = {QString(), padded("0"), padded("0"), padded("0.00"), padded("0"),
                             padded("0"), padded("0.00"), padded("0.00"), padded("0.00"),
                             QString(), QString(), padded("31")};
  const QList<bool> locked = {true, false, false, false, false, false, false, false, false,
                              true, true, true};
  QTest::newRow("dry cow") << 3u << zeros << locked;
  QTest::newRow("heifer") << 4u << zeros << locked;
}

void TestBeefForms::reproductionStart()
{
  QFETCH(quint32, type);
  QFETCH(QStringList, texts);
  QFETCH(QList<bool>, enabled);
  BeefTabForm form(typeChoice(type).caption);
  BeefReproductionForm *r = form.reproduction();
  QVERIFY(r);
  QStringList gotTexts;
  QList<bool> gotEnabled;
  for (int f = 0; f < r->fieldCount(); ++f) {
    gotTexts.append(r->text(f));
    gotEnabled.append(r->isEnabled(f));
  }
  QCOMPARE(gotTexts, texts);
  QCOMPARE(gotEnabled, enabled);
}

void TestBeefForms::liveWeightEstimate_data()
{
  QTest::addColumn<QString>("length");
  QTest::addColumn<QString>("girth");
  QTest::addColumn<QString>("weight");  // empty: left as it was
  QTest::newRow("150 x 180") << "150" << "180" << "  447.926";
  QTest::newRow("measures typed with a comma") << "150,4" << "180" << "  447.926";
  QTest::newRow("one measure empty") << "150" << " " << QString();
  QTest::newRow("both empty") << "" << "" << QString();
}

void TestBeefForms::liveWeightEstimate()
{
  QFETCH(QString, length);
  QFETCH(QString, girth);
  QFETCH(QString, weight);
  LiveWeightEstimateForm estimate;
  estimate.typeText(LiveWeightEstimateForm::SLE_BUZUN, length);
  estimate.typeText(LiveWeightEstimateForm::SLE_GCEVRE, girth);
  const std::optional<QString> got = estimate.liveWeightText();
  QCOMPARE(got.has_value(), !weight.isEmpty());
  if (!got)
    return;
  QCOMPARE(*got, weight);
  BeefAnimalForm page(QStringLiteral("Genç/Besi"));
  page.putLiveWeight(*got);
  page.leaveEdit(BeefAnimalForm::SLE_CANAG);
  QCOMPARE(page.text(BeefAnimalForm::SLE_CANAG), padded("447.926"));
}

void TestBeefForms::okCheck_data()
{
  QTest::addColumn<quint32>("type");
  QTest::addColumn<FormEdit>("edit");
  QTest::addColumn<BeefFieldRef>("refused");  // page 0: accepted

  auto clear = [](BeefPage page, int field) {
    return FormEdit([=](BeefTabForm &f) { f.page(page)->typeText(field, QStringLiteral("   ")); });
  };
  auto set = [](BeefPage page, int field, const char *text) {
    return FormEdit([=](BeefTabForm &f) {
      f.page(page)->typeText(field, QString::fromUtf8(text));
      f.page(page)->leaveEdit(field);
    });
  };
  const BeefFieldRef ok{BeefPage(0), 0};
  using A = BeefAnimalForm;
  using R = BeefReproductionForm;
  using M = BeefManagementForm;
  using E = BeefEnvironmentForm;
  const auto P1 = BeefPage::Animal, P2 = BeefPage::Management, P3 = BeefPage::Environment,
             P4 = BeefPage::Reproduction;
  const FormEdit nothing = [](BeefTabForm &) {};

  // Every type passes once its required fields are filled.
  for (quint32 t = 1; t <= 5; ++t)
    QTest::addRow("type %u filled", t) << t << nothing << ok;

  // Animal page, for every type.
  for (quint32 t = 1; t <= 5; ++t) {
    QTest::addRow("type %u: empty age", t) << t << clear(P1, A::SLE_YAS) << BeefFieldRef{P1, A::SLE_YAS};
    QTest::addRow("type %u: live weight 0", t) << t << set(P1, A::SLE_CANAG, "0") << BeefFieldRef{P1, A::SLE_CANAG};
    QTest::addRow("type %u: mature weight 0", t) << t << set(P1, A::SLE_BSAGIR, "0,0") << BeefFieldRef{P1, A::SLE_BSAGIR};
  }
  QTest::newRow("blank live weight") << 1u << clear(P1, A::SLE_CANAG) << BeefFieldRef{P1, A::SLE_CANAG};
  QTest::newRow("empty gain") << 1u << clear(P1, A::SLE_ICAARTISI) << BeefFieldRef{P1, A::SLE_ICAARTISI};
  QTest::newRow("gain 0 is fine") << 1u << set(P1, A::SLE_ICAARTISI, "0") << ok;
  QTest::newRow("age before live weight")
      << 1u << FormEdit([=](BeefTabForm &f) { clear(P1, A::SLE_CANAG)(f); clear(P1, A::SLE_YAS)(f); })
      << BeefFieldRef{P1, A::SLE_YAS};
  QTest::newRow("animal page before environment")
      << 1u << FormEdit([=](BeefTabForm &f) { clear(P3, E::SLE_RUZGHIZI)(f); clear(P1, A::SLE_BSAGIR)(f); })
      << BeefFieldRef{P1, A::SLE_BSAGIR};

  // Reproduction page.
  QTest::newRow("lactating: empty milk fat") << 2u << clear(P4, R::SLE_SUTYAGI) << BeefFieldRef{P4, R::SLE_SUTYAGI};
  QTest::newRow("lactating: fat and calving interval empty: the interval")
      << 2u << FormEdit([=](BeefTabForm &f) { clear(P4, R::SLE_SUTYAGI)(f); clear(P4, R::SLE_BUZAGARALIGI)(f); })
      << BeefFieldRef{P4, R::SLE_BUZAGARALIGI};
  QTest::newRow("lactating: peak week 0") << 2u << set(P4, R::SLE_PIKVERIMZAMANI, "0") << BeefFieldRef{P4, R::SLE_PIKVERIMZAMANI};
  QTest::newRow("lactating: peak milk 0") << 2u << set(P4, R::SLE_PIKSUTVERIMI, "0") << BeefFieldRef{P4, R::SLE_PIKSUTVERIMI};
  QTest::newRow("lactating: empty days pregnant") << 2u << clear(P4, R::SLE_GEBELIKSURESI) << BeefFieldRef{P4, R::SLE_GEBELIKSURESI};
  QTest::newRow("lactating: 282 days pregnant") << 2u << set(P4, R::SLE_GEBELIKSURESI, "282") << ok;
  QTest::newRow("lactating: 283 days pregnant") << 2u << set(P4, R::SLE_GEBELIKSURESI, "283") << BeefFieldRef{P4, R::SLE_GEBELIKSURESI};
  QTest::newRow("lactating: lactation number empty") << 2u << clear(P4, R::SLE_LAKSAYISI) << BeefFieldRef{P4, R::SLE_LAKSAYISI};
  for (quint32 t : {3u, 4u}) {
    QTest::addRow("type %u: milk fields empty pass", t)
        << t << FormEdit([=](BeefTabForm &f) { clear(P4, R::SLE_SUTYAGI)(f); clear(P4, R::SLE_PIKSUTVERIMI)(f); }) << ok;
    QTest::addRow("type %u: days pregnant may stay empty", t) << t << clear(P4, R::SLE_GEBELIKSURESI) << ok;
    QTest::addRow("type %u: 300 days pregnant", t) << t << set(P4, R::SLE_GEBELIKSURESI, "300") << BeefFieldRef{P4, R::SLE_GEBELIKSURESI};
    QTest::addRow("type %u: empty breeding age", t) << t << clear(P4, R::SLE_DKULYASI) << BeefFieldRef{P4, R::SLE_DKULYASI};
    QTest::addRow("type %u: empty calf birth weight", t) << t << clear(P4, R::SLE_BEKBUZDOGAG) << BeefFieldRef{P4, R::SLE_BEKBUZDOGAG};
  }
  QTest::newRow("dry: overdue and breeding age empty: the breeding age")
      << 3u << FormEdit([=](BeefTabForm &f) { set(P4, R::SLE_GEBELIKSURESI, "300")(f); clear(P4, R::SLE_DKULYASI)(f); })
      << BeefFieldRef{P4, R::SLE_DKULYASI};

  // Management page: pasture fields only while grazing.
  const FormEdit graze = [](BeefTabForm &f) { f.management().setGrazing(true); };
  auto grazeFilled = [=](const char *animals, const char *days) {
    return FormEdit([=](BeefTabForm &f) {
      graze(f);
      set(P2, M::SLE_GUSIZE, "10")(f);
      set(P2, M::SLE_IPM, "900")(f);
      set(P2, M::SLE_OTLAK_TDNMUH, "60")(f);
      set(P2, M::SLE_OTSURE, days)(f);
      set(P2, M::SLE_NOANI, animals)(f);
    });
  };
  QTest::newRow("not grazing: empty pasture passes") << 1u << nothing << ok;
  QTest::newRow("grazing: first empty pasture field") << 1u << graze << BeefFieldRef{P2, M::SLE_GUSIZE};
  for (quint32 t = 1; t <= 5; ++t) {
    QTest::addRow("type %u: grazing filled", t) << t << grazeFilled("40", "60") << ok;
    QTest::addRow("type %u: grazing 0 animals", t) << t << grazeFilled("0", "60") << BeefFieldRef{P2, M::SLE_NOANI};
  }
  QTest::newRow("grazing 0 days") << 1u << grazeFilled("40", "0,4") << BeefFieldRef{P2, M::SLE_OTSURE};
  QTest::newRow("grazing switched off again: 0 animals pass")
      << 1u << FormEdit([=](BeefTabForm &f) { grazeFilled("0", "0")(f); f.management().setGrazing(false); }) << ok;

  // Environment page.
  for (quint32 t = 1; t <= 5; ++t)
    QTest::addRow("type %u: empty wind speed", t) << t << clear(P3, E::SLE_RUZGHIZI) << BeefFieldRef{P3, E::SLE_RUZGHIZI};
  QTest::newRow("empty temperature") << 1u << clear(P3, E::SLE_CEVSIC) << BeefFieldRef{P3, E::SLE_CEVSIC};
  QTest::newRow("empty previous month") << 1u << clear(P3, E::SLE_ONCEASO) << BeefFieldRef{P3, E::SLE_ONCEASO};
  QTest::newRow("empty hair length") << 1u << clear(P3, E::CB_EFEKKILUZ) << BeefFieldRef{P3, E::CB_EFEKKILUZ};
  QTest::newRow("temperature 0 is fine") << 1u << set(P3, E::SLE_CEVSIC, "0") << ok;
  QTest::newRow("grazing before environment")
      << 1u << FormEdit([=](BeefTabForm &f) { clear(P3, E::SLE_RUZGHIZI)(f); graze(f); })
      << BeefFieldRef{P2, M::SLE_GUSIZE};
}

void TestBeefForms::okCheck()
{
  QFETCH(quint32, type);
  QFETCH(FormEdit, edit);
  QFETCH(BeefFieldRef, refused);
  BeefTabForm form(typeChoice(type).caption);
  fillRequired(form);
  edit(form);
  const std::optional<BeefFieldRef> got = form.checkOk(std::nullopt);
  if (int(refused.page) == 0) {
    QVERIFY2(!got, got ? qPrintable(QStringLiteral("refused %1/%2").arg(int(got->page)).arg(got->field)) : "");
    return;
  }
  QVERIFY(got);
  QCOMPARE(int(got->page), int(refused.page));
  QCOMPARE(got->field, refused.field);
}

void TestBeefForms::okRewritesTheFocusedField()
{
  // Enter on "Tamam" with the focus still in a temperature edit: the value
  // counts as shown, sign and all.
  BeefTabForm form(QStringLiteral("Genç/Besi"));
  fillRequired(form);
  using E = BeefEnvironmentForm;
  form.environment().typeText(E::SLE_CEVSIC, QStringLiteral("-10"));
  form.animal().typeText(BeefAnimalForm::SLE_ICAARTISI, QStringLiteral("1,25"));
  QVERIFY(!form.checkOk(BeefFieldRef{BeefPage::Environment, E::SLE_CEVSIC}));
  QCOMPARE(form.pages().environment.temperature, padded("-10"));
  QVERIFY(!form.checkOk(BeefFieldRef{BeefPage::Animal, BeefAnimalForm::SLE_ICAARTISI}));
  QCOMPARE(form.pages().animal.dailyGain, padded("1.250"));
  // A "0" typed into the live weight and confirmed with Enter is refused.
  form.animal().typeText(BeefAnimalForm::SLE_CANAG, QStringLiteral("0"));
  const auto refused = form.checkOk(BeefFieldRef{BeefPage::Animal, BeefAnimalForm::SLE_CANAG});
  QVERIFY(refused);
  QCOMPARE(refused->field, int(BeefAnimalForm::SLE_CANAG));
}

void TestBeefForms::pagesReachTheModel()
{
  BeefTabForm form(QStringLiteral("Süt Veren İnek "));
  fillRequired(form);
  form.animal().chooseBreedSystem(BreedSystem::TwoWay);
  form.animal().chooseItem(BeefAnimalForm::CB_IKILIMEL, 12);
  form.environment().chooseItem(BeefEnvironmentForm::CB_SSIT, 3);
  form.environment().chooseItem(BeefEnvironmentForm::CB_GECESERIN, 2);
  form.management().chooseItem(BeefManagementForm::CB_ADDITIVE, 4);
  const BeefInputPages p = form.pages();
  QVERIFY(p.reproduction);
  QCOMPARE(p.reproduction->peakMilk, padded("8.0"));
  QCOMPARE(p.reproduction->calvingInterval, padded("12.00"));
  QCOMPARE(p.animal.breedSystem, BreedSystem::TwoWay);
  QCOMPARE(p.animal.secondBreedItem, 12);
  QCOMPARE(p.environment.heatStressItem, 3);
  QCOMPARE(p.environment.nightCoolingText, QStringLiteral("Evet"));
  QCOMPARE(p.management.additiveItem, 4);
  QCOMPARE(p.animal.sexItem, 4);
  QCOMPARE(p.animal.sexText, QStringLiteral("İnek"));
}

QTEST_GUILESS_MAIN(TestBeefForms)
#include "tst_beefforms.moc"
