#pragma once
// A small window with the month calendar as a person meets it, and a date
// edit whose button opens the calendar dialog below it; the readability
// tests open it like every other window.
#include "controls/dlgpecalendar.h"
#include "controls/pecalendar.h"
#include "controls/windowicons.h"
#include "platform/rtext.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace vz::test {

class CalendarGallery : public QDialog {
public:
  PECALENDAR *calendar;
  QLineEdit *date;
  QPushButton *open;

  explicit CalendarGallery(QWidget *owner = nullptr) : QDialog(owner)
  {
    setWindowTitle(QStringLiteral("Takvim Örnekleri"));
    setWindowIcons(this, VSKTOD());
    auto *layout = new QVBoxLayout(this);

    auto *calendarLabel = new QLabel(QStringLiteral("&Takvim:"));
    calendar = new PECALENDAR(nullptr, QSize(250, 140));
    calendar->FIRSTDAYOFTHEWEEK(2);
    calendar->setCURRENTDATE(QDate(2026, 8, 31));
    calendarLabel->setBuddy(calendar);
    calendar->setAccessibleName(QStringLiteral("Takvim:"));
    layout->addWidget(calendarLabel);
    layout->addWidget(calendar);

    auto *row = new QHBoxLayout;
    auto *dateLabel = new QLabel(QStringLiteral("Teslim &tarihi:"));
    date = new QLineEdit(rt::DToC(QDate(2026, 2, 28)));
    dateLabel->setBuddy(date);
    date->setAccessibleName(QStringLiteral("Teslim tarihi:"));
    open = new QPushButton(QStringLiteral("Takvim&i aç..."));
    row->addWidget(dateLabel);
    row->addWidget(date);
    row->addWidget(open);
    layout->addLayout(row);

    QObject::connect(open, &QPushButton::clicked, this, [this] {
      DLGPECALENDAR dialog(this, date, false, 2);
      dialog.exec();
      if (dialog.DSELECTED().isValid())
        date->setText(rt::DToC(dialog.DSELECTED()));
      date->setFocus();
    });
  }
};

} // namespace vz::test
