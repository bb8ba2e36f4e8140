#include "formula/Formeltext.h"

#include <QAbstractTextDocumentLayout>
#include <QRegularExpression>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
#include <algorithm>
#include <optional>

namespace {

constexpr int MinStrich = 3;  // dashes that make a fraction bar; a minus sign stands alone

struct TZeichen {
  qreal X0 = 0, X1 = 0;
  QChar C;
  int Lage = 0;  // 1 raised, -1 lowered
  qreal Mitte() const { return (X0 + X1) / 2; }
};
using TZeile = QVector<TZeichen>;

int Lage(const QTextCharFormat& f) {
  if (f.verticalAlignment() == QTextCharFormat::AlignSuperScript || f.baselineOffset() > 0) return 1;
  if (f.verticalAlignment() == QTextCharFormat::AlignSubScript || f.baselineOffset() < 0) return -1;
  return 0;
}

// The characters of a paragraph, each with its place on the line; null
// layout: numbered one after another.
QVector<TZeile> Zeilen(const QTextBlock& block) {
  const QTextLayout* layout = block.layout();
  const int zeilen = layout ? layout->lineCount() : 0;
  QVector<TZeile> ergebnis(std::max(zeilen, 1));
  for (auto it = block.begin(); !it.atEnd(); ++it) {
    const QTextFragment fragment = it.fragment();
    const int lage = Lage(fragment.charFormat());
    const QString text = fragment.text();
    for (int i = 0; i < text.size(); ++i) {
      const int pos = fragment.position() - block.position() + i;
      TZeichen z{qreal(pos), qreal(pos + 1), text[i] == QLatin1Char('\t') ? QChar(u' ') : text[i], lage};
      int nr = 0;
      if (zeilen > 0) {
        const QTextLine zeile = layout->lineForTextPosition(pos);
        if (!zeile.isValid()) continue;
        nr = zeile.lineNumber();
        z.X0 = zeile.cursorToX(pos);
        z.X1 = zeile.cursorToX(pos + 1);
        if (z.X1 < z.X0) std::swap(z.X0, z.X1);
      }
      ergebnis[nr].append(z);
    }
  }
  for (TZeile& z : ergebnis)
    std::stable_sort(z.begin(), z.end(), [](const TZeichen& a, const TZeichen& b) { return a.X0 < b.X0; });
  return ergebnis;
}

bool Leer(const TZeile& zeile) {
  return std::all_of(zeile.begin(), zeile.end(), [](const TZeichen& z) { return z.C.isSpace(); });
}

// The big brackets of the symbol font are drawn from pieces over three
// lines; their middle piece stands for the bracket.
std::optional<QChar> Gesprochen(QChar c) {
  switch (c.unicode()) {
    case 0x239C: return QChar(u'(');
    case 0x239F: return QChar(u')');
    case 0x239B:
    case 0x239D:
    case 0x239E:
    case 0x23A0: return std::nullopt;
    default: return c;
  }
}

// A part of a line: a character or a whole fraction, in the order of x.
struct TTeil {
  qreal X = 0;
  TZeichen Zeichen;
  QString Bruch;
};

QString Hoch(const QString& exponent) {
  const bool einfach = std::all_of(exponent.begin(), exponent.end(), [](QChar c) { return c.isLetterOrNumber(); });
  return QStringLiteral("hoch ") + (einfach ? exponent : QLatin1Char('(') + exponent + QLatin1Char(')'));
}

QString Vorlesen(QVector<TTeil> teile) {
  std::stable_sort(teile.begin(), teile.end(), [](const TTeil& a, const TTeil& b) { return a.X < b.X; });
  QString text, lauf;
  int lage = 0;
  const auto abschliessen = [&] {
    const QString l = lauf.trimmed();
    if (lage == 1 && !l.isEmpty()) {
      text += QLatin1Char(' ') + Hoch(l) + QLatin1Char(' ');
    } else {
      text += lauf;
    }
    lauf.clear();
    lage = 0;
  };
  for (const TTeil& t : teile) {
    if (!t.Bruch.isNull()) {
      abschliessen();
      text += QLatin1Char(' ') + t.Bruch + QLatin1Char(' ');
      continue;
    }
    const std::optional<QChar> c = Gesprochen(t.Zeichen.C);
    if (!c) continue;
    if (t.Zeichen.Lage != lage) abschliessen();
    lage = t.Zeichen.Lage;
    lauf += *c;
  }
  abschliessen();
  return text.simplified();
}

QVector<TTeil> Teile(const TZeile& zeile) {
  QVector<TTeil> teile;
  for (const TZeichen& z : zeile) teile.append({z.X0, z, {}});
  return teile;
}

struct TStrich {
  int Zeile = 0;
  qreal X0 = 0, X1 = 0;
  int Striche = 0;
  qreal Breite() const { return X1 - X0; }
  // Numerator and denominator may stand out by half a dash.
  qreal Rand() const { return Breite() / Striche / 2; }
};

QVector<TStrich> Striche(const QVector<TZeile>& zeilen) {
  QVector<TStrich> striche;
  for (int nr = 0; nr < zeilen.size(); ++nr) {
    const TZeile& z = zeilen[nr];
    for (int i = 0; i < z.size();) {
      int j = i;
      while (j < z.size() && z[j].C == QLatin1Char('-') && z[j].Lage == 0) ++j;
      if (j - i >= MinStrich) striche.append({nr, z[i].X0, z[j - 1].X1, j - i});
      i = std::max(j, i + 1);
    }
  }
  return striche;
}

// A term of several parts goes in brackets, unless brackets (or a function's)
// already hold all of it.
QString Geklammert(const QString& text) {
  if (!text.contains(QLatin1Char(' '))) return text;
  qsizetype i = 0;
  while (i < text.size() && text[i].isLetter()) ++i;
  int tiefe = 0;
  for (qsizetype k = i; k < text.size(); ++k) {
    if (text[k] == QLatin1Char('(')) ++tiefe;
    if (text[k] == QLatin1Char(')') && --tiefe == 0) {
      if (k == text.size() - 1) return text;
      break;
    }
    if (tiefe == 0) break;
  }
  return QLatin1Char('(') + text + QLatin1Char(')');
}

// What stands between x `links` and `rechts` in the given lines: the line of
// the widest fraction bar is the main line; above and below each of its bars
// stand numerator and denominator. Raised text of other lines belongs to the
// main line (an exponent after a tall bracket).
QString Bereich(const QVector<TZeile>& alle, qreal links, qreal rechts) {
  QVector<TZeile> zeilen;
  for (const TZeile& zeile : alle) {
    TZeile innen;
    for (const TZeichen& z : zeile)
      if (z.Mitte() >= links && z.Mitte() <= rechts) innen.append(z);
    if (!Leer(innen)) zeilen.append(innen);
  }
  const QVector<TStrich> striche = Striche(zeilen);
  if (striche.isEmpty()) {
    QStringList texte;
    for (const TZeile& z : zeilen) texte << Vorlesen(Teile(z));
    return texte.join(QLatin1Char(' '));
  }
  const int haupt = std::max_element(striche.begin(), striche.end(), [](const TStrich& a, const TStrich& b) {
                      return a.Breite() < b.Breite();
                    })->Zeile;
  QVector<TStrich> brueche;
  for (const TStrich& s : striche)
    if (s.Zeile == haupt) brueche.append(s);
  // On the main line only the bar itself is the fraction's; on the others
  // whatever stands above or below it.
  const auto imBruch = [&](const TZeichen& z, bool mitRand) {
    return std::any_of(brueche.begin(), brueche.end(), [&](const TStrich& s) {
      const qreal rand = mitRand ? s.Rand() : 0;
      return z.Mitte() >= s.X0 - rand && z.Mitte() <= s.X1 + rand;
    });
  };
  QVector<TTeil> teile;
  for (int nr = 0; nr < zeilen.size(); ++nr) {
    TTeil exponent{0, {}, {}};
    for (const TZeichen& z : zeilen[nr]) {
      if (nr == haupt) {
        if (!imBruch(z, false)) teile.append({z.X0, z, {}});
      } else if (z.Lage == 1 && !imBruch(z, true)) {
        // Kept whole: it may reach over what follows on the main line.
        if (exponent.Bruch.isNull()) exponent.X = z.X0;
        exponent.Bruch += z.C;
        continue;
      }
      if (!exponent.Bruch.isNull()) teile.append({exponent.X, {}, Hoch(exponent.Bruch.trimmed())});
      exponent.Bruch = QString();
    }
    if (!exponent.Bruch.isNull()) teile.append({exponent.X, {}, Hoch(exponent.Bruch.trimmed())});
  }
  for (const TStrich& s : brueche) {
    const QString zaehler = Bereich(zeilen.mid(0, haupt), s.X0 - s.Rand(), s.X1 + s.Rand());
    const QString nenner = Bereich(zeilen.mid(haupt + 1), s.X0 - s.Rand(), s.X1 + s.Rand());
    teile.append({s.X0, {}, Geklammert(zaehler) + QStringLiteral(" / ") + Geklammert(nenner)});
  }
  return Vorlesen(teile);
}

// The font a paragraph begins with, blanks included: a formula's lines begin
// with the tabs of its own font, whatever glyphs another font lends them.
QString FamilieDes(const QTextBlock& block) {
  const auto it = block.begin();
  return it.atEnd() ? QString() : it.fragment().charFormat().fontFamilies().toStringList().join(u',');
}

}  // namespace

QString LinearerText(const QTextDocument* dokument) {
  // Asking for the size lays the whole document out.
  dokument->documentLayout()->documentSize();
  QVector<QTextBlock> bloecke;
  for (QTextBlock b = dokument->begin(); b.isValid(); b = b.next()) bloecke.append(b);
  const auto leer = [](const QTextBlock& b) { return b.text().trimmed().isEmpty(); };
  const auto mitStrich = [](const QTextBlock& b) { return b.text().contains(QString(MinStrich, u'-')); };

  QStringList ergebnis;
  for (qsizetype i = 0; i < bloecke.size();) {
    if (leer(bloecke[i])) {
      ++i;
      continue;
    }
    // A formula is the run of adjacent lines in one font around a fraction bar.
    qsizetype ende = i + 1;
    while (ende < bloecke.size() && !leer(bloecke[ende]) && FamilieDes(bloecke[ende]) == FamilieDes(bloecke[i])) ++ende;
    const bool formel = std::any_of(bloecke.begin() + i, bloecke.begin() + ende, mitStrich);
    if (!formel) ende = i + 1;
    QVector<TZeile> zeilen;
    for (qsizetype k = i; k < ende; ++k) zeilen += Zeilen(bloecke[k]);
    QString text = Bereich(zeilen, -1e9, 1e9);
    if (formel) {
      static const QRegularExpression minus(QStringLiteral("(?<=\\s)-(?=\\s)"));
      text.replace(minus, QStringLiteral("\u2212"));
      text.replace(QStringLiteral("( "), QStringLiteral("(")).replace(QStringLiteral(" )"), QStringLiteral(")"));
    }
    if (!text.isEmpty()) ergebnis << text;
    i = ende;
  }
  return ergebnis.join(QLatin1Char('\n'));
}
