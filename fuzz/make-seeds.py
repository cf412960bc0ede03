#!/usr/bin/env python3
"""Writes the fuzz target's seeds into fuzz/corpus: the smallest Jet 4 databases that the
reader accepts, built page by page, so that mutations start from files that reach the catalog,
the saved query and the rows.

  jet4-query      当選データ (3 draws, one empty bonus) found through 全データ選択クエリ
  jet4-no-query   当選番号表 (2 draws) found by its fields
  jet4-empty-catalog, jet3-empty-catalog   a bare header and two empty pages
"""
import os
import struct

PAGE = 4096
TEXT, BYTE, INT, LONG, DATETIME = 0x0A, 0x02, 0x03, 0x04, 0x08
FIXED_SIZE = {BYTE: 1, INT: 2, LONG: 4, DATETIME: 8}


def rc4(key, data):
    s = list(range(256))
    j = 0
    for i in range(256):
        j = (j + s[i] + key[i % len(key)]) & 0xFF
        s[i], s[j] = s[j], s[i]
    out = bytearray()
    i = j = 0
    for byte in data:
        i = (i + 1) & 0xFF
        j = (j + s[i]) & 0xFF
        s[i], s[j] = s[j], s[i]
        out.append(byte ^ s[(s[i] + s[j]) & 0xFF])
    return bytes(out)


def header(version, page_size):
    page = bytearray(page_size)
    page[4:20] = b"Standard Jet DB\0"
    page[0x14] = version
    # From 0x18 the header is masked with a fixed RC4 stream; unmasked it is all zero here:
    # no page encryption key, no password, default code page.
    length = 126 if version == 0 else 128
    page[0x18:0x18 + length] = rc4(struct.pack("<I", 0x6B39DAC7), bytes(length))
    return bytes(page)


def data_page(owner, rows):
    """A data page of `owner` (its definition page) holding rows, stored from the end."""
    page = bytearray(PAGE)
    page[0:2] = b"\x01\x01"
    struct.pack_into("<I", page, 4, owner)
    struct.pack_into("<H", page, 0x0C, len(rows))
    end = PAGE
    for i, row in enumerate(rows):
        end -= len(row)
        page[end:end + len(row)] = row
        struct.pack_into("<H", page, 0x0E + 2 * i, end)
    return bytes(page)


def usage_map(data_page_number):
    """A type-0 usage map (first page 0, one bit per page) marking one data page."""
    bitmap = bytearray(4)
    bitmap[data_page_number // 8] |= 1 << (data_page_number % 8)
    return b"\x00" + struct.pack("<I", 0) + bytes(bitmap)


def table_definition(columns, row_count, map_row):
    """columns: (name, type) in order; map_row: row number on page 1 of the usage map."""
    page = bytearray(PAGE)
    page[0:2] = b"\x02\x01"
    struct.pack_into("<I", page, 0x10, row_count)
    var_count = sum(1 for _, t in columns if t not in FIXED_SIZE)
    struct.pack_into("<H", page, 0x2B, var_count)
    struct.pack_into("<H", page, 0x2D, len(columns))
    struct.pack_into("<I", page, 0x37, (1 << 8) | map_row)  # usage map: page 1, row map_row
    struct.pack_into("<I", page, 0x3B, (1 << 8) | map_row)  # free space map: the same row
    pos = 0x3F
    fixed_offset = var_number = 0
    for number, (name, kind) in enumerate(columns):
        entry = bytearray(25)
        entry[0] = kind
        struct.pack_into("<H", entry, 5, number)
        struct.pack_into("<H", entry, 9, number)
        if kind in FIXED_SIZE:
            entry[15] = 0x03  # fixed length, may be null
            struct.pack_into("<H", entry, 21, fixed_offset)
            struct.pack_into("<H", entry, 23, FIXED_SIZE[kind])
            fixed_offset += FIXED_SIZE[kind]
        else:
            entry[15] = 0x02
            struct.pack_into("<H", entry, 7, var_number)
            struct.pack_into("<H", entry, 23, 510)
            var_number += 1
        page[pos:pos + 25] = entry
        pos += 25
    for name, _ in columns:
        encoded = name.encode("utf-16-le")
        struct.pack_into("<H", page, pos, len(encoded))
        page[pos + 2:pos + 2 + len(encoded)] = encoded
        pos += 2 + len(encoded)
    struct.pack_into("<I", page, 8, pos)
    return bytes(page)


def row(columns, values):
    """One Jet 4 row; a value of None is Null."""
    fixed = bytearray()
    variable = []
    mask = bytearray((len(columns) + 7) // 8)
    for number, ((_, kind), value) in enumerate(zip(columns, values)):
        if value is not None:
            mask[number // 8] |= 1 << (number % 8)
        if kind in FIXED_SIZE:
            code = {BYTE: "<B", INT: "<h", LONG: "<i", DATETIME: "<d"}[kind]
            fixed += struct.pack(code, value if value is not None else 0)
        else:
            variable.append(b"" if value is None else value.encode("utf-16-le"))
    body = struct.pack("<H", len(columns)) + bytes(fixed)
    offsets = []
    for text in variable:
        offsets.append(len(body))
        body += text
    if not variable:
        return body + mask
    offsets.append(len(body))  # end of the variable data
    table = b"".join(struct.pack("<H", o) for o in reversed(offsets))
    return body + table + struct.pack("<H", len(variable)) + bytes(mask)


OBJECTS = [("Id", LONG), ("Type", INT), ("Flags", LONG), ("Name", TEXT)]
QUERIES = [("ObjectId", LONG), ("Attribute", BYTE), ("Name1", TEXT)]
SYSTEM = -0x80000000
QUERY_ID = 0x10000001


def draws_columns():
    return [("回数", LONG), ("開催日", DATETIME)] + [
        (f"第{i}数字", INT) for i in range(1, 6)] + [("ボーナス数字", INT)]


def database(table, draws, with_query):
    """Pages: 0 header, 1 usage maps, 2/3 MSysObjects, 4/5 the draws, 6/7 MSysQueries."""
    columns = draws_columns()
    objects = [(4, 1, 0, table), (6, 1, SYSTEM, "MSysQueries")]
    queries = []
    if with_query:
        objects.append((QUERY_ID, 5, 0, "全データ選択クエリ"))
        queries = [(QUERY_ID, 0, None), (QUERY_ID, 5, table), (QUERY_ID, 255, None)]
    pages = [
        header(1, PAGE),
        data_page(0, [usage_map(3), usage_map(5), usage_map(7)]),
        table_definition(OBJECTS, len(objects), 0),
        data_page(2, [row(OBJECTS, o) for o in objects]),
        table_definition(columns, len(draws), 1),
        data_page(4, [row(columns, d) for d in draws]),
        table_definition(QUERIES, len(queries), 2),
        data_page(6, [row(QUERIES, q) for q in queries]),
    ]
    return b"".join(pages)


def main():
    folder = os.path.join(os.path.dirname(os.path.abspath(__file__)), "corpus")
    os.makedirs(folder, exist_ok=True)
    seeds = {
        "jet4-query": database("当選データ", [
            (1, 36263.0, 1, 3, 17, 20, 25, 26),
            (2, 36277.0, 2, 11, 12, 21, 30, 28),
            (3, 36291.0, 1, 8, 10, 24, 30, None),
        ], True),
        "jet4-no-query": database("当選番号表", [
            (1, 36263.0, 1, 3, 17, 20, 25, 26),
            (2, None, 2, 11, 12, 21, 30, 28),
        ], False),
        "jet4-empty-catalog": header(1, PAGE) + bytes(2 * PAGE),
        "jet3-empty-catalog": header(0, 2048) + bytes(2 * 2048),
    }
    for name, data in seeds.items():
        with open(os.path.join(folder, name), "wb") as out:
            out.write(data)


if __name__ == "__main__":
    main()
