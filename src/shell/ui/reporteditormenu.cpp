#include "reporteditormenu.h"

#include "controls/jqtoolbar.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>

namespace vz {

namespace {
const char *const EventProperty = "vzEvent";
const char *const IdProperty = "vzItemId";
} // namespace

STANDARDPADMENU::STANDARDPADMENU(QWidget *owner) : QObject(owner), m_owner(owner)
{
  QMenu *file = addPopup(nullptr, 30234, QStringLiteral("&Dosya"), QString());
  addItem(file, 30235, QStringLiteral("&Yeni..."), QStringLiteral("Yeni bir dosya oluştur"), "RE_FILENEW");
  file->addSeparator();
  addItem(file, 30237, QStringLiteral("&Aç..."), QStringLiteral("Bir dosya aç"), "RE_FILEOPEN");
  file->addSeparator();
  addItem(file, 30239, QStringLiteral("Ka&pat"), QStringLiteral("Açık dosyayı kapat"), "CLOSE");
  addItem(file, 30240, QStringLiteral("&Hepsini Kapat"), QStringLiteral("Tüm alt pencereleri kapat"), "CLOSEALL");
  file->addSeparator();
  addItem(file, 30242, QStringLiteral("&Kaydet"), QStringLiteral("Açık dosyadaki değişiklikleri kaydet"), "RTFSAVE");
  addItem(file, 30243, QStringLiteral("&Farklı Kaydet"), QStringLiteral("Farklı kaydet diyaloğunu çağır"), "RTFSAVEAS");
  file->addSeparator();
  addItem(file, 30245, QStringLiteral("Ya&zdır..."), QStringLiteral("Mevcut metni yazdır"), "FILEPRINT");
  addItem(file, 30246, QStringLiteral("Yazı&cı Ayarı"), QStringLiteral("Yazıcı ayarları diyaloğunu çağır"), "FILEPRINTERSETUP");

  QMenu *edit = addPopup(nullptr, 30247, QStringLiteral("Ya&zım"), QStringLiteral("Yazım işlemleri"));
  addItem(edit, 30248, QStringLiteral("&Font"), QStringLiteral("Font diyaloğunu çağır"), "SETFONT");
  edit->addSeparator();
  addItem(edit, 30250, QStringLiteral("&Marjlar"), QStringLiteral("Sayfa maj ayarı diyaloğunu çağır"), "SETMARGINS");
  QMenu *align = addPopup(edit, 30251, QStringLiteral("&Düzenle"), QString());
  addItem(align, 30252, QStringLiteral("&Sol"), QString(), "YAZıM_DÜZENLE_SOL");
  addItem(align, 30253, QStringLiteral("&Orta"), QStringLiteral("Ortala"), "YAZıM_DÜZENLE_ORTA");
  addItem(align, 30254, QStringLiteral("Sa&ğ"), QStringLiteral("Sağa daya"), "YAZıM_DÜZENLE_SAĞ");
  edit->addSeparator();
  addItem(edit, 30256, QStringLiteral("&Kes\tCtrl+X"), QStringLiteral("Panoya kopyala ve sil"), "CUT");
  addItem(edit, 30257, QStringLiteral("Ko&pyala\tCtrl+C"), QStringLiteral("Panoya kopyala"), "COPY");
  addItem(edit, 30258, QStringLiteral("&Yapıştır\tCtrl+V"), QStringLiteral("Panodan yapıştır"), "PASTE");
  edit->addSeparator();
  addItem(edit, 30260, QStringLiteral("&Tümünü Seç"), QStringLiteral("Rapor editöründeki metnin tamamını seç..."), "SELECTALL");

  QMenu *window = addPopup(nullptr, 30261, QStringLiteral("&Pencere"), QStringLiteral("Alt pencereleri düzenle"));
  addItem(window, 30262, QStringLiteral("&Küçült"), QStringLiteral("Alt pencereyi küçült"), "WINDOWCASCADE");
  window->addSeparator();
  addItem(window, 30264, QStringLiteral("&Diz..."), QStringLiteral("Alt pencereleri dizili olarak düzenle"), "WINDOWTILE");

  QMenu *tools = addPopup(nullptr, 30265, QStringLiteral("&Araçlar"), QString());
  addItem(tools, 30266, QStringLiteral("&Hesap Makinesi"), QStringLiteral("Hesap makinesini çağır"), "WIN_HESMAK");

  QMenu *help = addPopup(nullptr, 30267, QStringLiteral("&Yardım"), QString());
  addItem(help, 30268, QStringLiteral("&İndeks\tF1"), QStringLiteral("Yardım indeksini çağır"), "HELPINDEX");
  addItem(help, 30269, QStringLiteral("İ&lgili Yardım\tF2"), QStringLiteral("İlgili yardımı çağır"), "RE_CONTEXTHELP");
  addItem(help, 30270, QStringLiteral("Yardım &Kullanımı\tF3"), QStringLiteral("Yardım nasıl alınır diyaloğunu çağır"), "HELPUSINGHELP");
  help->addSeparator();
  addItem(help, 30272, QStringLiteral("&Hakkında...\tF4"), QStringLiteral("Tarnik 1.0 Hakkında "), "KWHAKKINDA");

  // STANDARDPADMENU_ACCELERATOR. The clipboard keys are taken by the text
  // control itself while it has the focus, so they never act twice.
  const struct {
    int id;
    QKeySequence key;
  } keys[] = {{30256, QKeySequence(Qt::CTRL | Qt::Key_X)}, {30257, QKeySequence(Qt::CTRL | Qt::Key_C)},
              {30258, QKeySequence(Qt::CTRL | Qt::Key_V)}, {30268, QKeySequence(Qt::Key_F1)},
              {30269, QKeySequence(Qt::Key_F2)},           {30270, QKeySequence(Qt::Key_F3)},
              {30272, QKeySequence(Qt::Key_F4)}};
  for (const auto &k : keys) {
    QAction *a = m_items.value(k.id);
    // The caption already shows the key after its tab.
    a->setText(a->text().section(QLatin1Char('\t'), 0, 0));
    a->setShortcut(k.key);
  }

  m_toolBar = new JQTOOLBAR(owner);
  m_toolBar->setWindowTitle(QStringLiteral("Rapor Editörü"));
  const struct {
    int image;
    int id;
    const char *tip;
  } buttons[] = {{100, 30235, "Yeni dosya aç"}, {2, 30237, "Bir dosya aç"}, {3, 30239, "Kapat"},
                 {4, 30242, "Kaydet"},          {5, 30245, "Yazdır"},       {0, 0, nullptr},
                 {12, 30248, "Font ayarı"},     {101, 30256, "Kes"},        {31, 30257, "Kopyala"},
                 {102, 30258, "Yapıştır"},      {0, 0, nullptr},            {21, 30252, "Sola daya"},
                 {22, 30253, "Ortala"},         {23, 30254, "Sağa daya"},   {0, 0, nullptr},
                 {48, 30266, "Hesap makinesi"}, {0, 0, nullptr},            {120, 30268, "Yardım indeksi"}};
  for (const auto &b : buttons) {
    if (!b.image) {
      m_toolBar->APPENDITEM(0);
      continue;
    }
    QAction *a = m_items.value(b.id);
    m_toolBar->APPENDITEM(b.image, a);
    m_toolBar->ADDTIPTEXT(b.image, a, QString::fromUtf8(b.tip));
  }

  enableItem(SaveItem, false);
}

STANDARDPADMENU::~STANDARDPADMENU()
{
  qDeleteAll(m_menus);
  delete m_toolBar;
}

QToolBar *STANDARDPADMENU::toolBar() const
{
  return m_toolBar;
}

void STANDARDPADMENU::enableItem(int id, bool enabled)
{
  if (QAction *a = m_items.value(id))
    a->setEnabled(enabled);
}

QByteArray STANDARDPADMENU::eventName(const QAction *action)
{
  return action ? action->property(EventProperty).toByteArray() : QByteArray();
}

int STANDARDPADMENU::itemId(const QAction *action)
{
  return action ? action->property(IdProperty).toInt() : 0;
}

QAction *STANDARDPADMENU::addItem(QMenu *menu, int id, const QString &caption,
                                  const QString &description, const char *event)
{
  QAction *a = menu->addAction(caption);
  a->setStatusTip(description);
  a->setProperty(EventProperty, QByteArray(event));
  a->setProperty(IdProperty, id);
  const QByteArray name(event);
  connect(a, &QAction::triggered, this, [this, name] { emit commandChosen(name); });
  m_items.insert(id, a);
  return a;
}

QMenu *STANDARDPADMENU::addPopup(QMenu *parentMenu, int id, const QString &caption,
                                 const QString &description)
{
  QMenu *m = parentMenu ? parentMenu->addMenu(caption) : new QMenu(caption, m_owner);
  m->menuAction()->setStatusTip(description);
  m->menuAction()->setProperty(IdProperty, id);
  if (!parentMenu)
    m_menus.append(m);
  m_items.insert(id, m->menuAction());
  return m;
}

} // namespace vz
