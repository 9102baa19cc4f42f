#!/usr/bin/env python3
"""The lists of methods that the manual page and the metainfo write out, against the method
table as the programs read it: a method added to the table and not to them fails here."""

import functools
import re
import subprocess
import sys
import unittest
from pathlib import Path

COMPARE = sys.argv.pop(1)
RESOURCES = Path(__file__).resolve().parents[2] / "resources"
WINDOW_METHODS = 4  # the window's own, which both texts name first
# The number of the other methods in the words of each language the metainfo speaks.
MORE = {"en": {9: "nine"}, "de": {9: "neun"}, "fr": {9: "neuf"}, "es": {9: "nueve"}}


@functools.cache
def table_keys():
    refusal = subprocess.run([COMPARE, "--methods", "?"], capture_output=True, text=True, env={"LANG": "C"}).stderr
    return re.search(r"choose from (.*), or all\)", refusal).group(1).split(", ")


@functools.cache
def table_names():
    csv = subprocess.run([COMPARE, "--methods", "all", "--counts", "2", "--orders", "random", "--repeat", "1", "--csv"],
                         capture_output=True, text=True, check=True).stdout
    return [line.split(",")[0] for line in csv.splitlines()[1:]]


def listed(text):
    """'a, b, c and d' as its entries."""
    return re.split(r",\s+|\s+and\s+", " ".join(text.split()))


class MethodLists(unittest.TestCase):
    def test_the_manual_page_names_every_key_and_every_name(self):
        page = (RESOURCES / "sorting-race.1.in").read_text()
        keys = re.search(r"separated by commas, from (.*?), or\n\.B all", page, re.S).group(1)
        self.assertEqual(listed(keys), table_keys())
        others = re.search(r"the \w+ more methods that you add: (.*?) sort\.", page, re.S).group(1)
        self.assertEqual(listed(others), table_names()[WINDOW_METHODS:])
        self.assertIn(f"the {MORE['en'][len(table_keys()) - WINDOW_METHODS]} more", page)

    def test_the_metainfo_names_every_other_method_and_counts_them_in_each_language(self):
        info = (RESOURCES / "race-metainfo.xml.in").read_text()
        others = re.search(r"\((Shell.*?) sort\)", info, re.S).group(1)
        self.assertEqual(listed(others), table_names()[WINDOW_METHODS:])
        for language, words in MORE.items():
            with self.subTest(language=language):
                self.assertIn(f" {words[len(table_keys()) - WINDOW_METHODS]} ", info)


if __name__ == "__main__":
    unittest.main()
