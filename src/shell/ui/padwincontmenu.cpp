#include "padwincontmenu.h"

#include "padwin.h"

namespace vz {

namespace {

QAction *item(QMenu *menu, const QString &caption, const QString &description)
{
  QAction *a = menu->addAction(caption);
  a->setStatusTip(description);
  return a;
}

} // namespace

ED_CONT_MENU::ED_CONT_MENU(PADWIN *window, QWidget *parent) : QMenu(QStringLiteral("&Yazım"), parent)
{
  setStatusTip(QStringLiteral("Yazım "));
  // The clipboard keys are the text control's own; the menu only names them.
  connect(item(this, QStringLiteral("&Font..."), QStringLiteral("Font diyaloğunu çağır")),
          &QAction::triggered, window, &PADWIN::SETFONT);
  addSeparator();
  connect(item(this, QStringLiteral("&Marjlar"), QStringLiteral("Sayfa maj ayarı diyaloğunu çağır")),
          &QAction::triggered, window, &PADWIN::SETMARGINS);
  QMenu *align = addMenu(QStringLiteral("&Düzenle"));
  connect(item(align, QStringLiteral("&Sol"), QStringLiteral("Sola daya")), &QAction::triggered,
          window, &PADWIN::YAZIM_DUZENLE_SOL);
  connect(item(align, QStringLiteral("&Orta"), QStringLiteral("Ortala")), &QAction::triggered,
          window, &PADWIN::YAZIM_DUZENLE_ORTA);
  connect(item(align, QStringLiteral("Sa&ğ"), QStringLiteral("Sağa daya")), &QAction::triggered,
          window, &PADWIN::YAZIM_DUZENLE_SAG);
  addSeparator();
  connect(item(this, QStringLiteral("&Kes\tCtrl+X"), QStringLiteral("Panoya kopyala ve sil")),
          &QAction::triggered, window, &PADWIN::CUT);
  connect(item(this, QStringLiteral("Ko&pyala\tCtrl+C"), QStringLiteral("Panoya kopyala")),
          &QAction::triggered, window, &PADWIN::COPY);
  connect(item(this, QStringLiteral("&Yapıştır\tCtrl+V"), QStringLiteral("Panodan yapıştır")),
          &QAction::triggered, window, &PADWIN::PASTE);
  addSeparator();
  connect(item(this, QStringLiteral("&Tümünü Seç"),
               QStringLiteral("Rapor editöründeki metnin tamamını seç...")),
          &QAction::triggered, window, &PADWIN::SELECTALL);
  addSeparator();
  connect(item(this, QStringLiteral("K&apat..."), QStringLiteral("Açık dosyayı kapat")),
          &QAction::triggered, window, &PADWIN::CLOSE);
}

} // namespace vz
