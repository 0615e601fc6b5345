// The right-aligned typed edit, the bitmap button and the date, search and
// timer edits driven offscreen with real key and mouse events.
#include "controls/datesle.h"
#include "controls/dlgpecalendar.h"
#include "controls/filesle.h"
#include "controls/pecalendar.h"
#include "controls/rightsle.h"
#include "controls/searchsle.h"
#include "controls/timersle.h"
#include "controls/wmbitmapbutton.h"
#include "platform/rtext.h"

#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QMimeData>
#include <QRegularExpression>
#include <QContextMenuEvent>
#include <QHelpEvent>
#include <QPointer>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <functional>

using namespace vz;

namespace {

// An edit that counts its beeps instead of sounding them.
template <class Edit>
class Counting : public Edit {
public:
  using Edit::Edit;
  int beeps = 0;
  void INVALIDACTION() override { ++beeps; }
};

// Types a sequence: plain characters as they are, <NAME> for other keys.
void type(QWidget *w, const QString &keys)
{
  static const QHash<QString, std::pair<Qt::Key, Qt::KeyboardModifiers>> named{
      {QStringLiteral("BS"), {Qt::Key_Backspace, Qt::NoModifier}},
      {QStringLiteral("DEL"), {Qt::Key_Delete, Qt::NoModifier}},
      {QStringLiteral("HOME"), {Qt::Key_Home, Qt::NoModifier}},
      {QStringLiteral("END"), {Qt::Key_End, Qt::NoModifier}},
      {QStringLiteral("LEFT"), {Qt::Key_Left, Qt::NoModifier}},
      {QStringLiteral("RIGHT"), {Qt::Key_Right, Qt::NoModifier}},
      {QStringLiteral("SHIFT+HOME"), {Qt::Key_Home, Qt::ShiftModifier}},
      {QStringLiteral("SHIFT+LEFT"), {Qt::Key_Left, Qt::ShiftModifier}},
      {QStringLiteral("KP+"), {Qt::Key_Plus, Qt::KeypadModifier}},
      {QStringLiteral("KP-"), {Qt::Key_Minus, Qt::KeypadModifier}},
  };
  for (qsizetype i = 0; i < keys.size(); ++i) {
    if (keys.at(i) == QLatin1Char('<')) {
      const qsizetype end = keys.indexOf(QLatin1Char('>'), i);
      const QString name = keys.mid(i + 1, end - i - 1);
      i = end;
      if (name == QLatin1String("DCLICK")) {
        QTest::mouseDClick(w, Qt::LeftButton, {}, QPoint(w->width() / 3, w->height() / 2));
        continue;
      }
      QVERIFY2(named.contains(name), qPrintable(name));
      const auto [key, mods] = named.value(name);
      QString text;
      if (key == Qt::Key_Plus)
        text = QStringLiteral("+");
      else if (key == Qt::Key_Minus)
        text = QStringLiteral("-");
      QTest::sendKeyEvent(QTest::KeyAction::Click, w, key, text, mods);
    } else {
      QTest::keyClick(w, keys.at(i).toLatin1());
    }
  }
}

struct Shown {
  std::unique_ptr<QWidget> window;
  template <class Edit>
  Edit *add(Edit *edit)
  {
    window = std::make_unique<QWidget>();
    edit->setParent(window.get());
    edit->setGeometry(10, 10, 200, 24);
    window->resize(240, 60);
    window->show();
    edit->setFocus();
    return edit;
  }
};

// Answers every calendar dialog that opens while it lives: `answer` gets the
// dialog and closes it.
struct CalendarAnswer {
  QTimer timer;
  int opened = 0;
  QDate shownOn;
  unsigned firstDay = 0;
  explicit CalendarAnswer(std::function<void(DLGPECALENDAR *)> answer)
  {
    timer.setInterval(5);
    QObject::connect(&timer, &QTimer::timeout, [this, answer] {
      auto *dialog = qobject_cast<DLGPECALENDAR *>(QApplication::activeModalWidget());
      if (!dialog || !dialog->isVisible())
        return;
      ++opened;
      shownOn = dialog->calendar()->CURRENTDATE();
      firstDay = dialog->calendar()->FIRSTDAYOFWEEK();
      QPointer<DLGPECALENDAR> guard(dialog);
      answer(dialog);
      if (guard && guard->isVisible())
        guard->reject();  // never left open
    });
    timer.start();
  }
};

// The user picks the day after the one shown, or leaves with Esc.
void nextDay(DLGPECALENDAR *dialog)
{
  QTest::keyClick(dialog->calendar(), Qt::Key_Right);
  QTest::keyClick(dialog->calendar(), Qt::Key_Return);
}
void escape(DLGPECALENDAR *dialog)
{
  QTest::keyClick(dialog->calendar(), Qt::Key_Escape);
}

// The window system's answer to a right click (QTest hands mouse events to
// the widget directly, past the window that turns them into this).
void openContextMenu(QWidget *w)
{
  const QPoint at(20, 12);
  QContextMenuEvent event(QContextMenuEvent::Mouse, at, w->mapToGlobal(at));
  QApplication::sendEvent(w, &event);
}

QPixmap filled(QColor c)
{
  QPixmap pm(30, 22);
  pm.fill(c);
  return pm;
}

} // namespace

class TestTypedEdits : public QObject {
  Q_OBJECT
private slots:
  // The numeric entry reads its own texts: blanks may stand between the sign
  // and the digits, "," groups, anything else ends the number.
  void numberOf_data()
  {
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");
    QTest::newRow("sign, blanks, digits") << "-   75" << -75.0;
    QTest::newRow("grouped with decimals") << "1,234.50" << 1234.5;
    QTest::newRow("empty") << "" << 0.0;
    QTest::newRow("letters") << "abc" << 0.0;
    QTest::newRow("right-aligned") << "     75.25" << 75.25;
    QTest::newRow("right-aligned negative") << "    -75.25" << -75.25;
    QTest::newRow("plus sign") << "+ 5" << 5.0;
    QTest::newRow("ends at a letter") << "12abc" << 12.0;
    QTest::newRow("second point ends it") << "1.2.3" << 1.2;
    QTest::newRow("overflow stars") << "*****" << 0.0;
    QTest::newRow("bare sign") << "-  " << 0.0;
    QTest::newRow("leading point") << ".5" << 0.5;
  }
  void numberOf()
  {
    QFETCH(QString, text);
    QFETCH(double, value);
    QCOMPARE(FIELDSPEC::numberOf(text), value);
  }

  // Keys typed into a new numeric edit (or one showing `start`), as the
  // user types them.
  void numericKeys_data()
  {
    QTest::addColumn<int>("length");
    QTest::addColumn<int>("decimals");
    QTest::addColumn<QString>("start");
    QTest::addColumn<int>("at");  // the caret in it
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<int>("caret");
    QTest::addColumn<int>("beeps");
    QTest::addColumn<QString>("selected");  // what stays selected
    // Right-aligned, the caret before the separator after each digit.
    QTest::newRow("7") << 10 << 2 << "" << 0 << "7" << "      7.00" << 7 << 0 << "";
    QTest::newRow("7 5") << 10 << 2 << "" << 0 << "75" << "     75.00" << 7 << 0 << "";
    QTest::newRow("separator moves the caret behind it") << 10 << 2 << "" << 0 << "75." << "     75.00" << 8 << 0 << "";
    QTest::newRow("then 2") << 10 << 2 << "" << 0 << "75.2" << "     75.20" << 9 << 0 << "";
    QTest::newRow("then 5") << 10 << 2 << "" << 0 << "75.25" << "     75.25" << 10 << 0 << "";
    QTest::newRow("separator first") << 10 << 2 << "" << 0 << ".5" << "      0.50" << 9 << 0 << "";
    // A comma is the decimal point, as in every number of the program.
    QTest::newRow("comma: 12,5") << 10 << 2 << "" << 0 << "12,5" << "     12.50" << 9 << 0 << "";
    QTest::newRow("comma first: ,5") << 10 << 2 << "" << 0 << ",5" << "      0.50" << 9 << 0 << "";
    QTest::newRow("comma over a shown value") << 10 << 2 << "     75.25" << 0 << ",25" << "      0.25" << 10 << 0 << "";
    QTest::newRow("second comma changes nothing") << 10 << 2 << "" << 0 << "7,,3" << "      7.30" << 9 << 0 << "";
    QTest::newRow("second separator changes nothing") << 10 << 2 << "" << 0 << "75..3" << "     75.30" << 9 << 0 << "";
    // Signs.
    QTest::newRow("- makes it negative") << 10 << 2 << "" << 0 << "75-" << "    -75.00" << 7 << 0 << "";
    QTest::newRow("+ makes it positive") << 10 << 2 << "" << 0 << "75-+" << "     75.00" << 7 << 0 << "";
    QTest::newRow("- on a negative") << 10 << 2 << "" << 0 << "75--" << "    -75.00" << 7 << 0 << "";
    QTest::newRow("+ on a positive") << 10 << 2 << "" << 0 << "75+" << "     75.00" << 7 << 0 << "";
    QTest::newRow("- first: the digit is negative") << 10 << 2 << "" << 0 << "-5" << "     -5.00" << 7 << 0 << "";
    QTest::newRow("more digits on a negative") << 10 << 2 << "" << 0 << "75-3" << "   -753.00" << 7 << 0 << "";
    // The field's width.
    QTest::newRow("seven integer digits fill it") << 10 << 2 << "" << 0 << "1234567" << "1234567.00" << 7 << 0 << "";
    QTest::newRow("an eighth beeps, text kept") << 10 << 2 << "" << 0 << "12345678" << "1234567.00" << 7 << 1 << "";
    QTest::newRow("a full negative beeps") << 10 << 2 << "" << 0 << "123456-7" << "-123456.00" << 7 << 1 << "";
    QTest::newRow("no room for the sign") << 10 << 2 << "" << 0 << "1234567-" << "1234567.00" << 7 << 1 << "";
    QTest::newRow("fraction digits past the end") << 10 << 2 << "" << 0 << "1.234" << "      1.23" << 10 << 0 << "";
    // Backspace.
    QTest::newRow("Backspace in the integer part") << 10 << 2 << "" << 0 << "123<BS>" << "     12.00" << 7 << 0 << "";
    QTest::newRow("Backspace keeps the caret before the same digits") << 10 << 2 << "" << 0 << "123<LEFT><BS>" << "     13.00" << 6 << 0 << "";
    QTest::newRow("Backspace in the fraction refills zeros") << 10 << 2 << "" << 0 << "75.25<BS>" << "     75.20" << 9 << 0 << "";
    QTest::newRow("Backspace on the first fraction digit") << 10 << 2 << "" << 0 << "75.2<BS>" << "     75.00" << 8 << 0 << "";
    QTest::newRow("Backspace to zero: caret before the separator") << 10 << 2 << "" << 0 << "5<BS>" << "      0.00" << 7 << 0 << "";
    QTest::newRow("Delete removes before the caret too") << 10 << 2 << "" << 0 << "123<DEL>" << "     12.00" << 7 << 0 << "";
    // The caret in the blanks in front of the number.
    QTest::newRow("Home, then a digit joins the number") << 10 << 2 << "" << 0 << "75<HOME>1" << "    175.00" << 5 << 0 << "";
    QTest::newRow("Home on a negative keeps the sign") << 10 << 2 << "" << 0 << "75-<HOME>1" << "   -175.00" << 5 << 0 << "";
    // Starting over.
    QTest::newRow("a shown value is replaced by the first key") << 10 << 2 << "     75.25" << 0 << "3" << "      3.00" << 7 << 0 << "";
    QTest::newRow("replaced with the caret in the fraction") << 10 << 2 << "     75.25" << 10 << "34" << "      3.40" << 9 << 0 << "";
    QTest::newRow("double click, then 3") << 10 << 2 << "" << 0 << "75.25<DCLICK>3" << "      3.00" << 7 << 0 << "";
    QTest::newRow("the whole text selected, then 4") << 10 << 2 << "" << 0 << "75<END><SHIFT+HOME>4" << "      4.00" << 7 << 0 << "";
    QTest::newRow("a selected digit is replaced") << 10 << 2 << "" << 0 << "1234<SHIFT+LEFT>9" << "   1239.00" << 7 << 0 << "";
    QTest::newRow("a selected digit is cut") << 10 << 2 << "" << 0 << "1234<SHIFT+LEFT><BS>" << "    123.00" << 7 << 0 << "";
    // A key that is no digit never wipes the value it was typed over.
    QTest::newRow("a letter over a shown value keeps it") << 10 << 2 << "     75.25" << 10 << "x" << "     75.25" << 10 << 1 << "";
    QTest::newRow("a letter over the selected value keeps it") << 10 << 2 << "" << 0 << "75<END><SHIFT+HOME>x" << "     75.00" << 0 << 1 << "     75.00";
    QTest::newRow("+ over the selected value keeps it") << 10 << 2 << "" << 0 << "75-<END><SHIFT+HOME>+" << "    -75.00" << 0 << 1 << "    -75.00";
    QTest::newRow("double click, a letter, then 3") << 10 << 2 << "" << 0 << "75.25<DCLICK>x3" << "      3.00" << 7 << 1 << "";
    QTest::newRow("Backspace over the selected value clears it") << 10 << 2 << "" << 0 << "75<END><SHIFT+HOME><BS>" << "      0.00" << 7 << 0 << "";
    QTest::newRow("a letter later changes nothing") << 10 << 2 << "" << 0 << "75x" << "     75.00" << 7 << 0 << "";
    // No decimals.
    QTest::newRow("no decimals") << 5 << 0 << "" << 0 << "12" << "   12" << 5 << 0 << "";
    QTest::newRow("no decimals: the separator changes nothing") << 5 << 0 << "" << 0 << "12.3" << "  123" << 5 << 0 << "";
    QTest::newRow("no decimals: nor does a comma") << 5 << 0 << "" << 0 << "12,3" << "  123" << 5 << 0 << "";
    QTest::newRow("no decimals: full") << 5 << 0 << "" << 0 << "123456" << "12345" << 5 << 1 << "";
    QTest::newRow("no decimals: Backspace") << 5 << 0 << "" << 0 << "123<BS>" << "   12" << 5 << 0 << "";
  }
  void numericKeys()
  {
    QFETCH(int, length);
    QFETCH(int, decimals);
    QFETCH(QString, start);
    QFETCH(int, at);
    QFETCH(QString, keys);
    QFETCH(QString, shown);
    QFETCH(int, caret);
    QFETCH(int, beeps);
    QFETCH(QString, selected);
    Shown s;
    auto *edit = s.add(new Counting<RIGHTSLE>);
    edit->setFIELDSPEC(FIELDSPEC(QLatin1Char('N'), length, decimals));
    edit->setText(start);
    edit->setCursorPosition(at);
    type(edit, keys);
    QCOMPARE(edit->text(), shown);
    QCOMPARE(edit->cursorPosition(), caret);
    QCOMPARE(edit->selectedText(), selected);
    QCOMPARE(edit->beeps, beeps);
    QCOMPARE(edit->VALUE().toDouble(), FIELDSPEC::numberOf(shown));
  }

  // Pasted and dropped text goes in as the keys it is made of, at the caret
  // or over the selection; text that is no plain number, or that a key of
  // it would be refused for, leaves value and text as they were, with a
  // beep. Undo and the deleting shortcuts do not reach the number.
  void numericPasteAndDrop_data()
  {
    QTest::addColumn<QString>("how");      // paste, menu (context menu), drop, middle
    QTest::addColumn<QString>("keys");     // typed first
    QTest::addColumn<QString>("given");    // pasted or dropped
    QTest::addColumn<QString>("shown");
    QTest::addColumn<int>("beeps");
    for (const char *how : {"paste", "menu", "drop"}) {
      QTest::addRow("%s: letters and too many digits", how) << how << "75.25" << "abc12345678901" << "     75.25" << 1;
      QTest::addRow("%s: too many digits", how) << how << "75.25" << "12345678901" << "     75.25" << 1;
      QTest::addRow("%s: a decimal comma", how) << how << "" << "12,5" << "     12.50" << 0;
      QTest::addRow("%s: more decimals than the field", how) << how << "75" << "1.234" << "     75.00" << 1;
      QTest::addRow("%s: two separators", how) << how << "75" << "1,234.5" << "     75.00" << 1;
      QTest::addRow("%s: blanks around, a sign", how) << how << "" << " -3 " << "     -3.00" << 0;
      QTest::addRow("%s: empty text", how) << how << "75" << "" << "     75.00" << 0;
    }
    QTest::newRow("paste: over the selected value") << "paste" << "75<END><SHIFT+HOME>" << "4" << "      4.00" << 0;
    QTest::newRow("paste: at the caret") << "paste" << "75" << "12" << "   7512.00" << 0;
    QTest::newRow("undo") << "Ctrl+Z" << "75<BS>" << "" << "      7.00" << 0;
    QTest::newRow("delete to the line's end") << "Ctrl+K" << "75<HOME>" << "" << "     75.00" << 0;
  }
  void numericPasteAndDrop()
  {
    QFETCH(QString, how);
    QFETCH(QString, keys);
    QFETCH(QString, given);
    QFETCH(QString, shown);
    QFETCH(int, beeps);
    Shown s;
    auto *edit = s.add(new Counting<RIGHTSLE>);
    edit->setFIELDSPEC(FIELDSPEC(QLatin1Char('N'), 10, 2));
    type(edit, keys);
    const int typedBeeps = edit->beeps;
    QApplication::clipboard()->setText(given);
    if (how == QLatin1String("paste")) {
      QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
    } else if (how == QLatin1String("menu")) {
      openContextMenu(edit);
      QMenu *menu = edit->findChild<QMenu *>();
      QVERIFY(menu);
      const QString pasteKey = QKeySequence(QKeySequence::Paste).toString(QKeySequence::NativeText);
      QAction *paste = nullptr;
      for (QAction *action : menu->actions()) {
        if (action->text().endsWith(pasteKey))
          paste = action;
        // Nothing the menu offers changes the text but through the entry.
        const QString shownText = action->text().remove(QLatin1Char('&'));
        QVERIFY2(!action->isVisible() || action->isSeparator()
                     || QRegularExpression(QStringLiteral("^(Cut|Copy|Paste|Delete|Select All)\\b")).match(shownText).hasMatch(),
                 qPrintable(shownText));
      }
      QVERIFY(paste);
      paste->trigger();
      menu->close();
    } else if (how == QLatin1String("drop")) {
      QMimeData mime;
      mime.setText(given);
      const QPointF at(edit->width() / 2, edit->height() / 2);
      QDragEnterEvent enter(at.toPoint(), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
      QApplication::sendEvent(edit, &enter);
      const QString before = edit->text();
      QDropEvent drop(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
      QApplication::sendEvent(edit, &drop);
      // A refused drop takes nothing from where it came.
      QCOMPARE(drop.isAccepted(), edit->text() != before);
    } else {
      QTest::keyClick(edit, Qt::Key(QKeySequence(how)[0].key()), QKeySequence(how)[0].keyboardModifiers());
    }
    QCOMPARE(edit->text(), shown);
    QCOMPARE(edit->VALUE().toDouble(), FIELDSPEC::numberOf(shown));
    QCOMPARE(edit->beeps - typedBeeps, beeps);
  }

  // In a read-only numeric edit no key changes the text; the caret moves.
  void numericReadOnly()
  {
    Shown s;
    auto *edit = s.add(new Counting<RIGHTSLE>);
    edit->setFIELDSPEC(FIELDSPEC(QLatin1Char('N'), 10, 2));
    edit->setVALUE(75.25);
    edit->setReadOnly(true);
    edit->setCursorPosition(10);
    type(edit, QStringLiteral("3-.<BS><DEL><DCLICK>9"));
    QCOMPARE(edit->text(), QStringLiteral("     75.25"));
    QVERIFY(!edit->isModified());
    type(edit, QStringLiteral("<END><LEFT>"));
    QCOMPARE(edit->cursorPosition(), 9);
  }

  // Typing marks the edit modified; a value set by the program does not.
  void numericModified()
  {
    Shown s;
    auto *edit = s.add(new RIGHTSLE);
    edit->setFIELDSPEC(FIELDSPEC(QLatin1Char('N'), 10, 2));
    edit->setVALUE(1.5);
    QVERIFY(!edit->isModified());
    type(edit, QStringLiteral("2"));
    QVERIFY(edit->isModified());
    QCOMPARE(edit->VALUE().toDouble(), 2.0);
  }

  // The keypad's plus and minus step a shown date by a day; "+" and "-"
  // are never typed into a date, and beep when the text is no date.
  void dateKeys_data()
  {
    QTest::addColumn<QString>("start");
    QTest::addColumn<bool>("readOnly");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<int>("beeps");
    QTest::newRow("keypad plus") << "15.03.2010" << false << "<KP+>" << "16.03.2010" << 0;
    QTest::newRow("keypad minus") << "15.03.2010" << false << "<KP->" << "14.03.2010" << 0;
    QTest::newRow("into the next year") << "31.12.2010" << false << "<KP+>" << "01.01.2011" << 0;
    QTest::newRow("back to 29 February") << "01.03.2012" << false << "<KP->" << "29.02.2012" << 0;
    QTest::newRow("typed + and - are not typed") << "15.03.2010" << false << "+-" << "15.03.2010" << 0;
    QTest::newRow("no date: typed signs beep") << "15.13.2010" << false << "+-" << "15.13.2010" << 2;
    QTest::newRow("no date: the keypad beeps") << "" << false << "<KP+>" << "" << 1;
    QTest::newRow("read-only: no step") << "15.03.2010" << true << "<KP+><KP->" << "15.03.2010" << 0;
    QTest::newRow("other keys as typed") << "15.03.2010" << false << "<END><BS>1" << "15.03.2011" << 0;
  }
  void dateKeys()
  {
    QFETCH(QString, start);
    QFETCH(bool, readOnly);
    QFETCH(QString, keys);
    QFETCH(QString, shown);
    QFETCH(int, beeps);
    Shown s;
    auto *edit = s.add(new Counting<RIGHTSLE>);
    edit->setFIELDSPEC(FIELDSPEC::DATEFS());
    edit->setText(start);
    edit->setReadOnly(readOnly);
    type(edit, keys);
    QCOMPARE(edit->text(), shown);
    QCOMPARE(edit->beeps, beeps);
  }

  // The calendar opens on a double click and on the calendar command, on the
  // edit's date or today; a chosen date becomes the value, Esc keeps the
  // old one, and a read-only edit opens nothing.
  void calendarFromTheEdit_data()
  {
    QTest::addColumn<QString>("how");
    QTest::addColumn<QString>("start");
    QTest::addColumn<bool>("readOnly");
    QTest::addColumn<bool>("choose");
    QTest::addColumn<int>("opened");
    QTest::addColumn<QString>("shown");
    QTest::newRow("double click, chosen") << "dclick" << "15.03.2010" << false << true << 1 << "16.03.2010";
    QTest::newRow("double click, Esc") << "dclick" << "15.03.2010" << false << false << 1 << "15.03.2010";
    QTest::newRow("command, chosen") << "command" << "28.02.2011" << false << true << 1 << "01.03.2011";
    QTest::newRow("no date: opens on today") << "dclick" << "" << false << true << 1
                                              << rt::DToC(QDate::currentDate().addDays(1));
    QTest::newRow("read-only double click") << "dclick" << "15.03.2010" << true << true << 0 << "15.03.2010";
    QTest::newRow("read-only command") << "command" << "15.03.2010" << true << true << 0 << "15.03.2010";
    QTest::newRow("right button double click") << "rdclick" << "15.03.2010" << false << true << 0 << "15.03.2010";
  }
  void calendarFromTheEdit()
  {
    QFETCH(QString, how);
    QFETCH(QString, start);
    QFETCH(bool, readOnly);
    QFETCH(bool, choose);
    QFETCH(int, opened);
    QFETCH(QString, shown);
    Shown s;
    auto *edit = s.add(new RIGHTSLE);
    edit->setFIELDSPEC(FIELDSPEC::DATEFS());
    edit->FIRSTDAYOFTHEWEEK = 2;
    edit->setText(start);
    edit->setReadOnly(readOnly);
    CalendarAnswer answer(choose ? nextDay : escape);
    if (how == QLatin1String("dclick"))
      QTest::mouseDClick(edit, Qt::LeftButton, {}, QPoint(20, 12));
    else if (how == QLatin1String("rdclick"))
      QTest::mouseDClick(edit, Qt::RightButton, {}, QPoint(20, 12));
    else
      QVERIFY(edit->COMMAND(RIGHTSLE::CalendarCommand));
    QCOMPARE(answer.opened, opened);
    QCOMPARE(edit->text(), shown);
    if (opened) {
      QCOMPARE(answer.shownOn, start.isEmpty() ? QDate::currentDate() : rt::CToD(start));
      QCOMPARE(answer.firstDay, 2u);
      QCOMPARE(edit->isModified(), choose);
      QCOMPARE(edit->window()->focusWidget(), edit);
    }
  }

  // The owner window closed while the calendar is open takes the dialog
  // and the edit with it; nothing is used after that.
  void calendarOwnerClosed()
  {
    auto *owner = new QWidget;
    auto *edit = new DATESLE(owner);
    edit->setText(QStringLiteral("15.03.2010"));
    owner->show();
    QPointer<DATESLE> alive(edit);
    CalendarAnswer answer([&](DLGPECALENDAR *) { delete owner; });
    QTest::mouseClick(edit->button(), Qt::LeftButton);
    QCOMPARE(answer.opened, 1);
    QVERIFY(!alive);
  }

  // Command 7754 writes today; neither command acts on a field that is no date.
  void todayCommand()
  {
    RIGHTSLE edit;
    edit.setFIELDSPEC(FIELDSPEC::DATEFS());
    QVERIFY(edit.COMMAND(RIGHTSLE::TodayCommand));
    QCOMPARE(edit.VALUE().toDate(), QDate::currentDate());
    QCOMPARE(edit.text(), rt::DToC(QDate::currentDate()));
    RIGHTSLE plain;
    QVERIFY(!plain.COMMAND(RIGHTSLE::TodayCommand));
    QVERIFY(!plain.COMMAND(RIGHTSLE::CalendarCommand));
    QVERIFY(plain.text().isEmpty());
  }

  // A new DATESLE is empty, has its 30-pixel calendar button and the
  // Today / Calendar context menu; its week starts on Sunday.
  void newDateEdit()
  {
    Shown s;
    auto *edit = s.add(new DATESLE);
    QVERIFY(!edit->VALUE().toDate().isValid());
    QCOMPARE(edit->text(), QStringLiteral("  .  .    "));
    QCOMPARE(edit->FIRSTDAYOFTHEWEEK, 1u);
    QCOMPARE(edit->fieldSpec().type(), QLatin1Char('D'));
    QVERIFY(edit->button());
    QCOMPARE(edit->companionButton(), edit->button());
    QCOMPARE(edit->button()->width(), 30);
    QCOMPARE(edit->button()->geometry().right(), edit->rect().right());
    QVERIFY(edit->button()->isVisible());
    QCOMPARE(edit->button()->focusPolicy(), Qt::TabFocus);
    const QList<QAction *> items = edit->contextMenu()->actions();
    QCOMPARE(items.size(), 2);
    QCOMPARE(items.at(0)->text(), QStringLiteral("&Today"));
    QCOMPARE(items.at(1)->text(), QStringLiteral("&Calendar..."));
  }

  // The button opens the calendar unless the edit is read-only.
  void dateButton()
  {
    Shown s;
    auto *edit = s.add(new DATESLE);
    CalendarAnswer answer(nextDay);
    edit->setText(QStringLiteral("31.12.2010"));
    QTest::mouseClick(edit->button(), Qt::LeftButton);
    QCOMPARE(answer.opened, 1);
    QCOMPARE(answer.firstDay, 1u);
    QCOMPARE(edit->text(), QStringLiteral("01.01.2011"));
    QCOMPARE(edit->VALUE().toDate(), QDate(2011, 1, 1));

    edit->setReadOnly(true);
    QTest::mouseClick(edit->button(), Qt::LeftButton);
    QCOMPARE(answer.opened, 1);
  }

  // The context menu opens on the right button; its items act on the edit.
  void dateContextMenu()
  {
    Shown s;
    auto *edit = s.add(new DATESLE);
    openContextMenu(edit);
    QTRY_VERIFY(edit->contextMenu()->isVisible());
    QTest::keyClick(edit->contextMenu(), Qt::Key_T);
    QTRY_VERIFY(!edit->contextMenu()->isVisible());
    QCOMPARE(edit->VALUE().toDate(), QDate::currentDate());

    CalendarAnswer answer(escape);
    edit->setText(QStringLiteral("15.03.2010"));
    openContextMenu(edit);
    QTRY_VERIFY(edit->contextMenu()->isVisible());
    QTest::keyClick(edit->contextMenu(), Qt::Key_C);
    QTRY_COMPARE(answer.opened, 1);
    QCOMPARE(edit->text(), QStringLiteral("15.03.2010"));
  }

  // An edit without a field specification takes keys and double clicks as
  // the standard edit does.
  void plainEditAsStandard_data()
  {
    QTest::addColumn<QString>("keys");
    QTest::newRow("characters and signs") << "a-1.5+x";
    QTest::newRow("Backspace and Delete") << "abc<LEFT><BS><DEL>d";
    QTest::newRow("Home and End") << "12<HOME>3<END>4";
    QTest::newRow("keypad signs") << "1<KP+>2<KP->";
    QTest::newRow("double click selects a word") << "ab cd<DCLICK>";
    QTest::newRow("double click, then a key") << "ab cd<DCLICK>x";
  }
  void plainEditAsStandard()
  {
    QFETCH(QString, keys);
    Shown a;
    auto *edit = a.add(new Counting<RIGHTSLE>);
    Shown b;
    auto *standard = b.add(new QLineEdit);
    type(edit, keys);
    type(standard, keys);
    QCOMPARE(edit->text(), standard->text());
    QCOMPARE(edit->cursorPosition(), standard->cursorPosition());
    QCOMPARE(edit->selectedText(), standard->selectedText());
    QCOMPARE(edit->beeps, 0);
  }

  // DISABLE makes the edit read-only and ENABLE writable again; ENABLE does
  // not lift a read-only state its owner set.
  void disableEnable()
  {
    Shown s;
    auto *edit = s.add(new RIGHTSLE);
    edit->DISABLE();
    QVERIFY(edit->isReadOnly());
    QVERIFY(!edit->isEnabled());
    edit->ENABLE();
    QVERIFY(!edit->isReadOnly());
    QVERIFY(edit->isEnabled());
    type(edit, QStringLiteral("ok"));
    QCOMPARE(edit->text(), QStringLiteral("ok"));

    edit->setReadOnly(true);
    edit->DISABLE();
    edit->ENABLE();
    QVERIFY(edit->isReadOnly());
    QVERIFY(edit->isEnabled());
  }

  void zeroPad_data()
  {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("padded");
    QTest::newRow("number") << "   42" << "00042";
    QTest::newRow("decimals dropped") << "  7.6" << "00008";
    QTest::newRow("negative") << "  -42" << "-0042";
    QTest::newRow("text") << "abc" << "000";
  }
  void zeroPad()
  {
    QFETCH(QString, text);
    QFETCH(QString, padded);
    RIGHTSLE edit;
    edit.setText(text);
    QCOMPARE(edit.ZEROPAD(), padded);
  }

  void firstDayOfWeek()
  {
    RIGHTSLE edit;
    QVERIFY(edit.FIRSTDAYOFTHEWEEK >= 1 && edit.FIRSTDAYOFTHEWEEK <= 7);
    QCOMPARE(edit.FIRSTDAYOFTHEWEEK, unsigned(QLocale::system().firstDayOfWeek() % 7 + 1));
    QVERIFY(edit.LALIGNCALENDARLEFT);
  }

  // The pressed picture shows exactly while the mouse holds a normal button;
  // a two-state button latches on the first click and lets go on the second.
  void bitmapButton_data()
  {
    QTest::addColumn<bool>("twoState");
    QTest::addColumn<QString>("steps");  // p press, r release, c click, o/i move out/in, k Space
    QTest::addColumn<QString>("downs");  // LDOWN after each step
    QTest::newRow("normal press and release") << false << "pr" << "10";
    QTest::newRow("normal clicks") << false << "cc" << "00";
    QTest::newRow("two-state: first click latches") << true << "pr" << "11";
    QTest::newRow("two-state: second click releases") << true << "prpr" << "1110";
    QTest::newRow("two-state: three clicks") << true << "ccc" << "101";
    QTest::newRow("normal: held, out and back in") << false << "poir" << "1010";
    QTest::newRow("two-state: out and back in lets go") << true << "poir" << "1110";
    QTest::newRow("normal: Space") << false << "kk" << "00";
    QTest::newRow("two-state: Space latches and lets go") << true << "kk" << "10";
  }
  void bitmapButton()
  {
    QFETCH(bool, twoState);
    QFETCH(QString, steps);
    QFETCH(QString, downs);
    Shown s;
    auto *button = s.add(new WMBITMAPBUTTON);
    button->resize(30, 22);
    button->setLTWOSTATE(twoState);
    button->setPictures(filled(Qt::red), filled(Qt::blue));
    const QPoint middle(15, 11);
    for (int i = 0; i < steps.size(); ++i) {
      if (steps.at(i) == QLatin1Char('p'))
        QTest::mousePress(button, Qt::LeftButton, {}, middle);
      else if (steps.at(i) == QLatin1Char('r'))
        QTest::mouseRelease(button, Qt::LeftButton, {}, middle);
      else if (steps.at(i) == QLatin1Char('o'))
        QTest::mouseMove(button, QPoint(80, 11));
      else if (steps.at(i) == QLatin1Char('i'))
        QTest::mouseMove(button, middle);
      else if (steps.at(i) == QLatin1Char('k'))
        QTest::keyClick(button, Qt::Key_Space);
      else
        QTest::mouseClick(button, Qt::LeftButton, {}, middle);
      const bool down = downs.at(i) == QLatin1Char('1');
      QCOMPARE(button->LDOWN(), down);
      const QColor shown = button->grab().toImage().pixelColor(middle);
      QCOMPARE(shown, QColor(down ? Qt::blue : Qt::red));
    }
  }

  // The search goes to the owner through the signal, with the edit and its
  // text; the button asks nothing of a read-only edit.
  void search()
  {
    Shown s;
    auto *edit = s.add(new SEARCHSLE);
    QSignalSpy spy(edit, &SEARCHSLE::search);
    edit->setText(QStringLiteral("arpa"));
    QVERIFY(edit->button());
    QCOMPARE(edit->button()->width(), 30);
    QCOMPARE(edit->button()->geometry().right(), edit->rect().right());
    QTest::mouseDClick(edit, Qt::LeftButton, {}, QPoint(20, 12));
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).value<SEARCHSLE *>(), edit);
    QCOMPARE(spy.at(0).at(1).toString(), QStringLiteral("arpa"));
    QCOMPARE(edit->text(), QStringLiteral("arpa"));
    edit->setText(QStringLiteral("yulaf"));
    QTest::mouseClick(edit->button(), Qt::LeftButton);
    QCOMPARE(spy.count(), 2);
    QCOMPARE(spy.at(1).at(1).toString(), QStringLiteral("yulaf"));

    edit->setReadOnly(true);
    QTest::mouseClick(edit->button(), Qt::LeftButton);
    QCOMPARE(spy.count(), 2);
    QTest::mouseDClick(edit, Qt::LeftButton, {}, QPoint(20, 12));
    QCOMPARE(spy.count(), 3);
  }

  // The file button says what it chooses, whatever the dialog type was when
  // the edit was built, and opens that dialog.
  void fileButtonNamesItsChoice_data()
  {
    QTest::addColumn<int>("dialogType");
    QTest::addColumn<QString>("name");
    QTest::newRow("open a file") << 1 << "Dosya seç";
    QTest::newRow("choose a folder") << 2 << "Dizin seç";
    QTest::newRow("save a file") << 3 << "Dosya seç";
  }
  void fileButtonNamesItsChoice()
  {
    QFETCH(int, dialogType);
    QFETCH(QString, name);
    QWidget window;
    auto *edit = new PBFILESLE(&window);
    edit->NDIALOGTYPE = dialogType;
    edit->setGeometry(10, 10, 200, 24);
    window.resize(240, 60);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(edit->button()->toolTip(), name);
    QCOMPARE(edit->button()->accessibleName(), name);
    // Changed while shown: the tooltip asked for names the new choice.
    edit->NDIALOGTYPE = dialogType == 2 ? 1 : 2;
    QHelpEvent help(QEvent::ToolTip, QPoint(5, 5), edit->button()->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(edit->button(), &help);
    QCOMPARE(edit->button()->toolTip(),
             dialogType == 2 ? QStringLiteral("Dosya seç") : QStringLiteral("Dizin seç"));
    int asked = 0;
    FILESLE::setChooser([&](FILESLE *, int type, const QString &, const QString &) {
      asked = type;
      return QString();
    });
    QTest::mouseClick(edit->button(), Qt::LeftButton);
    FILESLE::setChooser({});
    QCOMPARE(asked, edit->NDIALOGTYPE);
  }

  // The timer edit on a clock the test moves: whole seconds, whole minutes
  // and minutes with hundredths of the runs since the last reset, in 64 bits.
  void timerStyles_data()
  {
    QTest::addColumn<int>("style");
    QTest::addColumn<QList<qint64>>("runs");  // milliseconds run, stopped between
    QTest::addColumn<QString>("shown");
    QTest::newRow("seconds") << 1 << QList<qint64>{150000} << "150";
    QTest::newRow("minutes") << 2 << QList<qint64>{150000} << "2";
    QTest::newRow("minutes and hundredths") << 3 << QList<qint64>{150000} << "2.50";
    QTest::newRow("stop and start continue") << 2 << QList<qint64>{150000, 30000} << "3";
    QTest::newRow("runs keep their fractions") << 1 << QList<qint64>{1500, 1500} << "3";
    QTest::newRow("ten runs of 0.9 s") << 1 << QList<qint64>(10, 900) << "9";
    QTest::newRow("ten runs of 0.9 s in minutes") << 3 << QList<qint64>(10, 900) << "0.15";
    QTest::newRow("beyond 18 hours") << 1 << QList<qint64>{100000000} << "100000";
    QTest::newRow("a day and more in minutes") << 2 << QList<qint64>{90000000} << "1500";
  }
  void timerStyles()
  {
    QFETCH(int, style);
    QFETCH(QList<qint64>, runs);
    QFETCH(QString, shown);
    TIMERSLE edit;
    qint64 now = 86399000;  // a second before midnight
    edit.setClock([&] { return now; });
    edit.setSTYLE(style);
    for (qint64 run : runs) {
      edit.START();
      now += run;
      edit.TIMER();
      edit.STOP();
      now += 60000;  // stopped for a minute: not counted
    }
    edit.TIMER();
    QCOMPARE(edit.text(), shown);
    QVERIFY(!edit.running());
  }

  void timerTicksResetAndTimeOfDay()
  {
    TIMERSLE edit;
    qint64 now = 0;
    edit.setClock([&] { return now; }, [] { return QTime(13, 45, 10); });
    edit.setINTERVAL(10);
    edit.START();
    QCOMPARE(edit.text(), QStringLiteral("0"));
    now = 5000;
    QTRY_COMPARE(edit.text(), QStringLiteral("5"));
    edit.START();  // already running: no new run
    now = 7000;
    QTRY_COMPARE(edit.text(), QStringLiteral("7"));

    edit.RESET();
    QVERIFY(!edit.running());
    QCOMPARE(edit.text(), QStringLiteral("0"));
    now = 20000;
    QTest::qWait(30);
    QCOMPARE(edit.text(), QStringLiteral("0"));

    edit.setSTYLE(0);
    edit.TIMER();
    QCOMPARE(edit.text(), QStringLiteral("13:45:10"));
    edit.setSTYLE(9);
    edit.setText(QStringLiteral("elle"));
    edit.TIMER();
    QCOMPARE(edit.text(), QStringLiteral("elle"));
  }
};

QTEST_MAIN(TestTypedEdits)
#include "tst_typededits.moc"
