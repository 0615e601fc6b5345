#include "amat_giriswin.h"
#include "oabs_browser.h"

namespace vz {

const EntryWindow::Layout &AMAT_GIRISWIN::layout()
{
  static const Layout l{
      "Yem Maddesi & Besin Maddesi Matrisi Yazımı",
      "Aktif Matris Yazımı",
      {{29310, "&Pencere", "WINDOW", "Pencereyi düzenle",
        {{29311, "&Küçült", "WINDOWCASCADE", "Pencereyi küçük olarak düzenle", {}},
         {29312, "&Diz...", "WINDOWTILE", "Pencereyi dizili olarak düzenle", {}},
         {},
         {29314, "Ka&pat...", "CLOSE", "Matris yazım penceresini kapat", {}}}},
       {29315, "Ya&zım", "EDIT", "Yazım işlemleri",
        {{29316, "&Kes\tCtrl+X", "CUT", "Panoya kopyala ve sil", QKeySequence(Qt::CTRL | Qt::Key_X)},
         {29317, "K&opyala\tCtrl+C", "COPY", "Panoya kopyala", QKeySequence(Qt::CTRL | Qt::Key_C)},
         {29318, "Yapı&ştır\tCtrl+V", "PASTE", "Panodan yapıştır", QKeySequence(Qt::CTRL | Qt::Key_V)},
         {29319, "&Temizle\tCtrl+T", "CLEAR", "Aktif girişi temizle", QKeySequence(Qt::CTRL | Qt::Key_T)},
         {},
         {29321, "&Başa Git\tCtrl+Home", "GOTOP", "Başa git", QKeySequence(Qt::CTRL | Qt::Key_Home)},
         {29322, "&Önceki", "SKIPPREVIOUS", "Önceki kayda git", {}},
         {29323, "Son&raki", "SKIPNEXT", "Soraki kayda git", {}},
         {29324, "&Sona Git\tCtrl+End", "GOBOTTOM", "Son kayda git", QKeySequence(Qt::CTRL | Qt::Key_End)}}},
       {29325, "&Araçlar", "_ARAÇLAR", nullptr,
        {{29326, "&Hesap Makinesi", "WIN_HESMAK", "Hesap makinesini çağır", {}},
         {},
         {29328, "Kolon &Dondur", "PBSPLIT", "Kolon dondur", {}},
         {},
         {29330, "&Besin Maddesi Bağla", "BMBAGLA", "Besin maddesi bağla", {}}}},
       {29331, "&Yardım", "HELP", "Yardım",
        {{29332, "&İndeks\tF1", "HELPINDEX", "Yardım indeksi", QKeySequence(Qt::Key_F1)},
         {29333, "İl&gili Yardım\tF2", "CONTEXTHELP", "İlgili yardım", QKeySequence(Qt::Key_F2)},
         {29334, "Yardı&m Kullanımı\tF3", "HELPUSINGHELP", "Yardım nasıl alınır diyaloğunu çağır", QKeySequence(Qt::Key_F3)},
         {},
         {29336, "&Hakkında...\tF4", "VKHAKKINDA", "Vesk_Zyr 2.0 Hakkında ", QKeySequence(Qt::Key_F4)}}}},
      {{3, 29314, "Pencereyi kapat"}, {0, 0, nullptr}, {101, 29316, "Kes"}, {31, 29317, "Kopyala"},
       {102, 29318, "Yapıştır"}, {0, 0, nullptr}, {129, 29321, "Başa git"},
       {127, 29322, "Bir önceki kayda git"}, {128, 29323, "Bir sonraki kayda git"},
       {130, 29324, "Son kayda git"}, {0, 0, nullptr}, {48, 29326, "Hesap makinesi"},
       {107, 29328, "Kolon dondur"}, {41, 29330, "Besin maddesi bağla"}, {0, 0, nullptr},
       {120, 29332, "Yardım indeksi"}},
      {29884, "&Yazım", "EDIT", "Aktif matris yazım işlemleri",
       {{29885, "&Başa Git\tCtrl+Home", "GOTOP", "Başa git", {}},
        {29886, "&Önceki", "SKIPPREVIOUS", "Önceki kayda git", {}},
        {29887, "Son&raki", "SKIPNEXT", "Soraki kayda git", {}},
        {29888, "&Sona Git\tCtrl+End", "GOBOTTOM", "Son kayda git", {}},
        {},
        {29890, "Kolon &Dondur", "PBSPLIT", "Kolon dondur", {}},
        {29891, "Besin Maddesi Bağ&la", "BMBAGLA", "Besin maddesi bağla", {}},
        {},
        {29893, "&Kapat...", "WCLOSE", "Matris yazım penceresini kapat", {}}}}};
  return l;
}

AMAT_GIRISWIN::AMAT_GIRISWIN(RationProblem &problem, Interaction *ui, QWidget *parent)
    : EntryWindow(EntryKind::Matrix, problem, ui, layout(), parent)
{
  setObjectName(QStringLiteral("AMAT_GIRISWIN"));
}

void AMAT_GIRISWIN::BMBAGLA()
{
  browser()->endEdit();
  const int col = currentColumn();
  if (col >= 2)
    table().BMBAGLA(col);
}

void AMAT_GIRISWIN::PBSPLIT() { browser()->toggleFrozenColumn(); }

} // namespace vz
