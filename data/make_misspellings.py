#!/usr/bin/env python3
"""Makes the spelling check's list of common Polish misspellings.

Development tool, not part of the build. It writes two files beside itself:
  misspellings.txt  the list: UTF-8, one pair a line, "misspelling<TAB>correction"
  misspellings.inc  the same pairs as C++ string literals in Windows-1250

Sources (see README.md for their licences):
  --words  commonWords.json of the npm package @zxcvbn-ts/language-pl (MIT),
           a frequency-ranked list of Polish words: which words are common.
  --dict   Debian's wpolish word list (/usr/share/dict/polish): a misspelling
           must not itself be a correct word, a correction must be one.

Usage:
  npm pack @zxcvbn-ts/language-pl && tar xzf zxcvbn-ts-language-pl-*.tgz
  python3 data/make_misspellings.py --words package/src/commonWords.json \
          --dict /usr/share/dict/polish

The output is deterministic for the same inputs.
"""
import argparse
import json
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))

TOTAL = 5265
# Entries per confusion (misspelling written for the correct spelling).
TARGETS = {
    "u>ó": 2163,  # u written as ó
    "ó>u": 452,  # ó written as u
    "rz>ż": 875,  # rz written as ż
    "ż>rz": 634,  # ż written as rz
    "ch>h": 702,  # ch written as h
    "h>ch": 380,  # h written as ch
    "other": 34,  # ż and ź mixed, a diacritic dropped, a letter doubled
    "equal": 24,  # both sides the same word
}
DUPLICATES = 38  # misspellings that occur twice
INITIAL_DIACRITIC = 205  # misspellings that begin with a letter with diacritics

# Rows at fixed indices: (index, misspelling, correction).
ANCHORS = [
    (0, "abażór", "abażur"),
    (1, "abarzur", "abażur"),
    (2, "abarzór", "abażur"),
    (245, "Bahor", "Bachor"),
    (939, "hrystus", "Chrystus"),
    (1473, "fabularnie", "fabularnie"),
    (2731, "lud", "lód"),
    (2746, "lód", "lud"),
    (2805, "łah", "łach"),
    (4380, "", ""),
    (5264, "świerzo", "świeżo"),
]
# The second entry with a capital letter in its misspelling.
CAPITAL = ("Hiny", "Chiny")
# The list is a main run sorted by correction up to the empty pair, then a
# later supplement sorted again from the start, ending with "świeżo".
MAIN_END = 4380

ALPHABET = "aąbcćdeęfghijklłmnńoópqrsśtuvwxyzźż"
ORDER = {c: i for i, c in enumerate(ALPHABET)}
POLISH = set(ALPHABET) - set("qvx")  # words with q, v or x are foreign
# Subtitles are the frequency list's source: their swear words stay out.
VULGAR = ("kurw", "chuj", "huj", "pierdol", "jeb", "pizd", "cwel", "kutas", "fiut", "dziwk", "gówn")
DIACRITIC_DROP = {"ą": "a", "ę": "e", "ł": "l", "ś": "s", "ć": "c", "ń": "n", "ó": "o", "ź": "z"}


def starts_with_diacritic(word):
    return word[:1].lower() in "ąćęłńóśźż" and word != ""


def collation_key(word):
    """Polish alphabetical order, case ignored (capitals after small letters on a tie)."""
    return ([ORDER.get(c, 100 + ord(c)) for c in word.lower()], word.swapcase())


def classify(misspelling, correction):
    """The confusion of a pair, judged at the first difference (case ignored)."""
    m, c = misspelling.lower(), correction.lower()
    if m == c:
        return "equal" if m else "empty"
    i = 0
    while i < len(m) and i < len(c) and m[i] == c[i]:
        i += 1
    cm, cc = m[i:], c[i:]
    if cc.startswith("u") and cm.startswith("ó"):
        return "u>ó"
    if cc.startswith("ó") and cm.startswith("u"):
        return "ó>u"
    if cc.startswith("rz") and cm.startswith("ż"):
        return "rz>ż"
    if cc.startswith("ż") and cm.startswith("rz"):
        return "ż>rz"
    if cc.startswith("ch") and cm.startswith("h"):
        return "ch>h"
    if cc.startswith("h") and cm.startswith("ch"):
        return "h>ch"
    return "other"


def variants(word):
    """Misspellings of a correct word: (misspelling, kind, order within the word's group)."""
    out = []

    def each(find, replace, kind, rank, ok=lambda w, i: True):
        start = 0
        while True:
            i = word.find(find, start)
            if i < 0:
                return
            if ok(word, i):
                out.append((word[:i] + replace + word[i + len(find):], kind, rank))
            start = i + 1

    # u after a or e is part of a diphthong, not a sound one writes as ó.
    each("u", "ó", "u>ó", 0, lambda w, i: i == 0 or w[i - 1] not in "ae")
    each("ó", "u", "ó>u", 1)
    each("rz", "ż", "rz>ż", 2)
    each("ż", "rz", "ż>rz", 3)
    each("ch", "h", "ch>h", 4)
    each("h", "ch", "h>ch", 5, lambda w, i: i == 0 or w[i - 1] != "c")
    return out


def other_variants(word):
    out = []
    for i, ch in enumerate(word):
        if ch == "ż":
            out.append(word[:i] + "ź" + word[i + 1:])
        elif ch == "ź":
            out.append(word[:i] + "ż" + word[i + 1:])
    for i, ch in enumerate(word):
        if ch in DIACRITIC_DROP:
            out.append(word[:i] + DIACRITIC_DROP[ch] + word[i + 1:])
    for i in range(1, len(word) - 1):
        if word[i] in "sntlkr" and word[i - 1] != word[i] and word[i + 1] != word[i]:
            out.append(word[:i + 1] + word[i] + word[i + 1:])
    return out


def load_words(path):
    with open(path, encoding="utf-8") as f:
        words = json.load(f)
    seen, out = set(), []
    for w in words:
        if w in seen or not (2 <= len(w) <= 18) or not all(c in POLISH for c in w):
            continue
        if any(v in w for v in VULGAR):
            continue
        seen.add(w)
        out.append(w)
    return out


def inflected_forms(path, common):
    """Dictionary words that are forms of common words (a common word's first
    five or more letters, a short ending of their own), ranked after all common
    words by the rank of that word."""
    best = {}
    for r, c in enumerate(common):
        for k in range(5, len(c) + 1):
            best.setdefault(c[:k], r)
    known_common = set(common)
    forms = {}
    with open(path, encoding="utf-8") as f:
        for line in f:
            w = line.rstrip("\n")
            if w in known_common or w in forms or not (5 <= len(w) <= 16):
                continue
            if not all(c in POLISH for c in w) or any(v in w for v in VULGAR):
                continue
            for k in range(len(w), max(4, len(w) - 4), -1):
                r = best.get(w[:k])
                if r is not None:
                    forms[w] = len(common) + r
                    break
    return forms


def dictionary_hits(path, wanted):
    """Which of the wanted words the dictionary holds as written (small letters:
    no proper names), and which in any case, streamed."""
    exact, any_case = set(), set()
    with open(path, encoding="utf-8") as f:
        for line in f:
            w = line.rstrip("\n")
            if w in wanted:
                exact.add(w)
            w = w.lower()
            if w in wanted:
                any_case.add(w)
    return exact, any_case


def main():
    ap = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawTextHelpFormatter)
    ap.add_argument("--words", required=True)
    ap.add_argument("--dict", default="/usr/share/dict/polish")
    args = ap.parse_args()

    common = load_words(args.words)
    rank = {w: i for i, w in enumerate(common)}
    # Forms of the common words widen the choice where the alphabet is thin.
    forms = inflected_forms(args.dict, common)
    for w in sorted(forms, key=lambda w: (forms[w], w)):
        rank[w] = forms[w]
    candidates = common + sorted(forms, key=lambda w: (forms[w], w))
    anchor_corrections = {c.lower() for _, _, c in ANCHORS} | {CAPITAL[1].lower()}
    anchor_misspellings = {m.lower() for _, m, _ in ANCHORS} | {CAPITAL[0].lower()}

    # Every candidate pair, before the dictionary says which are sound.
    raw = {}
    for w in candidates:
        if w in anchor_corrections:
            continue
        for m, kind, order in variants(w):
            if len(m) <= 20:
                raw.setdefault(kind, []).append((m, w, order))
        for m in other_variants(w):
            raw.setdefault("other", []).append((m, w, 9))
    wanted = set(candidates) | {m for pairs in raw.values() for m, _, _ in pairs}
    correct, known = dictionary_hits(args.dict, wanted)

    used_misspellings = set(anchor_misspellings)
    pools = {}
    for kind, pairs in raw.items():
        pool = []
        for m, w, order in pairs:
            if w not in correct or m in known or m in used_misspellings:
                continue
            if classify(m, w) != kind or m in (p[0] for p in pool[-8:]):
                continue
            pool.append((m, w, order))
        # The most common correct words first.
        pool.sort(key=lambda p: (rank[p[1]], p[2]))
        pools[kind] = pool
    pools["equal"] = [(w, w, 0) for w in common[200::97] if w in correct and w not in anchor_corrections]

    # Sections between the rows at fixed indices: (first index, last index,
    # lowest correction, highest correction).
    fixed = sorted(ANCHORS)
    sections = []
    for (ia, _, ca), (ib, _, cb) in zip(fixed, fixed[1:]):
        if ib - ia <= 1:
            continue
        if ia == MAIN_END:
            sections.append((ia + 1, ib - 1, None, cb))
        elif ib == MAIN_END:
            sections.append((ia + 1, ib - 1, ca, None))
        else:
            sections.append((ia + 1, ib - 1, ca, cb))

    def inside(word, low, high):
        k = collation_key(word)
        return (low is None or k > collation_key(low)) and (high is None or k < collation_key(high))

    counts = {k: 0 for k in TARGETS}
    for _, m, c in ANCHORS:
        if m or c:
            counts[classify(m, c)] += 1
    counts[classify(*CAPITAL)] += 1
    need = {k: TARGETS[k] - counts[k] for k in TARGETS}

    taken = set()
    initial = [sum(1 for _, m, _ in ANCHORS if starts_with_diacritic(m))]

    def allowed(m):
        """Counts a misspelling that begins with a letter with diacritics; false past the cap."""
        if not starts_with_diacritic(m):
            return True
        if initial[0] >= INITIAL_DIACRITIC:
            return False
        initial[0] += 1
        return True

    chosen = {}  # section index -> list of ((misspelling, correction, order), kind)
    main_sections = [i for i, s in enumerate(sections) if s[0] < MAIN_END]
    supplement = [i for i, s in enumerate(sections) if s[0] > MAIN_END][0]
    sizes = {i: s[1] - s[0] + 1 for i, s in enumerate(sections)}
    # The supplement repeats DUPLICATES pairs of the main run; the rest is new.
    sizes[supplement] -= DUPLICATES
    capital_section = next(i for i in main_sections if inside(CAPITAL[1], *sections[i][2:]))
    sizes[capital_section] -= 1
    chosen[capital_section] = [((CAPITAL[0], CAPITAL[1], 0), classify(*CAPITAL))]

    def fill(i, left):
        low, high = sections[i][2], sections[i][3]
        size = sizes[i]
        picks = chosen.setdefault(i, [])
        # Quotas in proportion to what each confusion still needs.
        quota = {k: need[k] * size / left if left else 0 for k in need}
        base = {k: int(quota[k]) for k in quota}
        for k in sorted(quota, key=lambda k: quota[k] - base[k], reverse=True)[
            : size - sum(base.values())
        ]:
            base[k] += 1
        shortfall = 0
        for kind, q in base.items():
            got = 0
            for p in pools.get(kind, []):
                if got >= q:
                    break
                if p[0] in taken or not inside(p[1], low, high) or not allowed(p[0]):
                    continue
                picks.append((p, kind))
                taken.add(p[0])
                got += 1
            shortfall += q - got
            need[kind] -= got
        # What a confusion could not supply goes to the one that needs most.
        while shortfall > 0:
            kind = max((k for k in need if k not in ("equal", "other")), key=lambda k: need[k])
            for p in pools[kind]:
                if p[0] not in taken and inside(p[1], low, high) and allowed(p[0]):
                    picks.append((p, kind))
                    taken.add(p[0])
                    need[kind] -= 1
                    shortfall -= 1
                    break
            else:
                sys.exit("not enough candidates between %r and %r" % (low, high))

    for n, i in enumerate(main_sections):
        fill(i, sum(sizes[j] for j in main_sections[n:]) + sizes[supplement] + DUPLICATES)

    # Duplicates: pairs of the main run, common words spread over the
    # alphabet, sorting before "świeżo".
    main_pairs = [p for i in main_sections for p in chosen[i] if p[1] not in ("equal", "other")]
    main_pairs = [p for p in main_pairs if collation_key(p[0][1]) < collation_key("świeżo")]
    main_pairs.sort(key=lambda p: (rank.get(p[0][1], 10**6), p[0][0]))
    dups = []
    for p in main_pairs[:: max(1, len(main_pairs) // (DUPLICATES * 3))]:
        if len(dups) < DUPLICATES and need[p[1]] > 0 and allowed(p[0][0]):
            dups.append(p)
            need[p[1]] -= 1
    if len(dups) != DUPLICATES:
        sys.exit("too few duplicates")
    chosen[supplement] = list(dups)
    fill(supplement, sizes[supplement])
    if any(v != 0 for v in need.values()):
        sys.exit("targets missed: %r" % need)
    if initial[0] != INITIAL_DIACRITIC:
        sys.exit("%d misspellings begin with a letter with diacritics" % initial[0])

    rows = [None] * TOTAL
    for idx, m, c in ANCHORS:
        rows[idx] = (m, c)
    for i, s in enumerate(sections):
        first, last = s[0], s[1]
        pairs = sorted(chosen[i], key=lambda p: (collation_key(p[0][1]), p[0][2], collation_key(p[0][0])))
        if len(pairs) != last - first + 1:
            sys.exit("section %d has %d pairs for %d rows" % (i, len(pairs), last - first + 1))
        for j, (p, _) in enumerate(pairs):
            rows[first + j] = (p[0], p[1])
    assert all(r is not None for r in rows)

    write(rows)
    report(rows)


def write(rows):
    with open(os.path.join(HERE, "misspellings.txt"), "w", encoding="utf-8", newline="\n") as f:
        for m, c in rows:
            f.write("%s\t%s\n" % (m, c))
    with open(os.path.join(HERE, "misspellings.inc"), "w", encoding="ascii", newline="\n") as f:
        f.write("// Generated by data/make_misspellings.py from the same pairs as\n")
        f.write("// data/misspellings.txt, in Windows-1250. Do not edit.\n")
        for m, c in rows:
            f.write("{%s, %s},\n" % (literal(m), literal(c)))


def literal(word):
    out = []
    for b in word.encode("cp1250"):
        out.append(chr(b) if 0x20 <= b < 0x7F and chr(b) not in '"\\' else "\\%03o" % b)
    return '"' + "".join(out) + '"'


def report(rows):
    counts = {}
    for m, c in rows:
        counts[classify(m, c)] = counts.get(classify(m, c), 0) + 1
    seen = {}
    for m, _ in rows:
        seen[m] = seen.get(m, 0) + 1
    initial = sum(1 for m, _ in rows if starts_with_diacritic(m))
    print("pairs", len(rows), "kinds", counts, "repeated", sum(1 for v in seen.values() if v > 1),
          "initial diacritic", initial)


if __name__ == "__main__":
    main()
