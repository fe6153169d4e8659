#!/usr/bin/env python3
"""Start-up time and peak memory of the window against a bare Qt window, and processor use while a
notice waits. Usage: measure.py BUILD_DIR [KITSMITH_BINARY]; run under a display (e.g. xvfb-run)."""
import os, shutil, statistics, subprocess, sys, tempfile, time

build = sys.argv[1]
tool = sys.argv[2] if len(sys.argv) > 2 else None
root = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
work = tempfile.mkdtemp(prefix="ks-measure-")
game = os.path.join(work, "Tribes2")
shutil.copytree(os.path.join(root, "examples", "Tribes2"), game)


def settings(folder):
    lines = ["// [QZW]-Kitsmith v1.0", "// x", "//", "// Configfile", "//", "// Do not change anything at all :-)", "//",
             "Lang=E", "Tribes2=" + game + "/"]
    with open(os.path.join(folder, "kitsmith.dat"), "wb") as f:
        f.write("".join(l + "\r\n" for l in lines).encode())


def once(exe):
    t0 = time.perf_counter()
    p = subprocess.Popen([exe], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    _, status, usage = os.wait4(p.pid, 0)
    if status != 0:
        sys.exit(f"{exe} failed with status {status}")
    return time.perf_counter() - t0, usage.ru_maxrss


def run(exes, runs=21):
    # Alternating, so that a busy moment of the machine falls on both alike.
    samples = {exe: [] for exe in exes}
    for _ in range(runs):
        for exe in exes:
            samples[exe].append(once(exe))
    return [(statistics.median(t for t, _ in samples[e]), statistics.median(m for _, m in samples[e])) for e in exes]


probe_dir = os.path.join(work, "probe")
os.makedirs(probe_dir)
shown = os.path.join(probe_dir, "kitsmith_shown")
shutil.copy(os.path.join(build, "kitsmith_shown"), shown)
settings(probe_dir)
(bare_t, bare_m), (tool_t, tool_m) = run([os.path.join(build, "bare_window"), shown])
print(f"bare window shown:        {bare_t * 1000:7.1f} ms  peak {bare_m / 1024:6.1f} MiB")
print(f"favourite 0 shown:        {tool_t * 1000:7.1f} ms  peak {tool_m / 1024:6.1f} MiB")
print(f"start-up ratio:           {tool_t / bare_t:7.2f} x   memory ratio {tool_m / bare_m:.2f} x")

if tool:
    # No settings file: the first-start notice waits for OK.
    notice_dir = os.path.join(work, "notice")
    os.makedirs(notice_dir)
    exe = os.path.join(notice_dir, "kitsmith")
    shutil.copy(tool, exe)
    p = subprocess.Popen([exe], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    time.sleep(3)

    def cpu():
        with open(f"/proc/{p.pid}/stat") as f:
            fields = f.read().rsplit(")", 1)[1].split()
        return (int(fields[11]) + int(fields[12])) / os.sysconf("SC_CLK_TCK")

    c0, t0 = cpu(), time.perf_counter()
    time.sleep(10)
    c1, t1 = cpu(), time.perf_counter()
    p.kill()
    p.wait()
    print(f"notice waiting:           {100 * (c1 - c0) / (t1 - t0):7.2f} % of one core over {t1 - t0:.0f} s")
shutil.rmtree(work)
