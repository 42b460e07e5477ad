#!/usr/bin/env python3
"""Bad-input matrix for the real binary.

For every command character, and for every question the command asks along
one valid path, the question gets each kind of bad input in turn:

  word    a non-number ("abc")
  eof     end of input right there
  huge    a 1 MB line
  bytes   a line holding NUL, Ctrl-Z, 0xFF and invalid UTF-8
  blanks  a line of blanks only

then the rest of the valid answers (except after eof), then end of input.
Every run happens in its own temporary directory, with no graphical display
in the environment, and must end by itself with status 0, nothing on
standard error and a bounded amount of output. A run that loops is stopped
by a limit on the CPU time it uses, which does not depend on how busy the
machine is; a run blocked without using the CPU is caught by a long
wall-clock backstop.

At a numeric question the program reads by formatted extraction:
  word / huge / bytes: "Errore riprova", a line break and the question's
      prompt again, then the same result as the clean run;
  blanks: white space is skipped, so no "Errore riprova" and the same result.
After eof the output is the clean run's output up to that question, followed
by the one line break written when input ends.

The information pages reach the network, so the word "helpsite" and entry 2
of the settings menu are never typed.

usage: bad_input.py BINARY [--jobs N] [--only CHARS]
"""
import argparse
import concurrent.futures
import os
import re
import shutil
import signal
import subprocess
import sys
import tempfile
import time

CPU_SECONDS = 20
WALL_BACKSTOP = 300.0
OUTPUT_BUDGET = 4 * 1024 * 1024

BAD_INPUTS = {
    "word": b"abc",
    "eof": None,
    "huge": b"A" * (1 << 20),
    "bytes": b"\x00\x1a\xff\xc3(",
    "blanks": b"      ",
}
RETRY_KINDS = ("word", "huge", "bytes")

MUNICIPALITIES = b"ROMA\tH501\nMILANO\tF205\n"
PLAIN_TEXT = b"Ciao!\r\n"


def q(answer, prompt=None, per_byte=1):
    """One question: its valid answer and, for a numeric question, the text
    written after "Errore riprova" and its line break (the prompt again).
    per_byte bounds the output a bad answer may cause per input byte: a
    question that refuses one character at a time answers each one."""
    return {"answer": answer.encode(), "prompt": None if prompt is None else prompt.encode(),
            "per_byte": per_byte}


def same_length(match):
    """Random results (codes, passwords) are compared by their length only."""
    return "%s<%d>" % (match.group(1), len(match.group(2)))


# key -> questions along one valid path, the result to compare (a regular
# expression over the output, or a file left in the working directory) and an
# optional normaliser of each matched result.
COMMANDS = {
    # command list: no questions
    "#": dict(questions=[], result=r"riavvia = l\n(?:.*\n)*Creazione grafici = 5"),
    # restart: no questions (no terminal here, so no new instance)
    "l": dict(questions=[], result=r"Riavviando\.\.\."),
    # exit: no questions, nothing read afterwards
    "x": dict(questions=[], result=r"Ok,sto uscendo\.\.\."),
    # clear screen: no questions, the banner again
    "k": dict(questions=[], result=r"Premi 'h' per aiuto\n(?:.*\n)*Cosa vuoi fare"),
    # history: one single-character answer (v views)
    "@": dict(questions=[q("v")], result=r"Cronologia delle funzioni: \n\n@\n"),
    # help: no questions
    "h": dict(questions=[], result=r"1\. srivi solo la lettera oppure numero del comando"),
    # settings: menu choice (single character), theme change or reset
    # (numeric), background and text colour names (lines)
    "i": dict(questions=[q("1"), q("1", "Path: "), q("blu"), q("giallo")],
              result_file="color_data.txt"),
    # addition: count, then each value (all numeric)
    "a": dict(questions=[q("2", "Inserisci quanti valori vuoi utilizzare: "),
                         q("1", "Valore: "), q("2", "Valore: ")],
              result=r"Risultato: .*"),
    # subtraction: count, then each value (all numeric)
    "s": dict(questions=[q("3", "Inserisci quanti valori vuoi utilizzare: "),
                         q("10", "Valore: "), q("3", "Valore: "), q("2", "Valore: ")],
              result=r"Risultato: .*"),
    # multiplication: two values (numeric)
    "m": dict(questions=[q("2.5", "Valore: "), q("4", "Valore: ")], result=r"Risultato: .*"),
    # division: two values and the mode (all numeric)
    "d": dict(questions=[q("7", "Valore: "), q("2", "Valore: "), q("1", "Path: ")],
              result=r"Risultato: .*"),
    # sine: the angle (numeric)
    "z": dict(questions=[q("30", "Inserisci valore:")], result=r"Risultato: .*"),
    # cosine: the angle (numeric)
    "u": dict(questions=[q("60", "Inserisci valore:")], result=r"Risultato: .*"),
    # power: base and exponent (numeric)
    "p": dict(questions=[q("2", "Inserisci il numero: "), q("10", "Inserisci l'esponente: ")],
              result=r"Risultato: .*"),
    # mean: count, then each value (all numeric)
    "q": dict(questions=[q("2", "Inserisci quanti valori vuoi utilizzare: "),
                         q("1", "Valore: "), q("4", "Valore: ")],
              result=r"Risultato: .*"),
    # expression: the mode (numeric), then a simple operation whose left
    # operand is a number
    "e": dict(questions=[q("1", "Path: "), q("7/2", "Inserisci l'espressione': ")],
              result=r"Risultato: .*"),
    # tangent: the angle (numeric)
    "t": dict(questions=[q("45", "Inserisci valore:")], result=r"Risultato: .*"),
    # root: number and index (numeric)
    "r": dict(questions=[q("27", "Inserisci il numero: "),
                         q("3", "Inserisci l'esponente per la radice: ")],
              result=r"La radice .*"),
    # base conversion: menu choice, number, target base, then 0 leaves the
    # menu (all numeric)
    "c": dict(questions=[q("1", "Path: "), q("10", "Inserisci il numero da convertire: "),
                         q("16", "Inserisci la base di destinazione: "), q("0", "Path: ")],
              result=r"Il risultato: .*"),
    # code generation: the length (numeric); the code itself is random
    "g": dict(questions=[q("12", "Inserisci la lunghezza del codice: ")],
              result=r"(Codice generato: )(.*)", normalise=same_length),
    # body composition: sex (one character), age, weight, height (numeric)
    "w": dict(questions=[q("M"), q("30", "Inserire l'eta': "), q("70", "Inserire il peso (Kg): "),
                         q("175", "Inserire l'altezza (cm): ")],
              result=r"Massa (?:grassa|magra): .*"),
    # tax code: surname and name (lines), day, month, year (numeric), sex
    # (one character at a time, each wrong one refused with a line of its
    # own, about 30 bytes of output per input byte) and municipality
    "f": dict(questions=[q("Rossi"), q("Mario"), q("1", "Giorno di nascita(gg): "),
                         q("1", "Mese di nascita (mm): "), q("1980", "Anno di nascita (aaaa): "),
                         q("M", per_byte=32), q("Roma")],
              result=r"Codice fiscale: .*"),
    # password: the length (numeric); the password itself is random
    "v": dict(questions=[q("16", "Inserire la lunghezza della password: ")],
              result=r"(La password generata: )(.*)", normalise=same_length),
    # bond polarity: two element symbols (words, then a line)
    "4": dict(questions=[q("H"), q("Cl")], result=r"Il covalente: .*"),
    # linear system: two equations (words)
    "3": dict(questions=[q("2x+3y=5"), q("1x-1y=0")], result=r"[xy] = .*"),
    # quadratic equation: three coefficients (numeric)
    "2": dict(questions=[q("1", "Path: "), q("-3", "Path: "), q("2", "Path: ")],
              result=r"Le soluzioni .*"),
    # linear equation: one line
    "1": dict(questions=[q("2x+3y=5")], result=r"x = .* y = .*"),
    # file cipher: action (one character), input and output names, key
    "n": dict(questions=[q("1"), q("chiaro.txt"), q("cifrato.bin"), q("abc")],
              result=r"File processato correttamente\."),
    # molar mass: the formula (word)
    "o": dict(questions=[q("H2O")], result=r"La massa molare di .*"),
    # bar chart: title and axis titles (lines), one value (numeric) and its
    # label, -1 ends the data (numeric), legend answer, extension
    "5": dict(questions=[q("Vendite 2026"), q("Mese"), q("Euro"),
                         q("120", "\nInerisci il dato numerico (o '-1' per finire l'inserimento) :"),
                         q("Gennaio"),
                         q("-1", "\nInerisci il dato numerico (o '-1' per finire l'inserimento) :"),
                         q("no"), q(".png")],
              result=r"Grafico salvato"),
}

ALL_KEYS = "#lxk@hiasmdzupqetrcgwfv4321no5"


def make_input(key, answers):
    lines = [key.encode()] + answers
    return b"\n".join(lines) + b"\n"


def run(binary, data):
    """Runs the binary on data in a fresh directory; returns a dict with the
    outcome and the files it left behind that the checks look at."""
    work = tempfile.mkdtemp(prefix="tavrik-matrix-")
    try:
        with open(os.path.join(work, "risorsa.cf.txt"), "wb") as f:
            f.write(MUNICIPALITIES)
        with open(os.path.join(work, "chiaro.txt"), "wb") as f:
            f.write(PLAIN_TEXT)
        env = {k: v for k, v in os.environ.items() if k not in ("DISPLAY", "WAYLAND_DISPLAY")}
        env["HOME"] = work
        started = time.monotonic()
        limited = ["prlimit", "--cpu=%d:%d" % (CPU_SECONDS, CPU_SECONDS + 1), binary]
        proc = subprocess.Popen(limited, cwd=work, env=env, stdin=subprocess.PIPE,
                                stdout=subprocess.PIPE, stderr=subprocess.PIPE)
        try:
            out, err = proc.communicate(data, timeout=WALL_BACKSTOP)
            status = proc.returncode
        except subprocess.TimeoutExpired:
            proc.kill()
            out, err = proc.communicate()
            status = None
        files = {}
        for name in ("color_data.txt",):
            path = os.path.join(work, name)
            if os.path.exists(path):
                with open(path, "rb") as f:
                    files[name] = f.read()
        return dict(out=out, err=err, status=status, seconds=time.monotonic() - started, files=files)
    finally:
        shutil.rmtree(work, ignore_errors=True)


def results(command, outcome):
    if "result_file" in command:
        return [outcome["files"].get(command["result_file"])]
    text = outcome["out"].decode("utf-8", errors="replace")
    found = []
    for match in re.finditer(command["result"], text):
        found.append(command["normalise"](match) if "normalise" in command else match.group(0))
    return found


def basic_failures(outcome, data, per_byte=1):
    problems = []
    if outcome["status"] is None:
        problems.append("blocked: did not end within %g s" % WALL_BACKSTOP)
    elif outcome["status"] in (-signal.SIGXCPU, -signal.SIGKILL):
        problems.append("looped: used more than %d s of CPU time" % CPU_SECONDS)
    elif outcome["status"] != 0:
        problems.append("exit status %d" % outcome["status"])
    if outcome["err"]:
        problems.append("standard error not empty: %r" % outcome["err"][:200])
    if len(outcome["out"]) > OUTPUT_BUDGET + per_byte * len(data):
        problems.append("output of %d bytes for %d bytes of input" % (len(outcome["out"]), len(data)))
    if not outcome["out"].endswith(b"\n"):
        problems.append("output does not end with a line break")
    return problems


def check_case(key, command, index, kind, clean, outcome, data):
    question = command["questions"][index]
    problems = basic_failures(outcome, data, question["per_byte"])
    if kind == "eof":
        # The program writes one line break when input ends: what came before
        # is exactly what the clean run had written when it reached this
        # question, so it must be a prefix of the clean output.
        out = outcome["out"]
        if not (out.endswith(b"\n") and clean["out"].startswith(out[:-1])):
            problems.append("output is not the clean output cut at the question plus a line break")
        return problems
    if question["prompt"] is None:
        return problems
    out = outcome["out"]
    retry = b"\nErrore riprova\n" + question["prompt"]
    if kind in RETRY_KINDS:
        if retry not in out:
            problems.append("no \"Errore riprova\" followed by the prompt %r" % question["prompt"])
    elif b"Errore riprova" in out:
        problems.append("blank line not skipped: \"Errore riprova\" written")
    expected = results(command, clean)
    got = results(command, outcome)
    if got != expected:
        problems.append("result %r, clean run gave %r" % (got, expected))
    return problems


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("binary")
    parser.add_argument("--jobs", type=int, default=2)
    parser.add_argument("--only", default=ALL_KEYS)
    args = parser.parse_args()
    binary = os.path.abspath(args.binary)
    keys = [k for k in ALL_KEYS if k in args.only]
    # The 29 listed commands and the list itself.
    assert set(COMMANDS) == set(ALL_KEYS) and len(ALL_KEYS) == 30

    started = time.monotonic()
    failures = []
    cases = 0

    # Clean runs first: they must pass and show their result, since every
    # bad run is compared with them.
    with concurrent.futures.ThreadPoolExecutor(max_workers=args.jobs) as pool:
        clean_inputs = {k: make_input(k, [x["answer"] for x in COMMANDS[k]["questions"]]) for k in keys}
        clean = dict(zip(keys, pool.map(lambda k: run(binary, clean_inputs[k]), keys)))
        for k in keys:
            cases += 1
            problems = basic_failures(clean[k], clean_inputs[k])
            if not results(COMMANDS[k], clean[k]) or results(COMMANDS[k], clean[k]) == [None]:
                problems.append("clean run shows no result")
            for p in problems:
                failures.append("%s clean: %s" % (k, p))

        jobs = []
        for k in keys:
            answers = [x["answer"] for x in COMMANDS[k]["questions"]]
            for index in range(len(answers)):
                for kind, bad in BAD_INPUTS.items():
                    if bad is None:
                        data = make_input(k, answers[:index])
                    elif COMMANDS[k]["questions"][index]["prompt"] is not None:
                        # A numeric question asks again (or skips the blanks):
                        # its valid answer still follows.
                        data = make_input(k, answers[:index] + [bad] + answers[index:])
                    else:
                        # Elsewhere the bad line stands for the answer.
                        data = make_input(k, answers[:index] + [bad] + answers[index + 1:])
                    jobs.append((k, index, kind, data))

        def one(job):
            k, index, kind, data = job
            return job, run(binary, data)

        for (k, index, kind, data), outcome in pool.map(one, jobs):
            cases += 1
            for p in check_case(k, COMMANDS[k], index, kind, clean[k], outcome, data):
                failures.append("%s question %d %s: %s" % (k, index + 1, kind, p))

    for line in failures:
        print("FAIL " + line)
    questions = [x for k in keys for x in COMMANDS[k]["questions"]]
    numeric = sum(1 for x in questions if x["prompt"] is not None)
    print("%d cases: %d clean runs, %d questions (%d numeric) x %d kinds; %d failures, %.1f s"
          % (cases, len(keys), len(questions), numeric, len(BAD_INPUTS), len(failures),
             time.monotonic() - started))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
