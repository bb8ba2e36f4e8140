#!/usr/bin/python3
"""Walks the program's windows the way a screen reader sees them.

Runs inside the session that e2e_barrierefreiheit.sh prepares (virtual
display, own session bus and accessibility bus, program already started).
Opens every window from the keyboard with xdotool, writes each window's
accessible tree to the log and checks it:

  - an interactive or focusable object has a name, without the caption's
    colon,
  - no two interactive objects of one window share a name,
  - an entry whose unit stands beside it names that unit,
  - a result field is read-only and not editable,
  - a window is announced as one, a list box by its caption (not its
    current entry), a tab bar with its current tab,
  - Tab leaves every widget (a table or list must not keep it).

An object is one accessible object of an interactive role, or any focusable
one, that is showing in the window being checked; an object seen in several
views of the same window (the buttons below the pages) counts once.
Exit status: 0 all good, 1 faults found, 2 the walk itself failed.
"""

import argparse
import re
import subprocess
import sys
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import GLib  # noqa: E402
import pyatspi  # noqa: E402

INTERAKTIV = {
    "push button",
    "toggle button",
    "check box",
    "radio button",
    "combo box",
    "text",
    "entry",
    "password text",
    "spin button",
    "table",
    "tree table",
    "list",
    "tree",
    "page tab",
    "link",
    "slider",
    "menu item",
}
# Objects that hold the focus as a whole while their parts move it inside.
BEHAELTER = {"table", "tree table", "list", "tree"}
# What a window may be announced as; a plain "filler" is no window.
FENSTERROLLEN = {"frame", "dialog", "window", "alert", "file chooser"}
# Words a field's name may carry for the unit beside it.
EINHEIT_WOERTER = {
    "%": ("%", "prozent"),
    "jahre": ("jahr",),
    "jahr": ("jahr",),
    "monate": ("monat",),
    "monat": ("monat",),
    "tage": ("tag",),
}
# A Tab walk ends once the focus is back where it started, and after this
# many presses at most. It is a trap when the focus comes round again inside
# one table or list without leaving it, or stays in one widget for
# TAB_FALLE presses in a row (a text browser walks its links first).
TAB_HOECHSTENS = 60
TAB_FALLE = 25


BEGINN = time.monotonic()


def log(datei, text):
    datei.write(text + "\n")


def xdo(*args):
    subprocess.run(["xdotool", *args], check=False, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)


def pumpen(sekunden):
    """Runs the main loop so that queued accessibility events arrive."""
    ende = time.monotonic() + sekunden
    ctx = GLib.MainContext.default()
    while time.monotonic() < ende:
        if not ctx.iteration(False):
            time.sleep(0.01)


def kennung(obj):
    """Identifies an object across reads; all of them belong to one program."""
    return sicher(lambda: obj.path)


def sicher(f, ersatz=None):
    try:
        return f()
    except Exception:
        return ersatz


def zustaende(obj):
    s = sicher(lambda: obj.getState().getStates(), [])
    return {pyatspi.stateToString(x) for x in s}


def rolle(obj):
    return sicher(obj.getRoleName, "?")


def name(obj):
    return sicher(lambda: obj.name, "") or ""


def beschreibung(obj):
    return sicher(lambda: obj.description, "") or ""


def beziehungen(obj):
    erg = []
    for r in sicher(obj.getRelationSet, []) or []:
        art = sicher(lambda: pyatspi.relationToString(r.getRelationType()), "?")
        ziele = [name(r.getTarget(i)) or rolle(r.getTarget(i)) for i in range(r.getNTargets())]
        erg.append((art, ziele, [r.getTarget(i) for i in range(r.getNTargets())]))
    return erg


def ausdehnung(obj):
    e = sicher(lambda: obj.queryComponent().getExtents(pyatspi.DESKTOP_COORDS))
    return (e.x, e.y, e.width, e.height) if e else None


class Knoten:
    """One accessible object with what the checks need, read once."""

    def __init__(self, obj, tiefe, eltern):
        self.obj = obj
        self.tiefe = tiefe
        self.eltern = eltern
        self.rolle = rolle(obj)
        self.name = name(obj)
        self.beschreibung = beschreibung(obj)
        self.zustaende = zustaende(obj)
        self.beziehungen = beziehungen(obj)
        self.kennung = kennung(obj)
        self.beschriftet = {kennung(z) for art, _, ziele in self.beziehungen if art == "label for" for z in ziele}
        self.ausdehnung = ausdehnung(obj) if self.rolle in ("label", "text", "entry") else None
        self.in_klappliste = eltern is not None and (eltern.rolle == "combo box" or eltern.in_klappliste)
        # Cells and items are content, read with their table or list.
        self.inhalt = eltern is not None and (eltern.rolle in BEHAELTER or eltern.inhalt)

    def zeile(self):
        bez = "; ".join(f"{a} -> {', '.join(z)}" for a, z, _ in self.beziehungen)
        return (
            "  " * self.tiefe
            + f"[{self.rolle}] \"{self.name}\"".replace("\n", " / ")
            + (f" ({self.beschreibung})" if self.beschreibung else "")
            + f" {{{', '.join(sorted(self.zustaende))}}}"
            + (f" <{bez}>" if bez else "")
        )

    def enthaelt(self, anderer):
        e = anderer.eltern
        while e is not None:
            if e is self:
                return True
            e = e.eltern
        return False

    def eintraege(self, knoten):
        return [k for k in knoten if k.rolle == "list item" and self.enthaelt(k)]

    def interaktiv(self):
        if self.in_klappliste or self.inhalt:
            return False
        return self.rolle in INTERAKTIV or "focusable" in self.zustaende


def baum(fenster):
    """The showing part of a window's tree, parents before children."""
    knoten = []

    def gehe(obj, tiefe, eltern):
        k = Knoten(obj, tiefe, eltern)
        # A page behind another one, a closed menu: not what the user meets.
        if eltern is not None and "showing" not in k.zustaende and not k.in_klappliste:
            return
        knoten.append(k)
        for i in range(sicher(lambda: obj.childCount, 0)):
            kind = sicher(lambda: obj.getChildAtIndex(i))
            if kind is not None:
                gehe(kind, tiefe + 1, k)

    gehe(fenster, 0, None)
    return knoten


def einheit_neben(feld, knoten):
    """The unit label of a field: the nearest label right of it on the same
    line, close by or tied to the field as its label. A caption stands left
    of its field, so a caption without a colon is never taken for a unit."""
    if not feld.ausdehnung:
        return None
    fx, fy, fb, fh = feld.ausdehnung
    beste = None
    for k in knoten:
        text = k.name.strip()
        if k.rolle != "label" or not k.ausdehnung or ":" in text or len(text) > 12:
            continue
        if not re.search(r"[^\W\d_]|[%€$£]", text):
            continue  # "=" between two fields is no unit
        x, y, _, h = k.ausdehnung
        abstand = x - (fx + fb)
        nah = abstand <= 40 or feld.kennung in k.beschriftet
        if fy <= y + h / 2 <= fy + fh and abstand >= -2 and nah and (beste is None or abstand < beste[0]):
            beste = (abstand, text)
    return beste[1] if beste else None


def einheit_fehlt(feldname, einheit):
    # "% p. a." is met by "%": the first word carries the unit.
    kern = einheit.split()[0].lower()
    woerter = EINHEIT_WOERTER.get(kern, (kern,))
    return not any(w in feldname.lower() for w in woerter)


class Pruefung:
    """Counts objects and faults by object, so that a part several views
    share (the buttons below the pages) is counted and reported once."""

    def __init__(self, logdatei):
        self.log = logdatei
        self.geprueft = set()  # object identities
        self.maengel = {}  # object identity -> its faults
        self.zeilen = []  # (view, fault, object) in the order found

    def mangel(self, ansicht, k, text):
        kenn = k.kennung if k else ansicht
        if text in self.maengel.get(kenn, []):
            return
        self.geprueft.add(kenn)
        self.maengel.setdefault(kenn, []).append(text)
        wer = f"[{k.rolle}] \"{k.name}\"" if k else "Fenster"
        self.zeilen.append((ansicht, text, wer))
        log(self.log, f"MANGEL {ansicht}: {wer}: {text}")

    def ansicht(self, ansicht, obj):
        """Dumps and checks one view of a window."""
        t = time.monotonic()
        knoten = baum(obj)
        log(
            self.log,
            f"\n=== {ansicht} ({name(obj)}), {len(knoten)} Knoten in {time.monotonic() - t:.1f} s,"
            f" bei {t - BEGINN:.1f} s ===",
        )
        for k in knoten:
            log(self.log, k.zeile())
        if knoten and knoten[0].rolle not in FENSTERROLLEN:
            self.mangel(ansicht, knoten[0], f"Fenster mit der Rolle \"{knoten[0].rolle}\"")
        namen = {}
        for k in knoten:
            if k.rolle == "page tab list" and not any("selected" in c.zustaende for c in knoten if c.eltern is k):
                self.mangel(ansicht, k, "kein Reiter als gewählt gemeldet")
            if not k.interaktiv():
                continue
            if k.rolle == "combo box" and k.name.strip() and k.name in {e.name for e in k.eintraege(knoten)}:
                self.mangel(ansicht, k, "nach dem gewählten Eintrag benannt statt nach seiner Beschriftung")
            self.geprueft.add(k.kennung)
            if not k.name.strip():
                self.mangel(ansicht, k, "kein Name")
            elif k.name.rstrip().endswith(":"):
                self.mangel(ansicht, k, "Name mit dem Doppelpunkt der Beschriftung")
            elif k.rolle != "menu item":
                namen.setdefault(k.name.strip(), []).append(k)
            if k.rolle in ("text", "entry", "spin button"):
                if "Ergebnisfeld" in k.beschreibung or "read only" in k.zustaende:
                    if "read only" not in k.zustaende:
                        self.mangel(ansicht, k, "Ergebnisfeld ohne Zustand \"schreibgeschützt\"")
                    if "editable" in k.zustaende:
                        self.mangel(ansicht, k, "Ergebnisfeld als bearbeitbar gemeldet")
                einheit = einheit_neben(k, knoten)
                if einheit and k.name.strip() and einheit_fehlt(k.name, einheit):
                    self.mangel(ansicht, k, f"Name ohne Einheit \"{einheit}\"")
        for n, gleiche in namen.items():
            # A tab list named after its current tab repeats its own part.
            gleiche = [k for k in gleiche if not any(k.enthaelt(a) for a in gleiche if a is not k)]
            if len(gleiche) > 1:
                for k in gleiche:
                    self.mangel(ansicht, k, f"Name \"{n}\" im Fenster {len(gleiche)}-mal vergeben")
        return knoten


class Fokusbeobachter:
    """Keeps the object that last got the focus, and counts the menus that
    opened, from the events."""

    def __init__(self):
        self.obj = None
        self.zaehler = 0
        self.menues = 0
        pyatspi.Registry.registerEventListener(self.fokus, "object:state-changed:focused")
        pyatspi.Registry.registerEventListener(self.zeigt, "object:state-changed:showing")

    def fokus(self, e):
        if e.detail1 == 1:
            self.obj = e.source
            self.zaehler += 1

    def zeigt(self, e):
        if e.detail1 == 1 and rolle(e.source) == "popup menu":
            self.menues += 1

    def warte(self, vorher, sekunden=0.4):
        ende = time.monotonic() + sekunden
        while self.zaehler == vorher and time.monotonic() < ende:
            pumpen(0.02)
        pumpen(0.05)
        return self.obj

    def menue(self, taste, eintrag):
        """Opens a menu by its key and picks an entry once it shows; a key
        sent before the menu is up would be lost."""
        vorher = self.menues
        xdo("key", taste)
        ende = time.monotonic() + 5
        while self.menues == vorher and time.monotonic() < ende:
            pumpen(0.02)
        xdo("key", eintrag)
        pumpen(0.1)


def behaelter_von(obj):
    """The widget that holds the focus: a table for its cell, else itself."""
    kette = []
    o = obj
    for _ in range(6):
        if o is None:
            break
        kette.append(o)
        o = sicher(lambda: o.parent)
    for o in kette:
        if rolle(o) in BEHAELTER:
            return o
    return obj


def tab_gang(pruefung, ansicht, fokus, knoten):
    """Presses Tab until the focus has gone round; reports a widget it stays in."""
    # With a single widget in the Tab chain the focus has nowhere to go.
    fokussierbar = [k for k in knoten if "focusable" in k.zustaende and "enabled" in k.zustaende and k.interaktiv()]
    if len(fokussierbar) < 2:
        log(pruefung.log, "Tab: nur ein fokussierbares Objekt")
        return
    t = time.monotonic()
    try:
        tab_runde(pruefung, ansicht, fokus)
    finally:
        log(pruefung.log, f"Tab-Gang in {time.monotonic() - t:.1f} s")


def tab_runde(pruefung, ansicht, fokus):
    start = None  # the widget the walk began in
    halter = None  # the widget holding the focus now
    innen = []  # identities focused inside it, in order
    for _ in range(TAB_HOECHSTENS):
        vorher = fokus.zaehler
        xdo("key", "Tab")
        obj = fokus.warte(vorher)
        if obj is None:
            continue
        h = behaelter_von(obj)
        if halter is None or kennung(h) != kennung(halter):
            if start is None:
                start = kennung(h)
            elif kennung(h) == start:
                return  # once round: no widget kept the focus
            halter, innen = h, []
        # A cell focused again before the table was left: Tab wraps inside.
        runde = kennung(obj) != kennung(h) and kennung(obj) in innen
        innen.append(kennung(obj))
        if runde or len(innen) >= TAB_FALLE:
            text = f"Tab-Falle: Fokus verlässt es nach {len(innen)} Tabs nicht"
            pruefung.mangel(ansicht, Knoten(halter, 0, None), text)
            return


def anwendung(sekunden=30):
    ende = time.monotonic() + sekunden
    while time.monotonic() < ende:
        desktop = pyatspi.Registry.getDesktop(0)
        for app in desktop:
            if app is not None and name(app) == "Kalvora":
                return app
        time.sleep(0.2)
    return None


def fenster_finden(app, muster, sekunden=10, ausser=()):
    """The application's window whose name matches, once it shows."""
    ende = time.monotonic() + sekunden
    while time.monotonic() < ende:
        pumpen(0.05)
        for w in app:
            if w is None or kennung(w) in ausser:
                continue
            if re.fullmatch(muster, name(w)) and "showing" in zustaende(w):
                return w
        time.sleep(0.15)
    return None


def fenster_weg(app, muster, ausser, sekunden=3):
    """Whether no window of that name shows any more, waiting a little."""
    ende = time.monotonic() + sekunden
    while True:
        pumpen(0.05)
        offen = [w for w in app if w is not None and kennung(w) not in ausser and re.fullmatch(muster, name(w))]
        if not any("showing" in zustaende(w) for w in offen):
            return True
        if time.monotonic() > ende:
            return False


def warte_auf(fenster, rolle_, name_, sekunden=10):
    """Waits until the window shows an object of that role and name."""
    ende = time.monotonic() + sekunden
    while time.monotonic() < ende:
        if any(k.rolle == rolle_ and k.name == name_ for k in baum(fenster)):
            return True
        pumpen(0.2)
    return False


def fenster_liste(app):
    return [f"[{rolle(w)}] \"{name(w)}\" {{{', '.join(sorted(zustaende(w)))}}}" for w in app if w is not None]


def tasten(*folgen, pause=0.15):
    for f in folgen:
        xdo("key", "--delay", "60", *f.split())
        # Running the loop keeps the cached states in step with the program.
        pumpen(pause)


def eintragen(fokus, *werte):
    """Types each value into the next field of the Tab walk."""
    for wert in werte:
        vorher = fokus.zaehler
        xdo("key", "Tab")
        fokus.warte(vorher, 2)
        xdo("type", "--delay", "20", wert)
    pumpen(0.2)


def hauptfenster_fokus():
    # No window manager: the main window gets the keyboard back by hand.
    xdo("search", "--sync", "--onlyvisible", "--name", "^Kalvora [0-9.]*$", "windowfocus", "--sync")
    pumpen(0.2)


class Rundgang:
    """Opens the windows one after another and hands each to the checks."""

    def __init__(self, app, haupt, pruefung, fokus, mit_tab):
        self.app, self.haupt, self.pruefung, self.fokus = app, haupt, pruefung, fokus
        self.mit_tab = mit_tab
        self.fehlgeschlagen = []

    def pruefe(self, ansicht, obj):
        knoten = self.pruefung.ansicht(ansicht, obj)
        if self.mit_tab:
            tab_gang(self.pruefung, ansicht, self.fokus, knoten)

    def nebenfenster(self, ansicht, muster, oeffnen, schliessen=("Escape",)):
        ausser = {kennung(self.haupt)}
        w = None
        # Under load a key may come before the program is ready for it: a
        # second try from the main window before calling it a failure.
        for _ in range(2):
            if len(oeffnen) == 2:
                self.fokus.menue(*oeffnen)
            else:
                tasten(*oeffnen)
            w = fenster_finden(self.app, muster, 10, ausser)
            if w is not None:
                break
            tasten("Escape")
            hauptfenster_fokus()
        if w is None:
            self.fehlgeschlagen.append(f"{ansicht}: Fenster \"{muster}\" erschien nicht")
            log(self.pruefung.log, f"\nFenster nach {oeffnen}: " + "; ".join(fenster_liste(self.app)))
            return
        self.pruefe(ansicht, w)
        tasten(*schliessen)
        if not fenster_weg(self.app, muster, ausser):
            self.pruefung.mangel(ansicht, None, f"schließt nicht mit {' '.join(schliessen)}")
            # Closed by its title bar's button as a last resort, so that
            # the next window starts from the main window.
            xdo("search", "--onlyvisible", "--name", "^" + re.escape(name(w)) + "$", "windowclose")
            fenster_weg(self.app, muster, ausser)
        hauptfenster_fokus()

    def vorschau(self, ansicht):
        """The print preview shows inside the main window, over the pages."""
        tasten("alt+d")
        if not warte_auf(self.haupt, "push button", "Zurück"):
            self.fehlgeschlagen.append(f"{ansicht}: erschien nicht")
        self.pruefe(ansicht, self.haupt)
        tasten("Escape", pause=0.5)
        hauptfenster_fokus()

    def seite_wechseln(self):
        vorher = self.fokus.zaehler
        xdo("key", "ctrl+Tab")
        self.fokus.warte(vorher, 2)
        pumpen(0.2)


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("--log", required=True)
    ap.add_argument("--ohne-tab", action="store_true", help="skip the Tab walks")
    args = ap.parse_args()
    logdatei = open(args.log, "w", encoding="utf-8")
    pruefung = Pruefung(logdatei)
    fokus = Fokusbeobachter()

    app = anwendung()
    if app is None:
        print("FEHLER: das Programm erscheint nicht im Barrierefreiheits-Baum")
        return 2
    haupt = fenster_finden(app, r"Kalvora \d+\.\d+\.\d+", 30)
    if haupt is None:
        print("FEHLER: kein Hauptfenster; Fenster: " + "; ".join(fenster_liste(app)))
        return 2
    hauptfenster_fokus()
    r = Rundgang(app, haupt, pruefung, fokus, not args.ohne_tab)

    # Every page in turn by Ctrl+Tab; the windows that belong to no page from
    # the first one, those of a page's result from that page. A new page
    # starts at its sought-quantity list.
    seiten = [k.name for k in baum(haupt) if k.rolle == "page tab"]
    if len(seiten) != 9:
        r.fehlgeschlagen.append(f"{len(seiten)} statt 9 Seitenreiter")
    for i, seite in enumerate(seiten):
        if i > 0:
            r.seite_wechseln()
        ansicht = f"Hauptfenster, Seite \"{seite}\""
        if i == 0:
            r.pruefe(ansicht, haupt)
            # The settings dialog has no Escape binding on purpose.
            r.nebenfenster("Einstellungen", "Programmeinstellungen", ["alt+p", "e"], ["alt+a"])
            r.nebenfenster("Hilfe", "Kalvora – Hilfe", ["alt+h", "h"])
            r.nebenfenster("Finanzierungen vergleichen", "Finanzierungen vergleichen", ["alt+p", "v"])
        elif "Einmalzahlung" in seite:
            # Capital, rate, years, months; the final capital is sought.
            eintragen(fokus, "1000", "5", "10", "0")
            r.pruefe(ansicht, haupt)
            r.nebenfenster("Zahlungsplan einer Einmalzahlung", r"Zahlungsplan: .*", ["alt+u"])
            r.nebenfenster("Formelfenster", "Formel", ["alt+f"])
            r.vorschau("Druckvorschau")
        elif "Darlehen" in seite:
            # The instalment sought (one up from the residual debt), then
            # amount, rate, years, months.
            tasten("Up")
            eintragen(fokus, "100000", "5", "10", "0")
            r.pruefe(ansicht, haupt)
            r.nebenfenster("Zahlungsplan eines Darlehens", r"Zahlungsplan: .*", ["alt+u"])
        else:
            r.pruefe(ansicht, haupt)

    fokus.menue("alt+p", "b")
    for f in r.fehlgeschlagen:
        print("FEHLER: " + f)
    print(
        f"{len(pruefung.geprueft)} Objekte geprüft, {len(pruefung.maengel)} mit Mängeln"
        f" ({time.monotonic() - BEGINN:.0f} s)"
    )
    aktuell = None
    for ansicht, text, wer in pruefung.zeilen:
        if ansicht != aktuell:
            print(f"{ansicht}:")
            aktuell = ansicht
        print(f"  {wer}: {text}")
    print(f"Bäume: {args.log}")
    logdatei.close()
    if r.fehlgeschlagen:
        return 2
    return 1 if pruefung.zeilen else 0


if __name__ == "__main__":
    sys.exit(main())
