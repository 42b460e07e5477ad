#!/usr/bin/env bash
# 'l' at a terminal, on a copy of the program: the new instance takes the
# terminal while the program's file is there; once the file is removed or
# replaced, the error is written and the prompt comes back.
set -euo pipefail
exec python3 - "$1" <<'PY'
import os, pty, select, shutil, subprocess, sys, tempfile

ERROR = b"Riavviando...\r\nErrore: impossibile riavviare il programma.\r\n"

def session(change):
    """Starts a copy at a terminal, applies `change` to the copy's file, types
    'l', and returns what was written from the restart line on."""
    with tempfile.TemporaryDirectory() as work:
        copy = os.path.join(work, "tavrik-terminal")
        shutil.copy2(sys.argv[1], copy)
        master, slave = pty.openpty()
        env = {k: v for k, v in os.environ.items() if k not in ("DISPLAY", "WAYLAND_DISPLAY")}
        proc = subprocess.Popen([copy], cwd=work, stdin=slave, stdout=slave, stderr=slave,
                                env={**env, "TERM": "dumb"}, start_new_session=True)
        os.close(slave)
        out = b""
        def until(done):
            nonlocal out
            while not done() and select.select([master], [], [], 60)[0]:
                try:
                    chunk = os.read(master, 4096)
                except OSError:
                    break
                if not chunk:
                    break
                out += chunk
        until(lambda: b"Path: " in out)
        change(copy)
        os.write(master, b"l\n")
        restart = lambda: out[out.find(b"Riavviando") :] if b"Riavviando" in out else b""
        until(lambda: b"Path: " in restart())
        out = restart()
        os.write(master, b"x\n\n")
        until(lambda: False)  # to the end of the output
        proc.wait(timeout=60)
        os.close(master)
        return proc.returncode, out

def replace(path):
    shutil.copy2(path, path + ".new")
    os.rename(path + ".new", path)

failures = 0
for name, change, expected in (("file in place: a new instance", lambda p: None, False),
                               ("file removed: error and prompt", os.unlink, True),
                               ("file replaced: error and prompt", replace, True)):
    status, out = session(change)
    shown = out.startswith(ERROR) and b"Path: " in out
    fresh = b"Tavrik Terminal" in out  # the banner of a new instance
    ok = status == 0 and shown == expected and fresh != expected
    failures += not ok
    print(("ok   " if ok else "FAIL ") + name + ("" if ok else ": " + repr(out[:300])))
sys.exit(1 if failures else 0)
PY
