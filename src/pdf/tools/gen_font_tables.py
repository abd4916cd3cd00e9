#!/usr/bin/env python3
"""Generates cpdfFontTables.cpp: the metric tables of the PDF writer's built-in fonts.

The widths and font metrics come from the URW base-35 AFM files that Debian ships in
the package fonts-urw-base35 (/usr/share/fonts/type1/urw-base35, AGPL-3 with the font
exception): metric-compatible clones of the PostScript standard fonts.

    python3 src/pdf/tools/gen_font_tables.py [afm-folder] > src/pdf/cpdfFontTables.cpp

Width arrays are indexed in WinAnsi order (codes 0..255) followed by the glyphs that
StandardEncoding and MacRomanEncoding have and WinAnsi lacks; the remap tables take a
code of those encodings (and of MacExpertEncoding, whose glyphs none of these fonts
holds: its codes fall on index 0, width 0) to that index. Symbol and ZapfDingbats use
their own built-in codes and are never remapped.
"""
import os
import sys

AFM_DIR = sys.argv[1] if len(sys.argv) > 1 else "/usr/share/fonts/type1/urw-base35"

ASCII = ("space exclam quotedbl numbersign dollar percent ampersand quotesingle parenleft "
         "parenright asterisk plus comma hyphen period slash zero one two three four five six "
         "seven eight nine colon semicolon less equal greater question at A B C D E F G H I J K "
         "L M N O P Q R S T U V W X Y Z bracketleft backslash bracketright asciicircum "
         "underscore grave a b c d e f g h i j k l m n o p q r s t u v w x y z braceleft bar "
         "braceright asciitilde").split()

WIN_HIGH = ("Euro - quotesinglbase florin quotedblbase ellipsis dagger daggerdbl circumflex "
            "perthousand Scaron guilsinglleft OE - Zcaron - - quoteleft quoteright quotedblleft "
            "quotedblright bullet endash emdash tilde trademark scaron guilsinglright oe - zcaron "
            "Ydieresis space exclamdown cent sterling currency yen brokenbar section dieresis "
            "copyright ordfeminine guillemotleft logicalnot hyphen registered macron degree "
            "plusminus twosuperior threesuperior acute mu paragraph periodcentered cedilla "
            "onesuperior ordmasculine guillemotright onequarter onehalf threequarters "
            "questiondown Agrave Aacute Acircumflex Atilde Adieresis Aring AE Ccedilla Egrave "
            "Eacute Ecircumflex Edieresis Igrave Iacute Icircumflex Idieresis Eth Ntilde Ograve "
            "Oacute Ocircumflex Otilde Odieresis multiply Oslash Ugrave Uacute Ucircumflex "
            "Udieresis Yacute Thorn germandbls agrave aacute acircumflex atilde adieresis aring "
            "ae ccedilla egrave eacute ecircumflex edieresis igrave iacute icircumflex idieresis "
            "eth ntilde ograve oacute ocircumflex otilde odieresis divide oslash ugrave uacute "
            "ucircumflex udieresis yacute thorn ydieresis").split()

MAC_HIGH = ("Adieresis Aring Ccedilla Eacute Ntilde Odieresis Udieresis aacute agrave "
            "acircumflex adieresis atilde aring ccedilla eacute egrave ecircumflex edieresis "
            "iacute igrave icircumflex idieresis ntilde oacute ograve ocircumflex odieresis "
            "otilde uacute ugrave ucircumflex udieresis dagger degree cent sterling section "
            "bullet paragraph germandbls registered copyright trademark acute dieresis - AE "
            "Oslash - plusminus - - yen mu - - - - - ordfeminine ordmasculine - ae oslash "
            "questiondown exclamdown logicalnot - florin - - guillemotleft guillemotright "
            "ellipsis space Agrave Atilde Otilde OE oe endash emdash quotedblleft quotedblright "
            "quoteleft quoteright divide - ydieresis Ydieresis fraction currency guilsinglleft "
            "guilsinglright fi fl daggerdbl periodcentered quotesinglbase quotedblbase "
            "perthousand Acircumflex Ecircumflex Aacute Edieresis Egrave Iacute Icircumflex "
            "Idieresis Igrave Oacute Ocircumflex - Ograve Uacute Ucircumflex Ugrave dotlessi "
            "circumflex tilde macron breve dotaccent ring cedilla hungarumlaut ogonek "
            "caron").split()

assert len(WIN_HIGH) == 128 and len(MAC_HIGH) == 128 and len(ASCII) == 95


def table(high):
    t = [None] * 256
    for i, n in enumerate(ASCII):
        t[32 + i] = n
    for i, n in enumerate(high):
        t[128 + i] = None if n == "-" else n
    return t


WIN = table(WIN_HIGH)
MAC = table(MAC_HIGH)


def read_afm(name):
    metrics, glyphs = {}, {}
    with open(os.path.join(AFM_DIR, name + ".afm"), encoding="latin-1") as f:
        for line in f:
            parts = line.split()
            if not parts:
                continue
            if parts[0] == "C":
                fields = dict()
                for item in line.split(";"):
                    kv = item.split()
                    if kv:
                        fields[kv[0]] = kv[1:]
                code = int(fields["C"][0])
                glyphs[fields["N"][0]] = (code, int(round(float(fields["WX"][0]))),
                                          [int(v) for v in fields.get("B", ["0"] * 4)])
            elif parts[0] in ("CapHeight", "XHeight", "Ascender", "Descender", "StdVW",
                              "StdHW", "ItalicAngle", "IsFixedPitch", "FontBBox", "Weight"):
                metrics[parts[0]] = parts[1:]
    return metrics, glyphs


# Standard encoding straight from the codes of the Roman AFM (AdobeStandardEncoding).
_, roman = read_afm("NimbusRoman-Regular")
STD = [None] * 256
for gname, (code, _, _) in roman.items():
    if 0 <= code < 256:
        STD[code] = gname

win_names = set(n for n in WIN if n)
EXTRAS = sorted(set(n for n in STD + MAC if n and n not in win_names))
INDEX = {}
for code, n in enumerate(WIN):
    if n and n not in INDEX:
        INDEX[n] = code
for i, n in enumerate(EXTRAS):
    INDEX[n] = 256 + i
NWIDTHS = 256 + len(EXTRAS)

# name, AFM, serif, script
FONTS = [
    ("Helvetica", "NimbusSans-Regular"), ("Helvetica-Bold", "NimbusSans-Bold"),
    ("Helvetica-Oblique", "NimbusSans-Italic"), ("Helvetica-BoldOblique", "NimbusSans-BoldItalic"),
    ("Times-Roman", "NimbusRoman-Regular"), ("Times-Bold", "NimbusRoman-Bold"),
    ("Times-Italic", "NimbusRoman-Italic"), ("Times-BoldItalic", "NimbusRoman-BoldItalic"),
    ("Courier", "NimbusMonoPS-Regular"), ("Courier-Bold", "NimbusMonoPS-Bold"),
    ("Courier-Oblique", "NimbusMonoPS-Italic"), ("Courier-BoldOblique", "NimbusMonoPS-BoldItalic"),
    ("Symbol", "StandardSymbolsPS"), ("ZapfDingbats", "D050000L"),
    ("AvantGarde-Book", "URWGothic-Book"), ("AvantGarde-BookOblique", "URWGothic-BookOblique"),
    ("AvantGarde-Demi", "URWGothic-Demi"), ("AvantGarde-DemiOblique", "URWGothic-DemiOblique"),
    ("Bookman-Demi", "URWBookman-Demi"), ("Bookman-DemiItalic", "URWBookman-DemiItalic"),
    ("Bookman-Light", "URWBookman-Light"), ("Bookman-LightItalic", "URWBookman-LightItalic"),
    ("Helvetica-Narrow", "NimbusSansNarrow-Regular"),
    ("Helvetica-Narrow-Oblique", "NimbusSansNarrow-Oblique"),
    ("Helvetica-Narrow-Bold", "NimbusSansNarrow-Bold"),
    ("Helvetica-Narrow-BoldOblique", "NimbusSansNarrow-BoldOblique"),
    ("NewCenturySchlbk-Roman", "C059-Roman"), ("NewCenturySchlbk-Italic", "C059-Italic"),
    ("NewCenturySchlbk-Bold", "C059-Bold"), ("NewCenturySchlbk-BoldItalic", "C059-BdIta"),
    ("Palatino-Roman", "P052-Roman"), ("Palatino-Italic", "P052-Italic"),
    ("Palatino-Bold", "P052-Bold"), ("Palatino-BoldItalic", "P052-BoldItalic"),
    ("ZapfChancery-MediumItalic", "Z003-MediumItalic"),
    # No free condensed Helvetica metrics exist: the narrow face stands in for it.
    ("Helvetica-Condensed", "NimbusSansNarrow-Regular"),
    ("Helvetica-Condensed-Bold", "NimbusSansNarrow-Bold"),
    ("Helvetica-Condensed-Oblique", "NimbusSansNarrow-Oblique"),
    ("Helvetica-Condensed-BoldObl", "NimbusSansNarrow-BoldOblique"),
    # The writer's own two names take the metrics of Courier and Times-Roman.
    ("CPDF-Monospace", "NimbusMonoPS-Regular"), ("CPDF-SmallCap", "NimbusRoman-Regular"),
]
SERIF = ("Times", "Courier", "Bookman", "NewCentury", "Palatino", "CPDF-")

# CJK fonts: Adobe's published descriptor values for the Asian font packs.
CJK = [
    ("HeiseiKakuGo-W5", "/Registry (Adobe) /Ordering (Japan1) /Supplement 2",
     "[ 1 95 500 231 632 500 ]", "/Panose <0801020b0600000000000000>",
     (752, 737, -221, 4, 114, 553, 1000, 0, 0, 1000, 500, 0, (-92, -250, 1010, 922))),
    ("HeiseiMin-W3", "/Registry (Adobe) /Ordering (Japan1) /Supplement 2",
     "[ 1 95 500 231 632 500 ]", "/Panose <010502020400000000000000>",
     (723, 709, -241, 6, 69, 450, 1000, 0, 0, 1000, 500, 0, (-123, -257, 1001, 910))),
    ("HYGoThic-Medium", "/Registry (Adobe) /Ordering (Korea1) /Supplement 1",
     "[ 1 95 500 ]", "/Panose <000001400000000000000000>",
     (880, 880, -120, 4, 93, 0, 1000, 0, 0, 1000, 500, 0, (-6, -145, 1003, 880))),
    ("HYSMyeongJo-Medium", "/Registry (Adobe) /Ordering (Korea1) /Supplement 1",
     "[ 1 95 500 ]", "/Panose <000001400000000000000000>",
     (880, 880, -120, 6, 93, 0, 1000, 0, 0, 1000, 500, 0, (-0, -148, 1001, 880))),
    ("MHei-Medium", "/Registry (Adobe) /Ordering (CNS1) /Supplement 0",
     "[ 13648 13742 500 17603 17604 500 ]", "/Panose <000001000000000000000000>",
     (880, 880, -120, 4, 93, 0, 1000, 0, 0, 1000, 500, 0, (-45, -250, 1015, 887))),
    ("MSung-Light", "/Registry (Adobe) /Ordering (CNS1) /Supplement 0",
     "[ 13648 13742 500 17603 17604 500 ]", "/Panose <000000000400000000000000>",
     (880, 880, -120, 6, 93, 0, 1000, 0, 0, 1000, 500, 0, (-160, -249, 1015, 888))),
    ("STSong-Light", "/Registry (Adobe) /Ordering (GB1) /Supplement 2",
     "[ 1 95 500 814 939 500 7712 7716 500 7716 [500] ]", "/Panose <000000000400000000000000>",
     (880, 880, -120, 6, 93, 0, 1000, 0, 0, 1000, 500, 0, (-25, -254, 1000, 880))),
]


def emit_array(out, name, values, per_line=16):
    out.append("static const uint16_t %s[%d] = {" % (name, len(values)))
    for i in range(0, len(values), per_line):
        out.append("  " + ", ".join(str(v) for v in values[i:i + per_line]) + ",")
    out.append("};")


def main():
    out = []
    out.append("// Metric tables of the PDF writer's built-in fonts. GENERATED by")
    out.append("// src/pdf/tools/gen_font_tables.py from the URW base-35 AFM files of Debian's")
    out.append("// fonts-urw-base35 package (AGPL-3 with the font exception), metric-compatible")
    out.append("// clones of the PostScript standard fonts. Do not edit by hand.")
    out.append('#include "pdf/cpdfFontTables.h"')
    out.append("")
    out.append("namespace cpdf_tables {")
    out.append("")
    out.append("const int kWidthCount = %d;" % NWIDTHS)
    out.append("")
    font_rows = []
    for num, (pdfname, afm) in enumerate(FONTS):
        metrics, glyphs = read_afm(afm)
        symbolic = pdfname in ("Symbol", "ZapfDingbats")
        widths = [0] * NWIDTHS
        if symbolic:
            for gname, (code, wx, _) in glyphs.items():
                if 0 <= code < 256:
                    widths[code] = wx
        else:
            for gname, idx in INDEX.items():
                if gname in glyphs:
                    widths[idx] = glyphs[gname][1]
            widths[0xA0] = glyphs["space"][1]
            widths[0xAD] = glyphs["hyphen"][1]

        def top(g, default):
            return glyphs[g][2][3] if g in glyphs else default

        def bottom(g, default):
            return glyphs[g][2][1] if g in glyphs else default
        bbox = [int(v) for v in metrics["FontBBox"]]
        cap = int(float(metrics.get("CapHeight", ["0"])[0])) or top("H", bbox[3])
        xh = int(float(metrics.get("XHeight", ["0"])[0])) or top("x", cap)
        asc = int(float(metrics.get("Ascender", ["0"])[0])) or top("d", bbox[3])
        desc = int(float(metrics.get("Descender", ["0"])[0])) or bottom("p", bbox[1])
        italic = float(metrics.get("ItalicAngle", ["0"])[0])
        bold = any(w in metrics.get("Weight", [""])[0] for w in ("Bold", "Demi"))
        stemv = int(float(metrics["StdVW"][0])) if "StdVW" in metrics else (140 if bold else 80)
        stemh = int(float(metrics["StdHW"][0])) if "StdHW" in metrics else (stemv * 3 // 4)
        fixed = metrics.get("IsFixedPitch", ["false"])[0] == "true"
        if symbolic:
            flags = 4
        else:
            flags = 32 | (1 if fixed else 0) | (2 if pdfname.startswith(SERIF) else 0)
            flags |= 64 if italic != 0 else 0
            if pdfname.startswith("ZapfChancery"):
                flags |= 8
        real = [w for w in widths if w > 0]
        maxw = max(real)
        avgw = sum(real) // len(real)
        emit_array(out, "kWidths%d" % num, widths)
        font_rows.append('  {"%s", kWidths%d, %d, %d, %d, %d, %d, %d, %d, %d, %d, %d, %d, %sf, '
                         '{%d, %d, %d, %d}, nullptr, nullptr, nullptr},  // %s.afm'
                         % (pdfname, num, asc, cap, desc, stemv, xh, stemh,
                            widths[INDEX["space"]] if not symbolic else widths[32], 0,
                            maxw, avgw, flags, repr(italic), bbox[0], bbox[1], bbox[2],
                            bbox[3], afm))
    for (name, csi, warr, style, m) in CJK:
        asc, cap, desc, flags, stemv, xh, missing, stemh, leading, maxw, avgw, italic, bb = m
        font_rows.append('  {"%s", nullptr, %d, %d, %d, %d, %d, %d, %d, %d, %d, %d, %d, %d.0f, '
                         '{%d, %d, %d, %d}, "%s", "%s", "%s"},'
                         % (name, asc, cap, desc, stemv, xh, stemh, missing, leading, maxw,
                            avgw, flags, italic, bb[0], bb[1], bb[2], bb[3], csi, warr, style))
    out.append("")
    out.append("const BuiltinFont kBuiltinFonts[kBuiltinFontCount] = {")
    out.extend(font_rows)
    out.append("};")
    out.append("")
    for label, enc in (("MacRoman", MAC), ("Standard", STD)):
        emit_array(out, "kRemap%s" % label, [INDEX.get(n, 0) if n else 0 for n in enc])
    emit_array(out, "kRemapMacExpert", [INDEX["space"] if c == 32 else 0 for c in range(256)])
    out.append("")
    out.append("// Indexed by encoding index 1 (MacRoman), 2 (MacExpert), 3 (Standard).")
    out.append("const uint16_t* const kEncodingRemap[4] = {nullptr, kRemapMacRoman, "
               "kRemapMacExpert, kRemapStandard};")
    out.append("")
    out.append("}  // namespace cpdf_tables")
    print("\n".join(out))


main()
