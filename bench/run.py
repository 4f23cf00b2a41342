#!/usr/bin/env python3
"""Benchmarks of the paper catalogue: the program's own code paths side by side
with the mariadb command-line client on the same server, data and statements.

    python3 bench/run.py [--sizes 100000,1000000] [--runs 5] [--entry 2000]
    python3 bench/run.py --smoke --server-env DIR/env --bench-bin PATH --work DIR

Starts a private MariaDB server of its own (unless --server-env names a running
one), fills it with generated papers (bench/gen_papers.py, LOAD DATA), runs each
measure several times, alternating the program (A) and the client (B), and prints
a table of medians with the ratio A/B. The server is stopped at the end.
Everything it writes goes under --work (default build-bench/bench-work).
"""

import argparse
import datetime
import hashlib
import json
import os
import platform
import re
import shutil
import signal
import statistics
import subprocess
import sys
import time

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(HERE)
sys.path.insert(0, HERE)
import gen_papers  # noqa: E402

IMPORT_USER = "bench_import"

SEED = 40617395
TABLES = ["main", "author_all", "kword_all", "address", "type_in"]
ENTRY_USER = "bench"
# The server of a benchmark run: room for a million papers in memory, statement
# digests for the server's own time, temporary files in its own folder. Nothing
# of the schema changes.
SERVER_TUNING = """
[mariadbd]
innodb_buffer_pool_size=1G
innodb_log_file_size=512M
performance_schema=ON
local_infile=ON
tmpdir=%(tmpdir)s
"""


def log(*args):
    print(*args, file=sys.stderr, flush=True)


def credential(name):
    text = open(os.path.join(ROOT, "src/db/Credentials.h"), encoding="utf-8").read()
    m = re.search(r'constexpr char %s\[\] = "([^"]*)"' % name, text)
    if not m:
        raise SystemExit("no %s in src/db/Credentials.h" % name)
    return m.group(1)


class Server:
    """The database server: our own in WORK/benchdb, or a running one named by an env file."""

    def __init__(self, work, env_file=None):
        self.own = env_file is None
        self.work = work
        if self.own:
            self.dir = os.path.join(work, "benchdb")
            os.makedirs(self.dir, exist_ok=True)
            self._tool("dbserver.sh", "stop", self.dir)  # one left behind by an interrupted run
            self.port = self._port()
            self._tool("dbserver.sh", "init", self.dir, str(self.port))
            tmpdir = os.path.join(self.dir, "tmp")
            os.makedirs(tmpdir, exist_ok=True)
            with open(os.path.join(self.dir, "my.cnf"), "a") as f:
                f.write(SERVER_TUNING % {"tmpdir": tmpdir})
            self.started = True  # stop() is safe from here on
            self._tool("dbserver.sh", "start", self.dir)
            self.cnf = os.path.join(self.dir, "my.cnf")
            # Tables made from an older sql/schema.sql are made afresh.
            schema = hashlib.sha256(open(os.path.join(ROOT, "sql/schema.sql"), "rb").read()).hexdigest()
            stamp = os.path.join(self.dir, "schema.sha256")
            if not os.path.exists(stamp) or open(stamp).read() != schema:
                self.sql("DROP DATABASE IF EXISTS paperdb;", database="mysql")
                for old in ("dataset.json",):
                    if os.path.exists(os.path.join(self.dir, old)):
                        os.remove(os.path.join(self.dir, old))
            self._tool("dbserver.sh", "load", self.dir)
            with open(stamp, "w") as f:
                f.write(schema)
            odbc = os.path.join(self.dir, "odbc")
            self._tool("odbc.sh", "write", odbc, str(self.port), "paperdb")
            self.odbcini, self.odbcsysini = os.path.join(odbc, "odbc.ini"), odbc
        else:
            env = dict(line.split("=", 1) for line in open(env_file).read().split("\n") if "=" in line)
            self.dir = os.path.dirname(os.path.abspath(env_file))
            self.port, self.cnf = int(env["PORT"]), env["CNF"]
            self.odbcini, self.odbcsysini = env["ODBCINI"], env["ODBCSYSINI"]
        self.client_cnf = os.path.join(work, "client.cnf")
        with open(self.client_cnf, "w") as f:
            f.write("[client]\nhost=127.0.0.1\nport=%d\nprotocol=TCP\nuser=paper_user\npassword=%s\n"
                    "default-character-set=utf8mb4\n" % (self.port, credential("kOpenShelf")))
        os.chmod(self.client_cnf, 0o600)

    def _port(self):
        # Keep the port of an earlier run when it is free, so my.cnf stays as it was.
        try:
            port = int(re.search(r"^port=(\d+)", open(os.path.join(self.dir, "my.cnf")).read(), re.M).group(1))
            import socket
            with socket.socket() as s:
                s.bind(("127.0.0.1", port))
            return port
        except (OSError, AttributeError, ValueError):
            return int(subprocess.check_output(["bash", os.path.join(ROOT, "tools/dbserver.sh"), "free-port"]))

    def _tool(self, name, *args):
        subprocess.run(["bash", os.path.join(ROOT, "tools", name)] + list(args), check=True)

    def stop(self):
        if self.own and getattr(self, "started", False):
            self._tool("dbserver.sh", "stop", self.dir)
            self.started = False

    def sql(self, statement, database="paperdb", local_infile=False):
        """Runs statements as root through the socket; returns the output (tab separated, no titles)."""
        cmd = ["mariadb", "--defaults-file=" + self.cnf, "-uroot", "-N", "-B", "--raw", database]
        if local_infile:
            cmd.insert(2, "--local-infile=1")
        return subprocess.run(cmd, input=statement, capture_output=True, text=True, check=True).stdout

    def client(self, statement_file):
        """The command-line client as a user would run it: batch mode, the paper account over TCP,
        output to /dev/null. Returns (seconds, peak resident kB)."""
        timing = os.path.join(self.work, "time.out")
        cmd = ["mariadb", "--defaults-file=" + self.client_cnf, "--batch", "paperdb"]
        gnu_time = os.access("/usr/bin/time", os.X_OK)
        if gnu_time:
            cmd = ["/usr/bin/time", "-f", "%M", "-o", timing] + cmd
        with open(statement_file, "rb") as stdin, open(os.devnull, "wb") as out:
            t0 = time.perf_counter()
            p = subprocess.Popen(cmd, stdin=stdin, stdout=out)
            _, status, usage = os.wait4(p.pid, 0)
            seconds = time.perf_counter() - t0
            p.returncode = os.waitstatus_to_exitcode(status)
        if p.returncode != 0:
            raise RuntimeError("mariadb < %s failed (%d)" % (statement_file, p.returncode))
        # GNU time's figure when it is there, else the kernel's (the same peak resident size).
        peak = int(open(timing).read().split()[-1]) if gnu_time else usage.ru_maxrss
        return seconds, peak

    def performance_schema(self):
        return self.sql("select @@performance_schema").strip() == "1"


class Bench:
    def __init__(self, args):
        self.args = args
        self.work = os.path.abspath(args.work)
        os.makedirs(self.work, exist_ok=True)
        self.bin = os.path.abspath(args.bench_bin)
        if not os.access(self.bin, os.X_OK):
            raise SystemExit("no benchmark program at %s: run bench/run.sh (it builds it)" % self.bin)
        self.server = None
        self.rows = []      # result table
        self.samples = {}   # every figure, for results.json
        self.failures = []

    # --- the program's side ---------------------------------------------------------------

    def env(self):
        env = dict(os.environ)
        env.update(ODBCINI=self.server.odbcini, ODBCSYSINI=self.server.odbcsysini, QT_QPA_PLATFORM="offscreen")
        runtime = os.path.join(self.work, "xdg-runtime")
        os.makedirs(runtime, mode=0o700, exist_ok=True)
        env.setdefault("XDG_RUNTIME_DIR", runtime)
        return env

    def program(self, *args):
        p = subprocess.run([self.bin] + list(args), capture_output=True, text=True, env=self.env())
        for line in p.stdout.splitlines():
            if line.startswith("RESULT "):
                return json.loads(line[7:])
        raise RuntimeError("paper_bench %s failed (%d): %s" % (" ".join(args), p.returncode, p.stderr.strip()))

    def statement_file(self, which):
        path = os.path.join(self.work, which + ".sql")
        out = subprocess.run([self.bin, "statement", "--statement", which], capture_output=True,
                             text=True, check=True, env=self.env()).stdout
        with open(path, "w", encoding="utf-8") as f:
            f.write(out.rstrip("\n") + ";\n")
        return path, out.strip()

    # --- data -----------------------------------------------------------------------------

    def dataset(self, papers):
        """Makes the server hold exactly the generated catalogue of PAPERS papers."""
        version = {"papers": papers, "seed": SEED, "generator": gen_papers.GENERATOR_VERSION}
        data = os.path.join(self.work, "data", str(papers))
        made = os.path.join(data, "made.json")
        entry = self.entry_count()
        if not (os.path.exists(made) and json.load(open(made)).get("version") == dict(version, entry=entry)):
            shutil.rmtree(data, ignore_errors=True)
            log("generating %d papers ..." % papers)
            t0 = time.perf_counter()
            out = subprocess.run([sys.executable, os.path.join(HERE, "gen_papers.py"), "--papers", str(papers),
                                  "--entry", str(entry), "--seed", str(SEED), "--out", data],
                                 capture_output=True, text=True, check=True).stdout
            raw = int(re.search(r"quick_search_bytes=(\d+)", out).group(1))
            json.dump({"version": dict(version, entry=entry), "raw_bytes": raw,
                       "seconds": time.perf_counter() - t0}, open(made, "w"))
        made_info = json.load(open(made))
        self.samples.setdefault("generate_s", {})[papers] = made_info["seconds"]

        loaded = os.path.join(self.server.dir, "dataset.json") if self.server.own else None
        current = json.load(open(loaded)) if loaded and os.path.exists(loaded) else None
        count = int(self.server.sql("select count(*) from main").strip())
        if current == version and count == papers:
            log("server already holds the %d papers" % papers)
        else:
            log("loading %d papers ..." % papers)
            if loaded and os.path.exists(loaded):
                os.remove(loaded)
            t0 = time.perf_counter()
            statements = ["SET unique_checks=0;", "SET foreign_key_checks=0;"]
            statements += ["TRUNCATE TABLE %s;" % t for t in TABLES]
            statements += ["LOAD DATA LOCAL INFILE '%s' INTO TABLE %s CHARACTER SET utf8mb4;"
                           % (os.path.join(data, t + ".tsv"), t) for t in TABLES]
            self.server.sql("\n".join(statements), local_infile=True)
            seconds = time.perf_counter() - t0
            self.samples.setdefault("load_s", {})[papers] = seconds
            log("loaded in %.1f s" % seconds)
            # Exact row counts for the optimizer: with InnoDB's sampled estimates the
            # quick search of a million papers flipped from run to run between reading
            # main in key order (2 s) and reading address, then sorting (6 s).
            self.server.sql("ANALYZE TABLE %s PERSISTENT FOR COLUMNS () INDEXES ();" % ", ".join(TABLES))
            self.settle()
            if loaded:
                json.dump(version, open(loaded, "w"))
        counts = self.server.sql("\n".join("select count(*) from %s;" % t for t in TABLES)).split()
        if counts != [str(papers)] * 5:
            raise RuntimeError("the tables hold %s rows, not %d each" % (counts, papers))
        return data, made_info["raw_bytes"]

    def settle(self, timeout=900):
        """Waits until the server has written out what the load left in memory: its
        background flushing would otherwise slow whichever measure comes next."""
        status = ("select variable_value from information_schema.global_status "
                  "where variable_name in ('INNODB_BUFFER_POOL_PAGES_DIRTY', 'INNODB_HISTORY_LIST_LENGTH') "
                  "order by variable_name;")
        saved = self.server.sql("select @@innodb_max_dirty_pages_pct, @@innodb_io_capacity, "
                                "@@innodb_io_capacity_max;").split()
        t0 = time.perf_counter()
        try:
            self.server.sql("SET GLOBAL innodb_io_capacity_max=20000; SET GLOBAL innodb_io_capacity=10000; "
                            "SET GLOBAL innodb_max_dirty_pages_pct=0;")
            while time.perf_counter() - t0 < timeout:
                dirty, history = (int(v) for v in self.server.sql(status).split())
                if dirty < 50 and history < 100:
                    break
                time.sleep(1)
        finally:
            self.server.sql("SET GLOBAL innodb_max_dirty_pages_pct=%s; SET GLOBAL innodb_io_capacity=%s; "
                            "SET GLOBAL innodb_io_capacity_max=%s;" % tuple(saved))
        log("server settled in %.1f s" % (time.perf_counter() - t0))

    def entry_count(self):
        return self.args.entry

    # --- measures -------------------------------------------------------------------------

    def server_time_ms(self, statement):
        """The server's own time for a select: ANALYZE runs it fully without sending the rows."""
        out = self.server.sql("ANALYZE FORMAT=JSON " + statement + ";")
        plan = json.loads(out.replace("\\n", "\n"))
        return plan["query_block"]["r_total_time_ms"] + plan.get("query_optimization", {}).get("r_total_time_ms", 0)

    def select(self, name, which, papers, raw_expected, with_memory):
        path, statement = self.statement_file(which)
        # One untimed run of each side first: server caches and program files warm.
        self.server.client(path)
        self.program("select", "--dsn", "paperdb", "--statement", which)
        a, b, b_peak, floor, runs = [], [], [], [], []
        for i in range(self.args.runs):
            order = ("A", "B") if i % 2 == 0 else ("B", "A")
            for side in order:
                if side == "A":
                    r = self.program("select", "--dsn", "paperdb", "--statement", which)
                    runs.append(r)
                    a.append(r["ms"] / 1000)
                else:
                    seconds, peak = self.server.client(path)
                    b.append(seconds)
                    b_peak.append(peak)
            floor.append(self.server_time_ms(statement) / 1000)
        for r in runs:
            if r["rows"] != papers or r["grid_rows"] != papers:
                self.failures.append("%s: %d rows in the result, %d in the grid, %d papers"
                                     % (name, r["rows"], r["grid_rows"], papers))
        if which == "quick" and runs[0]["raw_bytes"] != raw_expected:
            self.failures.append("%s: %d bytes fetched, the data holds %d" % (name, runs[0]["raw_bytes"], raw_expected))
        plan = [line.split("\t")[2] for line in self.server.sql("EXPLAIN " + statement + ";").splitlines()]
        self.samples.setdefault(name, {})[papers] = {"program_s": a, "client_s": b, "server_s": floor,
                                                     "program_runs": runs, "client_peak_kb": b_peak,
                                                     "plan": plan}
        label = {"quick": "P1 quick search, all boxes empty", "detailed": "P3 detailed query, 24 columns"}[which]
        self.row(label, papers, a, b, "<= 1.0", 1.0, floor=floor)
        if with_memory:
            held = [(r["rss_after_kb"] - r["rss_before_kb"]) * 1024 for r in runs]
            peak = [(r["peak_kb"] - r["rss_before_kb"]) * 1024 for r in runs]
            raw = runs[0]["raw_bytes"]
            # The goal is set for a million rows; below that the grid's fixed few MB weigh in.
            big = papers >= 1000000
            self.row("P2 memory held by the filled grid / raw UTF-8", papers, held, [raw] * len(held),
                     "<= 1.3" if big else "reported", 1.3 if big else None, unit="MB")
            self.row("P2 peak during the fetch (program) / client's peak", papers, peak,
                     [k * 1024 for k in b_peak], "reported", None, unit="MB")
            self.row("P2 result store alone (arena + offsets) / raw UTF-8", papers,
                     [r["held_bytes"] for r in runs], [raw] * len(runs), "reported", None, unit="MB")

    def cleanup_entries(self):
        where = "Paperid in (select Paperid from type_in where typist='%s')" % ENTRY_USER
        self.server.sql("".join("delete from %s where %s;\n" % (t, where) for t in TABLES if t != "type_in")
                        + "delete from type_in where typist='%s';\n" % ENTRY_USER)

    def entry(self, data, papers):
        count = self.entry_count()
        record = os.path.join(self.work, "entry-statements.sql")
        pschema = self.server.performance_schema()
        # One untimed round first, as for the searches.
        entry_tsv = os.path.join(data, "entry.tsv")
        self.cleanup_entries()
        self.program("entry", "--dsn", "paperdb", "--input", entry_tsv, "--count", str(count),
                     "--user", ENTRY_USER, "--record", record)
        self.cleanup_entries()
        self.server.client(record)
        a, b, floor, runs = [], [], [], []
        for i in range(self.args.runs):
            order = ("A", "B") if i % 2 == 0 else ("B", "A")
            for side in order:
                self.cleanup_entries()
                if side == "A":
                    r = self.program("entry", "--dsn", "paperdb", "--input", entry_tsv,
                                     "--count", str(count), "--user", ENTRY_USER, "--record", record)
                    runs.append(r)
                    a.append(r["ms"] / 1000)
                    if r["committed"] != count:
                        self.failures.append("P4: %d of %d papers committed" % (r["committed"], count))
                else:
                    if pschema:
                        self.server.sql("truncate table performance_schema.events_statements_summary_by_digest;")
                    seconds, _ = self.server.client(record)
                    b.append(seconds)
                    if pschema:
                        ps = self.server.sql(
                            "select sum(sum_timer_wait) from performance_schema.events_statements_summary_by_digest "
                            "where schema_name='paperdb' and digest_text not like '%performance_schema%';")
                        floor.append(int(ps.strip() or 0) / 1e12)
                stored = int(self.server.sql("select count(*) from type_in where typist='%s';" % ENTRY_USER))
                if stored != count:
                    self.failures.append("P4 (%s): %d of %d papers stored" % (side, stored, count))
        self.cleanup_entries()
        self.samples["P4"] = {"papers": count, "program_s": a, "client_s": b, "server_s": floor,
                              "program_runs": runs}
        # Throughput ratio program/client >= 0.8 is time ratio A/B <= 1.25.
        self.row("P4 paper entry, %d papers (time; goal = 0.8x throughput)" % count, papers, a, b,
                 "<= 1.25", 1.25, floor=floor or None)

    def cleanup_imports(self):
        where = "Paperid in (select Paperid from type_in where typist='%s')" % IMPORT_USER
        self.server.sql("".join("delete from %s where %s;\n" % (t, where) for t in TABLES if t != "type_in")
                        + "delete from type_in where typist='%s';\n" % IMPORT_USER)

    def batch_import(self, papers):
        """P6: a generated BibTeX file imported from the file to committed rows; the client sends the
        statements the program sent (recorded), in the same transactions."""
        entries = self.args.import_entries
        bib = os.path.join(self.work, "data", "import-%d.bib" % entries)
        if not os.path.exists(bib):
            os.makedirs(os.path.dirname(bib), exist_ok=True)
            subprocess.run([sys.executable, os.path.join(HERE, "gen_bib.py"), "--entries", str(entries),
                            "--out", bib], check=True)
        record = os.path.join(self.work, "import-statements.sql")
        write, total, client, preview, parse, runs = [], [], [], [], [], []
        for i in range(self.args.import_runs):
            # the first run starts with the program: the client needs its statements
            order = ("A", "B") if i % 2 == 0 else ("B", "A")
            for side in order:
                self.cleanup_imports()
                if side == "A":
                    r = self.program("import", "--dsn", "paperdb", "--input", bib, "--user", IMPORT_USER,
                                     "--record", record)
                    runs.append(r)
                    write.append(r["write_ms"] / 1000)
                    total.append(r["ms"] / 1000)
                    preview.append(r["preview_ms"] / 1000)
                    parse.append(r["parse_ms"] / 1000)
                    if r["imported"] != entries or r["entries"] != entries:
                        self.failures.append("P6: %d entries read, %d imported of %d"
                                             % (r["entries"], r["imported"], entries))
                else:
                    seconds, _ = self.server.client(record)
                    client.append(seconds)
                stored = int(self.server.sql("select count(*) from type_in where typist='%s';" % IMPORT_USER))
                if stored != entries:
                    self.failures.append("P6 (%s): %d of %d papers stored" % (side, stored, entries))
        self.cleanup_imports()
        self.samples["P6"] = {"entries": entries, "catalogue_papers": papers, "write_s": write, "total_s": total,
                              "client_s": client, "preview_s": preview, "parse_s": parse, "program_runs": runs,
                              "papers_per_s_program_write": [entries / t for t in write],
                              "papers_per_s_program_total": [entries / t for t in total],
                              "papers_per_s_client": [entries / t for t in client]}
        self.row("P6 batch import, %d BibTeX entries: writing (time; goal = 0.8x throughput)" % entries, papers,
                 write, client, "<= 1.25", 1.25)
        self.row("P6 batch import: file to committed rows, parse included", papers, total, client,
                 "reported", None)
        self.row("P6 preview ready / pybtex's own parse of the file", None, preview, parse, "<= 1.5", 1.5)

    def startup(self):
        times = []
        for _ in range(self.args.runs):
            t0 = time.perf_counter()
            p = subprocess.Popen([self.bin, "startup"], stdout=subprocess.PIPE, stderr=subprocess.DEVNULL,
                                 text=True, env=self.env())
            line = p.stdout.readline()
            times.append(time.perf_counter() - t0)
            p.wait()
            if line.strip() != "SHOWN":
                self.failures.append("P5: the sign-in window was not shown")
        hooks = [self.program("hooks", "--count", "20000" if not self.args.smoke else "2000")
                 for _ in range(self.args.runs)]
        self.samples["P5"] = {"startup_s": times, "hooks": hooks}
        self.row("P5 start-up to the sign-in window shown", None, times, None, "<= 150 ms", 0.150, absolute=True)
        self.row("P5 one hook call", None, [h["us_per_call"] / 1e6 for h in hooks], None, "<= 50 us", 50e-6,
                 absolute=True, unit="us")
        self.row("P5 interpreter start (first hook window)", None,
                 [h["interpreter_start_ms"] / 1000 for h in hooks], None, "reported", None, absolute=True)

    def responsive(self, papers):
        """P7: the window keeps painting during the two searches, and "取消" gives control back."""
        runs = max(1, self.args.runs)
        self.program("responsive", "--dsn", "paperdb", "--search", "keyword")  # warm
        samples = {}
        for search, label in (("quick", "quick search, all boxes empty"), ("keyword", "detailed query, keyword search")):
            full = [self.program("responsive", "--dsn", "paperdb", "--search", search) for _ in range(runs)]
            for r in full:
                if r["rows"] <= 0:
                    self.failures.append("P7 %s: no rows" % search)
            cancel_after = int(min(r["ms"] for r in full) / 2)
            cut = []
            if cancel_after >= 600:  # the indicator shows after half a second
                cut = [self.program("responsive", "--dsn", "paperdb", "--search", search,
                                    "--cancel-after", str(cancel_after)) for _ in range(runs)]
            samples[search] = {"full": full, "cancelled": cut, "cancel_after_ms": cancel_after}
            self.row("P7 longest repaint gap, %s" % label, papers, [r["max_gap_ms"] / 1000 for r in full + cut],
                     None, "<= 100 ms", 0.100, absolute=True)
            self.row("P7 the search itself (for reference), %s" % label, papers, [r["ms"] / 1000 for r in full],
                     None, "reported", None, absolute=True)
            if cut:
                self.row("P7 \"取消\" to control back, %s (pressed after %d ms)" % (label, cancel_after), papers,
                         [r["cancel_ms"] / 1000 for r in cut], None, "<= 300 ms", 0.300, absolute=True)
        self.samples.setdefault("P7", {})[papers] = samples

    # --- table ----------------------------------------------------------------------------

    def row(self, label, papers, a, b, goal, limit, floor=None, unit="s", absolute=False):
        ma = statistics.median(a)
        mb = statistics.median(b) if b else None
        value = ma if absolute else (ma / mb if mb else None)
        met = None if limit is None or value is None else value <= limit
        self.rows.append({"measure": label, "papers": papers, "a": ma, "b": mb,
                          "ratio": None if absolute else value, "goal": goal, "met": met,
                          "floor": statistics.median(floor) if floor else None, "unit": unit,
                          "spread_a": (min(a), max(a)), "spread_b": (min(b), max(b)) if b else None})

    def table(self):
        def fmt(v, unit):
            if v is None:
                return ""
            if unit == "MB":
                return "%.1f MB" % (v / 1e6)
            if unit == "us":
                return "%.1f us" % (v * 1e6)
            return "%.0f ms" % (v * 1000) if v < 10 else "%.2f s" % v
        lines = ["| measure | papers | A program (median) | B client (median) | A/B | goal | met | "
                 "server's own time |", "|---|---:|---:|---:|---:|---|---|---:|"]
        for r in self.rows:
            spread = " (%s-%s)" % (fmt(r["spread_a"][0], r["unit"]), fmt(r["spread_a"][1], r["unit"])) \
                if r["spread_a"][0] != r["spread_a"][1] else ""
            lines.append("| %s | %s | %s%s | %s | %s | %s | %s | %s |" % (
                r["measure"], "{:,}".format(r["papers"]) if r["papers"] else "",
                fmt(r["a"], r["unit"]), spread, fmt(r["b"], r["unit"]),
                "%.2fx" % r["ratio"] if r["ratio"] is not None else "",
                r["goal"], {True: "yes", False: "**no**", None: ""}[r["met"]], fmt(r["floor"], "s")))
        return "\n".join(lines)

    def machine(self):
        cpu = ""
        for line in open("/proc/cpuinfo"):
            if line.startswith("model name"):
                cpu = line.split(":", 1)[1].strip()
                break
        mem = int(open("/proc/meminfo").readline().split()[1]) // 1024
        version = self.server.sql("select version();").strip()
        load = os.getloadavg()
        return ("%s, %d cores, %d MB memory, %s; MariaDB %s; load average at start %.2f; runs per measure: %d"
                % (cpu, os.cpu_count(), mem, platform.platform(), version, load[0], self.args.runs))

    # --- the run --------------------------------------------------------------------------

    def run(self):
        only = set(self.args.only.split(",")) if self.args.only else None
        want = lambda m: only is None or m in only  # noqa: E731
        self.server = Server(self.work, self.args.server_env)
        try:
            machine = self.machine()
            sizes = sorted(int(s) for s in self.args.sizes.split(","))
            entry_done = False
            import_done = False
            for papers in sizes:
                data, raw = self.dataset(papers)
                if want("P1") or want("P2"):
                    log("P1/P2 at %d papers ..." % papers)
                    self.select("P1", "quick", papers, raw, with_memory=want("P2"))
                if want("P3") and (papers <= 100000 or len(sizes) == 1):
                    log("P3 at %d papers ..." % papers)
                    self.select("P3", "detailed", papers, raw, with_memory=False)
                if want("P7") and (papers >= 1000000 or len(sizes) == 1):
                    log("P7 at %d papers ..." % papers)
                    self.responsive(papers)
                if want("P6") and not import_done:
                    log("P6 at %d papers ..." % papers)
                    self.batch_import(papers)
                    import_done = True
                if want("P4") and not entry_done:
                    log("P4 at %d papers ..." % papers)
                    self.entry(data, papers)
                    entry_done = True
            if want("P5"):
                log("P5 ...")
                self.startup()
            if not self.server.own:
                # Leave the shared test server as the tests expect it: empty paper tables.
                self.server.sql("".join("TRUNCATE TABLE %s;\n" % t for t in TABLES))
        finally:
            self.server.stop()

        table = self.table()
        loads = ", ".join("%s papers: generated in %.1f s, loaded in %.1f s" % (
            "{:,}".format(n), self.samples.get("generate_s", {}).get(n, 0), s)
            for n, s in sorted(self.samples.get("load_s", {}).items()))
        text = "Run of %s\n\nMachine: %s\n\n%s\n" % (datetime.datetime.now().strftime("%Y-%m-%d %H:%M"), machine, table)
        if loads:
            text += "\nData: %s.\n" % loads
        plans = ["%s at %s papers: %s" % (name, "{:,}".format(n), " > ".join(v["plan"]))
                 for name in ("P1", "P3") for n, v in sorted(self.samples.get(name, {}).items())]
        if plans:
            text += "\nJoin order the server chose (first table read in full): %s.\n" % "; ".join(plans)
        print(text)
        with open(os.path.join(self.work, "results.md"), "w") as f:
            f.write(text)
        with open(os.path.join(self.work, "results.json"), "w") as f:
            json.dump({"machine": machine, "rows": self.rows, "samples": self.samples}, f, indent=1, default=str)
        log("figures: %s" % os.path.join(self.work, "results.json"))
        if self.failures:
            log("FAILED:\n  " + "\n  ".join(self.failures))
            return 1
        return 0


def main(argv):
    ap = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    ap.add_argument("--sizes", default="100000,1000000", help="papers in the catalogue, comma separated")
    ap.add_argument("--runs", type=int, default=5, help="runs of each measure (medians are reported)")
    ap.add_argument("--entry", type=int, default=2000, help="papers entered by P4")
    ap.add_argument("--import-entries", type=int, default=100000, help="BibTeX entries imported by P6")
    ap.add_argument("--import-runs", type=int, default=1, help="runs of P6 (each side)")
    ap.add_argument("--only", help="measures to run, e.g. P1,P2 (default all)")
    ap.add_argument("--work", default=os.path.join(ROOT, "build-bench", "bench-work"))
    ap.add_argument("--bench-bin", default=os.path.join(ROOT, "build-bench", "paper_bench"))
    ap.add_argument("--server-env", help="use the running server of this env file (tools/testdb.sh)")
    ap.add_argument("--smoke", action="store_true", help="1,000 papers, 50 entries, one run")
    args = ap.parse_args(argv)
    if args.smoke:
        args.sizes, args.runs, args.entry = "1000", 1, 50
        args.import_entries, args.import_runs = 200, 1

    def stop(signum, frame):
        raise SystemExit(128 + signum)
    signal.signal(signal.SIGTERM, stop)
    signal.signal(signal.SIGHUP, stop)
    return Bench(args).run()


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
