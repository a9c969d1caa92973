"""The desktop's language picks the game's: LANGUAGE first, then LANG; C and
languages the game does not ship give the English texts."""
import os
import subprocess
import sys

# LANGUAGE, LANG -> the language chosen
CASES = [
    ("", "C", "en"),
    ("", "C.UTF-8", "en"),
    ("", "en_GB.UTF-8", "en"),
    ("", "es_ES.UTF-8", "es"),
    ("", "es_MX.UTF-8", "es"),
    ("", "pt_BR.UTF-8", "pt_BR"),
    ("", "pt_PT.UTF-8", "en"),
    ("", "fr_CA.UTF-8", "fr"),
    ("", "de_AT.UTF-8", "de"),
    ("", "ja_JP.UTF-8", "en"),
    ("de:es", "fr_FR.UTF-8", "de"),
    ("ja:es", "fr_FR.UTF-8", "es"),
    ("de:es", "C.UTF-8", "en"),
]


def main(program):
    faults = []
    english_quit = None
    for language, lang, expected in CASES:
        env = {k: v for k, v in os.environ.items() if not k.startswith("LC_")}
        env.update(LANG=lang, LANGUAGE=language)
        out = subprocess.run([program], env=env, capture_output=True, text=True, check=True)
        chosen, quit_entry = out.stdout.strip().split("|")
        if expected == "en":
            english_quit = quit_entry
        if chosen != expected or (expected == "en") != (quit_entry == "&Quit"):
            faults.append(f"LANGUAGE={language!r} LANG={lang!r}: {chosen} {quit_entry!r}, "
                          f"expected {expected}")
    print("\n".join(faults) or f"{len(CASES)} cases, English Quit reads {english_quit!r}")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
