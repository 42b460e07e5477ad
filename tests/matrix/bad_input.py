#!/usr/bin/env python3
"""Bad-input matrix for the real binary: at every question of every command,
along one valid path, each kind of bad input (a non-number, end of input, a
1 MB line, odd bytes, blanks only), then the rest of the valid answers. Each
run must end with status 0, a clean standard error and bounded output; at a
numeric question "Errore riprova" and the prompt again, then the clean run's
result; after end of input, the clean output cut there plus one line break.
A loop is caught by a CPU-time limit, a blocked run by a wall-clock backstop.
Where a question takes one decimal number, a decimal comma gives what the point gives.
The information pages reach the network: "helpsite" and settings entry 2 are
never typed. Commands that ask nothing are left to the transcripts.

usage: bad_input.py BINARY"""
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


def q(answer, prompt=None):
    """A question: its answer, and its prompt if numeric."""
    return {"answer": answer.encode(), "prompt": None if prompt is None else prompt.encode()}


def same_length(match):  # random codes and passwords: by their length only
    return "%s<%d>" % (match.group(1), len(match.group(2)))


# key -> questions along one valid path, the result to compare (a regular
# expression over the output, or a file left in the working directory) and an
# optional normaliser of each matched result.
COMMANDS = {
    "@": dict(questions=[q("v")], result=r"Cronologia delle funzioni: \n\n@\n"),
    "i": dict(questions=[q("1"), q("1", "Path: "), q("blu"), q("giallo")],
              result_file="color_data.txt"),
    "a": dict(questions=[q("2", "Inserisci quanti valori vuoi utilizzare: "),
                         q("1", "Valore: "), q("2", "Valore: ")],
              result=r"Risultato: .*"),
    "s": dict(questions=[q("3", "Inserisci quanti valori vuoi utilizzare: "),
                         q("10", "Valore: "), q("3", "Valore: "), q("2", "Valore: ")],
              result=r"Risultato: .*"),
    "m": dict(questions=[q("2.5", "Valore: "), q("4", "Valore: ")], result=r"Risultato: .*"),
    "d": dict(questions=[q("7", "Valore: "), q("2", "Valore: "), q("1", "Path: ")],
              result=r"Risultato: .*"),
    "z": dict(questions=[q("30", "Inserisci valore:")], result=r"Risultato: .*"),
    "u": dict(questions=[q("60", "Inserisci valore:")], result=r"Risultato: .*"),
    "p": dict(questions=[q("2", "Inserisci il numero: "), q("10", "Inserisci l'esponente: ")],
              result=r"Risultato: .*"),
    "q": dict(questions=[q("2", "Inserisci quanti valori vuoi utilizzare: "),
                         q("1", "Valore: "), q("4", "Valore: ")],
              result=r"Risultato: .*"),
    "e": dict(questions=[q("1", "Path: "), q("7/2", "Inserisci l'espressione': ")],
              result=r"Risultato: .*"),
    "t": dict(questions=[q("45", "Inserisci valore:")], result=r"Risultato: .*"),
    "r": dict(questions=[q("27", "Inserisci il numero: "),
                         q("3", "Inserisci l'esponente per la radice: ")],
              result=r"La radice .*"),
    "c": dict(questions=[q("1", "Path: "), q("10", "Inserisci il numero da convertire: "),
                         q("16", "Inserisci la base di destinazione: "), q("0", "Path: ")],
              result=r"Il risultato: .*"),
    "g": dict(questions=[q("12", "Inserisci la lunghezza del codice: ")],
              result=r"(Codice generato: )(.*)", normalise=same_length),
    "w": dict(questions=[q("M"), q("30", "Inserire l'eta': "), q("70", "Inserire il peso (Kg): "),
                         q("175", "Inserire l'altezza (cm): ")],
              result=r"Massa (?:grassa|magra): .*"),
    "f": dict(questions=[q("Rossi"), q("Mario"), q("1", "Giorno di nascita(gg): "),
                         q("1", "Mese di nascita (mm): "), q("1980", "Anno di nascita (aaaa): "),
                         q("M"), q("Roma")],
              result=r"Codice fiscale: .*"),
    "v": dict(questions=[q("16", "Inserire la lunghezza della password: ")],
              result=r"(La password generata: )(.*)", normalise=same_length),
    "4": dict(questions=[q("H"), q("Cl")], result=r"Il covalente: .*"),
    "3": dict(questions=[q("2x+3y=5"), q("1x-1y=0")], result=r"[xy] = .*"),
    "2": dict(questions=[q("1", "Path: "), q("-3", "Path: "), q("2", "Path: ")],
              result=r"Le soluzioni .*"),
    "1": dict(questions=[q("2x+3y=5")], result=r"x = .* y = .*"),
    "n": dict(questions=[q("1"), q("chiaro.txt"), q("cifrato.bin"), q("abc")],
              result=r"File processato correttamente\."),
    "o": dict(questions=[q("H2O")], result=r"La massa molare di .*"),
    "5": dict(questions=[q("Vendite 2026"), q("Mese"), q("Euro"),
                         q("120", "\nInerisci il dato numerico (o '-1' per finire l'inserimento) :"),
                         q("Gennaio"),
                         q("-1", "\nInerisci il dato numerico (o '-1' per finire l'inserimento) :"),
                         q("no"), q(".png")],
              result=r"Grafico salvato"),
}

def make_input(key, answers):
    return b"\n".join([key.encode()] + answers) + b"\n"


def run(binary, data):
    """Runs the binary on data in a fresh directory: its outcome."""
    work = tempfile.mkdtemp(prefix="tavrik-matrix-")
    try:
        open(os.path.join(work, "risorsa.cf.txt"), "wb").write(MUNICIPALITIES)
        open(os.path.join(work, "chiaro.txt"), "wb").write(PLAIN_TEXT)
        env = {k: v for k, v in os.environ.items() if k not in ("DISPLAY", "WAYLAND_DISPLAY")}
        env["HOME"] = work
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
        theme = os.path.join(work, "color_data.txt")
        files = {"color_data.txt": open(theme, "rb").read()} if os.path.exists(theme) else {}
        return dict(out=out, err=err, status=status, files=files)
    finally:
        shutil.rmtree(work, ignore_errors=True)


def results(command, outcome):
    if "result_file" in command:
        return [outcome["files"].get(command["result_file"])]
    text = outcome["out"].decode("utf-8", errors="replace")
    return [command["normalise"](m) if "normalise" in command else m.group(0)
            for m in re.finditer(command["result"], text)]


def basic_failures(outcome, data):
    problems = []
    if outcome["status"] is None:
        problems.append("blocked: did not end within %g s" % WALL_BACKSTOP)
    elif outcome["status"] in (-signal.SIGXCPU, -signal.SIGKILL):
        problems.append("looped: used more than %d s of CPU time" % CPU_SECONDS)
    elif outcome["status"] != 0:
        problems.append("exit status %d" % outcome["status"])
    if outcome["err"]:
        problems.append("standard error not empty: %r" % outcome["err"][:200])
    if len(outcome["out"]) > OUTPUT_BUDGET + len(data):
        problems.append("output of %d bytes for %d bytes of input" % (len(outcome["out"]), len(data)))
    if not outcome["out"].endswith(b"\n"):
        problems.append("output does not end with a line break")
    return problems


def check_case(key, command, index, kind, clean, outcome, data):
    question = command["questions"][index]
    problems = basic_failures(outcome, data)
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
    binary, keys = os.path.abspath(sys.argv[1]), list(COMMANDS)

    started, failures, cases = time.monotonic(), [], 0
    # Clean runs first: they must pass and show their result, since every
    # bad run is compared with them.
    with concurrent.futures.ThreadPoolExecutor(max_workers=2) as pool:
        clean_inputs = {k: make_input(k, [x["answer"] for x in COMMANDS[k]["questions"]]) for k in keys}
        clean = dict(zip(keys, pool.map(lambda k: run(binary, clean_inputs[k]), keys)))
        for k in keys:
            cases += 1
            problems = basic_failures(clean[k], clean_inputs[k])
            if results(COMMANDS[k], clean[k]) in ([], [None]):
                problems.append("clean run shows no result")
            failures += ["%s clean: %s" % (k, p) for p in problems]

        jobs = []
        for k in keys:
            answers = [x["answer"] for x in COMMANDS[k]["questions"]]
            for index in range(len(answers)):
                for kind, bad in BAD_INPUTS.items():
                    # A numeric question asks again (or skips the blanks), so
                    # its valid answer still follows; elsewhere the bad line
                    # stands for the answer.
                    numeric = COMMANDS[k]["questions"][index]["prompt"] is not None
                    rest = answers[index if numeric else index + 1:]
                    data = make_input(k, answers[:index] + ([] if bad is None else [bad] + rest))
                    jobs.append((k, index, kind, data))

        def one(job):
            k, index, kind, data = job
            return job, run(binary, data)

        for (k, index, kind, data), outcome in pool.map(one, jobs):
            cases += 1
            for p in check_case(k, COMMANDS[k], index, kind, clean[k], outcome, data):
                failures.append("%s question %d %s: %s" % (k, index + 1, kind, p))

        # Where a question takes one decimal number, "N,25" gives what "N.25" gives.
        for k, index in (("m", 0), ("z", 0), ("u", 0), ("t", 0), ("w", 2), ("2", 1)):
            answers = [x["answer"] for x in COMMANDS[k]["questions"]]
            point, comma = pool.map(lambda mark: run(binary, make_input(k, answers[:index] + [
                answers[index].split(b".")[0] + mark] + answers[index + 1:])), (b".25", b",25"))
            cases += 1
            if comma["status"] != 0 or b"Errore riprova" in comma["out"] or results(COMMANDS[k], comma) in (
                    [], results(COMMANDS[k], clean[k])) or results(COMMANDS[k], comma) != results(COMMANDS[k], point):
                failures.append("%s question %d: a decimal comma not read as the point" % (k, index + 1))

    for line in failures:
        print("FAIL " + line)
    print("%d cases (%d clean runs); %d failures, %.1f s"
          % (cases, len(keys), len(failures), time.monotonic() - started))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
