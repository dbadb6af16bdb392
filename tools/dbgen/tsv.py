"""Reading our authored tables: UTF-8, a header line, tab-separated, no quoting
and no tabs inside a cell (`<br>` marks a line break inside a cell)."""


def read_tsv(path, header):
    """Yields (where, cells) for every non-blank line after the header, where
    `where` is "path:line" for messages. Raises ValueError on a wrong header or
    a line with another number of cells."""
    with open(path, encoding="utf-8-sig", newline="") as f:
        lines = [line.rstrip("\r") for line in f.read().split("\n")]
    if not lines or lines[0].split("\t") != list(header):
        raise ValueError("%s: the first line must be %s" % (path, "\t".join(header)))
    for lineno, line in enumerate(lines[1:], start=2):
        if not line.strip():
            continue
        cells = [c.strip() for c in line.split("\t")]
        where = "%s:%d" % (path, lineno)
        if len(cells) != len(header):
            raise ValueError("%s: %d cells, expected %d" % (where, len(cells), len(header)))
        yield where, cells
