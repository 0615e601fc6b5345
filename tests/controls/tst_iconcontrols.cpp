// The icon push buttons, the hyperlink text and the bitmap list box driven
// offscreen with real key and mouse events, and a gallery window of all three
// that must be readable.
#include "controls/bitmaplistbox.h"
#include "controls/fixedtexthyperlink.h"
#include "controls/iconpushbutton.h"
#include "controls/windowicons.h"
#include "controlgallery.h"
#include "scriptedinteraction.h"

#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QDir>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QVBoxLayout>

using namespace vz;

namespace {

QPixmap filled(int w, int h, Qt::GlobalColor c)
{
  QPixmap pm(w, h);
  pm.fill(c);
  return pm;
}

QString bare(QString text)
{
  return text.remove(QRegularExpression(QStringLiteral("&(?!&)")));
}

// Every text-bearing control at least as wide and high as its text needs, and
// the window no larger than 1024 x 768.
QStringList readabilityProblems(QWidget *window)
{
  QStringList problems;
  if (window->width() > 1024 || window->height() > 768)
    problems << QStringLiteral("window %1 x %2").arg(window->width()).arg(window->height());
  const auto check = [&](QWidget *w, const QString &text) {
    if (!w->isVisible() || text.isEmpty())
      return;
    const QFontMetrics fm(w->font());
    const QSize need = fm.size(Qt::TextShowMnemonic, text);
    if (w->width() < need.width() || w->height() < fm.height() || w->width() < w->minimumSizeHint().width())
      problems << QStringLiteral("%1 \"%2\": %3 x %4, needs %5")
                      .arg(QString::fromLatin1(w->metaObject()->className()), bare(text))
                      .arg(w->width()).arg(w->height()).arg(need.width());
  };
  for (QLabel *l : window->findChildren<QLabel *>())
    if (!l->wordWrap())
      check(l, l->text());
  for (QAbstractButton *b : window->findChildren<QAbstractButton *>())
    check(b, b->text());
  for (QGroupBox *g : window->findChildren<QGroupBox *>())
    check(g, g->title());
  return problems;
}

} // namespace

class TestIconControls : public QObject {
  Q_OBJECT
  QTemporaryDir m_dir;

private slots:
  void listIdsAndOrder()
  {
    BITMAPLISTBOX list;
    QCOMPARE(list.GETACTIVEID(), -1);
    QCOMPARE(list.GETACTIVEVALUE(), QVariant(QString()));
    QVERIFY(list.EMPTY());
    QCOMPARE(list.ADDNODE(QStringLiteral("bir"), 1, QVariant(), 0, QString(), 0), 2);
    QCOMPARE(list.ADDNODE(QStringLiteral("iki"), 2, QVariant(), 0, QString(), 0), 3);
    QCOMPARE(list.ADDNODE(QStringLiteral("üç"), 3, QVariant(), 0, QString(), 0), 4);
    // Shown in reverse, kept in id order, each still found.
    QCOMPARE(list.rowOfId(4), 0);
    QCOMPARE(list.rowOfId(2), 2);
    QCOMPARE(list.ALISTBOX().first().id, 2);
    QCOMPARE(list.idOfValue(2), 3);
    QCOMPARE(list.node(3)->text, QStringLiteral("iki"));
    list.setCurrentRow(1);
    QCOMPARE(list.NACTIVEINDEX, 1);
    QCOMPARE(list.GETACTIVEID(), 3);
    QCOMPARE(list.GETACTIVEVALUE(), QVariant(2));
    list.SETACTIVETEXT(QStringLiteral("İKİ"));
    list.SETACTIVEVALUE(22);
    QCOMPARE(list.node(3)->text, QStringLiteral("İKİ"));
    QCOMPARE(list.idOfValue(22), 3);
    list.NDROPINDEX = 2;
    QCOMPARE(list.GETDROPPEDID(), 2);
    QCOMPARE(list.GETDROPPEDVALUE(), QVariant(1));

    // -1, or a position past the last row, adds at the end.
    const int atEnd = list.ADDNODE(QStringLiteral("dört"), 4, QVariant(), 0, QString(), -1);
    QCOMPARE(list.rowOfId(atEnd), 3);
    const int pastEnd = list.ADDNODE(QStringLiteral("beş"), 5, QVariant(), 0, QString(), 99);
    QCOMPARE(list.rowOfId(pastEnd), 4);
    QCOMPARE(list.rowOfId(4), 0);

    list.LISTCLEAR();
    QVERIFY(list.EMPTY());
    QCOMPARE(list.count(), 0);
    QCOMPARE(list.ADDNODE(QStringLiteral("altı")), 7);
  }

  // The node asked for goes, with its own row, whichever row is active.
  void removeTheNodeAskedFor()
  {
    BITMAPLISTBOX list;
    const int a = list.ADDNODE(QStringLiteral("a"), 1);
    const int b = list.ADDNODE(QStringLiteral("b"), 2);
    const int c = list.ADDNODE(QStringLiteral("c"), 3);
    list.setCurrentRow(0);
    QVERIFY(list.REMOVENODE(c));
    QCOMPARE(list.count(), 2);
    QVERIFY(!list.node(c));
    QCOMPARE(list.rowOfId(a), 0);
    QCOMPARE(list.rowOfId(b), 1);
    QVERIFY(!list.REMOVENODE(c));  // gone already
    QVERIFY(!list.REMOVENODE(99));
    QCOMPARE(list.count(), 2);

    int asked = 0;
    list.BONDELETE = [&](BITMAPLISTBOX *) { ++asked; return true; };
    QVERIFY(!list.REMOVENODE(a));
    QCOMPARE(asked, 1);
    QCOMPARE(list.count(), 2);
    QVERIFY(list.node(a));
  }

  void keys()
  {
    BITMAPLISTBOX list;
    for (const char *t : {"bir", "iki", "üç"})
      list.ADDNODE(QString::fromUtf8(t), QString::fromUtf8(t));
    list.show();
    QVERIFY(QTest::qWaitForWindowExposed(&list));
    list.setFocus();
    list.setCurrentRow(0);
    QTest::keyClick(&list, Qt::Key_Down);
    QTest::keyClick(&list, Qt::Key_Down);
    QCOMPARE(list.NACTIVEINDEX, 2);
    QTest::keyClick(&list, Qt::Key_Down);  // already on the last row
    QCOMPARE(list.NACTIVEINDEX, 2);
    QTest::keyClick(&list, Qt::Key_Up);
    QCOMPARE(list.GETACTIVEVALUE().toString(), QStringLiteral("iki"));

    QTest::keyClick(&list, Qt::Key_Delete);
    QCOMPARE(list.count(), 2);
    QCOMPARE(list.idOfValue(QStringLiteral("iki")), 0);
    QCOMPARE(list.GETACTIVEVALUE().toString(), QStringLiteral("üç"));

    int asked = 0;
    list.BONDELETE = [&](BITMAPLISTBOX *) { ++asked; return false; };
    QTest::keyClick(&list, Qt::Key_Delete, Qt::KeypadModifier);  // the keypad's Delete
    QCOMPARE(list.count(), 1);
    QTest::keyClick(&list, Qt::Key_Delete);
    QCOMPARE(list.count(), 0);
    QCOMPARE(asked, 2);
    QTest::keyClick(&list, Qt::Key_Delete);  // empty: BONDELETE not asked
    QCOMPARE(asked, 2);
  }

  void doubleClick()
  {
    BITMAPLISTBOX list;
    list.NBITMAPHEIGHT = 20;
    list.ADDNODE(QStringLiteral("Arpa"), QStringLiteral("ARPA"));
    list.ADDNODE(QStringLiteral("Yulaf"), QStringLiteral("YULAF"));
    list.resize(200, 100);
    list.show();
    QVERIFY(QTest::qWaitForWindowExposed(&list));
    const QPoint second = list.visualItemRect(list.item(1)).center();
    QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, second);  // no block: nothing
    QStringList got;
    list.BONMOUSEDBLCLK = [&](BITMAPLISTBOX *box, const QVariant &value) {
      QCOMPARE(box, &list);
      got << value.toString();
    };
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, second);
    QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, second);
    QCOMPARE(got, QStringList{QStringLiteral("YULAF")});
    QVERIFY(!list.mouseButtonDown());
  }

  // The active row keeps its highlight while the focus is elsewhere; with
  // the focus on the list, the current row shows a focus frame instead and
  // no row is highlighted.
  void rowHighlight_data()
  {
    QTest::addColumn<bool>("listFocused");
    QTest::addColumn<int>("current");
    QTest::addColumn<QString>("highlighted");  // per row: 1 highlighted, 0 not
    QTest::newRow("focus elsewhere, second row active") << false << 1 << "010";
    QTest::newRow("focus elsewhere, last row active") << false << 2 << "001";
    QTest::newRow("focus on the list") << true << 1 << "000";
  }
  void rowHighlight()
  {
    QFETCH(bool, listFocused);
    QFETCH(int, current);
    QFETCH(QString, highlighted);
    QWidget window;
    auto *layout = new QVBoxLayout(&window);
    auto *list = new BITMAPLISTBOX;
    auto *other = new QCheckBox(QStringLiteral("Başka"));
    layout->addWidget(list);
    layout->addWidget(other);
    for (const char *t : {"Arpa", "Yulaf", "Mısır"})
      list->ADDNODE(QString::fromUtf8(t));
    window.resize(220, 160);
    window.show();
    QApplication::setActiveWindow(&window);
    QVERIFY(QTest::qWaitForWindowActive(&window));
    list->setFocus();
    QTRY_VERIFY(list->hasFocus());
    list->setCurrentRow(current);
    QCOMPARE(list->NACTIVEINDEX, current);
    if (!listFocused) {
      other->setFocus();
      QTRY_VERIFY(other->hasFocus());
    }
    const QImage shot = list->viewport()->grab().toImage();
    const QPalette pal = QApplication::palette(list);
    for (int row = 0; row < 3; ++row) {
      const QRect r = list->visualItemRect(list->item(row));
      const QColor back = shot.pixelColor(r.right() - 4, r.center().y());
      const bool lit = highlighted.at(row) == QLatin1Char('1');
      QCOMPARE(back, pal.color(lit ? QPalette::Highlight : QPalette::Base));
    }
  }

  void greyOnThisListOnly()
  {
    BITMAPLISTBOX list;
    QListWidget plain;
    QCOMPARE(list.palette().color(QPalette::Base), QColor(192, 192, 192));
    QVERIFY(plain.palette().color(QPalette::Base) != QColor(192, 192, 192));
  }

  // Pictures larger than the cell are scaled into it, and a picture file is
  // read once however often its row is painted.
  void imagesFitAndFilesAreRead()
  {
    QVERIFY(m_dir.isValid());
    const QString file = m_dir.filePath(QStringLiteral("kirmizi.png"));
    QVERIFY(filled(64, 64, Qt::red).save(file));
    BITMAPLISTBOX list;
    list.ADDNODE(QStringLiteral("dosya"), 1, QVariant(), BitmapListNode::BitmapFile, file);
    list.ADDNODE(QStringLiteral("yok"), 3, QVariant(), BitmapListNode::BitmapFile,
                 m_dir.filePath(QStringLiteral("yok.png")));
    list.ADDNODE(QStringLiteral("resim"), 2, filled(64, 64, Qt::red), BitmapListNode::Bitmap);
    list.resize(200, 100);
    list.show();
    QVERIFY(QTest::qWaitForWindowExposed(&list));
    QImage shot = list.viewport()->grab().toImage();
    shot = list.viewport()->grab().toImage();
    QCOMPARE(list.fileImageReads(), 2);  // the picture and the missing file, once each
    for (int row : {0, 2}) {
      const QRect r = list.visualItemRect(list.item(row));
      QCOMPARE(QColor(shot.pixel(r.left() + 8, r.top() + 8)), QColor(Qt::red));
      // Beyond the 20 x 16 cell: no red spilled over the text or the next row.
      QVERIFY(QColor(shot.pixel(r.left() + 30, r.top() + 8)) != QColor(Qt::red));
      QVERIFY(QColor(shot.pixel(r.left() + 8, r.bottom() + 1)) != QColor(Qt::red));
    }
  }

  void hyperlinkOpens_data()
  {
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("link");
    QTest::addColumn<bool>("openerAnswer");
    QTest::addColumn<QString>("opened");
    QTest::addColumn<bool>("reported");
    QTest::newRow("caption is the target") << "https://example.com" << "" << true << "https://example.com" << false;
    QTest::newRow("link wins over caption") << "Web sayfamız" << "www.example.com" << true << "http://www.example.com" << false;
    QTest::newRow("mail") << "Yazın" << "mailto:a@example.com" << true << "mailto:a@example.com" << false;
    QTest::newRow("program refused") << "xterm" << "" << true << "" << true;
    QTest::newRow("empty refused") << "" << "" << true << "" << true;
    QTest::newRow("desktop fails") << "https://example.com" << "" << false << "https://example.com" << true;
  }
  void hyperlinkOpens()
  {
    QFETCH(QString, caption);
    QFETCH(QString, link);
    QFETCH(bool, openerAnswer);
    QFETCH(QString, opened);
    QFETCH(bool, reported);
    QStringList urls;
    const auto saved = FIXEDTEXTHYPERLINK::opener();
    FIXEDTEXTHYPERLINK::opener() = [&](const QUrl &u) {
      urls << u.toString();
      return openerAnswer;
    };
    test::ScriptedInteraction ui;
    FIXEDTEXTHYPERLINK label(caption);
    label.LINK = link;
    label.setInteraction(&ui);
    label.resize(200, 24);
    label.show();
    QVERIFY(QTest::qWaitForWindowExposed(&label));
    QSignalSpy failed(&label, &FIXEDTEXTHYPERLINK::OPENFAILED);
    QTest::mousePress(&label, Qt::LeftButton);  // the press opens, not the release
    QCOMPARE(urls, opened.isEmpty() ? QStringList() : QStringList{opened});
    QTest::mouseRelease(&label, Qt::LeftButton);
    QTest::mouseClick(&label, Qt::RightButton);
    QCOMPARE(urls.size(), opened.isEmpty() ? 0 : 1);
    FIXEDTEXTHYPERLINK::opener() = saved;
    QCOMPARE(failed.count(), reported ? 1 : 0);
    QCOMPARE(ui.shown.size(), reported ? 1 : 0);
    if (reported) {
      QCOMPARE(ui.shown.first().kind, QStringLiteral("warning"));
      QCOMPARE(ui.shown.first().text, label.lastError());
    }
  }

  // A double click on the link, through the window as the user makes it,
  // opens the target once: one browser tab, one mail draft.
  void hyperlinkDoubleClickOpensOnce()
  {
    QStringList urls;
    const auto saved = FIXEDTEXTHYPERLINK::opener();
    FIXEDTEXTHYPERLINK::opener() = [&](const QUrl &u) {
      urls << u.toString();
      return true;
    };
    QWidget window;
    auto *layout = new QVBoxLayout(&window);
    auto *link = new FIXEDTEXTHYPERLINK(QStringLiteral("https://example.com"));
    layout->addWidget(link);
    window.resize(240, 80);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const QPoint at = link->mapTo(&window, link->rect().center());
    QTest::mouseDClick(window.windowHandle(), Qt::LeftButton, {}, at);
    QCOMPARE(urls, QStringList{QStringLiteral("https://example.com")});
    QTest::qWait(QApplication::doubleClickInterval() + 50);
    QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {}, at);  // a later click opens again
    FIXEDTEXTHYPERLINK::opener() = saved;
    QCOMPARE(urls.size(), 2);
  }

  void hyperlinkLook()
  {
    QWidget window;
    auto *link = new FIXEDTEXTHYPERLINK(QStringLiteral("www.example.com"), &window);
    auto *plain = new QLabel(QStringLiteral("düz"), &window);
    QCOMPARE(link->cursor().shape(), Qt::PointingHandCursor);
    QCOMPARE(plain->cursor().shape(), Qt::ArrowCursor);
    QCOMPARE(link->palette().color(QPalette::WindowText), QColor(0, 0, 255));
    QCOMPARE(link->palette().color(QPalette::Window), QColor(255, 255, 255));
    QVERIFY(plain->palette().color(QPalette::WindowText) != QColor(0, 0, 255));
    // The mouse-tracking windows may still tell it; the pointer stays its own.
    QVERIFY(QMetaObject::invokeMethod(link, "MOUSEENTER"));
    QVERIFY(QMetaObject::invokeMethod(link, "MOUSEEXIT"));
    QCOMPARE(link->cursor().shape(), Qt::PointingHandCursor);
    QCOMPARE(plain->cursor().shape(), Qt::ArrowCursor);
  }

  void buttonIcons()
  {
    ICONPUSHBUTTON b(QStringLiteral("&Tamam"));
    b.resize(90, 20);
    QCOMPARE(b.shownIcon(), IconButtonGeometry::Icon::None);
    b.ICONDOWN(ICOOKDOWN());  // only a down icon: it is the up icon as well
    QVERIFY(!b.ICONUP().isNull());
    QCOMPARE(b.geometry().icon, QRect(4, 2, 16, 16));
    b.DISABLE();
    QCOMPARE(b.shownIcon(), IconButtonGeometry::Icon::Up);
    b.ICONDISABLED(ICOOKDISABLED());
    QCOMPARE(b.shownIcon(), IconButtonGeometry::Icon::Disabled);
    b.ENABLE();
    b.setDown(true);
    QCOMPARE(b.shownIcon(), IconButtonGeometry::Icon::Down);
    QVERIFY(b.geometry().pushedFrame);
    b.setDown(false);
    b.LEFTICONBORDER(7);
    QCOMPARE(b.geometry().icon.topLeft(), QPoint(7, 2));
    b.resize(8, 3);  // smaller than its icon: nothing negative, paints
    QVERIFY(b.geometry().icon.isEmpty());
    QVERIFY(!b.grab().isNull());

    OKPUSHBUTTON ok(QStringLiteral("&Tamam"));
    CANCELPUSHBUTTON cancel(QStringLiteral("&İptal"));
    NOPUSHBUTTON no(QStringLiteral("&Hayır"));
    HELPPUSHBUTTON help(QStringLiteral("&Yardım"));
    for (ICONPUSHBUTTON *x : {static_cast<ICONPUSHBUTTON *>(&ok), static_cast<ICONPUSHBUTTON *>(&cancel),
                              static_cast<ICONPUSHBUTTON *>(&no), static_cast<ICONPUSHBUTTON *>(&help)}) {
      QVERIFY(!x->ICONUP().isNull());
      QVERIFY(!x->ICONDOWN().isNull());
      QVERIFY(!x->ICONDISABLED().isNull());
    }
  }

  void buttonPressedByMouseAndKey()
  {
    OKPUSHBUTTON b(QStringLiteral("&Tamam"));
    QSignalSpy clicked(&b, &QPushButton::clicked);
    b.show();
    QVERIFY(QTest::qWaitForWindowExposed(&b));
    QTest::mousePress(&b, Qt::LeftButton);
    QCOMPARE(b.shownIcon(), IconButtonGeometry::Icon::Down);
    QTest::mouseRelease(&b, Qt::LeftButton);
    QCOMPARE(b.shownIcon(), IconButtonGeometry::Icon::Up);
    b.setFocus();
    QTest::keyClick(&b, Qt::Key_Space);
    QCOMPARE(clicked.count(), 2);
  }

  void galleryIsReadable()
  {
    test::ControlGallery g;
    g.show();
    QVERIFY(QTest::qWaitForWindowExposed(&g));
    const QStringList problems = readabilityProblems(&g);
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
    g.list->setFocus();
    g.list->setCurrentRow(1);
    g.buttons[0]->setFocus();  // the list keeps its active row highlighted
    const QString out = qEnvironmentVariable("VZ_GALLERY_PNG");
    if (!out.isEmpty())
      g.grab().save(out);
    QCOMPARE(g.list->GETACTIVEVALUE().toString(), QStringLiteral("MISIR"));
  }
};

QTEST_MAIN(TestIconControls)
#include "tst_iconcontrols.moc"
