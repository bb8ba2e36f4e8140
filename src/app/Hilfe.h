#pragma once
// The program's help: one non-modal window showing German topics, opened at
// a numeric context (0 = contents).
#include <QUrl>
#include <QWidget>
#include <memory>

class QTextBrowser;
namespace Ui {
class THilfeFenster;
}

class THilfeFenster : public QWidget {
  Q_OBJECT
 public:
  explicit THilfeFenster(QWidget* parent = nullptr);
  ~THilfeFenster() override;

  // Shows the topic of the context; an unknown context shows the contents.
  void ThemaZeigen(int kontext);
  // The context of the topic on display (0 for the contents page); follows
  // links the user clicks.
  int Kontext() const { return FKontext; }
  QTextBrowser* Browser() const;

  // Resource address of a context's topic; the contents page for unknown contexts.
  static QUrl ThemaUrl(int kontext);
  static int KontextVon(const QUrl& url);

 protected:
  // Escape closes the window, as it would a dialog.
  void keyPressEvent(QKeyEvent* ereignis) override;

 private:
  void QuelleGeaendert(const QUrl& url);

  std::unique_ptr<Ui::THilfeFenster> ui;
  int FKontext = 0;
};

// The context of the payment plan's topic, beside the pages' 10 ... 100.
inline constexpr int HilfeZahlungsplan = 110;
// The context of the comparison of loan offers.
inline constexpr int HilfeFinanzierung = 120;

// Opens (or raises) the help window at the topic of the context.
void HilfeZeigen(int kontext);
// The help window, or nullptr while none has been opened.
THilfeFenster* Hilfefenster();
// F1 in the widget (and its children) opens the help at this context.
void HilfeKontextSetzen(QWidget* widget, int kontext);
