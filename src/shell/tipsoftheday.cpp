#include "tipsoftheday.h"

namespace vz {

const QStringList &TipsOfTheDay::texts()
{
  static const QStringList tips = {
      QStringLiteral("Bilgisayarda En Düşük Maliyetli Rasyon Hazırlamada kullanılan metot, bir Dogrusal Programlama (DP) metodu olan Simpleks'tir."),
      QStringLiteral("DP ile rasyon hazırlamada; çözüm sonuçunda elde edilen bilgilerden birisi de, Giriş İçin Marjinal Fiyat değişikliğidir. Bu bilgi, rasyona girmeyen bir yem maddesinin girebilmesi için fiyatının ne kadar düşmesi gerektiğini gösterir. "),
      QStringLiteral("Giriş İçin Marjinal Fiyat Değişikliği düşülerek elde edilen yeni fiyata Fırsat Maliyeti denir."),
      QStringLiteral("DP ile çözüm sonucunda rasyona girmeyen bir yem maddesi, Giriş İçin Marjinal Fiyat Değişikliği düşülerek rasyona sokulduğunda, hammaddenin yeni fiyatına Azami Fiyat da denir."),
      QStringLiteral("DP ile rasyon formülasyonuda elde edilen bilgilerden birisi de Gölge Fiyat'tır. Gölge Fiyat besin maddelerinin maliyet etkisi hakkında bilgi verir."),
      QStringLiteral("Gölge Fiyat; besin maddesi ihtiyaç seviyesindeki bir birimlik değişikliğin rasyon maliyetinde meydana getireceği değişiklik olarak tarif edilir."),
      QStringLiteral("DP ile rasyon hazırlanırken; bir yem maddesi piyasada çeşitli fiyatlarda bulunduğunda, kaç paradan satın alınabileceği sorusuna cevap bulunabilir."),
      QStringLiteral("DP ile rasyon hazırlanırken, yem maddeleri kompozisyonu, yemdeki besin maddesi oranları, rasyon enerji seviyesine bağlı olacak şekilde düzenlenebilir. Buna Optimum Yoğunluklu Yem Formülasyonu denir."),
      QStringLiteral("DP ile rasyon hazırlamada, yem maddeleri kompozisyonu, bazı besin maddeleri bir besin maddesine bağlı olacak şekilde oluşturulabilir. Buna besin maddesi faktörleri kullanma denir."),
      QStringLiteral("DP ile rasyon hazırlamada, besin maddesi faktörleri kullanmaya, yeni bir yem maddesinin bir makro besin maddesi bakımından muhtevasının matris muhtevasından farklı olması durumunda başvurulur. Örneğin; Kuru Madde, Ham Protein! "),
      QStringLiteral("DP ile rasyon  hazırlanırken, birden fazla rasyon birarada hazırlanabilir. Buna çoklu rasyon hazırlama denir. Bu yola bazı yem maddelerinin kıtlığında başvurulur."),
      QStringLiteral("DP ile rasyon hazırlamada; hayvanların günlük besin maddesi ihtiyaçlarını garanti etmek için emniyet marjları ilave edilebilir."),
      QStringLiteral("Rasyon amaçlı DP probleminde; Amaç fonksiyonu bir minimizasyon eşitliğidir. Maliyeti minimize eden kombinasyon aranmaktadır."),
      QStringLiteral("DP'nın en önemli sonuçlarından birisi de Hassasiyet analizidir. Buna parametrik Doğrusal Programlama da denir."),
      QStringLiteral("Parametrik fiyat değişimi çalışmasında; bir yem maddesinin rasyonda en az nekadar bulunacağı veya kullanım seviyesinin ne olacağı, geniş bir fiyat değişikliğine bağlı olarak belirlenebilir."),
      QStringLiteral("Parametrik Fiyat Değişikliği; grafik bir çalışma olup, yem maddelerinin yıllık veya geniş bir zaman dilimi için ihtiyaçlarının belirlenmesinde kullanılır."),
      QStringLiteral("Parametrik besin maddesi değişimi; Gölge Fiyata bakarak besin maddesi alt sınırı ve rasyon maliyeti arasındaki ilişkinin grafiksel gösterimidir. Gölge fiyat sıfır ve negatif olduğunda rasyon maliyeti en düşüktür."),
      QStringLiteral("Çoklu rasyon işleminde işin en zor yanı matris hazırlamaktır. Burada aynı yem maddeleri ve besin maddesi muhtevaları ile diyagonal bir matris hazırlanmaktadır. Kıt yem maddesi için iki yem ve bir de suni değişken girilmektedir."),
      QStringLiteral("DP ile rasyon hazırlamada çözümsüzlüğün temel sebeplerinden birisi de bir veya daha fazla besin maddesinin mevcut yem maddelerince karşılanamamasıdır."),
      QStringLiteral("Vesk_Zyr 2.0; DP metotları kullanan bir En Düşük Maliyetli Rasyon hazırlama programıdır."),
      QStringLiteral("Vesk_Zyr'de bir problem (rasyon hazırlama) için yem maddesi bilgileri girilirken tüm yem maddeleri için fiyatlar mutlaka girilmelidir."),
      QStringLiteral("Vesk_Zyr'de yem maddeleri bilgileri girilirken, yem maddelerine mutlaka sınır verilmesi gerekmez."),
      QStringLiteral("Vesk_Zyr'de yem maddeleri bilgileri girilirken, ilk etapta zorunlu sabit girişler (tuz , min, vit) dışında diğer yem maddelerinin serbest bırakılması önerilir."),
      QStringLiteral("Vesk_Zyr'de yem maddeleri girişinde Üst sınır verme, genellikle bir yürütme (çözüm) sonunda yapılması önerilirse de, önceden de bir üst sınır verilebilir."),
      QStringLiteral("Vesk_Zyr'de rasyon hazırlamada; besin maddesi bilgileri girilirken İlk değişken KMT olup, sınırlığı sözkonusu hayvanın günlük KM ihtiyacıolup, bu değer sabit sütununa yazılır."),
      QStringLiteral("Vesk_Zyr'de besin maddeleri girişinde; KMT değişkeninin sabit olarak verilmesi. Rasyondaki kuru maddenin makro besin maddesi olup diğer besin maddelerini içinde sağlamasındandır."),
      QStringLiteral("Vesk_Zyr'de hazırlanacak rasyonun özellikleri besin maddesi girişinde verilmektedir. Burada ihtiyaçlar alt sınırda verilmelidir."),
      QStringLiteral("Vesk_Zyr'te besin maddesi ihtiyaçları ilgili girişte verilirken sabit olarak verilirlerse çözüm alt sınıra nazaran daha da zorlaşacaktır."),
      QStringLiteral("Vesk_Zyr'de sınırlık verilmeyen fakat listede yer alan besin maddeleri hesaplamalara katılmaz, ancak mevcut çözümdeki durumu rapor edilir."),
      QStringLiteral("Vesk_Zyr'de matris girişi doğrudam program aracılığıyla yapılabilir. İstendiğinde değiştirilebilir ve özel muhtevalar yazılabilir."),
      QStringLiteral("Vesk_Zyr'de bir hazır matris, referans olarak kullanılmaktadır. Bu, özellikle eldeki bir yem maddesine ait besin maddesi muhtevaları bulunmadığında, bir makro besin maddesine bağlı olarak yeni muhtevaların elde edilmesini sağlamaktadır."),
      QStringLiteral("Vesk_Zyr'de Besin maddesi bağlama işlemi aktif matris girişinde yapılabilmektedir."),
      QStringLiteral("Vesk_Zyr'de doğrudan oran girişi yapılabilmektedir. Besin maddesi girişinde listelenen BM isimleri arasında bir oran verilebilir. Ayrıca yazılan BM isimleri dikkate alınmaz. Pay ve payda BM ismi girişi benzer şekilde yazılmalıdırlar."),
      QStringLiteral("Vesk_Zyr'de oran verilirken sabit olarak girilmelidir. Ancak bunun çözümü zorlaştırdığı doğrudur."),
      QStringLiteral("Oran girişi olmayan programlarda, besin maddeleri arasında oran verme biraz zordur, ancak paralel alt ve üst sınır verilerek bu başarılabilir."),
      QStringLiteral("Bir Vesk_Zyr çıktısında; Optimum çözüm bulundu ifadesi rasyonun söz konusu hayvanlar için de uygun olduğu manasına gelmez."),
      QStringLiteral("Vesk_Zyr'de Aktif problem matrisinde tüm yem maddelerinin KMTmuhtevası 1'dir. Bu yem maddeleri toplamının KMT'ye eşit olmalarını sağlar."),
      QStringLiteral("Bir Vesk_Zyr çıktısında; mevcut çözüm bölümünde yer alan Giriş İçin Marjinal Fiyat Değişikliği bilgileri hammade alımında kullanılabilir."),
      QStringLiteral("Bir Vesk_Zyr çıktısında; Maliyet Durumu bölümünde rapor edilen Birim Maliyet optimize edilmiş en düşük hammadde maliyetidir."),
      QStringLiteral("Bir Vesk_Zyr çıktısında; Giriş İçin Marjinal Fiyat Değişikliği çözüm optimum olduğunda anlamlıdır. Aksi durumda bu değerler alışılmamış büyüklükte gözükebilir."),
      QStringLiteral("Bir Vesk_Zyr çıktısında; Giriş için marjinal fiyat değişikliği yem maddesi fiyatından da büyük ise, bu yem maddesine mevcut yem maddeleri listesi ve sınırlık şartlarında hiç ihtiyaç olmayacak demektir."),
      QStringLiteral("Vesk_Zyr'de, girişlerde sınırlık verilen yem ve besin maddeleri için çözüm sonucunda Gölge Fiyatlar rapor edilmektedir. Bu fiyatlar; verilen ve bulunan değer aynı ve çözüm optimum olduğunda anlamlıdır. Yani maliyet düşürmede kullanılabilir."),
      QStringLiteral("Vesk_Zyr'de Gölge Fiyat'dan yararlanarak rasyon maliyetini düşürmek için; Gölge Fiyatı yüksek bir besin maddesinin, Çözüm Optimum, istenen ve hesaplanan değerler aynı olduğu şartlarda, verilen sınırlığı biraz düşürüldüğünde maliyetin önemli ölçüde düşmesi beklenir."),
      QStringLiteral("Rasyona girmeyen bir yem maddesi, 'Giriş İçin Marjinal Fiyat Değişikliği' düşülerek Rasyona sokulmak istendiğinde, birazcık daha fazla düşülmelidir. Çünkü, elde edilen bu değer marjinaldir."),
  };
  return tips;
}

QString TipsOfTheDay::moreInfoText()
{
  return QStringLiteral("Daha  fazla  bilgi  için,  programın  yardım  sistemini  inceleyiniz:\n"
                        "yardım  indeksi  F1,  içindekiler  F2  ile  açılır.\n"
                        "Doğrusal  programlama  ile  rasyon  hazırlamanın  ayrıntıları  için\n"
                        "hayvan  besleme  ve  doğrusal  programlama  üzerine  yazılmış\n"
                        "ders  kitaplarına  başvurunuz.");
}

} // namespace vz
