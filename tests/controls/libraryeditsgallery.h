#pragma once
// A small window with the typed edits, the smart edits, the blinking text and
// edit and the lockable tab control, as a person would meet them in a form;
// the readability tests open it like every other window.
#include "controls/blinking.h"
#include "controls/odisle.h"
#include "controls/smartsle.h"
#include "controls/windowicons.h"
#include "controls/xtabcontrol.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace vz::test {

class LibraryEditsGallery : public QDialog {
public:
  ODI_SLE *amount;
  ODI_SLE *date;
  QList<SMARTSLE *> smart;
  BLINKINGFIXEDTEXT *notice;
  BLINKINGSLE *warning;
  XTABCONTROL *tabs;

  explicit LibraryEditsGallery(QWidget *owner = nullptr) : QDialog(owner)
  {
    setWindowTitle(QStringLiteral("Düzenleme Denetimleri"));
    setWindowIcons(this, VSKTOD());
    auto *layout = new QVBoxLayout(this);

    auto *typed = new QGroupBox(QStringLiteral("Biçimli girişler"));
    auto *typedForm = new QFormLayout(typed);
    amount = new ODI_SLE(typed, QStringLiteral("N"));
    amount->SETLEN(10, 2);
    amount->setText(QStringLiteral("1,250.50"));
    date = new ODI_SLE(typed, QStringLiteral("D"));
    date->setText(QStringLiteral("15.03.2010"));
    addRow(typedForm, QStringLiteral("&Miktar (Kg):"), amount);
    addRow(typedForm, QStringLiteral("Ta&rih:"), date);
    layout->addWidget(typed);

    auto *animal = new QGroupBox(QStringLiteral("Hayvan bilgileri"));
    auto *animalForm = new QFormLayout(animal);
    const QStringList labels{QStringLiteral("&Küpe no:"), QStringLiteral("&Irk:"), QStringLiteral("&Canlı ağırlık (Kg):")};
    const QStringList values{QStringLiteral("TR 34 0012"), QStringLiteral("Holstein"), QStringLiteral("600")};
    for (int i = 0; i < labels.size(); ++i) {
      auto *edit = new SMARTSLE(animal);
      edit->setText(values.at(i));
      addRow(animalForm, labels.at(i), edit);
      smart << edit;
    }
    layout->addWidget(animal);

    auto *alerts = new QFormLayout;
    notice = new BLINKINGFIXEDTEXT(QStringLiteral("Rasyon henüz kaydedilmedi!"), this);
    alerts->addRow(notice);
    warning = new BLINKINGSLE(this);
    warning->setText(QStringLiteral("Ham protein alt sınırın altında"));
    warning->setReadOnly(true);
    addRow(alerts, QStringLiteral("&Uyarı:"), warning);
    layout->addLayout(alerts);

    auto *tabsLabel = new QLabel(QStringLiteral("&Bölümler:"), this);
    tabs = new XTABCONTROL(this);
    tabs->setUsesScrollButtons(false);  // every tab in full
    const QStringList pages{QStringLiteral("Yem Maddeleri"), QStringLiteral("Besin Maddeleri"),
                            QStringLiteral("Oranlar (kilitli)")};
    const QStringList texts{QStringLiteral("Arpa, mısır silajı, yonca kuru otu"),
                            QStringLiteral("Kuru madde, ham protein, net enerji"),
                            QStringLiteral("Kalsiyum / fosfor oranı")};
    for (int i = 0; i < pages.size(); ++i) {
      auto *page = new QWidget;
      auto *pageLayout = new QVBoxLayout(page);
      pageLayout->addWidget(new QLabel(texts.at(i)));
      tabs->APPENDTAB(QStringLiteral("SAYFA%1").arg(i + 1), pages.at(i), page);
    }
    tabs->PREVENTSELECTION(2);
    tabsLabel->setBuddy(tabs);
    tabs->setAccessibleName(QStringLiteral("Bölümler:"));
    layout->addWidget(tabsLabel);
    layout->addWidget(tabs);

    auto *buttons = new QDialogButtonBox;
    buttons->addButton(new QPushButton(QStringLiteral("&Tamam")), QDialogButtonBox::AcceptRole);
    buttons->addButton(new QPushButton(QStringLiteral("&İptal")), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
  }

private:
  static void addRow(QFormLayout *form, const QString &text, QWidget *field)
  {
    auto *label = new QLabel(text);
    label->setBuddy(field);
    field->setAccessibleName(QString(text).remove(QLatin1Char('&')));
    form->addRow(label, field);
  }
};

} // namespace vz::test
