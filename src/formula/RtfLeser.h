#pragma once
// A small RTF reader for the formula documents: it understands groups, the
// font and colour tables, character formats (font, size, bold, italic,
// underline, raised/lowered text, super-/subscript, colour), paragraphs with
// tab stops and alignment, line breaks, code-page 1252 escapes and Unicode
// characters. Everything else is skipped. It never trusts its input: nesting,
// numbers and the output size are capped, so any byte sequence ends either in
// a document or in an error text.
#include <QByteArray>
#include <QString>

class QTextDocument;

struct TRtfErgebnis {
  bool Ok = false;
  QString Fehler;  // German text when Ok is false
};

class TRtfLeser {
 public:
  static constexpr int MaxTiefe = 200;               // nested groups
  static constexpr qsizetype MaxEingabe = 8 << 20;   // bytes of RTF
  static constexpr qsizetype MaxZeichen = 1 << 18;   // characters of text produced
  static constexpr int MaxTabulatoren = 64;          // per paragraph
  static constexpr int MaxTabellenEintraege = 1024;  // fonts and colours
  static constexpr int MaxLaeufeJeAbsatz = 256;      // changes of format within one paragraph

  // Replaces the content of `dokument` with the RTF text `rtf`. On failure the
  // document is left empty and the result carries the reason.
  static TRtfErgebnis Lesen(const QByteArray& rtf, QTextDocument* dokument);
};

// The character for a byte in code page 1252 (the documents' ANSI code page).
QChar Cp1252Zeichen(unsigned char byte);
// The Unicode character for a byte of the Symbol font's own encoding.
QChar SymbolZeichen(unsigned char byte);
