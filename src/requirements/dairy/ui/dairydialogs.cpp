#include "dairydialogs.h"

#include "growcatledw.h"
#include "lactcatledw.h"
#include "matbuldw.h"
#include "stipisecw.h"

namespace vz {

STipiSecResult DairyDialogs::askType(int mode)
{
  STIPISECW dlg(m_owner, mode);
  dlg.exec();
  STipiSecResult r;
  r.NSTIPI = dlg.NSTIPI;
  r.NRTIPI = dlg.NRTIPI;
  return r;
}

std::optional<GrowCatleInput> DairyDialogs::askGrowing()
{
  GROWCATLEDW dlg(m_owner);
  if (dlg.exec() != 1)
    return std::nullopt;
  GrowCatleInput in;
  in.NCESTYPE = dlg.NCESTYPE;
  in.NBEKCAAR = dlg.NBEKCAAR;
  in.NENECONS = dlg.NENECONS;
  in.NCANAGIR = dlg.NCANAGIR;
  return in;
}

std::optional<LactCatleInput> DairyDialogs::askCow()
{
  LACTCATLEDW dlg(m_owner);
  if (dlg.exec() != 1)
    return std::nullopt;
  LactCatleInput in;
  in.NENECONS = dlg.NENECONS;
  in.NCANAGIR = dlg.NCANAGIR;
  in.NSUTVERI = dlg.NSUTVERI;
  in.NSYAGTES = dlg.NSYAGTES;
  in.NGEBEGUN = dlg.NGEBEGUN;
  in.NGEBESAY = dlg.NGEBESAY;
  in.NYEMTUKE = dlg.NYEMTUKE;
  in.NENGKARO = dlg.NENGKARO;
  in.NISTAGKA = dlg.NISTAGKA;
  return in;
}

std::optional<MatBulInput> DairyDialogs::askBull()
{
  MATBULDW dlg(m_owner);
  if (dlg.exec() != 1)
    return std::nullopt;
  MatBulInput in;
  in.NENECONS = dlg.NENECONS;
  in.NCANAGIR = dlg.NCANAGIR;
  return in;
}

} // namespace vz
