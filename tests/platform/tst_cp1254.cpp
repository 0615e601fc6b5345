#include "platform/cp1254.h"

#include <QTest>

class TestCp1254 : public QObject {
  Q_OBJECT
private slots:
  void everyByteRoundTrips()
  {
    QByteArray all;
    for (int i = 0; i < 256; ++i)
      all.append(char(i));
    bool lossless = false;
    QCOMPARE(vz::cp1254::encode(vz::cp1254::decode(all), &lossless), all);
    QVERIFY(lossless);
  }

  void turkishLetters_data()
  {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("lower") << QStringLiteral("ğışçöü") << QByteArray("\xF0\xFD\xFE\xE7\xF6\xFC");
    QTest::newRow("upper") << QStringLiteral("ĞİŞÇÖÜ") << QByteArray("\xD0\xDD\xDE\xC7\xD6\xDC");
    QTest::newRow("euro") << QStringLiteral("€") << QByteArray("\x80");
  }
  void turkishLetters()
  {
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    QCOMPARE(vz::cp1254::encode(text), bytes);
    QCOMPARE(vz::cp1254::decode(bytes), text);
  }

  void unmappableIsReported()
  {
    bool lossless = true;
    QCOMPARE(vz::cp1254::encode(QStringLiteral("a\u0416b"), &lossless), QByteArray("a?b"));
    QVERIFY(!lossless);
    QVERIFY(!vz::cp1254::canEncode(QStringLiteral("\u0416")));
    QVERIFY(vz::cp1254::canEncode(QStringLiteral("Şeker")));
  }
};

QTEST_GUILESS_MAIN(TestCp1254)
#include "tst_cp1254.moc"
