#include "emptyshellmenu.h"

#include "controls/toolbaredges.h"
#include "controls/toolbarpictures.h"
#include "shell/menuids.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QStyle>
#include <QToolBar>
#include <QWidget>

namespace vz {

namespace {
const char *const kEventProperty = "vzEvent";
const char *const kIdProperty = "vzMenuId";
}

QByteArray EMPTYSHELLMENU::eventName(const QAction *action)
{
  return action ? action->property(kEventProperty).toByteArray() : QByteArray();
}

int EMPTYSHELLMENU::itemId(const QAction *action)
{
  return action ? action->property(kIdProperty).toInt() : 0;
}

QMenu *EMPTYSHELLMENU::addPopup(QMenu *parentMenu, int id, const QString &caption,
                               const QString &description)
{
  auto *menu = new QMenu(caption, m_owner);
  QAction *action = menu->menuAction();
  action->setProperty(kIdProperty, id);
  action->setStatusTip(description);
  m_items.insert(id, action);
  if (parentMenu)
    parentMenu->addMenu(menu);
  else
    m_menus.append(menu);
  return menu;
}

QAction *EMPTYSHELLMENU::addItem(QMenu *menu, int id, const QString &caption,
                                 const QString &description, const char *event, bool off)
{
  auto *action = new QAction(caption, m_owner);
  action->setProperty(kIdProperty, id);
  action->setProperty(kEventProperty, QByteArray(event));
  action->setStatusTip(description);
  action->setEnabled(!off);
  menu->addAction(action);
  m_items.insert(id, action);
  const QByteArray name(event);
  connect(action, &QAction::triggered, this, [this, name] { emit commandChosen(name); });
  return action;
}

EMPTYSHELLMENU::EMPTYSHELLMENU(QWidget *owner) : QObject(owner), m_owner(owner)
{
  using namespace menuid;

  QMenu *dosya = addPopup(nullptr, Dosya, QStringLiteral("&Dosya"), QStringLiteral("Dosya işlemleri"));
  addItem(dosya, Yeni, QStringLiteral("&Yeni...\tCtrl+Y"), QStringLiteral("Yeni bir veri dosyası aç"), "YENIDOSYAGIR");
  dosya->addSeparator();
  addItem(dosya, Ac, QStringLiteral("&Aç...\tCtrl+A"), QStringLiteral("Mevcut bir veri dosysını aç"), "FILEOPEN");
  addItem(dosya, Kapat, QStringLiteral("Ka&pat...\tCtrl+P"), QStringLiteral("Açık veri dosyasını kapat"), "FILECLOSE", true);
  dosya->addSeparator();
  addItem(dosya, Kaydet, QStringLiteral("&Kaydet...\tCtrl+K"), QStringLiteral("Değişiklikler kaydet"), "KAYDET", true);
  addItem(dosya, FarkliKaydet, QStringLiteral("&Farklı Kaydet\tCtrl+F"),
          QStringLiteral("Açık veri dosyasını istenilen dizine-sürücüye kaydet"), "FKAYDET", true);
  dosya->addSeparator();
  addItem(dosya, Cikis, QStringLiteral("&Çıkış...\tCtrl+X"), QStringLiteral("Programı sonlandır"), "FILEEXIT");

  QMenu *giris = addPopup(nullptr, VeriGiris, QStringLiteral("Veri &Giriş"), QStringLiteral("Aktif problem verileri girilir"));
  addItem(giris, YemMaddesi, QStringLiteral("&Yem Maddesi"),
          QStringLiteral("Yem maddesi adı, fiyat  ve sınırlarını gir"), "YM_GIRIS", true);
  addItem(giris, BesinMaddesi, QStringLiteral("&Besin Maddesi\tCtrl+B"),
          QStringLiteral("Besin maddesi adı, birim ve sınırlarını gir"), "BM_GIRIS", true);
  addItem(giris, MatrisYazimi, QStringLiteral("&Matris Yazımı\tCtrl+M"),
          QStringLiteral("Aktif problem matrisi yazımı penceresini çağır"), "AMAT_GIRIS", true);
  addItem(giris, BesinMaddesiOrani, QStringLiteral("Besin Maddesi &Oranı\tCtrl+O"),
          QStringLiteral("Besin maddeleri arasında oranlar belirle"), "BMO_GIRIS", true);
  giris->addSeparator();
  QMenu *referans = addPopup(giris, ReferansMatristenAl, QStringLiteral("&Referans Matristen  Al"),
                             QStringLiteral("İlgili referans matristen yararlanma"));
  addItem(referans, SecerekOlustur, QStringLiteral("Seçerek &Oluştur"),
          QStringLiteral("BM & YM seçerek, referans matristen, aktiktif matrisi oluştur"), "AMAT_OLUSTUR", true);
  referans->addSeparator();
  addItem(referans, YemMaddesiEkle, QStringLiteral("&Yem Maddesi Ekle"),
          QStringLiteral("Aktif  probleme, referans matristen, yem maddesi ekle"), "AMAT_YMEKLE", true);
  addItem(referans, BesinMaddesiEkle, QStringLiteral("&Besin Maddesi Ekle"),
          QStringLiteral("Aktif probleme, referans matristen, besin maddesi ekle"), "AMAT_BMEKLE", true);
  QMenu *tahmin = addPopup(giris, IhtiyacTahmini, QStringLiteral("BM İhtiyaçları &Tahmini"), QString());
  addItem(tahmin, SutSigiri, QStringLiteral("&Süt Sığırı "),
          QStringLiteral("NRC eşitlikleriyle süt sığırları için BM ihtiyaç tahmini yap"), "NRESTOFDC1", true);
  tahmin->addSeparator();
  addItem(tahmin, BesiSigiri, QStringLiteral("&Besi Sığırı"),
          QStringLiteral("NRC eşitlikleriyle besi sığırları için BM ihtiyaç tahmini yap"), "NRESTOFBC1", true);

  QMenu *cozum = addPopup(nullptr, Cozum, QStringLiteral("&Çözüm"), QStringLiteral("Program raporları hazırlanır"));
  addItem(cozum, Optimal, QStringLiteral("&Optimal"),
          QStringLiteral("Optimal çözüm iterasyonlarını başlat ve sonuç raporu hazırla"), "KW_OPT_COZUM", true);
  cozum->addSeparator();
  addItem(cozum, Manuel, QStringLiteral("&Manuel"), QStringLiteral("Manuel çözüm penceresini çağır"),
          "KW_MANUEL_COZUM", true);

  QMenu *sonuc = addPopup(nullptr, Sonuc, QStringLiteral("&Sonuç"), QStringLiteral("Sonuç gözlemi"));
  addItem(sonuc, EditordeGozlem, QStringLiteral("&Editörde Gözlem\tCtrl+E"),
          QStringLiteral("Sonuçları rapor editörününde gözle ve yazdır"), "REPORTPAD");
  QMenu *rapor = addPopup(sonuc, Rapor, QStringLiteral("&Rapor "), QString());
  addItem(rapor, YmFiyatlari, QStringLiteral("YM &Fiyatları"), QStringLiteral("Yem maddeleri fiyat raporu hazırla"), "HMFIATLIST");
  rapor->addSeparator();
  addItem(rapor, AktifMatris, QStringLiteral("Aktif &Matris"), QStringLiteral("Açık veri dosyası matris raporu hazırla"),
          "AMATREPORT", true);
  addItem(rapor, ReferansMatrisRaporu, QStringLiteral("&Referans Matris"),
          QStringLiteral("Referans (hazır) matris raporu hazırla"), "KMMREPORT");
  rapor->addSeparator();
  addItem(rapor, SutSigiriIhtiyaclari, QStringLiteral("&Süt Sığırı BM İhtiyaçları"),
          QStringLiteral("Süt sığırları için BM ihtiyaçları tahmin raporu hazırla"), "NRESTOFDC2");
  addItem(rapor, BesiSigiriIhtiyaclari, QStringLiteral("&Besi Sığırı BM İhtiyaçları"),
          QStringLiteral("Besi sığırları için BM ihtiyaçları tahmin raporu hazırla"), "NRESTOFBC2");

  QMenu *rm = addPopup(nullptr, ReferansMatris, QStringLiteral("Referans &Matris"), QStringLiteral("Referans matris işlemleri"));
  addItem(rm, RmMatrisYazimi, QStringLiteral("&Matris Yazımı"),
          QStringLiteral("Seçili referans matris yazım penceresini çağır"), "RM_YAZIM");
  addItem(rm, RmBesinMaddesiEkleSil, QStringLiteral("Besin Maddesi &Ekle-Sil"),
          QStringLiteral("Seçili referans matrise BM ekle-sil"), "RM_BMEKLESIL");
  rm->addSeparator();
  addItem(rm, RmYedekle, QStringLiteral("RM Dosyası (dBF) &Yedekle"),
          QStringLiteral("Seçili referans matris dosyasını yedekle"), "RM_YEDEKLE");

  QMenu *yardim = addPopup(nullptr, Yardim, QStringLiteral("&Yardım"), QString());
  addItem(yardim, Indeks, QStringLiteral("&İndeks\tF1"), QStringLiteral("Yardım indeksini çağır"), "HELPINDEX");
  addItem(yardim, Icindekiler, QStringLiteral("İ&çindekiler\tF2"), QStringLiteral("İçindekiler listesini çağır"), "HELPCONTENTS");
  addItem(yardim, YardimKullanimi, QStringLiteral("Yardım &Kullanımı\tF3"),
          QStringLiteral("Windows'un yardım nasıl alınır diyaloğunu çağır"), "HELPUSINGHELP");
  yardim->addSeparator();
  QMenu *baslarken = addPopup(yardim, Baslarken, QStringLiteral("&Başlarken"),
                              QStringLiteral("Program başlatıldığında çağrılabilecek rutinler"));
  addItem(baslarken, TuyoGoster, QStringLiteral("&Tüyo Göster"),
          QStringLiteral("Program başlarken 'Tüyo Göster' diyaloğunu çağır"), "TUYOGOSTER");
  addItem(baslarken, LogoGoster, QStringLiteral("&Logo Göster"),
          QStringLiteral("Program başlarken 'program logosu' ekranını çağır"), "LOGOGOSTER");
  baslarken->addSeparator();
  addItem(baslarken, AdVeParolaSor, QStringLiteral("Ad ve &Parola Sor"),
          QStringLiteral("Program başlarken 'ad ve parola sor'  diyaloğunu çağır"), "ADPAROLASOR");
  for (int id : {TuyoGoster, LogoGoster, AdVeParolaSor})
    m_items.value(id)->setCheckable(true);
  yardim->addSeparator();
  addItem(yardim, YeniKullaniciEkle, QStringLiteral("Yeni Kullanıcı &Ekle"),
          QStringLiteral("Yeni bir Vesk_Zyr kullanıcısı ekle"), "ADDNEWUSER");
  addItem(yardim, AdVeParolaDegistir, QStringLiteral("Ad ve &Parola Değiştir"),
          QStringLiteral("Aktif kullanıcı ad ve parolasını değiştir"), "CHANGEUANDP");
  yardim->addSeparator();
  addItem(yardim, Hakkinda, QStringLiteral("&Hakkında...\tF4"),
          QStringLiteral("Vesk_Zyr 2.0 hakkında genel bilgi diyaloğunu çağır"), "KWHAKKINDA");

  // Accelerators. Ctrl+Y belongs to "&Yeni..." alone, so the feedstuff item
  // does not show it: a key in a caption must run that item. The keys live while the menu is in the menu
  // bar (and, for the tool bar's commands, while the tool bar shows), so a
  // child's or the report editor's menu brings its own keys without clashes.
  const QList<QPair<int, QKeySequence>> keys{
      {Yeni, QKeySequence(Qt::CTRL | Qt::Key_Y)},     {Ac, QKeySequence(Qt::CTRL | Qt::Key_A)},
      {Kapat, QKeySequence(Qt::CTRL | Qt::Key_P)},    {Kaydet, QKeySequence(Qt::CTRL | Qt::Key_K)},
      {FarkliKaydet, QKeySequence(Qt::CTRL | Qt::Key_F)}, {Cikis, QKeySequence(Qt::CTRL | Qt::Key_X)},
      {BesinMaddesi, QKeySequence(Qt::CTRL | Qt::Key_B)}, {MatrisYazimi, QKeySequence(Qt::CTRL | Qt::Key_M)},
      {BesinMaddesiOrani, QKeySequence(Qt::CTRL | Qt::Key_O)}, {EditordeGozlem, QKeySequence(Qt::CTRL | Qt::Key_E)},
      {Indeks, QKeySequence(Qt::Key_F1)},             {Icindekiler, QKeySequence(Qt::Key_F2)},
      {YardimKullanimi, QKeySequence(Qt::Key_F3)},    {Hakkinda, QKeySequence(Qt::Key_F4)},
  };
  for (const auto &[id, key] : keys) {
    QAction *action = m_items.value(id);
    action->setShortcut(key);
    action->setShortcutContext(Qt::WindowShortcut);
  }

  m_toolBar = new QToolBar(QStringLiteral("Araç Çubuğu"), owner);
  m_toolBar->setObjectName(QStringLiteral("EmptyShellMenuToolBar"));
  m_toolBar->setMovable(false);
  m_toolBar->setIconSize(QSize(16, 16));
  paintToolBarEdgesOnGuiThread(m_toolBar);
  // The program's own pictures, drawn: the desktop's icons for the two
  // without one cost a tenth of the start, decoding every size of each.
  struct Button {
    int id;
    int picture;
    QString tip;
  };
  const QList<Button> buttons{
      {Yeni, 100, QStringLiteral("Yeni veri dosyası")},
      {0, 0, QString()},
      {Ac, 2, QStringLiteral("Mevcut bir veri dosyasını aç")},
      {Kapat, 3, QStringLiteral("Açık veri dosyasını kapat")},
      {Kaydet, 4, QStringLiteral("Değişiklikleri kaydet")},
      {0, 0, QString()},
      {Optimal, 90, QStringLiteral("Çözüm")},
      {EditordeGozlem, 6, QStringLiteral("Rapor editörü")},
      {0, 0, QString()},
      {Indeks, 120, QStringLiteral("Yardım indeksi")},
  };
  for (const Button &b : buttons) {
    if (b.id == 0) {
      m_toolBar->addSeparator();
      continue;
    }
    QAction *action = m_items.value(b.id);
    action->setIcon(toolbarPicture(b.picture));
    action->setToolTip(b.tip);
    m_toolBar->addAction(action);
  }
}

bool EMPTYSHELLMENU::isChecked(int id) const
{
  const QAction *action = m_items.value(id);
  return !action || action->isChecked();
}

void EMPTYSHELLMENU::enableItem(int id, bool enabled)
{
  if (QAction *action = m_items.value(id))
    action->setEnabled(enabled);
}

} // namespace vz
