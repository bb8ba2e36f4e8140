#include "formula/RtfLeser.h"

#include <QColor>
#include <QHash>
#include <QList>
#include <QTextBlock>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QTextOption>

#include <algorithm>
#include <array>

QChar Cp1252Zeichen(unsigned char byte) {
  // 0x80..0x9F are the only bytes where 1252 and Latin-1 differ; the five
  // holes of the code page read as the replacement character.
  static constexpr std::array<char16_t, 32> obereSteuerzone = {
      0x20AC, 0xFFFD, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
      0x2039, 0x0152, 0xFFFD, 0x017D, 0xFFFD, 0xFFFD, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
      0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0xFFFD, 0x017E, 0x0178};
  if (byte >= 0x80 && byte <= 0x9F) return QChar(obereSteuerzone[byte - 0x80]);
  return QChar(char16_t(byte));
}

QChar SymbolZeichen(unsigned char byte) {
  // Greek letters on the Latin keys, and the upper half with the operators
  // and the pieces of tall brackets that formulas are built from.
  static constexpr std::array<char16_t, 26> gross = {
      0x0391, 0x0392, 0x03A7, 0x0394, 0x0395, 0x03A6, 0x0393, 0x0397, 0x0399, 0x03D1, 0x039A, 0x039B, 0x039C,
      0x039D, 0x039F, 0x03A0, 0x0398, 0x03A1, 0x03A3, 0x03A4, 0x03A5, 0x03C2, 0x03A9, 0x039E, 0x03A8, 0x0396};
  static constexpr std::array<char16_t, 26> klein = {
      0x03B1, 0x03B2, 0x03C7, 0x03B4, 0x03B5, 0x03C6, 0x03B3, 0x03B7, 0x03B9, 0x03D5, 0x03BA, 0x03BB, 0x03BC,
      0x03BD, 0x03BF, 0x03C0, 0x03B8, 0x03C1, 0x03C3, 0x03C4, 0x03C5, 0x03D6, 0x03C9, 0x03BE, 0x03C8, 0x03B6};
  static constexpr std::array<char16_t, 96> oben = {
      0x20AC, 0x03D2, 0x2032, 0x2264, 0x2044, 0x221E, 0x0192, 0x2663,  // A0
      0x2666, 0x2665, 0x2660, 0x2194, 0x2190, 0x2191, 0x2192, 0x2193,
      0x00B0, 0x00B1, 0x2033, 0x2265, 0x00D7, 0x221D, 0x2202, 0x2022,  // B0
      0x00F7, 0x2260, 0x2261, 0x2248, 0x2026, 0x23D0, 0x23AF, 0x21B5,
      0x2135, 0x2111, 0x211C, 0x2118, 0x2297, 0x2295, 0x2205, 0x2229,  // C0
      0x222A, 0x2283, 0x2287, 0x2284, 0x2282, 0x2286, 0x2208, 0x2209,
      0x2220, 0x2207, 0x00AE, 0x00A9, 0x2122, 0x220F, 0x221A, 0x22C5,  // D0
      0x00AC, 0x2227, 0x2228, 0x21D4, 0x21D0, 0x21D1, 0x21D2, 0x21D3,
      0x25CA, 0x2329, 0x00AE, 0x00A9, 0x2122, 0x2211, 0x239B, 0x239C,  // E0
      0x239D, 0x23A1, 0x23A2, 0x23A3, 0x23A7, 0x23A8, 0x23A9, 0x23AA,
      0xFFFD, 0x232A, 0x222B, 0x2320, 0x23AE, 0x2321, 0x239E, 0x239F,  // F0
      0x23A0, 0x23A4, 0x23A5, 0x23A6, 0x23AB, 0x23AC, 0x23AD, 0xFFFD};
  if (byte >= 'A' && byte <= 'Z') return QChar(gross[byte - 'A']);
  if (byte >= 'a' && byte <= 'z') return QChar(klein[byte - 'a']);
  if (byte >= 0xA0) return QChar(oben[byte - 0xA0]);
  switch (byte) {
    case 0x22: return QChar(char16_t(0x2200));
    case 0x24: return QChar(char16_t(0x2203));
    case 0x27: return QChar(char16_t(0x220B));
    case 0x2A: return QChar(char16_t(0x2217));
    case 0x2D: return QChar(char16_t(0x2212));
    case 0x40: return QChar(char16_t(0x2245));
    case 0x5C: return QChar(char16_t(0x2234));
    case 0x5E: return QChar(char16_t(0x22A5));
    case 0x60: return QChar(char16_t(0xF8E5));
    case 0x7E: return QChar(char16_t(0x223C));
    default: break;
  }
  if (byte >= 0x80) return QChar(char16_t(0xFFFD));
  return QChar(char16_t(byte));
}

namespace {

// Measures in RTF are twips; the text layout counts pixels at 96 dpi.
constexpr qreal TwipsJePixel = 15.0;
constexpr int MaxTwips = 31680;  // 22 inches, the widest page RTF knows
constexpr int MaxParameter = 1000000000;
constexpr int MaxWortLaenge = 32;

enum class Ziel { Text, Ueberspringen, Schriften, Farben };

struct TZeichenZustand {
  int schrift = -1;  // -1: the document's default font
  int groesse = 24;  // half points
  bool fett = false;
  bool kursiv = false;
  bool unterstrichen = false;
  int hoch = 0;      // half points, negative = lowered
  int hochTief = 0;  // 1 superscript, 2 subscript
  int farbe = 0;
  bool operator==(const TZeichenZustand&) const = default;
};

struct TAbsatzZustand {
  QList<QTextOption::Tab> tabs;
  QTextOption::TabType naechsterTab = QTextOption::LeftTab;
  Qt::Alignment ausrichtung = Qt::AlignLeft;
  int links = 0, rechts = 0, erste = 0, davor = 0, danach = 0;
};

struct TGruppe {
  TZeichenZustand zeichen;
  TAbsatzZustand absatz;
  Ziel ziel = Ziel::Text;
  int uc = 1;
};

struct TSchrift {
  QString name;
  int zeichensatz = 0;
};

int Begrenzt(int wert, int unten, int oben) { return std::clamp(wert, unten, oben); }

class TParser {
 public:
  TParser(const QByteArray& eingabe, QTextDocument* dokument) : in(eingabe), doc(dokument), cursor(dokument) {}

  TRtfErgebnis Lesen();

 private:
  void Steuerung();
  void Wort(const QByteArray& wort, int param, bool hatParam);
  void Zeichen(QChar z);       // a character of the current destination
  void Byte(unsigned char b);  // a text byte in the document's code page
  void Ausgeben(QChar z);      // into the document
  void Leeren();
  void AbsatzEnde();
  QTextCharFormat Format();
  QTextBlockFormat Absatzformat() const;
  void SchriftSpeichern();
  void Fehler(const QString& text) {
    if (fehlerText.isEmpty()) fehlerText = text;
  }
  bool Ueberspringt() {
    if (zuUeberspringen > 0) {
      --zuUeberspringen;
      return true;
    }
    return false;
  }

  const QByteArray& in;
  qsizetype pos = 0;
  QTextDocument* doc;
  QTextCursor cursor;
  QList<TGruppe> stapel;
  TGruppe akt;
  bool fertig = false;
  QString fehlerText;

  QString puffer;
  QTextCharFormat pufferFormat;
  TZeichenZustand formatZustand;
  QTextCharFormat formatZwischenspeicher;
  bool formatGueltig = false;
  qsizetype erzeugt = 0;
  int laeufeImAbsatz = 0;
  int zuUeberspringen = 0;

  QHash<int, TSchrift> schriften;
  int deff = 0;
  int deftab = 720;
  int tabellenSchrift = -1;
  TSchrift neueSchrift;
  QList<QColor> farben;
  int rot = 0, gruen = 0, blau = 0;
  bool farbeGesetzt = false;
};

TRtfErgebnis TParser::Lesen() {
  qsizetype start = 0;
  while (start < in.size() && (in[start] == ' ' || in[start] == '\t' || in[start] == '\r' || in[start] == '\n'))
    ++start;
  if (!in.mid(start, 5).startsWith("{\\rtf")) return {false, QStringLiteral("Das Dokument ist kein RTF-Text.")};
  pos = start + 1;  // the root group is open

  while (pos < in.size() && !fertig && fehlerText.isEmpty()) {
    const unsigned char c = static_cast<unsigned char>(in[pos++]);
    switch (c) {
      case '{':
        if (stapel.size() >= TRtfLeser::MaxTiefe) {
          Fehler(QStringLiteral("Das RTF-Dokument ist zu tief verschachtelt."));
          break;
        }
        stapel.push_back(akt);
        zuUeberspringen = 0;
        break;
      case '}':
        if (akt.ziel == Ziel::Schriften && tabellenSchrift >= 0 && !stapel.isEmpty() &&
            stapel.last().ziel == Ziel::Schriften)
          SchriftSpeichern();  // an entry closed without its semicolon
        zuUeberspringen = 0;
        if (stapel.isEmpty()) {
          fertig = true;  // the root group is closed; anything after it is not the document's
        } else {
          akt = stapel.takeLast();
        }
        break;
      case '\\': Steuerung(); break;
      case '\r':
      case '\n': break;
      default:
        if (akt.ziel == Ziel::Ueberspringen) break;
        if (Ueberspringt()) break;
        Byte(c);
        break;
    }
  }
  if (fehlerText.isEmpty()) {
    Leeren();
    cursor.setBlockFormat(Absatzformat());
  }
  if (!fehlerText.isEmpty()) {
    doc->clear();
    return {false, fehlerText};
  }
  if (const auto s = schriften.constFind(deff); s != schriften.constEnd() && !s->name.isEmpty()) {
    doc->setDefaultFont(QFont(s->name, 12));
  }
  QTextOption option = doc->defaultTextOption();
  option.setTabStopDistance(deftab / TwipsJePixel);
  doc->setDefaultTextOption(option);
  return {true, {}};
}

void TParser::Steuerung() {
  if (pos >= in.size()) return;  // a lone backslash at the very end
  const char c = in[pos];
  if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z')) {
    const qsizetype anfang = pos;
    while (pos < in.size() && ((in[pos] >= 'a' && in[pos] <= 'z') || (in[pos] >= 'A' && in[pos] <= 'Z'))) ++pos;
    QByteArray wort = in.mid(anfang, pos - anfang);
    bool negativ = false;
    if (pos + 1 < in.size() && in[pos] == '-' && in[pos + 1] >= '0' && in[pos + 1] <= '9') {
      negativ = true;
      ++pos;
    }
    bool hatParam = false;
    long long wert = 0;
    while (pos < in.size() && in[pos] >= '0' && in[pos] <= '9') {
      hatParam = true;
      // Absurdly long numbers saturate instead of overflowing.
      wert = std::min<long long>(wert * 10 + (in[pos] - '0'), MaxParameter);
      ++pos;
    }
    if (pos < in.size() && in[pos] == ' ') ++pos;
    const int param = static_cast<int>(negativ ? -wert : wert);
    if (wort.size() > MaxWortLaenge) wort.clear();  // no such word exists
    if (wort == "bin") {
      // Binary data is never text, even while skipping a fallback.
      pos += std::min<qsizetype>(std::max(param, 0), in.size() - pos);
      return;
    }
    if (akt.ziel == Ziel::Ueberspringen) return;
    if (Ueberspringt()) return;
    Wort(wort, param, hatParam);
    return;
  }

  ++pos;
  switch (c) {
    case '\\':
    case '{':
    case '}':
      if (akt.ziel == Ziel::Ueberspringen || Ueberspringt()) return;
      Zeichen(QLatin1Char(c));
      return;
    case '\'': {
      auto hex = [](char h) -> int {
        if (h >= '0' && h <= '9') return h - '0';
        if (h >= 'a' && h <= 'f') return h - 'a' + 10;
        if (h >= 'A' && h <= 'F') return h - 'A' + 10;
        return -1;
      };
      const int hoch = pos < in.size() ? hex(in[pos]) : -1;
      const int tief = pos + 1 < in.size() ? hex(in[pos + 1]) : -1;
      if (hoch < 0 || tief < 0) return;  // a broken escape is dropped, what follows stays text
      pos += 2;
      if (akt.ziel == Ziel::Ueberspringen || Ueberspringt()) return;
      Byte(static_cast<unsigned char>(hoch * 16 + tief));
      return;
    }
    case '*':
      akt.ziel = Ziel::Ueberspringen;  // an optional destination we do not know
      return;
    default: break;
  }
  if (akt.ziel == Ziel::Ueberspringen || Ueberspringt()) return;
  switch (c) {
    case '~': Zeichen(QChar(char16_t(0x00A0))); break;
    case '_': Zeichen(QChar(char16_t(0x2011))); break;
    case '\t': Zeichen(QLatin1Char('\t')); break;
    case '\r':
    case '\n':
      if (akt.ziel == Ziel::Text) AbsatzEnde();
      break;
    default: break;  // \- \| \: and the like have no visible effect here
  }
}

void TParser::Wort(const QByteArray& w, int param, bool hatParam) {
  // Destinations first: they decide what the rest of the group means.
  static const QList<QByteArray> fremdeZiele = {"info",
                                                "stylesheet",
                                                "pict",
                                                "header",
                                                "headerl",
                                                "headerr",
                                                "headerf",
                                                "footer",
                                                "footerl",
                                                "footerr",
                                                "footerf",
                                                "footnote",
                                                "fldinst",
                                                "object",
                                                "themedata",
                                                "colorschememapping",
                                                "latentstyles",
                                                "datastore",
                                                "xmlnstbl",
                                                "listtable",
                                                "listoverridetable",
                                                "rsidtbl",
                                                "generator",
                                                "revtbl",
                                                "filetbl",
                                                "pgdsctbl",
                                                "nonshppict",
                                                "annotation",
                                                "atnid",
                                                "atnauthor",
                                                "private",
                                                "userprops",
                                                "docvar",
                                                "shp",
                                                "mmathPr"};
  if (w == "fonttbl") {
    akt.ziel = Ziel::Schriften;
    tabellenSchrift = -1;
    return;
  }
  if (w == "colortbl") {
    akt.ziel = Ziel::Farben;
    rot = gruen = blau = 0;
    farbeGesetzt = false;
    return;
  }
  if (fremdeZiele.contains(w)) {
    akt.ziel = Ziel::Ueberspringen;
    return;
  }

  if (akt.ziel == Ziel::Schriften) {
    if (w == "f") {
      if (tabellenSchrift >= 0) SchriftSpeichern();
      tabellenSchrift = param;
      neueSchrift = {};
    } else if (w == "fcharset") {
      neueSchrift.zeichensatz = param;
    }
    return;
  }
  if (akt.ziel == Ziel::Farben) {
    if (w == "red")
      rot = Begrenzt(param, 0, 255), farbeGesetzt = true;
    else if (w == "green")
      gruen = Begrenzt(param, 0, 255), farbeGesetzt = true;
    else if (w == "blue")
      blau = Begrenzt(param, 0, 255), farbeGesetzt = true;
    return;
  }

  TZeichenZustand& z = akt.zeichen;
  TAbsatzZustand& a = akt.absatz;
  const bool an = !hatParam || param != 0;
  const int twips = Begrenzt(param, -MaxTwips, MaxTwips);

  // Character formats
  if (w == "plain")
    z = TZeichenZustand{};
  else if (w == "f")
    z.schrift = param;
  else if (w == "fs")
    z.groesse = hatParam && param > 0 ? Begrenzt(param, 2, 400) : 24;
  else if (w == "b")
    z.fett = an;
  else if (w == "i")
    z.kursiv = an;
  else if (w == "ul" || w == "uld" || w == "uldb" || w == "ulw" || w == "uldash")
    z.unterstrichen = an;
  else if (w == "ulnone")
    z.unterstrichen = false;
  else if (w == "up")
    z.hoch = hatParam ? Begrenzt(param, 0, 200) : 6;
  else if (w == "dn")
    z.hoch = -(hatParam ? Begrenzt(param, 0, 200) : 6);
  else if (w == "super")
    z.hochTief = 1;
  else if (w == "sub")
    z.hochTief = 2;
  else if (w == "nosupersub")
    z.hochTief = 0;
  else if (w == "cf")
    z.farbe = param;
  // Paragraph formats
  else if (w == "pard")
    a = TAbsatzZustand{};
  else if (w == "ql")
    a.ausrichtung = Qt::AlignLeft;
  else if (w == "qc")
    a.ausrichtung = Qt::AlignHCenter;
  else if (w == "qr")
    a.ausrichtung = Qt::AlignRight;
  else if (w == "qj")
    a.ausrichtung = Qt::AlignJustify;
  else if (w == "li")
    a.links = twips;
  else if (w == "ri")
    a.rechts = twips;
  else if (w == "fi")
    a.erste = twips;
  else if (w == "sb")
    a.davor = Begrenzt(param, 0, MaxTwips);
  else if (w == "sa")
    a.danach = Begrenzt(param, 0, MaxTwips);
  else if (w == "tqc")
    a.naechsterTab = QTextOption::CenterTab;
  else if (w == "tqr")
    a.naechsterTab = QTextOption::RightTab;
  else if (w == "tqdec")
    a.naechsterTab = QTextOption::DelimiterTab;
  else if (w == "tx" || w == "tb") {
    if (a.tabs.size() < TRtfLeser::MaxTabulatoren) {
      // Decimal tabs align on the decimal comma of the documents' language.
      const QChar trenner = a.naechsterTab == QTextOption::DelimiterTab ? QLatin1Char(',') : QChar();
      a.tabs.append(QTextOption::Tab(Begrenzt(param, 0, MaxTwips) / TwipsJePixel, a.naechsterTab, trenner));
      std::sort(a.tabs.begin(), a.tabs.end(),
                [](const QTextOption::Tab& x, const QTextOption::Tab& y) { return x.position < y.position; });
    }
    a.naechsterTab = QTextOption::LeftTab;
  }
  // Document settings
  else if (w == "deff")
    deff = param;
  else if (w == "deftab")
    deftab = param > 0 ? Begrenzt(param, 1, MaxTwips) : 720;
  else if (w == "uc")
    akt.uc = Begrenzt(param, 0, 16);
  // Characters
  else if (w == "par" || w == "sect" || w == "page" || w == "row") {
    if (akt.ziel == Ziel::Text) AbsatzEnde();
  } else if (w == "line")
    Zeichen(QChar(QChar::LineSeparator));
  else if (w == "tab" || w == "cell")
    Zeichen(QLatin1Char('\t'));
  else if (w == "u") {
    int code = param;
    if (code < 0) code += 65536;
    Zeichen(code >= 0 && code <= 0xFFFF ? QChar(char16_t(code)) : QChar(QChar::ReplacementCharacter));
    zuUeberspringen = akt.uc;
  } else if (w == "emdash")
    Zeichen(QChar(char16_t(0x2014)));
  else if (w == "endash")
    Zeichen(QChar(char16_t(0x2013)));
  else if (w == "bullet")
    Zeichen(QChar(char16_t(0x2022)));
  else if (w == "lquote")
    Zeichen(QChar(char16_t(0x2018)));
  else if (w == "rquote")
    Zeichen(QChar(char16_t(0x2019)));
  else if (w == "ldblquote")
    Zeichen(QChar(char16_t(0x201C)));
  else if (w == "rdblquote")
    Zeichen(QChar(char16_t(0x201D)));
  else if (w == "emspace")
    Zeichen(QChar(char16_t(0x2003)));
  else if (w == "enspace")
    Zeichen(QChar(char16_t(0x2002)));
  // Every other word is either harmless here or unknown: skipped.
}

void TParser::Byte(unsigned char b) {
  if (akt.ziel == Ziel::Text) {
    const int nr = akt.zeichen.schrift < 0 ? deff : akt.zeichen.schrift;
    const auto s = schriften.constFind(nr);
    if (s != schriften.constEnd() && s->zeichensatz == 2) {
      Zeichen(SymbolZeichen(b));
      return;
    }
  }
  if (b == '\t') {
    Zeichen(QLatin1Char('\t'));
  } else if (b >= 0x20) {
    Zeichen(Cp1252Zeichen(b));
  }
}

void TParser::Zeichen(QChar z) {
  switch (akt.ziel) {
    case Ziel::Text: Ausgeben(z); break;
    case Ziel::Schriften:
      if (z == QLatin1Char(';')) {
        SchriftSpeichern();
      } else if (tabellenSchrift >= 0 && neueSchrift.name.size() < 256) {
        neueSchrift.name += z;
      }
      break;
    case Ziel::Farben:
      if (z == QLatin1Char(';') && farben.size() < TRtfLeser::MaxTabellenEintraege) {
        farben.append(farbeGesetzt ? QColor(rot, gruen, blau) : QColor());
        rot = gruen = blau = 0;
        farbeGesetzt = false;
      }
      break;
    case Ziel::Ueberspringen: break;
  }
}

void TParser::SchriftSpeichern() {
  if (tabellenSchrift >= 0 &&
      (schriften.size() < TRtfLeser::MaxTabellenEintraege || schriften.contains(tabellenSchrift))) {
    neueSchrift.name = neueSchrift.name.trimmed();
    schriften.insert(tabellenSchrift, neueSchrift);
  }
  tabellenSchrift = -1;
  neueSchrift = {};
}

void TParser::Ausgeben(QChar z) {
  if (++erzeugt > TRtfLeser::MaxZeichen) {
    Fehler(QStringLiteral("Das RTF-Dokument ist zu groß."));
    return;
  }
  if (!formatGueltig || !(formatZustand == akt.zeichen)) {
    formatZwischenspeicher = Format();
    formatZustand = akt.zeichen;
    formatGueltig = true;
  }
  if (!puffer.isEmpty() && formatZwischenspeicher != pufferFormat) {
    // Every run of its own format costs the document a fragment, and the
    // text document slows down with the square of the runs in one paragraph.
    erzeugt += 8;
    if (++laeufeImAbsatz > TRtfLeser::MaxLaeufeJeAbsatz) {
      Fehler(QStringLiteral("Das RTF-Dokument ist zu vielfältig formatiert."));
      return;
    }
    Leeren();
  }
  if (puffer.isEmpty()) pufferFormat = formatZwischenspeicher;
  puffer += z;
}

void TParser::Leeren() {
  if (puffer.isEmpty()) return;
  // \u may deliver half of a surrogate pair without the other half.
  for (qsizetype i = 0; i < puffer.size(); ++i) {
    const QChar z = puffer[i];
    if (z.isHighSurrogate() && i + 1 < puffer.size() && puffer[i + 1].isLowSurrogate()) {
      ++i;
    } else if (z.isSurrogate()) {
      puffer[i] = QChar(QChar::ReplacementCharacter);
    }
  }
  cursor.insertText(puffer, pufferFormat);
  puffer.clear();
}

void TParser::AbsatzEnde() {
  erzeugt += 32;  // a paragraph is dearer than a character
  laeufeImAbsatz = 0;
  if (erzeugt > TRtfLeser::MaxZeichen) {
    Fehler(QStringLiteral("Das RTF-Dokument ist zu groß."));
    return;
  }
  Leeren();
  cursor.setBlockFormat(Absatzformat());
  cursor.insertBlock(Absatzformat(), Format());
}

QTextCharFormat TParser::Format() {
  const TZeichenZustand& z = akt.zeichen;
  QTextCharFormat f;
  const int nr = z.schrift < 0 ? deff : z.schrift;
  auto s = schriften.constFind(nr);
  // A symbol font's glyphs have been mapped to Unicode; the surrounding
  // family (with the system's fallback) draws them.
  if (s == schriften.constEnd() || s->zeichensatz == 2) s = schriften.constFind(deff);
  if (s != schriften.constEnd() && !s->name.isEmpty()) f.setFontFamilies(QStringList{s->name});
  f.setFontPointSize(z.groesse / 2.0);
  f.setFontWeight(z.fett ? QFont::Bold : QFont::Normal);
  f.setFontItalic(z.kursiv);
  f.setFontUnderline(z.unterstrichen);
  if (z.hochTief == 1) {
    f.setVerticalAlignment(QTextCharFormat::AlignSuperScript);
  } else if (z.hochTief == 2) {
    f.setVerticalAlignment(QTextCharFormat::AlignSubScript);
  } else if (z.hoch != 0) {
    // The layout takes the shift in percent of the line height of this
    // text's font, which is about 1.15 times its size.
    f.setBaselineOffset(100.0 * z.hoch / (z.groesse * 1.15));
  }
  if (z.farbe > 0 && z.farbe < farben.size() && farben[z.farbe].isValid()) f.setForeground(farben[z.farbe]);
  return f;
}

QTextBlockFormat TParser::Absatzformat() const {
  const TAbsatzZustand& a = akt.absatz;
  QTextBlockFormat b;
  b.setAlignment(a.ausrichtung);
  b.setLeftMargin(a.links / TwipsJePixel);
  b.setRightMargin(a.rechts / TwipsJePixel);
  b.setTextIndent(a.erste / TwipsJePixel);
  b.setTopMargin(a.davor / TwipsJePixel);
  b.setBottomMargin(a.danach / TwipsJePixel);
  if (!a.tabs.isEmpty()) b.setTabPositions(a.tabs);
  return b;
}

}  // namespace

TRtfErgebnis TRtfLeser::Lesen(const QByteArray& rtf, QTextDocument* dokument) {
  dokument->clear();
  if (rtf.size() > MaxEingabe) return {false, QStringLiteral("Das RTF-Dokument ist zu groß.")};
  // A document that is shown relays itself out after every insertion; built
  // apart and inserted in one piece, it is laid out once.
  QTextDocument roh;
  roh.setUndoRedoEnabled(false);
  TRtfErgebnis ergebnis = TParser(rtf, &roh).Lesen();
  if (!ergebnis.Ok) return ergebnis;
  const bool rueckgaengig = dokument->isUndoRedoEnabled();
  dokument->setUndoRedoEnabled(false);
  dokument->setDefaultFont(roh.defaultFont());
  // Only the tab distance is the document's; wrapping belongs to the viewer.
  QTextOption option = dokument->defaultTextOption();
  option.setTabStopDistance(roh.defaultTextOption().tabStopDistance());
  dokument->setDefaultTextOption(option);
  QTextCursor(dokument).insertFragment(QTextDocumentFragment(&roh));
  // The fragment does not carry the first paragraph's format into the
  // existing first block.
  QTextCursor(dokument).setBlockFormat(roh.firstBlock().blockFormat());
  dokument->setUndoRedoEnabled(rueckgaengig);
  return ergebnis;
}
