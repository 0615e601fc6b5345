// Seconds to read rich-text reports of growing size, each paragraph full of
// format changes as a coloured, bolded report has. Goal: 1 MB under 0.3 s.
#include "shell/ui/rtfreader.h"

#include <QGuiApplication>
#include <QTextDocument>

#include <chrono>
#include <cstdio>

using namespace vz;

namespace {

QByteArray report(qsizetype bytes, int runsPerParagraph)
{
  QByteArray out = "{\\rtf1\\ansi\\ansicpg1254\\deff0{\\fonttbl{\\f0\\fmodern\\fprq1\\fcharset162 Courier New;}}"
                   "{\\colortbl ;\\red255\\green0\\blue0;}\r\n";
  int run = 0;
  while (out.size() < bytes) {
    out += (run % 2) ? "\\b\\cf1 " : "\\b0\\cf0 ";
    out += "Arpa 12.50 ";
    if (++run % runsPerParagraph == 0)
      out += "\\par\r\n";
  }
  out += "}";
  return out;
}

} // namespace

int main(int argc, char **argv)
{
  QGuiApplication app(argc, argv);
  std::printf("%-10s %-10s %s\n", "bytes", "runs/par", "seconds");
  for (const qsizetype size : {45 * 1024, 180 * 1024, 1024 * 1024}) {
    for (const int runs : {20, 5000}) {
      const QByteArray rtf = report(size, runs);
      QTextDocument doc;
      RtfReader reader;
      const auto start = std::chrono::steady_clock::now();
      reader.read(rtf, &doc);
      const double s = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
      std::printf("%-10lld %-10d %.3f%s\n", static_cast<long long>(rtf.size()), runs, s,
                  size == 1024 * 1024 && s >= 0.3 ? "  (over 0.3 s)" : "");
    }
  }
  return 0;
}
