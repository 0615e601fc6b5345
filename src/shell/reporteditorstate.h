#pragma once
// The report editor's bookkeeping, kept apart from its windows: which report
// windows are open (at most ten), the numbering of untitled reports
// ("Adsız1", "Adsız2", ...) and the rules that decide from a file name how a
// report is loaded and saved. The windows are only identities here.
#include <QList>
#include <QObject>
#include <QString>

namespace vz {

class ReportEditorState {
public:
  static constexpr int MaxWindows = 10;

  enum class FileKind { None, Text, Rich };

  struct SaveTarget {
    QString path;
    FileKind kind = FileKind::Text;
  };

  // Raises the untitled-report counter (also when the window is then refused,
  // so that number is skipped) and returns the name it gives. Never fails.
  QString nextUntitledName();
  int untitledCounter() const { return m_counter; }

  const QList<QObject *> &windows() const { return m_windows; }
  int count() const { return int(m_windows.size()); }
  bool isFull() const { return m_windows.size() >= MaxWindows; }

  // A window already listed is not listed twice.
  void add(QObject *window);
  // Returns true when the window was listed and the list is now empty.
  bool remove(QObject *window);
  bool contains(QObject *window) const { return m_windows.contains(window); }
  // Leaving the editor: no windows listed, numbering starts again at 1.
  void reset();

  static QString untitledName(int counter);
  // The first five characters are "Adsız": a report with no file yet.
  static bool isUntitled(const QString &name);
  // More than three characters and ending in ".RTF" or ".TXT", any letter case.
  static bool isReportFileName(const QString &name);
  // How a window loads its file: by the last three characters, upper-cased.
  static FileKind loadKind(const QString &name);
  // How "Kaydet" saves: untitled names give None (they need "Farklı Kaydet").
  static FileKind saveKind(const QString &name);
  // The last four characters when they begin with '.', else empty.
  static QString fileExtension(const QString &name);
  // The target of "Farklı Kaydet": a name typed without an extension gets the
  // chosen filter's (1 ".TXT", 2 ".RTF"); ".RTF" in any case is rich text.
  static SaveTarget saveAsTarget(const QString &chosen, int filterIndex);
  // Two names of the same file (symbolic links and ".." resolved when the
  // file exists; otherwise compared as cleaned absolute paths).
  static bool sameFile(const QString &a, const QString &b);

private:
  QList<QObject *> m_windows;
  int m_counter = 0;
};

} // namespace vz
