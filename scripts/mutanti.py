#!/usr/bin/env python3
"""Plants one fault at a time in src/core and tells which ones the core tests miss.

Each fault swaps one operator or one literal (< for <=, - for +, && for ||, true for
false, ...). The places are drawn with a fixed seed, so two runs on the same sources try
the same faults, and an edit of one file leaves the draw of the others alone. For each
fault the core tests are rebuilt in a build folder of their own and run with a time limit:
a failing run, a crash or a run out of time catches the fault; a fault that does not compile
is skipped and the next place is drawn. The source file is always written back, also on
Ctrl+C; a run killed outright leaves a copy that the next run restores first.
"""

import argparse
import hashlib
import json
import os
import re
import signal
import subprocess
import sys
import time
from pathlib import Path

RADICE = Path(__file__).resolve().parent.parent
SORGENTI = RADICE / "src" / "core"
BERSAGLIO = "paretix_core_tests"

# Binary operators are written with a blank on both sides in this code base, which keeps
# template brackets, pointers, references, unary signs and stream operators out.
SCAMBI = [
    (re.compile(r"(?<= )<=(?= )"), "<"),
    (re.compile(r"(?<= )>=(?= )"), ">"),
    (re.compile(r"(?<= )<(?= )"), "<="),
    (re.compile(r"(?<= )>(?= )"), ">="),
    (re.compile(r"(?<= )==(?= )"), "!="),
    (re.compile(r"(?<= )!=(?= )"), "=="),
    (re.compile(r"(?<= )\+(?= )"), "-"),
    (re.compile(r"(?<= )-(?= )"), "+"),
    (re.compile(r"(?<= )\*(?= )"), "/"),
    (re.compile(r"(?<= )/(?= )"), "*"),
    (re.compile(r"(?<= )\+=(?= )"), "-="),
    (re.compile(r"(?<= )-=(?= )"), "+="),
    (re.compile(r"(?<= )&&(?= )"), "||"),
    (re.compile(r"(?<= )\|\|(?= )"), "&&"),
    (re.compile(r"\btrue\b"), "false"),
    (re.compile(r"\bfalse\b"), "true"),
]

LETTERALE = re.compile(r'R"(?P<d>[^(]*)\(.*?\)(?P=d)"|"(?:\\.|[^"\\])*"|\'(?:\\.|[^\'\\])*\'', re.S)
COMMENTO = re.compile(r"//[^\n]*|/\*.*?\*/", re.S)


def maschera(testo):
    """The text with comments, literals and preprocessor lines blanked, offsets unchanged."""

    def vuoto(m):
        return re.sub(r"[^\n]", " ", m.group(0))

    pattern = re.compile(COMMENTO.pattern + "|" + LETTERALE.pattern, re.S)
    testo = pattern.sub(vuoto, testo)
    return re.sub(r"(?m)^[ \t]*#[^\n]*", vuoto, testo)


def posti(file):
    testo = file.read_text(encoding="utf-8")
    coperto = maschera(testo)
    trovati = []
    for espressione, nuovo in SCAMBI:
        for m in espressione.finditer(coperto):
            trovati.append((m.start(), m.end(), nuovo))
    return testo, sorted(trovati)


def tutti_i_posti(seme):
    """Every place, in the order of the draw.

    A place is ranked by a hash of the seed, its file, the text of its line and its column,
    so an edit elsewhere leaves the draw of the other places as it was."""
    elenco = []
    for file in sorted(SORGENTI.rglob("*")):
        if file.suffix not in (".cpp", ".h"):
            continue
        testo, trovati = posti(file)
        nome = file.relative_to(RADICE).as_posix()
        for inizio, fine, nuovo in trovati:
            capo = testo.rfind("\n", 0, inizio) + 1
            riga = testo[capo:testo.find("\n", inizio)].strip()
            chiave = f"{seme}|{nome}|{riga}|{inizio - capo}|{nuovo}"
            rango = hashlib.sha256(chiave.encode("utf-8")).hexdigest()
            elenco.append((rango, file, inizio, fine, nuovo))
    elenco.sort(key=lambda posto: posto[0])
    return [posto[1:] for posto in elenco]


class Fermato(Exception):
    pass


def fermati(_segnale, _frame):
    raise Fermato()


def esegui(comando, limite, cartella=None):
    """Exit status of the command, or None when it ran out of time."""
    processo = subprocess.Popen(comando, cwd=cartella, stdout=subprocess.DEVNULL,
                                stderr=subprocess.DEVNULL, start_new_session=True)
    try:
        return processo.wait(timeout=limite)
    except subprocess.TimeoutExpired:
        os.killpg(processo.pid, signal.SIGKILL)
        processo.wait()
        return None
    except BaseException:
        os.killpg(processo.pid, signal.SIGKILL)
        processo.wait()
        raise


class Banco:
    def __init__(self, cartella, lavori):
        self.cartella = cartella
        self.lavori = lavori
        self.copia = cartella / "mutante_originale.json"

    def ripristina_lasciato(self):
        if self.copia.exists():
            dati = json.loads(self.copia.read_text(encoding="utf-8"))
            Path(dati["file"]).write_text(dati["testo"], encoding="utf-8")
            self.copia.unlink()
            print(f"ripristinato {dati['file']} lasciato da un'esecuzione interrotta")

    def configura(self):
        comando = ["cmake", "-S", str(RADICE), "-B", str(self.cartella),
                   "-DCMAKE_BUILD_TYPE=Debug",
                   # A swapped && or || would stop at the parentheses warning, an error here.
                   "-DCMAKE_CXX_FLAGS_DEBUG=-O1 -Wno-parentheses",
                   "-DPARETIX_UI=OFF", "-DPARETIX_BENCH=OFF"]
        if subprocess.run(["sh", "-c", "command -v ccache"], stdout=subprocess.DEVNULL).returncode == 0:
            comando.append("-DCMAKE_CXX_COMPILER_LAUNCHER=ccache")
        subprocess.run(comando, check=True, stdout=subprocess.DEVNULL)

    def compila(self):
        return esegui(["cmake", "--build", str(self.cartella), "-j", str(self.lavori),
                       "--target", BERSAGLIO], limite=1800) == 0

    def prova(self, limite):
        eseguibile = self.cartella / "tests" / "core" / BERSAGLIO
        return esegui([str(eseguibile), "--gtest_fail_fast", "--gtest_brief=1"], limite,
                      cartella=eseguibile.parent)

    def con_mutante(self, file, testo, mutato, azione):
        self.copia.write_text(json.dumps({"file": str(file), "testo": testo}), encoding="utf-8")
        try:
            file.write_text(mutato, encoding="utf-8")
            return azione()
        finally:
            file.write_text(testo, encoding="utf-8")
            self.copia.unlink()


def riga_di(testo, posizione):
    return testo.count("\n", 0, posizione) + 1


def luogo_di(posto):
    file, inizio = posto[0], posto[1]
    return f"{file.relative_to(RADICE)}:{riga_di(file.read_text(encoding='utf-8'), inizio)}"


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("quanti", type=int, nargs="?", default=40,
                        help="how many compiled faults to try (40)")
    parser.add_argument("--seme", type=int, default=2026, help="seed of the draw (2026)")
    parser.add_argument("--build", default=str(RADICE / "build-mutanti"),
                        help="build folder (build-mutanti)")
    parser.add_argument("--lavori", type=int, default=2, help="parallel compile jobs (2)")
    parser.add_argument("--elenca", action="store_true",
                        help="print the drawn faults without building anything")
    parser.add_argument("--posto", action="append", default=[], metavar="FILE:RIGA",
                        help="try only the places of that line (src/core/calc/termico.cpp:94); "
                             "repeatable, to see a new test catch a survivor")
    argomenti = parser.parse_args()

    signal.signal(signal.SIGTERM, fermati)
    signal.signal(signal.SIGHUP, fermati)
    banco = Banco(Path(argomenti.build), argomenti.lavori)
    banco.cartella.mkdir(parents=True, exist_ok=True)
    banco.ripristina_lasciato()

    elenco = tutti_i_posti(argomenti.seme)
    if argomenti.posto:
        scelti = set(argomenti.posto)
        elenco = [posto for posto in elenco if luogo_di(posto) in scelti]
    print(f"{len(elenco)} posti in src/core, seme {argomenti.seme}")

    if argomenti.elenca:
        for file, inizio, fine, nuovo in elenco[:argomenti.quanti]:
            testo = file.read_text(encoding="utf-8")
            print(f"{file.relative_to(RADICE)}:{riga_di(testo, inizio)}: "
                  f"{testo[inizio:fine]} -> {nuovo}")
        return 0

    try:
        banco.configura()
        if not banco.compila():
            print("i test del core non si compilano senza mutanti", file=sys.stderr)
            return 2
        partenza = time.monotonic()
        if banco.prova(limite=600) != 0:
            print("i test del core falliscono senza mutanti", file=sys.stderr)
            return 2
        limite = max(30.0, 5 * (time.monotonic() - partenza))

        presi, sopravvissuti, scartati = 0, [], 0
        for file, inizio, fine, nuovo in elenco:
            if presi + len(sopravvissuti) == argomenti.quanti:
                break
            testo = file.read_text(encoding="utf-8")
            mutato = testo[:inizio] + nuovo + testo[fine:]
            luogo = (f"{file.relative_to(RADICE)}:{riga_di(testo, inizio)}: "
                     f"{testo[inizio:fine]} -> {nuovo}")

            def compila_e_prova():
                if not banco.compila():
                    return "non compila"
                return "preso" if banco.prova(limite) != 0 else "sopravvive"

            esito = banco.con_mutante(file, testo, mutato, compila_e_prova)
            if esito == "non compila":
                scartati += 1
                continue
            numero = presi + len(sopravvissuti) + 1
            print(f"[{numero}/{argomenti.quanti}] {esito:10} {luogo}", flush=True)
            if esito == "preso":
                presi += 1
            else:
                sopravvissuti.append(luogo)
    except (KeyboardInterrupt, Fermato):
        print("\ninterrotto: i sorgenti sono quelli di prima", file=sys.stderr)
        return 130

    provati = presi + len(sopravvissuti)
    print(f"\nsopravvissuti ({len(sopravvissuti)}):")
    for luogo in sopravvissuti:
        print(f"  {luogo}")
    quota = 100.0 * presi / provati if provati else 0.0
    print(f"presi {presi} su {provati} ({quota:.0f} %), {scartati} non compilati e saltati")
    return 0


if __name__ == "__main__":
    sys.exit(main())
