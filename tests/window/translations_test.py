#!/usr/bin/python3
"""Every text of the program has a finished translation in every language:
lupdate, run over the sources into a copy of each Qt Linguist file, finds no
new text and keeps no vanished one; lrelease finishes every text; and every
translation keeps its source's placeholders and closing line break.

    translations_test.py LUPDATE LRELEASE SOURCE_FOLDER FILE.ts...
"""

import os
import re
import shutil
import subprocess
import sys
import tempfile
import unittest
import xml.etree.ElementTree as ET

LUPDATE, LRELEASE, SOURCES, *TS_FILES = sys.argv[1:]


def count(pattern, report):
    found = re.search(pattern, report)
    return tuple(int(n) for n in found.groups()) if found else None


def placeholders(text):
    return sorted(re.findall(r"%\d+", text or "")), (text or "").endswith("\n")


class Translations(unittest.TestCase):
    def test_every_text_is_translated(self):
        self.assertTrue(TS_FILES, "no translation files")
        for ts in TS_FILES:
            with self.subTest(os.path.basename(ts)), tempfile.TemporaryDirectory() as tmp:
                copy = os.path.join(tmp, os.path.basename(ts))
                shutil.copy(ts, copy)
                update = subprocess.run([LUPDATE, SOURCES, "-ts", copy, "-locations", "none"],
                                        capture_output=True, text=True, check=True).stdout
                found = count(r"Found (\d+) source text\(s\) \((\d+) new", update)
                self.assertIsNotNone(found, update)
                texts, new = found
                self.assertGreater(texts, 0, update)
                self.assertEqual(new, 0, "texts without a translation:\n" + update)
                self.assertIsNone(count(r"Kept (\d+) obsolete", update),
                                  "translations of texts no longer in the program:\n" + update)

                release = subprocess.run([LRELEASE, copy, "-qm", os.path.join(tmp, "t.qm")],
                                         capture_output=True, text=True, check=True).stdout
                self.assertEqual(count(r"Generated (\d+) translation\(s\) \((\d+) finished "
                                       r"and (\d+) unfinished", release),
                                 (texts, texts, 0), release)
                self.assertNotIn("Ignored", release)

                for message in ET.parse(copy).iter("message"):
                    source = message.findtext("source")
                    self.assertEqual(placeholders(message.findtext("translation")),
                                     placeholders(source), source)


if __name__ == "__main__":
    unittest.main(argv=sys.argv[:1])
