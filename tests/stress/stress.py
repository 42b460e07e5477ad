#!/usr/bin/env python3
"""Many seeded random runs of the real binary (commands, answers, garbage,
end of input anywhere), each in its own directory: every one must end with
status 0 within its CPU-time limit and a clean standard error. No text holds
the letter "i", the way in to the pages that reach the network.
usage: stress.py BINARY [--runs N] [--seed S] [--cpu-seconds N]"""
import argparse
import concurrent.futures
import os
import random
import shutil
import signal
import subprocess
import sys
import tempfile

COMMANDS = "#lxk@hasmdzupqetrcgwfv4321no5"
WORDS = ["0", "1", "2", "3", "-1", "5 a", "7 ", "2.5", "-8", "1e9", "99999999999", "abc", "",
         " ", "v", "c", "y", "no", ".png", ".jpg", ".pdf", ".pptx", "H2O", "NaCl", "Fe2(SO4)3",
         "Xx", "H99999999999", "2x+3y=5", "x+y=2", "2*(3+4)", "1/0", "((", "Rossi", "Mario",
         "M", "F", "Roma", "ROMA", "1990", "12", "31", "chiave", "key1", "file.txt", "out.bin",
         "ff", "-2147483648", "2147483647", "nan", "inf"]


def garbage(rng):
    kind = rng.randrange(5)
    if kind == 0:
        size = rng.choice([1, 10, 1000, 100000, 1 << 20])
        return bytes(rng.choice(b"0123456789 abcXYZ+-*/().") for _ in range(min(size, 2000))) * max(1, size // 2000)
    if kind == 1:
        return bytes(rng.choice([0x00, 0x1A, 0xFF, 0xC3, 0x80, 0xE8, 0x09, 0x0D]) for _ in range(rng.randrange(1, 20)))
    if kind == 2:
        return b" " * rng.randrange(1, 50)
    if kind == 3:
        return bytes(rng.randrange(1, 256) for _ in range(rng.randrange(1, 200)))
    return str(rng.randint(-10**12, 10**12)).encode()


def make_input(rng):
    lines = []
    for _ in range(rng.randrange(1, 40)):
        roll = rng.random()
        if roll < 0.35:
            lines.append(rng.choice(COMMANDS).encode())
        elif roll < 0.8:
            lines.append(rng.choice(WORDS).encode())
        else:
            lines.append(garbage(rng))
    data = b"\n".join(lines)
    # The letter i opens the settings menu, whose entry 2 reaches the network.
    data = data.replace(b"i", b"j").replace(b"I", b"J")
    # No absolute or parent paths: files stay inside the run's directory.
    data = data.replace(b"/", b"_") if rng.random() < 0.5 else data.replace(b"/", b"")
    cut = rng.randrange(len(data) + 1) if rng.random() < 0.3 else len(data)
    return data[:cut] + (b"\n" if rng.random() < 0.5 else b"")


WALL_BACKSTOP = 300.0


def one_run(binary, seed, cpu_seconds):
    rng = random.Random(seed)
    data = make_input(rng)
    work = tempfile.mkdtemp(prefix="tavrik-stress-")
    env = {k: v for k, v in os.environ.items() if k not in ("DISPLAY", "WAYLAND_DISPLAY")}
    try:
        # CPU time, not wall time, bounds a run: a loop is caught however busy
        # the machine is; the wall-clock backstop only catches a blocked run.
        limited = ["prlimit", "--cpu=%d:%d" % (cpu_seconds, cpu_seconds + 1), binary]
        proc = subprocess.run(limited, input=data, cwd=work, env=env, capture_output=True,
                              timeout=WALL_BACKSTOP)
        if proc.returncode in (-signal.SIGXCPU, -signal.SIGKILL):
            return f"seed {seed}: looped, more than {cpu_seconds} s of CPU time"
        if proc.returncode != 0 or proc.stderr:
            return f"seed {seed}: status {proc.returncode}\n{proc.stderr[-2000:].decode(errors='replace')}"
        return None
    except subprocess.TimeoutExpired:
        return f"seed {seed}: blocked, no end within {WALL_BACKSTOP} s"
    finally:
        shutil.rmtree(work, ignore_errors=True)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("binary")
    for name, default in (("--runs", 500), ("--seed", 20261206), ("--cpu-seconds", 10)):
        parser.add_argument(name, type=int, default=default)
    args = parser.parse_args()
    args.binary = os.path.abspath(args.binary)
    with concurrent.futures.ThreadPoolExecutor(max_workers=os.cpu_count() or 2) as pool:
        results = pool.map(lambda s: one_run(args.binary, s, args.cpu_seconds),
                           range(args.seed, args.seed + args.runs))
        failures = [r for r in results if r]
    print("\n".join(failures))
    print(f"{args.runs - len(failures)}/{args.runs} runs ended cleanly")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
