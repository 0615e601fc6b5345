#include "bm_giriswin.h"

namespace vz {

const EntryWindow::Layout &BM_GIRISWIN::layout()
{
  static const Layout l{
      "Besin Maddesi Verileri Girişi",
      "Besin Maddesi Verileri Girişi",
      {{28831, "&Pencere", "WINDOW", "Mevcut pencereyi düzenle",
        {{28832, "&Küçült", "WINDOWCASCADE", "BM giriş penceresini küçült", {}},
         {28833, "&Diz...", "WINDOWTILE", "BM giriş penceresini dizili olarak düzenle", {}},
         {},
         {28835, "Ka&pat", "CLOSE", "BM giriş penceresini kapat", {}}}},
       {28836, "Ya&zım", "EDIT", "Yazım işlemi",
        {{28837, "&Kes\tCtrl+X", "CUT", "Sil ve panoya kopyala", QKeySequence(Qt::CTRL | Qt::Key_X)},
         {28838, "Ko&pyala\tCtrl+C", "COPY", "Panoya kopyala", QKeySequence(Qt::CTRL | Qt::Key_C)},
         {28839, "&Yapıştır\tCtrl+V", "PASTE", "Panodan yapıştır", QKeySequence(Qt::CTRL | Qt::Key_V)},
         {28840, "&Temizle\tCtrl+T", "CLEAR", "Seçili girişi temizle", QKeySequence(Qt::CTRL | Qt::Key_T)},
         {},
         {28842, "Besin Maddesi &Ekle\tF5", "APPEND", "Yeni bir besin maddesi satırı ekle", QKeySequence(Qt::Key_F5)},
         {28843, "Besin Maddesi S&il\tF6", "BMDELETE", "Seçili besin maddesi satırını sil", QKeySequence(Qt::Key_F6)},
         {},
         {28845, "&Başa Git\tCtrl+Home", "GOTOP", "İlk kayda  konumlan", QKeySequence(Qt::CTRL | Qt::Key_Home)},
         {28846, "&Öncekine Git", "SKIPPREVIOUS", "Bir önceki kayda konumlan", {}},
         {28847, "Son&rakine Git", "SKIPNEXT", "Bir sonraki kayda konumlan", {}},
         {28848, "&Sona Git\tCtrl+End", "GOBOTTOM", "Son kayda konumlan", QKeySequence(Qt::CTRL | Qt::Key_End)}}},
       {28849, "&Araçlar", "_ARAÇLAR", nullptr,
        {{28850, "&Hesap Makinesi", "WIN_HESMAK", "Hesap makinesini çağır", {}}}},
       {28851, "&Yardım", "HELP", "Yardım",
        {{28852, "&İndeks\tF1", "HELPINDEX", "Yardım indeksi", QKeySequence(Qt::Key_F1)},
         {28853, "İl&gili Yardım\tF2", "CONTEXTHELP", "İlgili yardımı çağır", QKeySequence(Qt::Key_F2)},
         {28854, "&Yardım Kullanımı\tF3", "HELPUSINGHELP", "Windows'un yardım nasıl alınır diyaloğunu çağır", QKeySequence(Qt::Key_F3)},
         {},
         {28856, "&Hakkında...\tF4", "VKHAKKINDA", "Vesk_Zyr 2.0 hakkında", QKeySequence(Qt::Key_F4)}}}},
      {{3, 28835, "Pencereyi kapat"}, {0, 0, nullptr}, {101, 28837, "Kes"}, {31, 28838, "Kopyala"},
       {102, 28839, "Yapıştır"}, {69, 28842, "Yeni besin maddesi gir"}, {121, 28843, "Seçili besin maddesini sil"},
       {0, 0, nullptr}, {129, 28845, "Başa git"}, {127, 28846, "Bir önceki kayda git"},
       {128, 28847, "Bir sonraki kayda git"}, {130, 28848, "Son kayda git"}, {0, 0, nullptr},
       {48, 28850, "Hesap makinesi"}, {0, 0, nullptr}, {120, 28852, "Yardım indeksi"}},
      {28889, "&Yazım", "EDIT", "Besin maddesi verileri yazımı",
       {{28890, "&Başa Git\tCtrl+Home", "GOTOP", "İlk kayda  konumlan", {}},
        {28891, "&Öncekine Git", "SKIPPREVIOUS", "Bir önceki kayda konumlan", {}},
        {28892, "Son&rakine Git", "SKIPNEXT", "Bir sonraki kayda konumlan", {}},
        {28893, "&Sona Git\tCtrl+End", "GOBOTTOM", "Son kayda konumlan", {}},
        {},
        {28895, "Besin Maddesi &Ekle\tF5", "APPEND", "Yeni bir besin maddesi satırı ekle", {}},
        {28896, "Besin Maddesi S&il\tF6", "BMDELETE", "Seçili besin maddesi satırını sil", {}},
        {},
        {28898, "&Kapat...", "BMWCLOSE", "BM giriş penceresini kapat", {}}}}};
  return l;
}

BM_GIRISWIN::BM_GIRISWIN(RationProblem &problem, Interaction *ui, QWidget *parent)
    : EntryWindow(EntryKind::Nutrients, problem, ui, layout(), parent)
{
  setObjectName(QStringLiteral("BM_GIRISWIN"));
}

} // namespace vz
