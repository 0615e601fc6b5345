// The main window under random but plausible input: menu letters, Ctrl
// shortcuts, F1-F7, Enter, Escape, Tab, arrows, digits, letters, Turkish
// letters and clicks, on a copy of the example problem with the real
// dialogs and message boxes, every one of them answered. It passes when
// nothing crashes or asserts and the problem file still loads. The seed is
// fixed and printed; VZ_RANDOM_SEED runs or replays another.
#include "shellfixture.h"
#include "shell/ui/padwin.h"
#include "shell/ui/qtfilecommanddialogs.h"
#include "shell/ui/shellinteraction.h"
#include "shell/ui/standardshellwindow.h"

#include <QApplication>
#include <QScreen>
#include <QClipboard>
#include <QDialog>
#include <QElapsedTimer>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QAbstractButton>
#include <QSet>
#include <QRandomGenerator>
#include <QTimer>
#include <QtTest>

using namespace vz;
using namespace vz::test;

namespace {

QStringList g_ambiguous;
QtMessageHandler g_previous = nullptr;
void collect(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
  if (message.contains(QLatin1String("Ambiguous shortcut")))
    g_ambiguous.append(message);
  if (g_previous)
    g_previous(type, context, message);
}

// Where a user's key goes now: an open menu, a dialog, or the focus.
QWidget *keyTarget(QWidget *main)
{
  if (QWidget *popup = QApplication::activePopupWidget())
    return popup;
  if (QWidget *modal = QApplication::activeModalWidget())
    return modal->focusWidget() ? modal->focusWidget() : modal;
  if (QWidget *focus = QApplication::focusWidget())
    return focus;
  return main;
}

} // namespace

class TstRandomInput : public QObject {
  Q_OBJECT

private slots:
  // Fixed seeds, so that the suite stays repeatable; each row after the
  // first once found a fault. VZ_RANDOM_SEED runs (and replays) another.
  void randomEvents_data()
  {
    QTest::addColumn<quint32>("fixedSeed");
    QTest::newRow("everyday") << 20261210u;
    QTest::newRow("report closed twice before its deletion") << 2u;
  }

  void randomEvents()
  {
    QFETCH(quint32, fixedSeed);
    QTemporaryDir dir;
    g_ambiguous.clear();
    if (const QtMessageHandler before = qInstallMessageHandler(collect); before != collect)
      g_previous = before;
    QVERIFY(dir.isValid());
    QDir(dir.path()).mkpath(QStringLiteral("Data"));
    const QString example = dir.path() + QStringLiteral("/Data/ORNEK_SUT_INEGI.RVD");
    QVERIFY(QFile::copy(qEnvironmentVariable("VZ_SOURCE_DIR") + QStringLiteral("/examples/ORNEK_SUT_INEGI.RVD"), example));
    QFile::setPermissions(example, QFile::permissions(example) | QFileDevice::WriteOwner);
    closeSessionProblem();
    AppSession::instance().setProgramDir(dir.path());
    // No desktop calculator is started from a test.
    writeSetting(QStringLiteral("VKcalc"), QStringLiteral("/bin/true"));
    QApplication::clipboard()->clear();

    const quint32 seed = qEnvironmentVariableIsSet("VZ_RANDOM_SEED")
                             ? quint32(qEnvironmentVariableIntValue("VZ_RANDOM_SEED"))
                             : fixedSeed;
    qInfo("random input seed: %u (replay with VZ_RANDOM_SEED=%u)", seed, seed);
    QRandomGenerator random(seed);

    ShellInteraction ui;
    QtFileCommandDialogs dialogs;
    auto *window = new STANDARDSHELLWINDOW(ui, dialogs, StartupSettings());
    ui.setOwner(window);
    dialogs.setOwner(window);
    // Sized and placed as the program does it: well inside the screen.
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    window->resize(screen.width() * 4 / 5, screen.height() * 4 / 5);
    window->move(screen.topLeft() + QPoint(screen.width() / 10, screen.height() / 10));
    window->show();
    QApplication::setActiveWindow(window);
    QVERIFY(QTest::qWaitForWindowActive(window));
    QVERIFY(window->DOOPENFILE(example));

    // Every modal dialog is answered: Escape first, as a user leaves a box;
    // one that stays is closed.
    int answered = 0;
    QSet<QString> seenModal;
    QPointer<QWidget> lastModal;
    QTimer answerer;
    connect(&answerer, &QTimer::timeout, this, [&] {
      QWidget *modal = QApplication::activeModalWidget();
      if (!modal) {
        lastModal.clear();
        return;
      }
      auto *box = qobject_cast<QMessageBox *>(modal);
      if (modal == lastModal) {
        if (auto *dialog = qobject_cast<QDialog *>(modal))
          dialog->reject();
        else
          modal->close();
      } else if (box && box->windowTitle() != QLatin1String("Çıkış") && !box->buttons().isEmpty()) {
        // Any answer a user may give, but leaving the program.
        const QList<QAbstractButton *> buttons = box->buttons();
        buttons.at(random.bounded(buttons.size()))->click();
      } else {
        QTest::keyClick(modal->focusWidget() ? modal->focusWidget() : modal, Qt::Key_Escape);
      }
      lastModal = modal;
      seenModal.insert(QString::fromLatin1(modal->metaObject()->className()) + QLatin1Char(' ') + modal->windowTitle());
      ++answered;
    });
    answerer.start(15);

    const QString letters = QStringLiteral("abcdefghijklmnoprstuvyz");
    const QString turkish = QStringLiteral("çğıöşüÇĞİÖŞÜ");
    const QList<Qt::Key> ctrlKeys{Qt::Key_A, Qt::Key_B, Qt::Key_C, Qt::Key_E, Qt::Key_F, Qt::Key_K,
                                  Qt::Key_M, Qt::Key_O, Qt::Key_P, Qt::Key_T, Qt::Key_V, Qt::Key_X,
                                  Qt::Key_Y, Qt::Key_Home, Qt::Key_End};
    const QList<Qt::Key> moves{Qt::Key_Left, Qt::Key_Right, Qt::Key_Up, Qt::Key_Down, Qt::Key_Tab};
    QElapsedTimer clock;
    clock.start();
    QSet<QString> seenWindows;
    // VZ_RANDOM_TRACE lists every event and where it went.
    const bool trace = qEnvironmentVariableIsSet("VZ_RANDOM_TRACE");
    for (int i = 0; i < 2000; ++i) {
      // The help window may take the activation; the user comes back.
      if (!QApplication::activeModalWidget() && !QApplication::activePopupWidget()
          && QApplication::activeWindow() != window)
        QApplication::setActiveWindow(window);
      if (QMdiSubWindow *sub = window->mdiArea()->activeSubWindow())
        seenWindows.insert(QString::fromLatin1(sub->widget()->metaObject()->className()));
      QWidget *target = keyTarget(window);
      const int kind = int(random.bounded(100));
      if (trace)
        qInfo("%d: kind %d to %s %s", i, kind, target->metaObject()->className(), qPrintable(target->objectName()));
      if (kind < 6) {  // a menu letter
        QTest::keyClick(target, Qt::Key(Qt::Key_A + random.bounded(26)), Qt::AltModifier);
      } else if (kind < 20) {
        QTest::keyClick(target, ctrlKeys.at(random.bounded(ctrlKeys.size())), Qt::ControlModifier);
      } else if (kind < 28) {
        QTest::keyClick(target, Qt::Key(Qt::Key_F1 + random.bounded(7)));
      } else if (kind < 36) {
        QTest::keyClick(target, Qt::Key_Return);
      } else if (kind < 41) {
        QTest::keyClick(target, Qt::Key_Escape);
      } else if (kind < 58) {
        QTest::keyClick(target, moves.at(random.bounded(moves.size())));
      } else if (kind < 70) {
        QTest::keyClick(target, char('0' + random.bounded(10)));
      } else if (kind < 80) {
        QTest::keyClick(target, letters.at(random.bounded(letters.size())).toLatin1());
      } else if (kind < 86) {
        const QChar c = turkish.at(random.bounded(turkish.size()));
        QTest::sendKeyEvent(QTest::Click, target, Qt::Key_unknown, QString(c), Qt::NoModifier);
      } else {
        QWidget *top = QApplication::activePopupWidget();
        if (!top)
          top = QApplication::activeModalWidget();
        if (!top)
          top = window;
        const QPoint at(int(random.bounded(qMax(1, top->width()))), int(random.bounded(qMax(1, top->height()))));
        QWidget *child = top->childAt(at);
        QWidget *under = child ? child : top;
        QTest::mouseClick(under, kind < 97 ? Qt::LeftButton : Qt::RightButton, {}, under->mapFrom(top, at));
      }
      QApplication::processEvents();
      QVERIFY2(clock.elapsed() < 50000, qPrintable(QStringLiteral("too slow at event %1").arg(i)));
    }
    qInfo("%d modal dialogs answered; dialogs: %s; child windows: %s", answered,
          qPrintable(QStringList(seenModal.values()).join(QStringLiteral(", "))),
          qPrintable(QStringList(seenWindows.values()).join(QStringLiteral(", "))));
    QCOMPARE(g_ambiguous, QStringList());

    // Left without the exit questions.
    for (QWidget *w : QApplication::topLevelWidgets())
      if (auto *menu = qobject_cast<QMenu *>(w))
        menu->close();
    for (PADWIN *pad : window->findChildren<PADWIN *>())
      pad->LCHANGE(false);
    closeSessionProblem();
    // A value still in a cell editor is committed as the window goes; its
    // message is answered too.
    delete window;
    answerer.stop();

    ProblemFile file;
    QVERIFY2(file.open(example), qPrintable(QStringLiteral("seed %1").arg(seed)));
    RationProblem reloaded;
    file.AKTPRODIZOLUSTUR(reloaded);
    file.close();
    QVERIFY(!reloaded.feeds.isEmpty() || !reloaded.nutrients.isEmpty() || reloaded.matrix.isEmpty());
    qInstallMessageHandler(g_previous);
  }
};

QTEST_MAIN(TstRandomInput)
#include "tst_randominput.moc"
