#include "bmo_giriswin.h"
#include "entrytablemodel.h"
#include "oabs_browser.h"

namespace vz {

const EntryWindow::Layout &BMO_GIRISWIN::layout()
{
  static const Layout l{
      "Besin Maddesi Oran Verileri Girişi",
      "Besin Maddesi Oranları",
      {{29176, "&Pencere", "WINDOW", "Alt pencereyi düzenle",
        {{29177, "&Küçült", "WINDOWCASCADE", "BMO veri giriş penceresini küçült", {}},
         {29178, "&Diz...", "WINDOWTILE", "BMO veri giriş penceresini  dizili olarak düzenle", {}},
         {},
         {29180, "Ka&pat", "CLOSE", "BMO veri giriş penceresini kapat", {}}}},
       {29181, "Ya&zım", "EDIT", "Yazım işlemleri",
        {{29182, "&Kes\tCtrl+X", "CUT", "Sil ve panoya kopyala", QKeySequence(Qt::CTRL | Qt::Key_X)},
         {29183, "Ko&pyala\tCtrl+C", "COPY", "Panoya kopyala", QKeySequence(Qt::CTRL | Qt::Key_C)},
         {29184, "&Yapıştır\tCtrl+V", "PASTE", "Panodan yapıştır", QKeySequence(Qt::CTRL | Qt::Key_V)},
         {29185, "&Temizle\tCtrl+T", "CLEAR", "Seçili girişi temizle", QKeySequence(Qt::CTRL | Qt::Key_T)},
         {},
         {29187, "Oran &Ekle\tF5", "APPEND", "Yeni oran ekle", QKeySequence(Qt::Key_F5)},
         {29188, "Oran S&il\tF6", "BMODELETE", "Seçili oranı sil", QKeySequence(Qt::Key_F6)},
         {29189, "&Oran Seç\tF7", "ORANSEC", "Mevcut besin maddelerinden yeni bir oran seç", QKeySequence(Qt::Key_F7)},
         {},
         {29191, "&Başa Git\tCtrl+Home", "GOTOP", "İlk kayda konumlan", QKeySequence(Qt::CTRL | Qt::Key_Home)},
         {29192, "&Öncekine Git", "SKIPPREVIOUS", "Önceki kayda konumlan", {}},
         {29193, "Son&rakine Git", "SKIPNEXT", "Sonraki kayda konumlan", {}},
         {29194, "&Sona Git\tCtrl+End", "GOBOTTOM", "Son kayda konumlan", QKeySequence(Qt::CTRL | Qt::Key_End)}}},
       {29195, "&Araçlar", "_ARAÇLAR", nullptr,
        {{29196, "&Hesap Makinesi", "WIN_HESMAK", "Hesap makinesini çağır", {}}}},
       {29197, "&Yardım", "HELP", "Yardım",
        {{29198, "&İndeks\tF1", "HELPINDEX", "Yardın indeksi", QKeySequence(Qt::Key_F1)},
         {29199, "İl&gili Yardım\tF2", "CONTEXTHELP", "İlgili yardım", QKeySequence(Qt::Key_F2)},
         {29200, "&Yardım Kullanımı\tF3", "HELPUSINGHELP", "Yardım nasıl alınır", QKeySequence(Qt::Key_F3)},
         {},
         {29202, "&Hakkında...\tF4", "VKHAKKINDA", "Vesk_Zyr 2.0 Hakkında ", QKeySequence(Qt::Key_F4)}}}},
      {{3, 29180, "Pencereyi kapat"}, {0, 0, nullptr}, {101, 29182, "Kes"}, {31, 29183, "Kopyala"},
       {102, 29184, "Yapıştır"}, {69, 29187, "Oran ekle"}, {121, 29188, "Seçili oranı sil"},
       {81, 29189, "Oran seç"}, {0, 0, nullptr}, {129, 29191, "Başa git"},
       {127, 29192, "Önceki kayda konumlan"}, {128, 29193, "Sonraki kayda konumlan"},
       {130, 29194, "Son kayda konumlan"}, {0, 0, nullptr}, {48, 29196, "Hesap makinesi"},
       {0, 0, nullptr}, {120, 29198, "Yardım indeksi"}},
      {29230, "&Yazım", "EDIT", "Edit information",
       {{29231, "&Başa Git\tCtrl+Home", "GOTOP", "İlk kayda konumlan", {}},
        {29232, "&Öncekine Git", "SKIPPREVIOUS", "Önceki kayda konumlan", {}},
        {29233, "Son&rakine Git", "SKIPNEXT", "Sonraki kayda konumlan", {}},
        {29234, "&Sona Git\tCtrl+End", "GOBOTTOM", "Son kayda konumlan", {}},
        {},
        {29236, "Oran &Ekle\tF5", "APPEND", "Yeni oran ekle", {}},
        {29237, "Oran S&il\tF6", "BMODELETE", "Seçili oranı sil", {}},
        {29238, "&Oran Seç\tF7", "ORANSEC", "Mevcut besin maddelerinden yeni bir oran seç", {}},
        {},
        {29240, "&Kapat...", "BMOWCLOSE", "BMO veri giriş penceresini kapat", {}}}}};
  return l;
}

BMO_GIRISWIN::BMO_GIRISWIN(RationProblem &problem, Interaction *ui, QWidget *parent)
    : EntryWindow(EntryKind::Ratios, problem, ui, layout(), parent)
{
  setObjectName(QStringLiteral("BMO_GIRISWIN"));
}

void BMO_GIRISWIN::ORANSEC()
{
  browser()->endEdit();
  if (table().ORANSEC()) {
    const int row = table().currentRow();
    browser()->setCurrentIndex(model()->index(row - 1, 0));
  }
}

} // namespace vz
