#pragma once
#include <QWidget>

// Placeholder until the print preview is built.
class TfrmDruckVorschau : public QWidget {
  Q_OBJECT
 public:
  explicit TfrmDruckVorschau(QWidget* parent = nullptr);
};
