#!/usr/bin/env python3
"""The real binary against odd files, links, signals and terminals.
usage: platform.py BINARY"""
import os, pty, signal, subprocess, sys, tempfile, time

BINARY, HERE = os.path.abspath(sys.argv[1]), os.getcwd()
failures = []


def check(name, ok):
    print(("ok   " if ok else "FAIL ") + name)
    failures.extend([] if ok else [name])


def run(work, data):
    try:
        proc = subprocess.run([BINARY], input=data, cwd=work, capture_output=True, timeout=20)
        return proc.returncode, proc.stdout
    except subprocess.TimeoutExpired:
        return None, b""  # blocked


def files(work):
    return sorted(set(os.listdir(work)) - {"function_history.txt"})


# Working-directory files that are no regular files never block or crash.
MAKE = {"dir": os.mkdir, "fifo": os.mkfifo, "zero": lambda p: os.symlink("/dev/zero", p)}
for kind, make in MAKE.items():
    with tempfile.TemporaryDirectory() as work:
        for name in ("color_data.txt", "function_history.txt", "risorsa.cf.txt"):
            make(os.path.join(work, name))
        os.mkdir(os.path.join(work, "cartella"))
        os.mkfifo(os.path.join(work, "tubo"))
        status, out = run(work, b"@\nv\n@\nc\nf\nRossi\nMario\n1\n1\n1980\nM\nRoma\n"
                                b"n\n1\ncartella\nout\nabc\nn\n1\ntubo\nout\nabc\nx\n")
        check(kind + ": status 0; history in memory, its clear refused; no municipalities; "
              "cipher inputs unreadable", status == 0 and b"Cronologia delle funzioni: \n\n@\n\n" in out
              and b"Errore: impossibile cancellare la cronologia." in out and b"Errore caricare risorse" in out
              and out.count(b"Errore: impossibile leggere il file di input.") == 2)

# An output that is a link is written through to its file, which keeps its mode.
with tempfile.TemporaryDirectory() as work:
    os.chdir(work)
    open("in.txt", "wb").write(b"ciao")
    open("vero.bin", "wb").write(b"old")
    os.chmod("vero.bin", 0o640)
    os.symlink("vero.bin", "link.bin")
    os.symlink("nessuno/x", "rotto.bin")
    status, out = run(work, b"n\n1\nin.txt\nlink.bin\nA\nn\n1\nin.txt\nrotto.bin\nA\nx\n")
    check("link written through, mode kept", os.path.islink("link.bin") and
          open("vero.bin", "rb").read() == bytes(b ^ 65 for b in b"ciao") and
          os.stat("vero.bin").st_mode & 0o777 == 0o640)
    check("broken link refused and kept, nothing else left", b"impossibile scrivere il file di output."
          in out and os.readlink("rotto.bin") == "nessuno/x" and files(work) == ["in.txt", "link.bin",
                                                                                 "rotto.bin", "vero.bin"])
    os.chdir(HERE)

# No temporary file has a name while a long cipher runs, or remains after a signal.
for sig in (signal.SIGINT, signal.SIGTERM, signal.SIGHUP, signal.SIGKILL):
    with tempfile.TemporaryDirectory(dir=HERE) as work:
        with open(os.path.join(work, "big"), "wb") as f:
            f.truncate(1 << 30)
        proc = subprocess.Popen([BINARY], cwd=work, stdin=subprocess.PIPE, stdout=subprocess.DEVNULL)
        proc.stdin.write(b"n\n1\nbig\nout\nabc\n")
        proc.stdin.flush()
        time.sleep(0.3)
        seen = files(work)
        proc.send_signal(sig)
        proc.wait(timeout=20)
        check(sig.name + ": no temporary file, during or after", seen == ["big"] == files(work))


def terminal(env_extra, sig=signal.SIGTERM):
    """Output at a terminal, input from a pipe, ended by a signal."""
    with tempfile.TemporaryDirectory() as work:
        open(os.path.join(work, "color_data.txt"), "w").write("color 9e")
        master, slave = pty.openpty()
        env = {k: v for k, v in {**os.environ, "TERM": "xterm", **env_extra}.items() if v is not None}
        proc = subprocess.Popen([BINARY], cwd=work, stdin=subprocess.PIPE, stdout=slave, env=env)
        os.close(slave)
        out = b""
        while b"Path: " not in out:
            out += os.read(master, 4096)
        proc.send_signal(sig)
        proc.wait(timeout=20)
        try:
            while chunk := os.read(master, 4096):
                out += chunk
        except OSError:
            pass
        os.close(master)
        return proc.returncode, out


RESTORED = b"\x1b[0m\x1b[23;0t\r\n"
status, out = terminal({})
check("coloured and titled, put back at SIGTERM (143)", status == 143 and b"\x1b[104;93m" in out and
      b"\x1b]0;Tavrik Terminal\x07" in out and out.endswith(RESTORED))
check("scrollback kept", b"\x1b[3J" not in out)
status, out = terminal({}, signal.SIGHUP)
check("put back at SIGHUP (129)", status == 129 and out.endswith(RESTORED))
status, out = terminal({"NO_COLOR": "1"})
check("NO_COLOR: no colours", b"\x1b]0;" in out and b"\x1b[104" not in out and b"\x1b[0m" not in out)
check("TERM=dumb: no escape sequence", b"\x1b" not in terminal({"TERM": "dumb"})[1])
check("no TERM: no escape sequence", b"\x1b" not in terminal({"TERM": None})[1])
sys.exit(1 if failures else 0)
