#!/usr/bin/env python3
"""The real binary's file rules: links, unreachable and read-only places, a full
disk, exFAT (no hard links, no anonymous files), locks, signals, a huge history.
Runs as root; parts that need mounts skip with a message when they cannot.
usage: files.py BINARY"""
import fcntl, os, signal, subprocess, sys, tempfile, time

BINARY = os.path.abspath(sys.argv[1])
failures = []
THEME = b"i\n1\n0\n"
THEME_ERROR = b"Path: \n\nErrore: impossibile salvare il tema.\n\n"
CHART = b"5\nT\nX\nY\n3\na\n-1\nno\n.png\n"
OUTPUT_ERROR = b"Errore: impossibile scrivere il file di output."
NOBODY = 65534


def check(name, ok):
    print(("ok   " if ok else "FAIL ") + name)
    failures.extend([] if ok else [name])


def cipher(src, dst):
    return b"n\n1\n%s\n%s\nabc\n" % (src.encode(), dst.encode())


def as_nobody():
    os.setgroups([])
    os.setgid(NOBODY)
    os.setuid(NOBODY)


def run(work, data, nobody=False, prefix=()):
    proc = subprocess.run([*prefix, BINARY], input=data + b"x\n", cwd=work, capture_output=True, timeout=120,
                          preexec_fn=as_nobody if nobody else None)
    return proc.stdout


def temporaries(work):
    return [n for n in os.listdir(work) if n.startswith(".tavrik-")]


def read(path):
    with open(path, "rb") as f:
        return f.read()


def write(path, data):
    with open(path, "wb") as f:
        f.write(data)


# Links: a device, a link or a file of another user is never replaced.
with tempfile.TemporaryDirectory() as w:
    os.chdir(w)
    os.mknod("fakenull", 0o20666, os.makedev(1, 3))
    os.symlink(w + "/fakenull", "color_data.txt")
    out = run(w, THEME)
    check("theme through a link to a device: refused with its message", THEME_ERROR in out and
          not os.path.isfile("fakenull"))
    for owner in ("link", "file"):
        for name in ("color_data.txt", "function_history.txt", "out"):
            os.unlink(name) if os.path.lexists(name) else None
            write(name + ".real", b"old\n")
            os.symlink(name + ".real", name)
            os.lchown(name if owner == "link" else name + ".real", NOBODY, NOBODY)
        out = run(w, THEME + b"@\nv\n" + cipher("fakenull", "out") + cipher("color_data.txt.real", "out"))
        check(owner + " of another user: theme, history and cipher output refused, nothing changed",
              THEME_ERROR in out and b"\n\nold\ni\n@\n" in out and OUTPUT_ERROR in out and
              all(read(n + ".real") == b"old\n" for n in ("color_data.txt", "function_history.txt", "out")))
    os.chdir("/")

# A place the user may not reach or write (run as nobody).
with tempfile.TemporaryDirectory() as w:
    os.chmod(w, 0o755)  # nobody may not write here
    os.mkdir(w + "/closed", 0o700)
    write(w + "/closed/in", b"x")
    out = run(w, cipher("closed/in", "/tmp/none") + b"@\nc\n" + THEME, nobody=True)
    check("input in a folder without x: unreadable; read-only folder: @c done, theme refused",
          b"\n\nErrore: impossibile leggere il file di input.\n" in out and b"\nFatto!\n" in out and
          THEME_ERROR in out and sorted(os.listdir(w)) == ["closed"])

# A lock held by another run refuses a cipher in place.
with tempfile.TemporaryDirectory() as w:
    write(w + "/doc", b"ciao")
    with open(w + "/doc", "rb") as held:
        fcntl.flock(held, fcntl.LOCK_EX)
        out = run(w, cipher("doc", "doc"))
    check("second cipher of a file in use: refused", b"\n\nErrore: il file \xc3\xa8 in uso.\n" in out and
          read(w + "/doc") == b"ciao")

# A huge history without line ends is shown with bounded memory.
with tempfile.TemporaryDirectory(dir=os.getcwd() if os.access(os.getcwd(), os.W_OK) else None) as w:
    with open(w + "/function_history.txt", "wb") as f:
        f.truncate(3 << 30)
    proc = subprocess.Popen([BINARY], stdin=subprocess.PIPE, cwd=w, stdout=subprocess.DEVNULL,
                            stderr=subprocess.PIPE)
    proc.stdin.write(b"@\nv\nx\n")
    proc.stdin.close()
    error = proc.stderr.read()
    _, status, usage = os.wait4(proc.pid, 0)
    print("3 GB history: peak RSS %d kB" % usage.ru_maxrss)
    check("3 GB history line shown in under 64 MB", status == 0 and not error and usage.ru_maxrss < 64 << 10)


def mounted(kind, image=None):
    """A fresh mount point with a small file system on it, or None."""
    point = tempfile.mkdtemp()
    if kind == "tmpfs":
        cmd = ["mount", "-t", "tmpfs", "-o", "size=1m", "tmpfs", point]
    else:  # exfat-fuse wants a block device
        loop = subprocess.run(["losetup", "-f", "--show", image], capture_output=True, text=True)
        cmd = ["mount.exfat-fuse", loop.stdout.strip(), point] if loop.returncode == 0 else ["false"]
    if subprocess.run(cmd, capture_output=True).returncode != 0:
        if kind != "tmpfs" and loop.returncode == 0:
            subprocess.run(["losetup", "-d", loop.stdout.strip()])
        os.rmdir(point)
        return None
    loops[point] = loop.stdout.strip() if kind != "tmpfs" else None
    return point


loops = {}


def unmount(point):
    subprocess.run(["umount", point], check=False)
    if loops.get(point):
        subprocess.run(["losetup", "-d", loops[point]], check=False)
    os.rmdir(point)


# A full disk: nothing is left, no name is taken; history unrecorded, silently.
disk = mounted("tmpfs")
if disk is None:
    print("skip full disk: cannot mount a tmpfs")
else:
    write(disk + "/in", b"y" * (600 << 10))
    try:
        with open(disk + "/filler", "wb") as f:
            while f.write(b"\0" * 4096):
                f.flush()
    except OSError:
        pass
    out = run(disk, THEME + cipher("in", "out") + CHART + b"@\nv\n")
    check("full disk: theme, cipher and chart report, leave nothing; history silent",
          THEME_ERROR in out and OUTPUT_ERROR in out and b"Errore: impossibile salvare il grafico." in out and
          sorted(set(os.listdir(disk)) - {"function_history.txt"}) == ["filler", "in"] and
          read(disk + "/function_history.txt") == b"" and out.count(b"Errore") == 3)
    unmount(disk)

# exFAT: charts are saved without hard links; temporaries of a killed run go.
with tempfile.TemporaryDirectory() as w:
    image = w + "/exfat.img"
    with open(image, "wb") as f:
        f.truncate(256 << 20)
    made = subprocess.run(["mkfs.exfat", image], capture_output=True).returncode == 0
    disk = mounted("exfat", image) if made else None
    if disk is None:
        print("skip exFAT: mkfs.exfat or mount.exfat-fuse (FUSE) unavailable")
    else:
        with open(w + "/big", "wb") as f:
            f.truncate(1 << 30)

        def interrupted(sig):
            """A long cipher into the exFAT, ended by `sig` once its temporary exists."""
            proc = subprocess.Popen([BINARY], cwd=disk, stdin=subprocess.PIPE, stdout=subprocess.DEVNULL)
            proc.stdin.write(cipher(w + "/big", "out"))
            proc.stdin.flush()
            while not temporaries(disk) and proc.poll() is None:
                time.sleep(0.01)
            proc.send_signal(sig)
            return proc.wait(timeout=60)

        # Ended by a signal once the chart is saved: the saved chart stays.
        proc = subprocess.Popen([BINARY], cwd=disk, stdin=subprocess.PIPE, stdout=subprocess.PIPE)
        proc.stdin.write(CHART)
        proc.stdin.flush()
        out = b""
        while b"Grafico salvato in " not in out and (chunk := proc.stdout.read1(4096)):
            out += chunk
        proc.send_signal(signal.SIGTERM)
        proc.wait(timeout=60)
        saved = [n for n in os.listdir(disk) if n.startswith("grafico_")]
        check("exFAT: chart saved, kept after a signal, no temporary", b"Grafico salvato in " in out and
              len(saved) == 1 and read(disk + "/" + saved[0]).startswith(b"\x89PNG") and not temporaries(disk))
        write(w + "/small", b"abc")
        for cleaner in (cipher(w + "/small", "small"), CHART):
            interrupted(signal.SIGKILL)
            left = temporaries(disk)
            pid_ok = len(left) == 1 and left[0].split("-")[1].isdigit()
            run(disk, cleaner)
            check("exFAT: SIGKILL leaves a run-named temporary, the next run removes it", pid_ok and
                  not temporaries(disk))
        for name in ("INT", "TERM", "HUP", "QUIT", "PIPE", "XFSZ", "USR1", "USR2", "ALRM"):
            sig = getattr(signal, "SIG" + name)
            status = interrupted(sig)
            check("exFAT: SIG%s ends with %d, leaves no temporary" % (name, 128 + sig), status == 128 + sig
                  and not temporaries(disk) and not os.path.exists(disk + "/out"))
        unmount(disk)

sys.exit(1 if failures else 0)
