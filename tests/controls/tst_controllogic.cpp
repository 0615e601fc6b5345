// The arithmetic and decisions behind the icon push button, the hyperlink
// text and the bitmap list box, case by case, without a display.
#include "controls/bitmaplistnodes.h"
#include "controls/hyperlinktarget.h"
#include "controls/iconbuttongeometry.h"

#include <QTest>

using namespace vz;

Q_DECLARE_METATYPE(vz::EdgeRect)
Q_DECLARE_METATYPE(vz::IconButtonGeometry::Icon)

class TestControlLogic : public QObject {
  Q_OBJECT
private slots:
  void buttonGeometry_data()
  {
    QTest::addColumn<int>("w");
    QTest::addColumn<int>("h");
    QTest::addColumn<bool>("focused");
    QTest::addColumn<bool>("pressed");
    QTest::addColumn<bool>("hasIcon");
    QTest::addColumn<bool>("outline");
    QTest::addColumn<EdgeRect>("frame");
    QTest::addColumn<QRect>("icon");
    QTest::addColumn<EdgeRect>("text");
    QTest::newRow("20 high, plain") << 80 << 20 << false << false << true
        << false << EdgeRect{0, 0, 81, 21} << QRect(4, 2, 16, 16) << EdgeRect{20, 2, 77, 18};
    QTest::newRow("no icon, plain: caption from 4") << 80 << 20 << false << false << false
        << false << EdgeRect{0, 0, 81, 21} << QRect() << EdgeRect{4, 2, 77, 18};
    QTest::newRow("no icon, focused: from 5") << 80 << 20 << true << false << false
        << true << EdgeRect{1, 1, 80, 20} << QRect() << EdgeRect{5, 3, 76, 17};
    QTest::newRow("no icon, pressed: from 6") << 80 << 20 << false << true << false
        << true << EdgeRect{1, 1, 80, 20} << QRect() << EdgeRect{6, 4, 76, 17};
    QTest::newRow("32 high, pressed") << 100 << 32 << true << true << true
        << true << EdgeRect{1, 1, 100, 32} << QRect(4, 2, 28, 28) << EdgeRect{34, 4, 96, 29};
    QTest::newRow("smaller than its icon") << 10 << 3 << false << false << true
        << false << EdgeRect{0, 0, 11, 4} << QRect() << EdgeRect{4, 2, 7, 2};
    QTest::newRow("narrower than icon and margins") << 12 << 24 << false << false << true
        << false << EdgeRect{0, 0, 13, 25} << QRect(4, 2, 20, 20) << EdgeRect{24, 2, 24, 22};
    QTest::newRow("negative size") << -5 << -5 << false << false << true
        << false << EdgeRect{0, 0, 1, 1} << QRect() << EdgeRect{4, 2, 4, 2};
  }
  void buttonGeometry()
  {
    QFETCH(int, w);
    QFETCH(int, h);
    QFETCH(bool, focused);
    QFETCH(bool, pressed);
    QFETCH(bool, hasIcon);
    QFETCH(bool, outline);
    QFETCH(EdgeRect, frame);
    QFETCH(QRect, icon);
    QFETCH(EdgeRect, text);
    const IconButtonGeometry g = IconButtonGeometry::compute(w, h, 4, focused, pressed, hasIcon);
    QCOMPARE(g.outline, outline);
    QCOMPARE(g.pushedFrame, pressed);
    QCOMPARE(g.focusRect, focused);
    QVERIFY(g.frame == frame);
    QCOMPARE(g.icon, icon);
    QVERIFY2(g.text == text, qPrintable(QStringLiteral("%1 %2 %3 %4").arg(g.text.left).arg(g.text.top)
                                            .arg(g.text.right).arg(g.text.bottom)));
    QVERIFY(g.text.toRect().width() >= 0 && g.text.toRect().height() >= 0);
  }

  void iconChoice_data()
  {
    QTest::addColumn<bool>("pressed");
    QTest::addColumn<bool>("disabled");
    QTest::addColumn<bool>("up");
    QTest::addColumn<bool>("down");
    QTest::addColumn<bool>("dis");
    QTest::addColumn<IconButtonGeometry::Icon>("shown");
    using I = IconButtonGeometry::Icon;
    QTest::newRow("up") << false << false << true << true << true << I::Up;
    QTest::newRow("pressed") << true << false << true << true << true << I::Down;
    QTest::newRow("disabled") << false << true << true << true << true << I::Disabled;
    QTest::newRow("disabled without its icon") << false << true << true << true << false << I::Up;
    QTest::newRow("pressed wins over disabled") << true << true << true << true << true << I::Down;
    QTest::newRow("none") << false << false << false << false << true << I::None;
    QTest::newRow("only a down icon, up state") << false << false << false << true << false << I::Down;
  }
  void iconChoice()
  {
    QFETCH(bool, pressed);
    QFETCH(bool, disabled);
    QFETCH(bool, up);
    QFETCH(bool, down);
    QFETCH(bool, dis);
    QFETCH(IconButtonGeometry::Icon, shown);
    QCOMPARE(IconButtonGeometry::chooseIcon(pressed, disabled, up, down, dis), shown);
  }

  void linkTargets_data()
  {
    QTest::addColumn<QString>("target");
    QTest::addColumn<bool>("allowed");
    QTest::addColumn<QString>("url");
    QTest::newRow("https") << "https://www.example.com/rasyon" << true << "https://www.example.com/rasyon";
    QTest::newRow("http") << "http://example.com" << true << "http://example.com";
    QTest::newRow("HTTP upper case") << "HTTP://example.com" << true << "http://example.com";
    QTest::newRow("bare www") << "www.example.com" << true << "http://www.example.com";
    QTest::newRow("mailto") << "mailto:destek@example.com" << true << "mailto:destek@example.com";
    QTest::newRow("bare mail address") << "destek@example.com" << true << "mailto:destek@example.com";
    QTest::newRow("padded") << "  https://example.com  " << true << "https://example.com";
    QTest::newRow("empty") << "" << false << "";
    QTest::newRow("blank") << "   " << false << "";
    QTest::newRow("program") << "calc.exe" << false << "";
    QTest::newRow("command line") << "rm -rf /" << false << "";
    QTest::newRow("local file") << "file:///etc/passwd" << false << "";
    QTest::newRow("absolute path") << "/usr/bin/xterm" << false << "";
    QTest::newRow("javascript") << "javascript:alert(1)" << false << "";
    QTest::newRow("ftp") << "ftp://example.com" << false << "";
    QTest::newRow("http without host") << "http:///etc" << false << "";
    QTest::newRow("mailto without address") << "mailto:" << false << "";
  }
  void linkTargets()
  {
    QFETCH(QString, target);
    QFETCH(bool, allowed);
    QFETCH(QString, url);
    const HyperlinkTarget t = HyperlinkTarget::check(target);
    QCOMPARE(t.allowed, allowed);
    if (allowed)
      QCOMPARE(t.url.toString(), url);
    else
      QVERIFY(!t.message.isEmpty());
  }

  void nodeIds()
  {
    BitmapListNodes n;
    QVERIFY(n.isEmpty());
    QCOMPARE(n.seek(2), 0);
    QCOMPARE(n.add(QStringLiteral("Arpa"), 10), 2);
    QCOMPARE(n.add(QStringLiteral("Mısır"), 20), 3);
    QCOMPARE(n.add(QStringLiteral("Soya"), 30), 4);
    QCOMPARE(n.seek(3), 2);
    QCOMPARE(n.find(4)->text, QStringLiteral("Soya"));
    QCOMPARE(n.idOfValue(20), 3);
    QCOMPARE(n.idOfValue(99), 0);
    QVERIFY(n.remove(3));
    QVERIFY(!n.remove(3));
    QCOMPARE(n.seek(4), 2);
    QCOMPARE(n.seek(3), 0);
    n.clear();
    QCOMPARE(n.add(QStringLiteral("Yulaf")), 5);  // ids go on after clearing
    // Many nodes, some removed: halving still finds every one that is left.
    BitmapListNodes big;
    for (int i = 0; i < 1000; ++i)
      big.add(QString::number(i), i);
    for (int id = 2; id < 1002; id += 3)
      big.remove(id);
    for (int id = 2; id < 1002; ++id)
      QCOMPARE(big.find(id) != nullptr, (id - 2) % 3 != 0);
  }

  void rowDrawing_data()
  {
    QTest::addColumn<int>("action");
    QTest::addColumn<int>("state");
    QTest::addColumn<bool>("hasFocus");
    QTest::addColumn<bool>("mouseDown");
    QTest::addColumn<bool>("active");
    QTest::addColumn<bool>("draw");
    QTest::addColumn<bool>("highlighted");
    QTest::addColumn<bool>("focusRect");
    QTest::addColumn<bool>("becomesActive");
    QTest::addColumn<int>("result");
    using D = BitmapRowDrawing;
    QTest::newRow("entire, active row, focus elsewhere") << int(D::DrawEntire) << 0 << false << false << true
        << true << true << false << false << 0;
    QTest::newRow("entire, other row, focus elsewhere") << int(D::DrawEntire) << 0 << false << false << false
        << true << false << false << false << 0;
    QTest::newRow("entire, active row, focused") << int(D::DrawEntire) << 1 << true << false << true
        << true << false << false << false << 0;
    QTest::newRow("select, state 0, mouse down") << int(D::Select) << 0 << true << true << false
        << true << false << false << false << 0;
    QTest::newRow("select, state 0, mouse up") << int(D::Select) << 0 << true << false << false
        << false << false << false << false << 0;
    QTest::newRow("select, selected") << int(D::Select) << 1 << true << true << false
        << false << false << false << false << 0;
    QTest::newRow("focus, state 0, unfocused") << int(D::Focus) << 0 << false << false << false
        << true << true << false << false << 0;
    QTest::newRow("focus, state 0, focused") << int(D::Focus) << 0 << true << false << false
        << true << false << false << false << 0;
    QTest::newRow("focus, has focus") << int(D::Focus) << 0x10 << true << false << false
        << true << true << true << false << 0;
    QTest::newRow("focus, selected and focus") << int(D::Focus) << 0x11 << true << false << false
        << true << false << true << true << 0;
    QTest::newRow("focus, selected only") << int(D::Focus) << 0x01 << true << false << false
        << false << false << false << false << 0;
    QTest::newRow("other action") << 8 << 0 << true << false << false
        << false << false << false << false << 1;
  }
  void rowDrawing()
  {
    QFETCH(int, action);
    QFETCH(int, state);
    QFETCH(bool, hasFocus);
    QFETCH(bool, mouseDown);
    QFETCH(bool, active);
    QFETCH(bool, draw);
    QFETCH(bool, highlighted);
    QFETCH(bool, focusRect);
    QFETCH(bool, becomesActive);
    QFETCH(int, result);
    const BitmapRowDrawing d = BitmapRowDrawing::decide(action, state, hasFocus, mouseDown, active);
    QCOMPARE(d.draw, draw);
    QCOMPARE(d.highlighted, highlighted);
    QCOMPARE(d.focusRect, focusRect);
    QCOMPARE(d.becomesActive, becomesActive);
    QCOMPARE(d.result, result);
  }

  void imagePlaces_data()
  {
    QTest::addColumn<QRect>("cell");
    QTest::addColumn<QSize>("image");  // empty: an icon
    QTest::addColumn<QRect>("placed");
    QTest::newRow("icon in 40 x 40") << QRect(10, 100, 40, 40) << QSize() << QRect(14, 104, 32, 32);
    QTest::newRow("icon in the default 20 x 16") << QRect(0, 0, 20, 16) << QSize() << QRect(2, 0, 16, 16);
    QTest::newRow("icon in 32 x 32") << QRect(0, 32, 32, 32) << QSize() << QRect(0, 32, 32, 32);
    QTest::newRow("icon in 41 x 35") << QRect(0, 0, 41, 35) << QSize() << QRect(4, 1, 32, 32);
    QTest::newRow("small bitmap as it is") << QRect(5, 5, 20, 16) << QSize(10, 8) << QRect(5, 5, 10, 8);
    QTest::newRow("large bitmap scaled") << QRect(0, 16, 20, 16) << QSize(64, 64) << QRect(0, 16, 16, 16);
    QTest::newRow("wide bitmap scaled") << QRect(0, 0, 20, 16) << QSize(100, 20) << QRect(0, 0, 20, 4);
  }
  void imagePlaces()
  {
    QFETCH(QRect, cell);
    QFETCH(QSize, image);
    QFETCH(QRect, placed);
    QCOMPARE(image.isEmpty() ? bitmapListIconRect(cell) : bitmapListImageRect(cell, image), placed);
  }

  void centredText_data()
  {
    QTest::addColumn<int>("top");
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("measured");
    QTest::addColumn<int>("result");
    QTest::newRow("text higher than the rectangle") << 50 << 10 << 30 << 40;
    QTest::newRow("two lines in 40") << 0 << 40 << 30 << 5;
    QTest::newRow("odd difference floors") << 0 << 16 << 13 << 1;
    QTest::newRow("odd negative difference floors") << 0 << 16 << 19 << -2;
  }
  void centredText()
  {
    QFETCH(int, top);
    QFETCH(int, height);
    QFETCH(int, measured);
    QFETCH(int, result);
    QCOMPARE(centredTextTop(top, height, measured), result);
  }
};

QTEST_GUILESS_MAIN(TestControlLogic)
#include "tst_controllogic.moc"
