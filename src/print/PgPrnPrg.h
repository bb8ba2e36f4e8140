#pragma once
// Progress dialog shown by the page printer while it sends pages.
#include <QDialog>
#include <memory>

class QLabel;
class QProgressBar;
class QPushButton;
namespace Ui {
class TPPPrnPrgDlg;
}

class TPPPrnPrgDlg : public QDialog {
  Q_OBJECT
 public:
  explicit TPPPrnPrgDlg(QWidget* parent = nullptr);
  ~TPPPrnPrgDlg() override;

  QLabel* lblStatus() const;
  QLabel* lblPageNumber() const;
  QProgressBar* ProgBar() const;
  QPushButton* btnCancel() const;
  // Removes the cancel button and cuts the dialog to the two text lines and the bar.
  void WithoutCancel();

 signals:
  void CancelClicked();

 protected:
  // Escape and closing the window mean "cancel", never "hide the dialog".
  void reject() override;

 private:
  std::unique_ptr<Ui::TPPPrnPrgDlg> ui;
};
