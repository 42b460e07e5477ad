#!/usr/bin/env python3
"""The real binary against odd files, links, signals and terminals.
usage: platform.py BINARY"""
import os, pty, select, signal, subprocess, sys, tempfile, termios, time

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

# No temporary file has a name while a long cipher runs, or remains after a
# signal; the output it would replace keeps its bytes (the input is too large to finish first).
for sig in (signal.SIGINT, signal.SIGTERM, signal.SIGHUP, signal.SIGQUIT, signal.SIGUSR1, signal.SIGKILL):
    with tempfile.TemporaryDirectory(dir=HERE) as work:
        with open(os.path.join(work, "big"), "wb") as f, open(os.path.join(work, "out"), "wb") as out:
            f.truncate(1 << 40)
            out.write(b"vecchio")
        proc = subprocess.Popen([BINARY], cwd=work, stdin=subprocess.PIPE, stdout=subprocess.DEVNULL)
        proc.stdin.write(b"n\n1\nbig\nout\nabc\n")
        proc.stdin.flush()
        time.sleep(0.3)
        seen = files(work)
        proc.send_signal(sig)
        proc.wait(timeout=20)
        check(sig.name + ": no temporary file, during or after; output kept; status 128+n", seen == ["big", "out"]
              == files(work) and open(os.path.join(work, "out"), "rb").read() == b"vecchio"
              and proc.returncode == (-9 if sig == signal.SIGKILL else 128 + sig))


def driven(work, steps):
    """Both pipes held by this program, each answer written once its question has arrived."""
    proc = subprocess.Popen([BINARY], cwd=work, stdin=subprocess.PIPE, stdout=subprocess.PIPE)
    out, ok, answered = b"", True, 0
    for question, answer in steps:
        # The question must come after the last answer was written.
        while ok and question not in out[answered:]:
            ok = bool(select.select([proc.stdout], [], [], 10)[0]) and bool(chunk := os.read(proc.stdout.fileno(), 4096))
            out += chunk if ok else b""
        if ok:
            answered = len(out)
            proc.stdin.write(answer)
            proc.stdin.flush()
    proc.kill() if not ok else proc.stdin.close()
    return ok and proc.wait(timeout=20) == 0


with tempfile.TemporaryDirectory() as work:
    check("driven answer by answer: every question arrives before its answer is awaited",
          driven(work, [(b"Path: ", b"m\n"), (b"Valore: ", b"3\n"), (b"Valore: ", b"4\n"), (b"Path: ", b"x\n")]))
    proc = subprocess.Popen([BINARY], cwd=work, stdin=subprocess.PIPE, stdout=subprocess.DEVNULL)
    for _ in range(500):
        proc.stdin.write(b"a" * (1 << 20))
    proc.stdin.write(b"\nx\n")
    proc.stdin.close()
    _, status, usage = os.wait4(proc.pid, 0)
    history = open(os.path.join(work, "function_history.txt"), "rb").read().split(b"\n")
    check("a 500 MB command line: refused, kept as its first 4096 bytes, under 64 MB of memory",
          status == 0 and usage.ru_maxrss < 64 * 1024 and history[-3:] == [b"a" * 4096, b"x", b""])


class Typed:
    """The program with output (and input, its line editor in use) at a terminal, a pty."""
    def __init__(self, work, args=(), env_extra=None, piped=False):  # piped: input from a pipe
        self.master, slave = pty.openpty()
        self.mode0 = termios.tcgetattr(self.master)
        env = {**{k: v for k, v in os.environ.items() if k not in ("DISPLAY", "WAYLAND_DISPLAY")},
               "TERM": "xterm", "HOME": work, "LANG": "C.UTF-8", **(env_extra or {})}
        self.proc = subprocess.Popen([BINARY, *args], cwd=work, stdin=subprocess.PIPE if piped else slave,
                                     stdout=slave, stderr=slave, env={k: v for k, v in env.items() if v is not None},
                                     process_group=0)  # its signals (the line editor passes them on) stay its own
        os.close(slave)
        self.out = b""

    def until(self, text, count=1):  # output until `text` shows `count` times; False after 20 s
        end = time.monotonic() + 20
        while self.out.count(text) < count and time.monotonic() < end:
            if select.select([self.master], [], [], 0.2)[0]:
                try:
                    self.out += os.read(self.master, 65536)
                except OSError:
                    return False
        return self.out.count(text) >= count

    def echo_icanon(self, expected=None):  # (ECHO, ICANON); given one, waits up to 20 s for it
        for _ in range(200 if expected else 1):
            lflag = termios.tcgetattr(self.master)[3]
            if (mode := (lflag & termios.ECHO != 0, lflag & termios.ICANON != 0)) == expected:
                break
            time.sleep(0.1)
        return mode

    def stop(self):  # SIGTSTP: True once the program has stopped
        self.proc.send_signal(signal.SIGTSTP)
        _, status = os.waitpid(self.proc.pid, os.WUNTRACED)
        return os.WIFSTOPPED(status)

    def end(self, sig=None):  # the exit status (None: killed after 20 s), the terminal's mode after
        if sig:
            self.proc.send_signal(sig)
        try:
            status = self.proc.wait(timeout=20)
        except subprocess.TimeoutExpired:
            self.proc.kill()
            status = self.proc.wait()
        self.mode1 = termios.tcgetattr(self.master)
        self.until(b"\0")  # the rest of the output
        os.close(self.master)
        return status


def terminal(env_extra, sig=signal.SIGTERM):
    """Output at a terminal, input from a pipe, ended by a signal."""
    with tempfile.TemporaryDirectory() as work:
        open(os.path.join(work, "color_data.txt"), "w").write("color 9e")
        t = Typed(work, env_extra=env_extra, piped=True)
        t.until(b"Path: ")
        return t.end(sig), t.out


RESTORED = b"\x1b[0m\x1b[23;0t\r\n"
status, out = terminal({})
check("coloured and titled, put back at SIGTERM (143)", status == 143 and b"\x1b[104;93m" in out and
      b"\x1b]0;Tavrik Terminal\x07" in out and out.endswith(RESTORED))
check("scrollback kept", b"\x1b[3J" not in out)
for sig in (signal.SIGHUP, signal.SIGPIPE, signal.SIGXFSZ, signal.SIGUSR1, signal.SIGUSR2, signal.SIGALRM):
    status, out = terminal({}, sig)
    check("put back at %s (%d)" % (sig.name, 128 + sig), status == 128 + sig and out.endswith(RESTORED))
status, out = terminal({"NO_COLOR": "1"})
check("NO_COLOR: no colours", b"\x1b]0;" in out and b"\x1b[104" not in out and b"\x1b[0m" not in out)
check("TERM=dumb: no escape sequence", b"\x1b" not in terminal({"TERM": "dumb"})[1])
check("no TERM: no escape sequence", b"\x1b" not in terminal({"TERM": None})[1])


TAKEN = b"\x1b[22;0t\x1b]0;Tavrik Terminal\x07\x1b[104;93m"
with tempfile.TemporaryDirectory() as work:
    open(os.path.join(work, "color_data.txt"), "w").write("color 9e")
    open(os.path.join(work, "in.txt"), "w").write("ciao")
    # A pipe as the editor's settings, a sparse 3 GB history ending in "h": start-up reads neither whole.
    os.mkfifo(os.path.join(work, ".editrc"))
    with open(os.path.join(work, "function_history.txt"), "wb") as f:
        f.truncate(3 << 30)
        f.seek(3 << 30)
        f.write(b"\nh\n")
    t = Typed(work, ["--help"])
    check("--help at a terminal: no session (no escape sequence), the settings pipe not opened",
          t.until(b"man tavrik-terminal") and t.end() == 0 and b"\x1b" not in t.out)
    t = Typed(work)
    check("settings pipe and 3 GB history: prompt drawn once", t.until(b"Path: ") and t.out.count(b"Path: ") == 1)
    os.write(t.master, b"\x1b[A")
    check("the history's last line recalled", t.until(b"h", t.out.count(b"h") + 1))
    cleared = t.out.count(b"\x1b[K")
    os.write(t.master, b"\x15")
    t.until(b"\x1b[K", cleared + 1)  # the line emptied: the editor waits for a key
    stopped = t.stop()
    check("SIGTSTP: stopped, colours, title and mode put back",
          stopped and t.until(b"\x1b[0m\x1b[23;0t\r\n") and t.echo_icanon() == (True, True)
          and termios.tcgetattr(t.master) == t.mode0)
    t.proc.send_signal(signal.SIGCONT)
    check("SIGCONT: colours, title and the editor's mode taken again",
          t.until(TAKEN, 2) and t.echo_icanon((False, False)) == (False, False))
    os.write(t.master, b"n\r1\rin.txt\rout.bin\r")
    check("the key's question once, hidden: line mode without echo",
          t.until(b"cifratura: ") and t.echo_icanon((False, True)) == (False, True))
    check("the hidden key read survives a stop: the terminal's own mode while stopped, hidden again after",
          t.stop() and t.echo_icanon() == (True, True) and not t.proc.send_signal(signal.SIGCONT)
          and t.until(TAKEN, 3) and t.echo_icanon((False, True)) == (False, True))
    os.write(t.master, b"\rx\r")
    check("an empty line at the key asks again; the next line is the key",
          t.until(b"cifratura: ", 2) and t.until(b"File processato correttamente.")
          and open(os.path.join(work, "out.bin"), "rb").read() == bytes(b ^ ord("x") for b in b"ciao"))
    prompts = t.out.count(b"Path: ")
    os.write(t.master, b"l\r")
    check("'l': put back before the new instance takes the terminal",
          t.until(TAKEN, 4) and b"\x1b[0m\x1b[23;0t" + TAKEN in t.out)
    check("SIGQUIT: status 131, put back, the terminal's mode too",
          t.until(b"Path: ", prompts + 1) and t.end(signal.SIGQUIT) == 131 and t.out.endswith(RESTORED)
          and t.mode1 == t.mode0)
sys.exit(1 if failures else 0)
