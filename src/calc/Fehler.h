#pragma once
// Errors that end a calculation and reach the application's general error
// handler. The message is the German text the user sees (UTF-8 in what()).
#include <QString>
#include <stdexcept>

class EFehler : public std::runtime_error {
 public:
  explicit EFehler(const QString& text) : std::runtime_error(text.toStdString()) {}
  QString Text() const { return QString::fromUtf8(what()); }
};

// The three floating-point error kinds and the conversion error.
class EZeroDivide : public EFehler {
 public:
  EZeroDivide() : EFehler(QStringLiteral("Gleitkommadivision durch Null")) {}
};
class EInvalidOp : public EFehler {
 public:
  EInvalidOp() : EFehler(QStringLiteral("Ungültige Gleitkommaoperation")) {}
};
class EOverflow : public EFehler {
 public:
  EOverflow() : EFehler(QStringLiteral("Gleitkommaüberlauf")) {}
};
class EConvertError : public EFehler {
 public:
  explicit EConvertError(const QString& text)
      : EFehler(QStringLiteral("'%1' ist kein gültiger Gleitkommawert").arg(text)) {}
};
// A sought interest rate that does not exist or lies beyond the rates
// answered; the text is the German message.
class EKeinZinssatz : public EFehler {
 public:
  using EFehler::EFehler;
};
