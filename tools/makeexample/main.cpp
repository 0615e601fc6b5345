// Writes the example problem, its requirements estimated by the program's
// dairy model, through the program's own save path:
//   vz_makeexample <file.RVD>
#include "exampleproblem.h"
#include "problem/problemfile.h"

#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char **argv)
{
  QCoreApplication app(argc, argv);
  QTextStream err(stderr);
  const QStringList args = app.arguments();
  if (args.size() != 2) {
    err << "usage: vz_makeexample <file.RVD>\n";
    return 2;
  }
  const QString path = args.at(1);
  QString error;
  if (!vz::ProblemFile::createNew(path, &error)) {
    err << error << '\n';
    return 1;
  }
  vz::ProblemFile file;
  if (!file.open(path)) {
    err << file.errorString() << '\n';
    return 1;
  }
  vz::RationProblem problem = vz::example::dairyCow(&error);
  if (!error.isEmpty()) {
    err << error << '\n';
    return 1;
  }
  if (!file.PROBDBFUPDATE(problem)) {
    err << file.errorString() << '\n';
    return 1;
  }
  return 0;
}
