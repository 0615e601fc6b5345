"""Independent reader for the tests: prints a dBASE table as JSON via dbfread.

Output: {"fields": [[name, type, length, decimals], ...],
         "records": [{"raw": [...], "typed": [...]}, ...],   # live records
         "deleted": [{"raw": [...], "typed": [...]}, ...]}
"raw" holds each field's text at full width (code page 1254), "typed" what
dbfread makes of it (character fields stripped, numbers, ISO dates, logicals).
"""
import datetime
import decimal
import json
import sys

from dbfread import DBF


def typed(value):
    if isinstance(value, (datetime.date, datetime.datetime)):
        return value.isoformat()
    if isinstance(value, decimal.Decimal):
        return float(value)
    return value


def main(path):
    raw = DBF(path, encoding="cp1254", char_decode_errors="strict", raw=True, load=True)
    parsed = DBF(path, encoding="cp1254", char_decode_errors="strict", load=True)
    names = raw.field_names

    def rows(raw_records, parsed_records):
        out = []
        for r, p in zip(raw_records, parsed_records):
            out.append({"raw": [r[n].decode("cp1254") for n in names],
                        "typed": [typed(p[n]) for n in names]})
        return out

    print(json.dumps({
        "fields": [[f.name, f.type, f.length, f.decimal_count] for f in raw.fields],
        "records": rows(raw.records, parsed.records),
        "deleted": rows(raw.deleted, parsed.deleted),
    }, ensure_ascii=False))


if __name__ == "__main__":
    main(sys.argv[1])
