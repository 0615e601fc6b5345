#include "entrytable.h"
#include "matrixupkeep.h"
#include "platform/cp1254.h"
#include "platform/rtext.h"
#include "problem/interaction.h"
#include "problem/numbertext.h"

#include <algorithm>
#include <cmath>

namespace vz {

namespace {
int g_unnamedFeeds = 0;
int g_unnamedNutrients = 0;

constexpr int NameWidth = 15;  // what the problem file keeps of a name

bool blank(const QString &s) { return rt::AllTrim(s).isEmpty(); }

QString blankNumber() { return QString(NumberTextWidth, QLatin1Char(' ')); }

QList<EntryTable::Column> columnsOf(EntryKind kind, const QStringList &feedNames)
{
  using C = EntryTable::Column;
  switch (kind) {
  case EntryKind::Nutrients:
    return {C{QStringLiteral("BMNAME"), 15, QStringLiteral("Besin Maddesi Adı"), 20},
            C{QStringLiteral("BMUNIT"), 11, QStringLiteral("Birim"), 17},
            C{QStringLiteral("BMFIX"), 11, QStringLiteral("Sabit"), 17},
            C{QStringLiteral("BMLLIMIT"), 11, QStringLiteral("Alt Sınır"), 17},
            C{QStringLiteral("BMULIMIT"), 11, QStringLiteral("Üst Sınır"), 17}};
  case EntryKind::Feeds:
    return {C{QStringLiteral("YMNAME"), 20, QStringLiteral("Yem Maddesi Adı"), 17},
            C{QStringLiteral("YMPRICE"), 11, QStringLiteral("Fiyatı"), 17},
            C{QStringLiteral("YMFIX"), 11, QStringLiteral("Sabit"), 17},
            C{QStringLiteral("YMLLIMIT"), 11, QStringLiteral("Alt Sınır"), 17},
            C{QStringLiteral("YMULIMIT"), 11, QStringLiteral("Üst Sınır"), 17}};
  case EntryKind::Ratios:
    return {C{QStringLiteral("BMONAME1"), 15, QStringLiteral("Besin Maddesi Adı  I"), 19},
            C{QStringLiteral("BMONAME2"), 15, QStringLiteral("Besin Maddesi Adı II"), 19},
            C{QStringLiteral("BMOFIX"), 11, QStringLiteral("Sabit "), 17},
            C{QStringLiteral("BMOLLIMIT"), 11, QStringLiteral("Alt Sınır"), 17},
            C{QStringLiteral("BMOULIMIT"), 11, QStringLiteral("Üst Sınır"), 17}};
  case EntryKind::Matrix: {
    QList<C> cols{C{QStringLiteral("MATFNAMEUNIT"), 20, QStringLiteral("Besin Maddesi"), 20}};
    for (qsizetype j = 0; j < feedNames.size(); ++j)
      cols.append(C{QStringLiteral("MATYMNAME%1").arg(j + 1), 11, feedNames.at(j), 17});
    return cols;
  }
  }
  return {};
}
} // namespace

EntryTable::EntryTable(EntryKind kind, RationProblem &problem, Interaction &ui)
    : m_kind(kind), m_problem(problem), m_ui(ui)
{
  m_columns = columnsOf(kind, problem.feedNames);
  const int fields = columnCount();
  QList<QStringList> rows;
  switch (kind) {
  case EntryKind::Nutrients: rows = problem.nutrients; break;
  case EntryKind::Feeds: rows = problem.feeds; break;
  case EntryKind::Ratios: rows = problem.ratios; break;
  case EntryKind::Matrix: {
    // Row i is labelled with nutrient i; a matrix out of step with the name
    // lists would put values under the wrong names, so it is not shown.
    bool inStep = problem.matrix.size() == problem.nutrientNames.size();
    for (const QStringList &r : problem.matrix)
      inStep = inStep && r.size() == problem.feedNames.size();
    if (!inStep) {
      m_failed = true;
      m_ui.errorMessage(QStringLiteral("Girişte bir hata oluştu!\r\rSonra tekrar deneyin!"));
      break;
    }
    for (qsizetype i = 0; i < problem.matrix.size(); ++i) {
      QString label = problem.nutrientNames.at(i).trimmed();
      const QString unit = problem.nutrientUnits.value(i).trimmed();
      if (!unit.isEmpty())
        label += QStringLiteral(", ") + unit;
      rows.append(QStringList{label} + problem.matrix.at(i));
    }
    break;
  }
  }
  for (QStringList &r : rows) {
    while (r.size() < fields)
      r.append(QString());
  }
  QList<DbfField> structure;
  for (const Column &c : m_columns)
    structure.append(DbfField{c.field, QLatin1Char('C'), c.length, 0});
  m_server = std::make_unique<BARRAYSERVER>(structure, BARRAYSERVER::rowsFromTexts(rows), 0, 1);
  m_server->addClient([this](int notice, const QString &) {
    if (notice == ARRAYSERVER::NoticeFieldPut || notice == ARRAYSERVER::NoticeDeleted
        || notice == ARRAYSERVER::NoticeAppended || notice == ARRAYSERVER::NoticeFileChanged) {
      switch (m_kind) {
      case EntryKind::Nutrients:
      case EntryKind::Feeds: m_changed = true; break;
      case EntryKind::Ratios: m_problem.changed.ratios = true; break;
      case EntryKind::Matrix: m_problem.changed.matrix = true; break;
      }
    }
    return true;
  });
  m_server->GOTOP();
}

EntryTable::~EntryTable() = default;

int EntryTable::rowCount() const { return m_server->LASTREC(); }

QString EntryTable::cell(int row, int col) const
{
  if (row < 1 || row > rowCount())
    return QString();
  return m_server->DATA().at(row - 1).value(col - 1).toString();
}

QList<QStringList> EntryTable::rows() const { return m_server->textRows(); }

int EntryTable::currentRow() const { return rowCount() == 0 ? 0 : m_server->RECNO(); }

void EntryTable::setCurrentRow(int row)
{
  if (row >= 1 && row <= rowCount())
    m_server->GOTO(row);
}

bool EntryTable::changed() const
{
  switch (m_kind) {
  case EntryKind::Ratios: return m_problem.changed.ratios;
  case EntryKind::Matrix: return m_problem.changed.matrix;
  default: return m_changed;
  }
}

int EntryTable::unnamedFeedCounter() { return g_unnamedFeeds; }
int EntryTable::unnamedNutrientCounter() { return g_unnamedNutrients; }

QString EntryTable::duplicateNameText(const QString &name)
{
  return QStringLiteral("\"%1\" adı zaten kullanılıyor!\n\nHer satırın adı başka olmalıdır.").arg(name);
}

QString EntryTable::nameTooLongText(int length)
{
  return QStringLiteral("Ad en çok %1 karakter olabilir!").arg(length);
}

QString EntryTable::nameRequiredText(const QString &name)
{
  return QStringLiteral("\"%1\" satırında başka değerler var: ad boş bırakılamaz!").arg(name);
}

QString EntryTable::characterOutsideCodePageText(const QString &character)
{
  return QStringLiteral("\"%1\" karakteri Türkçe kod sayfasında yok: adda kullanılamaz!").arg(character);
}

QString EntryTable::outsideCodePage(const QString &text)
{
  for (qsizetype i = 0; i < text.size(); ++i) {
    const qsizetype n = text.at(i).isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
    const QString one = text.mid(i, n);
    if (!cp1254::canEncode(one))
      return one;
    i += n - 1;
  }
  return QString();
}

QString EntryTable::numberTooWideText()
{
  return numberTooWideMessage();
}

QString EntryTable::zeroMacroText()
{
  return QStringLiteral("Seçilen makro besin maddesinin değeri sıfır!\n\nBağlı değerler hesaplanamaz.");
}

QString EntryTable::linkTooWideText()
{
  return QStringLiteral("Bağlı değerlerden biri 11 karakteri aşıyor!\n\nHiçbir değer değiştirilmedi.");
}

bool EntryTable::isDryMatterName(const QString &name)
{
  const QString n = rt::AllTrim(name);
  return n.compare(QLatin1String("KMT"), Qt::CaseInsensitive) == 0
         || n.compare(QLatin1String("KMO"), Qt::CaseInsensitive) == 0;
}

int EntryTable::nameLength() const { return NameWidth; }

QString EntryTable::nextAutomaticName()
{
  // The counters only count up; a number whose name a row already carries
  // (typed by hand) is passed over so that names stay unique.
  QString name;
  do {
    if (m_kind == EntryKind::Feeds)
      name = QString::number(++g_unnamedFeeds) + QStringLiteral("Ymİsimsiz");
    else
      name = QString::number(++g_unnamedNutrients) + QStringLiteral("Bmİsimsiz");
  } while (nameTaken(name, 0));
  return name;
}

bool EntryTable::nameTaken(const QString &name, int exceptRow) const
{
  const QString key = rt::Upper(rt::AllTrim(name));
  if (key.isEmpty())
    return false;
  for (int r = 1; r <= rowCount(); ++r) {
    if (r != exceptRow && rt::Upper(rt::AllTrim(cell(r, 1))) == key)
      return true;
  }
  return false;
}

bool EntryTable::rowBlank(int row, int exceptCol) const
{
  for (int c = 1; c <= columnCount(); ++c) {
    if (c != exceptCol && !blank(cell(row, c)))
      return false;
  }
  return true;
}

void EntryTable::put(int row, int col, const QString &value)
{
  m_server->GOTO(row);
  m_server->FIELDPUT(col, value);
  m_server->COMMIT();
  if (m_observer)
    m_observer->rowChanged(row);
}

EntryTable::EditOutcome EntryTable::ENDEDIT(int row, int col, const QString &typed)
{
  if (row < 1 || row > rowCount() || col < 1 || col > columnCount() || m_failed)
    return EditOutcome::Refused;
  m_server->GOTO(row);
  QString v = typed;

  auto refuse = [this](const QString &text) {
    m_ui.warning(text);
    return EditOutcome::Refused;
  };
  // Text that is no number, or a number too wide for its cell, is refused
  // rather than turned into another number or an empty cell.
  QString refusal;
  auto number = [&](int decimals, bool *ok) {
    refusal = numberInputRefusal(v, decimals, m_columns.value(col - 1).caption);
    *ok = refusal.isEmpty();
    return SDAYA(v, decimals);
  };

  switch (m_kind) {
  case EntryKind::Nutrients:
  case EntryKind::Feeds: {
    const bool feeds = m_kind == EntryKind::Feeds;
    if (blank(v)) {
      if (rowBlank(row, col)) {
        put(row, col, QString());
        return DODELETE(row) ? EditOutcome::RowRemoved : EditOutcome::Stored;
      }
      // A row with values keeps a name the user knows it by.
      if (col == 1)
        return refuse(nameRequiredText(rt::AllTrim(cell(row, 1))));
      put(row, col, QString());
      return EditOutcome::Stored;
    }
    if (col == 1) {
      if (rt::RTrim(v).size() > nameLength())
        return refuse(nameTooLongText(nameLength()));
      if (const QString bad = outsideCodePage(v); !bad.isEmpty())
        return refuse(characterOutsideCodePageText(bad));
      if (nameTaken(v, row))
        return refuse(duplicateNameText(rt::AllTrim(v)));
    } else if (!feeds && col == 2) {
      v = rt::PadL(rt::AllTrim(v), NumberTextWidth);
    } else {
      bool ok = true;
      v = number(feeds ? 3 : 4, &ok);
      if (!ok)
        return refuse(refusal);
    }
    if (col != 1 && blank(cell(row, 1)))
      put(row, 1, nextAutomaticName());
    if (feeds)
      ADDMATCOL(m_problem, row);
    else
      ADDMATROW(m_problem, row);
    put(row, col, v);
    return EditOutcome::Stored;
  }
  case EntryKind::Ratios:
    if (col > 2) {
      bool ok = true;
      v = number(4, &ok);
      if (!ok)
        return refuse(refusal);
      if (blank(cell(row, 1)) && blank(cell(row, 2))) {
        put(row, 1, QStringLiteral("Bmİsmi-I"));
        put(row, 2, QStringLiteral("Bmİsmi-II"));
      }
    } else if (rt::RTrim(v).size() > nameLength()) {
      return refuse(nameTooLongText(nameLength()));
    } else if (const QString bad = outsideCodePage(v); !bad.isEmpty()) {
      return refuse(characterOutsideCodePageText(bad));
    }
    put(row, col, v);
    return EditOutcome::Stored;
  case EntryKind::Matrix: {
    if (col == 1)
      return EditOutcome::Refused;  // the label column is never edited
    bool ok = true;
    v = number(4, &ok);
    if (!ok)
      return refuse(refusal);
    put(row, col, v);
    return EditOutcome::Stored;
  }
  }
  return EditOutcome::Refused;
}

bool EntryTable::APPEND()
{
  if (m_kind == EntryKind::Matrix || m_failed)
    return false;
  for (int r = 1; r <= rowCount(); ++r) {
    if (blank(cell(r, 1))) {
      m_server->GOTO(r);
      return false;
    }
  }
  const int row = rowCount() + 1;
  if (m_observer)
    m_observer->rowAboutToBeAppended(row);
  m_server->APPEND();
  m_server->COMMIT();
  if (m_observer)
    m_observer->rowAppended();
  return true;
}

bool EntryTable::DODELETE(int row)
{
  if (m_kind == EntryKind::Matrix || row < 1 || row > rowCount())
    return false;
  m_server->GOTO(row);
  m_server->DELETE();
  if (!m_server->DELETED())
    return false;
  if (m_observer)
    m_observer->rowAboutToBeRemoved(row);
  m_server->PACK();
  if (m_observer)
    m_observer->rowRemoved();
  afterRowRemoved(row);
  return true;
}

void EntryTable::afterRowRemoved(int row)
{
  if (m_kind == EntryKind::Nutrients) {
    DELMATROW(m_problem, row);
  } else if (m_kind == EntryKind::Feeds) {
    DELMATCOL(m_problem, row);
    // The manual amounts follow the feedstuffs row for row.
    if (!m_problem.feedAmounts.isEmpty() && row <= m_problem.feedAmounts.size()) {
      m_problem.feedAmounts.removeAt(row - 1);
      m_problem.changed.feedAmounts = true;
    }
  }
}

bool EntryTable::deleteCurrent()
{
  if (m_kind == EntryKind::Matrix || rowCount() == 0)
    return false;
  const int n = currentRow();
  QString question;
  switch (m_kind) {
  case EntryKind::Nutrients: question = QStringLiteral("Seçili besin maddesi siliniyor!"); break;
  case EntryKind::Feeds: question = QStringLiteral("Seçili Yem Maddesi Siliniyor!"); break;
  default: question = QStringLiteral("Seçili Besin Maddesi Oranı Siliniyor!"); break;
  }
  if (!m_ui.askYesNo(question, QStringLiteral("Uyarı")))
    return false;
  if (m_kind == EntryKind::Ratios) {
    m_server->GOTO(n);
    m_server->DELETE();
    if (!m_server->DELETED())
      return false;
    if (m_observer)
      m_observer->rowAboutToBeRemoved(n);
    m_server->PACK();
    if (m_observer)
      m_observer->rowRemoved();
    return true;
  }
  return DODELETE(n);
}

bool EntryTable::ORANSEC()
{
  if (m_kind != EntryKind::Ratios || m_problem.nutrientNames.isEmpty())
    return false;
  QStringList copy = m_problem.nutrientNames;
  const int a = m_ui.chooseOne(QStringLiteral("Bölünen Seçimi"), copy);
  if (a < 1 || a > copy.size())
    return false;
  const QString numerator = copy.takeAt(a - 1);
  const int b = m_ui.chooseOne(QStringLiteral("Bölen Seçimi"), copy);
  if (b < 1 || b > copy.size())
    return false;
  const QString denominator = copy.at(b - 1);

  int target = 0;
  for (int r = 1; r <= rowCount() && target == 0; ++r) {
    if (blank(cell(r, 1)))
      target = r;
  }
  if (target == 0) {
    target = rowCount() + 1;
    if (m_observer)
      m_observer->rowAboutToBeAppended(target);
    m_server->APPEND();
    m_server->COMMIT();
    if (m_observer)
      m_observer->rowAppended();
  }
  put(target, 1, rt::PadR(rt::AllTrim(numerator), NameWidth));
  put(target, 2, rt::PadR(rt::AllTrim(denominator), NameWidth));
  m_server->GOTO(target);
  m_problem.changed.ratios = true;
  return true;
}

bool EntryTable::BMBAGLA(int col)
{
  if (m_kind != EntryKind::Matrix || m_failed || col < 2 || col > columnCount())
    return false;
  QStringList copy = m_problem.nutrientNames;
  const int k = m_ui.chooseOne(QStringLiteral("Makro Besin Maddesi Seçimi"), copy);
  if (k < 1 || k > copy.size() || k > rowCount())
    return false;
  const QString oldValue = cell(k, col);
  if (blank(oldValue)) {
    m_ui.warning(QStringLiteral("Seçilen makro besin maddesi boş!"));
    return false;
  }
  // Nothing can be scaled from a zero: said before any value is asked.
  if (rt::Val(oldValue) == 0.0) {
    m_ui.warning(zeroMacroText());
    return false;
  }
  const QString prompt = rt::AllTrim(m_problem.feedNames.value(col - 2)) + QStringLiteral("->")
                         + rt::AllTrim(copy.at(k - 1)) + QStringLiteral(" Değerini Giriniz:");
  const QString newValue = m_ui.askValue(prompt, oldValue);
  if (blank(newValue) || newValue == oldValue)
    return false;
  copy.removeAt(k - 1);
  copy.removeIf([](const QString &n) { return isDryMatterName(n); });
  QList<int> chosen = m_ui.chooseMany(QStringLiteral("Bağlı Besin Maddeleri Seçimi"), copy, true);
  if (chosen.isEmpty())
    return false;
  std::sort(chosen.begin(), chosen.end());

  const double n = rt::Val(newValue);
  const double old = rt::Val(oldValue);
  if (old == 0.0) {
    m_ui.warning(zeroMacroText());
    return false;
  }
  // Every result is computed before any cell is written, so a refusal
  // leaves the column as it was.
  QList<QPair<int, QString>> writes;
  for (int s : std::as_const(chosen)) {
    if (s < 1 || s > copy.size())
      continue;
    const int r = int(m_problem.nutrientNames.indexOf(copy.at(s - 1))) + 1;
    if (r < 1 || r > rowCount())
      continue;
    const double v = rt::Val(cell(r, col));
    const double scaled = rt::Round(v / old * n, 4);
    const QString text = QString::number(scaled, 'f', 4);
    if (!std::isfinite(scaled) || text.size() > NumberTextWidth) {
      m_ui.warning(linkTooWideText());
      return false;
    }
    writes.append({r, rt::PadL(text, NumberTextWidth)});
  }
  for (const auto &w : std::as_const(writes))
    put(w.first, col, w.second);
  put(k, col, newValue);
  m_problem.changed.matrix = true;
  return true;
}

void EntryTable::copyBackNamedTable()
{
  const bool feeds = m_kind == EntryKind::Feeds;
  QList<QStringList> rows = m_server->textRows();
  // Rows appended and never filled would leave the table longer than its
  // name list and the matrix; they go, with a matrix slot if they had one.
  for (int r = int(rows.size()); r >= 1; --r) {
    const QStringList &row = rows.at(r - 1);
    if (!std::all_of(row.cbegin(), row.cend(), blank))
      continue;
    const qsizetype extent = m_problem.matrix.isEmpty()
                                 ? 0
                                 : (feeds ? m_problem.matrix.first().size() : m_problem.matrix.size());
    if (extent >= rows.size() && r <= extent) {
      if (feeds)
        DELMATCOL(m_problem, r);
      else
        DELMATROW(m_problem, r);
    }
    if (feeds && m_problem.feedAmounts.size() >= rows.size() && r <= m_problem.feedAmounts.size()) {
      m_problem.feedAmounts.removeAt(r - 1);
      m_problem.changed.feedAmounts = true;
    }
    rows.removeAt(r - 1);
  }
  // A row with values but no name would vanish from the saved file.
  for (int r = 1; r <= rows.size(); ++r) {
    if (blank(rows[r - 1][0])) {
      const QString name = nextAutomaticName();
      rows[r - 1][0] = name;
    }
  }
  if (feeds) {
    m_problem.feeds = rows;
    // Rebuilt in place: the trimmed names of the named rows.
    m_problem.feedNames.clear();
    for (const QStringList &row : std::as_const(rows))
      if (!blank(row.value(0)))
        m_problem.feedNames.append(rt::AllTrim(row.value(0)));
    m_problem.changed.feedNames = true;
    QStringList &amounts = m_problem.feedAmounts;
    if (!amounts.isEmpty() && amounts.size() != rows.size()) {
      while (amounts.size() > rows.size())
        amounts.removeLast();
      while (amounts.size() < rows.size())
        amounts.append(blankNumber());
      m_problem.changed.feedAmounts = true;
    }
  } else {
    m_problem.nutrients = rows;
    m_problem.nutrientNames.clear();
    m_problem.nutrientUnits.clear();
    for (const QStringList &row : std::as_const(rows)) {
      if (blank(row.value(0)))
        continue;
      m_problem.nutrientNames.append(rt::AllTrim(row.value(0)));
      m_problem.nutrientUnits.append(rt::AllTrim(row.value(1)));
    }
    m_problem.changed.nutrientNames = true;
  }
  fitMatrixToTables(m_problem);
}

bool EntryTable::QUERYCLOSE()
{
  if (m_failed)
    return false;
  switch (m_kind) {
  case EntryKind::Nutrients:
  case EntryKind::Feeds:
    if (!m_changed)
      return false;
    copyBackNamedTable();
    m_changed = false;
    return true;
  case EntryKind::Ratios: {
    if (!m_problem.changed.ratios)
      return false;
    QList<QStringList> rows = m_server->textRows();
    rows.removeIf([](const QStringList &row) { return std::all_of(row.cbegin(), row.cend(), blank); });
    m_problem.ratios = rows;
    return true;
  }
  case EntryKind::Matrix: {
    if (!m_problem.changed.matrix)
      return false;
    QList<QStringList> rows;
    for (const QStringList &row : m_server->textRows())
      rows.append(AKILL(row, 1));
    QList<QStringList> &matrix = m_problem.matrix;
    bool sameShape = matrix.size() == rows.size();
    for (qsizetype i = 0; sameShape && i < rows.size(); ++i)
      sameShape = matrix.at(i).size() == rows.at(i).size();
    if (sameShape) {
      matrix = rows;
    } else {
      // The matrix changed shape under this window: only the cells that
      // still exist take the edited values.
      for (qsizetype i = 0; i < qMin(matrix.size(), rows.size()); ++i)
        for (qsizetype j = 0; j < qMin(matrix.at(i).size(), rows.at(i).size()); ++j)
          matrix[i][j] = rows.at(i).at(j);
    }
    return true;
  }
  }
  return false;
}

} // namespace vz
