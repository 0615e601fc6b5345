#include "arraytipserver.h"
#include "services/arrayserver.h"

namespace vz {

int ArrayTipServer::recordCount() const { return m_server.RECCOUNT(); }
int ArrayTipServer::recNo() const { return m_server.RECNO(); }
void ArrayTipServer::goTop() { m_server.GOTOP(); }
void ArrayTipServer::goTo(int record) { m_server.GOTO(record); }
void ArrayTipServer::skip(int records) { m_server.SKIP(records); }
bool ArrayTipServer::eof() const { return m_server.ISEOF(); }
QVariant ArrayTipServer::fieldGet(const QString &name) const { return m_server.FIELDGET(name); }
void ArrayTipServer::close() { m_server.CLOSE(); }

} // namespace vz
