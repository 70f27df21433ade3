#!/usr/bin/env python3
"""Fills translation sources from a JSON table, so that every catalogue stays complete.

Usage: tools/ts-fill.py PREFIX TABLE.json
  PREFIX      e.g. resources/translations/app  (files PREFIX_<Language>.ts, made by lupdate)
  TABLE.json  {"source text": {"French": "...", "German": "...", ...}, ...}
              A key "Context::source text" applies to that context only.

Messages found in the table lose their "unfinished" mark; the script lists every message
of every catalogue that is still untranslated, and exits 1 when there is any.
"""
import json
import sys
import xml.etree.ElementTree as ET

LANGUAGES = ["Chinese", "ChineseTraditional", "French", "Italian", "Japanese", "Polish",
             "Russian", "German", "Spanish", "Portugal", "Korean"]
LOCALES = {"Chinese": "zh_CN", "ChineseTraditional": "zh_TW", "French": "fr", "Italian": "it",
           "Japanese": "ja", "Polish": "pl", "Russian": "ru", "German": "de", "Spanish": "es",
           "Portugal": "pt", "Korean": "ko"}


def main():
    if len(sys.argv) != 3:
        print(__doc__)
        return 2
    prefix, table_path = sys.argv[1], sys.argv[2]
    with open(table_path, encoding="utf-8") as f:
        table = json.load(f)
    missing = 0
    for lang in LANGUAGES:
        path = f"{prefix}_{lang}.ts"
        try:
            tree = ET.parse(path)
        except FileNotFoundError:
            print(f"{path}: missing (run lupdate first)")
            missing += 1
            continue
        root = tree.getroot()
        root.set("language", LOCALES[lang])
        for context in root.iter("context"):
            name = context.findtext("name")
            for message in context.iter("message"):
                source = message.findtext("source")
                entry = table.get(f"{name}::{source}") or table.get(source)
                translation = message.find("translation")
                if translation is None:
                    translation = ET.SubElement(message, "translation")
                if entry and lang in entry:
                    translation.text = entry[lang]
                    translation.attrib.pop("type", None)
                elif translation.get("type") in ("unfinished", None) and not translation.text:
                    if source and source.strip():
                        print(f"{path}: untranslated [{name}] {source!r}")
                        missing += 1
                    else:
                        translation.attrib.pop("type", None)
                if translation.get("type") == "obsolete" or translation.get("type") == "vanished":
                    context.remove(message)
        tree.write(path, encoding="utf-8", xml_declaration=True)
    return 1 if missing else 0


if __name__ == "__main__":
    sys.exit(main())
