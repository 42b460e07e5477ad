#!/usr/bin/env python3
"""The real binary against odd files, signals and terminals.

usage: platform.py BINARY"""
import os, pty, signal, subprocess, sys, tempfile, time

BINARY = os.path.abspath(sys.argv[1])
failures = []


def check(name, ok):
    print(("ok   " if ok else "FAIL ") + name)
    if not ok:
        failures.append(name)


def run(work, data, timeout=20):
    try:
        proc = subprocess.run([BINARY], input=data, cwd=work, capture_output=True, timeout=timeout)
    except subprocess.TimeoutExpired:
        return None, b""  # blocked
    return proc.returncode, proc.stdout


def odd_files():
    """Working-directory files that are no regular files never block or crash."""
    for kind in ("dir", "fifo", "zero"):
        with tempfile.TemporaryDirectory() as work:
            for name in ("color_data.txt", "function_history.txt", "risorsa.cf.txt"):
                path = os.path.join(work, name)
                {"dir": os.mkdir, "fifo": os.mkfifo,
                 "zero": lambda p: os.symlink("/dev/zero", p)}[kind](path)
            with open(os.path.join(work, "in.txt"), "w") as f:
                f.write("x")
            os.mkdir(os.path.join(work, "cartella"))
            os.mkfifo(os.path.join(work, "tubo"))
            data = (b"@\nv\n@\nc\nf\nRossi\nMario\n1\n1\n1980\nM\nRoma\n"
                    b"n\n1\ncartella\nout\nabc\nn\n1\ntubo\nout\nabc\nx\n")
            status, out = run(work, data)
            check(kind + ": ends with status 0", status == 0)
            check(kind + ": history kept in memory", b"Cronologia delle funzioni: \n\n@\n\n" in out)
            check(kind + ": clear reports failure", b"Errore: impossibile cancellare la cronologia." in out)
            check(kind + ": municipalities refused", b"Errore caricare risorse" in out)
            check(kind + ": cipher input unreadable",
                  out.count(b"Errore: impossibile leggere il file di input.") == 2)


def cipher_links():
    with tempfile.TemporaryDirectory() as work:
        with open(os.path.join(work, "in.txt"), "wb") as f:
            f.write(b"ciao")
        with open(os.path.join(work, "vero.bin"), "wb") as f:
            f.write(b"old")
        os.chmod(os.path.join(work, "vero.bin"), 0o640)
        os.symlink("vero.bin", os.path.join(work, "link.bin"))
        os.symlink("nessuno/x", os.path.join(work, "rotto.bin"))
        status, out = run(work, b"n\n1\nin.txt\nlink.bin\nA\nn\n1\nin.txt\nrotto.bin\nA\nx\n")
        check("link written through", os.path.islink(os.path.join(work, "link.bin")) and
              open(os.path.join(work, "vero.bin"), "rb").read() == bytes(b ^ 65 for b in b"ciao"))
        check("mode kept", os.stat(os.path.join(work, "vero.bin")).st_mode & 0o777 == 0o640)
        check("broken link refused", b"Errore: impossibile scrivere il file di output." in out and
              os.readlink(os.path.join(work, "rotto.bin")) == "nessuno/x")
        check("nothing else left", sorted(os.listdir(work)) == ["function_history.txt", "in.txt", "link.bin", "rotto.bin", "vero.bin"])


def cipher_interrupted():
    """No temporary file remains, whatever signal ends a long cipher."""
    for sig in (signal.SIGINT, signal.SIGTERM, signal.SIGHUP, signal.SIGKILL):
        with tempfile.TemporaryDirectory(dir=os.getcwd()) as work:
            with open(os.path.join(work, "big"), "wb") as f:
                f.truncate(1 << 30)
            proc = subprocess.Popen([BINARY], cwd=work, stdin=subprocess.PIPE, stdout=subprocess.DEVNULL)
            proc.stdin.write(b"n\n1\nbig\nout\nabc\n")
            proc.stdin.flush()
            time.sleep(0.3)
            seen = sorted(set(os.listdir(work)) - {"function_history.txt"})
            proc.send_signal(sig)
            proc.wait(timeout=20)
            check("%s: no temporary file by name while writing" % sig.name, seen == ["big"])
            check("%s: nothing left" % sig.name,
                  sorted(set(os.listdir(work)) - {"function_history.txt"}) == ["big"])


def terminal(env_extra, signal_to_send=signal.SIGTERM):
    """Output at a terminal, input from a pipe; returns (status, bytes seen)."""
    with tempfile.TemporaryDirectory() as work:
        with open(os.path.join(work, "color_data.txt"), "w") as f:
            f.write("color 9e")
        master, slave = pty.openpty()
        env = {k: v for k, v in {**os.environ, "TERM": "xterm", **env_extra}.items() if v is not None}
        proc = subprocess.Popen([BINARY], cwd=work, stdin=subprocess.PIPE, stdout=slave, env=env)
        os.close(slave)
        out = b""
        while b"Path: " not in out:
            out += os.read(master, 4096)
        proc.send_signal(signal_to_send)
        proc.wait(timeout=20)
        try:
            while chunk := os.read(master, 4096):
                out += chunk
        except OSError:
            pass
        os.close(master)
        return proc.returncode, out


def terminals():
    status, out = terminal({})
    check("coloured, titled, then put back at SIGTERM", status == 143 and
          b"\x1b[104;93m" in out and b"\x1b]0;Tavrik Terminal\x07" in out and
          out.endswith(b"\x1b[0m\x1b[23;0t\r\n"))
    check("scrollback kept", b"\x1b[3J" not in out)
    status, out = terminal({}, signal.SIGHUP)
    check("put back at SIGHUP", status == 129 and out.endswith(b"\x1b[0m\x1b[23;0t\r\n"))
    status, out = terminal({"NO_COLOR": "1"})
    check("NO_COLOR: no colours", b"\x1b]0;" in out and b"\x1b[104" not in out and b"\x1b[0m" not in out)
    status, out = terminal({"TERM": "dumb"})
    check("TERM=dumb: no escape sequence", b"\x1b" not in out)
    status, out = terminal({"TERM": None})
    check("no TERM: no escape sequence", b"\x1b" not in out)


odd_files()
cipher_links()
cipher_interrupted()
terminals()
sys.exit(1 if failures else 0)
