#pragma once
// A data server that feeds the tip-of-the-day dialog: one record per tip with
// the fields HEADING (text), TIPTEXT (text) and SHOWMORE (logic), positioned by
// record number from 1. Moving past the last record sets eof(); moving before
// the first stays on it.
#include <QString>
#include <QVariant>

namespace vz {

class TipServer {
public:
  virtual ~TipServer() = default;
  virtual int recordCount() const = 0;
  virtual int recNo() const = 0;
  virtual void goTop() = 0;
  virtual void goTo(int record) = 0;
  virtual void skip(int records) = 0;
  virtual bool eof() const = 0;
  virtual QVariant fieldGet(const QString &name) const = 0;
  virtual void close() = 0;
};

} // namespace vz
