#include "mainmenu.h"

namespace zeran::ui {

const std::vector<MenuGroup> &mainMenu()
{
    static const std::vector<MenuGroup> groups = {
        {"PERSONEL İŞLEMLERİ",
         "grpPersonel",
         {
             {"Personel Bilgileri", "cmdPersonelBilgileri", {}},
             {"Maaş Arşiv Bilgileri", "cmdMaasArsivBilgileri", {}},
             {"Personel Detay Listesi", "cmdPersonelDetayListesi", {}},
             {"Sicil Bilgileri", "cmdSicilBilgileri", {}},
             {"İzin Bilgileri", "cmdIzinBilgileri", {}},
         }},
        {"BORDRO İŞLEMLERİ",
         "grpBordro",
         {
             {"Zeran Bordrosu", "cmdZeranBordrosu", {}},
             {"Fark Bordrosu", "cmdFarkBordrosu", {}},
             {"Listeler", "cmdListeler", {}},
             {"Enflasyon Farkı Bordrosu", "cmdEnflasyonFarkiBordrosu", {}},
             {"Dosya Oluşturma",
              "cmdDosyaOlusturma",
              {
                  {"Emekli Kesenek Dosyası", "cmdEmekliKesenekDosyasi", {}},
                  {"Banka Maaş Dosyası", "cmdBankaMaasDosyasi", {}},
              }},
             {"Encümen-Meclis Bordrosu", "cmdEncumenMeclisBordrosu", {}},
             {"Başkan Vekalet Bordrosu", "cmdBaskanVekaletBordrosu", {}},
             {"Zeran Vekalet Bordrosu", "cmdZeranVekaletBordrosu", {}},
         }},
        {"EK İŞLEMLER",
         "grpEk",
         {
             {"A.G.İndirim Bordrosu", "cmdAGIndirimBordrosu", {}},
             {"Yolluklar", "cmdYolluklar", {}},
             {"Emekli Kesenekleri",
              "cmdEmekliKesenekleri",
              {
                  {"Yıllık İcmal Bordrosu", "cmdYillikIcmalBordrosu", {}},
                  {"Aylık İcmal ve İhbar Fişi", "cmdAylikIcmalIhbarFisi", {}},
              }},
         }},
        {"TANIMLAR",
         "grpTanimlar",
         {
             {"Genel Tanımlar", "cmdGenelTanimlar", {}},
             {"Birim Tanımları", "cmdBirimTanimlari", {}},
             {"Gösterge Tanımları", "cmdGostergeTanimlari", {}},
             {"Sendika Tanımları", "cmdSendikaTanimlari", {}},
             {"Ünvan-Kesinti Gelir-Tanımları", "cmdUnvanKesintiGelirTanimlari", {}},
             {"Kanuni Oranlar", "cmdKanuniOranlar", {}},
             {"Vergi Oranları", "cmdVergiOranlari", {}},
             {"Kullanıcı Tanımları", "cmdKullaniciTanimlari", {}},
             {"İşlem İzleme", "cmdIslemIzleme", {}},
             {"Dosya Kontrol", "cmdDosyaKontrol", {}},
             {"BES Firmalar", "cmdBESFirmalar", {}},
         }},
        {"ÇIKIŞ", "grpCikis", {}, true},
    };
    return groups;
}

bool isInertCommand(const QString &objectName)
{
    // "Yolluklar" has never had a screen behind it.
    return objectName == QLatin1String("cmdYolluklar");
}

}  // namespace zeran::ui
