"""NM_EName: English given names, most common first.

The names and their sex come from data/english_names.tsv (Name, Sex, Births,
Male: 1 male, 2 female, 3 given to both sexes, decided from the US births by sex
where there are enough of them; Births = US births 1950-2024, Male = the male
ones). A name is in
the table when it was given at least MIN_BIRTHS times in those years, or when
we have written its transcription. Our texts, data/texts/english_names/*.tsv
(Name, Cnword, Languag, Mean), give the transcription, the language of origin
and a short meaning; every other name gets a transcription from the syllable
table (translit.py), the language 英语 and the meaning DEFAULT_MEAN.

EIndex is the first letter in lower case; EIndex2 the first two letters when the
name begins with ch, sh, th or zh (the two-letter initials the English-name
mode looks for), empty otherwise. Morphology is 昵称 for the short forms of
data/english_nicknames.txt and 全名 otherwise."""
import os

from dbgen.authored import DataError, first_by_key, read_authored, read_tsv, warn
from dbgen.translit import transliterate

HEADER = ("Name", "Cnword", "Languag", "Mean")
MIN_BIRTHS = 1000
MEAN_LIMIT = 20
DEFAULT_LANGUAGE = "英语"
DEFAULT_MEAN = "常见英文名"
TWO_LETTER_INITIALS = ("ch", "sh", "th", "zh")


def nicknames(data_dir):
    with open(os.path.join(data_dir, "english_nicknames.txt"), encoding="utf-8") as f:
        return {line.split()[0] for line in f if line.strip() and not line.startswith("#")}


def load(conn, data_dir):
    names = [(name, int(sex), int(births)) for _, _, (name, sex, births, _male)
             in read_tsv(os.path.join(data_dir, "english_names.tsv"), ("Name", "Sex", "Births", "Male"))]
    known = {name for name, _, _ in names}
    texts = {}
    for path, number, (name, cnword, language, mean) in first_by_key(
            read_authored(data_dir, "english_names", HEADER), lambda c: c[0], "name"):
        if not cnword or not language or not mean:
            raise DataError("%s:%d: %s needs Cnword, Languag and Mean" % (path, number, name))
        if len(mean) > MEAN_LIMIT:
            raise DataError("%s:%d: Mean of %s has %d characters (at most %d)" %
                            (path, number, name, len(mean), MEAN_LIMIT))
        if name not in known:
            warn("%s:%d: %s is in neither name list; ignored" % (path, number, name))
            continue
        texts[name] = (cnword, language, mean)
    short = nicknames(data_dir)
    rows = []
    for name, sex, births in names:
        if births < MIN_BIRTHS and name not in texts:
            continue
        if sex not in (1, 2, 3):
            raise DataError("english_names.tsv: %s has sex %d" % (name, sex))
        cnword, language, mean = texts.get(name) or (transliterate(name, female=sex == 2),
                                                     DEFAULT_LANGUAGE, DEFAULT_MEAN)
        if not cnword:
            raise DataError("english_names.tsv: no transcription for %s" % name)
        lower = name.lower()
        index2 = lower[:2] if lower[:2] in TWO_LETTER_INITIALS else ""
        rows.append((len(rows) + 1, lower[0], index2, name, str(len(name)), sex, cnword,
                     "昵称" if name in short else "全名", language, mean))
    conn.executemany("insert into NM_EName values (?,?,?,?,?,?,?,?,?,?)", rows)
