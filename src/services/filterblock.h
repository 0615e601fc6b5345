#pragma once
// A condition bound to a data server: EVAL() calls the block with the server
// and answers what the block answers. Whoever holds it can test a condition
// on the server without knowing the server. The block is a C++ callable;
// nothing is ever compiled from text.
#include <QVariant>

#include <functional>

namespace vz {

template <class Server>
class FILTERBLOCK {
public:
  using Block = std::function<QVariant(Server *server)>;

  FILTERBLOCK(Server *server, Block block) : ODB(server), BEXPR(std::move(block)) {}
  ~FILTERBLOCK() { DESTROY(); }

  // The block's answer, unchanged; an empty QVariant once the block is gone
  // (after DESTROY, or when none was given). Never throws a block's failure
  // further than the block itself does.
  QVariant EVAL() const { return BEXPR ? BEXPR(ODB) : QVariant(); }

  // Lets go of the server and the block; harmless when repeated.
  void DESTROY()
  {
    ODB = nullptr;
    BEXPR = nullptr;
  }

  // Both may be read and replaced directly.
  Server *ODB = nullptr;
  Block BEXPR;
};

} // namespace vz
