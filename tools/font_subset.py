"""IPA P Gothic cut down to the characters a game's sources can show, for tools/web-font and
tools/desktop-font.

The characters are those of the string literals in C++ sources (.cpp, .hpp), the text of .html
sources (what lies between the tags), every other character outside ASCII in any other source,
plus whatever the caller adds. The IPA Font
License forbids a derived font to carry the original's name, so the cut-down font is renamed.
"""
import pathlib
import re
import unicodedata

from fontTools import subset
from fontTools.ttLib import TTFont

FAMILY = "Totechita Gothic"
LITERAL = re.compile(r'"((?:[^"\\\n]|\\.)*)"')


def literal_text(body):
    body = re.sub(r"\\u([0-9a-fA-F]{4})", lambda m: chr(int(m.group(1), 16)), body)
    return re.sub(r"\\(.)", r"\1", body)


def characters(sources, extra=""):
    found = set(extra)
    for source in sources:
        text = pathlib.Path(source).read_text(encoding="utf-8")
        if source.endswith((".cpp", ".hpp")):
            for match in LITERAL.finditer(text):
                found.update(literal_text(match.group(1)))
        elif source.endswith(".html"):
            found.update(re.sub(r"<!--.*?-->|<[^>]*>", "", text, flags=re.DOTALL))
        else:
            found.update(c for c in text if ord(c) > 0x7E)
    # Spaces count (the board's caption has an ideographic one); control characters do not.
    return "".join(sorted(c for c in found if not unicodedata.category(c).startswith("C")))


def rename(font):
    names = {1: FAMILY, 3: FAMILY, 4: FAMILY, 6: FAMILY.replace(" ", ""), 16: FAMILY}
    for record in font["name"].names:
        if record.nameID in names:
            record.string = names[record.nameID]


def cut(font_file, text, out_file, flavor=None):
    """Writes the font cut down to `text` as `out_file`, a WOFF2 file for the page or (flavor
    None) a TTF for the desktop."""
    options = subset.Options()
    options.flavor = flavor
    options.name_IDs = [0, 1, 2, 3, 4, 5, 6, 16, 17]
    if flavor == "woff2":
        # The page writes only across and asks for no OpenType feature: the proportional and
        # vertical forms and the vertical metrics would be sent for nothing. Without the TrueType
        # hints, two fifths of the font: browsers draw without them nearly everywhere (all but old
        # Windows renderers, which then draw the outlines as they are).
        options.layout_features = []
        options.drop_tables += ["vhea", "vmtx"]
        options.hinting = False
    else:
        options.layout_features = ["palt", "vert"]
    # The original's modification time, not the build's: the same sources give the same bytes.
    font = TTFont(font_file, recalcTimestamp=False)
    subsetter = subset.Subsetter(options)
    subsetter.populate(text=text)
    subsetter.subset(font)
    rename(font)
    subset.save_font(font, str(out_file), options)
