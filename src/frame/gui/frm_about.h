// Help > 'About': the program's name, version, revision and build date, the
// Qt it runs on, the libraries it uses with their licences, and the main
// directory it works in. Modal.
#pragma once

#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <string>

namespace pumpdrill {

class TfrmAboutB2 : public QDialog {
  Q_OBJECT

 public:
  TfrmAboutB2(const std::string& mainDirectory, QWidget* parent = nullptr);

  QLabel* LblProductName;
  QLabel* LblVersion;
  QLabel* LblLibraries;
  QLabel* LblMainDirectory;
  QPushButton* BtnOK;
};

}  // namespace pumpdrill
