#!/usr/bin/env python3
"""Fills the English texts of en_texts.py into paper_catalogue_en.ts: every
message whose translation is empty or unfinished gets the text for its source
and loses the "unfinished" mark. Prints the sources that have no English yet.
Usage: fill_ts.py translations/paper_catalogue_en.ts"""
import sys
import xml.etree.ElementTree as ET
sys.path.insert(0, __import__("os").path.dirname(__file__))
from en_texts import EN

path = sys.argv[1]
tree = ET.parse(path)
missing = []
for message in tree.iter("message"):
    source = message.find("source").text or ""
    tr = message.find("translation")
    if tr is None:
        tr = ET.SubElement(message, "translation")
    if tr.get("type") == "unfinished" or not tr.text:
        if source in EN:
            tr.text = EN[source]
            tr.attrib.pop("type", None)
        elif source not in missing:
            missing.append(source)
tree.write(path, encoding="utf-8", xml_declaration=True)
with open(path, encoding="utf-8") as f:
    text = f.read()
with open(path, "w", encoding="utf-8") as f:
    f.write(text.replace("<?xml version='1.0' encoding='utf-8'?>", '<?xml version="1.0" encoding="utf-8"?>\n<!DOCTYPE TS>', 1))
for m in missing:
    print("no English for:", repr(m))
sys.exit(1 if missing else 0)
