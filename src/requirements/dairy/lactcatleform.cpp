#include "lactcatleform.h"

namespace vz {

namespace {
const QString FiveBlanks = QStringLiteral("     ");
}

LactCatleForm::LactCatleForm()
{
  addEdit({0.95, 1.05, true, 0.0, 2}, QStringLiteral("1.00"));
  addEdit({400.0, 800.0, true, 0.0, 2});
  addEdit({0.0, 66.0, true, 0.0, 2});
  addEdit({0.0, 5.5, true, 0.0, 2});
  addEdit({0.0, 282.0, true, 0.0, 0});
  addEdit({0.0, 0.0, false, 3.0, 0});  // above 3 counts as the third lactation
  addEdit({0.70, 1.00, true, 0.0, 2});
  addEdit({0.00, 3.00, true, 0.0, 2});
  setEnabled(SLEENIHKAROR, false);
  setEnabled(SLEISTAGKAZ, false);
}

int LactCatleForm::clickFeedState(int state)
{
  switch (state) {
  case 1:
    m_state = 1;
    setText(SLEENIHKAROR, FiveBlanks);
    setEnabled(SLEENIHKAROR, false);
    setText(SLEISTAGKAZ, FiveBlanks);
    setEnabled(SLEISTAGKAZ, false);
    return FocusUnchanged;
  case 2:
    m_state = 2;
    setEnabled(SLEENIHKAROR, true);
    setText(SLEISTAGKAZ, FiveBlanks);
    setEnabled(SLEISTAGKAZ, false);
    return SLEENIHKAROR;
  case 3:
    m_state = 3;
    setText(SLEENIHKAROR, FiveBlanks);
    setEnabled(SLEENIHKAROR, false);
    setEnabled(SLEISTAGKAZ, true);
    return SLEISTAGKAZ;
  default:
    return FocusUnchanged;
  }
}

int LactCatleForm::enterEdit(int edit) const
{
  if (edit == SLEENIHKAROR) {
    if (m_state == 1)
      return FocusRadioButton1;
    if (m_state == 3)
      return SLEISTAGKAZ;
  } else if (edit == SLEISTAGKAZ) {
    if (m_state == 1)
      return FocusRadioButton1;
    if (m_state == 2)
      return SLEENIHKAROR;
  }
  return FocusUnchanged;
}

LactCatleForm::Outcome LactCatleForm::accept(int focusedEdit)
{
  Outcome out;
  const int bad = checkAllForOk(focusedEdit);
  if (bad >= 0) {
    out.focus = bad;
    return out;
  }

  LactCatleInput &in = out.values;
  in.NENECONS = value(SLEENECONS);
  in.NCANAGIR = value(SLECANAG);
  in.NSUTVERI = value(SLESUTVER);
  in.NSYAGTES = value(SLESYAGTEST);
  in.NGEBEGUN = static_cast<int>(value(SLEGEBGUN));  // whole days, fraction cut
  in.NGEBESAY = static_cast<int>(value(SLEGEBSAY));
  in.NENGKARO = value(SLEENIHKAROR);
  in.NISTAGKA = value(SLEISTAGKAZ);

  const bool keyInputs = in.NENECONS != 0.0 && in.NCANAGIR != 0.0 && in.NGEBESAY != 0;
  if (m_state == 1) {
    in.NYEMTUKE = 1;
  } else if (m_state == 2) {
    if (isBlank(SLEENIHKAROR) && keyInputs) {
      out.warning = QStringLiteral("Enerji ihtiyacının tüketimle karşılanma oranı girilmedi!");
      out.focus = SLEENIHKAROR;
      return out;
    }
    in.NYEMTUKE = 2;
  } else {
    if (isBlank(SLEISTAGKAZ) && keyInputs) {
      out.warning = QStringLiteral("Beklenen ağırlık kazancı girilmedi!");
      out.focus = SLEISTAGKAZ;
      return out;
    }
    in.NYEMTUKE = 3;
  }
  out.close = true;
  return out;
}

} // namespace vz
