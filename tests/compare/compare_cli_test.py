#!/usr/bin/python3
"""sorting-compare as its users meet it: the real program, on pipes, a terminal and signals.

Usage: compare_cli_test.py PROGRAM [--sanitized]; under the sanitizers the default run is
not timed.
"""

import csv
import io
import os
import pty
import select
import shutil
import signal
import subprocess
import sys
import tempfile
import time
import unittest
import xml.dom.minidom

PROGRAM = None
SANITIZED = False
EXAMPLES = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "examples")


def run(*arguments, **options):
    return subprocess.run([PROGRAM, *arguments], capture_output=True, text=True, timeout=300, **options)


def descendants(pid):
    """The processes below `pid`, its children's children too."""
    children = subprocess.run(["pgrep", "-P", str(pid)], capture_output=True, text=True).stdout.split()
    return [p for child in children for p in [int(child), *descendants(int(child))]]


def running(pid):
    """Whether the process is there and not just waiting to be reaped."""
    try:
        with open(f"/proc/{pid}/stat") as stat:
            return stat.read().rsplit(")", 1)[1].split()[0] != "Z"
    except FileNotFoundError:
        return False


def widest_table_line(env):
    """The widest line of a default table at the default counts' widths, with the longest names
    and a row stopped by the budget."""
    table = run("--methods", "natural-merge,three-way-quick", "--orders", "nearly-sorted,few-unique", "--to",
                "1024000", "--budget", "0.0005", "--seed", "1", "--quiet", env=env)
    return max(len(line) for line in table.stdout.splitlines())


class CompareCli(unittest.TestCase):
    def setUp(self):
        self.folder = tempfile.mkdtemp()
        self.addCleanup(shutil.rmtree, self.folder)

    def test_rows_come_as_they_finish_and_an_interrupt_leaves_them_and_the_chart_whole(self):
        for sent, status, name in ((signal.SIGINT, 130, "SIGINT"), (signal.SIGTERM, 143, "SIGTERM")):
            with self.subTest(signal=name):
                chart = os.path.join(self.folder, "growth.svg")
                tool = subprocess.Popen(
                    [PROGRAM, "--methods", "merge,bubble", "--counts", "1000,2000,30000", "--seed", "1", "--repeat",
                     "1", "--budget", "10000", "--max-seconds", "100000", "--csv", "--chart", chart],
                    stdout=subprocess.PIPE, stderr=subprocess.PIPE, text=True)
                self.assertTrue(tool.stdout.readline().startswith("method,order,count"))
                self.assertTrue(tool.stdout.readline().startswith("Merge,random,1000,"))
                self.assertIsNone(tool.poll(), "the first row arrives while later runs are still going")
                lines = []
                while not lines or not lines[-1].startswith("Bubble,random,2000,"):
                    lines.append(tool.stdout.readline())
                time.sleep(0.5)  # well into bubble sort of 30,000 items, counting
                sent_at = time.monotonic()
                tool.send_signal(sent)
                rest, errors = tool.communicate(timeout=10)
                self.assertLess(time.monotonic() - sent_at, 1.0)
                self.assertEqual(tool.returncode, status)
                self.assertEqual(rest, "", "every row was written before the signal")
                rows = list(csv.reader(io.StringIO("".join(lines))))
                self.assertEqual([r[2] for r in rows], ["2000", "30000", "1000", "2000"])
                self.assertTrue(all(len(r) == 12 for r in rows))
                self.assertRegex(errors.splitlines()[-1],
                                 f"interrupted by {name} during Bubble on random items at 30000 .*; 5 rows complete")
                xml.dom.minidom.parse(chart)  # whole
                self.assertEqual(os.listdir(self.folder), ["growth.svg"], "no half-written file is left")

    def test_a_run_far_beyond_the_limit_is_skipped_with_its_estimate(self):
        started = time.monotonic()
        result = run("--methods", "bubble", "--counts", "10000000")
        self.assertLess(time.monotonic() - started, 10)
        row = result.stdout.splitlines()[1].split()
        self.assertEqual(row[:4], ["Bubble", "random", "10000000", "skipped"])
        self.assertRegex(" ".join(row[4:]), r"^about \d+ (hours|days)$")
        self.assertIn("--max-seconds", result.stderr)
        self.assertEqual(result.returncode, 1, "no run was made")

    def test_every_count_given_has_its_row_and_a_series_says_where_the_budget_stopped_it(self):
        listed = run("--methods", "bubble", "--counts", "2000,4000", "--budget", "0.000001", "--seed", "1")
        self.assertEqual([r.split()[2] for r in listed.stdout.splitlines()[1:]], ["2000", "4000"])
        self.assertNotIn("skipped", listed.stdout)
        series = run("--methods", "bubble", "--from", "2000", "--to", "8000", "--budget", "0.000001", "--seed", "1")
        rows = [r.split() for r in series.stdout.splitlines()[1:]]
        self.assertEqual([r[2:4] for r in rows][1], ["4000", "skipped"])
        self.assertEqual(len(rows), 2)
        self.assertRegex(" ".join(rows[1][4:]), r"^budget spent: \d+\.\d s at 2000, timed and counting$")
        self.assertRegex(series.stderr, r"its run at 2000 took \d+\.\d s with its counting run, over the budget")

    def test_every_program_answers_help_and_version_without_a_display(self):
        env = {k: v for k, v in os.environ.items() if k not in ("DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM")}
        for name in ("sorting-methods", "sorting-compare", "sorting-race"):
            program = os.path.join(os.path.dirname(PROGRAM), name)
            for option, start in (("--help", "Usage: " + name), ("--version", name + " ")):
                answer = subprocess.run([program, option], capture_output=True, text=True, env=env, timeout=60)
                self.assertEqual((answer.returncode, answer.stdout[:len(start)]), (0, start), (name, option))
        window = subprocess.run([os.path.join(os.path.dirname(PROGRAM), "sorting-methods")], capture_output=True,
                                text=True, env=env, timeout=60)
        self.assertEqual((window.returncode, window.stderr), (1, "sorting-methods: no display to open the window on\n"))

    def test_a_refusal_is_its_reason_and_a_pointer_to_the_help_which_fits_80_columns(self):
        cases = [(["--method", "quick"], 'unknown option "--method"; did you mean --methods?'),
                 (["--counts", "1,000"], "counts are written without thousands separators: 1000, not 1,000"),
                 (["--orders", "sorted, bogus"], 'unknown order "bogus" (choose from random, sorted, '),
                 (["--repeat"], "--repeat needs a value")]
        for arguments, reason in cases:
            with self.subTest(arguments=arguments):
                result = run(*arguments)
                self.assertEqual(result.returncode, 2)
                lines = result.stderr.splitlines()
                self.assertLessEqual(len(lines), 3)
                self.assertIn(reason, lines[0])
                self.assertEqual(lines[-1], "Try 'sorting-compare --help'.")
        self.assertEqual(run("--orders", " sorted , reversed", "--counts", " 100 ", "--quiet").returncode, 0)
        usage = run("--help").stdout.splitlines()
        self.assertEqual([line for line in usage if len(line) > 80], [])
        self.assertEqual(len([line for line in usage[usage.index("Examples:"):] if line.startswith("  sorting-compare")]), 3)

    def test_progress_shows_on_a_terminal_and_never_on_a_pipe(self):
        arguments = [PROGRAM, "--methods", "bubble", "--counts", "16000", "--repeat", "1", "--seed", "2"]
        piped = subprocess.run(arguments, capture_output=True, text=True, timeout=60)
        self.assertEqual(piped.stderr, "")
        self.assertEqual(len(piped.stdout.splitlines()), 2)

        terminal, program_side = pty.openpty()
        tool = subprocess.Popen(arguments, stdout=subprocess.PIPE, stderr=program_side)
        os.close(program_side)
        shown = b""
        while True:
            ready, _, _ = select.select([terminal], [], [], 30)
            try:
                chunk = os.read(terminal, 4096) if ready else b""
            except OSError:  # the program has closed its side
                chunk = b""
            if not chunk:
                break
            shown += chunk
        os.close(terminal)
        tool.communicate(timeout=30)
        self.assertIn(b"\rBubble, random, 16000 items: ", shown)
        self.assertTrue(shown.endswith(b"\r\x1b[K"), "the line is cleared at the end")

    def test_a_chart_that_cannot_be_written_is_refused_before_any_run(self):
        os.mkdir(os.path.join(self.folder, "folder.svg"))
        locked = os.path.join(self.folder, "locked")
        os.mkdir(locked, 0o755)
        cases = [(os.path.join(self.folder, "missing", "chart.svg"), [], "there is no folder"),
                 (os.path.join(self.folder, "folder.svg"), [], "is a folder")]
        if os.geteuid() != 0:
            os.chmod(locked, 0o555)
            cases.append((os.path.join(locked, "chart.png"), [], "Permission denied"))
        elif shutil.which("setpriv"):
            os.chmod(self.folder, 0o755)
            cases.append((os.path.join(locked, "chart.png"),
                          ["setpriv", "--reuid=65534", "--regid=65534", "--clear-groups"], "Permission denied"))
        else:
            print("skipped the permission case: root, and no setpriv to drop the rights")
        for chart, wrapper, reason in cases:
            with self.subTest(reason=reason):
                result = subprocess.run([*wrapper, PROGRAM, "--counts", "100", "--chart", chart], capture_output=True,
                                        text=True, timeout=60)
                self.assertEqual(result.returncode, 2)
                self.assertEqual(result.stdout, "")
                self.assertIn(reason, result.stderr.splitlines()[0])

    def test_each_language_speaks_in_help_refusals_and_headings_but_not_in_csv(self):
        english = dict(os.environ, LANG="C.UTF-8", LANGUAGE="")
        english_csv = run("--counts", "500", "--methods", "quick", "--seed", "3", "--csv", "--quiet", "--repeat", "1",
                          env=english).stdout
        self.assertLessEqual(widest_table_line(english), 100)
        for lang, usage, refusal, heading in (
                ("de_DE.UTF-8", "Aufruf: ", "unbekanntes Verfahren „bogo“", "Verfahren  Anordnung  Anzahl  Sekunden"),
                ("fr_FR.UTF-8", "Utilisation : ", "méthode inconnue « bogo »", "méthode  ordre  nombre  secondes"),
                ("es_ES.UTF-8", "Uso: ", "método desconocido «bogo»", "método  orden  cantidad  segundos")):
            with self.subTest(lang=lang):
                env = dict(os.environ, LANG=lang, LANGUAGE="", LC_ALL="")
                help_text = run("--help", env=env).stdout
                self.assertTrue(help_text.startswith(usage), help_text[:40])
                self.assertLessEqual(max(map(len, help_text.splitlines())), 80)
                self.assertIn(refusal, run("--methods", "bogo", env=env).stderr)
                table = run("--counts", "500", "--methods", "quick", "--seed", "3", "--quiet", "--repeat", "1", env=env)
                self.assertRegex(table.stdout.splitlines()[0], heading.replace("  ", " +"))
                self.assertRegex(table.stdout.splitlines()[1], r" 0,\d{6} ")  # the region's decimal comma
                self.assertLessEqual(widest_table_line(env), 100)
                csv_run = run("--counts", "500", "--methods", "quick", "--seed", "3", "--csv", "--quiet", "--repeat", "1",
                              env=env)
                # The same, but for the time each run took.
                self.assertEqual([r[:3] + r[4:] for r in csv.reader(io.StringIO(csv_run.stdout))],
                                 [r[:3] + r[4:] for r in csv.reader(io.StringIO(english_csv))])

    def test_a_students_gnome_sort_is_counted_beside_insertion_and_a_failing_script_sets_the_status(self):
        if not os.access("/usr/bin/python3", os.X_OK):
            self.skipTest("no /usr/bin/python3 here: scripts/setup installs it")
        n = 1000
        result = run("--script", os.path.join(EXAMPLES, "gnome_sort.py"), "--methods", "insertion", "--orders",
                     "sorted,reversed", "--counts", str(n), "--seed", "1", "--csv", "--quiet")
        self.assertEqual(result.returncode, 0, result.stderr)
        rows = {(r[0], r[1]): r for r in csv.reader(io.StringIO(result.stdout))}
        comparisons, exchanges, note = 4, 5, 9
        self.assertEqual(int(rows["gnome_sort.py", "sorted"][comparisons]), n - 1)
        # Reversed, each item sinks to the front: an exchange for every pair, so n(n - 1)/2;
        # each exchange follows a comparison, and takes the gnome a step back that a step forward
        # makes good: by a comparison, or, with i at 0, without one, once for each of the n - 1
        # items that reach the front. So the comparisons are the exchanges twice.
        reversed_row = rows["gnome_sort.py", "reversed"]
        self.assertEqual(int(reversed_row[exchanges]), n * (n - 1) // 2)
        self.assertEqual(int(reversed_row[comparisons]), n * (n - 1))
        self.assertEqual(reversed_row[note], "seconds in Python, every step reported")
        self.assertEqual(rows["Insertion", "reversed"][exchanges], reversed_row[exchanges])
        lost = run("--script", os.path.join(EXAMPLES, "lost_item.py"), "--methods", "merge", "--counts", "20",
                   "--seed", "1", "--quiet")
        self.assertEqual(lost.returncode, 1)
        self.assertRegex(lost.stdout.splitlines()[-1], r"^lost_item\.py +random +20 +failed .* +lost items: missing ")
        missing = run("--script", os.path.join(self.folder, "none.py"))
        self.assertEqual(missing.returncode, 2)
        self.assertIn("cannot read", missing.stderr)
        # Ctrl-C ends the script's process with the program, at once.
        forever = os.path.join(self.folder, "forever.py")
        with open(forever, "w") as f:
            f.write("def sort(a):\n    while True:\n        pass\n")
        tool = subprocess.Popen([PROGRAM, "--script", forever, "--methods", "insertion", "--counts", "10", "--quiet"],
                                stdout=subprocess.PIPE, stderr=subprocess.PIPE, text=True)
        time.sleep(1.5)
        # The tool's own: other tests running beside this one start scripts' processes too.
        script_processes = descendants(tool.pid)
        self.assertTrue(script_processes, "the script runs in a process of its own")
        tool.send_signal(signal.SIGINT)
        tool.communicate(timeout=5)
        self.assertEqual(tool.returncode, 130)
        time.sleep(0.5)
        self.assertEqual([p for p in script_processes if running(p)], [], "no script's process outlives the program")

    def test_the_default_run_answers_within_its_time(self):
        if SANITIZED:
            self.skipTest("timed only in the optimised build")
        started = time.monotonic()
        result = run()
        # Half a minute is asked for on two cores; a slower machine still passes here.
        self.assertLess(time.monotonic() - started, 60)
        self.assertEqual(result.returncode, 0)
        rows = [line.split() for line in result.stdout.splitlines()[1:]]
        for method in ("Selection", "Insertion", "Bubble", "Merge", "Shell", "Heap", "Quick"):
            self.assertGreaterEqual(len([r for r in rows if r[0] == method]), 6, f"{method} doubles five times")


if __name__ == "__main__":
    PROGRAM = os.path.abspath(sys.argv[1])
    SANITIZED = "--sanitized" in sys.argv[2:]
    unittest.main(argv=[sys.argv[0], "-v"])
