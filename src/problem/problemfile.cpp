#include "problemfile.h"

#include "filehelpers.h"
#include "numbertext.h"
#include "platform/cp1254.h"
#include "platform/rtext.h"
#include "platform/savefile.h"

#include <QFile>
#include <QFileInfo>

namespace vz {

namespace {

enum Field {
  FYmAdi = 0, FYmFiat, FYmSabit, FYmAltLim, FYmUstLim, FYmManMik,
  FBmAdi, FBmBirim, FBmSabit, FBmAltLim, FBmUstLim,
  FBmAdiA, FBmAdiB, FOSabit, FOAltLim, FOUstLim,
  FYmBmat, FieldCount
};

QString tr(const char *utf8)
{
  return QString::fromUtf8(utf8);
}

QString blankCell()
{
  return QString(NumberTextWidth, QLatin1Char(' '));
}

// The writers walk the live records the way the table's navigation does:
// deleted records are passed over and stay as they are.
class Cursor {
public:
  explicit Cursor(QList<DbfRecord> &records) : m_records(records)
  {
    for (int i = 0; i < records.size(); ++i)
      if (!records.at(i).deleted)
        m_live.append(i);
  }
  // "go to the first record, or append one to an empty file"
  void start()
  {
    m_pos = 0;
    if (m_live.isEmpty())
      appendBlank();
  }
  bool eof() const { return m_pos >= m_live.size(); }
  void put(int field, const QString &value) { m_records[m_live.at(m_pos)].values[field] = value; }
  void skip() { ++m_pos; }
  void appendBlank()
  {
    m_records.append({false, QStringList(FieldCount)});
    m_live.append(int(m_records.size()) - 1);
  }

private:
  QList<DbfRecord> &m_records;
  QList<int> m_live;
  int m_pos = 0;
};

void writeList(QList<DbfRecord> &records, const QList<QStringList> &rows, int firstField, int fieldCount)
{
  Cursor c(records);
  c.start();
  for (int i = 0; i < rows.size(); ++i) {
    for (int f = 0; f < fieldCount; ++f)
      c.put(firstField + f, rows.at(i).value(f));
    c.skip();
    if (c.eof() && i < rows.size() - 1)
      c.appendBlank();
  }
  while (!c.eof()) {
    for (int f = 0; f < fieldCount; ++f)
      c.put(firstField + f, QString());  // blanks of the field's width
    c.skip();
  }
}

// A "," would split an entry in two on reload.
QString entry(const QString &text)
{
  return QString(text).replace(QLatin1Char(','), QLatin1Char(';'));
}

QString parameterRow(const RationProblem &p)
{
  const QStringList params = p.params.value_or(RationProblem::defaultParams());
  QString row;
  for (int i = 0; i < ParCount; ++i)
    row += entry(params.value(i)) + QLatin1Char(',');
  for (const QString &line : p.animalDescription)
    row += entry(line) + QLatin1Char(',');
  return row;
}

QString matrixRowText(const QStringList &row, int cells)
{
  QString text;
  for (int j = 0; j < cells; ++j)
    text += (j < row.size() ? row.at(j) : blankCell()) + QLatin1Char(',');
  return text;
}

QStringList splitRow(const QString &stored)
{
  QStringList parts = stored.split(QLatin1Char(','));
  parts.removeLast();  // the blanks that fill the field after the last ","
  return parts;
}

} // namespace

QList<DbfField> ProblemFile::problemFields()
{
  auto c = [](const char *name, int width) { return DbfField{QString::fromLatin1(name), QLatin1Char('C'), width, 0}; };
  return {c("YMADI", 15),  c("YMFIAT", 11),   c("YMSABIT", 11),  c("YMALTLIM", 11), c("YMUSTLIM", 11),
          c("YMMANMIK", 11), c("BMADI", 15),  c("BMBIRIM", 11),  c("BMSABIT", 11),  c("BMALTLIM", 11),
          c("BMUSTLIM", 11), c("BMADIA", 15), c("BMADIB", 15),   c("OSABIT", 11),   c("OALTLIM", 11),
          c("OUSTLIM", 11),  c("YMBMAT", MatrixFieldWidth)};
}

QList<DbfField> ProblemFile::olderLayoutFields()
{
  QList<DbfField> f = problemFields();
  f.removeAt(FYmManMik);
  return f;
}

ProblemFile::ProblemFile() = default;

ProblemFile::~ProblemFile() = default;

bool ProblemFile::createNew(const QString &path, QString *error)
{
  return DbfTable::create(path, problemFields(), error);
}

bool ProblemFile::open(const QString &path)
{
  close();
  m_error.clear();
  if (!m_table.open(path, DbfTable::OpenMode::Shared)) {
    m_error = m_table.errorString();
    return false;
  }
  // Reading by position below relies on every field being where we expect it;
  // a table from elsewhere may order them differently, so check by name.
  const QList<DbfField> want = problemFields();
  for (int i = 0; i < want.size(); ++i) {
    const int at = m_table.fieldIndex(want.at(i).name);
    if (at < 0 || m_table.fields().at(at).type != QLatin1Char('C')) {
      m_error = tr("%1 bir Vesk_Zyr 2.0 problem dosyası değil: \"%2\" alanı yok.")
                    .arg(QFileInfo(path).fileName(), want.at(i).name);
      m_table.close();
      return false;
    }
  }
  m_path = path;
  return true;
}

void ProblemFile::close()
{
  m_table.close();
  m_path.clear();
}

bool ProblemFile::isOpen() const
{
  return m_table.isOpen();
}

QString ProblemFile::path() const
{
  return m_path;
}

QString ProblemFile::errorString() const
{
  return m_error;
}

QString ProblemFile::PROBFILEBASE() const
{
  return isOpen() ? SFILEBASE(m_path) : QString();
}

QString ProblemFile::PROBFILEDIR() const
{
  if (!isOpen())
    return QString();
  const qsizetype sep = m_path.lastIndexOf(QLatin1Char('/'));
  return sep < 0 ? QString() : m_path.left(sep);
}

QString ProblemFile::PROBFILENAME() const
{
  if (!isOpen())
    return QString();
  QString name = QFileInfo(m_path).fileName();
  const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
  return dot < 0 ? name : name.left(dot);
}

const DbfTable &ProblemFile::table() const
{
  return m_table;
}

void ProblemFile::GET_PARM_ADESC(RationProblem &problem, const QStringList &row)
{
  if (row.size() < ParCount) {
    // A damaged row cannot fill the four parameters; keep what a new problem has.
    problem.params = RationProblem::defaultParams();
    problem.animalDescription.clear();
    return;
  }
  problem.params = row.mid(0, ParCount);
  problem.animalDescription = row.mid(ParCount);
}

void ProblemFile::AKTPRODIZOLUSTUR(RationProblem &problem) const
{
  if (!isOpen())
    return;
  problem.reset();
  QList<int> at;  // our field order -> the table's
  for (const DbfField &f : problemFields())
    at.append(m_table.fieldIndex(f.name));

  const QList<DbfRecord> all = m_table.allRecords();
  QList<QStringList> rows;
  for (const DbfRecord &r : all) {
    if (r.deleted)
      continue;
    auto v = [&](int f) { return r.values.at(at.at(f)); };
    if (!rt::AllTrim(v(FYmAdi)).isEmpty()) {
      problem.feeds.append({v(FYmAdi), v(FYmFiat), v(FYmSabit), v(FYmAltLim), v(FYmUstLim)});
      problem.feedAmounts.append(v(FYmManMik));
    }
    if (!rt::AllTrim(v(FBmAdi)).isEmpty())
      problem.nutrients.append({v(FBmAdi), v(FBmBirim), v(FBmSabit), v(FBmAltLim), v(FBmUstLim)});
    if (!rt::AllTrim(v(FBmAdiA)).isEmpty() && !rt::AllTrim(v(FBmAdiB)).isEmpty())
      problem.ratios.append({v(FBmAdiA), v(FBmAdiB), v(FOSabit), v(FOAltLim), v(FOUstLim)});
    if (!rt::AllTrim(v(FYmBmat)).isEmpty())
      rows.append(splitRow(v(FYmBmat)));
  }
  problem.rebuildFeedNames();
  problem.rebuildNutrientLists();

  const int feeds = int(problem.feeds.size());
  const int nutrients = int(problem.nutrients.size());
  // The writer stores the parameter row as the last non-empty matrix text.
  // The count rule alone misses it when the rows happen to number the
  // nutrients: with no feedstuffs every matrix row is empty and never read
  // back, and a number-text cell is 11 wide where a parameter code is not.
  bool hasParameterRow = false;
  if (!rows.isEmpty()) {
    if (rows.size() != nutrients || feeds == 0)
      hasParameterRow = true;
    else if (rows.last().value(0).size() != NumberTextWidth)
      hasParameterRow = true;
  }
  if (hasParameterRow)
    GET_PARM_ADESC(problem, rows.takeLast());
  else
    problem.params = RationProblem::defaultParams();

  if (nutrients > 0 && feeds == 0) {
    if (!rows.isEmpty())
      problem.changed.matrix = true;
    problem.matrix = QList<QStringList>(nutrients);
  } else if (nutrients == 0 && feeds > 0) {
    problem.matrix = {QStringList(feeds, rt::PadL(QStringLiteral("1.0000"), NumberTextWidth))};
    problem.nutrients.append({rt::PadR(QStringLiteral("KMT"), 15), rt::PadL(QStringLiteral("Kg/Kg"), NumberTextWidth),
                              blankCell(), blankCell(), blankCell()});
    problem.rebuildNutrientLists();
    problem.changed.matrix = true;
    problem.changed.nutrientNames = true;
  } else if (nutrients == 0) {
    if (!rows.isEmpty())
      problem.changed.matrix = true;
    problem.matrix.clear();
  } else {
    // Rows and cells must match the tables, or the editors and the optimiser
    // would read past them: pad with empty cells, cut the surplus.
    bool mended = rows.size() != nutrients;
    rows.resize(nutrients);
    for (QStringList &row : rows) {
      if (row.size() != feeds) {
        mended = true;
        while (row.size() < feeds)
          row.append(blankCell());
        row = row.mid(0, feeds);
      }
    }
    problem.matrix = rows;
    if (mended)
      problem.changed.matrix = true;
  }
}

void ProblemFile::YMKAYDI(QList<DbfRecord> &records, RationProblem &problem)
{
  writeList(records, problem.feeds, FYmAdi, YmColumns);
  problem.changed.feedNames = false;
}

void ProblemFile::YMMIKKAYDI(QList<DbfRecord> &records, RationProblem &problem)
{
  QList<QStringList> rows;
  for (const QString &a : problem.feedAmounts)
    rows.append({a});
  writeList(records, rows, FYmManMik, 1);
  problem.changed.feedAmounts = false;
}

void ProblemFile::BMKAYDI(QList<DbfRecord> &records, RationProblem &problem)
{
  writeList(records, problem.nutrients, FBmAdi, BmColumns);
  problem.changed.nutrientNames = false;
}

void ProblemFile::BMOKAYDI(QList<DbfRecord> &records, RationProblem &problem)
{
  writeList(records, problem.ratios, FBmAdiA, BmoColumns);
  problem.changed.ratios = false;
}

void ProblemFile::MATRIXKAYDI(QList<DbfRecord> &records, RationProblem &problem)
{
  Cursor c(records);
  c.start();
  // The cell count comes from the first row; a problem without rows has none.
  const int cells = problem.matrix.isEmpty() ? 0 : int(problem.matrix.first().size());
  for (const QStringList &row : std::as_const(problem.matrix)) {
    c.put(FYmBmat, matrixRowText(row, cells));
    c.skip();
    if (c.eof())
      c.appendBlank();  // always a record ready for the parameter row
  }
  c.put(FYmBmat, parameterRow(problem));
  c.skip();
  while (!c.eof()) {
    c.put(FYmBmat, QString());
    c.skip();
  }
  problem.changed.matrix = false;
  problem.changed.params = false;
}

bool ProblemFile::PROBDBFUPDATE(RationProblem &problem)
{
  return writeProblem(problem, QString());
}

bool ProblemFile::writeProblem(RationProblem &problem, const QString &target)
{
  m_error.clear();
  if (!isOpen()) {
    m_error = tr("Açık problem dosyası yok.");
    return false;
  }
  const ChangedFlags flags = problem.changed;
  if (!flags.any() && target.isEmpty())
    return true;

  const bool writesMatrix = flags.matrix || flags.params;
  if (writesMatrix) {
    const qsizetype cells = problem.matrix.isEmpty() ? 0 : problem.matrix.first().size();
    const qsizetype feeds = std::max(qsizetype(problem.feeds.size()), cells);
    if (feeds > MaxFeeds) {
      m_error = tr("Problemde %1 yem maddesi var; bir problem dosyası en çok %2 yem maddesi alabilir. "
                   "Dosyaya hiçbir şey yazılmadı.").arg(feeds).arg(MaxFeeds);
      return false;
    }
    const qsizetype len = parameterRow(problem).size();
    if (len > MatrixFieldWidth) {
      m_error = tr("Problem parametreleri ve hayvan tanımı %1 karakter tutuyor; en çok %2 karakter saklanabilir. "
                   "Dosyaya hiçbir şey yazılmadı.").arg(len).arg(MatrixFieldWidth);
      return false;
    }
  }

  // Work on copies so that a refused or failed write leaves the problem, its
  // flags and the file as they were.
  RationProblem work = problem;
  if (writesMatrix && !work.params)
    work.params = RationProblem::defaultParams();
  if (!m_table.rewriteFromDisk(flaggedWriter(work, flags), target)) {
    m_error = tr("%1 dosyasına kaydedilemedi: %2").arg(target.isEmpty() ? m_path : target, m_table.errorString());
    if (!m_table.isOpen())
      m_path.clear();
    return false;
  }
  if (!target.isEmpty())
    return true;  // the open file keeps its raised flags
  problem.changed = work.changed;
  if (writesMatrix)
    problem.params = work.params;
  return true;
}

DbfTable::DiskEdit ProblemFile::flaggedWriter(RationProblem &work, const ChangedFlags flags)
{
  // Another session may have saved since we opened: the parts whose flag is
  // down are taken from the file as it is now, as in-place writers would.
  return [this, &work, flags](const QList<DbfField> &fields, QList<DbfRecord> &records, QString *error) {
    // The writers address fields in problem-file order; a table from
    // elsewhere may hold them in another order, so map there and back.
    QList<int> at;
    for (const DbfField &f : problemFields()) {
      int i = 0;
      while (i < fields.size() && fields.at(i).name.compare(f.name, Qt::CaseInsensitive) != 0)
        ++i;
      if (i == fields.size()) {
        *error = tr("%1 alanı dosyada yok.").arg(f.name);
        return false;
      }
      at.append(i);
    }
    const qsizetype tableFields = fields.size();
    const QList<DbfRecord> old = records;
    for (DbfRecord &r : records) {
      QStringList ours(FieldCount);
      for (int f = 0; f < FieldCount; ++f)
        ours[f] = r.values.at(at.at(f));
      r.values = ours;
    }
    if (flags.feedNames)
      YMKAYDI(records, work);
    if (flags.feedAmounts)
      YMMIKKAYDI(records, work);
    if (flags.nutrientNames)
      BMKAYDI(records, work);
    if (flags.matrix || flags.params)
      MATRIXKAYDI(records, work);
    if (flags.ratios)
      BMOKAYDI(records, work);
    // Back to the table's own field order; fields the problem file does not
    // know keep what they hold (new records get blanks there).
    for (qsizetype i = 0; i < records.size(); ++i) {
      QStringList theirs = i < old.size() ? old.at(i).values : QStringList(tableFields);
      for (int f = 0; f < FieldCount; ++f)
        theirs[at.at(f)] = records.at(i).values.at(f);
      records[i].values = theirs;
    }
    return true;
  };
}

bool ProblemFile::saveAs(const QString &target, const RationProblem &problem)
{
  RationProblem copy = problem;
  return writeProblem(copy, target);
}

bool ProblemFile::CREATE_VSK_DBFFILE(const QString &target, const RationProblem *problem)
{
  m_error.clear();
  if (!isOpen()) {
    m_error = tr("Açık problem dosyası yok.");
    return false;
  }
  QList<DbfRecord> records = m_table.allRecords();
  if (problem && problem->changed.any()) {
    // The export shows the problem as it is now, unsaved changes included,
    // without saving them into the open file.
    RationProblem work = *problem;
    if ((work.changed.matrix || work.changed.params) && !work.params)
      work.params = RationProblem::defaultParams();
    QString why;
    if (!flaggedWriter(work, work.changed)(m_table.fields(), records, &why)) {
      m_error = why;
      return false;
    }
  }
  const QList<DbfField> fields = olderLayoutFields();
  QList<int> at;
  for (const DbfField &f : fields)
    at.append(m_table.fieldIndex(f.name));
  QList<DbfRecord> out;
  for (const DbfRecord &r : std::as_const(records)) {
    if (r.deleted)
      continue;
    DbfRecord o;
    for (int i : at)
      o.values.append(r.values.at(i));
    out.append(o);
  }
  QString why;
  if (!DbfTable::writeTable(target, fields, out, &why)) {
    m_error = why;
    return false;
  }
  return true;
}

} // namespace vz
