#include "frame/gui/frm_about.h"

#include <QVBoxLayout>
#include <QtGlobal>

#include "frame/version.h"

namespace pumpdrill {

TfrmAboutB2::TfrmAboutB2(const std::string& mainDirectory, QWidget* parent) : QDialog(parent) {
  setObjectName("frmAboutB2");
  setWindowTitle("About");
  setModal(true);
  LblProductName = new QLabel(kProductName, this);
  LblProductName->setObjectName("LblProductName");
  QFont big = LblProductName->font();
  big.setPointSizeF(big.pointSizeF() * 1.6);
  big.setBold(true);
  LblProductName->setFont(big);
  LblProductName->setAlignment(Qt::AlignCenter);
  auto* purpose = new QLabel("Pump operator training simulator for fire apparatus", this);
  purpose->setAlignment(Qt::AlignCenter);
  LblVersion = new QLabel(this);
  LblVersion->setObjectName("LblVersion");
  LblVersion->setText(QString("Version %1\nEvolution file format %2, revision %3\nBuilt %4\n"
                              "Qt %5 (running on Qt %6)")
                          .arg(QString(kProgramVersion), QString(kVersionText), QString(kRevisionText),
                               QString::fromStdString(BuildDateText()), QString(QT_VERSION_STR),
                               QString(qVersion())));
  LblVersion->setAlignment(Qt::AlignCenter);
  LblLibraries = new QLabel(this);
  LblLibraries->setObjectName("LblLibraries");
  LblLibraries->setTextFormat(Qt::RichText);
  LblLibraries->setText(
      "<b>Libraries and their licences</b><br>"
      "Qt 6 Widgets, Gui, Core and Print Support &mdash; GNU LGPL version 3<br>"
      "OpenAL Soft &mdash; GNU LGPL version 2 or later<br>"
      "SimpleIni &mdash; MIT licence<br>"
      "Pictures, sounds and radio calls are the program's own, made when it is built.");
  LblLibraries->setAlignment(Qt::AlignCenter);
  LblMainDirectory = new QLabel("Main directory: " + QString::fromStdString(mainDirectory), this);
  LblMainDirectory->setObjectName("LblMainDirectory");
  LblMainDirectory->setTextInteractionFlags(Qt::TextSelectableByMouse);
  LblMainDirectory->setAlignment(Qt::AlignCenter);
  BtnOK = new QPushButton("OK", this);
  BtnOK->setObjectName("BtnOK");
  BtnOK->setDefault(true);
  connect(BtnOK, &QPushButton::clicked, this, &QDialog::accept);
  auto* all = new QVBoxLayout(this);
  all->setSpacing(10);
  all->setContentsMargins(24, 18, 24, 14);
  for (QWidget* w : {static_cast<QWidget*>(LblProductName), static_cast<QWidget*>(purpose),
                     static_cast<QWidget*>(LblVersion), static_cast<QWidget*>(LblLibraries),
                     static_cast<QWidget*>(LblMainDirectory)})
    all->addWidget(w);
  all->addWidget(BtnOK, 0, Qt::AlignHCenter);
}

}  // namespace pumpdrill
