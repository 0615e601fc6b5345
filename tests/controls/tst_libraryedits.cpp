// The typed edit (numbers and dates), the smart edit, the blinking text and
// edit and the lockable tab control, driven offscreen with real key and mouse
// events; the date arithmetic and the typed entry's refusals case by case.
#include "controls/blinking.h"
#include "controls/odisle.h"
#include "controls/smartsle.h"
#include "controls/typedentry.h"
#include "controls/xtabcontrol.h"
#include "libraryeditsgallery.h"
#include "platform/rtext.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDialog>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTabBar>
#include <QTest>
#include <QVBoxLayout>
#include <QWheelEvent>
#include <memory>

using namespace vz;

Q_DECLARE_METATYPE(vz::TypedEntry::Step::Outcome)

namespace {

// Keys as text: "\b" Backspace, "\x7f" Delete, every other character typed.
void typeKeys(QWidget *w, const QString &keys)
{
  for (QChar c : keys) {
    if (c == QLatin1Char('\b'))
      QTest::keyClick(w, Qt::Key_Backspace);
    else if (c.unicode() == 0x7f)
      QTest::keyClick(w, Qt::Key_Delete);
    else
      QTest::keyClick(w, c.toLatin1());
  }
}

void place(QLineEdit &edit, int caret, int selectTo)
{
  edit.setCursorPosition(caret);
  if (selectTo >= 0)
    edit.setSelection(caret, selectTo - caret);
}

bool showActive(QWidget &w)
{
  w.show();
  QApplication::setActiveWindow(&w);
  return QTest::qWaitForWindowActive(&w);
}

const QString picture = QStringLiteral("  .  .    ");

} // namespace

class TestLibraryEdits : public QObject {
  Q_OBJECT

private slots:
  // ---- typed edit: numbers ------------------------------------------------

  void numericKeys_data()
  {
    QTest::addColumn<int>("total");
    QTest::addColumn<int>("decimals");
    QTest::addColumn<QString>("before");
    QTest::addColumn<int>("caret");
    QTest::addColumn<int>("selectTo");  // -1: no selection
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("after");
    QTest::addColumn<int>("afterCaret");
    const QString del(QChar(0x7f));
    QTest::newRow("1 to 7 grouped") << 10 << 2 << "" << 0 << -1 << "1234567" << "1,234,567" << 9;
    QTest::newRow("eighth integer digit refused") << 10 << 2 << "1,234,567" << 9 << -1 << "8" << "1,234,567" << 9;
    QTest::newRow("eighth digit in front refused") << 10 << 2 << "1,234,567" << 0 << -1 << "9" << "1,234,567" << 0;
    QTest::newRow("digit in the middle regroups") << 10 << 2 << "123,456" << 1 << -1 << "9" << "1,923,456" << 3;
    QTest::newRow("comma enters a point") << 10 << 2 << "12" << 2 << -1 << ",5" << "12.5" << 4;
    QTest::newRow("second point moves behind the first") << 10 << 2 << "12.50" << 1 << -1 << "." << "12.50" << 3;
    QTest::newRow("point splits the integer part") << 10 << 2 << "1,234,567" << 7 << -1 << "." << "12,345.67" << 7;
    QTest::newRow("point that would push decimals out") << 10 << 2 << "1,234,567" << 3 << -1 << "." << "1,234,567" << 3;
    QTest::newRow("third decimal refused") << 10 << 2 << "12.50" << 5 << -1 << "1" << "12.50" << 5;
    QTest::newRow("decimals 0: point and comma change nothing") << 10 << 0 << "123" << 3 << -1 << ".," << "123" << 3;
    QTest::newRow("decimals 0: ten digits") << 10 << 0 << "" << 0 << -1 << "1234567890" << "1,234,567,890" << 13;
    QTest::newRow("minus in the middle") << 10 << 2 << "1,234" << 2 << -1 << "-" << "-1,234" << 2;
    QTest::newRow("minus twice stays one sign") << 10 << 2 << "12" << 2 << -1 << "--" << "-12" << 3;
    QTest::newRow("plus makes it positive") << 10 << 2 << "-1,234" << 6 << -1 << "+" << "1,234" << 5;
    QTest::newRow("minus then digits") << 10 << 2 << "" << 0 << -1 << "-1234" << "-1,234" << 6;
    QTest::newRow("digit in front of the sign goes behind it") << 10 << 2 << "-12" << 0 << -1 << "5" << "-512" << 2;
    QTest::newRow("blank empties") << 10 << 2 << "1,234.50" << 3 << -1 << " " << "" << 0;
    QTest::newRow("backspace after a grouping comma") << 10 << 2 << "1,234" << 2 << -1 << "\b" << "1,234" << 1;
    QTest::newRow("second backspace takes the digit") << 10 << 2 << "1,234" << 2 << -1 << "\b\b" << "234" << 0;
    QTest::newRow("backspace regroups") << 10 << 2 << "1,234" << 5 << -1 << "\b" << "123" << 3;
    QTest::newRow("delete before a grouping comma steps over it") << 10 << 2 << "1,234" << 1 << -1 << del << "1,234" << 2;
    QTest::newRow("second delete takes the digit") << 10 << 2 << "1,234" << 1 << -1 << del + del << "134" << 1;
    QTest::newRow("backspace at the start") << 10 << 2 << "12" << 0 << -1 << "\b" << "12" << 0;
    QTest::newRow("typed over a selection") << 10 << 2 << "1,234,567" << 0 << 9 << "9" << "9" << 1;
    QTest::newRow("delete removes the selection") << 10 << 2 << "1,234,567" << 0 << 3 << del << "34,567" << 0;
    QTest::newRow("letter refused, selection kept") << 10 << 2 << "1,234" << 0 << 5 << "x" << "1,234" << 5;
    QTest::newRow("no SETLEN: no digit fits") << 0 << 0 << "" << 0 << -1 << "12" << "" << 0;
  }
  void numericKeys()
  {
    QFETCH(int, total);
    QFETCH(int, decimals);
    QFETCH(QString, before);
    QFETCH(int, caret);
    QFETCH(int, selectTo);
    QFETCH(QString, keys);
    QFETCH(QString, after);
    QFETCH(int, afterCaret);
    ODI_SLE edit;
    if (total > 0)
      edit.SETLEN(total, decimals);
    edit.setText(before);
    place(edit, caret, selectTo);
    typeKeys(&edit, keys);
    QCOMPARE(edit.text(), after);
    QCOMPARE(edit.cursorPosition(), afterCaret);
    if (after != before)
      QCOMPARE(edit.buffer(), QString(after).remove(QLatin1Char(',')));
  }

  void lengthsAndPositions()
  {
    TypedEntry entry;
    QVERIFY(entry.SETLEN(10, 2));
    QCOMPARE(entry.integerDigits(), 7);
    QCOMPARE(entry.decimals(), 2);
    QCOMPARE(entry.length(), 10);
    entry.SETLEN();
    QCOMPARE(entry.integerDigits(), 10);
    QCOMPARE(entry.decimals(), 0);
    entry.SETLEN(3, 4);  // no room left for an integer digit
    QCOMPARE(entry.integerDigits(), 0);
    QVERIFY(entry.SETBUFFER(QStringLiteral("-1,234,567.89")));
    QCOMPARE(entry.buffer(), QStringLiteral("-1234567.89"));
    QCOMPARE(TypedEntry::SETPOS(QStringLiteral("1,234,567"), 7, true), 5);
    QCOMPARE(TypedEntry::SETPOS(QStringLiteral("1,234,567"), 5, false), 7);
    QCOMPARE(TypedEntry::SETPOS(QStringLiteral("1,234,567"), 1, false), 1);
    QCOMPARE(TypedEntry::SETPOS(QStringLiteral("1,234,567"), 99, false), 9);
  }

  // ---- typed edit: dates --------------------------------------------------

  void dateKeys_data()
  {
    QTest::addColumn<QString>("before");
    QTest::addColumn<int>("caret");
    QTest::addColumn<int>("selectTo");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("after");  // "today": today's date
    QTest::addColumn<int>("afterCaret");
    const QString del(QChar(0x7f));
    QTest::newRow("two digits jump the first stop") << picture << 0 << -1 << "15" << "15.  .    " << 3;
    QTest::newRow("four digits jump the second stop") << picture << 0 << -1 << "1503" << "15.03.    " << 6;
    QTest::newRow("eight digits fill the picture") << picture << 0 << -1 << "15032010" << "15.03.2010" << 10;
    QTest::newRow("full stops swallowed") << picture << 0 << -1 << "15.03.2010" << "15.03.2010" << 10;
    QTest::newRow("digit beyond the end refused") << "15.03.2010" << 10 << -1 << "1" << "15.03.2010" << 10;
    QTest::newRow("digit before a stop goes past it") << "15.03.2010" << 2 << -1 << "7" << "15.73.2010" << 4;
    QTest::newRow("digit over a selection keeps the stops") << "15.03.2010" << 0 << 7 << "2" << "2 .  . 010" << 1;
    QTest::newRow("delete at the start shifts left") << "15.03.2010" << 0 << -1 << del << "50.32.010 " << 0;
    QTest::newRow("delete at the end") << "15.03.2010" << 10 << -1 << del << "15.03.2010" << 10;
    QTest::newRow("delete over a selection removes nothing") << "15.03.2010" << 0 << 4 << del << "15.03.2010" << 0;
    QTest::newRow("backspace blanks a digit") << "15.03.2010" << 2 << -1 << "\b" << "1 .03.2010" << 1;
    QTest::newRow("backspace over a stop") << "15.03.2010" << 3 << -1 << "\b" << "1 .03.2010" << 1;
    QTest::newRow("backspace at the start") << "15.03.2010" << 0 << -1 << "\b" << "15.03.2010" << 0;
    QTest::newRow("star writes today") << picture << 0 << -1 << "*" << "today" << 0;
    QTest::newRow("blank clears") << "15.03.2010" << 4 << -1 << " " << picture << 4;
    QTest::newRow("plus on the empty date") << picture << 0 << -1 << "+" << picture << 0;
    QTest::newRow("plus") << "28.02.2010" << 0 << -1 << "+" << "01.03.2010" << 0;
    QTest::newRow("D") << "31.12.2010" << 0 << -1 << "D" << "01.01.2011" << 0;
    QTest::newRow("minus") << "01.01.2010" << 0 << -1 << "-" << "31.12.2009" << 0;
    QTest::newRow("d") << "01.03.2012" << 0 << -1 << "d" << "29.02.2012" << 0;
    QTest::newRow("M") << "15.01.2010" << 0 << -1 << "M" << "15.02.2010" << 0;
    QTest::newRow("m from January") << "15.01.2010" << 0 << -1 << "m" << "15.12.2009" << 0;
    QTest::newRow("M from 31 January") << "31.01.2010" << 0 << -1 << "M" << "28.02.2010" << 0;
    QTest::newRow("Y") << "15.03.2010" << 0 << -1 << "Y" << "15.03.2011" << 0;
    QTest::newRow("Y from 29 February") << "29.02.2000" << 0 << -1 << "Y" << "28.02.2001" << 0;
    QTest::newRow("y") << "15.03.2010" << 0 << -1 << "y" << "15.03.2009" << 0;
    QTest::newRow("M on a half-typed date changes nothing") << "15.0 .    " << 4 << -1 << "M" << "15.0 .    " << 4;
    QTest::newRow("letter refused") << "15.03.2010" << 3 << -1 << "x" << "15.03.2010" << 3;
    QTest::newRow("empty text takes the picture") << "" << 0 << -1 << "1" << "1 .  .    " << 1;
  }
  void dateKeys()
  {
    QFETCH(QString, before);
    QFETCH(int, caret);
    QFETCH(int, selectTo);
    QFETCH(QString, keys);
    QFETCH(QString, after);
    QFETCH(int, afterCaret);
    if (after == QLatin1String("today"))
      after = rt::DToC(QDate::currentDate());
    ODI_SLE edit(nullptr, QStringLiteral("D"));
    edit.setText(before);
    place(edit, caret, selectTo);
    typeKeys(&edit, keys);
    QCOMPARE(edit.text(), after);
    QCOMPARE(edit.cursorPosition(), afterCaret);
  }

  void addMonth_data()
  {
    QTest::addColumn<QDate>("date");
    QTest::addColumn<int>("months");
    QTest::addColumn<QDate>("expected");
    QTest::newRow("-1 from January") << QDate(2010, 1, 15) << -1 << QDate(2009, 12, 15);
    QTest::newRow("+1 from December") << QDate(2009, 12, 15) << 1 << QDate(2010, 1, 15);
    QTest::newRow("+24") << QDate(2010, 3, 15) << 24 << QDate(2012, 3, 15);
    QTest::newRow("-25") << QDate(2010, 3, 15) << -25 << QDate(2008, 2, 15);
    QTest::newRow("0") << QDate(2010, 6, 30) << 0 << QDate(2010, 6, 30);
    QTest::newRow("31 Jan +1") << QDate(2010, 1, 31) << 1 << QDate(2010, 2, 28);
    QTest::newRow("31 Jan +1, leap year") << QDate(2012, 1, 31) << 1 << QDate(2012, 2, 29);
    QTest::newRow("31 Mar -1") << QDate(2010, 3, 31) << -1 << QDate(2010, 2, 28);
    QTest::newRow("31 Aug +1") << QDate(2010, 8, 31) << 1 << QDate(2010, 9, 30);
    QTest::newRow("29 Feb 2000 +12") << QDate(2000, 2, 29) << 12 << QDate(2001, 2, 28);
    QTest::newRow("29 Feb 2000 +48") << QDate(2000, 2, 29) << 48 << QDate(2004, 2, 29);
    QTest::newRow("29 Feb 2000 -12") << QDate(2000, 2, 29) << -12 << QDate(1999, 2, 28);
    QTest::newRow("empty date") << QDate() << 5 << QDate();
    QTest::newRow("past the year 9999") << QDate(9999, 12, 15) << 1 << QDate();
    QTest::newRow("before the year 1") << QDate(1, 1, 15) << -1 << QDate();
  }
  void addMonth()
  {
    QFETCH(QDate, date);
    QFETCH(int, months);
    QFETCH(QDate, expected);
    QCOMPARE(DATE_ADDMONTH(date, months), expected);
  }

  // What the entry does with a key, beep included: refused keys change
  // nothing, swallowed ones change nothing quietly.
  void outcomes_data()
  {
    QTest::addColumn<QString>("type");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("caret");
    QTest::addColumn<int>("key");  // TypedEntry::Key
    QTest::addColumn<QString>("typed");
    QTest::addColumn<TypedEntry::Step::Outcome>("outcome");
    QTest::addColumn<QString>("after");
    using S = TypedEntry::Step;
    const int ch = int(TypedEntry::Key::Character);
    const int bs = int(TypedEntry::Key::Backspace);
    QTest::newRow("eighth digit") << "N" << "1,234,567" << 9 << ch << "8" << S::Refused << "";
    QTest::newRow("third decimal") << "N" << "1.25" << 4 << ch << "0" << S::Refused << "";
    QTest::newRow("letter in a number") << "N" << "12" << 2 << ch << "a" << S::Refused << "";
    QTest::newRow("a number too long from the program is cut")
        << "N" << "123456789" << 9 << bs << "" << S::Changed << "1,234,567";
    QTest::newRow("full stop in a date") << "D" << picture << 3 << ch << "." << S::Ignored << "";
    QTest::newRow("plus on the empty date") << "D" << picture << 0 << ch << "+" << S::Refused << "";
    QTest::newRow("year past 9999") << "D" << "31.12.9999" << 0 << ch << "+" << S::Refused << "";
    QTest::newRow("plain edit") << "X" << "abc" << 3 << ch << "d" << S::NotTaken << "";
  }
  void outcomes()
  {
    QFETCH(QString, type);
    QFETCH(QString, text);
    QFETCH(int, caret);
    QFETCH(int, key);
    QFETCH(QString, typed);
    QFETCH(TypedEntry::Step::Outcome, outcome);
    QFETCH(QString, after);
    TypedEntry entry(TypedEntry::modeOf(type));
    entry.SETLEN(10, 2);
    const TypedEntry::Step step = entry.press(text, caret, caret, TypedEntry::Key(key),
                                              typed.isEmpty() ? QChar() : typed.at(0));
    QCOMPARE(step.outcome, outcome);
    if (outcome == TypedEntry::Step::Changed)
      QCOMPARE(step.text, after);
  }

  // Pasted text goes through the entry's rules as if typed; what it cannot
  // hold is refused whole.
  void paste_data()
  {
    QTest::addColumn<QString>("type");
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("clipboard");
    QTest::addColumn<QString>("after");
    QTest::newRow("grouped number") << "N" << "" << "1,234.5" << "1,234.5";
    QTest::newRow("decimal comma") << "N" << "" << " 12,5 " << "12.5";
    QTest::newRow("letters refused") << "N" << "7" << "12a" << "7";
    QTest::newRow("too many digits refused") << "N" << "7" << "123456789" << "7";
    QTest::newRow("date with its stops") << "D" << picture << "15.03.2010" << "15.03.2010";
    QTest::newRow("words into a date refused") << "D" << "15.03.2010" << "yarın" << "15.03.2010";
    QTest::newRow("plain edit pastes as it is") << "X" << "" << "12a" << "12a";
  }
  void paste()
  {
    QFETCH(QString, type);
    QFETCH(QString, before);
    QFETCH(QString, clipboard);
    QFETCH(QString, after);
    ODI_SLE edit(nullptr, type);
    edit.SETLEN(10, 2);
    edit.setText(before);
    edit.setCursorPosition(0);
    QApplication::clipboard()->setText(clipboard);
    QTest::keyClick(&edit, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(edit.text(), after);

    // The context menu's Paste takes the same road.
    edit.setText(before);
    edit.setCursorPosition(0);
    QContextMenuEvent menuEvent(QContextMenuEvent::Keyboard, QPoint(5, 5), edit.mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(&edit, &menuEvent);
    QMenu *menu = edit.findChild<QMenu *>();
    QVERIFY(menu);
    QAction *pasteAction = nullptr;
    const QString pasteKey = QKeySequence(QKeySequence::Paste).toString(QKeySequence::NativeText);
    for (QAction *action : menu->actions())
      if (action->text().endsWith(pasteKey))
        pasteAction = action;
    QVERIFY(pasteAction);
    pasteAction->trigger();
    QCOMPARE(edit.text(), after);
    menu->close();
  }

  // Cut, undo and word deletion never leave a text the entry did not make.
  void editingShortcuts()
  {
    ODI_SLE edit;
    edit.SETLEN(10, 2);
    typeKeys(&edit, QStringLiteral("1234"));
    QCOMPARE(edit.text(), QStringLiteral("1,234"));
    edit.setCursorPosition(0);
    edit.setSelection(0, 3);
    QTest::keyClick(&edit, Qt::Key_X, Qt::ControlModifier);
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("1,2"));
    QCOMPARE(edit.text(), QStringLiteral("34"));
    QTest::keyClick(&edit, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(edit.text(), QStringLiteral("34"));
    edit.setCursorPosition(2);
    QTest::keyClick(&edit, Qt::Key_Backspace, Qt::ControlModifier);
    QCOMPARE(edit.text(), QStringLiteral("34"));

    ODI_SLE plain(nullptr, QStringLiteral("X"));
    typeKeys(&plain, QStringLiteral("ab-1,2"));
    QCOMPARE(plain.text(), QStringLiteral("ab-1,2"));
  }

  // ---- smart edit ---------------------------------------------------------

  void smartFirstKey_data()
  {
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QString>("after");
    QTest::addColumn<bool>("emptied");
    QTest::newRow("printable key replaces") << int(Qt::Key_X) << 0 << "x" << true;
    QTest::newRow("blank replaces") << int(Qt::Key_Space) << 0 << " " << true;
    QTest::newRow("arrow") << int(Qt::Key_Left) << 0 << "Eski" << false;
    QTest::newRow("function key") << int(Qt::Key_F2) << 0 << "Eski" << false;
    QTest::newRow("Ctrl+C") << int(Qt::Key_C) << int(Qt::ControlModifier) << "Eski" << false;
    QTest::newRow("Ctrl+V pastes without wiping") << int(Qt::Key_V) << int(Qt::ControlModifier) << "Eskiyeni" << false;
  }
  void smartFirstKey()
  {
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(QString, after);
    QFETCH(bool, emptied);
    QApplication::clipboard()->setText(QStringLiteral("yeni"));
    SMARTSLE edit;
    edit.setText(QStringLiteral("Eski"));
    QVERIFY(!edit.LEMPTIED);
    QTest::keyClick(&edit, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QCOMPARE(edit.text(), after);
    QCOMPARE(edit.LEMPTIED, emptied);
    // Later keys edit normally, also after the program changed the text.
    QTest::keyClick(&edit, Qt::Key_Y);
    const QString typedOnce = emptied ? after + QLatin1Char('y') : QStringLiteral("y");
    QCOMPARE(edit.text(), typedOnce);
    edit.setText(QStringLiteral("Yeni"));
    QTest::keyClick(&edit, Qt::Key_Z);
    QCOMPARE(edit.text(), QStringLiteral("Yeniz"));
  }

  // Controls of the owner by letter: S smart edit, B push button, E plain
  // edit, L label (takes no focus, so not in the order).
  void smartEnter_data()
  {
    QTest::addColumn<QString>("controls");
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::addColumn<bool>("reversed");  // the owner gives its order, reversed
    QTest::newRow("next smart edit") << "SSS" << 0 << 1 << false;
    QTest::newRow("last wraps to the first") << "SSS" << 2 << 0 << false;
    QTest::newRow("button next stays") << "SBS" << 0 << 0 << false;
    QTest::newRow("plain edit next stays") << "SES" << 0 << 0 << false;
    QTest::newRow("wrap to a button stays") << "BSS" << 2 << 2 << false;
    QTest::newRow("labels are not in the order") << "LSLS" << 1 << 3 << false;
    QTest::newRow("owner's own order") << "SSS" << 2 << 1 << true;
    QTest::newRow("owner's own order wraps") << "SSS" << 0 << 2 << true;
  }
  void smartEnter()
  {
    QFETCH(QString, controls);
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(bool, reversed);
    QWidget owner;
    auto *layout = new QVBoxLayout(&owner);
    QList<QWidget *> widgets;
    for (QChar c : controls) {
      QWidget *w = nullptr;
      switch (c.unicode()) {
      case 'S': w = new SMARTSLE(&owner); break;
      case 'B': w = new QPushButton(QStringLiteral("Tamam"), &owner); break;
      case 'E': w = new QLineEdit(&owner); break;
      default: w = new QLabel(QStringLiteral("Ad:"), &owner); break;
      }
      if (auto *edit = qobject_cast<QLineEdit *>(w))
        edit->setText(QStringLiteral("Değer %1").arg(widgets.size()));
      layout->addWidget(w);
      widgets << w;
    }
    if (reversed) {
      QList<QWidget *> order(widgets.rbegin(), widgets.rend());
      for (QWidget *w : widgets)
        if (auto *smart = qobject_cast<SMARTSLE *>(w))
          smart->setControlOrder(order);
    }
    QVERIFY(showActive(owner));
    widgets.at(from)->setFocus();
    QTRY_VERIFY(widgets.at(from)->hasFocus());
    QTest::keyClick(widgets.at(from), Qt::Key_Return);
    QTRY_VERIFY(widgets.at(to)->hasFocus());
    auto *target = qobject_cast<QLineEdit *>(widgets.at(to));
    if (to != from)
      QCOMPARE(target->selectedText(), target->text());
  }

  // In a dialog Enter moves through the form; at its end (a button next) it
  // reaches the dialog's default button.
  void smartEnterInDialog()
  {
    QDialog dialog;
    auto *layout = new QVBoxLayout(&dialog);
    auto *first = new SMARTSLE(&dialog);
    auto *second = new SMARTSLE(&dialog);
    auto *ok = new QPushButton(QStringLiteral("Tamam"), &dialog);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, &dialog, &QDialog::accept);
    layout->addWidget(first);
    layout->addWidget(second);
    layout->addWidget(ok);
    QVERIFY(showActive(dialog));
    first->setFocus();
    QTRY_VERIFY(first->hasFocus());
    QTest::keyClick(first, Qt::Key_Return);
    QTRY_VERIFY(second->hasFocus());
    QVERIFY(dialog.isVisible());
    QTest::keyClick(second, Qt::Key_Return);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
  }

  // ---- blinking -----------------------------------------------------------

  // Calls in order: "on,period;..." with on 1 or 0.
  void blinkingPeriods_data()
  {
    QTest::addColumn<bool>("edit");
    QTest::addColumn<QString>("calls");
    QTest::addColumn<int>("interval");
    QTest::addColumn<bool>("blinking");
    for (bool edit : {false, true}) {
      const char *kind = edit ? "edit" : "text";
      QTest::addRow("%s: new", kind) << edit << "" << 333 << true;
      QTest::addRow("%s: (true, 50) floors at 200", kind) << edit << "1,50" << 200 << true;
      QTest::addRow("%s: then (true) keeps 200", kind) << edit << "1,50;1,0" << 200 << true;
      QTest::addRow("%s: (true, 1000)", kind) << edit << "1,1000" << 1000 << true;
      QTest::addRow("%s: (false, 500) stores 500", kind) << edit << "0,500" << 500 << false;
      QTest::addRow("%s: restarted at the stored period", kind) << edit << "0,500;1,0" << 500 << true;
    }
  }
  void blinkingPeriods()
  {
    QFETCH(bool, edit);
    QFETCH(QString, calls);
    QFETCH(int, interval);
    QFETCH(bool, blinking);
    std::unique_ptr<BLINKINGFIXEDTEXT> text;
    std::unique_ptr<BLINKINGSLE> sle;
    if (edit)
      sle = std::make_unique<BLINKINGSLE>();
    else
      text = std::make_unique<BLINKINGFIXEDTEXT>(QStringLiteral("Dikkat"));
    for (const QString &call : calls.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
      const QStringList args = call.split(QLatin1Char(','));
      const bool on = args.at(0) == QLatin1String("1");
      const int period = args.at(1).toInt();
      edit ? void(sle->BLINKING(on, period)) : void(text->BLINKING(on, period));
    }
    QCOMPARE(edit ? sle->interval() : text->interval(), interval);
    QCOMPARE(edit ? sle->isBlinking() : text->isBlinking(), blinking);
    QVERIFY(!(edit ? sle->blankPhase() : text->blankPhase()));
  }

  // The text vanishes and comes back; the control stays visible and keeps
  // the focus, and stopping shows its own colours again.
  void blinkingLook_data()
  {
    QTest::addColumn<bool>("edit");
    QTest::newRow("text") << false;
    QTest::newRow("edit") << true;
  }
  void blinkingLook()
  {
    QFETCH(bool, edit);
    QWidget window;
    auto *layout = new QVBoxLayout(&window);
    auto *other = new QLineEdit(&window);
    layout->addWidget(other);
    QWidget *control = nullptr;
    if (edit)
      control = new BLINKINGSLE(&window);
    else
      control = new BLINKINGFIXEDTEXT(QStringLiteral("Rasyon kaydedilmedi"), &window);
    layout->addWidget(control);
    QPalette own = control->palette();
    own.setColor(QPalette::WindowText, Qt::red);
    own.setColor(QPalette::Text, Qt::red);
    control->setPalette(own);
    const auto blank = [&] {
      return edit ? static_cast<BLINKINGSLE *>(control)->blankPhase()
                  : static_cast<BLINKINGFIXEDTEXT *>(control)->blankPhase();
    };
    const auto blink = [&](bool on, int period) {
      edit ? void(static_cast<BLINKINGSLE *>(control)->BLINKING(on, period))
           : void(static_cast<BLINKINGFIXEDTEXT *>(control)->BLINKING(on, period));
    };
    const QPalette::ColorRole role = edit ? QPalette::Text : QPalette::WindowText;
    QVERIFY(showActive(window));
    QWidget *focused = edit ? control : other;
    focused->setFocus();
    QTRY_VERIFY(focused->hasFocus());

    blink(true, 50);
    QTRY_VERIFY_WITH_TIMEOUT(blank(), 2000);
    QCOMPARE(control->palette().color(role).alpha(), 0);
    QVERIFY(control->isVisible());
    QVERIFY(focused->hasFocus());
    if (edit) {
      QTest::keyClick(control, Qt::Key_A);  // still takes keys while blank
      QCOMPARE(static_cast<QLineEdit *>(control)->text(), QStringLiteral("a"));
    }
    QTRY_VERIFY_WITH_TIMEOUT(!blank(), 2000);
    QCOMPARE(control->palette().color(role), QColor(Qt::red));

    // Stopped while blank: shown again in its own colours.
    QTRY_VERIFY_WITH_TIMEOUT(blank(), 2000);
    blink(false, 0);
    QVERIFY(!blank());
    QVERIFY(control->isVisible());
    QCOMPARE(control->palette().color(role), QColor(Qt::red));
    QVERIFY(focused->hasFocus());
  }

  // The control's own timers are not the blinking's.
  void otherTimersReachTheControl()
  {
    struct Counting : BLINKINGSLE {
      int id = 0;
      int ticks = 0;
      void timerEvent(QTimerEvent *event) override
      {
        if (event->timerId() == id)
          ++ticks;
        BLINKINGSLE::timerEvent(event);
      }
    } edit;
    edit.id = edit.startTimer(10);
    QTRY_VERIFY(edit.ticks >= 2);
    QVERIFY(edit.isBlinking());
    edit.killTimer(edit.id);
  }

  // ---- lockable tab control -----------------------------------------------

  // Steps, blank-separated: P<n> lock, A<n> allow, C<n> click the tab,
  // D<n> double-click it, B click beside the tabs, S<n> select by program,
  // W turn the mouse wheel over the tabs.
  void tabClicks_data()
  {
    QTest::addColumn<QString>("steps");
    QTest::addColumn<int>("current");
    QTest::newRow("new tab selectable") << "C1" << 1;
    QTest::newRow("locked tab keeps the page") << "P1 C1" << 0;
    QTest::newRow("first tab locked") << "C2 P0 C0" << 2;
    QTest::newRow("double click on a locked tab") << "P1 D1" << 0;
    QTest::newRow("allowed again") << "P1 C1 A1 C1" << 1;
    QTest::newRow("other tabs stay free") << "P1 C2" << 2;
    QTest::newRow("click beside the tabs") << "C2 B" << 2;
    QTest::newRow("locked tab selected by program") << "P2 S2" << 2;
    QTest::newRow("wheel onto a locked tab") << "P1 W" << 0;
    QTest::newRow("indexes beyond the tabs ignored") << "P3 P-1 P99 A-5 C2" << 2;
  }
  void tabClicks()
  {
    QFETCH(QString, steps);
    QFETCH(int, current);
    QWidget window;
    auto *layout = new QVBoxLayout(&window);
    auto *tabs = new XTABCONTROL(&window);
    for (const char *caption : {"Yem Maddeleri", "Besin Maddeleri", "Oranlar"})
      tabs->APPENDTAB(QString(), QString::fromUtf8(caption), new QLabel(QStringLiteral("Sayfa")));
    layout->addWidget(tabs);
    window.resize(600, 300);
    QVERIFY(showActive(window));
    QTabBar *bar = tabs->tabBar();
    for (const QString &step : steps.split(QLatin1Char(' '))) {
      const int n = step.mid(1).toInt();
      switch (step.at(0).unicode()) {
      case 'P': tabs->PREVENTSELECTION(n); break;
      case 'A': tabs->ALLOWSELECTION(n); break;
      case 'S': tabs->setCurrentIndex(n); break;
      case 'C': QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(n).center()); break;
      case 'D': QTest::mouseDClick(bar, Qt::LeftButton, {}, bar->tabRect(n).center()); break;
      case 'W': {
        const QPointF at = bar->tabRect(0).center();
        QWheelEvent wheel(at, bar->mapToGlobal(at), QPoint(), QPoint(0, -120), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(bar, &wheel);
        break;
      }
      case 'B': {
        const QPoint beside(bar->geometry().right() + 20, bar->geometry().center().y());
        QVERIFY(tabs->width() > beside.x());
        QCOMPARE(tabs->childAt(beside), nullptr);
        QTest::mouseClick(tabs, Qt::LeftButton, {}, beside);
        break;
      }
      }
    }
    QCOMPARE(tabs->currentIndex(), current);
    for (int i = 0; i < 3; ++i)
      QCOMPARE(tabs->isSelectable(i), !steps.contains(QStringLiteral("P%1").arg(i))
                                          || steps.contains(QStringLiteral("A%1").arg(i)));
  }

  // No key changes the tab, locked or not; Tab and Shift+Tab still move
  // the focus on.
  void tabKeys_data()
  {
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<bool>("onPage");  // sent from an edit on the page
    QTest::addColumn<bool>("locked");  // the other tabs locked
    for (bool locked : {false, true}) {
      const char *lock = locked ? "locked" : "free";
      QTest::addRow("Right, %s", lock) << int(Qt::Key_Right) << 0 << false << locked;
      QTest::addRow("Left, %s", lock) << int(Qt::Key_Left) << 0 << false << locked;
      QTest::addRow("Home, %s", lock) << int(Qt::Key_Home) << 0 << false << locked;
      QTest::addRow("End, %s", lock) << int(Qt::Key_End) << 0 << false << locked;
      QTest::addRow("Ctrl+Tab on the page, %s", lock) << int(Qt::Key_Tab) << int(Qt::ControlModifier) << true << locked;
      QTest::addRow("Ctrl+PageDown on the page, %s", lock) << int(Qt::Key_PageDown) << int(Qt::ControlModifier) << true << locked;
    }
  }
  void tabKeys()
  {
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(bool, onPage);
    QFETCH(bool, locked);
    QWidget window;
    auto *layout = new QVBoxLayout(&window);
    auto *tabs = new XTABCONTROL(&window);
    QList<QLineEdit *> edits;
    for (const char *caption : {"Yem Maddeleri", "Besin Maddeleri", "Oranlar"}) {
      edits << new QLineEdit;
      tabs->APPENDTAB(QString(), QString::fromUtf8(caption), edits.last());
    }
    layout->addWidget(tabs);
    QVERIFY(showActive(window));
    tabs->setCurrentIndex(1);
    if (locked) {
      tabs->PREVENTSELECTION(0);
      tabs->PREVENTSELECTION(2);
    }
    QWidget *target = onPage ? static_cast<QWidget *>(edits.at(1)) : tabs->tabBar();
    target->setFocus();
    QTRY_VERIFY(target->hasFocus());
    QTest::keyClick(target, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QCOMPARE(tabs->currentIndex(), 1);
  }

  void tabMovesFocusOn()
  {
    QWidget window;
    auto *layout = new QVBoxLayout(&window);
    auto *before = new QLineEdit(&window);
    auto *tabs = new XTABCONTROL(&window);
    auto *after = new QLineEdit(&window);
    tabs->APPENDTAB(QStringLiteral("BIR"), QStringLiteral("Bir"), new QLabel(QStringLiteral("Sayfa")));
    tabs->APPENDTAB(QStringLiteral("IKI"), QStringLiteral("İki"), new QLabel(QStringLiteral("Sayfa")));
    tabs->PREVENTSELECTION(1);
    layout->addWidget(before);
    layout->addWidget(tabs);
    layout->addWidget(after);
    QVERIFY(showActive(window));
    QCOMPARE(tabs->widget(0)->objectName(), QStringLiteral("BIR"));
    tabs->tabBar()->setFocus();
    QTRY_VERIFY(tabs->tabBar()->hasFocus());
    QTest::keyClick(tabs->tabBar(), Qt::Key_Tab);
    QTRY_VERIFY(after->hasFocus());
    tabs->tabBar()->setFocus();
    QTRY_VERIFY(tabs->tabBar()->hasFocus());
    QTest::keyClick(tabs->tabBar(), Qt::Key_Backtab, Qt::ShiftModifier);
    QTRY_VERIFY(before->hasFocus());
    QCOMPARE(tabs->currentIndex(), 0);
  }

  // A tab's mnemonic is a way of choosing it like a click: a locked tab's
  // is swallowed.
  void tabMnemonic_data()
  {
    QTest::addColumn<bool>("locked");
    QTest::addColumn<int>("current");
    QTest::newRow("free") << false << 1;
    QTest::newRow("locked") << true << 0;
  }
  void tabMnemonic()
  {
    QFETCH(bool, locked);
    QFETCH(int, current);
    QWidget window;
    auto *layout = new QVBoxLayout(&window);
    auto *tabs = new XTABCONTROL(&window);
    tabs->APPENDTAB(QString(), QStringLiteral("&Yemler"), new QLabel(QStringLiteral("Sayfa")));
    tabs->APPENDTAB(QString(), QStringLiteral("&Oranlar"), new QLabel(QStringLiteral("Sayfa")));
    layout->addWidget(tabs);
    if (locked)
      tabs->PREVENTSELECTION(1);
    QVERIFY(showActive(window));
    QTest::keyClick(&window, Qt::Key_O, Qt::AltModifier);
    QCOMPARE(tabs->currentIndex(), current);
  }

  // In a dialog, Esc cancels and Enter accepts while the tab strip has the
  // focus, the tab staying where it was.
  void tabInADialog_data()
  {
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("result");
    QTest::newRow("Esc cancels") << int(Qt::Key_Escape) << int(QDialog::Rejected);
    QTest::newRow("Enter accepts") << int(Qt::Key_Return) << int(QDialog::Accepted);
    QTest::newRow("keypad Enter accepts") << int(Qt::Key_Enter) << int(QDialog::Accepted);
  }
  void tabInADialog()
  {
    QFETCH(int, key);
    QFETCH(int, result);
    QDialog dialog;
    auto *layout = new QVBoxLayout(&dialog);
    auto *tabs = new XTABCONTROL(&dialog);
    tabs->APPENDTAB(QString(), QStringLiteral("Yemler"), new QLabel(QStringLiteral("Sayfa")));
    tabs->APPENDTAB(QString(), QStringLiteral("Oranlar"), new QLabel(QStringLiteral("Sayfa")));
    tabs->PREVENTSELECTION(0);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    layout->addWidget(tabs);
    layout->addWidget(buttons);
    tabs->setCurrentIndex(1);
    int answered = -1;
    QObject::connect(&dialog, &QDialog::finished, [&](int r) { answered = r; });
    dialog.open();
    QApplication::setActiveWindow(&dialog);
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    tabs->tabBar()->setFocus();
    QTRY_VERIFY(tabs->tabBar()->hasFocus());
    QTest::keyClick(tabs->tabBar(), Qt::Key(key));
    QCOMPARE(answered, result);
    QVERIFY(!dialog.isVisible());
    QCOMPARE(tabs->currentIndex(), 1);
  }

  // ---- gallery -------------------------------------------------------------

  void galleryControlsLabelled()
  {
    test::LibraryEditsGallery gallery;
    QVERIFY(showActive(gallery));
    QList<QWidget *> fields;
    for (QLineEdit *e : gallery.findChildren<QLineEdit *>())
      fields << e;
    fields << gallery.tabs;
    for (QWidget *field : fields) {
      bool buddied = false;
      for (QLabel *l : gallery.findChildren<QLabel *>())
        buddied = buddied || l->buddy() == field;
      QVERIFY2(buddied && !field->accessibleName().isEmpty(), field->metaObject()->className());
    }
    // The form's smart edits pass Enter along and wrap.
    gallery.smart.last()->setFocus();
    QTRY_VERIFY(gallery.smart.last()->hasFocus());
    QTest::keyClick(gallery.smart.last(), Qt::Key_Return);
    QTRY_VERIFY(gallery.smart.first()->hasFocus());
    QVERIFY(gallery.isVisible());
  }
};

QTEST_MAIN(TestLibraryEdits)
#include "tst_libraryedits.moc"
