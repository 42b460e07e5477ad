#!/usr/bin/env python3
"""Effects of the POSIX layer that the program's own output does not show:
the folder synced after a file is put in place, a new instance started in a
terminal window, the pause that takes one key at a terminal.
usage: posix-effects.py BINARY"""
import os, pty, re, select, shutil, subprocess, sys, tempfile

BINARY = os.path.abspath(sys.argv[1])
failures = []


def check(name, ok):
    print(("ok   " if ok else "FAIL ") + name)
    failures.extend([] if ok else [name])


with tempfile.TemporaryDirectory() as work:
    # After the cipher's output takes its name, the folder holding it is
    # synced, so that the new name survives a power cut.
    open(os.path.join(work, "in.txt"), "wb").write(b"ciao")
    if shutil.which("strace"):
        subprocess.run(["strace", "-f", "-y", "-o", "trace", "-e", "trace=fsync,rename,renameat,renameat2,linkat",
                        BINARY], cwd=work, input=b"n\n1\nin.txt\nout.txt\nabc\nx\n\n", capture_output=True)
        calls = open(os.path.join(work, "trace")).read().splitlines()
        named = [i for i, c in enumerate(calls) if re.search(r"(rename|link)\w*\(.*out\.txt", c)]
        synced = [i for i, c in enumerate(calls) if re.search(r"fsync\(\d+<%s>\)" % re.escape(work), c)]
        check("cipher: folder synced after the output is named", named and synced and synced[-1] > named[0])
    else:
        print("skip folder sync: strace is not installed")

    # With a display, 'l' starts the program again in a terminal window.
    bin_dir = os.path.join(work, "bin")
    os.mkdir(bin_dir)
    fake = os.path.join(bin_dir, "x-terminal-emulator")
    open(fake, "w").write('#!/bin/sh\necho "$@" > "%s/started"\n' % work)
    os.chmod(fake, 0o755)
    env = {**os.environ, "DISPLAY": ":99", "PATH": bin_dir + ":" + os.environ["PATH"]}
    out = subprocess.run([BINARY], cwd=work, input=b"l\n", capture_output=True, env=env, timeout=20).stdout
    started = os.path.join(work, "started")
    for _ in range(200):  # the terminal window is started detached
        if os.path.exists(started) and open(started).read():
            break
        select.select([], [], [], 0.05)
    check("'l' with a display: a terminal window runs the program", out.endswith(b"Riavviando...\n") and
          os.path.exists(started) and open(started).read().split() == ["-e", BINARY])

    # At a terminal the pause after 'x' ends with one key, no Enter needed.
    master, slave = pty.openpty()
    proc = subprocess.Popen([BINARY], cwd=work, stdin=slave, stdout=slave, stderr=slave,
                            env={**os.environ, "TERM": "dumb"}, start_new_session=True)
    os.close(slave)
    out = b""
    while select.select([master], [], [], 20)[0]:
        out += os.read(master, 4096)
        if b"Path: " in out:
            os.write(master, b"x\n")
            out = out.replace(b"Path: ", b"")
        if b"Premere un tasto" in out:
            os.write(master, b"q")
            break
    try:
        status = proc.wait(timeout=20)
    except subprocess.TimeoutExpired:
        proc.kill()
        status = None
    os.close(master)
    check("pause at a terminal ends with one key", status == 0)

sys.exit(1 if failures else 0)
