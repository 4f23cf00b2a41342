#!/usr/bin/env python3
"""Full-text index benchmarks: indexing speed, query times beside the mariadb client, index size.

  bash bench/fulltext.sh                       # 10,000 papers of 10 pages, 200 queries
  bash bench/fulltext.sh --papers 100000 --queries 100
  bash bench/fulltext.sh --papers 0 --pdf-papers 0 --pdf-import 10000 --work /tmp/ft  # PDF folder end to end

The program's side is paper_fulltext_bench (built by bench/fulltext.sh in build-bench). The
client's side is `mariadb --batch` running, for each query, the very statements the program
sent for it (recorded), over TCP with the paper account: the floor the program cannot go below.
"""
import argparse
import glob
import json
import os
import statistics
import subprocess
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from run import ROOT, Server  # noqa: E402


def program(bench_bin, server, *args):
    env = dict(os.environ, ODBCINI=server.odbcini, ODBCSYSINI=server.odbcsysini, QT_QPA_PLATFORM="offscreen")
    p = subprocess.run([bench_bin] + list(args), capture_output=True, text=True, env=env)
    for line in p.stdout.splitlines():
        if line.startswith("RESULT "):
            return json.loads(line[7:])
    raise RuntimeError("%s %s failed (%d): %s" % (bench_bin, " ".join(args), p.returncode, p.stderr.strip()))


def pct(values, p):
    s = sorted(values)
    return s[min(len(s) - 1, int(p * len(s)))] if s else 0.0


def main(argv):
    ap = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    ap.add_argument("--papers", type=int, default=10000)
    ap.add_argument("--pages", type=int, default=10)
    ap.add_argument("--chars", type=int, default=500, help="characters a page")
    ap.add_argument("--queries", type=int, default=200)
    ap.add_argument("--pdf-papers", type=int, default=100, help="PDF files indexed end to end")
    ap.add_argument("--pdf-import", type=int, default=0,
                    help="PDF files written to a folder, then read, imported and indexed through the import window")
    ap.add_argument("--pdf-chars", type=int, default=2500, help="characters a PDF page")
    ap.add_argument("--work", default=os.path.join(ROOT, "build-bench", "fulltext-work"))
    ap.add_argument("--reuse", action="store_true",
                    help="keep the papers an earlier run loaded when their number is --papers")
    ap.add_argument("--bench-bin", default=os.path.join(ROOT, "build-bench", "paper_fulltext_bench"))
    args = ap.parse_args(argv)
    os.makedirs(args.work, exist_ok=True)
    server = Server(args.work)
    out = {}
    try:
        if args.papers:
            saved = os.path.join(args.work, "load.json")
            have = int(server.sql("select count(*) from fulltext_doc;").split()[-1])
            reuse = args.reuse and have == args.papers and os.path.exists(saved)
            if not reuse:
                server.sql("delete from fulltext_posting; delete from fulltext_page; delete from fulltext_doc; "
                           "delete from main; delete from address;")
            done = args.papers if reuse else 0
            load = json.load(open(saved)) if reuse else {"store_s": 0.0, "pages": 0, "text_bytes": 0, "text_chars": 0}
            while done < args.papers:
                n = min(5000, args.papers - done)
                r = program(args.bench_bin, server, "load", "--dsn", "paperdb", "--papers", str(n), "--first", str(done),
                            "--pages", str(args.pages), "--chars", str(args.chars))
                for k in ("store_s", "pages", "text_bytes", "text_chars"):
                    load[k] += r[k]
                done += n
                print("loaded %d papers" % done, flush=True)
            load["pages_per_s"] = load["pages"] / load["store_s"]
            with open(saved, "w") as f:
                json.dump(load, f)
            out["load"] = load
            server.sql("analyze table fulltext_doc, fulltext_page, fulltext_posting;")
            sizes = server.sql("select table_name, data_length+index_length from information_schema.tables "
                               "where table_schema='paperdb' and table_name like 'fulltext%';")
            out["size"] = {line.split("\t")[0]: int(line.split("\t")[1]) for line in sizes.strip().splitlines()}
            total = sum(out["size"].values())
            out["size"]["ratio_to_text"] = total / load["text_bytes"]
            out["size"]["ratio_without_stored_text"] = (total - out["size"]["fulltext_page"]) / load["text_bytes"]

            record = os.path.join(args.work, "queries")
            os.makedirs(record, exist_ok=True)
            for f in glob.glob(os.path.join(record, "*.sql")):
                os.remove(f)
            q = program(args.bench_bin, server, "query", "--dsn", "paperdb", "--queries", str(args.queries),
                        "--record", record)
            client = []
            for f in sorted(glob.glob(os.path.join(record, "*.sql"))):
                client.append(server.client(f)[0] * 1000)
            out["query"] = {k: q[k] for k in ("queries", "median_ms", "p95_ms", "max_ms", "mean_found")}
            out["query"]["client_median_ms"] = statistics.median(client) if client else 0
            out["query"]["client_p95_ms"] = pct(client, 0.95)

        if args.pdf_papers:
            folder = os.path.join(args.work, "pdfs")
            subprocess.run(["rm", "-rf", folder], check=True)
            out["pdf"] = program(args.bench_bin, server, "pdf", "--dsn", "paperdb", "--folder", folder,
                                 "--papers", str(args.pdf_papers), "--pages", str(args.pages))
            reader = os.path.join(os.path.dirname(args.bench_bin), "paper_pdf_reader")
            files = sorted(glob.glob(os.path.join(folder, "*.pdf")))
            t0 = time.perf_counter()
            subprocess.run([reader, "--text"], input="\n".join(files) + "\n", capture_output=True, text=True,
                           check=True)
            out["pdf"]["extract_only_pages_per_s"] = len(files) * args.pages / (time.perf_counter() - t0)
        if args.pdf_import:
            folder = os.path.join(args.work, "pdfimport")
            have = len(glob.glob(os.path.join(folder, "*.pdf")))
            if have < args.pdf_import:
                out["pdf_write"] = program(args.bench_bin, server, "write", "--folder", folder, "--first", str(have),
                                           "--papers", str(args.pdf_import - have), "--pages", str(args.pages),
                                           "--chars", str(args.pdf_chars))
            server.sql("delete from fulltext_posting; delete from fulltext_page; delete from fulltext_doc; " +
                       "".join("delete from %s;" % t for t in ("main", "address", "author_all", "author_info",
                                                               "kword_all", "paper_distinct", "paper_match", "type_in")))
            out["pdf_import"] = program(args.bench_bin, server, "import", "--dsn", "paperdb", "--folder", folder)
            out["pdf_import"]["text_bytes"] = int(server.sql(
                "select coalesce(sum(length(body)),0) from fulltext_page;").split()[-1])
    finally:
        server.stop()
    print(json.dumps(out, indent=1, ensure_ascii=False))
    with open(os.path.join(args.work, "results.json"), "w") as f:
        json.dump(out, f, indent=1, ensure_ascii=False)


if __name__ == "__main__":
    main(sys.argv[1:])
