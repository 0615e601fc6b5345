// The tip of the day pages through its tips, remembers the last one and copes
// with no tips at all; tips come from rows or from a data server.
#include "controls/arraytipserver.h"
#include "controls/tipserver.h"
#include "services/arrayserver.h"
#include "controls/wintipofday.h"
#include <QCheckBox>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

using namespace vz;

namespace {

QList<TipRow> tips(int n)
{
  QList<TipRow> rows;
  for (int i = 1; i <= n; ++i)
    rows.append({QStringLiteral("Biliyor muydunuz?"), QStringLiteral("Tüyo %1").arg(i), i != 3});
  return rows;
}

QPushButton *button(WINTIPOFDAY &d, const QString &text)
{
  for (QPushButton *b : d.findChildren<QPushButton *>())
    if (b->text() == text)
      return b;
  return nullptr;
}

// A server over a list, numbered from 1, as a table server moves.
class ListTipServer : public TipServer {
public:
  explicit ListTipServer(int n) : m_rows(tips(n)) {}
  int recordCount() const override { return int(m_rows.size()); }
  int recNo() const override { return m_eof ? int(m_rows.size()) + 1 : m_rec; }
  void goTop() override { m_rec = 1; m_eof = m_rows.isEmpty(); }
  void goTo(int r) override { m_rec = qBound(1, r, int(m_rows.size())); m_eof = false; }
  void skip(int n) override
  {
    m_rec += n;
    if (m_rec < 1) m_rec = 1;
    m_eof = m_rec > m_rows.size();
  }
  bool eof() const override { return m_eof; }
  QVariant fieldGet(const QString &name) const override
  {
    const TipRow &r = m_rows.at(m_rec - 1);
    if (name == QLatin1String("HEADING")) return r.heading;
    if (name == QLatin1String("TIPTEXT")) return r.text;
    if (name == QLatin1String("SHOWMORE")) return r.showMore;
    return {};
  }
  void close() override { closed = true; }
  bool closed = false;

private:
  QList<TipRow> m_rows;
  int m_rec = 1;
  bool m_eof = false;
};

class MoreTips : public WINTIPOFDAY {
public:
  int more = 0;
  void MOREINFO() override { ++more; }
};

} // namespace

class TstWinTipOfDay : public QObject {
  Q_OBJECT
private slots:
  void opensOnNextTip_data();
  void opensOnNextTip();
  void pagesForwardAndBack();
  void singleTip();
  void moreButtonAndStartupOption();
  void noTipsShowsNothing();
  void showRunsModallyAndRemembers();
  void dataServer();
  void programDataServer();
};

void TstWinTipOfDay::opensOnNextTip_data()
{
  QTest::addColumn<int>("count");
  QTest::addColumn<int>("lastTip");
  QTest::addColumn<int>("opensOn");
  QTest::newRow("44 after 44 wraps") << 44 << 44 << 1;
  QTest::newRow("none shown yet") << 44 << 0 << 1;
  QTest::newRow("beyond the last") << 44 << 50 << 1;
  QTest::newRow("middle") << 44 << 7 << 8;
}

void TstWinTipOfDay::opensOnNextTip()
{
  QFETCH(int, count);
  QFETCH(int, lastTip);
  QFETCH(int, opensOn);
  WINTIPOFDAY d;
  d.setTIP(tips(count));
  d.setLASTTIP(lastTip);
  QVERIFY(d.prepareShow());
  QCOMPARE(d.LASTTIP(), opensOn);
  QCOMPARE(d.currentText(), QStringLiteral("Tüyo %1").arg(opensOn));
  QCOMPARE(d.windowTitle(), QStringLiteral("Günün Tüyosu"));
  QCOMPARE(button(d, QStringLiteral("< &Önceki"))->isEnabled(), opensOn != 1);
}

void TstWinTipOfDay::pagesForwardAndBack()
{
  WINTIPOFDAY d;
  d.setTIP(tips(44));
  d.setLASTTIP(42);
  d.show();
  QVERIFY(d.prepareShow());
  QCOMPARE(d.LASTTIP(), 43);
  QPushButton *next = button(d, QStringLiteral("&Sonraki >"));
  QPushButton *prev = button(d, QStringLiteral("< &Önceki"));
  QTest::mouseClick(next, Qt::LeftButton);
  QCOMPARE(d.LASTTIP(), 44);
  QVERIFY(!next->isEnabled());
  QVERIFY(prev->isEnabled());
  d.PREVIOUSTIP();
  QCOMPARE(d.LASTTIP(), 43);
  QVERIFY(next->isEnabled());
  d.setLASTTIP(2);
  d.LOADTIP();
  QTest::mouseClick(prev, Qt::LeftButton);
  QCOMPARE(d.LASTTIP(), 1);
  QVERIFY(!prev->isEnabled());
  d.PREVIOUSTIP();  // no wrap to the last tip
  QCOMPARE(d.LASTTIP(), 1);
}

void TstWinTipOfDay::singleTip()
{
  WINTIPOFDAY d;
  d.setTIP(tips(1));
  QVERIFY(d.prepareShow());
  QCOMPARE(d.LASTTIP(), 1);
  QVERIFY(!button(d, QStringLiteral("&Sonraki >"))->isEnabled());
  QVERIFY(!button(d, QStringLiteral("< &Önceki"))->isEnabled());
}

void TstWinTipOfDay::moreButtonAndStartupOption()
{
  MoreTips d;
  d.setTIP(tips(5));
  d.setLASTTIP(2);  // opens on tip 3, whose row says no more information
  d.show();
  QVERIFY(d.prepareShow());
  QPushButton *more = button(d, QStringLiteral("&Daha fazla bilgi"));
  QVERIFY(more->isHidden());
  d.NEXTTIP();
  QVERIFY(!more->isHidden());
  QTest::mouseClick(more, Qt::LeftButton);
  QCOMPARE(d.more, 1);

  QCOMPARE(d.setSHOWONSTARTUP(true), true);
  auto *box = d.findChild<QCheckBox *>();
  QTest::mouseClick(box, Qt::LeftButton);
  QCOMPARE(d.SHOWONSTARTUP(), false);
}

void TstWinTipOfDay::noTipsShowsNothing()
{
  WINTIPOFDAY d;
  d.setLASTTIP(5);
  QCOMPARE(d.SHOW(), 0);
  QVERIFY(!d.isVisible());
  QCOMPARE(d.LASTTIP(), 5);
  d.NEXTTIP();
  d.PREVIOUSTIP();
  QCOMPARE(d.LASTTIP(), 5);
}

void TstWinTipOfDay::showRunsModallyAndRemembers()
{
  WINTIPOFDAY d;
  d.setTIP(tips(44));
  d.setLASTTIP(44);
  QWidget *focusAtShow = nullptr;
  QTimer::singleShot(50, &d, [&d, &focusAtShow] {
    focusAtShow = QApplication::focusWidget();
    d.PBNEXT();
    button(d, QStringLiteral("&Kapat"))->click();
  });
  QCOMPARE(d.SHOW(), int(QDialog::Accepted));
  QCOMPARE(focusAtShow, button(d, QStringLiteral("&Kapat")));
  QCOMPARE(d.LASTTIP(), 2);
}

void TstWinTipOfDay::dataServer()
{
  ListTipServer server(3);
  {
    WINTIPOFDAY d;
    d.setTIP(&server);
    d.setLASTTIP(3);
    QVERIFY(d.prepareShow());
    QCOMPARE(d.LASTTIP(), 1);
    QCOMPARE(d.currentText(), QStringLiteral("Tüyo 1"));
    d.NEXTTIP();
    d.NEXTTIP();
    QCOMPARE(d.LASTTIP(), 3);
    QVERIFY(!button(d, QStringLiteral("&Sonraki >"))->isEnabled());
    QVERIFY(button(d, QStringLiteral("&Daha fazla bilgi"))->isHidden());
    d.PREVIOUSTIP();
    QCOMPARE(d.LASTTIP(), 2);
    d.PBCLOSE();
  }
  QVERIFY(server.closed);

  ListTipServer kept(2);
  WINTIPOFDAY d;
  d.setTIP(&kept);
  d.setCLOSESERVER(false);
  QVERIFY(d.prepareShow());
  d.PBCLOSE();
  QVERIFY(!kept.closed);
}

void TstWinTipOfDay::programDataServer()
{
  const QList<DbfField> fields = {{QStringLiteral("HEADING"), QLatin1Char('C'), 40, 0},
                                  {QStringLiteral("TIPTEXT"), QLatin1Char('C'), 200, 0},
                                  {QStringLiteral("SHOWMORE"), QLatin1Char('L'), 1, 0}};
  ARRAYSERVER::Rows rows;
  for (int i = 1; i <= 3; ++i)
    rows.append({QStringLiteral("Biliyor muydunuz?"), QStringLiteral("Kayıt %1").arg(i), i == 2});
  ARRAYSERVER server(fields, rows);
  ArrayTipServer tips(server);
  WINTIPOFDAY d;
  d.setTIP(&tips);
  d.setCLOSESERVER(false);
  d.setLASTTIP(3);
  QVERIFY(d.prepareShow());
  QCOMPARE(d.LASTTIP(), 1);
  QCOMPARE(d.currentText(), QStringLiteral("Kayıt 1"));
  d.NEXTTIP();
  QCOMPARE(d.currentText(), QStringLiteral("Kayıt 2"));
  QVERIFY(!button(d, QStringLiteral("&Daha fazla bilgi"))->isHidden());
  d.PREVIOUSTIP();
  d.PREVIOUSTIP();  // stays on the first record
  QCOMPARE(d.LASTTIP(), 1);
}

QTEST_MAIN(TstWinTipOfDay)
#include "tst_wintipofday.moc"
