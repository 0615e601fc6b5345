#pragma once
// Reads a dBASE table with Debian's python3-dbfread, the independent reader
// every table the tests write is checked against.
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QString>
#include <QStringList>

namespace vz::test {

struct IndependentTable {
  bool ok = false;
  QString error;
  QStringList fieldNames;
  QList<QJsonArray> fieldSpecs;        // [name, type, length, decimals]
  QList<QStringList> records;          // live records, raw text at full width
  QList<QJsonArray> typed;             // live records as dbfread types them
  QList<QStringList> deleted;          // deleted records, raw
};

inline IndependentTable readWithDbfread(const QString &path)
{
  IndependentTable t;
  const QString python = qEnvironmentVariable("VZ_PYTHON", QStringLiteral("/usr/bin/python3"));
  const QString script = qEnvironmentVariable("VZ_TEST_DATA") + QStringLiteral("/dbfdump.py");
  QProcess p;
  p.start(python, {script, path});
  if (!p.waitForFinished(60000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) {
    t.error = QStringLiteral("dbfread failed on %1: %2 %3")
                  .arg(path, QString::fromUtf8(p.readAllStandardError()), p.errorString());
    return t;
  }
  const QJsonObject o = QJsonDocument::fromJson(p.readAllStandardOutput()).object();
  for (const QJsonValue &f : o.value(QStringLiteral("fields")).toArray()) {
    t.fieldSpecs.append(f.toArray());
    t.fieldNames.append(f.toArray().at(0).toString());
  }
  auto rows = [](const QJsonArray &a, QList<QStringList> *raw, QList<QJsonArray> *typed) {
    for (const QJsonValue &r : a) {
      QStringList values;
      for (const QJsonValue &v : r.toObject().value(QStringLiteral("raw")).toArray())
        values.append(v.toString());
      raw->append(values);
      if (typed)
        typed->append(r.toObject().value(QStringLiteral("typed")).toArray());
    }
  };
  rows(o.value(QStringLiteral("records")).toArray(), &t.records, &t.typed);
  rows(o.value(QStringLiteral("deleted")).toArray(), &t.deleted, nullptr);
  t.ok = true;
  return t;
}

} // namespace vz::test
