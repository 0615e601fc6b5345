// Qt's own texts in Turkish once the program has loaded Qt's translation,
// the file dialogs' details included.
#include "../problem_ui/modalhelper.h"
#include "shell/shellstartup.h"
#include "shell/ui/qtfilecommanddialogs.h"
#include "shell/ui/reporteditorqtdialogs.h"

#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTreeView>
#include <QtTest>
#include <memory>

using namespace vz;

namespace {

// What the detail view of a file dialog shows of one file, and whether the
// dialog is Qt's own.
struct Shown {
  bool qtOwn = false;
  QStringList headers;
  QStringList cells;
};

// Answers the next file dialog: reads the row of `file` once the dialog has
// its details, then cancels.
void readFileDialog(const QString &file, Shown &shown)
{
  test::whenModal([file, &shown](QWidget *modal) {
    auto *dialog = qobject_cast<QFileDialog *>(modal);
    auto *view = dialog ? dialog->findChild<QTreeView *>(QStringLiteral("treeView")) : nullptr;
    if (view) {
      shown.qtOwn = dialog->testOption(QFileDialog::DontUseNativeDialog);
      const QAbstractItemModel *model = view->model();
      QModelIndex row;
      const bool listed = QTest::qWaitFor([&] {
        for (int r = 0; r < model->rowCount(view->rootIndex()) && !row.isValid(); ++r)
          if (model->index(r, 0, view->rootIndex()).data().toString() == file)
            row = model->index(r, 0, view->rootIndex());
        return row.isValid() && !row.siblingAtColumn(3).data().toString().isEmpty()
               && !row.siblingAtColumn(2).data().toString().isEmpty();
      }, 5000);
      for (int c = 0; c < 4 && listed; ++c) {
        shown.headers.append(model->headerData(c, Qt::Horizontal).toString());
        shown.cells.append(row.siblingAtColumn(c).data().toString());
      }
    }
    modal->close();
  });
}

} // namespace

class TestTurkishQt : public QObject {
  Q_OBJECT

private slots:
  void initTestCase() { QVERIFY(ShellStartup::loadQtTranslation()); }

  void standardButtons_data()
  {
    QTest::addColumn<int>("button");
    QTest::addColumn<QString>("text");
    QTest::newRow("Cancel") << int(QDialogButtonBox::Cancel) << QStringLiteral("İptal");
    QTest::newRow("Yes") << int(QDialogButtonBox::Yes) << QStringLiteral("Evet");
    QTest::newRow("No") << int(QDialogButtonBox::No) << QStringLiteral("Hayır");
  }
  void standardButtons()
  {
    QFETCH(int, button);
    QFETCH(QString, text);
    QDialogButtonBox box{QDialogButtonBox::StandardButtons(QDialogButtonBox::StandardButton(button))};
    QCOMPARE(box.button(QDialogButtonBox::StandardButton(button))->text().remove(QLatin1Char('&')), text);
  }

  void editMenuOfATextField()
  {
    QLineEdit edit;
    std::unique_ptr<QMenu> menu(edit.createStandardContextMenu());
    QStringList texts;
    for (QAction *a : menu->actions())
      texts.append(a->text().remove(QLatin1Char('&')).section(QLatin1Char('\t'), 0, 0));
    QVERIFY2(!texts.contains(QStringLiteral("Paste")), qPrintable(texts.join(QLatin1Char(','))));
    QVERIFY2(texts.contains(QStringLiteral("Yapıştır")), qPrintable(texts.join(QLatin1Char(','))));
  }


  // Every file dialog of the program is Qt's own and writes a file's size,
  // type and date in Turkish, whatever the desktop's language.
  void fileDialogs_data()
  {
    QTest::addColumn<int>("which");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("type");
    QTest::newRow("problem Aç...") << 0 << QStringLiteral("ORNEK.RVD") << QStringLiteral("bilinmeyen");
    QTest::newRow("problem Farklı Kaydet") << 1 << QStringLiteral("ORNEK.RVD") << QStringLiteral("bilinmeyen");
    QTest::newRow("report Aç...") << 2 << QStringLiteral("RAPOR.TXT") << QStringLiteral("düz metin belgesi");
    QTest::newRow("report Farklı Kaydet") << 3 << QStringLiteral("RAPOR.TXT") << QStringLiteral("düz metin belgesi");
  }
  void fileDialogs()
  {
    QFETCH(int, which);
    QFETCH(QString, file);
    QFETCH(QString, type);
    QTemporaryDir dir;
    QFile f(dir.filePath(file));
    QVERIFY(f.open(QIODevice::WriteOnly));
    // A problem file is binary, a report text.
    f.write(QByteArray(3000, file.endsWith(QLatin1String(".RVD")) ? '\0' : 'x'));
    f.close();
    const QDateTime modified = QFileInfo(f.fileName()).lastModified();

    Shown shown;
    readFileDialog(file, shown);
    QWidget owner;
    QtFileCommandDialogs problem(&owner);
    ReportEditorQtDialogs reports;
    switch (which) {
    case 0: problem.askOpenFile(dir.path()); break;
    case 1: problem.askSaveAs(QString(), dir.path()); break;
    case 2: reports.openReportFile(&owner, dir.path()); break;
    default: reports.saveReportFile(&owner, QStringLiteral("Adsız1"), dir.path()); break;
    }
    QVERIFY(shown.qtOwn);
    QCOMPARE(shown.headers, (QStringList{QStringLiteral("Ad"), QStringLiteral("Boyut"), QStringLiteral("Tür"),
                                          QStringLiteral("Değiştirilme Tarihi")}));
    QCOMPARE(shown.cells, (QStringList{file, QStringLiteral("2,93 KiB"), type,
                                        QLocale(QLocale::Turkish).toString(modified, QLocale::ShortFormat)}));
    QVERIFY2(shown.cells.at(3).contains(modified.toString(QStringLiteral("MM.yyyy"))), qPrintable(shown.cells.at(3)));
  }
};

QTEST_MAIN(TestTurkishQt)
#include "tst_turkishqt.moc"
