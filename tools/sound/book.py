"""The champions' book as first installed: five rows of 26 bytes.

Each row: the name in Windows-1251, left-aligned and padded with spaces to
20 bytes, then the score as text in 6 bytes (a space or a minus sign, the
digits, spaces to fill).
"""

NAME_BYTES = 20
SCORE_BYTES = 6
ROWS = [
    ("Пушкарёв Иван", 12500),
    ("Бомбардиров Пётр", 9800),
    ("Лафетова Дарья", 7400),
    ("Зарядов Ефим", 5100),
    ("Фитилёв Гордей", 2600),
]


def encode_row(name, score):
    raw = name.encode("cp1251")[:NAME_BYTES].ljust(NAME_BYTES, b" ")
    text = ("-" if score < 0 else " ") + str(abs(score))
    if len(text) > SCORE_BYTES:
        raise ValueError("score %d does not fit the book" % score)
    return raw + text.encode("ascii").ljust(SCORE_BYTES, b" ")


def decode_row(rec):
    name = rec[:NAME_BYTES].decode("cp1251").strip(" ")
    field = rec[NAME_BYTES:NAME_BYTES + SCORE_BYTES].decode("ascii").strip(" ")
    return name, int(field) if field else 0


def book_bytes():
    scores = [s for _, s in ROWS]
    assert scores == sorted(scores, reverse=True)
    return b"".join(encode_row(n, s) for n, s in ROWS)


def build(out):
    with open(out.path("gamedata/tables/table.dat"), "wb") as f:
        f.write(book_bytes())
