#pragma once
// The message boxes, beeps and the please-wait box that every window uses.
// A caption that is a null QString means "not given" and takes the default;
// an empty caption stays empty.
#include <QList>
#include <QString>

class QWidget;

namespace vz {

// Windows-style message box types, summed: icon + buttons.
enum MessageType {
  MbOk = 0, MbYesNoCancel = 3, MbYesNo = 4,
  MbIconStop = 16, MbIconQuestion = 32, MbIconExclamation = 48, MbIconInformation = 64,
  MbDefButton2 = 256  // the second button ("&Hayır") answers Enter
};
// The button that closed a box.
enum MessageButton { IdOk = 1, IdCancel = 2, IdYes = 6, IdNo = 7 };

// A modal box of the given type; returns the button that closed it (the close
// box and Escape answer Cancel where offered, No on a Yes/No box, OK otherwise).
// Line breaks may be written as line feeds or carriage returns.
int TEXTBOX(QWidget *owner, const QString &caption, const QString &text, int type);

void ERRMESS(QWidget *owner, const QString &caption, const QString &text);  // stop, "Hata..."
void MESS2(const QString &text);                                            // stop, "Hata...", no owner
void MESS(const QString &text);                                             // information, "Mesaj"
void UYARI(QWidget *owner, const QString &caption, const QString &text);    // exclamation, "Uyarı..."

// A tone as the program's sounds are written down: frequency in hertz and
// duration in clock ticks of about 1/18 second.
struct Tone {
  int hertz;
  int ticks;
  bool operator==(const Tone &) const = default;
};
QList<Tone> errBeepTones();   // 100 Hz for 3 ticks
QList<Tone> doneBeepTones();  // 300, 100, 300, 100 Hz, a tick each
// Both return after the sound. The desktop offers no tone control, so the
// system bell stands for each tone sequence.
void ERRBEEP();
void DONEBEEP();

} // namespace vz
