#include "print/PgPrnPrg.h"

#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>

#include "ui_PgPrnPrg.h"

TPPPrnPrgDlg::TPPPrnPrgDlg(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      ui(std::make_unique<Ui::TPPPrnPrgDlg>()) {
  ui->setupUi(this);
  setFixedSize(293 * logicalDpiX() / 96, 133 * logicalDpiY() / 96);
  connect(ui->btnCancel, &QPushButton::clicked, this, &TPPPrnPrgDlg::CancelClicked);
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    QRect r = rect();
    r.moveCenter(screen->availableGeometry().center());
    move(r.topLeft());
  }
}

TPPPrnPrgDlg::~TPPPrnPrgDlg() = default;

QLabel* TPPPrnPrgDlg::lblStatus() const { return ui->lblStatus; }
QLabel* TPPPrnPrgDlg::lblPageNumber() const { return ui->lblPageNumber; }
QProgressBar* TPPPrnPrgDlg::ProgBar() const { return ui->ProgBar; }
QPushButton* TPPPrnPrgDlg::btnCancel() const { return ui->btnCancel; }

void TPPPrnPrgDlg::WithoutCancel() {
  ui->btnCancel->setEnabled(false);
  ui->btnCancel->hide();
  setFixedHeight(98 * logicalDpiY() / 96);
}

void TPPPrnPrgDlg::reject() {
  if (ui->btnCancel->isEnabled()) emit CancelClicked();
}
