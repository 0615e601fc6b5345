#include "ym_giriswin.h"

namespace vz {

const EntryWindow::Layout &YM_GIRISWIN::layout()
{
  static const Layout l{
      "Yem Maddesi Verileri Girişi",
      "Yem Maddesi Verileri Girişi",
      {{29046, "&Pencere", "WINDOW", "Alt pencereyi düzenle",
        {{29047, "&Küçült", "WINDOWCASCADE", "Yem maddesi veri giriş penceresini küçült", {}},
         {29048, "&Diz...", "WINDOWTILE", "Yem maddesi veri giriş penceresini dizili olarak düzenle", {}},
         {},
         {29050, "Ka&pat", "CLOSE", "Yem maddesi veri giriş penceresini kapat", {}}}},
       {29051, "Ya&zım", "EDIT", "Yazım işlemleri",
        {{29052, "&Kes\tCtrl+X", "CUT", "Panoya kopyala ve sil", QKeySequence(Qt::CTRL | Qt::Key_X)},
         {29053, "Ko&pyala\tCtrl+C", "COPY", "Panoya kopyala", QKeySequence(Qt::CTRL | Qt::Key_C)},
         {29054, "&Yapıştır\tCtrl+V", "PASTE", "Panodan yapıştır", QKeySequence(Qt::CTRL | Qt::Key_V)},
         {29055, "&Temizle\tCtrl+T", "CLEAR", "Seçili girişi temizle", QKeySequence(Qt::CTRL | Qt::Key_T)},
         {},
         {29057, "Yem Maddesi &Ekle\tF5", "APPEND", "Yeni yem maddesi ekle", QKeySequence(Qt::Key_F5)},
         {29058, "Yem Maddesi S&il\tF6", "YMDELETE", "Seçili yem maddesini sil", QKeySequence(Qt::Key_F6)},
         {},
         {29060, "&Başa Git\tCtrl+Home", "GOTOP", "İlk yem maddesine git", QKeySequence(Qt::CTRL | Qt::Key_Home)},
         {29061, "&Öncekine Git ", "SKIPPREVIOUS", "Önceki yem madesine git", {}},
         {29062, "Son&rakine Git", "SKIPNEXT", "Sonraki yem maddesine git", {}},
         {29063, "&Sona Git\tCtrl+End", "GOBOTTOM", "Son yem maddesine git", QKeySequence(Qt::CTRL | Qt::Key_End)}}},
       {29064, "&Araçlar", "_ARAÇLAR", nullptr,
        {{29065, "&Hesap Makinesi", "WIN_HESMAK", "Hesap makinesini çağır", {}}}},
       {29066, "&Yardım", "HELP", "Yardım",
        {{29067, "&İndeks\tF1", "HELPINDEX", "Yardım indeksi", QKeySequence(Qt::Key_F1)},
         {29068, "İl&gili Yardım\tF2", "CONTEXTHELP", "İlgili yardım", QKeySequence(Qt::Key_F2)},
         {29069, "&Yardım Kullanımı\tF3", "HELPUSINGHELP", "Windows'un yardım nasıl alınır diyaloğunu çağır", QKeySequence(Qt::Key_F3)},
         {},
         {29071, "&Hakkında..\tF4", "VKHAKKINDA", "Vesk_Zyr 2.0 kakkında", QKeySequence(Qt::Key_F4)}}}},
      {{3, 29050, "Pencereyi kapat"}, {0, 0, nullptr}, {101, 29052, "Kes"}, {31, 29053, "Kopyala"},
       {102, 29054, "Yapıştır"}, {69, 29057, "Yeni yem maddesi ekle"}, {121, 29058, "Seçili yem maddesini sil"},
       {0, 0, nullptr}, {129, 29060, "Başa git"}, {127, 29061, "Bir önceki kayda git"},
       {128, 29062, "Bir sonraki kayda git"}, {130, 29063, "Sona git"}, {0, 0, nullptr},
       {48, 29065, "Hesap makinesi"}, {0, 0, nullptr}, {120, 29067, "Yardım indeksi"}},
      {29099, "&Yazım", "EDIT", "Yem maddesi veri giriş penceresi içerik menüsü",
       {{29100, "&Başa Git\tCtrl+Home", "GOTOP", "İlk kayda konumlan", {}},
        {29101, "&Öncekine Git", "SKIPPREVIOUS", "Önceki kayda konumlan", {}},
        {29102, "Son&rakine Git", "SKIPNEXT", "Sonraki kayda konumlan", {}},
        {29103, "&Sona Git\tCtrl+End", "GOBOTTOM", "Son kayda konumlan", {}},
        {},
        {29105, "Yem Maddesi &Ekle\tF5", "APPEND", "Yeni yem maddesi ekle", {}},
        {29106, "Yem Maddesi S&il\tF6", "YMDELETE", "Seçili yem maddesini sil", {}},
        {},
        {29108, "&Kapat...", "YMWCLOSE", "Yem maddesi veri giriş penceresini kapat", {}}}}};
  return l;
}

YM_GIRISWIN::YM_GIRISWIN(RationProblem &problem, Interaction *ui, QWidget *parent)
    : EntryWindow(EntryKind::Feeds, problem, ui, layout(), parent)
{
  setObjectName(QStringLiteral("YM_GIRISWIN"));
}

} // namespace vz
