// Qt's own texts in Turkish once the program has loaded Qt's translation.
#include "shell/shellstartup.h"

#include <QDialogButtonBox>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QtTest>
#include <memory>

using namespace vz;

class TestTurkishQt : public QObject {
  Q_OBJECT

private slots:
  void initTestCase() { QVERIFY(ShellStartup::loadQtTranslation()); }

  void standardButtons_data()
  {
    QTest::addColumn<int>("button");
    QTest::addColumn<QString>("text");
    QTest::newRow("Cancel") << int(QDialogButtonBox::Cancel) << QStringLiteral("İptal");
    QTest::newRow("Yes") << int(QDialogButtonBox::Yes) << QStringLiteral("Evet");
    QTest::newRow("No") << int(QDialogButtonBox::No) << QStringLiteral("Hayır");
  }
  void standardButtons()
  {
    QFETCH(int, button);
    QFETCH(QString, text);
    QDialogButtonBox box{QDialogButtonBox::StandardButtons(QDialogButtonBox::StandardButton(button))};
    QCOMPARE(box.button(QDialogButtonBox::StandardButton(button))->text().remove(QLatin1Char('&')), text);
  }

  void editMenuOfATextField()
  {
    QLineEdit edit;
    std::unique_ptr<QMenu> menu(edit.createStandardContextMenu());
    QStringList texts;
    for (QAction *a : menu->actions())
      texts.append(a->text().remove(QLatin1Char('&')).section(QLatin1Char('\t'), 0, 0));
    QVERIFY2(!texts.contains(QStringLiteral("Paste")), qPrintable(texts.join(QLatin1Char(','))));
    QVERIFY2(texts.contains(QStringLiteral("Yapıştır")), qPrintable(texts.join(QLatin1Char(','))));
  }

};

QTEST_MAIN(TestTurkishQt)
#include "tst_turkishqt.moc"
