#pragma once
#include <QByteArray>
#include <QDialog>
#include <QPixmap>
#include <QString>
#include <memory>

class QPaintEvent;
class QTextEdit;
namespace Ui {
class TfmFormel;
}

// Resource name of the formula document for a page key and sought index
// ("Formel_eZi_AK", ...); the share and euro pages ignore the index.
QString FormelRessource(const QString& seitenKey, int gesuchtIndex);

// The RTF text of a built-in formula document, the name compared without
// regard to case; empty when there is no such document.
QByteArray FormelDokument(const QString& ressourcenName);

class TfmFormel : public QDialog {
  Q_OBJECT
 public:
  explicit TfmFormel(QWidget* parent = nullptr);
  ~TfmFormel() override;
  // The 100 x 50 background tile, shared with the main window.
  const QPixmap& Bitmap1() const { return kachel; }
  // Loads the named document (case-insensitive) and shows the window modally.
  void DokumentZeigen(const QString& ressourcenName);
  // Loads the named document into RichEdit1 without showing the window;
  // false (and an empty viewer) when it cannot be read.
  bool DokumentLaden(const QString& ressourcenName);

  QTextEdit* RichEdit1() const;

 protected:
  void paintEvent(QPaintEvent* ereignis) override;

 private:
  void FormPaint();

  std::unique_ptr<Ui::TfmFormel> ui;
  QPixmap kachel;
  QString ladeFehler;
};
