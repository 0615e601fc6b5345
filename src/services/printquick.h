#pragma once
// Plain lines of text for a printer without a driver: everything written goes
// into a buffer file of this job's own in the temporary folder (code page
// 1254), and PRINTIT hands that file to the printer port and removes it.
//
// A port name ("LPT1", "LPT2", ...) is looked up in the settings value of that
// name under "Software\Tervolu\VKSetings\Printer Ports": a value starting with
// "/" names a device file the bytes are copied to (for instance
// /dev/usb/lp0); any other value names a print queue, to which `lp -d <queue>
// -o raw` sends them. Without a value, "LPTn" means the device /dev/lp(n-1),
// "COMn" the serial device /dev/ttyS(n-1), "PRN" is LPT1 and "AUX" COM1, as
// on the system these names come from; such a device must exist, it is never
// created. A port name that is itself an absolute path is that device or
// file. Any other name is no port: the job is not printed, rather than
// written to a file of that name in the current folder.
//
// Nothing is shown: PRINTIT answers whether the printer took the job, and
// ERRORTEXT() says why not, in Turkish. A job dropped unprinted removes its
// buffer file.
#include <QByteArray>
#include <QString>

class QTemporaryFile;

namespace vz {

class PRINTQUICK {
public:
  static constexpr const char *PortsKey = "Software\\Tervolu\\VKSetings\\Printer Ports";

  PRINTQUICK();
  ~PRINTQUICK();
  PRINTQUICK(const PRINTQUICK &) = delete;
  PRINTQUICK &operator=(const PRINTQUICK &) = delete;

  // Blanks put in front of every piece of text written (5 at the start);
  // negative margins count as 0.
  void MARGIN(int blanks);

  // The margin, the text and, with lineEnd, CR LF.
  PRINTQUICK &QQOUT(const QString &text, bool lineEnd = false);
  PRINTQUICK &QQOUT(double value, bool lineEnd = false);
  PRINTQUICK &QOUT(const QString &text) { return QQOUT(text, true); }
  PRINTQUICK &QOUT(double value) { return QQOUT(value, true); }
  PRINTQUICK &SKIPLINES(int lines);   // the margin, then n times CR LF
  PRINTQUICK &EJECTPAGE(bool carriageReturn = true);  // FF (CR); no margin
  PRINTQUICK &RESETPRINTER();         // ESC "E"; no margin

  // Ends the job: a page eject when asked, the buffer closed, copied to the
  // port and removed. False, with ERRORTEXT() set, when the port could not be
  // reached or did not take every byte, and for a job already printed.
  bool PRINTIT(const QString &port = QStringLiteral("LPT1"), bool eject = true);

  // Where the job's bytes wait until PRINTIT; empty once printed or when the
  // buffer could not be created.
  QString bufferFileName() const;
  QString ERRORTEXT() const { return m_error; }

  // Where a port name sends the bytes: {true, device path} or {false, queue};
  // an empty name with the reason when the port is unknown. A device that a
  // port name stands for must exist already.
  struct Target {
    bool isDevice = true;
    QString name;
    bool mustExist = false;
    QString error;
  };
  static Target resolvePort(const QString &port);
  // The folder of the devices the port names stand for, "/dev"; tests put
  // a folder of their own here, an empty text restores it.
  static void setDeviceFolder(const QString &folder);

private:
  void write(const QByteArray &bytes);
  bool copyToDevice(const Target &device);
  bool sendToQueue(const QString &queue);

  QTemporaryFile *m_buffer = nullptr;
  int m_margin = 5;
  QString m_error;
};

} // namespace vz
