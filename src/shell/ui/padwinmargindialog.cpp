#include "padwinmargindialog.h"

#include "controls/windowicons.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace vz {

MARGINDIALOG::MARGINDIALOG(QWidget *owner) : QDialog(owner)
{
  setWindowTitle(QStringLiteral("Sayfa Marjı"));
  setAccessibleName(QStringLiteral("Sayfa Marjı"));
  setWindowIcon(IDI_COCPADICON());
  auto *grid = new QGridLayout(this);
  auto *leftLabel = new QLabel(QStringLiteral("Sol marj...:"), this);
  auto *rightLabel = new QLabel(QStringLiteral("Sağ marj..:"), this);
  m_left = new QLineEdit(QStringLiteral("0"), this);
  m_right = new QLineEdit(QStringLiteral("7"), this);
  leftLabel->setBuddy(m_left);
  rightLabel->setBuddy(m_right);
  m_left->setAccessibleName(leftLabel->text());
  m_right->setAccessibleName(rightLabel->text());
  auto *ok = new QPushButton(QStringLiteral("&Tamam"), this);
  auto *cancel = new QPushButton(QStringLiteral("&İptal"), this);
  ok->setDefault(true);
  grid->addWidget(leftLabel, 0, 0);
  grid->addWidget(m_left, 0, 1);
  grid->addWidget(ok, 0, 2);
  grid->addWidget(rightLabel, 1, 0);
  grid->addWidget(m_right, 1, 1);
  grid->addWidget(cancel, 1, 2);
  connect(ok, &QPushButton::clicked, this, &MARGINDIALOG::PBOK);
  connect(cancel, &QPushButton::clicked, this, &MARGINDIALOG::PBCANCEL);
}

} // namespace vz
