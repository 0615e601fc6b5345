// Installs the shipped reference matrix into a program directory:
//   vz_makerefmatrix <source table (.csv)> <program directory>
// A reference matrix already there (whatever the letter case of its name) is
// never replaced. The source table holds per feedstuff its dry matter, price
// and composition in percent of the dry matter (see its header); this writes
// "MATKUMAD.DBF" with the standard columns in the units the requirement rows
// use, through the program's own table class.
#include "editing/referencecommands.h"
#include "editing/referencematrix.h"
#include "platform/dbftable.h"
#include "platform/rtext.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QTextStream>
#include <cmath>
#include <optional>

using namespace vz;

namespace {

QString number(double v, int decimals)
{
  return rt::Str(v, refmatrix::CellWidth, decimals);
}

// The units record: "BIRIM" and the unit of every column the table fills.
QStringList unitsRecord(const QList<DbfField> &fields)
{
  const QHash<QString, QString> units{
      {QStringLiteral("KMO"), QStringLiteral("%")},          {QStringLiteral("HP"), QStringLiteral("g/Kg")},
      {QStringLiteral("RUP"), QStringLiteral("g/Kg")},       {QStringLiteral("RDP"), QStringLiteral("g/Kg")},
      {QStringLiteral("ADF"), QStringLiteral("Kg/Kg")},      {QStringLiteral("NDF"), QStringLiteral("Kg/Kg")},
      {QStringLiteral("TSBM"), QStringLiteral("Kg/Kg")},     {QStringLiteral("SE"), QStringLiteral("MCal/Kg")},
      {QStringLiteral("ME_BB"), QStringLiteral("MCal/Kg")},  {QStringLiteral("NEY"), QStringLiteral("MCal/Kg")},
      {QStringLiteral("NEK"), QStringLiteral("MCal/Kg")},    {QStringLiteral("NEL"), QStringLiteral("MCal/Kg")},
      {QStringLiteral("KALSIYUM"), QStringLiteral("g/Kg")},  {QStringLiteral("FOSFOR"), QStringLiteral("g/Kg")},
      {QStringLiteral("SODYUM"), QStringLiteral("g/Kg")},    {QStringLiteral("KLOR"), QStringLiteral("g/Kg")},
      {QStringLiteral("MAGNEZYUM"), QStringLiteral("g/Kg")}, {QStringLiteral("VITA"), QStringLiteral("IU/Kg")},
      {QStringLiteral("VITD"), QStringLiteral("IU/Kg")},     {QStringLiteral("VITE"), QStringLiteral("IU/Kg")},
  };
  QStringList out;
  for (const DbfField &f : fields)
    out.append(f.name == QLatin1String("YM_ADI") ? QLatin1String(refmatrix::UnitsName) : units.value(f.name));
  return out;
}

std::optional<double> parse(const QString &text)
{
  bool ok = false;
  const double v = text.trimmed().toDouble(&ok);
  return ok && std::isfinite(v) && v >= 0 ? std::optional<double>(v) : std::nullopt;
}

} // namespace

int main(int argc, char **argv)
{
  QCoreApplication app(argc, argv);
  QTextStream out(stdout);
  QTextStream err(stderr);
  const QStringList args = app.arguments();
  if (args.size() != 3) {
    err << "usage: vz_makerefmatrix <source table (.csv)> <program directory>\n";
    return 2;
  }
  const QString source = args.at(1);
  const QString programDir = args.at(2);
  const QString existing = refmatrix::locate(programDir);
  if (!existing.isEmpty()) {
    out << "reference matrix kept: " << existing << '\n';
    return 0;
  }

  QFile in(source);
  if (!in.open(QIODevice::ReadOnly | QIODevice::Text)) {
    err << "cannot read " << source << '\n';
    return 1;
  }
  const QList<DbfField> fields = KMM_STRCREATE();
  QHash<QString, int> position;
  for (int i = 0; i < fields.size(); ++i)
    position.insert(fields.at(i).name, i);

  QList<DbfRecord> records{{false, unitsRecord(fields)}};
  QStringList header;
  QStringList storedNames;  // what a problem keeps of each name
  int lineNo = 0;
  QTextStream text(&in);
  text.setEncoding(QStringConverter::Utf8);
  while (!text.atEnd()) {
    const QString line = text.readLine();
    ++lineNo;
    if (line.trimmed().isEmpty() || line.startsWith(QLatin1Char('#')))
      continue;
    const QStringList cells = line.split(QLatin1Char(';'));
    if (header.isEmpty()) {
      header = cells;
      continue;
    }
    auto fail = [&](const QString &why) {
      err << source << ':' << lineNo << ": " << why << '\n';
      return 1;
    };
    if (cells.size() != header.size())
      return fail(QStringLiteral("%1 columns, the header has %2").arg(cells.size()).arg(header.size()));
    QHash<QString, double> v;
    for (int i = 1; i < header.size(); ++i) {
      const std::optional<double> value = parse(cells.at(i));
      if (!value)
        return fail(QStringLiteral("%1 is not a number: \"%2\"").arg(header.at(i), cells.at(i)));
      v.insert(header.at(i), *value);
    }
    const QString name = cells.at(0).trimmed();
    if (name.isEmpty() || name.size() > refmatrix::NameWidth)
      return fail(QStringLiteral("the name must have 1 to %1 characters").arg(refmatrix::NameWidth));
    // A problem keeps 15 characters of a name: two names equal in them could
    // not be told apart in a problem built from the matrix.
    const QString stored = refcommands::storedName(name);
    if (storedNames.contains(stored))
      return fail(QStringLiteral("\"%1\" is \"%2\" in a problem, like an earlier name").arg(name, stored));
    storedNames.append(stored);

    QStringList values(fields.size());
    values[0] = name;
    values[1] = number(v.value(QStringLiteral("FIATI")), 3);
    auto put = [&](const char *column, double value) { values[position.value(QLatin1String(column))] = number(value, 4); };
    const double cp = v.value(QStringLiteral("HP")) * 10.0;  // % of DM -> g/kg DM
    const double rup = cp * v.value(QStringLiteral("RUP_HP")) / 100.0;
    put("KMO", v.value(QStringLiteral("KMO")));
    put("HP", cp);
    put("RUP", rup);
    put("RDP", cp - rup);
    put("NDF", v.value(QStringLiteral("NDF")) / 100.0);
    put("ADF", v.value(QStringLiteral("ADF")) / 100.0);
    const double tdn = v.value(QStringLiteral("TSBM"));
    put("TSBM", tdn / 100.0);
    for (const char *mineral : {"KALSIYUM", "FOSFOR", "SODYUM", "KLOR", "MAGNEZYUM"})
      put(mineral, v.value(QLatin1String(mineral)) * 10.0);
    double de = 0, me = 0, nem = 0, neg = 0, nel = 0;
    if (tdn > 0) {
      de = 0.04409 * tdn;
      me = 0.82 * de;
      nem = 1.37 * me - 0.138 * me * me + 0.0105 * me * me * me - 1.12;
      neg = 1.42 * me - 0.174 * me * me + 0.0122 * me * me * me - 1.65;
      nel = 0.0245 * tdn - 0.12;
    }
    put("SE", de);
    put("ME_BB", me);
    put("NEY", std::max(nem, 0.0));
    put("NEK", std::max(neg, 0.0));
    put("NEL", std::max(nel, 0.0));
    records.append({false, values});
  }

  const QString target = refmatrix::defaultPath(programDir);
  QString error;
  if (!DbfTable::writeTable(target, fields, records, &error)) {
    err << "cannot write " << target << ": " << error << '\n';
    return 1;
  }
  out << "reference matrix: " << target << " (" << records.size() - 1 << " feedstuffs)\n";
  return 0;
}
