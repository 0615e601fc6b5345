// The beef dialogs on an offscreen screen: a scripted user picks the type,
// fills the pages of each animal type, presses "Tamam" and the model hands
// over the rows or writes the report; the refusals, Escape and the close box,
// the live-weight estimate and the signed temperatures.
#include "beefscenarios.h"
#include "scriptedinteraction.h"

#include "platform/rtext.h"
#include "problem/appsession.h"
#include "requirements/beef/nr_beef_catle.h"
#include "requirements/beef/ui/beefestimatecommand.h"
#include "requirements/beef/ui/bc_growfinish_tab.h"
#include "requirements/beef/ui/bc_growfinish_tab_page1.h"
#include "requirements/beef/ui/bc_growfinish_tab_page2.h"
#include "requirements/beef/ui/bc_haytip_sec.h"
#include "requirements/beef/ui/beefpageview.h"
#include "requirements/beef/ui/ca_tahmin_dwin.h"
#include "requirements/beef/ui/qtbeefinputprovider.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>

using namespace vz;
using namespace vz::beef;
using namespace beeftest;

namespace {

const QDateTime kClock(QDate(2026, 3, 14), QTime(9, 26, 53));

// Acts on each modal dialog as it comes up, one step per dialog.
class ScriptedUser : public QObject {
public:
  using Step = std::function<void(QWidget *)>;
  QList<Step> steps;

  ScriptedUser()
  {
    connect(&m_timer, &QTimer::timeout, this, [this] {
      QWidget *w = QApplication::activeModalWidget();
      if (!w || w == m_last.data() || steps.isEmpty() || !w->isVisible())
        return;
      m_last = w;
      const Step step = steps.takeFirst();
      QApplication::setActiveWindow(w);
      w->activateWindow();
      step(w);
    });
    m_timer.start(5);
  }

private:
  QTimer m_timer;
  QPointer<QWidget> m_last;
};

void typeInto(QWidget *control, const QString &text)
{
  control->setFocus(Qt::TabFocusReason);
  QLineEdit *edit = qobject_cast<QLineEdit *>(control);
  if (!edit)
    if (auto *combo = qobject_cast<QComboBox *>(control))
      edit = combo->lineEdit();
  QVERIFY(edit);
  edit->selectAll();
  QTest::keyClick(edit, Qt::Key_Delete);
  QTest::keyClicks(edit, text);
}

void pick(QWidget *control, int item)
{
  auto *combo = qobject_cast<QComboBox *>(control);
  QVERIFY(combo);
  control->setFocus(Qt::TabFocusReason);
  combo->setCurrentIndex(item - 1);
  emit combo->activated(item - 1);
}

// Fills the pages of `d` with the scenario's values as a user would, ending
// in the ambient temperature, where Enter presses "Tamam".
void fillAndConfirm(BC_GROWFINISH_TAB *d, const BeefInputPages &p)
{
  BeefPageView *animal = d->view(BeefPage::Animal);
  using A = BeefAnimalForm;
  typeInto(animal->control(A::SLE_YAS), p.animal.age);
  typeInto(animal->control(A::SLE_CANAG), p.animal.liveWeight);
  typeInto(animal->control(A::SLE_BSAGIR), p.animal.matureWeight);
  typeInto(animal->control(A::SLE_ICAARTISI), p.animal.dailyGain);
  if (p.animal.breedSystem == BreedSystem::TwoWay)
    d->OTPBC_GROWFINISH_TAB_PAGE1->OCCRB_IKILIMELEZ->click();
  pick(animal->control(A::CB_SIRK), p.animal.firstBreedItem);
  if (p.animal.breedSystem != BreedSystem::Pure)
    pick(animal->control(A::CB_IKILIMEL), p.animal.secondBreedItem);

  if (p.reproduction) {
    d->ODCBC_GROWFINISH_TAB->setCurrentWidget(d->view(BeefPage::Reproduction));
    BeefPageView *r = d->view(BeefPage::Reproduction);
    using R = BeefReproductionForm;
    const BeefReproductionPage &rp = *p.reproduction;
    const QList<std::pair<int, QString>> texts = {
        {R::SLE_GEBELIKSURESI, rp.daysPregnant}, {R::SLE_SUTVERIMSURESI, rp.daysInMilk},
        {R::SLE_LAKSAYISI, rp.lactationNumber},  {R::SLE_PIKSUTVERIMI, rp.peakMilk},
        {R::SLE_PIKVERIMZAMANI, rp.peakWeek},    {R::SLE_LAKSURESI, rp.lactationLength},
        {R::SLE_SUTYAGI, rp.milkFat},            {R::SLE_SUTPPROTEINI, rp.milkProtein},
        {R::SLE_SUTSNF, rp.milkSnf},             {R::SLE_DKULYASI, rp.breedingAge},
        {R::SLE_BUZAGARALIGI, rp.calvingInterval}, {R::SLE_BEKBUZDOGAG, rp.calfBirthWeight}};
    for (const auto &[field, text] : texts)
      if (r->control(field)->isEnabled())
        typeInto(r->control(field), text);
  }

  d->ODCBC_GROWFINISH_TAB->setCurrentWidget(d->view(BeefPage::Management));
  BeefPageView *m = d->view(BeefPage::Management);
  using M = BeefManagementForm;
  if (p.management.grazing) {
    d->OTPBC_GROWFINISH_TAB_PAGE2->OCCRB_OLUYOR->click();
    pick(m->control(M::CB_ARZDUR), p.management.terrainItem);
    typeInto(m->control(M::SLE_GUSIZE), p.management.pastureArea);
    typeInto(m->control(M::SLE_IPM), p.management.pastureMass);
    typeInto(m->control(M::SLE_OTLAK_TDNMUH), p.management.pastureTdn);
    typeInto(m->control(M::SLE_OTSURE), p.management.grazingDays);
    typeInto(m->control(M::SLE_NOANI), p.management.grazingAnimals);
  }
  pick(m->control(M::CB_ADDITIVE), p.management.additiveItem);

  d->ODCBC_GROWFINISH_TAB->setCurrentWidget(d->view(BeefPage::Environment));
  BeefPageView *e = d->view(BeefPage::Environment);
  using E = BeefEnvironmentForm;
  typeInto(e->control(E::SLE_ONCEASO), p.environment.previousMonthTemperature);
  typeInto(e->control(E::SLE_CEVSIC), p.environment.temperature);
  QTest::keyClick(e->control(E::SLE_CEVSIC), Qt::Key_Return);
}

struct Fixture {
  QTemporaryDir dir;
  test::ScriptedInteraction ui;
  ReportClock clock{kClock};
  ScriptedUser user;
  QtBeefInputProvider dialogs{nullptr};

  Fixture()
  {
    QDir(dir.path()).mkpath(QStringLiteral("Data"));
    AppSession::instance().setProgramDir(dir.path());
    AppSession::instance().setCurrentReportFile(QString());
  }
  void chooseType(quint32 type)
  {
    user.steps.append([type](QWidget *w) {
      auto *d = qobject_cast<BC_HAYTIP_SEC *>(w);
      QVERIFY(d);
      d->typeButtons().at(int(type) - 1)->click();
      QTest::mouseClick(d->OCCPBTAMAM, Qt::LeftButton);
    });
  }
};

QByteArray readAll(const QString &path)
{
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

class TestBeefDialogs : public QObject {
  Q_OBJECT

private slots:
  void fillPressOk_data();
  void fillPressOk();
  void typeDialogCancelled();
  void escapeAndCloseBoxGiveNothing_data();
  void escapeAndCloseBoxGiveNothing();
  void okRefusesAndFocusesTheField();
  void liveWeightEstimate();
  void controlsOfTheDialog();
  void commandRunsTheModel();
};

void TestBeefDialogs::fillPressOk_data()
{
  QTest::addColumn<quint32>("type");
  QTest::addColumn<int>("mode");
  QTest::addColumn<QString>("golden");
  const QStringList goldens = {QStringLiteral("growfinish"), QStringLiteral("lactatingcow"),
                               QStringLiteral("drycow"), QStringLiteral("heifer"),
                               QStringLiteral("bull")};
  for (quint32 t = 1; t <= 5; ++t) {
    QTest::addRow("%s, rows", qPrintable(goldens.at(int(t) - 1))) << t << 1 << QString();
    QTest::addRow("%s, report", qPrintable(goldens.at(int(t) - 1))) << t << 2 << goldens.at(int(t) - 1);
  }
}

void TestBeefDialogs::fillPressOk()
{
  QFETCH(quint32, type);
  QFETCH(int, mode);
  QFETCH(QString, golden);
  Fixture fx;
  fx.chooseType(type);
  const BeefInputPages pages = scenario(type);
  fx.user.steps.append([&](QWidget *w) {
    auto *d = qobject_cast<BC_GROWFINISH_TAB *>(w);
    QVERIFY(d);
    QCOMPARE(d->windowTitle(), rt::AllTrim(typeChoice(type).caption));
    fillAndConfirm(d, pages);
  });
  NR_BEEF_CATLE model({fx.ui, fx.clock}, fx.dialogs, mode);
  QVERIFY(fx.user.steps.isEmpty());
  QVERIFY(fx.ui.shown.isEmpty());

  if (mode == 1) {
    // The same animal handed to the model without the dialogs.
    test::ScriptedInteraction ui;
    ScriptedBeefDialogs scripted;
    scripted.type = typeChoice(type);
    scripted.pages = pages;
    NR_BEEF_CATLE expected({ui, fx.clock}, scripted, 1);
    QVERIFY(model.LDDEG);
    QCOMPARE(model.ABMREQM, expected.ABMREQM);
    QCOMPARE(model.AANIDESC, expected.AANIDESC);
    QCOMPARE(model.fields().NTEMPERATURE, rt::Val(pages.environment.temperature));
    return;
  }
  QVERIFY(!model.LDDEG);
  const QString path = fx.dir.path() + QStringLiteral("/Data/KWIB_SBIH.TXT");
  QCOMPARE(AppSession::instance().currentReportFile(), path);
  QCOMPARE(readAll(path),
           readAll(qEnvironmentVariable("VZ_TEST_DATA") + QStringLiteral("/beef/") + golden
                   + QStringLiteral(".txt")));
}

void TestBeefDialogs::typeDialogCancelled()
{
  Fixture fx;
  fx.user.steps.append([](QWidget *w) {
    auto *d = qobject_cast<BC_HAYTIP_SEC *>(w);
    QVERIFY(d);
    d->typeButtons().at(3)->click();
    QTest::mouseClick(d->OCCPBIPTAL, Qt::LeftButton);
  });
  NR_BEEF_CATLE model({fx.ui, fx.clock}, fx.dialogs, 2);
  QVERIFY(!model.LDDEG);
  QVERIFY(!QFile::exists(fx.dir.path() + QStringLiteral("/Data/KWIB_SBIH.TXT")));
  QVERIFY(AppSession::instance().currentReportFile().isEmpty());
}

void TestBeefDialogs::escapeAndCloseBoxGiveNothing_data()
{
  QTest::addColumn<int>("how");
  QTest::newRow("Escape in an edit") << 0;
  QTest::newRow("Escape in a list") << 1;
  QTest::newRow("close box") << 2;
  QTest::newRow("İptal") << 3;
}

void TestBeefDialogs::escapeAndCloseBoxGiveNothing()
{
  QFETCH(int, how);
  Fixture fx;
  fx.chooseType(LactatingCow);
  fx.user.steps.append([how](QWidget *w) {
    auto *d = qobject_cast<BC_GROWFINISH_TAB *>(w);
    QVERIFY(d);
    // Everything is filled, so a result of 1 would hand rows over.
    BeefPageView *animal = d->view(BeefPage::Animal);
    const BeefInputPages p = scenario(LactatingCow);
    typeInto(animal->control(BeefAnimalForm::SLE_YAS), p.animal.age);
    typeInto(animal->control(BeefAnimalForm::SLE_CANAG), p.animal.liveWeight);
    typeInto(animal->control(BeefAnimalForm::SLE_BSAGIR), p.animal.matureWeight);
    typeInto(animal->control(BeefAnimalForm::SLE_ICAARTISI), p.animal.dailyGain);
    BeefPageView *r = d->view(BeefPage::Reproduction);
    for (int f = 0; f < r->form().fieldCount(); ++f)
      typeInto(r->control(f), QStringLiteral("10"));
    typeInto(animal->control(BeefAnimalForm::SLE_YAS), p.animal.age);
    switch (how) {
    case 0: QTest::keyClick(animal->control(BeefAnimalForm::SLE_YAS), Qt::Key_Escape); break;
    case 1:
      animal->control(BeefAnimalForm::CB_SIRK)->setFocus();
      QTest::keyClick(animal->control(BeefAnimalForm::CB_SIRK), Qt::Key_Escape);
      break;
    case 2: d->close(); break;
    case 3: QTest::mouseClick(d->OCCPBIPTAL, Qt::LeftButton); break;
    }
  });
  NR_BEEF_CATLE model({fx.ui, fx.clock}, fx.dialogs, 1);
  QVERIFY(fx.user.steps.isEmpty());
  QVERIFY(!model.LDDEG);
  QVERIFY(model.ABMREQM.isEmpty());
}

void TestBeefDialogs::okRefusesAndFocusesTheField()
{
  Fixture fx;
  fx.chooseType(LactatingCow);
  QStringList seen;
  fx.user.steps.append([&](QWidget *w) {
    auto *d = qobject_cast<BC_GROWFINISH_TAB *>(w);
    QVERIFY(d);
    QCOMPARE(d->ODCBC_GROWFINISH_TAB->count(), 4);
    QCOMPARE(d->ODCBC_GROWFINISH_TAB->tabText(1), QStringLiteral("Tanım devamı..."));
    // Nothing typed: the age is the first refusal.
    QTest::mouseClick(d->OCCPBTAMAM, Qt::LeftButton);
    QVERIFY(d->isVisible());
    QCOMPARE(d->ODCBC_GROWFINISH_TAB->currentIndex(), 0);
    QCOMPARE(QApplication::focusWidget(), d->view(BeefPage::Animal)->control(BeefAnimalForm::SLE_YAS));
    // A live weight of 0 confirmed with Enter is refused in its field.
    BeefPageView *animal = d->view(BeefPage::Animal);
    typeInto(animal->control(BeefAnimalForm::SLE_YAS), QStringLiteral("60"));
    typeInto(animal->control(BeefAnimalForm::SLE_CANAG), QStringLiteral("0"));
    QTest::keyClick(animal->control(BeefAnimalForm::SLE_CANAG), Qt::Key_Return);
    QVERIFY(d->isVisible());
    QCOMPARE(QApplication::focusWidget(), animal->control(BeefAnimalForm::SLE_CANAG));
    // Filled, but the peak week 0: the reproduction tab comes to the front.
    fillAndConfirm(d, scenario(LactatingCow));
    QVERIFY(!d->isVisible());
    seen << QStringLiteral("done");
  });
  NR_BEEF_CATLE model({fx.ui, fx.clock}, fx.dialogs, 1);
  QCOMPARE(seen, QStringList{QStringLiteral("done")});
  QVERIFY(model.LDDEG);

  // The lactating cow's peak week of 0 is refused on its own tab.
  Fixture fx2;
  fx2.chooseType(LactatingCow);
  bool checked = false;
  fx2.user.steps.append([&](QWidget *w) {
    auto *d = qobject_cast<BC_GROWFINISH_TAB *>(w);
    BeefInputPages p = scenario(LactatingCow);
    p.reproduction->peakWeek = QStringLiteral("0");
    fillAndConfirm(d, p);
    QVERIFY(d->isVisible());
    QCOMPARE(d->ODCBC_GROWFINISH_TAB->currentWidget(),
             static_cast<QWidget *>(d->view(BeefPage::Reproduction)));
    QCOMPARE(QApplication::focusWidget(),
             d->view(BeefPage::Reproduction)->control(BeefReproductionForm::SLE_PIKVERIMZAMANI));
    checked = true;
    QTest::mouseClick(d->OCCPBIPTAL, Qt::LeftButton);
  });
  NR_BEEF_CATLE cancelled({fx2.ui, fx2.clock}, fx2.dialogs, 1);
  QVERIFY(checked);
  QVERIFY(!cancelled.LDDEG);
}

void TestBeefDialogs::liveWeightEstimate()
{
  BC_GROWFINISH_TAB d(nullptr, QStringLiteral("Genç/Besi"));
  d.show();
  QApplication::setActiveWindow(&d);
  QVERIFY(QTest::qWaitForWindowActive(&d));
  ScriptedUser user;
  user.steps.append([](QWidget *w) {
    auto *e = qobject_cast<CA_TAHMIN_DWIN *>(w);
    QVERIFY(e);
    QCOMPARE(e->windowTitle(), QStringLiteral("Canlı Ağırlık Tahmini"));
    typeInto(e->view()->control(LiveWeightEstimateForm::SLE_BUZUN), QStringLiteral("150"));
    typeInto(e->view()->control(LiveWeightEstimateForm::SLE_GCEVRE), QStringLiteral("180"));
    QTest::keyClick(e->view()->control(LiveWeightEstimateForm::SLE_GCEVRE), Qt::Key_Return);
  });
  user.steps.append([](QWidget *w) {
    auto *e = qobject_cast<CA_TAHMIN_DWIN *>(w);
    QVERIFY(e);
    typeInto(e->view()->control(LiveWeightEstimateForm::SLE_BUZUN), QStringLiteral("100"));
    QTest::mouseClick(e->OCCPB_IPTAL, Qt::LeftButton);
  });
  QTest::mouseClick(d.OTPBC_GROWFINISH_TAB_PAGE1->OCCPB_CATAH, Qt::LeftButton);
  auto *weight = qobject_cast<QLineEdit *>(d.view(BeefPage::Animal)->control(BeefAnimalForm::SLE_CANAG));
  QCOMPARE(weight->text(), QStringLiteral("  447.926"));
  // The focus the dialog gets back once the estimate has closed.
  QCOMPARE(d.focusWidget(), static_cast<QWidget *>(weight));
  QApplication::setActiveWindow(&d);
  // Leaving the live weight rewrites it to 3 decimals in 11 characters.
  d.view(BeefPage::Animal)->control(BeefAnimalForm::SLE_BSAGIR)->setFocus();
  QCOMPARE(weight->text(), rt::PadL(QStringLiteral("447.926"), 11));
  // "İptal" leaves it alone.
  QTest::mouseClick(d.OTPBC_GROWFINISH_TAB_PAGE1->OCCPB_CATAH, Qt::LeftButton);
  QCOMPARE(weight->text(), rt::PadL(QStringLiteral("447.926"), 11));
  QCOMPARE(d.focusWidget(), static_cast<QWidget *>(weight));
  QVERIFY(user.steps.isEmpty());
}

void TestBeefDialogs::controlsOfTheDialog()
{
  BC_GROWFINISH_TAB d(nullptr, QStringLiteral("Genç/Besi"));
  QCOMPARE(d.ODCBC_GROWFINISH_TAB->count(), 3);
  QVERIFY(!d.OTPBC_GROWFINISH_TAB_PAGE4);
  // Every edit and list carries the text of its label for assistive tools.
  for (BeefPage page : d.form().tabs()) {
    BeefPageView *v = d.view(page);
    for (int f = 0; f < v->form().fieldCount(); ++f) {
      QWidget *c = v->control(f);
      QVERIFY(c);
      QVERIFY(!c->accessibleName().isEmpty());
      if (auto *combo = qobject_cast<QComboBox *>(c))
        QCOMPARE(combo->isEditable(), v->form().isEditableList(f));
    }
  }
  // Item lists cannot be typed into; the diet settings and hair length can.
  auto editable = [&](BeefPage page, int field) {
    return qobject_cast<QComboBox *>(d.view(page)->control(field))->isEditable();
  };
  QVERIFY(!editable(BeefPage::Animal, BeefAnimalForm::CB_SIRK));
  QVERIFY(!editable(BeefPage::Management, BeefManagementForm::CB_ARZDUR));
  QVERIFY(!editable(BeefPage::Environment, BeefEnvironmentForm::CB_ZEMCAMMIK));
  QVERIFY(editable(BeefPage::Management, BeefManagementForm::CB_DNEY));
  QVERIFY(editable(BeefPage::Environment, BeefEnvironmentForm::CB_EFEKKILUZ));
  // A list changed from the keyboard reaches the page as a picked item.
  QWidget *mud = d.view(BeefPage::Environment)->control(BeefEnvironmentForm::CB_ZEMCAMMIK);
  QTest::keyClick(mud, Qt::Key_Down);
  QCOMPARE(d.form().pages().environment.mudItem, 2);
  // The grazing switch enables the pasture block.
  QWidget *area = d.view(BeefPage::Management)->control(BeefManagementForm::SLE_GUSIZE);
  QVERIFY(!area->isEnabled());
  d.OTPBC_GROWFINISH_TAB_PAGE2->OCCRB_OLUYOR->click();
  QVERIFY(area->isEnabled());
  d.OTPBC_GROWFINISH_TAB_PAGE2->OCCRB_OMUYOR->click();
  QVERIFY(!area->isEnabled());
  // The breeding system enables the breed lists.
  QWidget *second = d.view(BeefPage::Animal)->control(BeefAnimalForm::CB_IKILIMEL);
  QVERIFY(!second->isEnabled());
  d.OTPBC_GROWFINISH_TAB_PAGE1->OCCRB_IKILIMELEZ->click();
  QVERIFY(second->isEnabled());
}

void TestBeefDialogs::commandRunsTheModel()
{
  Fixture fx;
  fx.chooseType(BreedingBull);
  int boxesOpenAtDialog = -1;
  fx.user.steps.append([&](QWidget *w) {
    boxesOpenAtDialog = fx.ui.pleaseWaitOpen;
    fillAndConfirm(qobject_cast<BC_GROWFINISH_TAB *>(w), scenario(BreedingBull));
  });
  const RequirementEstimate rows = runBeefEstimate(nullptr, fx.ui, 1);
  QCOMPARE(boxesOpenAtDialog, 0);
  QCOMPARE(fx.ui.events, (QStringList{QStringLiteral("pleasewait+"), QStringLiteral("pleasewait-")}));
  QVERIFY(rows.LDDEG);
  QCOMPARE(rows.ABMREQM.size(), 19);
  QCOMPARE(rows.AANIDESC.first(), QStringLiteral("TİPİ: DAMIZLIK BOĞA"));

  fx.chooseType(BreedingBull);
  fx.user.steps.append([&](QWidget *w) {
    fillAndConfirm(qobject_cast<BC_GROWFINISH_TAB *>(w), scenario(BreedingBull));
  });
  const RequirementEstimate report = runBeefEstimate(nullptr, fx.ui, 2);
  QVERIFY(!report.LDDEG);
  QCOMPARE(AppSession::instance().currentReportFile(),
           fx.dir.path() + QStringLiteral("/Data/KWIB_SBIH.TXT"));
}

QTEST_MAIN(TestBeefDialogs)
#include "tst_beefdialogs.moc"
