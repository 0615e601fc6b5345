#pragma once
// A small window with the right-aligned typed edits, the date, search and
// timer edits, each with its label, as a person would meet them in a dialog;
// the readability tests open it like every other window.
#include "controls/datesle.h"
#include "controls/rightsle.h"
#include "controls/searchsle.h"
#include "controls/timersle.h"
#include "controls/windowicons.h"

#include <QDate>
#include <QDialog>
#include <QGridLayout>
#include <QLabel>

namespace vz::test {

class TypedEditsGallery : public QDialog {
public:
  RIGHTSLE *amount;
  RIGHTSLE *date;
  DATESLE *until;
  SEARCHSLE *search;
  TIMERSLE *timer;
  RIGHTSLE *note;

  explicit TypedEditsGallery(QWidget *owner = nullptr) : QDialog(owner)
  {
    setWindowTitle(QStringLiteral("Yazım Denetimi Örnekleri"));
    setWindowIcons(this, VSKTOD());
    auto *grid = new QGridLayout(this);
    int row = 0;
    const auto add = [&](const QString &label, QWidget *edit) {
      auto *l = new QLabel(label);
      l->setBuddy(edit);
      edit->setAccessibleName(QString(label).remove(QLatin1Char('&')));
      grid->addWidget(l, row, 0);
      grid->addWidget(edit, row, 1);
      ++row;
    };

    amount = new RIGHTSLE;
    amount->setFIELDSPEC(FIELDSPEC(QLatin1Char('N'), 10, 2));
    amount->setVALUE(1234.5);
    add(QStringLiteral("&Tutar (TL):"), amount);

    date = new RIGHTSLE;
    date->setFIELDSPEC(FIELDSPEC::DATEFS());
    date->setVALUE(QDate(2010, 3, 15));
    add(QStringLiteral("&Başlangıç tarihi:"), date);

    until = new DATESLE;
    add(QStringLiteral("B&itiş tarihi:"), until);

    search = new SEARCHSLE;
    search->setText(QStringLiteral("Arpa"));
    add(QStringLiteral("&Yem ara:"), search);

    timer = new TIMERSLE;
    timer->setSTYLE(1);
    timer->setVALUE(0);
    add(QStringLiteral("&Geçen süre (sn):"), timer);

    note = new RIGHTSLE;
    note->setText(QStringLiteral("Kuru dönem"));
    add(QStringLiteral("&Açıklama:"), note);

    grid->setColumnMinimumWidth(1, 200);
  }
};

} // namespace vz::test
