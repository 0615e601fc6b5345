#include "platform/cp1254.h"

#include <QTest>

#include <malloc.h>

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

  // Texts decoded into one shared block behave as texts of their own: each
  // ends as every QString does, a change to one (by any of the usual calls)
  // leaves the others and the block alone, and one that outlives the rest
  // of its block still changes correctly where the block's room is its own.
  void blockTextsAreIndependent_data()
  {
    QTest::addColumn<int>("change");
    QTest::addColumn<bool>("lastHolder");
    QTest::addColumn<QString>("expected");
    const QString changes[] = {QStringLiteral("append"), QStringLiteral("prepend"), QStringLiteral("shorter"),
                               QStringLiteral("longer"), QStringLiteral("replace"), QStringLiteral("write")};
    const QString results[] = {QStringLiteral("Şeker!"), QStringLiteral("!Şeker"), QStringLiteral("Şe"),
                               QStringLiteral("Şeker.."), QStringLiteral("Şekar"), QStringLiteral("Xeker")};
    for (int i = 0; i < 6; ++i) {
      QTest::newRow(qPrintable(changes[i] + QStringLiteral(", shared"))) << i << false << results[i];
      QTest::newRow(qPrintable(changes[i] + QStringLiteral(", last holder"))) << i << true << results[i];
    }
  }
  void blockTextsAreIndependent()
  {
    QFETCH(int, change);
    QFETCH(bool, lastHolder);
    QFETCH(QString, expected);
    const QByteArray fields[] = {QByteArray("\xDE" "eker"), QByteArray("ARPA 12345678"), QByteArray("  0.5")};
    qsizetype chars = 0;
    for (const QByteArray &f : fields)
      chars += vz::cp1254::TextBlock::room(f.size());
    QStringList texts;
    {
      vz::cp1254::TextBlock block(chars, 3);
      for (const QByteArray &f : fields)
        texts.append(block.add(f));
    }
    QCOMPARE(texts, (QStringList{QStringLiteral("Şeker"), QStringLiteral("ARPA 12345678"), QStringLiteral("  0.5")}));
    for (const QString &t : std::as_const(texts))
      QCOMPARE(t.utf16()[t.size()], u'\0');
    QString text = texts.at(0);
    if (lastHolder)
      texts.clear();
    switch (change) {
    case 0: text.append(QLatin1Char('!')); break;
    case 1: text.prepend(QLatin1Char('!')); break;
    case 2: text.resize(2); break;
    case 3: text.resize(7); text[5] = text[6] = QLatin1Char('.'); break;
    case 4: text.replace(QLatin1Char('e'), QLatin1Char('a')).replace(1, 1, QLatin1Char('e')); break;
    case 5: text.data()[0] = QLatin1Char('X'); break;
    }
    QCOMPARE(text, expected);
    QCOMPARE(text.utf16()[text.size()], u'\0');
    if (!lastHolder)
      QCOMPARE(texts, (QStringList{QStringLiteral("Şeker"), QStringLiteral("ARPA 12345678"), QStringLiteral("  0.5")}));
  }

  // Texts of a block let go of together hold the block exactly as long as
  // letting go of each would: every reference still held elsewhere (a text,
  // a list or a table shared with another holder) stays counted, and a text
  // of another block, or one changed since, changes nothing.
  void releaseTogether_data()
  {
    QTest::addColumn<QString>("kept");
    QTest::addColumn<int>("references");  // of the block, its witness text included
    QTest::newRow("nothing kept") << QStringLiteral("nothing") << 1;
    QTest::newRow("a text kept") << QStringLiteral("text") << 2;
    QTest::newRow("the first text kept") << QStringLiteral("first") << 2;
    QTest::newRow("a row kept") << QStringLiteral("row") << 3;
    QTest::newRow("the table kept") << QStringLiteral("table") << 5;
    QTest::newRow("another block's text first") << QStringLiteral("other") << 1;
    QTest::newRow("a changed text first") << QStringLiteral("changed") << 1;
  }
  void releaseTogether()
  {
    QFETCH(QString, kept);
    QFETCH(int, references);
    using vz::cp1254::TextBlock;
    auto blockOf = [](const QByteArray &bytes, int count) {
      TextBlock block(count * TextBlock::room(bytes.size()), count);
      QStringList texts;
      for (int i = 0; i < count; ++i)
        texts.append(block.add(bytes + QByteArray::number(i)));
      return texts;
    };
    QStringList a = blockOf("A", 6);
    QStringList b = blockOf("B", 1);
    QList<QStringList> table{{a.at(0), a.at(1)}, {a.at(2), a.at(3)}};
    QStringList names{a.at(4)};
    const QString witness = a.at(5);
    const QString otherWitness = b.at(0);
    auto refs = [](const QString &t) { return t.data_ptr().d->ref_.loadRelaxed(); };
    QString keptText;
    QStringList keptRow;
    QList<QStringList> keptTable;
    if (kept == QLatin1String("text"))
      keptText = table.at(1).at(0);
    else if (kept == QLatin1String("first"))
      keptText = table.at(0).at(0);
    else if (kept == QLatin1String("row"))
      keptRow = table.at(0);
    else if (kept == QLatin1String("table"))
      keptTable = table;
    else if (kept == QLatin1String("other"))
      table.first().prepend(b.at(0));
    else if (kept == QLatin1String("changed"))
      table.first().first().append(QLatin1Char('!'));
    a.clear();
    b.clear();
    {
      vz::cp1254::TextRelease release;
      release.add(names);
      release.add(table);
    }
    table.clear();
    names.clear();
    QCOMPARE(refs(witness), references);
    QCOMPARE(refs(otherWitness), 1);
    QCOMPARE(witness, QStringLiteral("A5"));
    if (!keptText.isEmpty())
      QCOMPARE(keptText, kept == QLatin1String("first") ? QStringLiteral("A0") : QStringLiteral("A2"));
    if (!keptRow.isEmpty())
      QCOMPARE(keptRow, (QStringList{QStringLiteral("A0"), QStringLiteral("A1")}));
    if (!keptTable.isEmpty())
      QCOMPARE(keptTable, (QList<QStringList>{{QStringLiteral("A0"), QStringLiteral("A1")},
                                              {QStringLiteral("A2"), QStringLiteral("A3")}}));
  }

  // Let go of together by their last holders, a block's texts take the
  // block with them: counted too far it would stay for good, counted short
  // it would go under a text still read.
  void releaseTogetherFreesTheBlock()
  {
    using vz::cp1254::TextBlock;
    auto inUse = [] {
      const struct mallinfo2 m = mallinfo2();
      return m.uordblks + m.hblkhd;
    };
    const size_t before = inUse();
    {
      const QByteArray big(200000, 'x');
      QList<QStringList> table(2);
      QStringList names;
      {
        TextBlock block(3 * TextBlock::room(big.size()), 3);
        names.append(block.add(big));
        table[0].append(block.add(big));
        table[1].append(block.add(big));
      }
      QVERIFY(inUse() >= before + 6 * 200000);
      vz::cp1254::TextRelease release;  // goes before the lists
      release.add(names);
      release.add(table);
    }
    QVERIFY2(inUse() < before + 200000, qPrintable(QString::number(inUse() - before)));
  }

  // Plain ASCII is moved many characters at a time, and the end of a text
  // by a run that overlaps the one before: a Turkish letter or a character
  // without a code must be met wherever it stands, in a text of any length
  // (lengths around the runs of eight and sixteen, and a matrix row's),
  // decoded alone or into a block.
  void everyPlaceOfEveryLength_data()
  {
    QTest::addColumn<int>("length");
    for (int length : {1, 7, 8, 9, 11, 15, 16, 17, 23, 24, 31, 32, 33, 1020})
      QTest::newRow(qPrintable(QString::number(length))) << length;
  }
  void everyPlaceOfEveryLength()
  {
    QFETCH(int, length);
    QByteArray ascii(length, Qt::Uninitialized);
    for (int i = 0; i < length; ++i)
      ascii[i] = char('0' + i % 40);
    for (int at = -1; at < length; ++at) {
      // A Turkish letter at `at` (none for -1): decoded and encoded back.
      QByteArray bytes = ascii;
      QString text = QString::fromLatin1(ascii);
      if (at >= 0) {
        bytes[at] = '\xFE';
        text[at] = QChar(0x015F);  // ş
      }
      {
        // After another text, so that the block's memory holds nothing of
        // this one before it is decoded.
        // Added alone, and as one of a record's fields.
        vz::cp1254::TextBlock block(4 * vz::cp1254::TextBlock::room(length), 4);
        const QString other = block.add(QByteArray(length, 'y'));
        const QString added = block.add(bytes);
        QCOMPARE(added, text);
        QCOMPARE(added.utf16()[length], u'\0');
        QCOMPARE(other, QString(length, QLatin1Char('y')));
        const QByteArray zs(length, 'z');
        const QByteArrayView fields[] = {bytes, zs};
        QString both[2];
        block.add(fields, 2, both);
        QCOMPARE(both[0], text);
        QCOMPARE(both[0].utf16()[length], u'\0');
        QCOMPARE(both[1], QString(length, QLatin1Char('z')));
        QCOMPARE(added, text);
      }
      QCOMPARE(vz::cp1254::decode(bytes), text);
      bool lossless = false;
      QCOMPARE(vz::cp1254::encode(text, &lossless), bytes);
      QVERIFY(lossless);
      if (at < 0)
        continue;
      // A character without a code there: reported, and the text around it
      // still encoded.
      text[at] = QChar(0x0416);
      bytes[at] = '?';
      QCOMPARE(vz::cp1254::encode(text, &lossless), bytes);
      QVERIFY2(!lossless, qPrintable(QStringLiteral("missed at %1").arg(at)));
      char out[1024];
      QVERIFY(!vz::cp1254::encodeInto(text, out));
    }
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
