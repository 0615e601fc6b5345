// Every window and dialog of the program, opened offscreen: no text is
// clipped and no dialog is larger than a 1024 x 768 screen.
//
// To add a window, add a row to windowTable(): its name and a function that
// builds it (not yet shown) from the fixture. A window the main window opens
// through a menu command is a row of shellWith("EVENT").
// VZ_GRAB_DIR=<folder> saves a picture of every window there.
#include "editing/ui/bm_man_win.h"
#include "editing/ui/jqfolderdialogwindow.h"
#include "../shell/shellfixture.h"
#include "../controls/calendargallery.h"
#include "../controls/controlgallery.h"
#include "../controls/libraryeditsgallery.h"
#include "../controls/typededitsgallery.h"
#include "textfit.h"

#include "controls/jqdatacolumndelegate.h"
#include "controls/toolbarpictures.h"
#include "editing/ui/entrytablemodel.h"
#include "editing/ui/entrywindow.h"
#include "controls/wintipofday.h"
#include "problem/ui/achoice.h"
#include "problem/ui/actalert.h"
#include "problem/ui/cb_hsec.h"
#include "problem/ui/colonmaths.h"
#include "problem/ui/grparmgir_win.h"
#include "problem/ui/marktopbot.h"
#include "problem/ui/mbm_wind.h"
#include "problem/ui/vzyrhakkinda.h"
#include "problem/ui/yenidosyawindow.h"
#include "requirements/beef/ui/bc_growfinish_tab.h"
#include "requirements/beef/ui/bc_haytip_sec.h"
#include "requirements/beef/ui/ca_tahmin_dwin.h"
#include "requirements/dairy/ui/growcatledw.h"
#include "requirements/dairy/ui/lactcatledw.h"
#include "requirements/dairy/ui/matbuldw.h"
#include "requirements/dairy/ui/stipisecw.h"
#include "scriptedinteraction.h"
#include "shell/ui/helpwindow.h"
#include "shell/ui/logondialog.h"
#include "shell/ui/newpassworddialog.h"
#include "shell/ui/padwin.h"
#include "shell/ui/padwinmargindialog.h"
#include "shell/ui/qtfilecommanddialogs.h"
#include "shell/ui/reporteditorqtdialogs.h"
#include "shell/shellstartup.h"
#include "shell/ui/splashscreen.h"
#include "shell/ui/standardshellwindow.h"
#include "shell/ui/wtipofday.h"

#include <QDialog>
#include <QFileDialog>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPrinter>
#include <QToolBar>
#include <QToolButton>
#include <QtTest>
#include <functional>
#include <memory>

using namespace vz;
using namespace vz::test;

namespace {

struct Fixture {
  QTemporaryDir dir;
  ScriptedInteraction ui;
  ScriptedFileDialogs dialogs;
  ReportEditorQtDialogs editorDialogs;
  QPrinter printer;
  QWidget owner;
  RationProblem problem;
  QString example() const { return dir.path() + QStringLiteral("/Data/ORNEK_SUT_INEGI.RVD"); }
};

using Build = std::function<QWidget *(Fixture &)>;

// The main window with the example problem open and `event` chosen.
Build shellWith(const char *event)
{
  return [event](Fixture &f) -> QWidget * {
    auto *window = new STANDARDSHELLWINDOW(f.ui, f.dialogs, StartupSettings());
    window->resize(1024, 768);
    window->show();
    window->DOOPENFILE(f.example());
    window->routeEvent(event);
    return window;
  };
}

const QStringList someNames{QStringLiteral("Kuru Madde Tüketimi"), QStringLiteral("Ham Protein"),
                            QStringLiteral("Net Enerji Laktasyon")};

// The feedstuffs of the shipped reference matrix as the choice lists get
// them: at the full width of the name field, 25 characters.
QStringList referenceFeedNames()
{
  QFile csv(qEnvironmentVariable("VZ_SOURCE_DIR") + QStringLiteral("/examples/referans_matris.csv"));
  if (!csv.open(QIODevice::ReadOnly))
    return {};
  QStringList names;
  for (const QString &line : QString::fromUtf8(csv.readAll()).split(QLatin1Char('\n'))) {
    const QString name = line.section(QLatin1Char(';'), 0, 0).trimmed();
    if (!name.isEmpty() && !name.startsWith(QLatin1Char('#')) && name != QLatin1String("YM_ADI"))
      names.append(name.leftJustified(25));
  }
  return names;
}

// Every tool bar button shows a picture (a drawn one, not its number) and a
// Turkish tip.
QStringList toolbarFaults(QWidget *top)
{
  QStringList faults;
  for (QToolBar *bar : top->findChildren<QToolBar *>()) {
    for (QToolButton *button : bar->findChildren<QToolButton *>()) {
      if (!button->defaultAction() || button->defaultAction()->isSeparator()
          || button->objectName() == QLatin1String("qt_toolbar_ext_button"))
        continue;
      const QString tip = button->toolTip();
      bool drawn = !button->icon().isNull();
      if (const QVariant picture = button->property("vzPicture"); picture.isValid())
        toolbarPicture(picture.toInt(), &drawn);
      if (!drawn || tip.isEmpty() || !tip.contains(QRegularExpression(QStringLiteral("[A-Za-zÇĞİÖŞÜçğıöşü]"))))
        faults.append(QStringLiteral("tool button \"%1\" (tip \"%2\")%3")
                          .arg(button->defaultAction()->text(), tip, drawn ? QString() : QStringLiteral(" has no picture")));
    }
  }
  return faults;
}

struct WindowRow {
  const char *name;
  Build build;
};

QList<WindowRow> windowTable()
{
  return {
      {"YENIDOSYAWINDOW", [](Fixture &f) { return new YENIDOSYAWINDOW(&f.owner); }},
      {"VZYRHAKKINDA", [](Fixture &f) { return new VZYRHAKKINDA(&f.owner); }},
      {"ACTALERT", [](Fixture &f) { return new ACTALERT(&f.owner); }},
      {"ACHOICE", [](Fixture &f) { return new ACHOICE(&f.owner, QStringLiteral("Makro Besin Maddesi Seçimi"), someNames); }},
      {"MARKTOPBOT", [](Fixture &f) { return new MARKTOPBOT(&f.owner, QStringLiteral("Bağlı Besin Maddeleri Seçimi"), someNames); }},
      {"MARKTOPBOT choosing feedstuffs", [](Fixture &f) {
         return new MARKTOPBOT(&f.owner, QStringLiteral("Yem Maddesi Seçimi"), referenceFeedNames(), false);
       }},
      {"MARKTOPBOT adding feedstuffs", [](Fixture &f) {
         return new MARKTOPBOT(&f.owner, QStringLiteral("Yem Maddesi Ekle"), referenceFeedNames(), false);
       }},
      {"ACHOICE feedstuffs", [](Fixture &f) { return new ACHOICE(&f.owner, QStringLiteral("Yem Maddesi Seçimi"), referenceFeedNames()); }},
      {"CB_HSEC", [](Fixture &f) { return new CB_HSEC(&f.owner, QStringLiteral("Arpa"), someNames); }},
      {"COLONMATHS", [](Fixture &f) { return new COLONMATHS(&f.owner, someNames); }},
      {"GRPARMGIR_WIN", [](Fixture &f) { return new GRPARMGIR_WIN(&f.owner, f.problem); }},
      {"MBM_WIND", [](Fixture &f) { return new MBM_WIND(&f.owner, QStringLiteral("Besin maddesi adı"), QStringLiteral("HP")); }},
      {"STIPISECW rows", [](Fixture &f) { return new STIPISECW(&f.owner, 1); }},
      {"STIPISECW report", [](Fixture &f) { return new STIPISECW(&f.owner, 2); }},
      {"GROWCATLEDW", [](Fixture &f) { return new GROWCATLEDW(&f.owner); }},
      {"LACTCATLEDW", [](Fixture &f) { return new LACTCATLEDW(&f.owner); }},
      {"MATBULDW", [](Fixture &f) { return new MATBULDW(&f.owner); }},
      {"BC_HAYTIP_SEC", [](Fixture &f) { return new beef::BC_HAYTIP_SEC(&f.owner); }},
      {"BC_GROWFINISH_TAB", [](Fixture &f) { return new beef::BC_GROWFINISH_TAB(&f.owner, QStringLiteral("Büyüyen ve Besi Sığırı")); }},
      {"CA_TAHMIN_DWIN", [](Fixture &f) { return new beef::CA_TAHMIN_DWIN(&f.owner); }},
      {"MARGINDIALOG", [](Fixture &f) { return new MARGINDIALOG(&f.owner); }},
      {"LOGONDIALOG", [](Fixture &f) { return new LOGONDIALOG(&f.owner, QStringLiteral("Giriş"), &f.ui, f.dir.path()); }},
      {"BM_MAN_WIN", [](Fixture &f) { return new BM_MAN_WIN(&f.owner, f.dir.filePath(QStringLiteral("MATKUMAD.DBF")), f.ui); }},
      {"JQFOLDERDIALOGWINDOW", [](Fixture &f) { return new JQFOLDERDIALOGWINDOW(&f.owner, QStringLiteral("MATKUMAD.DBF")); }},
      {"WINTIPOFDAY", [](Fixture &f) { return new WINTIPOFDAY(&f.owner); }},
      {"WTIPOFDAY", [](Fixture &f) { return new WTIPOFDAY(&f.owner, &f.ui); }},
      {"SPLASHSCREEN", [](Fixture &f) { return new SPLASHSCREEN(&f.owner); }},
      {"NEWPASSWORDDIALOG adding", [](Fixture &f) { return new NEWPASSWORDDIALOG(&f.owner, QStringLiteral("Yeni Kullanıcı Ekle"), true, &f.ui, f.dir.path()); }},
      {"NEWPASSWORDDIALOG changing", [](Fixture &f) { return new NEWPASSWORDDIALOG(&f.owner, QStringLiteral("Ad ve Parola Değiştir"), false, &f.ui, f.dir.path()); }},
      {"HelpWindow", [](Fixture &f) { return new HelpWindow(&f.owner); }},
      {"control gallery", [](Fixture &f) { return new test::ControlGallery(&f.owner); }},
      {"edits gallery", [](Fixture &f) { return new test::LibraryEditsGallery(&f.owner); }},
      {"typed edits gallery", [](Fixture &f) { return new test::TypedEditsGallery(&f.owner); }},
      {"calendar gallery", [](Fixture &f) { return new test::CalendarGallery(&f.owner); }},
      {"DLGPECALENDAR", [](Fixture &f) {
         auto *edit = new QLineEdit(QStringLiteral("29.02.2024"), &f.owner);
         return new DLGPECALENDAR(&f.owner, edit, true, 2);
       }},
      {"PADWIN", [](Fixture &f) { return new PADWIN(f.ui, f.editorDialogs, [&f] { return &f.printer; }); }},
      {"file dialog", [](Fixture &f) {
         auto *dialog = new QFileDialog(&f.owner, QStringLiteral("Aç..."), f.dir.path() + QStringLiteral("/Data"));
         dialog->setOptions(QFileDialog::DontUseNativeDialog);
         dialog->setViewMode(QFileDialog::Detail);
         QtFileCommandDialogs::makeReadable(*dialog);
         return dialog;
       }},
      {"main window", shellWith("")},
      {"YM_GIRISWIN", shellWith("YM_GIRIS")},
      {"BM_GIRISWIN", shellWith("BM_GIRIS")},
      {"BMO_GIRISWIN", shellWith("BMO_GIRIS")},
      {"AMAT_GIRISWIN", shellWith("AMAT_GIRIS")},
      {"KW_MANWIN", shellWith("KW_MANUEL_COZUM")},
      {"report editor", shellWith("REPORTPAD")},
  };
}

} // namespace

class TestWindowTexts : public QObject {
  Q_OBJECT
  std::unique_ptr<Fixture> m_fixture;

private slots:
  // Qt's own texts are checked as the program shows them.
  void initTestCase() { QVERIFY(ShellStartup::loadQtTranslation()); }

  void init()
  {
    m_fixture = std::make_unique<Fixture>();
    Fixture &f = *m_fixture;
    QDir(f.dir.path()).mkpath(QStringLiteral("Data"));
    QVERIFY(QFile::copy(qEnvironmentVariable("VZ_SOURCE_DIR") + QStringLiteral("/examples/ORNEK_SUT_INEGI.RVD"),
                        f.example()));
    QFile::setPermissions(f.example(), QFile::permissions(f.example()) | QFileDevice::WriteOwner);
    closeSessionProblem();
    AppSession::instance().setProgramDir(f.dir.path());
    f.problem = AppSession::instance().problem();
  }
  void cleanup()
  {
    closeSessionProblem();
    m_fixture.reset();
  }

  void everyTextFits_data()
  {
    QTest::addColumn<int>("row");
    const QList<WindowRow> table = windowTable();
    for (int i = 0; i < table.size(); ++i)
      QTest::newRow(table.at(i).name) << i;
  }
  void everyTextFits()
  {
    QFETCH(int, row);
    const WindowRow entry = windowTable().at(row);
    std::unique_ptr<QWidget> window(entry.build(*m_fixture));
    QVERIFY(window);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    QCoreApplication::processEvents();
    const QString grabDir = qEnvironmentVariable("VZ_GRAB_DIR");
    if (!grabDir.isEmpty())
      window->grab().save(grabDir + QLatin1Char('/') + QString::fromLatin1(entry.name).replace(QLatin1Char(' '), QLatin1Char('_')) + QStringLiteral(".png"));

    const QStringList faults = textFaultsOnEveryPage(window.get()) + toolbarFaults(window.get());
    if (!faults.isEmpty())
      QFAIL(qPrintable(faults.join(QLatin1Char('\n'))));
    if (qobject_cast<QDialog *>(window.get())) {
      // Shown modally, a dialog can be neither minimised nor maximised: its
      // frame offers neither.
      const Qt::WindowFlags frame = window->windowFlags();
      QCOMPARE(window->windowType(), Qt::Dialog);
      QVERIFY2(!(frame & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)),
               qPrintable(QString::number(int(frame), 16)));
      QVERIFY2(window->width() <= 1024 && window->height() <= 768,
               qPrintable(QStringLiteral("%1x%2").arg(window->width()).arg(window->height())));
      // The title bar shows the whole caption in the desktop's title font,
      // commonly the application font in bold, beside its icon and buttons.
      QFont titleFont = QApplication::font();
      titleFont.setBold(true);
      const int titleNeed = QFontMetrics(titleFont).horizontalAdvance(window->windowTitle()) + 100;
      QVERIFY2(window->width() >= titleNeed,
               qPrintable(QStringLiteral("title \"%1\": %2 < %3").arg(window->windowTitle())
                              .arg(window->width()).arg(titleNeed)));
    }
  }

  // Numbers line up at the right of their cells (their padding dropped);
  // names and units read from the left.
  void numbersAlignRight_data()
  {
    QTest::addColumn<QByteArray>("event");
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<int>("alignment");
    const int left = Qt::AlignLeft | Qt::AlignVCenter;
    const int right = Qt::AlignRight | Qt::AlignVCenter;
    QTest::newRow("feedstuff name") << QByteArray("YM_GIRIS") << 0 << QStringLiteral("Mısır Silajı") << left;
    QTest::newRow("price") << QByteArray("YM_GIRIS") << 1 << QStringLiteral("2.500") << right;
    QTest::newRow("nutrient unit") << QByteArray("BM_GIRIS") << 1 << QString() << left;
    QTest::newRow("matrix value") << QByteArray("AMAT_GIRIS") << 1 << QString() << right;
  }
  void numbersAlignRight()
  {
    QFETCH(QByteArray, event);
    QFETCH(int, column);
    QFETCH(QString, shown);
    QFETCH(int, alignment);
    struct Probe : JqDataColumnDelegate {
      using JqDataColumnDelegate::initStyleOption;
    } probe;
    std::unique_ptr<QWidget> top(shellWith(event.constData())(*m_fixture));
    auto *window = static_cast<STANDARDSHELLWINDOW *>(top.get());
    QMdiSubWindow *sub = window->mdiArea()->activeSubWindow();
    auto *entry = sub ? qobject_cast<EntryWindow *>(sub->widget()) : nullptr;
    QVERIFY(entry);
    QStyleOptionViewItem option;
    probe.initStyleOption(&option, entry->model()->index(0, column));
    if (!shown.isEmpty())
      QCOMPARE(option.text, shown);
    QVERIFY2(int(option.displayAlignment) == alignment, qPrintable(option.text));
  }
};

QTEST_MAIN(TestWindowTexts)
#include "tst_windowtexts.moc"
