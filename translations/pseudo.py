#!/usr/bin/env python3
"""Makes the pseudo-language catalogue for the tests from the English one:
every translation in accented letters and 40 % longer, with the program's
name and the placeholders kept. Texts that escape translation stay plain ASCII, and
controls too small for longer words show it."""
import re
import sys
import xml.etree.ElementTree as ET

ACCENTED = str.maketrans("aeiouyAEIOUYcnsz", "áéíóúýÁÉÍÓÚÝçñšž")
PLACEHOLDER = re.compile(r"(%n|%\d|\\n|\n|<[^>]*>|&\w+;)")


def pseudo(text):
    parts = PLACEHOLDER.split(text)
    # The program's name stays, and stays first.
    out = "".join(p if PLACEHOLDER.fullmatch(p) else "TRULP".join(w.translate(ACCENTED) for w in p.split("TRULP"))
                  for p in parts)
    letters = sum(len(p) for p in parts if not PLACEHOLDER.fullmatch(p))
    return out + "~" * max(1, round(letters * 0.4))


def main(source, target):
    tree = ET.parse(source)
    root = tree.getroot()
    root.set("language", "eo")
    for message in root.iter("message"):
        src = message.findtext("source") or ""
        translation = message.find("translation")
        translation.attrib.pop("type", None)
        if message.get("numerus") == "yes":
            for form in list(translation):
                translation.remove(form)
            ET.SubElement(translation, "numerusform").text = pseudo(src)
            ET.SubElement(translation, "numerusform").text = pseudo(src)
        elif src == "QT_LAYOUT_DIRECTION":
            translation.text = "LTR"
        else:
            translation.text = pseudo(src)
    tree.write(target, encoding="utf-8", xml_declaration=True)


if __name__ == "__main__":
    main(sys.argv[1], sys.argv[2])
