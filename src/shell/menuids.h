#pragma once
// Command ids of the main menu. The ids are the ones the menu resource has
// always used; other windows refer to the same commands by these numbers
// (enabling an item, a tool-bar button sending an item's command).

namespace vz::menuid {

enum : int {
  Dosya = 28583,
  Yeni = 28584,
  Ac = 28586,
  Kapat = 28587,
  Kaydet = 28589,
  FarkliKaydet = 28590,
  Cikis = 28592,
  VeriGiris = 28593,
  YemMaddesi = 28594,
  BesinMaddesi = 28595,
  MatrisYazimi = 28596,
  BesinMaddesiOrani = 28597,
  ReferansMatristenAl = 28599,
  SecerekOlustur = 28600,
  YemMaddesiEkle = 28602,
  BesinMaddesiEkle = 28603,
  IhtiyacTahmini = 28604,
  SutSigiri = 28605,
  BesiSigiri = 28607,
  Cozum = 28608,
  Optimal = 28609,
  Manuel = 28611,
  Sonuc = 28612,
  EditordeGozlem = 28613,
  Rapor = 28614,
  YmFiyatlari = 28615,
  AktifMatris = 28617,
  ReferansMatrisRaporu = 28618,
  SutSigiriIhtiyaclari = 28620,
  BesiSigiriIhtiyaclari = 28621,
  ReferansMatris = 28622,
  RmMatrisYazimi = 28623,
  RmBesinMaddesiEkleSil = 28624,
  RmYedekle = 28626,
  Yardim = 28627,
  Indeks = 28628,
  Icindekiler = 28629,
  YardimKullanimi = 28630,
  Baslarken = 28632,
  TuyoGoster = 28633,
  LogoGoster = 28634,
  AdVeParolaSor = 28636,
  YeniKullaniciEkle = 28638,
  AdVeParolaDegistir = 28639,
  Hakkinda = 28643,
};

} // namespace vz::menuid
