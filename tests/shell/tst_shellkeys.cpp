// Which keys are live: at any moment exactly the shortcuts of the active
// window's own menu and tool bar, pressed as real key events. Every menu bar
// and menu of every window gives each letter to one item, and every key an
// item shows runs that item.
#include "../editing/referencefixture.h"
#include "shellfixture.h"
#include "scriptedinteraction.h"
#include "editing/ui/entrywindow.h"
#include "editing/ui/kw_manwin.h"
#include "editing/ui/mmat_browser.h"
#include "editing/ui/oabs_browser.h"
#include "editing/ui/stddatawindow.h"
#include "controls/jqrichedit.h"
#include "shell/menuids.h"
#include "shell/ui/emptyshellmenu.h"
#include "shell/ui/helpwindow.h"
#include "shell/ui/padwin.h"
#include "shell/ui/standardshellwindow.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QTextBrowser>
#include <QToolBar>
#include <QtTest>

using namespace vz;
using namespace vz::test;

namespace {

// Catches every shortcut delivered to an action, without running the command.
class ShortcutCatcher : public QObject {
public:
  QList<QAction *> hits;
  bool ambiguous = false;
  bool eventFilter(QObject *watched, QEvent *event) override
  {
    if (event->type() != QEvent::Shortcut)
      return false;
    if (static_cast<QShortcutEvent *>(event)->isAmbiguous())
      ambiguous = true;
    if (auto *a = qobject_cast<QAction *>(watched))
      hits.append(a);
    return true;
  }
};

QStringList g_warnings;
QtMessageHandler g_previous = nullptr;
void collect(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
  if (message.contains(QLatin1String("Ambiguous shortcut")))
    g_warnings.append(message);
  if (g_previous)
    g_previous(type, context, message);
}

void menuActions(QMenu *menu, QList<QAction *> &out)
{
  for (QAction *a : menu->actions()) {
    if (a->menu())
      menuActions(a->menu(), out);
    else if (!a->isSeparator())
      out.append(a);
  }
}

// The letter a caption's "&" marks; a null character when there is none.
QChar mnemonic(const QString &caption)
{
  for (qsizetype i = 0; i + 1 < caption.size(); ++i) {
    if (caption.at(i) != QLatin1Char('&'))
      continue;
    if (caption.at(i + 1) != QLatin1Char('&'))
      return caption.at(i + 1);
    ++i;
  }
  return QChar();
}

// Two letters one key reaches: Qt matches the upper case of the key typed
// ("i" and "ı" both reach "I"), and a Turkish reader takes "i" and "İ" for
// one letter, "ı" and "I" for another.
bool sameLetter(QChar a, QChar b)
{
  const auto turkish = [](QChar c) {
    if (c == QChar(0x130) || c == QLatin1Char('i'))
      return QChar(QLatin1Char('i'));
    if (c == QLatin1Char('I') || c == QChar(0x131))
      return QChar(0x131);
    return c.toLower();
  };
  return a.toUpper() == b.toUpper() || turkish(a) == turkish(b);
}

// The items of a menu bar or menu that share a letter with an earlier one.
QStringList sharedMnemonics(const QList<QAction *> &actions, const QString &where)
{
  QStringList faults;
  QList<QAction *> seen;
  for (QAction *a : actions) {
    if (a->isSeparator() || !a->isVisible())
      continue;
    const QChar letter = mnemonic(a->text());
    if (letter.isNull())
      continue;
    for (QAction *b : std::as_const(seen))
      if (sameLetter(letter, mnemonic(b->text())))
        faults.append(QStringLiteral("%1: \"%2\" and \"%3\"").arg(where, b->text(), a->text()));
    seen.append(a);
  }
  return faults;
}

// `menu` and the menus it holds.
void collectMenus(QMenu *menu, QList<QMenu *> &out)
{
  if (!menu || out.contains(menu))
    return;
  out.append(menu);
  for (QAction *a : menu->actions())
    collectMenus(a->menu(), out);
}

// The popup a menu bar keeps for the items it has no room for repeats them.
bool isMenuBarOverflow(const QMenu *menu)
{
  for (const QObject *o = menu->parent(); o; o = o->parent()) {
    if (o->objectName().startsWith(QLatin1String("qt_menubar_ext")))
      return true;
    if (auto *bar = qobject_cast<const QMenuBar *>(o))
      return !bar->actions().contains(menu->menuAction());
  }
  return false;
}

// The key a caption shows after its tab, else the action's own.
QKeySequence shownKey(const QAction *a)
{
  const QString shown = a->text().section(QLatin1Char('\t'), 1);
  return shown.isEmpty() ? a->shortcut() : QKeySequence::fromString(shown, QKeySequence::PortableText);
}

// Presses `key` in `focus` as a user does, the shortcuts it reaches caught by
// `catcher`; true when the focused control took the key for itself.
bool press(QWidget *focus, QKeyCombination key, ShortcutCatcher &catcher)
{
  QKeyEvent override(QEvent::ShortcutOverride, key.key(), key.keyboardModifiers());
  override.ignore();
  QApplication::sendEvent(focus, &override);
  catcher.hits.clear();
  QTest::keyClick(focus, key.key(), key.keyboardModifiers());
  return override.isAccepted();
}

// Qt's own rule for a live shortcut, as far as these windows need it.
bool widgetLive(Qt::ShortcutContext context, QWidget *w)
{
  if (!w->isVisible() || !w->isEnabled())
    return false;
  QWidget *focus = QApplication::focusWidget();
  switch (context) {
  case Qt::ApplicationShortcut: return true;
  case Qt::WindowShortcut: return w->window() == QApplication::activeWindow();
  case Qt::WidgetShortcut: return w == focus;
  case Qt::WidgetWithChildrenShortcut:
    for (QWidget *f = focus; f; f = f->parentWidget())
      if (f == w)
        return true;
    return false;
  }
  return false;
}

bool actionLive(QAction *action, Qt::ShortcutContext context)
{
  for (QObject *o : action->associatedObjects()) {
    if (auto *menu = qobject_cast<QMenu *>(o)) {
      if (actionLive(menu->menuAction(), context))
        return true;
    } else if (auto *w = qobject_cast<QWidget *>(o)) {
      if (widgetLive(context, w))
        return true;
    }
  }
  return false;
}

} // namespace

class TstShellKeys : public QObject {
  Q_OBJECT

  QTemporaryDir m_dir;
  ScriptedInteraction *m_ui = nullptr;
  ScriptedFileDialogs *m_dialogs = nullptr;
  STANDARDSHELLWINDOW *m_window = nullptr;

  QString example() const { return m_dir.path() + QStringLiteral("/Data/ORNEK_SUT_INEGI.RVD"); }

  // Opens the window the case names and puts the focus where a user types.
  QWidget *openWindow(const QString &which)
  {
    QWidget *focus = m_window->mdiArea();
    if (which == QLatin1String("report") || which.startsWith(QLatin1String("report+"))) {
      m_window->routeEvent("REPORTPAD");
      auto *pad = qobject_cast<PADWIN *>(m_window->mdiArea()->activeSubWindow()->widget());
      focus = pad ? static_cast<QWidget *>(pad->ODCRICHEDIT) : nullptr;
    }
    const QString entry = which.section(QLatin1Char('+'), -1);
    if (entry == QLatin1String("RM_YAZIM")) {
      if (!writeReference(m_dir.path()))
        return nullptr;
      m_ui->logOnAnswers.enqueue({true, QStringLiteral("ali")});
      m_window->routeEvent("RM_YAZIM");
      STDDATAWINDOW *matrix = STDDATAWINDOW::find(m_window->mdiArea());
      focus = matrix ? static_cast<QWidget *>(matrix->browser()) : nullptr;
    } else if (entry != QLatin1String("main") && entry != QLatin1String("report")) {
      m_window->routeEvent(entry.toLatin1());
      QMdiSubWindow *sub = m_window->mdiArea()->activeSubWindow();
      if (!sub)
        return nullptr;
      if (auto *w = qobject_cast<EntryWindow *>(sub->widget()))
        focus = w->browser();
      else if (auto *m = qobject_cast<KW_MANWIN *>(sub->widget()))
        focus = m->upperGrid();
    }
    if (focus)
      focus->setFocus();
    QApplication::processEvents();
    return focus;
  }

  QList<QAction *> liveMenuActions() const
  {
    QList<QAction *> list;
    for (QAction *a : m_window->menuBar()->actions())
      if (a->menu())
        menuActions(a->menu(), list);
    return list;
  }

private slots:
  void initTestCase()
  {
    g_previous = qInstallMessageHandler(collect);
  }

  void init()
  {
    QVERIFY(m_dir.isValid());
    QDir(m_dir.path()).mkpath(QStringLiteral("Data"));
    QFile::remove(example());
    QVERIFY(QFile::copy(qEnvironmentVariable("VZ_SOURCE_DIR") + QStringLiteral("/examples/ORNEK_SUT_INEGI.RVD"), example()));
    QFile::setPermissions(example(), QFile::permissions(example()) | QFileDevice::WriteOwner);
    closeSessionProblem();
    AppSession::instance().setProgramDir(m_dir.path());
    m_ui = new ScriptedInteraction;
    m_dialogs = new ScriptedFileDialogs;
    m_window = new STANDARDSHELLWINDOW(*m_ui, *m_dialogs, StartupSettings());
    m_window->resize(900, 640);
    m_window->show();
    QApplication::setActiveWindow(m_window);
    QVERIFY(QTest::qWaitForWindowActive(m_window));
    QVERIFY(m_window->DOOPENFILE(example()));
    g_warnings.clear();
  }

  void cleanup()
  {
    if (STDDATAWINDOW *matrix = STDDATAWINDOW::find(m_window->mdiArea())) {
      m_ui->yesNoAnswers.clear();
      m_ui->yesNoAnswers.enqueue(false);
      matrix->CLOSE();
    }
    closeSessionProblem();
    // Report windows left with edits would ask on the way out.
    for (PADWIN *pad : m_window->findChildren<PADWIN *>())
      pad->LCHANGE(false);
    delete m_window;
    m_window = nullptr;
    delete m_dialogs;
    delete m_ui;
  }

  void windows_data()
  {
    QTest::addColumn<QString>("which");
    QTest::newRow("main window") << QStringLiteral("main");
    QTest::newRow("feedstuffs") << QStringLiteral("YM_GIRIS");
    QTest::newRow("nutrients") << QStringLiteral("BM_GIRIS");
    QTest::newRow("ratios") << QStringLiteral("BMO_GIRIS");
    QTest::newRow("matrix") << QStringLiteral("AMAT_GIRIS");
    QTest::newRow("manual ration") << QStringLiteral("KW_MANUEL_COZUM");
    QTest::newRow("reference matrix") << QStringLiteral("RM_YAZIM");
    QTest::newRow("report window") << QStringLiteral("report");
    QTest::newRow("feedstuffs over a report window") << QStringLiteral("report+YM_GIRIS");
    QTest::newRow("matrix over a report window") << QStringLiteral("report+AMAT_GIRIS");
  }

  // Every shortcut of the menu in the menu bar reaches its own action and
  // no other; the text control may take its clipboard keys itself.
  void windows()
  {
    QFETCH(QString, which);
    QWidget *focus = openWindow(which);
    QVERIFY(focus);
    QCOMPARE(QApplication::focusWidget(), focus);

    ShortcutCatcher catcher;
    const QList<QAction *> all = m_window->findChildren<QAction *>();
    for (QAction *a : all)
      a->installEventFilter(&catcher);

    int pressed = 0;
    for (QAction *action : liveMenuActions()) {
      if (action->shortcut().isEmpty() || !action->isEnabled())
        continue;
      const bool taken = press(focus, action->shortcut()[0], catcher);
      ++pressed;
      const QString what = action->text() + QLatin1Char(' ') + action->shortcut().toString();
      if (taken) {
        QVERIFY2(catcher.hits.isEmpty(), qPrintable(what + QStringLiteral(": taken by the focus widget yet an action ran")));
      } else {
        QVERIFY2(catcher.hits.size() == 1, qPrintable(what + QStringLiteral(": %1 actions").arg(catcher.hits.size())));
        if (catcher.hits.first() != action)
          QFAIL(qPrintable(what + QStringLiteral(" ran ") + catcher.hits.first()->text()));
      }
      QVERIFY2(!catcher.ambiguous, qPrintable(what));
    }
    QVERIFY(pressed >= 4);
    QCOMPARE(g_warnings, QStringList());

    // No key is bound twice among the actions live now.
    QHash<QKeySequence, QAction *> seen;
    for (QAction *a : all) {
      if (!a->isEnabled())
        continue;
      for (const QKeySequence &key : a->shortcuts()) {
        if (!actionLive(a, a->shortcutContext()))
          continue;
        if (seen.contains(key) && seen.value(key) != a)
          QFAIL(qPrintable(key.toString() + QLatin1Char(' ') + a->text() + QStringLiteral(" / ")
                           + seen.value(key)->text()));
        seen.insert(key, a);
      }
    }
    // The main tool bar shows only while the main menu does.
    QCOMPARE(m_window->mainMenu()->toolBar()->isVisible(), which == QLatin1String("main"));
  }

  void mnemonicsAndShownKeys_data() { windows_data(); }

  // The window's menu bar, every menu in it and every context menu of the
  // window: one item a letter, and each key a caption shows runs that item
  // (or the command it repeats, as a context menu's items do), or is the
  // focused control's own (the clipboard keys of a text).
  void mnemonicsAndShownKeys()
  {
    QFETCH(QString, which);
    QWidget *focus = openWindow(which);
    QVERIFY(focus);

    QStringList faults = sharedMnemonics(m_window->menuBar()->actions(), QStringLiteral("menu bar"));
    QList<QMenu *> menus;
    for (QAction *a : m_window->menuBar()->actions())
      collectMenus(a->menu(), menus);
    if (QMdiSubWindow *sub = m_window->mdiArea()->activeSubWindow())
      for (QMenu *context : sub->widget()->findChildren<QMenu *>())
        if (!isMenuBarOverflow(context))
          collectMenus(context, menus);
    QVERIFY(menus.size() >= 4);
    for (QMenu *menu : std::as_const(menus))
      faults += sharedMnemonics(menu->actions(), menu->title().isEmpty() ? QStringLiteral("context menu") : menu->title());

    ShortcutCatcher catcher;
    for (QAction *a : m_window->findChildren<QAction *>())
      a->installEventFilter(&catcher);
    int pressed = 0;
    for (QMenu *menu : std::as_const(menus)) {
      for (QAction *action : menu->actions()) {
        const QKeySequence key = shownKey(action);
        if (action->menu() || key.isEmpty() || !action->isEnabled())
          continue;
        const bool taken = press(focus, key[0], catcher);
        ++pressed;
        const QString what = QStringLiteral("%1 \"%2\" %3").arg(menu->title(), action->text().section(QLatin1Char('\t'), 0, 0), key.toString());
        const QByteArray event = action->property("vzEvent").toByteArray();
        if (catcher.hits.isEmpty()) {
          if (!taken)
            faults.append(what + QStringLiteral(" runs nothing"));
        } else if (catcher.hits.first() != action
                   && (event.isEmpty() || catcher.hits.first()->property("vzEvent").toByteArray() != event)) {
          faults.append(what + QStringLiteral(" runs \"") + catcher.hits.first()->text() + QLatin1Char('"'));
        }
      }
    }
    QVERIFY(pressed >= 4);
    if (!faults.isEmpty())
      QFAIL(qPrintable(faults.join(QLatin1Char('\n'))));
  }

  // The faults the keys used to cause, with the commands really running.
  void keysInAnEntryWindow()
  {
    QWidget *grid = openWindow(QStringLiteral("YM_GIRIS"));
    QVERIFY(grid);
    QTest::keyClick(grid, Qt::Key_P, Qt::ControlModifier);  // not "Ka&pat"
    QVERIFY(AppSession::instance().isProblemOpen());
    QTest::keyClick(grid, Qt::Key_Y, Qt::ControlModifier);  // not "&Yeni"
    QCOMPARE(m_ui->texts(QStringLiteral("newname")), QStringList());
    QTest::keyClick(grid, Qt::Key_A, Qt::ControlModifier);  // not "&Aç"
    QCOMPARE(m_dialogs->asked, QStringList());
    QVERIFY(m_window->mdiArea()->activeSubWindow());
    QTest::keyClick(grid, Qt::Key_F1);
    QVERIFY(m_window->helpDisplay()->isVisible());
    QCOMPARE(m_window->helpDisplay()->browser()->documentTitle(), QStringLiteral("Yardım İndeksi"));
    QCOMPARE(g_warnings, QStringList());
  }

  void commandsAskTheMenuRuleAfterCopyBack_data()
  {
    QTest::addColumn<QByteArray>("command");
    QTest::addColumn<int>("item");
    QTest::newRow("optimal") << QByteArray("KW_OPT_COZUM") << int(menuid::Optimal);
    QTest::newRow("manual") << QByteArray("KW_MANUEL_COZUM") << int(menuid::Manuel);
    QTest::newRow("active matrix report") << QByteArray("AMATREPORT") << int(menuid::AktifMatris);
  }

  // Every nutrient deleted in an open window: the command, still offered
  // while the window held the edit, finds the 2 x 2 rule broken once the
  // table is back, and stops.
  void commandsAskTheMenuRuleAfterCopyBack()
  {
    QFETCH(QByteArray, command);
    QFETCH(int, item);
    QVERIFY(m_window->routeEvent("BM_GIRIS"));
    auto *window = qobject_cast<EntryWindow *>(m_window->mdiArea()->activeSubWindow()->widget());
    QVERIFY(window && window->kind() == EntryKind::Nutrients);
    while (window->table().rowCount() > 0)
      QVERIFY(window->table().DODELETE(1));
    QVERIFY(m_window->mainMenu()->item(item)->isEnabled());
    const QStringList before = QDir(m_dir.path() + QStringLiteral("/Data")).entryList(QDir::Files);

    m_window->routeEvent(command);
    QVERIFY(AppSession::instance().problem().nutrients.isEmpty());
    QVERIFY(!m_window->mainMenu()->item(item)->isEnabled());
    QCOMPARE(QDir(m_dir.path() + QStringLiteral("/Data")).entryList(QDir::Files), before);
    QCOMPARE(m_window->mdiArea()->subWindowList().size(), 0);
    QCOMPARE(AppSession::instance().currentReportFile(), QString());
  }
};

QTEST_MAIN(TstShellKeys)
#include "tst_shellkeys.moc"
