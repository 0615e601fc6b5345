#pragma once
// The list of the choice dialogs: Escape cancels the dialog that holds it.
#include <QListWidget>

namespace vz {

class JQLISTBOX : public QListWidget {
  Q_OBJECT
public:
  explicit JQLISTBOX(QWidget *parent = nullptr);

protected:
  void keyPressEvent(QKeyEvent *event) override;
};

} // namespace vz
