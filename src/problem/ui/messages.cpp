#include "messages.h"
#include "controls/windowicons.h"
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

namespace vz {

namespace {

QString orDefault(const QString &caption, const char *fallback)
{
  return caption.isNull() ? QString::fromUtf8(fallback) : caption;
}

} // namespace

int TEXTBOX(QWidget *owner, const QString &caption, const QString &text, int type)
{
  QMessageBox box(owner);
  box.setWindowTitle(caption);
  // Some messages break their lines with carriage returns alone; the box
  // shows every break as a new line.
  QString shown = text;
  shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  box.setText(shown);
  box.setTextFormat(Qt::PlainText);
  box.setWindowIcon(VSKTOD());
  switch (type & 0xF0) {
  case MbIconStop: box.setIcon(QMessageBox::Critical); break;
  case MbIconQuestion: box.setIcon(QMessageBox::Question); break;
  case MbIconExclamation: box.setIcon(QMessageBox::Warning); break;
  case MbIconInformation: box.setIcon(QMessageBox::Information); break;
  default: box.setIcon(QMessageBox::NoIcon); break;
  }
  QPushButton *yes = nullptr;
  QPushButton *no = nullptr;
  QPushButton *cancel = nullptr;
  QPushButton *ok = nullptr;
  switch (type & 0x0F) {
  case MbYesNoCancel:
    yes = box.addButton(QStringLiteral("&Evet"), QMessageBox::YesRole);
    no = box.addButton(QStringLiteral("&Hayır"), QMessageBox::NoRole);
    cancel = box.addButton(QStringLiteral("&İptal"), QMessageBox::RejectRole);
    box.setDefaultButton(yes);
    box.setEscapeButton(cancel);
    break;
  case MbYesNo:
    yes = box.addButton(QStringLiteral("&Evet"), QMessageBox::YesRole);
    no = box.addButton(QStringLiteral("&Hayır"), QMessageBox::NoRole);
    box.setDefaultButton((type & MbDefButton2) ? no : yes);
    box.setEscapeButton(no);
    break;
  default:
    ok = box.addButton(QStringLiteral("Tamam"), QMessageBox::AcceptRole);
    box.setDefaultButton(ok);
    box.setEscapeButton(ok);
    break;
  }
  box.exec();
  QAbstractButton *clicked = box.clickedButton();
  if (clicked && clicked == yes) return IdYes;
  if (clicked && clicked == no) return IdNo;
  if (clicked && clicked == ok) return IdOk;
  if (cancel) return IdCancel;
  return no ? IdNo : IdOk;
}

void ERRMESS(QWidget *owner, const QString &caption, const QString &text)
{
  TEXTBOX(owner, orDefault(caption, "Hata..."), text, MbIconStop | MbOk);
}

void MESS2(const QString &text)
{
  TEXTBOX(nullptr, QStringLiteral("Hata..."), text, MbIconStop | MbOk);
}

void MESS(const QString &text)
{
  TEXTBOX(nullptr, QStringLiteral("Mesaj"), text, MbIconInformation | MbOk);
}

void UYARI(QWidget *owner, const QString &caption, const QString &text)
{
  TEXTBOX(owner, orDefault(caption, "Uyarı..."), text, MbIconExclamation | MbOk);
}

QList<Tone> errBeepTones() { return {{100, 3}}; }
QList<Tone> doneBeepTones() { return {{300, 1}, {100, 1}, {300, 1}, {100, 1}}; }

void ERRBEEP() { QApplication::beep(); }

void DONEBEEP() { QApplication::beep(); }

} // namespace vz
