#include "referencecommands.h"

#include "referencematrix.h"
#include "platform/rtext.h"
#include "problem/interaction.h"
#include "problem/rationproblem.h"

namespace vz::refcommands {

namespace {

constexpr int NameWidth = 15;
constexpr int CellWidth = 11;

QString blank11()
{
  return QString(CellWidth, QLatin1Char(' '));
}

QString one()
{
  return rt::PadL(QStringLiteral("1.0000"), CellWidth);
}

QString openErrorText()
{
  return QStringLiteral("MATKUMAD.DBF referans matris dosyasını açmada hata!");
}

QStringList nutrientRow(const QString &name, const QString &unit)
{
  return {rt::PadR(name, NameWidth), rt::PadL(unit, CellWidth), blank11(), blank11(), blank11()};
}

QStringList feedRow(const ReferenceFeed &f)
{
  return {rt::PadR(f.trimmedName(), NameWidth), rt::PadR(f.price(), CellWidth), blank11(), blank11(), blank11()};
}

// The reference matrix of the program directory, or nothing after the
// message that says why.
bool openReference(const QString &programDir, Interaction &ui, const QString &missingCaption,
                   ReferenceMatrix *m)
{
  const QString path = refmatrix::locate(programDir);
  if (path.isEmpty()) {
    ui.warning(refmatrix::missingText(), missingCaption);
    return false;
  }
  QString why;
  if (!refmatrix::read(path, m, &why)) {
    ui.errorMessage(refmatrix::withReason(openErrorText(), why));
    return false;
  }
  return true;
}

QString tooManyFeedsText(int count)
{
  return QStringLiteral("Bir problemde en çok %1 yem maddesi bulunabilir!\n\n"
                        "Seçiminizle yem maddesi sayısı %2 olurdu.")
      .arg(MaxFeeds)
      .arg(count);
}

QString duplicateNameText(const QString &name)
{
  return QStringLiteral("%1 adı aktif problemde zaten var!\n\nBaşka bir eş seçin ya da Atla'yı kullanın.")
      .arg(name);
}

void setCell(QStringList &row, int index, const QString &value)
{
  while (row.size() <= index)
    row.append(blank11());
  row[index] = value;
}

// The reference records a problem feedstuff stands for. The whole name
// decides first (the first record of that name); only a name a problem file
// may have cut to its 15 characters falls back to the records whose first 15
// characters give it, and then every such record is returned, so that the
// caller can tell one from several.
QList<int> recordsFor(const ReferenceMatrix &m, const QString &feedName)
{
  const int whole = m.feedIndex(feedName);
  if (whole >= 0)
    return {whole};
  QList<int> out;
  if (feedName.isEmpty() || storedName(feedName) != feedName)
    return out;
  for (int i = 0; i < m.feedCount(); ++i)
    if (storedName(m.feedName(i)) == feedName)
      out.append(i);
  return out;
}

// A feedstuff name held whole by a feedstuff of the problem other than `except`.
bool heldElsewhere(const QStringList &feedNames, const QString &name, int except)
{
  for (int i = 0; i < feedNames.size(); ++i)
    if (i != except && feedNames.at(i) == name)
      return true;
  return false;
}

// Asks which of the reference records `candidates` (indexes of feedstuffs of m)
// problem feedstuff `c` is; a name another feedstuff holds is refused and
// asked again. On a pair the feedstuff takes the record's whole name (its
// table row the 15 characters a problem keeps) and `record` is set.
NamePairing pairFeed(RationProblem &problem, int c, const ReferenceMatrix &m, const QList<int> &candidates,
                     Interaction &ui, int *record)
{
  QStringList names;
  for (int i : candidates)
    names.append(m.feed(i).trimmedName());
  for (;;) {
    const NamePairing answer = ui.askNamePairing(problem.feedNames.at(c), names);
    if (answer.kind != NamePairing::Kind::Pair)
      return answer;
    if (answer.selected < 1 || answer.selected > names.size())
      continue;
    const QString pairedName = names.at(answer.selected - 1);
    if (heldElsewhere(problem.feedNames, pairedName, c)) {
      ui.warning(duplicateNameText(pairedName), QStringLiteral("Uyarı..."));
      continue;
    }
    problem.feedNames[c] = pairedName;
    if (c < problem.feeds.size())
      problem.feeds[c][YmName] = rt::PadR(pairedName, NameWidth);
    *record = candidates.at(answer.selected - 1);
    return answer;
  }
}

// One line of the message that names the chosen records not added.
QString notAddedLine(const ReferenceFeed &f, const QString &reason)
{
  const QString name = f.trimmedName().isEmpty() ? QStringLiteral("(%1. kayıt, adsız)").arg(f.recNo()) : f.trimmedName();
  return name + QStringLiteral(": ") + reason;
}

void tellNotAdded(const QStringList &lines, Interaction &ui)
{
  if (lines.isEmpty())
    return;
  ui.information(QStringLiteral("Seçilen şu yem maddeleri eklenmedi:\n\n") + lines.join(QLatin1Char('\n')),
                 QStringLiteral("Bilgi..."));
}

QString noNameReason()
{
  return QStringLiteral("kaydın adı yok.");
}

} // namespace

QString storedName(const QString &name)
{
  return rt::AllTrim(rt::AllTrim(name).left(NameWidth));
}

bool AMAT_OLUSTUR_GR(const QString &programDir, RationProblem &problem, Interaction &ui)
{
  ReferenceMatrix m;
  if (!openReference(programDir, ui, QStringLiteral("Uyarı"), &m))
    return false;
  const QStringList columns = m.nutrientColumns();
  const QStringList units = m.units();

  int kmo = -1;
  for (int i = 0; i < columns.size() && kmo < 0; ++i)
    if (columns.at(i).startsWith(QLatin1String("KMO")))
      kmo = i;

  const QList<int> chosenColumns = ui.chooseMany(QStringLiteral("Besin Maddesi Seçimi"), columns, false);
  if (chosenColumns.isEmpty())
    return false;
  QList<int> positions;
  for (int n : chosenColumns)
    positions.append(n - 1);
  if (kmo >= 0 && !positions.contains(kmo))
    positions.prepend(kmo);

  QStringList items;
  for (int i = 0; i < m.feedCount(); ++i)
    items.append(m.feedName(i));
  const QList<int> picked = ui.chooseMany(QStringLiteral("Yem Maddesi Seçimi"), items, false);
  if (picked.isEmpty())
    return false;
  // Every chosen record is a feedstuff of its own, whatever its first 15
  // characters; only a record without a name, or a second record of a name
  // already taken, is left out, and the user is told which and why.
  QList<int> chosenFeeds;
  QStringList keptNames;
  QStringList notAdded;
  for (int n : picked) {
    const ReferenceFeed f = m.feed(n - 1);
    const QString name = f.trimmedName();
    if (name.isEmpty()) {
      notAdded.append(notAddedLine(f, noNameReason()));
      continue;
    }
    if (keptNames.contains(name)) {
      notAdded.append(notAddedLine(f, QStringLiteral("bu adla bir kayıt daha seçildi; ilki alındı.")));
      continue;
    }
    keptNames.append(name);
    chosenFeeds.append(n);
  }
  if (chosenFeeds.isEmpty()) {
    tellNotAdded(notAdded, ui);
    return false;
  }
  if (chosenFeeds.size() > MaxFeeds) {
    ui.warning(tooManyFeedsText(int(chosenFeeds.size())), QStringLiteral("Uyarı..."));
    return false;
  }
  if (!problem.feeds.isEmpty() || !problem.nutrients.isEmpty()) {
    const QString question =
        QStringLiteral("Aktif problemin yem maddesi ve besin maddesi tabloları ile matrisi, "
                       "seçilenlerle yeniden oluşturulacak!\n\nDevam edilsin mi?");
    if (!ui.askYesNoWithIcon(question, QStringLiteral("Uyarı..."), Interaction::Icon::Exclamation))
      return false;
  }

  // Each chosen record decoded once for its row and all its cells.
  QList<ReferenceFeed> chosen;
  for (int n : chosenFeeds)
    chosen.append(m.feed(n - 1));
  problem.feeds.clear();
  problem.feedNames.clear();
  for (const ReferenceFeed &f : std::as_const(chosen)) {
    problem.feeds.append(feedRow(f));
    problem.feedNames.append(f.trimmedName());
  }

  problem.nutrients = {nutrientRow(QStringLiteral("KMT"), QStringLiteral("Kg/Kg"))};
  problem.nutrientNames = {QStringLiteral("KMT")};
  problem.nutrientUnits = {QStringLiteral("Kg/Kg")};
  for (int pos : std::as_const(positions)) {
    problem.nutrients.append(nutrientRow(columns.at(pos), units.at(pos)));
    problem.nutrientNames.append(columns.at(pos));
    problem.nutrientUnits.append(units.at(pos));
  }

  problem.matrix = {QStringList(chosenFeeds.size(), one())};
  for (int pos : std::as_const(positions)) {
    QStringList row;
    for (const ReferenceFeed &f : std::as_const(chosen))
      row.append(rt::PadR(f.cell(pos), CellWidth));
    problem.matrix.append(row);
  }

  // The manual amounts belonged to the feedstuffs that are gone.
  if (!problem.feedAmounts.isEmpty()) {
    problem.feedAmounts.clear();
    problem.changed.feedAmounts = true;
  }
  problem.changed.matrix = true;
  problem.changed.nutrientNames = true;
  problem.changed.feedNames = true;
  tellNotAdded(notAdded, ui);
  return true;
}

bool AMAT_YMEKLE_GR(const QString &programDir, RationProblem &problem, Interaction &ui)
{
  ReferenceMatrix m;
  if (!openReference(programDir, ui, QStringLiteral("Uyarı"), &m))
    return false;
  const QStringList columns = m.nutrientColumns();

  QStringList items;
  for (int i = 0; i < m.feedCount(); ++i)
    items.append(m.feedName(i));
  const QList<int> chosen = ui.chooseMany(QStringLiteral("Yem Maddesi Ekle"), items, false);
  if (chosen.isEmpty())
    return false;

  // Which chosen records the problem holds already. A feedstuff of the same
  // whole name is that record; a name a problem file cut to 15 characters is
  // the one record those characters give, or, when several records give them,
  // the one the user names in the pairing dialog (asked once per feedstuff).
  const RationProblem before = problem;
  QList<int> toAdd;  // indexes of feedstuffs of m, in table order
  QStringList notAdded;
  QStringList after = problem.feedNames;
  QList<int> asked;  // problem feedstuffs already asked about in this run
  for (int n : chosen) {
    const ReferenceFeed f = m.feed(n - 1);
    const QString name = f.trimmedName();
    if (name.isEmpty()) {
      notAdded.append(notAddedLine(f, noNameReason()));
      continue;
    }
    QString held;  // the problem's name for this record, when it has it
    if (after.contains(name))
      held = name;
    for (int c = 0; held.isEmpty() && c < problem.feedNames.size(); ++c) {
      const QString feed = problem.feedNames.at(c);
      if (storedName(feed) != storedName(name))
        continue;
      QList<int> records = recordsFor(m, feed);
      if (records.size() > 1 && !asked.contains(c)) {
        asked.append(c);
        int record = -1;
        const NamePairing answer = pairFeed(problem, c, m, records, ui, &record);
        if (answer.kind == NamePairing::Kind::Cancel) {
          problem = before;
          return false;
        }
        after[c] = problem.feedNames.at(c);
        records = record >= 0 ? QList<int>{record} : QList<int>{};
      }
      if (records == QList<int>{n - 1})
        held = feed;
    }
    if (!held.isEmpty()) {
      notAdded.append(notAddedLine(f, held == name
                                          ? QStringLiteral("aktif problemde bu adla bir yem maddesi zaten var.")
                                          : QStringLiteral("aktif problemdeki \"%1\" bu kayıttır "
                                                           "(problem dosyası adın ilk 15 karakterini saklar).")
                                                .arg(held)));
      continue;
    }
    after.append(name);
    toAdd.append(n - 1);
  }
  if (after.size() > MaxFeeds) {
    problem = before;
    ui.warning(tooManyFeedsText(int(after.size())), QStringLiteral("Uyarı..."));
    return false;
  }
  if (!ui.askYesNoWithIcon(QStringLiteral("Seçilen yem maddeleri aktif girişlere eklenecek!"),
                           QStringLiteral("Uyarı..."), Interaction::Icon::Exclamation)) {
    problem = before;
    return false;
  }

  const int rows = int(problem.matrix.size());
  int cells = int(problem.feedNames.size());
  QStringList skipped;
  bool renamed = false;
  int appended = 0;

  for (int i : std::as_const(toAdd)) {
    const ReferenceFeed f = m.feed(i);
    problem.feedNames.append(f.trimmedName());
    problem.feeds.append(feedRow(f));
    ++appended;
    ++cells;
    const int cell = cells - 1;
    for (int r = 0; r < rows; ++r) {
      QStringList &row = problem.matrix[r];
      while (row.size() > cells)
        row.removeLast();
      setCell(row, cell, blank11());
      const QString nutrient = problem.nutrientNames.value(r);
      const int column = m.nutrientColumn(nutrient);
      if (column >= 0) {
        row[cell] = rt::PadR(f.cell(column), CellWidth);
        continue;
      }
      if (nutrient == QLatin1String("KMT") || skipped.contains(nutrient))
        continue;
      for (;;) {
        const NamePairing answer = ui.askNamePairing(nutrient, columns);
        if (answer.kind == NamePairing::Kind::Cancel) {
          problem = before;
          return false;
        }
        if (answer.kind == NamePairing::Kind::Skip) {
          skipped.append(nutrient);
          break;
        }
        const QString pairedName = columns.at(answer.selected - 1);
        if (problem.nutrientNames.indexOf(pairedName) >= 0) {
          ui.warning(duplicateNameText(pairedName), QStringLiteral("Uyarı..."));
          continue;
        }
        problem.nutrientNames[r] = pairedName;
        if (r < problem.nutrients.size())
          problem.nutrients[r][BmName] = rt::PadR(pairedName, NameWidth);
        renamed = true;
        row[cell] = rt::PadR(f.cell(answer.selected - 1), CellWidth);
        break;
      }
    }
    const int kmt = int(problem.nutrientNames.indexOf(QStringLiteral("KMT")));
    if (kmt >= 0 && kmt < rows)
      problem.matrix[kmt][cell] = one();
  }

  // A manual ration in progress gets a blank amount for every new feedstuff.
  if (!problem.feedAmounts.isEmpty() && appended > 0) {
    for (int i = 0; i < appended; ++i)
      problem.feedAmounts.append(blank11());
    problem.changed.feedAmounts = true;
  }
  problem.changed.matrix = true;
  problem.changed.feedNames = true;
  // The renamed nutrients must reach the file with the next save.
  if (renamed)
    problem.changed.nutrientNames = true;
  tellNotAdded(notAdded, ui);
  return true;
}

bool AMAT_BMEKLE_GR(const QString &programDir, RationProblem &problem, Interaction &ui)
{
  ReferenceMatrix m;
  if (!openReference(programDir, ui, QStringLiteral("Uyarı..."), &m))
    return false;
  const QStringList columns = m.nutrientColumns();
  const QStringList units = m.units();
  const int kmo = int(columns.indexOf(QStringLiteral("KMO")));

  const QList<int> chosen = ui.chooseMany(QStringLiteral("Besin Maddesi Ekle"), columns, false);
  if (chosen.isEmpty())
    return false;
  if (!ui.askYesNoWithIcon(QStringLiteral("Seçilen besin maddeleri aktif girişlere eklenecek!"),
                           QStringLiteral("Uyarı..."), Interaction::Icon::Exclamation))
    return false;

  const RationProblem before = problem;
  QList<int> positions;
  for (int n : chosen)
    positions.append(n - 1);
  const int cells = int(problem.feedNames.size());
  if (problem.nutrients.isEmpty()) {
    // Without nutrients every feedstuff first gets its dry-matter row.
    problem.nutrientNames = {QStringLiteral("KMT")};
    problem.nutrientUnits = {QStringLiteral("Kg/Kg")};
    problem.nutrients = {nutrientRow(QStringLiteral("KMT"), QStringLiteral("Kg/Kg"))};
    problem.matrix = {QStringList(cells, one())};
    if (kmo >= 0 && !positions.contains(kmo))
      positions.prepend(kmo);
  }

  QList<int> skipped;  // feedstuff positions: several may share a cut name
  bool renamed = false;
  for (int pos : std::as_const(positions)) {
    const QString column = columns.at(pos);
    if (problem.nutrientNames.contains(column))
      continue;
    problem.nutrientNames.append(column);
    problem.nutrientUnits.append(units.at(pos));
    problem.nutrients.append(nutrientRow(column, units.at(pos)));
    problem.matrix.append(QStringList(cells, blank11()));
    QStringList &row = problem.matrix.last();
    for (int c = 0; c < cells; ++c) {
      const QString feed = problem.feedNames.at(c);
      const QList<int> records = recordsFor(m, feed);
      if (records.size() == 1) {
        row[c] = rt::PadR(m.feed(records.first()).cell(pos), CellWidth);
        continue;
      }
      if (skipped.contains(c))
        continue;
      // Several records share the 15 characters the problem kept: the user
      // says which one (a record another feedstuff holds is not offered);
      // otherwise any record may be its pair.
      QList<int> candidates;
      for (int i : records)
        if (!heldElsewhere(problem.feedNames, m.feed(i).trimmedName(), c))
          candidates.append(i);
      if (candidates.isEmpty())
        for (int i = 0; i < m.feedCount(); ++i)
          candidates.append(i);
      int record = -1;
      const NamePairing answer = pairFeed(problem, c, m, candidates, ui, &record);
      if (answer.kind == NamePairing::Kind::Cancel) {
        problem = before;
        return false;
      }
      if (answer.kind == NamePairing::Kind::Skip) {
        skipped.append(c);
        continue;
      }
      renamed = true;
      row[c] = rt::PadR(m.feed(record).cell(pos), CellWidth);
    }
  }

  problem.changed.nutrientNames = true;
  problem.changed.matrix = true;
  // The renamed feedstuffs must reach the file with the next save.
  if (renamed)
    problem.changed.feedNames = true;
  return true;
}

} // namespace vz::refcommands
