#include "referencematrixcopy.h"
#include "editing/entrytable.h"
#include "editing/referencematrix.h"
#include "platform/cp1254.h"
#include "platform/rtext.h"
#include "problem/numbertext.h"

#include <QFileInfo>

#include <algorithm>
#include <cmath>

namespace vz {

namespace {

bool blank(const QString &s) { return s.trimmed().isEmpty(); }

// A computed value as the cells hold it, or empty when it needs more than
// the 11 characters of a cell or is no number at all (an overflow of the
// wide columns of a foreign matrix): "inf" or "nan" never reach a cell.
QString cellNumber(double value)
{
  if (!std::isfinite(value))
    return QString();
  const QString text = QString::number(rt::Round(value, 4), 'f', 4);
  return text.size() > NumberTextWidth ? QString() : rt::PadL(text, NumberTextWidth);
}

} // namespace

bool ReferenceMatrixCopy::open(const QString &path, QString *error)
{
  ReferenceMatrix m;
  m_openError.clear();
  if (!refmatrix::read(path, &m, &m_openError)) {
    if (error)
      *error = m_openError;
    return false;
  }
  m_path = path;
  m_fields = m.fields();
  m_records = m.records();
  // What the file holds now, before anything is added to the copy.
  m_disk = m;
  // A table without records still needs its units record first: without it
  // the first feedstuff typed in would stand where "BIRIM" belongs and be
  // renamed to it. It reaches the file with the first save.
  if (m_records.isEmpty() && !m_fields.isEmpty()) {
    QStringList units;
    for (const DbfField &f : std::as_const(m_fields))
      units.append(QString(f.length, QLatin1Char(' ')));
    units[0] = rt::PadR(QString::fromLatin1(refmatrix::UnitsName), m_fields.at(0).length);
    m_records.append(units);
  }
  m_open = true;
  m_changed = false;
  return true;
}

QStringList ReferenceMatrixCopy::fieldNames() const
{
  QStringList out;
  for (const DbfField &f : m_fields)
    out.append(f.name);
  return out;
}

bool ReferenceMatrixCopy::valid(int record, int field) const
{
  return record >= 1 && record <= recordCount() && field >= 1 && field <= fieldCount();
}

QString ReferenceMatrixCopy::cell(int record, int field) const
{
  return valid(record, field) ? m_records.at(record - 1).value(field - 1) : QString();
}

int ReferenceMatrixCopy::fieldPosition(const QString &name) const
{
  for (int i = 0; i < fieldCount(); ++i)
    if (m_fields.at(i).name == name)
      return i + 1;
  return 0;
}

ReferenceMatrixCopy::EditOutcome ReferenceMatrixCopy::ENDEDIT(int record, int field, const QString &typed,
                                                              Interaction &ui)
{
  if (!valid(record, field))
    return EditOutcome::Refused;
  const int width = m_fields.at(field - 1).length;
  auto refuse = [&ui](const QString &text) {
    ui.warning(text);
    return EditOutcome::Refused;
  };
  QString v = typed;
  if (record == 1 && field == 1) {
    v = QString::fromLatin1(refmatrix::UnitsName);
  } else if (blank(v)) {
    v.clear();
  } else if (record >= 2 && field >= 2) {
    // Text that is no number, or too wide for the cell, is refused rather
    // than turned into another number.
    const int decimals = field == 2 ? 3 : 4;
    const QString why = numberInputRefusal(typed, decimals, m_fields.at(field - 1).name);
    if (!why.isEmpty())
      return refuse(why);
    v = SDAYA(typed, decimals);
  } else {
    if (rt::RTrim(v).size() > width)
      return refuse(EntryTable::nameTooLongText(width));
    if (!cp1254::canEncode(v))
      return refuse(QStringLiteral("Bu karakterler dosyaya yazılamaz!"));
  }
  v = rt::PadR(v, width);
  QString &stored = m_records[record - 1][field - 1];
  if (stored != v) {
    stored = v;
    m_changed = true;
  }
  return EditOutcome::Stored;
}

int ReferenceMatrixCopy::APPEND()
{
  QStringList blankRecord;
  for (const DbfField &f : m_fields)
    blankRecord.append(QString(f.length, QLatin1Char(' ')));
  m_records.append(blankRecord);
  m_changed = true;
  return recordCount();
}

bool ReferenceMatrixCopy::removeRecord(int record)
{
  if (record <= 1 || record > recordCount())
    return false;
  m_records.removeAt(record - 1);
  m_changed = true;
  return true;
}

ReferenceMatrixCopy::SaveOutcome ReferenceMatrixCopy::save(QString *error, bool writeOver)
{
  auto sameFields = [](const QList<DbfField> &a, const QList<DbfField> &b) {
    if (a.size() != b.size())
      return false;
    for (qsizetype i = 0; i < a.size(); ++i)
      if (a.at(i).name != b.at(i).name || a.at(i).type != b.at(i).type || a.at(i).length != b.at(i).length)
        return false;
    return true;
  };
  SaveOutcome outcome = SaveOutcome::Failed;
  DbfTable::withSaveLock(m_path, [&] {
    if (!writeOver) {
      ReferenceMatrix disk;
      QString why;
      if (!refmatrix::read(m_path, &disk, &why) && QFileInfo::exists(m_path)) {
        if (error)
          *error = why;
        return false;
      }
      // A file gone counts as changed: writing it anew is the user's choice.
      if (!QFileInfo::exists(m_path) || !sameFields(disk.fields(), m_disk.fields()) || !disk.sameRecords(m_disk)) {
        outcome = SaveOutcome::ChangedOnDisk;
        return false;
      }
    }
    QList<DbfRecord> out;
    out.reserve(m_records.size());
    for (const QStringList &r : std::as_const(m_records))
      out.append(DbfRecord{false, r});
    if (!DbfTable::writeTable(m_path, m_fields, out, error))
      return false;
    outcome = SaveOutcome::Saved;
    return true;
  });
  if (outcome == SaveOutcome::Saved) {
    // As the file now stores them, for the next save's check.
    m_disk = ReferenceMatrix::fromRecords(m_fields, m_records);
    m_changed = false;
  }
  return outcome;
}

std::optional<double> ReferenceMatrixCopy::MPRODUCT(const QString &op, double a, double b)
{
  if (op == QLatin1String("+"))
    return a + b;
  if (op == QLatin1String("-"))
    return a - b;
  if (op == QLatin1String("*"))
    return a * b;
  if (op == QLatin1String("/"))
    return a / b;
  return std::nullopt;
}

ReferenceMatrixCopy::MathResult ReferenceMatrixCopy::applyColumnMaths(int field, const ColumnOperation &op)
{
  MathResult result;
  if (field < 2 || field > fieldCount() || op.isNothing())
    return result;
  const bool divide = op.op == QLatin1String("/");
  int operand = 0;
  double x = 0;
  if (op.type == QLatin1String("A")) {
    operand = fieldPosition(op.value);
    if (operand == 0 || operand == field)
      return result;
  } else {
    x = rt::Val(op.value);
    if (divide && x == 0.0) {
      result.divideByZero = true;
      return result;
    }
  }
  // Every result is computed before a cell is written, so a refusal leaves
  // the column as it was.
  QList<QPair<int, QString>> writes;
  for (int r = 2; r <= recordCount(); ++r) {
    const QString c = cell(r, field);
    if (blank(c))
      continue;
    const double b = operand ? rt::Val(cell(r, operand)) : x;
    if (divide && b == 0.0) {
      ++result.skipped;
      continue;
    }
    const std::optional<double> value = MPRODUCT(op.op, rt::Val(c), b);
    if (!value)
      return result;
    const QString text = cellNumber(*value);
    if (text.isEmpty()) {
      result.tooWide = true;
      result.skipped = 0;
      return result;
    }
    writes.append({r, text});
  }
  const int width = m_fields.at(field - 1).length;
  for (const auto &w : std::as_const(writes))
    m_records[w.first - 1][field - 1] = rt::PadR(w.second, width);
  m_changed = true;
  result.changed = true;
  return result;
}

ReferenceMatrixCopy::LinkOutcome ReferenceMatrixCopy::linkNutrients(int record, int macroField,
                                                                    const QString &newValue,
                                                                    const QList<int> &linked)
{
  const double old = rt::Val(cell(record, macroField));
  if (old == 0.0)
    return LinkOutcome::ZeroMacro;
  const double n = rt::Val(newValue);
  QList<QPair<int, QString>> writes;
  QList<int> fields = linked;
  std::sort(fields.begin(), fields.end());
  for (int f : std::as_const(fields)) {
    const QString c = cell(record, f);
    if (f < 3 || f == macroField || blank(c))
      continue;
    const QString text = cellNumber(rt::Val(c) / old * n);
    if (text.isEmpty())
      return LinkOutcome::TooWide;
    writes.append({f, text});
  }
  for (const auto &w : std::as_const(writes))
    m_records[record - 1][w.first - 1] = rt::PadR(w.second, m_fields.at(w.first - 1).length);
  m_records[record - 1][macroField - 1] = rt::PadR(newValue, m_fields.at(macroField - 1).length);
  m_changed = true;
  return LinkOutcome::Changed;
}

namespace refmaint {

QString openFailedText(const QString &why)
{
  return refmatrix::withReason(QStringLiteral("Referans matris dosyası açma hatası!"), why);
}

QString zeroDivisorText()
{
  return QStringLiteral("Sıfıra bölme yapılamaz!\n\nHiçbir değer değiştirilmedi.");
}

QString skippedCellsText(int count)
{
  return QStringLiteral("Böleni sıfır ya da boş olan %1 hücre değiştirilmedi.").arg(count);
}

QString columnTooWideText()
{
  return QStringLiteral("İşlemin sonucu bir hücreye sığmıyor (11 karakteri aşıyor)!\n\nHiçbir değer değiştirilmedi.");
}

QString saveFailedText(const QString &why)
{
  return QStringLiteral("Referans matris dosyası kaydedilemedi!\n\n") + why;
}

QString changedOnDiskText(const QString &path)
{
  return QStringLiteral("Referans matris dosyası (") + path
         + QStringLiteral(") bu pencere açıldıktan sonra başka bir oturumda değiştirilmiş.\n\n"
                          "Evet: Sizin değişiklikleriniz dosyadakinin üzerine yazılsın.\n"
                          "Hayır: Sizin değişiklikleriniz atılsın, dosya olduğu gibi kalsın.\n"
                          "İptal: Hiçbir şey yazılmasın, pencereye dönülsün.");
}

bool COLMATHBM(ReferenceMatrixCopy &copy, int field, Interaction &ui)
{
  if (field <= 1) {
    ui.warning(QStringLiteral("Aritmetik için önce sayısal bir kolon seçiniz!"));
    return false;
  }
  if (field > copy.fieldCount())
    return false;
  const ColumnOperation op = ui.askColumnArithmetic(copy.fieldNames());
  if (op.isNothing())
    return false;
  if (op.type != QLatin1String("N") && op.type != QLatin1String("A"))
    return false;
  const QString f = copy.fields().at(field - 1).name;
  if (op.type == QLatin1String("A") && op.value == f) {
    ui.statusMessage(QStringLiteral("Farklı bir besin maddesi seçilmedi..."));
    return false;
  }
  const QString question = QStringLiteral("Seçili referans matrise (") + f + QLatin1Char('=') + f + op.op + op.value
                           + QStringLiteral(") işlemi uygulanacak\n\nYaptığınız işlemden emin misiniz?");
  if (!ui.askYesNo(question, QStringLiteral("Uyarı...")))
    return false;
  const ReferenceMatrixCopy::MathResult r = copy.applyColumnMaths(field, op);
  if (r.divideByZero) {
    ui.warning(zeroDivisorText());
    return false;
  }
  if (r.tooWide) {
    ui.warning(columnTooWideText());
    return false;
  }
  if (r.skipped > 0)
    ui.information(skippedCellsText(r.skipped));
  return r.changed;
}

bool BMBAGLA(ReferenceMatrixCopy &copy, int record, Interaction &ui)
{
  if (record <= 1) {
    ui.warning(QStringLiteral("Bir yem maddesi seçilmedi..."));
    return false;
  }
  if (record > copy.recordCount())
    return false;
  QStringList names;
  QList<int> positions;  // field position of each name
  for (int i = 1; i <= copy.fieldCount(); ++i) {
    const QString n = copy.fields().at(i - 1).name;
    if (n == QLatin1String("YM_ADI") || n == QLatin1String("FIATI"))
      continue;
    names.append(n);
    positions.append(i);
  }
  const int chosen = ui.chooseOne(QStringLiteral("Makro Besin Maddesi Seçimi"), names);
  if (chosen < 1 || chosen > names.size())
    return false;
  const QString m = names.at(chosen - 1);
  const int macroField = positions.at(chosen - 1);
  const QString old = copy.cell(record, macroField);
  if (blank(old)) {
    ui.warning(QStringLiteral("Seçilen makro besin maddesi boş!"));
    return false;
  }
  // Nothing can be scaled from a zero: said before any value is asked.
  if (rt::Val(old) == 0.0) {
    ui.warning(EntryTable::zeroMacroText());
    return false;
  }
  const QString prompt = rt::AllTrim(copy.cell(record, 1)) + QStringLiteral("->") + rt::AllTrim(m)
                         + QStringLiteral(" Değerini Giriniz:");
  const QString newValue = ui.askValue(prompt, old);
  if (blank(newValue) || newValue == old)
    return false;
  names.removeAt(chosen - 1);
  positions.removeAt(chosen - 1);
  // The dry-matter columns are no composition values: never scaled.
  for (qsizetype i = names.size() - 1; i >= 0; --i)
    if (EntryTable::isDryMatterName(names.at(i))) {
      names.removeAt(i);
      positions.removeAt(i);
    }
  const QList<int> linked = ui.chooseMany(QStringLiteral("Bağlı Besin Maddeleri Seçimi"), names, true);
  if (linked.isEmpty())
    return false;
  if (!ui.askYesNo(QStringLiteral("Seçili RM dosyasını bir satır boyunca değiştirmek üzeresiniz...\n\n"
                                  "Yaptığınız işlemden emin misiniz?"),
                   QStringLiteral("Uyarı...")))
    return false;
  QList<int> fields;
  for (int k : linked)
    if (k >= 1 && k <= positions.size())
      fields.append(positions.at(k - 1));
  switch (copy.linkNutrients(record, macroField, newValue, fields)) {
  case ReferenceMatrixCopy::LinkOutcome::ZeroMacro:
    ui.warning(EntryTable::zeroMacroText());
    return false;
  case ReferenceMatrixCopy::LinkOutcome::TooWide:
    ui.warning(EntryTable::linkTooWideText());
    return false;
  case ReferenceMatrixCopy::LinkOutcome::Changed:
    break;
  }
  return true;
}

} // namespace refmaint
} // namespace vz
