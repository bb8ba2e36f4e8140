#pragma once
#include <QMainWindow>

// Placeholder until the main window is built.
class TfmStart : public QMainWindow {
  Q_OBJECT
 public:
  explicit TfmStart(QWidget* parent = nullptr);
};
