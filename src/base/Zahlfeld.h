#pragma once
// Number fields of any window: the three exit rules, the box for a text that
// cannot be read, and the length limit. A window installs the rules on its
// fields; they run whenever the user leaves one of them.
#include <QHash>
#include <QObject>
#include <functional>

#include "calc/OrvMath.h"

class QLineEdit;

class TZahlfelder : public QObject {
  Q_OBJECT
 public:
  // The longest text a number field takes: room for any number text the
  // program writes or reads, and no more, since a pasted novel would only
  // slow the question and the report down.
  static constexpr int Laenge = 64;

  // When the rule runs after the field is left: at once, so that a click on a
  // default button finds the formatted text, or once the focus has settled, so
  // that the error box does not open in the middle of the focus change.
  enum class Zeitpunkt { Sofort, Danach };

  // vorMeldung runs before the box for an unreadable text opens, so that the
  // window can bring the field into sight.
  TZahlfelder(QObject* eltern, Zeitpunkt zeitpunkt, std::function<void(QLineEdit*)> vorMeldung = {});

  // Gives the field its rule and the length limit.
  void Einrichten(QLineEdit* feld, TZahlregel regel);

  // The rule run on the field now: a readable text is rewritten in the
  // program's format, an unreadable one that is not empty gets the box and the
  // focus back, and an empty one stays as it is.
  void Formatieren(QLineEdit* feld, TZahlregel regel);
  void DMFormat(QLineEdit* feld) { Formatieren(feld, TZahlregel::DM); }
  void ZinsFormat(QLineEdit* feld) { Formatieren(feld, TZahlregel::Zins); }
  void IntFormat(QLineEdit* feld) { Formatieren(feld, TZahlregel::Int); }

 protected:
  bool eventFilter(QObject* objekt, QEvent* ereignis) override;

 private:
  void UngueltigMelden(QLineEdit* feld);

  QHash<const QObject*, TZahlregel> FRegeln;
  Zeitpunkt FZeitpunkt;
  std::function<void(QLineEdit*)> FVorMeldung;
  bool FImExit = false;
  // Guards the rules of every window against the focus changes their own box
  // causes; one box at a time.
  static inline bool MeldungOffen = false;
};
