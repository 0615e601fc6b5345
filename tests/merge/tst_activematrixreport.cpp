#include "mergefixture.h"

#include "platform/cp1254.h"
#include "shell/activematrixreport.h"

#include <QTest>

using namespace vz;
using namespace vz::test;

namespace {

const QChar FF(0x0C);

// `nutrients` x `feeds` with names that must be cut (a feedstuff of 17 and a
// nutrient of 16 characters), Turkish letters, and one matrix row that is too
// short, whose missing cells print blank.
RationProblem generated(int nutrients, int feeds)
{
  RationProblem p;
  for (int j = 0; j < feeds; ++j) {
    const QString name = j == 0 ? QStringLiteral("ARPA KIRMASI EZME")
                         : j == 1 ? QStringLiteral("ÇİĞİT KÜSPESİ")
                                  : QStringLiteral("YEM %1").arg(j + 1);
    p.feeds.append(ym(name.left(15), 1 + j));
  }
  for (int i = 0; i < nutrients; ++i) {
    const QString name = i == 0 ? QStringLiteral("KMT")
                         : i == 1 ? QStringLiteral("KMO")
                         : i == 2 ? QStringLiteral("METİYONİN+SİSTİN")
                                  : QStringLiteral("BM%1").arg(i + 1);
    p.nutrients.append(bm(name.left(15), QStringLiteral("g")));
    QStringList row;
    for (int j = 0; j < feeds; ++j)
      row.append(i == 0 ? cell(1) : cell(i + (j + 1) / 100.0));
    if (i == 3)
      row = row.mid(0, 2);
    p.matrix.append(row);
  }
  p = settled(p);
  // The lists carry what the table cannot: the whole names.
  if (feeds > 0)
    p.feedNames[0] = QStringLiteral("ARPA KIRMASI EZME");
  if (nutrients > 2)
    p.nutrientNames[2] = QStringLiteral("METİYONİN+SİSTİN");
  return p;
}

QString goldenPath(const QString &name)
{
  return qEnvironmentVariable("VZ_TEST_DATA") + QStringLiteral("/merge/") + name;
}

QByteArray readAll(const QString &path)
{
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

// The pages of a report: what lies between form feeds, split into lines.
QList<QStringList> pages(const QString &text)
{
  QList<QStringList> out;
  for (const QString &page : text.split(FF)) {
    QStringList lines = page.split(QStringLiteral("\r\n"));
    if (!lines.isEmpty() && lines.last().isEmpty())
      lines.removeLast();
    out.append(lines);
  }
  return out;
}

QString build(const RationProblem &p)
{
  return ActiveMatrixReport::build(p.feedNames, p.nutrientNames, p.matrix, QStringLiteral("MATRIS"));
}

class RecordingInteraction : public ScriptedInteraction {
public:
  bool boxOpenAtError = false;
  void errorMessage(const QString &text, const QString &caption) override
  {
    boxOpenAtError = pleaseWaitOpen != 0;
    ScriptedInteraction::errorMessage(text, caption);
  }
};

} // namespace

Q_DECLARE_METATYPE(vz::RationProblem)

class TestActiveMatrixReport : public QObject {
  Q_OBJECT
private slots:
  void cleanup() { OpenProblem::close(); }

  // Written through the command next to the problem file, compared byte for
  // byte (code page 1254) with the kept report. VZ_UPDATE_GOLDEN=1 rewrites them.
  void golden_data()
  {
    QTest::addColumn<RationProblem>("problem");
    QTest::addColumn<QString>("golden");
    QTest::newRow("53 nutrients, 5 feedstuffs") << generated(53, 5) << QStringLiteral("amat_53x5.txt");
    QTest::newRow("54 nutrients, 6 feedstuffs") << generated(54, 6) << QStringLiteral("amat_54x6.txt");
    QTest::newRow("54 nutrients, 12 feedstuffs") << generated(54, 12) << QStringLiteral("amat_54x12.txt");
    QTest::newRow("54 nutrients, 54 feedstuffs") << generated(54, 54) << QStringLiteral("amat_54x54.txt");
  }

  void golden()
  {
    QFETCH(RationProblem, problem);
    QFETCH(QString, golden);
    QTemporaryDir dir;
    OpenProblem file(dir, QStringLiteral("MATRIS.RVD"), problem);
    QVERIFY(file.ok());
    AppSession &s = AppSession::instance();
    s.problem() = problem;  // the lists with their whole names
    RecordingInteraction ui;
    QVERIFY(ActiveMatrixReport::AMATREPORT(s, ui));
    const QString report = dir.filePath(QStringLiteral("MATRIS.TXT"));
    QCOMPARE(s.currentReportFile(), report);
    QCOMPARE(ui.events, (QStringList{QStringLiteral("pleasewait+"), QStringLiteral("pleasewait-")}));
    QVERIFY(ui.shown.isEmpty());
    const QByteArray bytes = readAll(report);
    QCOMPARE(bytes, cp1254::encode(build(problem)));
    if (qEnvironmentVariableIsSet("VZ_UPDATE_GOLDEN")) {
      QFile out(goldenPath(golden));
      QVERIFY(out.open(QIODevice::WriteOnly) && out.write(bytes) == bytes.size());
    }
    QCOMPARE(bytes, readAll(goldenPath(golden)));
    QVERIFY(bytes.endsWith("\r\n\x0C"));
  }

  // The layout rules checked one by one, so the kept reports cannot drift.
  void layout_data()
  {
    QTest::addColumn<int>("nutrients");
    QTest::addColumn<int>("feeds");
    QTest::addColumn<int>("blocks");
    QTest::addColumn<int>("pagesPerBlock");
    QTest::newRow("53 x 5: one block, one page") << 53 << 5 << 1 << 1;
    QTest::newRow("54 x 5: the 54th nutrient on page 2") << 54 << 5 << 1 << 2;
    QTest::newRow("53 x 6: a second block for feedstuff 6") << 53 << 6 << 2 << 1;
    QTest::newRow("54 x 12: three blocks of two pages") << 54 << 12 << 3 << 2;
    QTest::newRow("54 x 54: ten blocks") << 54 << 54 << 10 << 2;
  }

  void layout()
  {
    QFETCH(int, nutrients);
    QFETCH(int, feeds);
    QFETCH(int, blocks);
    QFETCH(int, pagesPerBlock);
    const RationProblem p = generated(nutrients, feeds);
    const QString text = build(p);
    QVERIFY(text.endsWith(QStringLiteral("\r\n") + FF));

    const QList<QStringList> all = pages(text);
    QCOMPARE(all.size(), blocks * pagesPerBlock + 1);
    QVERIFY(all.last().isEmpty());  // nothing after the last form feed
    for (int b = 1; b <= blocks; ++b) {
      for (int pg = 1; pg <= pagesPerBlock; ++pg) {
        const QStringList &lines = all.at((b - 1) * pagesPerBlock + pg - 1);
        for (const QString &l : lines)
          QCOMPARE(l.size(), 100);
        const int header = b == 1 ? 6 : 4;
        const int rows = pg < pagesPerBlock ? 53 : nutrients - 53 * (pagesPerBlock - 1);
        QCOMPARE(lines.size(), header + rows);
        const QString label = QStringLiteral("Sayfa %1.%2").arg(b, 2).arg(pg);
        if (b == 1) {
          QCOMPARE(lines.at(1).trimmed(), QStringLiteral("Vesk_Zyr S 2.0"));
          QCOMPARE(lines.at(2).trimmed(), QStringLiteral("MATRIS.RVD MATRİSİ"));
          QVERIFY(lines.at(2).startsWith(QStringLiteral("  MATRIS")));
          QCOMPARE(lines.at(3).trimmed(), label);
          QCOMPARE(lines.at(3).indexOf(QLatin1Char('S')), 23);
        } else {
          QCOMPARE(lines.at(1).trimmed(), label);
          QCOMPARE(lines.at(1).indexOf(QLatin1Char('S')), 65);
        }
        const QString heading = lines.at(header - 1);
        if (pg > 1) {
          QCOMPARE(heading.trimmed(), QString());
          continue;
        }
        // Column k of the block: heading and cell positions (0-based here).
        for (int k = 0; k < 6; ++k) {
          const int feed = b == 1 ? k - 1 : 5 + 6 * (b - 2) + k;
          if (b == 1 && k == 0) {
            QCOMPARE(heading.mid(2, 15), QStringLiteral("Besin Maddesi  "));
            QCOMPARE(lines.at(header + 2).mid(2, 15), QStringLiteral("METİYONİN+SİSTİ"));
            continue;
          }
          const int headAt = b == 1 ? 18 + 12 * (k - 1) : 2 + 12 * k;
          const int cellAt = b == 1 ? headAt : headAt + 1;
          const QString name = feed < feeds ? p.feedNames.at(feed).left(11).rightJustified(11) : QString(11, QLatin1Char(' '));
          QCOMPARE(heading.mid(headAt, 11), name);
          const QString value = feed < feeds ? p.matrix.at(1).at(feed) : QString(11, QLatin1Char(' '));
          QCOMPARE(lines.at(header + 1).mid(cellAt, 11), value);  // "KMO"
          const QString shortRow = feed < 2 ? p.matrix.at(3).at(feed) : QString(11, QLatin1Char(' '));
          QCOMPARE(lines.at(header + 3).mid(cellAt, 11), shortRow);
        }
      }
    }
    if (blocks == 10)
      QVERIFY(text.contains(QString(65, QLatin1Char(' ')) + QStringLiteral("Sayfa 10.2")));
  }

  void noFeedstuffsWritesAnEmptyReport()
  {
    QTemporaryDir dir;
    RationProblem p = generated(3, 0);
    OpenProblem file(dir, QStringLiteral("BOS.RVD"), p);
    QVERIFY(file.ok());
    AppSession &s = AppSession::instance();
    const QString report = dir.filePath(QStringLiteral("BOS.TXT"));
    QFile old(report);
    QVERIFY(old.open(QIODevice::WriteOnly) && old.write("eski rapor") > 0);
    old.close();
    RecordingInteraction ui;
    QVERIFY(ActiveMatrixReport::AMATREPORT(s, ui));
    QCOMPARE(QFileInfo(report).size(), 0);
    QCOMPARE(s.currentReportFile(), report);
    QCOMPARE(ui.pleaseWaitOpen, 0);
  }

  void secondRunReplacesTheFile()
  {
    QTemporaryDir dir;
    OpenProblem file(dir, QStringLiteral("MATRIS.RVD"), generated(54, 12));
    AppSession &s = AppSession::instance();
    RecordingInteraction ui;
    QVERIFY(ActiveMatrixReport::AMATREPORT(s, ui));
    s.problem() = generated(4, 3);
    s.setCurrentReportFile(QString());
    QVERIFY(ActiveMatrixReport::AMATREPORT(s, ui));
    const QString report = dir.filePath(QStringLiteral("MATRIS.TXT"));
    QCOMPARE(readAll(report), cp1254::encode(build(generated(4, 3))));
    QCOMPARE(s.currentReportFile(), report);
  }

  void writeFailureKeepsTheCurrentReport()
  {
    QTemporaryDir dir;
    OpenProblem file(dir, QStringLiteral("MATRIS.RVD"), generated(5, 5));
    AppSession &s = AppSession::instance();
    s.setCurrentReportFile(QStringLiteral("/tmp/ÖNCEKİ.TXT"));
    // A folder where the report should go: it can never be written.
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("MATRIS.TXT")));
    RecordingInteraction ui;
    QVERIFY(!ActiveMatrixReport::AMATREPORT(s, ui));
    QCOMPARE(s.currentReportFile(), QStringLiteral("/tmp/ÖNCEKİ.TXT"));
    QCOMPARE(ui.texts(QStringLiteral("error")),
             QStringList{QStringLiteral("Rapor dosyası oluşturmada hata!\r\rSonra tekrar deneyin..")});
    QCOMPARE(ui.shown.first().caption, QString());  // "Hata..." by default
    QVERIFY(!ui.boxOpenAtError);
    QCOMPARE(ui.pleaseWaitOpen, 0);
  }

  void noProblemOpenDoesNothing()
  {
    AppSession &s = AppSession::instance();
    RecordingInteraction ui;
    QVERIFY(!ActiveMatrixReport::AMATREPORT(s, ui));
    QVERIFY(ui.events.isEmpty() && ui.shown.isEmpty());
    QCOMPARE(s.currentReportFile(), QString());
  }
};

QTEST_GUILESS_MAIN(TestActiveMatrixReport)
#include "tst_activematrixreport.moc"
