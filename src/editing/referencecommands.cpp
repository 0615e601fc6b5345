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
  return {rt::PadR(f.trimmedName(), NameWidth), rt::PadR(f.price, CellWidth), blank11(), blank11(), blank11()};
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
  if (!refmatrix::read(path, m)) {
    ui.errorMessage(openErrorText());
    return false;
  }
  return true;
}

int indexOfStored(const QStringList &names, const QString &name, int except = -1)
{
  const QString key = storedName(name);
  for (int i = 0; i < names.size(); ++i)
    if (i != except && storedName(names.at(i)) == key)
      return i;
  return -1;
}

int referenceFeedByStored(const ReferenceMatrix &m, const QString &name)
{
  const QString key = storedName(name);
  for (int i = 0; i < m.feeds.size(); ++i)
    if (storedName(m.feeds.at(i).name) == key)
      return i;
  return -1;
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
  for (const ReferenceFeed &f : std::as_const(m.feeds))
    items.append(f.name);
  const QList<int> picked = ui.chooseMany(QStringLiteral("Yem Maddesi Seçimi"), items, false);
  if (picked.isEmpty())
    return false;
  // A record without a name, or one a problem could not tell from a record
  // chosen before it (equal in the 15 characters kept), adds nothing.
  QList<int> chosenFeeds;
  QStringList keptNames;
  for (int n : picked) {
    const QString name = m.feeds.at(n - 1).trimmedName();
    if (name.isEmpty() || indexOfStored(keptNames, name) >= 0)
      continue;
    keptNames.append(name);
    chosenFeeds.append(n);
  }
  if (chosenFeeds.isEmpty())
    return false;
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

  problem.feeds.clear();
  problem.feedNames.clear();
  for (int n : chosenFeeds) {
    const ReferenceFeed &f = m.feeds.at(n - 1);
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
    for (int n : chosenFeeds)
      row.append(rt::PadR(m.feeds.at(n - 1).cells.value(pos), CellWidth));
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
  return true;
}

bool AMAT_YMEKLE_GR(const QString &programDir, RationProblem &problem, Interaction &ui)
{
  ReferenceMatrix m;
  if (!openReference(programDir, ui, QStringLiteral("Uyarı"), &m))
    return false;
  const QStringList columns = m.nutrientColumns();

  QStringList items;
  for (const ReferenceFeed &f : std::as_const(m.feeds))
    items.append(f.name);
  const QList<int> chosen = ui.chooseMany(QStringLiteral("Yem Maddesi Ekle"), items, false);
  if (chosen.isEmpty())
    return false;

  // Counted as the run will append them: a name already there, or chosen
  // twice, adds nothing.
  QStringList after = problem.feedNames;
  for (int n : chosen) {
    const QString name = m.feeds.at(n - 1).trimmedName();
    if (!name.isEmpty() && indexOfStored(after, name) < 0)
      after.append(name);
  }
  if (after.size() > MaxFeeds) {
    ui.warning(tooManyFeedsText(int(after.size())), QStringLiteral("Uyarı..."));
    return false;
  }
  if (!ui.askYesNoWithIcon(QStringLiteral("Seçilen yem maddeleri aktif girişlere eklenecek!"),
                           QStringLiteral("Uyarı..."), Interaction::Icon::Exclamation))
    return false;

  const RationProblem before = problem;
  const int rows = int(problem.matrix.size());
  int cells = int(problem.feedNames.size());
  QStringList skipped;
  bool renamed = false;
  int appended = 0;

  for (int n : chosen) {
    const ReferenceFeed &f = m.feeds.at(n - 1);
    const QString name = f.trimmedName();
    if (name.isEmpty() || indexOfStored(problem.feedNames, name) >= 0)
      continue;
    problem.feedNames.append(name);
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
        row[cell] = rt::PadR(f.cells.value(column), CellWidth);
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
        row[cell] = rt::PadR(f.cells.value(answer.selected - 1), CellWidth);
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
  const QStringList referenceNames = m.trimmedFeedNames();

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

  QStringList skipped;
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
      const int found = referenceFeedByStored(m, feed);
      if (found >= 0) {
        row[c] = rt::PadR(m.feeds.at(found).cells.value(pos), CellWidth);
        continue;
      }
      if (skipped.contains(feed))
        continue;
      for (;;) {
        const NamePairing answer = ui.askNamePairing(feed, referenceNames);
        if (answer.kind == NamePairing::Kind::Cancel) {
          problem = before;
          return false;
        }
        if (answer.kind == NamePairing::Kind::Skip) {
          skipped.append(feed);
          break;
        }
        const QString pairedName = referenceNames.at(answer.selected - 1);
        if (indexOfStored(problem.feedNames, pairedName, c) >= 0) {
          ui.warning(duplicateNameText(pairedName), QStringLiteral("Uyarı..."));
          continue;
        }
        problem.feedNames[c] = pairedName;
        if (c < problem.feeds.size())
          problem.feeds[c][YmName] = rt::PadR(pairedName, NameWidth);
        renamed = true;
        row[c] = rt::PadR(m.feeds.at(answer.selected - 1).cells.value(pos), CellWidth);
        break;
      }
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
