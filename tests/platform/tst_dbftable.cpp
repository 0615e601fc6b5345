#include "dbfreader.h"
#include "platform/cp1254.h"
#include "platform/dbftable.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace vz;

namespace {

QString blanks(int n)
{
  return QString(n, QLatin1Char(' '));
}

QList<DbfField> mixedFields()
{
  return {{QStringLiteral("AD"), QLatin1Char('C'), 15, 0},
          {QStringLiteral("FIYAT"), QLatin1Char('N'), 11, 3},
          {QStringLiteral("TARIH"), QLatin1Char('D'), 8, 0},
          {QStringLiteral("AKTIF"), QLatin1Char('L'), 1, 0},
          {QStringLiteral("UZUN"), QLatin1Char('C'), 1020, 0}};
}

QByteArray readBytes(const QString &path)
{
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeBytes(const QString &path, const QByteArray &b)
{
  QFile f(path);
  QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
  f.write(b);
}

// A table of names 1..n in field AD (C 10), records listed in `deletedOnes` marked.
void makeNames(const QString &path, const QStringList &names, const QList<int> &deletedOnes = {})
{
  QList<DbfRecord> recs;
  for (int i = 0; i < names.size(); ++i)
    recs.append({deletedOnes.contains(i + 1), {names.at(i), QString::number(i + 1)}});
  QString error;
  QVERIFY2(DbfTable::writeTable(path, {{QStringLiteral("AD"), QLatin1Char('C'), 10, 0}, {QStringLiteral("NO"), QLatin1Char('N'), 4, 0}},
                                recs, &error),
           qPrintable(error));
}

QStringList liveNames(DbfTable &t)
{
  QStringList out;
  for (t.goTop(); !t.eof(); t.skip())
    out.append(t.fieldGet(0).trimmed());
  return out;
}

} // namespace

class TestDbfTable : public QObject {
  Q_OBJECT
  QTemporaryDir m_dir;
  QString file(const QString &name) const { return m_dir.filePath(name); }

private slots:
  void writtenTableReadsIndependently()
  {
    const QString path = file(QStringLiteral("mixed.dbf"));
    QString error;
    QVERIFY2(DbfTable::create(path, mixedFields(), &error), qPrintable(error));
    DbfTable t;
    QVERIFY2(t.open(path, DbfTable::OpenMode::Exclusive), qPrintable(t.errorString()));
    QCOMPARE(t.recordCount(), 0);
    QVERIFY(t.eof() && t.bof());

    const QString longText = QStringLiteral("Ş") + QString(600, QLatin1Char('x')) + QStringLiteral("ğ  ");
    QVERIFY(t.append());
    QVERIFY(t.fieldPut(QStringLiteral("ad"), QStringLiteral("Arpa İşlenmiş  ")));
    QVERIFY(t.numberPut(1, 3.25));
    QVERIFY(t.datePut(2, QDate(2024, 2, 29)));
    QVERIFY(t.fieldPut(3, QStringLiteral("T")));
    QVERIFY(t.fieldPut(4, longText));
    QVERIFY(t.append());
    QVERIFY(t.fieldPut(0, QStringLiteral("Çok uzun bir yem adı kesilir")));
    QVERIFY(t.fieldPut(1, QStringLiteral("12")));
    QVERIFY(t.fieldPut(3, QStringLiteral("F")));
    QVERIFY(t.commit());

    // Back through our own reader, at full width.
    QVERIFY(t.goTop());
    QCOMPARE(t.fieldGet(0), QStringLiteral("Arpa İşlenmiş  "));
    QCOMPARE(t.fieldGet(4), longText + blanks(1020 - int(longText.size())));
    QCOMPARE(t.numberGet(1), 3.25);
    QCOMPARE(t.dateGet(2), QDate(2024, 2, 29));
    t.close();

    const auto ind = test::readWithDbfread(path);
    QVERIFY2(ind.ok, qPrintable(ind.error));
    QCOMPARE(ind.fieldNames, (QStringList{QStringLiteral("AD"), QStringLiteral("FIYAT"), QStringLiteral("TARIH"),
                                          QStringLiteral("AKTIF"), QStringLiteral("UZUN")}));
    QCOMPARE(ind.fieldSpecs.at(4).at(2).toInt(), 1020);  // Clipper length, read back
    QCOMPARE(ind.fieldSpecs.at(1).at(3).toInt(), 3);
    QCOMPARE(ind.records.size(), 2);
    QCOMPARE(ind.records.at(0).at(0), QStringLiteral("Arpa İşlenmiş  "));
    QCOMPARE(ind.records.at(0).at(1), QStringLiteral("      3.250"));
    QCOMPARE(ind.records.at(0).at(4).size(), 1020);
    QVERIFY(ind.records.at(0).at(4).startsWith(longText));
    QCOMPARE(ind.typed.at(0).at(1).toDouble(), 3.25);
    QCOMPARE(ind.typed.at(0).at(2).toString(), QStringLiteral("2024-02-29"));
    QCOMPARE(ind.typed.at(0).at(3).toBool(), true);
    QCOMPARE(ind.records.at(1).at(0), QStringLiteral("Çok uzun bir ye"));  // cut to 15
    QCOMPARE(ind.typed.at(1).at(1).toDouble(), 12.0);
    QCOMPARE(ind.typed.at(1).at(3).toBool(), false);
    QVERIFY(ind.typed.at(1).at(2).isNull());  // blank date
  }

  void headerLayout()
  {
    const QString path = file(QStringLiteral("header.dbf"));
    makeNames(path, {QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")});
    DbfTable::create(file(QStringLiteral("long.dbf")), {{QStringLiteral("YMBMAT"), QLatin1Char('C'), 1020, 0}});
    const QByteArray h = readBytes(path);
    QCOMPARE(quint8(h[0]), quint8(0x03));
    const QDate today = QDate::currentDate();
    QCOMPARE(int(quint8(h[1])) + 1900, today.year());
    QCOMPARE(int(quint8(h[2])), today.month());
    QCOMPARE(int(quint8(h[3])), today.day());
    QCOMPARE(int(quint8(h[4])), 3);                           // record count
    QCOMPARE(int(quint8(h[8]) | quint8(h[9]) << 8), 32 + 64 + 1);  // header length
    QCOMPARE(int(quint8(h[10]) | quint8(h[11]) << 8), 1 + 10 + 4);  // record length
    QCOMPARE(quint8(h[29]), quint8(0xCA));
    QCOMPARE(h.size(), 97 + 3 * 15 + 1);
    QCOMPARE(h.back(), char(0x1A));
    const QByteArray l = readBytes(file(QStringLiteral("long.dbf")));
    QCOMPARE(quint8(l[32 + 16]), quint8(1020 & 0xFF));
    QCOMPARE(quint8(l[32 + 17]), quint8(1020 >> 8));
  }

  void refusedFieldLists_data()
  {
    QTest::addColumn<QList<DbfField>>("fields");
    QTest::newRow("none") << QList<DbfField>{};
    QTest::newRow("memo") << QList<DbfField>{{QStringLiteral("NOT"), QLatin1Char('M'), 10, 0}};
    QTest::newRow("name too long") << QList<DbfField>{{QStringLiteral("ABCDEFGHIJK"), QLatin1Char('C'), 5, 0}};
    QTest::newRow("name with blank") << QList<DbfField>{{QStringLiteral("A B"), QLatin1Char('C'), 5, 0}};
    QTest::newRow("duplicate") << QList<DbfField>{{QStringLiteral("A"), QLatin1Char('C'), 5, 0}, {QStringLiteral("a"), QLatin1Char('C'), 5, 0}};
    QTest::newRow("zero width") << QList<DbfField>{{QStringLiteral("A"), QLatin1Char('C'), 0, 0}};
    QTest::newRow("number too wide") << QList<DbfField>{{QStringLiteral("A"), QLatin1Char('N'), 21, 0}};
    QTest::newRow("unknown type") << QList<DbfField>{{QStringLiteral("A"), QLatin1Char('X'), 5, 0}};
    QTest::newRow("letter outside code page 1254") << QList<DbfField>{{QStringLiteral("ΩMEGA"), QLatin1Char('C'), 5, 0}};
    QTest::newRow("digit first") << QList<DbfField>{{QStringLiteral("1A"), QLatin1Char('C'), 5, 0}};
  }

  void turkishFieldNamesByteForByte()
  {
    // Names are stored in code page 1254, as older tables carry them; only
    // the letters a-z of a new name are put in upper case.
    const QString path = file(QStringLiteral("turkish.dbf"));
    QVERIFY(DbfTable::writeTable(path, {{QStringLiteral("ÇİNKO"), QLatin1Char('C'), 11, 0},
                                        {QStringLiteral("demir"), QLatin1Char('C'), 11, 0}},
                                 {{false, {QStringLiteral("30"), QStringLiteral("40")}}}));
    const QByteArray h = readBytes(path);
    QCOMPARE(h.mid(32, 11), QByteArray("\xC7\xDDNKO\0\0\0\0\0\0", 11));
    QCOMPARE(h.mid(64, 6), QByteArray("DEMIR\0", 6));
    DbfTable t;
    QVERIFY(t.open(path, DbfTable::OpenMode::Exclusive));
    QCOMPARE(t.fields().at(0).name, QStringLiteral("ÇİNKO"));
    QCOMPARE(t.fieldIndex(QStringLiteral("ÇİNKO")), 0);
    QCOMPARE(t.fieldIndex(QStringLiteral("demir")), 1);
    QVERIFY(t.rewrite(t.allRecords()));
    t.close();
    QCOMPARE(readBytes(path).mid(32, 64), h.mid(32, 64));
    const auto ind = test::readWithDbfread(path);
    QVERIFY2(ind.ok, qPrintable(ind.error));
    QCOMPARE(ind.fieldNames, (QStringList{QStringLiteral("ÇİNKO"), QStringLiteral("DEMIR")}));
  }
  void refusedFieldLists()
  {
    QFETCH(QList<DbfField>, fields);
    const QString path = file(QStringLiteral("refused.dbf"));
    QFile::remove(path);
    QString error;
    QVERIFY(!DbfTable::create(path, fields, &error));
    QVERIFY(!error.isEmpty());
    QVERIFY(!QFile::exists(path));
  }

  void damagedFilesAreRefused_data()
  {
    QTest::addColumn<int>("damage");
    QTest::newRow("text file") << 0;
    QTest::newRow("truncated records") << 1;
    QTest::newRow("record length disagrees") << 2;
    QTest::newRow("header cut short") << 3;
    QTest::newRow("empty file") << 4;
    QTest::newRow("a folder") << 5;
  }
  void damagedFilesAreRefused()
  {
    QFETCH(int, damage);
    const QString path = file(QStringLiteral("damaged.dbf"));
    makeNames(path, {QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")});
    QByteArray b = readBytes(path);
    switch (damage) {
    case 0: b = QByteArray("Bu bir metin dosyasıdır, tablo değil.\r\n"); break;
    case 1: b.chop(20); break;
    case 2: b[10] = char(b[10] + 1); break;
    case 3: b = b.left(40); break;
    case 4: b.clear(); break;
    }
    if (damage == 5) {
      QVERIFY(QFile::remove(path));
      QVERIFY(QDir().mkpath(path));
    } else {
      writeBytes(path, b);
    }
    DbfTable t;
    for (const auto mode : {DbfTable::OpenMode::Shared, DbfTable::OpenMode::ReadOnly}) {
      QVERIFY(!t.open(path, mode));
      QVERIFY(!t.isOpen());
      QVERIFY(!t.errorString().isEmpty());
    }
    QVERIFY(!t.open(file(QStringLiteral("missing.dbf"))));
  }

  void deletedRecordsAreHiddenAndKept()
  {
    const QString path = file(QStringLiteral("deleted.dbf"));
    makeNames(path, {QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c"), QStringLiteral("d")}, {2});
    DbfTable t;
    QVERIFY(t.open(path, DbfTable::OpenMode::Shared));
    QCOMPARE(t.recordCount(), 4);
    QCOMPARE(t.liveRecordCount(), 3);
    QCOMPARE(liveNames(t), (QStringList{QStringLiteral("a"), QStringLiteral("c"), QStringLiteral("d")}));
    // Backwards too, and skip lands past the hidden record.
    QVERIFY(t.goBottom());
    QVERIFY(t.skip(-2));
    QCOMPARE(t.fieldGet(0).trimmed(), QStringLiteral("a"));
    QVERIFY(t.skip(-1));
    QVERIFY(t.bof());
    QCOMPARE(t.recNo(), 1);

    QVERIFY(t.goTo(4));
    QVERIFY(t.deleteRecord());
    QVERIFY(t.goTo(2));
    QVERIFY(t.isDeleted());
    QVERIFY(t.recall());
    QCOMPARE(liveNames(t), (QStringList{QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")}));
    QVERIFY(!t.pack());  // shared: refused
    t.close();

    auto ind = test::readWithDbfread(path);
    QVERIFY2(ind.ok, qPrintable(ind.error));
    QCOMPARE(ind.records.size(), 3);
    QCOMPARE(ind.deleted.size(), 1);
    QCOMPARE(ind.deleted.at(0).at(0).trimmed(), QStringLiteral("d"));

    // A rewrite keeps the deleted record as it is; pack drops it.
    QVERIFY(t.open(path, DbfTable::OpenMode::Exclusive));
    QList<DbfRecord> all = t.allRecords();
    QCOMPARE(all.size(), 4);
    QVERIFY(all.at(3).deleted);
    all[0].values[0] = QStringLiteral("z");
    QVERIFY(t.rewrite(all));
    QCOMPARE(t.recordCount(), 4);
    QVERIFY(t.pack());
    QCOMPARE(t.recordCount(), 3);
    QCOMPARE(liveNames(t), (QStringList{QStringLiteral("z"), QStringLiteral("b"), QStringLiteral("c")}));
    QVERIFY(t.zap());
    QCOMPARE(t.recordCount(), 0);
    t.close();
    ind = test::readWithDbfread(path);
    QVERIFY(ind.ok);
    QVERIFY(ind.records.isEmpty() && ind.deleted.isEmpty());
  }

  void appendFromMatchesByName()
  {
    const QString source = file(QStringLiteral("source.dbf"));
    makeNames(source, {QStringLiteral("bir"), QStringLiteral("iki"), QStringLiteral("üç")}, {2});
    const QString target = file(QStringLiteral("target.dbf"));
    QVERIFY(DbfTable::create(target, {{QStringLiteral("EK"), QLatin1Char('C'), 3, 0}, {QStringLiteral("AD"), QLatin1Char('C'), 12, 0}}));
    DbfTable t;
    QVERIFY(t.open(target));
    QCOMPARE(t.appendFrom(source), 2);
    t.close();
    const auto ind = test::readWithDbfread(target);
    QVERIFY2(ind.ok, qPrintable(ind.error));
    QCOMPARE(ind.records, (QList<QStringList>{{blanks(3), QStringLiteral("bir") + blanks(9)},
                                              {blanks(3), QStringLiteral("üç") + blanks(10)}}));
    QVERIFY(t.open(target));
    QCOMPARE(t.appendFrom(file(QStringLiteral("nothing.dbf"))), -1);
    QVERIFY(!t.errorString().isEmpty());
  }

  void locksFollowTheOpenMode_data()
  {
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("second");
    QTest::addColumn<bool>("secondOpens");
    const int sh = int(DbfTable::OpenMode::Shared), ex = int(DbfTable::OpenMode::Exclusive),
              ro = int(DbfTable::OpenMode::ReadOnly);
    QTest::newRow("shared+shared") << sh << sh << true;
    QTest::newRow("shared+readonly") << sh << ro << true;
    QTest::newRow("shared+exclusive") << sh << ex << false;
    QTest::newRow("exclusive+shared") << ex << sh << false;
    QTest::newRow("exclusive+readonly") << ex << ro << false;
  }
  void locksFollowTheOpenMode()
  {
    QFETCH(int, first);
    QFETCH(int, second);
    QFETCH(bool, secondOpens);
    const QString path = file(QStringLiteral("locked.dbf"));
    makeNames(path, {QStringLiteral("a")});
    DbfTable a, b;
    QVERIFY(a.open(path, DbfTable::OpenMode(first)));
    QCOMPARE(b.open(path, DbfTable::OpenMode(second)), secondOpens);
    if (!secondOpens)
      QVERIFY(!b.errorString().isEmpty());
    a.close();
    b.close();
    QVERIFY(b.open(path, DbfTable::OpenMode(second)));  // the lock went with close
  }

  // A save holds the save lock of the file its path names from its read of
  // the file to its rename: on the table's own handle, or on the new file
  // when another session's save replaced the one this session opened. Any
  // other handle of the file finds it taken, as another session's save
  // would. It is let go however the save ends, so that no later save, this
  // session's or another's, waits for it.
  void saveLockSpansTheSave_data()
  {
    QTest::addColumn<bool>("replacedMeanwhile");
    QTest::addColumn<int>("end");
    const char *ends[] = {"saved", "edit refused", "saved elsewhere"};
    for (bool replaced : {false, true})
      for (int end = 0; end < 3; ++end)
        QTest::newRow(qPrintable(QStringLiteral("%1, %2").arg(replaced ? "replaced meanwhile" : "as opened", ends[end])))
            << replaced << end;
  }
  void saveLockSpansTheSave()
  {
    QFETCH(bool, replacedMeanwhile);
    QFETCH(int, end);
    const QString path = file(QStringLiteral("savelock.dbf"));
    makeNames(path, {QStringLiteral("a"), QStringLiteral("b")});
    const DbfTable::ImageEdit unchanged = [](DbfTable::Image &, QString *) { return true; };
    DbfTable a;
    QVERIFY(a.open(path));
    if (replacedMeanwhile) {
      DbfTable b;
      QVERIFY(b.open(path));
      QVERIFY2(b.rewriteImageFromDisk(unchanged), qPrintable(b.errorString()));
    }
    // The lock another handle of the file the path names finds there.
    auto lockFound = [&path] {
      const int fd = ::open(QFile::encodeName(path).constData(), O_RDWR | O_CLOEXEC);
      struct flock fl = {};
      fl.l_type = F_WRLCK;
      fl.l_whence = SEEK_SET;
      fl.l_start = off_t(1) << 40;
      fl.l_len = 1;
      const bool asked = fd >= 0 && ::fcntl(fd, F_OFD_GETLK, &fl) == 0;
      if (fd >= 0)
        ::close(fd);
      return asked ? int(fl.l_type) : -1;
    };
    int during = -1;
    const bool saved = a.rewriteImageFromDisk(
        [&](DbfTable::Image &image, QString *error) {
          during = lockFound();
          if (end == 1)
            *error = QStringLiteral("refused");
          return end != 1 && image.put(0, 0, u"c", error);
        },
        end == 2 ? file(QStringLiteral("savelock-copy.dbf")) : QString());
    QCOMPARE(saved, end != 1);
    QCOMPARE(during, F_WRLCK);
    QCOMPARE(lockFound(), F_UNLCK);
    QVERIFY2(a.rewriteImageFromDisk(unchanged), qPrintable(a.errorString()));
    QCOMPARE(lockFound(), F_UNLCK);
    QCOMPARE(liveNames(a), (QStringList{end == 0 ? QStringLiteral("c") : QStringLiteral("a"), QStringLiteral("b")}));
    QCOMPARE(a.fileName(), path);
  }

  // Tables read one after another each get the fields their own header
  // gives, when one differs from the one read before by a name, a type or
  // a width, and when it is the same again.
  // A table opened by a symbolic link is saved into the file the link
  // names, which keeps its permissions; the link stays a link, and the
  // reopened table saves again the same way.
  void saveThroughALink_data()
  {
    QTest::addColumn<bool>("absolute");
    QTest::newRow("relative link") << false;
    QTest::newRow("absolute link") << true;
  }
  void saveThroughALink()
  {
    QFETCH(bool, absolute);
    const QString real = file(QStringLiteral("linked-%1.dbf").arg(absolute));
    const QString link = file(QStringLiteral("link-%1.dbf").arg(absolute));
    makeNames(real, {QStringLiteral("a"), QStringLiteral("b")});
    QVERIFY(::chmod(QFile::encodeName(real).constData(), 0640) == 0);
    QVERIFY(QFile::link(absolute ? real : QFileInfo(real).fileName(), link));
    DbfTable t;
    QVERIFY(t.open(link));
    for (const QString &name : {QStringLiteral("c"), QStringLiteral("d")}) {
      QVERIFY2(t.rewriteImageFromDisk([&](DbfTable::Image &image, QString *error) {
                 return image.put(0, 0, name, error);
               }),
               qPrintable(t.errorString()));
      QVERIFY(QFileInfo(link).isSymLink());
      QCOMPARE(QFile(real).permissions() & (QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::WriteGroup
                                            | QFile::ReadOther | QFile::WriteOther),
               QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup);
      DbfTable other;
      QVERIFY(other.open(real, DbfTable::OpenMode::ReadOnly));
      QCOMPARE(liveNames(other), (QStringList{name, QStringLiteral("b")}));
    }
  }

  void eachTableGetsItsOwnFields()
  {
    const QList<DbfField> base = mixedFields();
    QList<DbfField> renamed = base, retyped = base, wider = base;
    renamed[0].name = QStringLiteral("ADI");
    retyped[1] = {QStringLiteral("FIYAT"), QLatin1Char('C'), 11, 0};
    wider[4].length = 1019;
    const QList<QList<DbfField>> layouts = {base, renamed, retyped, wider, base, wider};
    for (int i = 0; i < layouts.size(); ++i) {
      const QString path = file(QStringLiteral("layout%1.dbf").arg(i));
      QVERIFY(DbfTable::writeTable(path, layouts.at(i), {{false, {QStringLiteral("x")}}}));
      DbfTable t;
      QVERIFY2(t.open(path), qPrintable(t.errorString()));
      QCOMPARE(t.fieldCount(), layouts.at(i).size());
      for (int f = 0; f < layouts.at(i).size(); ++f) {
        QCOMPARE(t.fields().at(f).name, layouts.at(i).at(f).name);
        QCOMPARE(t.fields().at(f).type, layouts.at(i).at(f).type);
        QCOMPARE(t.fields().at(f).length, layouts.at(i).at(f).length);
      }
      QCOMPARE(t.image().recordLength, 1 + 15 + 11 + 8 + 1 + layouts.at(i).at(4).length);
      QCOMPARE(t.fieldGet(0).trimmed(), QStringLiteral("x"));
    }
  }

  void seekOnIndex_data()
  {
    QTest::addColumn<QString>("key");
    QTest::addColumn<bool>("soft");
    QTest::addColumn<bool>("found");
    QTest::addColumn<QString>("landsOn");  // empty: EOF
    QTest::newRow("exact") << "ARPA" << false << true << "ARPA";
    QTest::newRow("prefix") << "MIS" << false << true << "MISIR DANE";
    QTest::newRow("first of equal prefixes") << "M" << false << true << "MISIR DANE";
    QTest::newRow("missing") << "BUGDAY" << false << false << "";
    QTest::newRow("missing soft") << "BUGDAY" << true << false << "KEPEK";
    QTest::newRow("past the end soft") << "ZZZ" << true << false << "";
    QTest::newRow("deleted is not found") << "SAMAN" << false << false << "";
  }
  void seekOnIndex()
  {
    QFETCH(QString, key);
    QFETCH(bool, soft);
    QFETCH(bool, found);
    QFETCH(QString, landsOn);
    const QString path = file(QStringLiteral("index.dbf"));
    makeNames(path, {QStringLiteral("MISIR SLAJ"), QStringLiteral("ARPA"), QStringLiteral("SAMAN"), QStringLiteral("KEPEK"),
                     QStringLiteral("MISIR DANE")}, {3});
    DbfTable t;
    QVERIFY(t.open(path, DbfTable::OpenMode::ReadOnly));
    QVERIFY(t.setIndex(QStringLiteral("ad")));
    QCOMPARE(liveNames(t), (QStringList{QStringLiteral("ARPA"), QStringLiteral("KEPEK"), QStringLiteral("MISIR DANE"),
                                        QStringLiteral("MISIR SLAJ")}));
    QCOMPARE(t.seek(key, soft), found);
    QCOMPARE(t.found(), found);
    QCOMPARE(t.eof(), landsOn.isEmpty());
    QCOMPARE(t.currentKey().trimmed(), landsOn);
  }

  void noticesReachListeners()
  {
    const QString path = file(QStringLiteral("notice.dbf"));
    makeNames(path, {QStringLiteral("a")});
    DbfTable t;
    QVERIFY(t.open(path));
    QList<int> got;
    const int id = t.addListener([&got](int n) { got.append(n); });
    t.fieldPut(0, QStringLiteral("b"));
    t.append();
    t.deleteRecord();
    QCOMPARE(got, (QList<int>{NoticeFieldChange, NoticeIntentToMove, NoticeAppend, NoticeDelete}));
    t.removeListener(id);
    t.goTop();
    QCOMPARE(got.size(), 4);
  }

  void refusedWritesChangeNothing()
  {
    const QString path = file(QStringLiteral("refuse.dbf"));
    makeNames(path, {QStringLiteral("a")});
    const QByteArray before = readBytes(path);
    DbfTable t;
    QVERIFY(t.open(path));
    QVERIFY(!t.fieldPut(0, QStringLiteral("Ж")));  // not in code page 1254
    QVERIFY2(t.errorString().contains(QStringLiteral("\"Ж\"")), qPrintable(t.errorString()));
    QVERIFY(!t.numberPut(1, 123456.0));  // 4 wide
    QVERIFY(!t.fieldPut(QStringLiteral("YOK"), QStringLiteral("x")));
    t.goBottom();
    t.skip();
    QVERIFY(t.eof());
    QVERIFY(!t.fieldPut(0, QStringLiteral("x")));
    t.close();
    QCOMPARE(readBytes(path), before);

    QVERIFY(t.open(path, DbfTable::OpenMode::ReadOnly));
    QVERIFY(!t.fieldPut(0, QStringLiteral("x")));
    QVERIFY(!t.append());

    // So do the stored records a save edits: not even the part of the text
    // before the refused character is stored.
    DbfTable::Image image = t.image();
    const QByteArray stored = image.records;
    QString why;
    QVERIFY(!image.put(0, 0, QStringLiteral("abcЖ"), &why));
    // The message names the text, not the field ("AD") it was meant for.
    QVERIFY2(why.contains(QStringLiteral("\"abcЖ\"")) && !why.contains(QStringLiteral("AD")), qPrintable(why));
    QCOMPARE(image.records, stored);
  }

  void clipperTableFromElsewhereOpens()
  {
    // A table as the old program left it: one Clipper-long field, a record
    // deleted, no language byte, an old date, a field name we would not create.
    QByteArray h(32 + 32 + 1, '\0');
    h[0] = 0x03;
    h[1] = char(101);
    h[2] = 5;
    h[3] = 17;
    h[4] = 2;
    h[8] = char((32 + 32 + 1) & 0xFF);
    h[10] = char((1 + 300) & 0xFF);
    h[11] = char((1 + 300) >> 8);
    memcpy(h.data() + 32, "_YMBMAT", 7);
    h[32 + 11] = 'C';
    h[32 + 16] = char(300 & 0xFF);
    h[32 + 17] = char(300 >> 8);
    h[64] = 0x0D;
    QByteArray r1 = " " + vz::cp1254::encode(QStringLiteral("    12.0000,")) + QByteArray(300 - 12, ' ');
    QByteArray r2 = "*" + QByteArray(300, 'x');
    const QString path = file(QStringLiteral("OLD.RVD"));
    writeBytes(path, h + r1 + r2 + "\x1A");
    DbfTable t;
    QVERIFY2(t.open(path), qPrintable(t.errorString()));
    QCOMPARE(t.fields().at(0).length, 300);
    QCOMPARE(t.lastUpdate(), QDate(2001, 5, 17));
    QCOMPARE(t.liveRecordCount(), 1);
    QCOMPARE(t.fieldGet(0).left(12), QStringLiteral("    12.0000,"));
    t.close();

    // Packing rewrites it whole, names and Clipper length kept.
    QVERIFY(t.open(path, DbfTable::OpenMode::Exclusive));
    QVERIFY2(t.pack(), qPrintable(t.errorString()));
    t.close();
    const auto ind = test::readWithDbfread(path);
    QVERIFY2(ind.ok, qPrintable(ind.error));
    QCOMPARE(ind.fieldNames, QStringList{QStringLiteral("_YMBMAT")});
    QCOMPARE(ind.fieldSpecs.at(0).at(2).toInt(), 300);
    QCOMPARE(ind.records.size(), 1);
    QVERIFY(ind.deleted.isEmpty());
    QCOMPARE(ind.records.at(0).at(0), QStringLiteral("    12.0000,") + blanks(300 - 12));
  }

  // A width our writer would not reproduce is refused at open, so the table
  // is never rewritten into something unreadable.
  void unwritableWidthsAreRefused_data()
  {
    QTest::addColumn<char>("type");
    QTest::addColumn<int>("width");
    QTest::newRow("logical 2") << 'L' << 2;
    QTest::newRow("date 10") << 'D' << 10;
  }

  void unwritableWidthsAreRefused()
  {
    QFETCH(char, type);
    QFETCH(int, width);
    const QString path = file(QStringLiteral("wide.dbf"));
    QVERIFY(DbfTable::writeTable(path, {{QStringLiteral("AD"), QLatin1Char('C'), 5, 0},
                                        {QStringLiteral("X"), QLatin1Char(type), type == 'L' ? 1 : 8, 0}},
                                 {}));
    QByteArray b = readBytes(path);
    // Second descriptor's width, and the record length to match.
    b[32 + 32 + 16] = char(width);
    b[10] = char(1 + 5 + width);
    writeBytes(path, b);
    DbfTable t;
    QVERIFY(!t.open(path));
    QVERIFY2(t.errorString().contains(QLatin1String("\"X\"")), qPrintable(t.errorString()));
    QCOMPARE(readBytes(path), b);
  }
};

QTEST_GUILESS_MAIN(TestDbfTable)
#include "tst_dbftable.moc"
