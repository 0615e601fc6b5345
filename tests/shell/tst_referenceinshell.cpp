// The reference-matrix items of the main menu reach their commands: the
// build and add commands close the editing windows first and recompute the
// menu; the two reports become the current report file.
#include "../editing/referencefixture.h"
#include "scriptedinteraction.h"
#include "shellfixture.h"
#include "shell/menuids.h"
#include "shell/ui/emptyshellmenu.h"
#include "shell/ui/standardshellwindow.h"

#include <QAction>
#include <QMdiArea>
#include <QtTest>

using namespace vz;
using namespace vz::test;

class TstReferenceInShell : public QObject {
  Q_OBJECT

  QTemporaryDir m_dir;
  ScriptedInteraction *m_ui = nullptr;
  ScriptedFileDialogs *m_dialogs = nullptr;
  STANDARDSHELLWINDOW *m_window = nullptr;

  QString example() const { return m_dir.path() + QStringLiteral("/Data/ORNEK_SUT_INEGI.RVD"); }
  QAction *item(int id) const { return m_window->mainMenu()->item(id); }

private slots:
  void init()
  {
    QVERIFY(m_dir.isValid());
    QDir(m_dir.path()).mkpath(QStringLiteral("Data"));
    QFile::remove(example());
    QFile::remove(QDir(m_dir.path()).filePath(QStringLiteral("MATKUMAD.DBF")));
    QVERIFY(QFile::copy(qEnvironmentVariable("VZ_SOURCE_DIR") + QStringLiteral("/examples/ORNEK_SUT_INEGI.RVD"),
                        example()));
    QFile::setPermissions(example(), QFile::permissions(example()) | QFileDevice::WriteOwner);
    closeSessionProblem();
    AppSession::instance().setProgramDir(m_dir.path());
    m_ui = new ScriptedInteraction;
    m_dialogs = new ScriptedFileDialogs;
    m_window = new STANDARDSHELLWINDOW(*m_ui, *m_dialogs, StartupSettings());
    m_window->resize(900, 640);
    m_window->show();
    QVERIFY(m_window->DOOPENFILE(example()));
    m_ui->shown.clear();
  }

  void cleanup()
  {
    closeSessionProblem();
    delete m_window;
    m_window = nullptr;
    delete m_dialogs;
    delete m_ui;
  }

  void everyItemDoesSomething_data()
  {
    QTest::addColumn<int>("id");
    QTest::addColumn<QByteArray>("event");
    QTest::newRow("Yem Maddesi Ekle") << int(menuid::YemMaddesiEkle) << QByteArray("AMAT_YMEKLE");
    QTest::newRow("Besin Maddesi Ekle") << int(menuid::BesinMaddesiEkle) << QByteArray("AMAT_BMEKLE");
    QTest::newRow("YM Fiyatları") << int(menuid::YmFiyatlari) << QByteArray("HMFIATLIST");
    QTest::newRow("Referans Matris") << int(menuid::ReferansMatrisRaporu) << QByteArray("KMMREPORT");
  }

  void everyItemDoesSomething()
  {
    // Without a reference matrix every item says so, and creates none.
    QFETCH(int, id);
    QFETCH(QByteArray, event);
    QCOMPARE(EMPTYSHELLMENU::eventName(item(id)), event);
    QVERIFY(item(id)->isEnabled());
    item(id)->trigger();
    QCOMPARE(m_ui->texts(QStringLiteral("warning")), QStringList{QStringLiteral("MATKUMAD.DBF dosyası yok..!")});
    QVERIFY(!QFile::exists(QDir(m_dir.path()).filePath(QStringLiteral("MATKUMAD.DBF"))));
  }

  void buildReachesItsCommand()
  {
    // "Seçerek Oluştur" is offered for a problem whose matrix is smaller than 2 x 2.
    RationProblem &p = AppSession::instance().problem();
    p.reset();
    m_window->MI_ENADISABLE();
    QVERIFY(item(menuid::SecerekOlustur)->isEnabled());
    QVERIFY(!item(menuid::YemMaddesiEkle)->isEnabled());
    QVERIFY(writeReference(m_dir.path()));
    m_ui->chooseManyAnswers.enqueue({2, 4});
    m_ui->chooseManyAnswers.enqueue({1, 2, 5});
    item(menuid::SecerekOlustur)->trigger();
    QCOMPARE(p.feedNames, (QStringList{"Arpa", "Mısır", "Buğday Kepeği"}));
    QCOMPARE(p.nutrientNames, (QStringList{"KMT", "KMO", "HP", "NEL"}));
    // The menu follows the new matrix.
    QVERIFY(!item(menuid::SecerekOlustur)->isEnabled());
    QVERIFY(item(menuid::YemMaddesiEkle)->isEnabled());
    QVERIFY(item(menuid::Optimal)->isEnabled());
  }

  void addClosesTheEntryWindowsFirst()
  {
    QVERIFY(writeReference(m_dir.path()));
    RationProblem &p = AppSession::instance().problem();
    const qsizetype feeds = p.feeds.size();
    m_window->routeEvent("YM_GIRIS");
    QCOMPARE(m_window->mdiArea()->subWindowList().size(), 1);
    m_ui->chooseManyAnswers.enqueue({2});  // Mısır
    m_ui->yesNoAnswers.enqueue(true);
    m_ui->pairingAnswers.enqueue(NamePairing::skip());  // FOSFOR has no column here
    item(menuid::YemMaddesiEkle)->trigger();
    QTRY_COMPARE(m_window->mdiArea()->subWindowList().size(), 0);
    QCOMPARE(p.feeds.size(), feeds + 1);
    QCOMPARE(p.feedNames.last(), QStringLiteral("Mısır"));
    QCOMPARE(m_ui->texts(QStringLiteral("pairing")).size(), 1);
    for (const QStringList &row : p.matrix)
      QCOMPARE(row.size(), feeds + 1);
    QVERIFY(p.changed.feedNames && p.changed.matrix);
  }

  void reportsBecomeTheCurrentReport()
  {
    QVERIFY(writeReference(m_dir.path()));
    item(menuid::YmFiyatlari)->trigger();
    QCOMPARE(AppSession::instance().currentReportFile(),
             QDir(m_dir.path()).filePath(QStringLiteral("Data/Yem Maddesi Fiyat Listesi.TXT")));
    item(menuid::ReferansMatrisRaporu)->trigger();
    QCOMPARE(AppSession::instance().currentReportFile(),
             QDir(m_dir.path()).filePath(QStringLiteral("Data/KM Referans Matris.TXT")));
    QVERIFY(m_ui->shown.isEmpty());
    QCOMPARE(m_ui->pleaseWaitOpen, 0);
  }
};

QTEST_MAIN(TstReferenceInShell)
#include "tst_referenceinshell.moc"
