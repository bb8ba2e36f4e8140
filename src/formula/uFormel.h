#pragma once
#include <QDialog>
#include <QPixmap>
#include <QString>

// Resource name of the formula document for a page key and sought index
// ("Formel_eZi_AK", ...); the share and euro pages ignore the index.
QString FormelRessource(const QString& seitenKey, int gesuchtIndex);

class TfmFormel : public QDialog {
  Q_OBJECT
 public:
  explicit TfmFormel(QWidget* parent = nullptr);
  // The 100 x 50 background tile, shared with the main window.
  const QPixmap& Bitmap1() const { return kachel; }
  // Loads the named document (case-insensitive) and shows the window modally.
  void DokumentZeigen(const QString& ressourcenName);

 private:
  QPixmap kachel;
};
