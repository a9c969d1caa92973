"""Translation files: the pseudo language for the widget tests, and the check
that every shipped language translates every text the sources mark."""
import re
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET
from pathlib import Path


def messages(ts):
    for context in ET.parse(ts).getroot().iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            yield name, message


def pseudo(source_ts, out_ts):
    """Every translation is its source between ⟦ ⟧: placeholders and & stay."""
    tree = ET.parse(source_ts)
    for message in tree.getroot().iter("message"):
        translation = message.find("translation")
        translation.attrib.clear()
        marked = "\u27e6" + message.findtext("source") + "\u27e7"
        if message.get("numerus") == "yes":
            for form in list(translation):
                translation.remove(form)
            translation.text = None
            for _ in range(2):
                ET.SubElement(translation, "numerusform").text = marked
        else:
            translation.text = marked
    tree.write(out_ts, encoding="utf-8", xml_declaration=True)


def complete(lupdate, sources_list, ts_files):
    """Fails on a text left untranslated or obsolete, and on a text the
    sources mark now that a language file lacks or still holds."""
    with tempfile.TemporaryDirectory() as tmp:
        fresh = Path(tmp) / "fresh.ts"
        subprocess.run([lupdate, "-tr-function-alias", "translate+=Text", "-locations", "none",
                        "-silent", "@" + sources_list, "-ts", str(fresh)], check=True)
        marked = {(c, m.findtext("source")) for c, m in messages(fresh)}
    faults = []
    for ts in ts_files:
        held = set()
        for context, message in messages(ts):
            source = message.findtext("source")
            held.add((context, source))
            translation = message.find("translation")
            kind = translation.get("type", "")
            # A text counted with a number has one form per plural of the language.
            forms = [form.text or "" for form in translation.iter("numerusform")]
            for text in forms or [translation.text or ""]:
                if kind or not text.strip():
                    faults.append(f"{Path(ts).name}: {context}: {source!r} is {kind or 'empty'}")
                elif sorted(re.findall(r"%[1-9]", text)) != sorted(re.findall(r"%[1-9]", source)):
                    faults.append(f"{Path(ts).name}: {context}: {text!r} does not place the "
                                  f"arguments of {source!r} once each")
                elif source.count("&") == 1 and text.count("&") != 1:
                    faults.append(f"{Path(ts).name}: {context}: {text!r} needs one & mnemonic")
        faults += [f"{Path(ts).name}: lacks {c}: {s!r}" for c, s in sorted(marked - held)]
        faults += [f"{Path(ts).name}: no longer in the sources {c}: {s!r}"
                   for c, s in sorted(held - marked)]
    print("\n".join(faults))
    return 1 if faults else 0


if __name__ == "__main__":
    if sys.argv[1] == "pseudo":
        pseudo(sys.argv[2], sys.argv[3])
    else:
        sys.exit(complete(sys.argv[2], sys.argv[3], sys.argv[4:]))
