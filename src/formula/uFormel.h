#pragma once
#include <QDialog>
#include <QPixmap>

// Placeholder until the formula window is built.
class TfmFormel : public QDialog {
  Q_OBJECT
 public:
  explicit TfmFormel(QWidget* parent = nullptr);
  // The 100 x 50 background tile, shared with the main window.
  const QPixmap& Bitmap1() const { return kachel; }

 private:
  QPixmap kachel;
};
