#pragma once
// Serialises the saves of one file between sessions (two users, or two
// runtime folders, on one program folder): held from the re-read of the file
// to the rename of its new content, so no session writes over a change it has
// not seen.
#include <QByteArray>
#include <QString>

#include <sys/stat.h>
#include <sys/types.h>

namespace vz {

// The file a handle holds, once looked at.
struct HeldFile {
  bool known = false;
  dev_t dev = 0;
  ino_t ino = 0;
};

class SaveLock {
public:
  // Waits until no other session holds the lock of `path`. A missing file, or
  // a file system without such locks, gives no lock (isHeld() false): the save
  // then goes on unserialised.
  explicit SaveLock(const QString &path);
  // The same taken on `fd`, the caller's own read-write handle of `path`,
  // while the path still names the file it holds: no second open. Should the
  // path name another file by now (another session saved), the lock is taken
  // on that one as above. The handle must stay open while the lock is held.
  // `held`, when known, names the file the handle holds (which never
  // changes), so that it need not be looked at again.
  SaveLock(const QString &path, int fd, HeldFile held = {});
  ~SaveLock();
  SaveLock(const SaveLock &) = delete;
  SaveLock &operator=(const SaveLock &) = delete;

  bool isHeld() const { return m_fd >= 0; }

  // The locked file's bytes, read through the lock's own descriptor: the
  // file the path named when the lock was taken, which no save of a session
  // that takes the lock can have replaced since. False with `err` (errno)
  // set when it cannot be read; only while isHeld().
  bool readAll(QByteArray *out, int *err) const;

  // What lstat() gave for the path when the lock was taken; only while
  // isHeld().
  const struct stat &pathStatus() const { return m_status; }

  // The caller's handle the lock was taken on is about to be closed, which
  // lets the lock go with it: this object no longer touches the handle.
  void handOver();

private:
  void lockOpened(const QByteArray &name);
  // The lock on `fd`; false when it cannot be taken there.
  bool lockHandle(int fd);
  // Whether `fd` holds the file `name` names now; keeps its size then.
  bool holdsNamedFile(int fd, const QByteArray &name, HeldFile held = {});

  int m_fd = -1;
  bool m_borrowed = false;  // m_fd is the caller's, to unlock but not close
  qsizetype m_size = -1;  // the file's size when the lock was taken
  struct stat m_status = {};
};

} // namespace vz
