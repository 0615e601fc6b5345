#pragma once
// For the tests that drive the editing windows on screen (offscreen): a main
// window around a workspace, and typing into a grid cell as a user types.
// Header only: the support library itself does not link the widgets.
#include "editing/ui/oabs_browser.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <QMainWindow>
#include <QMdiArea>
#include <QSize>
#include <QTest>

namespace vz::test {

// The windows under test need a shown, active main window to open in.
struct WorkspaceShell {
  QMainWindow main;
  QMdiArea *area = new QMdiArea;
  explicit WorkspaceShell(const QSize &size)
  {
    main.setCentralWidget(area);
    main.resize(size);
    main.show();
    main.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&main));
  }
};

// Types into the cell through the grid's own editor and ends with `endKey`.
inline void typeInto(OABS_BROWSER *grid, int row, int col, const QString &text, int endKey = Qt::Key_Return)
{
  const QModelIndex idx = grid->model()->index(row, col);
  grid->setCurrentIndex(idx);
  grid->edit(idx);
  auto *editor = qobject_cast<QLineEdit *>(grid->openEditor());
  QVERIFY(editor);
  // As typed: the editor's text replaced and marked modified.
  editor->setText(text);
  editor->setModified(true);
  QTest::keyClick(editor, Qt::Key(endKey));
  QCoreApplication::processEvents();  // Enter commits through a queued call
}

} // namespace vz::test
