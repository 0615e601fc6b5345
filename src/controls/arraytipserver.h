#pragma once
// Feeds the tip-of-the-day dialog from the program's in-memory data server,
// whose rows carry the fields HEADING, TIPTEXT and SHOWMORE.
#include "tipserver.h"

namespace vz {

class ARRAYSERVER;

class ArrayTipServer : public TipServer {
public:
  // The server is not owned and must outlive this object.
  explicit ArrayTipServer(ARRAYSERVER &server) : m_server(server) {}

  int recordCount() const override;
  int recNo() const override;
  void goTop() override;
  void goTo(int record) override;
  void skip(int records) override;
  bool eof() const override;
  QVariant fieldGet(const QString &name) const override;
  void close() override;

private:
  ARRAYSERVER &m_server;
};

} // namespace vz
