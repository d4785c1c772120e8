#!/usr/bin/env python3
"""Writes the seeds of the zip_reader fuzz target into fuzz/corpus/zip_reader/: the Sample e-book
as a real archive, and each kind of hostile or damaged archive the unpacking tests build, so that
the fuzzer starts past the headers. Run it again after changing the cases; the output is stable."""
import io
import os
import struct
import zipfile

HERE = os.path.dirname(os.path.abspath(__file__))
OUT = os.path.join(HERE, 'corpus', 'zip_reader')
SAMPLE = os.path.join(HERE, '..', 'resources', 'eBooks', 'Sample')
STAMP = (2020, 1, 1, 0, 0, 0)  # a fixed date keeps the bytes the same from run to run


def archive(entries, method=zipfile.ZIP_DEFLATED, zip64=False):
    buffer = io.BytesIO()
    with zipfile.ZipFile(buffer, 'w', method) as z:
        for name, data in entries:
            info = zipfile.ZipInfo(name, STAMP)
            info.compress_type = method
            if name.endswith('/'):
                info.external_attr = 0o40755 << 16
            with z.open(info, 'w', force_zip64=zip64) as f:
                f.write(data if isinstance(data, bytes) else data.encode())
    return bytearray(buffer.getvalue())


def patch_first_entry(data, offset_in_local, offset_in_central, fmt, value):
    """Writes a field of the first entry's local header and of its central directory record."""
    struct.pack_into(fmt, data, offset_in_local, value)
    central = data.find(b'PK\x01\x02')
    struct.pack_into(fmt, data, central + offset_in_central, value)
    return data


def sample():
    entries = []
    for folder, _, files in sorted(os.walk(SAMPLE)):
        for name in sorted(files):
            path = os.path.join(folder, name)
            with open(path, 'rb') as f:
                entries.append((os.path.relpath(path, SAMPLE), f.read()))
    return archive(entries)


def main():
    os.makedirs(OUT, exist_ok=True)
    five = 'q' * 5000
    seeds = {
        'sample-ebook.zip': sample(),
        'folders-and-backslashes.zip': archive([('META-INF/', ''), ('META-INF/container.xml', '<container/>'),
                                                ('OPS\\pages\\p1.html', '<p>one</p>'), ('./top.txt', 'top'),
                                                ('empty/', '')]),
        'traversal-variants.zip': archive([('good.txt', 'fine'), ('a/../../evil.txt', 'x'),
                                           ('a\\..\\..\\evil.txt', 'x'), ('/tmp/evil.txt', 'x')]),
        'duplicate-names.zip': archive([('a.txt', 'first'), ('a.txt', 'second'), ('a.txt/', '')]),
        'too-many-entries.zip': archive([('e%03d.txt' % i, str(i)) for i in range(210)], zipfile.ZIP_STORED),
        'large-entry.zip': archive([('zeros.bin', b'\0' * (2 << 20))]),
        'zip64.zip': archive([('a.txt', 'sixty-four'), ('b.txt', five)], zip64=True),
        # The general-purpose flag's bit 0 marks an entry as encrypted.
        'encrypted-flag.zip': patch_first_entry(archive([('a.txt', five)]), 6, 8, '<H', 1),
        'lying-size.zip': patch_first_entry(archive([('a.txt', five)]), 22, 24, '<I', 10),
        'huge-recorded-size.zip': patch_first_entry(archive([('a.txt', five)]), 22, 24, '<I', 0xF0000000),
        'bad-crc.zip': patch_first_entry(archive([('a.txt', five)]), 14, 16, '<I', 0x12345678),
        'unknown-method.zip': patch_first_entry(archive([('a.txt', five)]), 8, 10, '<H', 99),
    }
    whole = archive([('a.txt', five), ('b.txt', 'tail')])
    seeds['truncated.zip'] = whole[:len(whole) // 2]
    damaged = bytearray(whole)
    damaged[40] ^= 0xFF
    seeds['damaged-byte.zip'] = damaged
    for name, data in seeds.items():
        with open(os.path.join(OUT, name), 'wb') as f:
            f.write(bytes(data))


if __name__ == '__main__':
    main()
