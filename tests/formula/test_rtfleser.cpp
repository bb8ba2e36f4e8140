// The RTF reader on small hand-made documents: what each control word does,
// and that broken input ends in a document or a clean error.
#include <gtest/gtest.h>

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include "formula/RtfLeser.h"

namespace {

QByteArray Rtf(const QByteArray& rumpf) {
  return "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\froman\\fcharset0 Times New Roman;}"
         "{\\f1\\fmodern\\fcharset0 Courier New;}{\\f2\\ftech\\fcharset2 Symbol;}}"
         "{\\colortbl;\\red255\\green0\\blue0;}" +
         rumpf + "}";
}

QString Text(const QByteArray& rtf) {
  QTextDocument doc;
  const TRtfErgebnis e = TRtfLeser::Lesen(rtf, &doc);
  EXPECT_TRUE(e.Ok) << e.Fehler.toStdString();
  return doc.toPlainText();
}

// The character format of the first occurrence of `text`.
QTextCharFormat FormatVon(QTextDocument& doc, const QString& text) {
  QTextCursor c = doc.find(text);
  EXPECT_FALSE(c.isNull()) << text.toStdString();
  QTextCursor z(&doc);
  z.setPosition(c.selectionStart() + 1);  // the format left of the cursor is that of the first character
  return z.charFormat();
}

TEST(RtfLeser, Zeichen) {
  // clang-format off
  const struct { const char* name; QByteArray rumpf; QString erwartet; } faelle[] = {
      {"Zeilenumbrueche im Quelltext zaehlen nicht", "Ha\r\nllo", "Hallo"},
      {"Tabulator", "a\\tab b", "a\tb"},
      {"maskierte Zeichen", "\\\\ \\{x\\}", "\\ {x}"},
      {"1252-Umlaute", "f\\'fcr \\'c4\\'d6\\'dc\\'df\\'9f", QString::fromUtf8("für ÄÖÜßŸ")},
      // the holes of the code page must not turn into control characters
      {"Loecher der Codeseite", "\\'81\\'8d\\'8f\\'90\\'9d", QString(5, QChar(QChar::ReplacementCharacter))},
      {"rohe 1252-Bytes", "gr\xf6\xdf" "e", QString::fromUtf8("größe")},
      {"Unicode mit einem Ersatzzeichen", "\\u8364?5", QString::fromUtf8("€5")},
      {"uc2 ueberspringt zwei", "\\uc2\\u8364 abc", QString::fromUtf8("€c")},
      {"Ersatz als Escape", "\\u228\\'e4x", QString::fromUtf8("äx")},
      {"Gruppenende beendet das Ueberspringen", "{\\uc3\\u246 a}bc", QString::fromUtf8("öbc")},
      {"Surrogatpaar", "\\uc0\\u-10179\\u-8704", QString::fromUtf8("😀")},
      {"halbes Surrogat", "\\uc0\\u-10179 x", QString(QChar(QChar::ReplacementCharacter)) + "x"},
      {"unbekannte Woerter", "a\\foo12 b\\barbaz\\qux-3 c", "abc"},
      {"bekannte fremde Ziele", "a{\\info{\\title T}}{\\stylesheet{\\s0 Normal;}}b", "ab"},
      {"Binaerdaten", "a{\\*\\blob\\bin4 }}{{}b", "ab"},
      {"Steuersymbole", "a\\~b\\-c\\_d", QString::fromUtf8("a bc\u2011d")},
      {"Symbolschrift", "{\\f2\\'e6\\'f8\\'b4\\'53\\'221}", QString::fromUtf8("⎛⎠×Σ∀1")},
      {"Zeilenende und Tab nach Backslash, rohes Tab", "a\\\nb\\\tc\td", "a\nb\tc\td"},
  };
  // clang-format on
  // toPlainText() shows a no-break space as a blank.
  for (const auto& f : faelle) EXPECT_EQ(Text(Rtf(f.rumpf)).toStdString(), f.erwartet.toStdString()) << f.name;
}

TEST(RtfLeser, Zeichenformate) {
  QTextDocument doc;
  const QByteArray rumpf =
      "\\f0\\fs24 normal {\\b fett}{\\i kursiv}{\\ul unter\\ulnone nicht}{\\f1\\fs20 courier}"
      "{\\up6\\fs16 hoch}{\\dn4\\fs16 tief}{\\super sup\\nosupersub aus}{\\sub sub}{\\cf1 rot}"
      "{\\b\\i\\fs32 \\plain schlicht}\\b0 danach";
  ASSERT_TRUE(TRtfLeser::Lesen(Rtf(rumpf), &doc).Ok);

  const QTextCharFormat normal = FormatVon(doc, "normal");
  EXPECT_EQ(normal.fontFamilies().toStringList(), QStringList{"Times New Roman"});
  EXPECT_DOUBLE_EQ(normal.fontPointSize(), 12.0);
  EXPECT_FALSE(normal.font().bold());
  EXPECT_TRUE(FormatVon(doc, "fett").font().bold());
  EXPECT_TRUE(FormatVon(doc, "kursiv").fontItalic());
  EXPECT_TRUE(FormatVon(doc, "unter").fontUnderline());
  EXPECT_FALSE(FormatVon(doc, "nicht").fontUnderline());
  EXPECT_EQ(FormatVon(doc, "courier").fontFamilies().toStringList(), QStringList{"Courier New"});
  EXPECT_DOUBLE_EQ(FormatVon(doc, "courier").fontPointSize(), 10.0);
  EXPECT_GT(FormatVon(doc, "hoch").baselineOffset(), 10.0);
  EXPECT_LT(FormatVon(doc, "tief").baselineOffset(), -10.0);
  EXPECT_EQ(FormatVon(doc, "sup").verticalAlignment(), QTextCharFormat::AlignSuperScript);
  EXPECT_EQ(FormatVon(doc, "aus").verticalAlignment(), QTextCharFormat::AlignNormal);
  EXPECT_EQ(FormatVon(doc, "sub").verticalAlignment(), QTextCharFormat::AlignSubScript);
  EXPECT_EQ(FormatVon(doc, "rot").foreground().color(), QColor(255, 0, 0));
  const QTextCharFormat schlicht = FormatVon(doc, "schlicht");
  EXPECT_FALSE(schlicht.font().bold() || schlicht.fontItalic());
  EXPECT_DOUBLE_EQ(schlicht.fontPointSize(), 12.0);
  // The group's formats end with the group.
  EXPECT_DOUBLE_EQ(FormatVon(doc, "danach").fontPointSize(), 12.0);
  EXPECT_EQ(doc.defaultFont().family(), QStringLiteral("Times New Roman"));
  // A font table entry may end without its semicolon.
  ASSERT_TRUE(TRtfLeser::Lesen("{\\rtf1{\\fonttbl{\\f5 Arial}}\\f5 arial}", &doc).Ok);
  EXPECT_EQ(FormatVon(doc, "arial").fontFamilies().toStringList(), QStringList{"Arial"});
}

TEST(RtfLeser, Absatzformate) {
  QTextDocument doc;
  const QByteArray rumpf =
      "\\pard\\tx1440\\tqc\\tx2880\\tqr\\tx4320\\tqdec\\tx5760 a\\tab b\\par zweiter\\par"
      "\\pard\\qc mitte\\par\\pard\\li720\\fi-360 einger\\par\\pard ohne";
  ASSERT_TRUE(TRtfLeser::Lesen(Rtf(rumpf), &doc).Ok);
  const QList<QTextOption::Tab> tabs = doc.findBlockByNumber(0).blockFormat().tabPositions();
  ASSERT_EQ(tabs.size(), 4);
  EXPECT_DOUBLE_EQ(tabs[0].position, 96.0);  // one inch at 96 dpi
  EXPECT_EQ(QList({tabs[0].type, tabs[1].type, tabs[2].type, tabs[3].type}),
            QList({QTextOption::LeftTab, QTextOption::CenterTab, QTextOption::RightTab, QTextOption::DelimiterTab}));
  EXPECT_EQ(tabs[3].delimiter, QLatin1Char(','));
  // Tab stops stay until \pard.
  EXPECT_EQ(doc.findBlockByNumber(1).blockFormat().tabPositions().size(), 4);
  EXPECT_EQ(doc.findBlockByNumber(2).blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
  EXPECT_TRUE(doc.findBlockByNumber(2).blockFormat().tabPositions().isEmpty());
  EXPECT_DOUBLE_EQ(doc.findBlockByNumber(3).blockFormat().leftMargin(), 48.0);
  EXPECT_DOUBLE_EQ(doc.findBlockByNumber(3).blockFormat().textIndent(), -24.0);
  EXPECT_DOUBLE_EQ(doc.findBlockByNumber(4).blockFormat().leftMargin(), 0.0);
}

// Broken or oversized input ends in a document or in an empty one with a reason.
TEST(RtfLeser, KaputteEingabenEndenSauber) {
  const auto mal = [](int n, const QByteArray& teil) { return "{\\rtf1 " + teil.repeated(n) + "}"; };
  const int tiefe = TRtfLeser::MaxTiefe;
  // clang-format off
  const struct { const char* name; QByteArray rtf; bool ok; QString text; } faelle[] = {
      {"leer", "", false, {}},
      {"Leerraum vor dem Anfang", " \r\n{\\rtf1 a}", true, "a"},
      {"kein RTF", "Hallo {\\rtf1 x}", false, {}},
      {"offene Gruppen", "{\\rtf1 a{\\b b{\\i c", true, "abc"},
      {"zu viele schliessende", "{\\rtf1 a}}}b", true, "a"},
      {"abgeschnittenes Escape", "{\\rtf1 a\\'4", true, "a4"},
      {"kaputtes Escape", "{\\rtf1 a\\'zzb}", true, "azzb"},
      {"Backslash am Ende", "{\\rtf1 a\\", true, "a"},
      {"Riesenzahl", "{\\rtf1 \\fs99999999999999999999999999 a\\u99999999999999999 b\\uc99999999 \\u65 cd}", true,
       "a" + QString(QChar(QChar::ReplacementCharacter)) + "A"},
      {"negative Riesenzahl", "{\\rtf1 \\tx-99999999999999\\li-9999999999 a}", true, "a"},
      {"riesiges bin", "{\\rtf1 a\\bin999999999999 xyz}", true, "a"},
      {"endloses Wort", "{\\rtf1 \\" + QByteArray(5000, 'a') + " x}", true, "x"},
      {"Schriftentabelle ohne Ende", "{\\rtf1{\\fonttbl{\\f0 Arial", true, ""},
      {"Farbtabelle mit Unsinn", "{\\rtf1{\\colortbl\\red999;\\green-5;;}\\cf2 a\\cf99 b\\cf-1 c}", true, "abc"},
      {"Nullbytes", QByteArray("{\\rtf1 a\0b\\'00c}", 16), true, "abc"},
      {"so tief wie erlaubt", mal(1, QByteArray(tiefe, '{') + "x" + QByteArray(tiefe, '}')), true, "x"},
      {"zu tief", mal(1, QByteArray(100000, '{')), false, {}},
      {"zu lang", mal(1, QByteArray(TRtfLeser::MaxEingabe, 'x')), false, {}},
      // small input, huge output: tabs and paragraphs count as well as letters
      {"zu viel Ausgabe", mal(300000, "\\tab\\par "), false, {}},
      // format changes in one paragraph are limited too; across paragraphs they are not
      {"zu viele Formate", mal(1000, "{\\b a}{\\i b}"), false, {}},
      {"Formate in Absaetzen", mal(1000, "{\\b a}{\\i b}\\par "), true, QStringLiteral("ab\n").repeated(1000)},
  };
  // clang-format on
  for (const auto& f : faelle) {
    SCOPED_TRACE(f.name);
    QTextDocument doc;
    doc.setPlainText(QStringLiteral("alter Inhalt"));
    const TRtfErgebnis e = TRtfLeser::Lesen(f.rtf, &doc);
    EXPECT_EQ(e.Ok, f.ok);
    EXPECT_EQ(doc.toPlainText().toStdString(), f.text.toStdString());
    EXPECT_EQ(e.Fehler.isEmpty(), f.ok);
  }
  QTextDocument doc;
  const QString zuGross = TRtfLeser::Lesen(mal(300000, "\\tab\\par "), &doc).Fehler;
  EXPECT_EQ(zuGross, QStringLiteral("Das RTF-Dokument ist zu groß."));
  ASSERT_TRUE(TRtfLeser::Lesen(mal(1, "\\pard" + QByteArray("\\tx100").repeated(5000) + " a\\par"), &doc).Ok);
  EXPECT_EQ(doc.firstBlock().blockFormat().tabPositions().size(), TRtfLeser::MaxTabulatoren);
}

}  // namespace
