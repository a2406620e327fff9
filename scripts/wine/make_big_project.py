#!/usr/bin/env python3
"""Writes a Scrivlet project of many topics for checking built help files in a
help viewer: every topic has a title, keywords, a browse position, two jumps,
a pop-up, a bullet, bold and italic text and a non-scrolling heading.

    make_big_project.py FOLDER COUNT

writes FOLDER/big.scw and FOLDER/contexts.txt (context TAB title per line).
"""
import pathlib
import sys

FONTS = (r"{\rtf1\ansi\deff0\deftab720{\fonttbl{\f0\fswiss Arial;}"
         r"{\f1\froman Times New Roman;}{\f2\fmodern Courier New;}}")
COLOURS = r"{\colortbl\red0\green0\blue0;\red0\green128\blue0;\red255\green0\blue0;}"


def topic(number, count):
    nxt = number % count + 1
    back = (number + count - 2) % count + 1
    far = (number * 7) % count + 1
    title = f"Topic number {number}"
    lines = [
        f"C={number}",
        f"A=big{number}",
        f"T={title}",
        f"K=topic {number};group {number % 50}",
        f"O=a{number}",
        "B=",
        f"S=main:{number:05d}",
        "W=",
        "M=",
        "X=Done",
        FONTS,
        COLOURS,
        r"\deflang1033\pard\plain\f0\fs28\b " + title + r"\plain\f0\fs16\cf2 [keepn]",
        r"\par \pard\plain\f0\fs22 This topic explains one part of the product. Go on to the "
        r"\plain\f0\fs22\strike\cf1 next topic\plain\f0\fs22\cf2 [href=" + str(nxt) + "]"
        r"\plain\f0\fs22  or back to the \plain\f0\fs22\strike\cf1 previous one"
        r"\plain\f0\fs22\cf2 [href=" + str(back) + r"]\plain\f0\fs22 .",
        r"\par \pard\fi-360\li360\plain\f0\fs22 \'95\tab A \plain\f0\fs22\ul\cf1 term"
        r"\plain\f0\fs22\cf2 [link=big" + str(far) + r"]\plain\f0\fs22  explained in a "
        r"caf\'e9, \b bold\b0  and \i italic\i0 .",
        r"\par \pard\plain\f1\fs20\i A closing remark in another font.",
        r"\par }",
        "~",
    ]
    return lines


def main():
    folder = pathlib.Path(sys.argv[1])
    count = int(sys.argv[2])
    folder.mkdir(parents=True, exist_ok=True)
    lines = [
        "[PROJECT]", "12", "TITLE=Big Test", "HELP=big.hlp", "CNT=", "COPYRIGHT=",
        "CITATION=", "CONTENTS=big1", "COMPRESS=1", "ERROR=1", "SHOW=0", "INCLUDE=",
        "EXCLUDE=", "TEMPLATE=",
        "[WINDOWS]", "1", 'main="Big Test",(120,60,640,800),16384,(r16777215),(r12648447),0',
        "[CONFIG]", "1", "BrowseButtons()",
        "[BMPROOTS]", "0", "[FILES]", "0", "[TOPICS]",
    ]
    for number in range(1, count + 1):
        lines += topic(number, count)
    (folder / "big.scw").write_bytes(("\r\n".join(lines) + "\r\n").encode("cp1252"))
    with open(folder / "contexts.txt", "w", encoding="cp1252") as out:
        for number in range(1, count + 1):
            out.write(f"big{number}\tTopic number {number}\n")


if __name__ == "__main__":
    main()
