#!/usr/bin/env python3
"""Writes a zip whose bytes depend only on the files' names and contents:
entries in byte order of their names, every entry dated SOURCE_DATE_EPOCH
(UTC; zip cannot date before 1980), mode 0644, made on "Unix".

    make_zip.py ARCHIVE FOLDER
"""
import os
import sys
import time
import zipfile


def main(archive, folder):
    epoch = max(int(os.environ['SOURCE_DATE_EPOCH']), 315532800)
    stamp = time.gmtime(epoch)[:6]
    names = sorted(os.listdir(folder), key=lambda name: name.encode('utf-8'))
    with zipfile.ZipFile(archive, 'w', zipfile.ZIP_DEFLATED) as out:
        for name in names:
            entry = zipfile.ZipInfo(name, date_time=stamp)
            entry.create_system = 3
            entry.external_attr = 0o100644 << 16
            entry.compress_type = zipfile.ZIP_DEFLATED
            with open(os.path.join(folder, name), 'rb') as data:
                out.writestr(entry, data.read(), compresslevel=9)


if __name__ == '__main__':
    main(*sys.argv[1:])
