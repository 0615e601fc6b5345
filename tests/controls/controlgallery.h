#pragma once
// A small window with the icon push buttons, the hyperlink texts and the
// bitmap list box, as a person would meet them in a dialog; the readability
// tests open it like every other window.
#include "controls/bitmaplistbox.h"
#include "controls/fixedtexthyperlink.h"
#include "controls/iconpushbutton.h"
#include "controls/windowicons.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace vz::test {

// The gallery: the four ready-made buttons, a button of our own, two links
// and a list of feedstuffs, nutrients and an animal with their pictures.
class ControlGallery : public QDialog {
public:
  BITMAPLISTBOX *list;
  FIXEDTEXTHYPERLINK *web;
  FIXEDTEXTHYPERLINK *mail;
  QList<ICONPUSHBUTTON *> buttons;

  explicit ControlGallery(QWidget *owner = nullptr) : QDialog(owner)
  {
    setWindowTitle(QStringLiteral("Denetim Örnekleri"));
    setWindowIcons(this, VSKTOD());
    auto *layout = new QVBoxLayout(this);

    auto *listLabel = new QLabel(QStringLiteral("&Rasyon öğeleri:"));
    list = new BITMAPLISTBOX;
    list->NBITMAPHEIGHT = 34;
    list->NBITMAPWIDTH = 36;
    list->MULTILINE = true;
    listLabel->setBuddy(list);
    list->setAccessibleName(QStringLiteral("Rasyon öğeleri:"));
    const QPixmap feed = QPixmap(QStringLiteral(":/icons/BMLBYEM.png"));
    const QPixmap nutrient = QPixmap(QStringLiteral(":/icons/BMLBBESIN.png"));
    list->ADDNODE(QStringLiteral("Arpa;Yem maddesi, 0.350 TL/Kg"), QStringLiteral("ARPA"),
                  feed, BitmapListNode::Bitmap);
    list->ADDNODE(QStringLiteral("Mısır silajı;Yem maddesi, 0.120 TL/Kg"), QStringLiteral("MISIR"),
                  feed, BitmapListNode::Bitmap);
    list->ADDNODE(QStringLiteral("Ham protein;Besin maddesi, Kg"), QStringLiteral("HP"),
                  nutrient, BitmapListNode::Bitmap);
    list->ADDNODE(QStringLiteral("Süt ineği;600 kg, günde 25 kg süt"), QStringLiteral("INEK"),
                  QIcon(QStringLiteral(":/icons/BMLBHAYVAN.png")), BitmapListNode::Icon);
    list->setMinimumSize(320, 4 * 34 + 8);
    layout->addWidget(listLabel);
    layout->addWidget(list);

    auto *links = new QHBoxLayout;
    links->addWidget(new QLabel(QStringLiteral("Bağlantılar:")));
    web = new FIXEDTEXTHYPERLINK(QStringLiteral("www.example.com"));
    mail = new FIXEDTEXTHYPERLINK(QStringLiteral("Destek ekibine yazın"));
    mail->LINK = QStringLiteral("mailto:destek@example.com");
    links->addWidget(web);
    links->addWidget(mail);
    links->addStretch();
    layout->addLayout(links);

    auto *row = new QHBoxLayout;
    buttons << new OKPUSHBUTTON(QStringLiteral("&Tamam")) << new CANCELPUSHBUTTON(QStringLiteral("&İptal"))
            << new NOPUSHBUTTON(QStringLiteral("&Hayır")) << new HELPPUSHBUTTON(QStringLiteral("&Yardım"));
    auto *own = new ICONPUSHBUTTON(QStringLiteral("&Kaydet"));
    own->ICONUP(VSKMAIN());
    buttons << own;
    buttons[2]->DISABLE();
    for (ICONPUSHBUTTON *b : buttons)
      row->addWidget(b);
    layout->addLayout(row);
  }
};

} // namespace vz::test
