#!/usr/bin/env python3
"""Proofs a folder of Polish texts on a Dask cluster.

Each task sends one file's bytes to a worker, which runs the streaming filter
`wirsel proof -` on them (wirsel must be installed on every worker, at the
same path or on PATH); the client gathers the proofed texts and the JSON
reports in file order, writes each text into OUT_DIR under its own name and
prints the report lines, each naming its file, to standard output. Exit
status: the worst of the files (0 nothing reported, 1 words reported, 2 an
error).

    dask_proof.py SCHEDULER_ADDRESS IN_DIR OUT_DIR [--wirsel PATH]
    dask_proof.py --local 2 IN_DIR OUT_DIR         # a LocalCluster, 2 workers

Only the files' bytes travel; the workers need no shared folder.
"""
import argparse
import json
import os
import subprocess
import sys
import tempfile


def proof_bytes(wirsel, text, options):
    """Runs on a worker: `wirsel proof -` over `text`. Answers the exit
    status, the proofed bytes, the JSON report lines and the messages."""
    with tempfile.TemporaryDirectory() as folder:
        report = os.path.join(folder, "report.json")
        run = subprocess.run([wirsel, "proof", "-", "--report-format", "json",
                              "--report", report] + options,
                             input=text, stdout=subprocess.PIPE, stderr=subprocess.PIPE)
        lines = []
        if os.path.exists(report):
            with open(report, encoding="utf-8") as f:
                lines = [json.loads(line) for line in f if line.strip()]
        return run.returncode, run.stdout, lines, run.stderr.decode("utf-8", "replace")


def main():
    ap = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    ap.add_argument("scheduler", nargs="?", help="address of the Dask scheduler")
    ap.add_argument("in_dir")
    ap.add_argument("out_dir")
    ap.add_argument("--local", type=int, metavar="WORKERS",
                    help="start a LocalCluster with this many workers instead")
    ap.add_argument("--wirsel", default="wirsel", help="the wirsel program on the workers")
    ap.add_argument("--option", action="append", default=[],
                    help="an option passed on to wirsel proof (repeatable)")
    a = ap.parse_args()
    if (a.scheduler is None) == (a.local is None):
        ap.error("give either a scheduler address or --local WORKERS")

    from dask.distributed import Client, LocalCluster

    if a.local:
        cluster = LocalCluster(n_workers=a.local, threads_per_worker=1, processes=True,
                               dashboard_address=None)
        client = Client(cluster)
    else:
        cluster = None
        client = Client(a.scheduler)
    try:
        names = sorted(n for n in os.listdir(a.in_dir)
                       if os.path.isfile(os.path.join(a.in_dir, n)))
        futures = []
        for name in names:
            with open(os.path.join(a.in_dir, name), "rb") as f:
                futures.append(client.submit(proof_bytes, a.wirsel, f.read(), a.option,
                                             key="proof-" + name, pure=False))
        os.makedirs(a.out_dir, exist_ok=True)
        worst = 0
        for name, future in zip(names, futures):
            status, text, report, messages = future.result()
            worst = max(worst, min(status, 2) if status >= 0 else 2)
            if messages:
                sys.stderr.write(messages.replace("wirsel:", "wirsel (%s):" % name, 1))
            if status == 2:
                continue
            with open(os.path.join(a.out_dir, name), "wb") as f:
                f.write(text)
            for entry in report:
                entry["file"] = os.path.join(a.out_dir, name)
                print(json.dumps(entry, ensure_ascii=False))
        return worst
    finally:
        client.close()
        if cluster is not None:
            cluster.close()


if __name__ == "__main__":
    sys.exit(main())
