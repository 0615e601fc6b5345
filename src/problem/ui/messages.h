#pragma once
// The message boxes, beeps and the please-wait box that every window uses.
// A caption that is a null QString means "not given" and takes the default;
// an empty caption stays empty.
#include "problem/tones.h"

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

// The two sounds, played as their tones (problem/tones.h) through the
// default sound device; where there is none, or it refuses the samples, the
// desktop's bell sounds once instead. Both return after the sound; keys and
// clicks made meanwhile wait for it.
void ERRBEEP();
void DONEBEEP();
// Plays tones as ERRBEEP and DONEBEEP do; false when the bell stood in.
bool playTones(const QList<Tone> &tones);

} // namespace vz
