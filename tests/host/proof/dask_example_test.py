#!/usr/bin/env python3
"""examples/dask_proof.py on a LocalCluster with two workers gives, file by
file, the texts and the report that `wirsel proof FILE` gives alone.

    dask_example_test.py WIRSEL EXAMPLE XTENSIONS FILE...
Exit status 77 (skipped) when dask.distributed cannot be imported.
"""
import json
import os
import shutil
import subprocess
import sys
import tempfile


def main():
    wirsel, example, xtensions, files = sys.argv[1], sys.argv[2], sys.argv[3], sys.argv[4:]
    try:
        import dask.distributed  # noqa: F401
    except ImportError:
        print("dask.distributed is not installed (Debian package python3-distributed)")
        return 77
    with tempfile.TemporaryDirectory() as work:
        host = os.path.join(work, "host")
        os.makedirs(os.path.join(host, "XTensions"))
        shutil.copy(os.path.join(xtensions, "Wirsel13.so"), os.path.join(host, "XTensions"))
        for data in ("son.dic", "PLHYPH.DAT"):
            os.symlink(os.path.join(xtensions, data), os.path.join(host, "XTensions", data))
        env = dict(os.environ, WIRSEL_HOST_DIR=host, XDG_DATA_HOME=os.path.join(work, "data"),
                   HOME=work, LANG="C", TMPDIR=work)
        src = os.path.join(work, "in")
        os.makedirs(src)
        for i, f in enumerate(files):
            shutil.copy(f, os.path.join(src, "%02d-%s" % (i, os.path.basename(f))))
        out = os.path.join(work, "out")
        run = subprocess.run([sys.executable, example, "--local", "2", src, out,
                              "--wirsel", wirsel], env=env, stdout=subprocess.PIPE,
                             stderr=subprocess.PIPE, timeout=600)
        gathered = [json.loads(line) for line in run.stdout.decode().splitlines()]

        expected = []
        worst = 0
        single = os.path.join(work, "single")
        os.makedirs(single)
        for name in sorted(os.listdir(src)):
            target = os.path.join(single, name)
            report = target + ".json"
            alone = subprocess.run([wirsel, "proof", os.path.join(src, name), "-o", target,
                                    "--report-format", "json", "--report", report], env=env)
            worst = max(worst, alone.returncode)
            with open(target, "rb") as a, open(os.path.join(out, name), "rb") as b:
                if a.read() != b.read():
                    print("text of %s differs from its single run" % name)
                    return 1
            with open(report, encoding="utf-8") as f:
                for line in f:
                    entry = json.loads(line)
                    entry["file"] = os.path.join(out, name)
                    expected.append(entry)
        if run.returncode != worst:
            print("status %d, single runs' worst %d\n%s" % (run.returncode, worst,
                                                          run.stderr.decode()))
            return 1
        if gathered != expected:
            print("reports differ:\n%s\n---\n%s" % (gathered, expected))
            return 1
        print("%d files, %d report lines equal" % (len(files), len(expected)))
        return 0


if __name__ == "__main__":
    sys.exit(main())
