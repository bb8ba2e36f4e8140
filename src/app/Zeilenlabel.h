#pragma once
// A one-line plain caption. The label's own hints measure its text three
// times (unbounded, zero and full width) whenever it changes; on one line the
// three agree, so it is measured once, with the same rules. Anything else, a
// wrapped, rich or empty text among them, is left to the label.
#include <QFont>
#include <QLabel>

class TZeilenlabel : public QLabel {
 public:
  using QLabel::QLabel;
  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 private:
  // Invalid where the label measures itself.
  QSize Groesse() const;

  mutable QString FText;
  mutable int FFlags = 0;
  mutable QFont FSchrift;
  mutable QSize FTextgroesse;
};
