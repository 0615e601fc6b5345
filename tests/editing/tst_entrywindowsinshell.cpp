// The entry windows inside the program's main window, opened and closed by
// its menu events.
#include "../shell/shellfixture.h"
#include "editing/ui/entrytablemodel.h"
#include "editing/ui/entrywindows.h"
#include "scriptedinteraction.h"
#include "shell/ui/standardshellwindow.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QTest>

using namespace vz;
using namespace vz::test;

class TestEntryWindowsInShell : public QObject {
  Q_OBJECT
  QTemporaryDir m_dir;
  QString example() const { return m_dir.path() + QStringLiteral("/Data/ORNEK_SUT_INEGI.RVD"); }

  static int entryWindows(QMdiArea *area)
  {
    int n = 0;
    for (QMdiSubWindow *s : area->subWindowList())
      if (auto *w = qobject_cast<EntryWindow *>(s->widget()); w && !w->isClosed())
        ++n;
    return n;
  }

private slots:
  void routedOpenEditSave()
  {
    QDir(m_dir.path()).mkpath(QStringLiteral("Data"));
    QVERIFY(QFile::copy(qEnvironmentVariable("VZ_SOURCE_DIR") + QStringLiteral("/examples/ORNEK_SUT_INEGI.RVD"), example()));
    QFile::setPermissions(example(), QFile::permissions(example()) | QFileDevice::WriteOwner);
    closeSessionProblem();
    AppSession::instance().setProgramDir(m_dir.path());
    ScriptedInteraction ui;
    ScriptedFileDialogs dialogs;
    {
      STANDARDSHELLWINDOW window(ui, dialogs, StartupSettings());
      window.resize(900, 640);
      window.show();
      QVERIFY(window.DOOPENFILE(example()));
      RationProblem &p = AppSession::instance().problem();

      QVERIFY(window.routeEvent("YM_GIRIS"));
      QVERIFY(window.routeEvent("YM_GIRIS"));
      QCOMPARE(entryWindows(window.mdiArea()), 1);
      auto *feeds = qobject_cast<EntryWindow *>(window.mdiArea()->activeSubWindow()->widget());
      QVERIFY(feeds);
      QStringList titles;
      for (QAction *a : window.menuBar()->actions())
        titles.append(a->text());
      QCOMPARE(titles, (QStringList{QStringLiteral("&Pencere"), QStringLiteral("Ya&zım"),
                                    QStringLiteral("&Araçlar"), QStringLiteral("&Yardım")}));
      QVERIFY(feeds->model()->setData(feeds->model()->index(0, 1), QStringLiteral("9,75")));

      // The matrix window takes the feedstuff window's place, edits and links.
      QVERIFY(window.routeEvent("AMAT_GIRIS"));
      QVERIFY(feeds->isClosed() || entryWindows(window.mdiArea()) == 1);
      QCOMPARE(p.feeds.first().at(1), QStringLiteral("      9.750"));
      auto *matrix = qobject_cast<EntryWindow *>(window.mdiArea()->activeSubWindow()->widget());
      QVERIFY(matrix && matrix->kind() == EntryKind::Matrix);
      QVERIFY(matrix->model()->setData(matrix->model()->index(3, 2), QStringLiteral("7")));
      QVERIFY(window.routeEvent("PBSPLIT"));

      // Saving first takes the open window's edits back.
      window.routeEvent("KAYDET");
      QCOMPARE(entryWindows(window.mdiArea()), 0);
      QVERIFY(!p.changed.any());
      closeSessionProblem();
    }
    ProblemFile f;
    QVERIFY(f.open(example()));
    RationProblem back;
    f.AKTPRODIZOLUSTUR(back);
    QCOMPARE(back.feeds.first().at(1), QStringLiteral("      9.750"));
    QCOMPARE(back.matrix.at(3).at(1), QStringLiteral("     7.0000"));
  }
};

QTEST_MAIN(TestEntryWindowsInShell)
#include "tst_entrywindowsinshell.moc"
