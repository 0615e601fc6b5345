// The save-as dialogs of the problem and of the report editor, driven as a
// user does: the file type chosen in the dialog's own list decides the
// target, and the name field never shows a pattern.
#include "../problem_ui/modalhelper.h"
#include "shell/reporteditorstate.h"
#include "shell/ui/qtfilecommanddialogs.h"
#include "shell/ui/reporteditorqtdialogs.h"

#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QtTest>

using namespace vz;
using vz::test::whenModal;

namespace {

struct Seen {
  QStringList names;  // the name field after the type was chosen, and as accepted
  QString types;
};

// Chooses type `type` (1-based) with the keyboard in the dialog's type list,
// types `name` when given, and accepts with Enter.
void answerSaveDialog(Seen *seen, int type, const QString &name)
{
  whenModal([seen, type, name](QWidget *w) {
    auto *dialog = qobject_cast<QFileDialog *>(w);
    QVERIFY(dialog);
    auto *types = dialog->findChild<QComboBox *>(QStringLiteral("fileTypeCombo"));
    auto *edit = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
    QVERIFY(types && edit);
    for (int i = 0; i < types->count(); ++i)
      seen->types += types->itemText(i) + QLatin1Char('|');
    types->setFocus();
    for (int i = 1; i < type; ++i)
      QTest::keyClick(types, Qt::Key_Down);
    seen->names.append(edit->text());
    edit->setFocus();
    if (!name.isEmpty()) {
      edit->selectAll();
      QTest::keyClicks(edit, name);
    }
    seen->names.append(edit->text());
    QTest::keyClick(edit, Qt::Key_Return);
  });
}

} // namespace

class TstSaveAsTypes : public QObject {
  Q_OBJECT
  QTemporaryDir m_dir;

private slots:
  void problem_data()
  {
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");  // the name field once the type is chosen
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<int>("filterIndex");
    QTest::newRow("RVD as proposed") << 1 << QString() << "ORNEK.RVD" << "ORNEK.RVD" << 1;
    QTest::newRow("VVD as proposed") << 2 << QString() << "ORNEK.VVD" << "ORNEK.VVD" << 2;
    QTest::newRow("VVD, bare name") << 2 << "KOPYA1" << "ORNEK.VVD" << "KOPYA1" << 2;
    QTest::newRow("RVD, bare name") << 1 << "KOPYA1" << "ORNEK.RVD" << "KOPYA1" << 1;
  }
  void problem()
  {
    QFETCH(int, type);
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    QFETCH(QString, chosen);
    QFETCH(int, filterIndex);
    QtFileCommandDialogs dialogs;
    Seen seen;
    answerSaveDialog(&seen, type, typed);
    const FileCommandDialogs::SaveAsChoice choice =
        dialogs.askSaveAs(QDir(m_dir.path()).filePath(QStringLiteral("ORNEK.RVD")), m_dir.path());
    QCOMPARE(seen.types, QStringLiteral("Vesk_Zyr Veri Dosyası (*.RVD)|VESK Veri Dosyası (*.VVD)|"));
    QCOMPARE(seen.names.value(0), shown);
    for (const QString &n : seen.names)
      QVERIFY2(!n.contains(QLatin1Char('[')), qPrintable(n));
    QCOMPARE(QFileInfo(choice.path).fileName(), chosen);
    QCOMPARE(choice.filterIndex, filterIndex);
  }

  void report_data()
  {
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("target");
    QTest::addColumn<bool>("rich");
    QTest::newRow("TXT as proposed") << 1 << QString() << "RAPOR.TXT" << false;
    QTest::newRow("RTF as proposed") << 2 << QString() << "RAPOR.RTF" << true;
    QTest::newRow("TXT, bare name") << 1 << "X" << "X.TXT" << false;
    QTest::newRow("RTF, bare name") << 2 << "X" << "X.RTF" << true;
    QTest::newRow("RTF, name typed with .rtf") << 2 << "Y.rtf" << "Y.rtf" << true;
  }
  void report()
  {
    QFETCH(int, type);
    QFETCH(QString, typed);
    QFETCH(QString, target);
    QFETCH(bool, rich);
    ReportEditorQtDialogs dialogs;
    Seen seen;
    answerSaveDialog(&seen, type, typed);
    const ReportEditorDialogs::SaveChoice choice =
        dialogs.saveReportFile(nullptr, QStringLiteral("RAPOR.TXT"), m_dir.path());
    QCOMPARE(seen.types, QStringLiteral("*.TXT|*.RTF|"));
    for (const QString &n : seen.names)
      QVERIFY2(!n.contains(QLatin1Char('[')), qPrintable(n));
    const ReportEditorState::SaveTarget written = ReportEditorState::saveAsTarget(choice.name, choice.filterIndex);
    QCOMPARE(QFileInfo(written.path).fileName(), target);
    QCOMPARE(written.kind == ReportEditorState::FileKind::Rich, rich);
  }
};

QTEST_MAIN(TstSaveAsTypes)
#include "tst_saveastypes.moc"
