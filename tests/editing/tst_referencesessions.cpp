// Two sessions of the program change the reference matrix at once: every
// change answered OK is in the file afterwards, or the session that would
// write over the other's change is asked first. The other session is a second
// process (this program run with "--session"), held between its read of the
// file and its write: the moment in which another save could slip in.
#include "editing/referencemaintenance.h"
#include "editing/referencematrix.h"
#include "editing/referencematrixcopy.h"
#include "referencefixture.h"
#include "scriptedinteraction.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <atomic>
#include <cstdio>
#include <cstring>
#include <thread>

using namespace vz;
using namespace vz::test;

namespace {

// The other session adds the column `name` through the column dialog's core.
// Once it has read the file for its change it says "read" and writes only
// after a line on its standard input.
int otherSession(const QString &path, const QString &name)
{
  refmaint::ColumnEditor editor(path, [](const QString &p, const QList<DbfField> &f, const QList<DbfRecord> &r,
                                         QString *e) {
    std::fputs("read\n", stdout);
    std::fflush(stdout);
    char line[16];
    if (!std::fgets(line, sizeof line, stdin))
      return false;
    return DbfTable::writeTable(p, f, r, e);
  });
  if (!editor.load())
    return 2;
  ScriptedInteraction ui;
  editor.PBTAMAM(refmaint::ColumnOperation::Append, name, 0, ui);
  return ui.texts(QStringLiteral("information")).isEmpty() ? 0 : 3;
}

} // namespace

class TstReferenceSessions : public QObject {
  Q_OBJECT

  QTemporaryDir m_dir;
  QString path() const { return QDir(m_dir.path()).filePath(QStringLiteral("MATKUMAD.DBF")); }

private slots:
  void init() { QVERIFY(writeReference(m_dir.path())); }

  void bothChangesKeptOrAsked_data()
  {
    QTest::addColumn<bool>("window");  // the window's save; else a column added
    QTest::newRow("column added in both sessions") << false;
    QTest::newRow("window saved while a column is added") << true;
  }

  void bothChangesKeptOrAsked()
  {
    QFETCH(bool, window);
    ScriptedInteraction ui;
    // This session's change, made before the other session reads the file.
    ReferenceMatrixCopy copy;
    QVERIFY(copy.open(path()));
    QCOMPARE(copy.ENDEDIT(2, 4, QStringLiteral("130"), ui), ReferenceMatrixCopy::EditOutcome::Stored);
    refmaint::ColumnEditor editor(path());
    QVERIFY(editor.load());

    QProcess other;
    other.start(QCoreApplication::applicationFilePath(),
                {QStringLiteral("--session"), path(), QStringLiteral("DIGERI")});
    QVERIFY(other.waitForStarted());
    QVERIFY(other.waitForReadyRead(20000));
    QCOMPARE(other.readLine().trimmed(), QByteArray("read"));

    // Ours is saved now, while the other session is between its read and
    // its write; a save that does not wait for it is done at once.
    std::atomic<bool> done{false};
    ReferenceMatrixCopy::SaveOutcome outcome = ReferenceMatrixCopy::SaveOutcome::Failed;
    ScriptedInteraction mineUi;
    std::thread mine([&] {
      if (window)
        outcome = copy.save();
      else
        editor.PBTAMAM(refmaint::ColumnOperation::Append, QStringLiteral("BENIM"), 0, mineUi);
      done = true;
    });
    for (int i = 0; i < 50 && !done; ++i)
      QThread::msleep(10);
    other.write("go\n");
    QVERIFY(other.waitForFinished(20000));
    mine.join();
    QCOMPARE(other.exitCode(), 0);

    ReferenceMatrix m;
    QVERIFY(refmatrix::read(path(), &m));
    QVERIFY(m.fieldNames().contains(QStringLiteral("DIGERI")));
    if (window) {
      // Not written over the column: asked first, and the column is kept.
      QCOMPARE(outcome, ReferenceMatrixCopy::SaveOutcome::ChangedOnDisk);
      QVERIFY(copy.changed());
    } else {
      QVERIFY(mineUi.texts(QStringLiteral("information")).isEmpty());
      QVERIFY(m.fieldNames().contains(QStringLiteral("BENIM")));
    }
  }
};

int main(int argc, char **argv)
{
  if (argc == 4 && std::strcmp(argv[1], "--session") == 0) {
    QCoreApplication app(argc, argv);
    return otherSession(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]));
  }
  QCoreApplication app(argc, argv);
  TstReferenceSessions test;
  QTEST_SET_MAIN_SOURCE_PATH
  return QTest::qExec(&test, argc, argv);
}

#include "tst_referencesessions.moc"
