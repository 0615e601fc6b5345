#pragma once
// A file name and an open file handle in one object: opening, creating,
// reading, writing, positioning and closing through the operating system's
// file calls, with the status of the last operation kept in the object.
// Texts (lines, READTEXT, WRITETEXT) are code page 1254; READ and WRITE move
// bytes as they are. The handle is closed when the object is dropped.
//
// No operation throws or shows anything: after each one ERRORCODE() holds the
// system's error number (0 none), or 256 for a full disk and 257 for a read
// tried at the end of the file, and ERROR() tells whether it is not 0.
#include <QByteArray>
#include <QString>

namespace vz {

class FILEOBJECT {
public:
  // Open modes and creation attributes, numbered as the runtime numbers them.
  static constexpr int FO_READ = 0;
  static constexpr int FO_WRITE = 1;
  static constexpr int FO_READWRITE = 2;
  static constexpr int FC_NORMAL = 0;
  static constexpr int FC_READONLY = 1;
  static constexpr quint32 DiskFull = 256;
  static constexpr quint32 EofReached = 257;
  static constexpr qintptr NoHandle = -1;

  explicit FILEOBJECT(const QString &file);
  ~FILEOBJECT();
  FILEOBJECT(const FILEOBJECT &) = delete;
  FILEOBJECT &operator=(const FILEOBJECT &) = delete;

  QString FULLPATH() const;
  bool EXISTS() const;

  // Answer the new handle, NoHandle (-1) on failure. An open file is closed
  // first.
  qintptr OPEN(int mode = FO_READ);
  qintptr CREATE(int attributes = FC_NORMAL);  // an existing file is emptied
  quint32 CLOSE();   // answers the error code; the handle value stays readable
  quint32 COMMIT();  // flushes to the disk

  // Reads into `buffer` (count omitted: as many bytes as it is long); answers
  // the number of bytes read.
  qint64 READ(QByteArray &buffer, qint64 count = -1);
  qint64 READTEXT(QString &buffer, qint64 count);
  QString READSTR(qint64 count);
  // One line without its line end; maxLength bytes at most (omitted: no limit).
  QString GETS(qint64 maxLength = -1);

  // Answer the number of bytes written (line ends included).
  qint64 PUTS(const QString &line);                   // the line and CR LF
  qint64 WRITE(const QByteArray &data, qint64 count = -1);
  qint64 WRITELINE(const QString &line, qint64 count = -1);  // count bytes of the line and CR LF
  qint64 WRITETEXT(const QString &text, qint64 count = -1);

  // Origin 0 start, 1 current position, 2 end; answer the new position.
  qint64 SEEK(qint64 offset, int origin = 0);
  qint64 GOTOP();
  qint64 GOBOTTOM();
  FILEOBJECT &REWIND();
  qint64 TELL() const;
  qint64 POSITION() const;
  bool ISEOF() const;  // the runtime's EOF (a C macro)
  // Counts the lines from the start; leaves the position at the end.
  qint64 LINECOUNT();

  qintptr FILEHANDLE() const;
  quint32 ERRORCODE() const;
  bool ERROR() const;
  QString ERRSTRING() const;

private:
  quint32 updateErr(int err);
  qint64 writeBytes(const QByteArray &bytes);

  QString m_path;
  int m_fd = -1;
  bool m_open = false;
  quint32 m_errorCode = 0;
};

} // namespace vz
