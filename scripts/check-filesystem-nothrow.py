#!/usr/bin/env python3
"""Fails on the std::filesystem calls in the product's sources that throw.

Every free function of std::filesystem that touches the disk has a form
taking a std::error_code and one that throws; a directory iterator's ++,
and so a range-for over it, throws; so do a directory entry's own queries
without an error code. A folder the user cannot enter, a symbolic link
loop or a file that vanishes must never end the program, so only the
error_code forms may be used. Usage: check-filesystem-nothrow.py FOLDER...
"""

import pathlib
import re
import sys

DISK_FUNCTIONS = (
    "absolute canonical copy copy_file copy_symlink create_directories create_directory "
    "create_directory_symlink create_hard_link create_symlink current_path equivalent exists "
    "file_size hard_link_count is_block_file is_character_file is_directory is_empty is_fifo "
    "is_other is_regular_file is_socket is_symlink last_write_time permissions proximate "
    "read_symlink relative remove remove_all rename resize_file space status symlink_status "
    "temp_directory_path weakly_canonical directory_iterator recursive_directory_iterator"
).split()
# These also take a file_status, which never throws.
STATUS_QUERIES = {name for name in DISK_FUNCTIONS if name.startswith("is_") and name != "is_empty"} | {
    "exists"
}
ENTRY_QUERIES = r"(?:is_(?!absolute|relative)\w+|exists|file_size|hard_link_count|last_write_time|status|symlink_status|refresh)"

ALIAS = re.compile(r"namespace\s+(\w+)\s*=\s*std::filesystem\s*;")
ERROR_CODE = re.compile(r"std::error_code\s+(\w+)")
FILE_STATUS = re.compile(r"(?:std::filesystem|\w+)::file_status\s+(\w+)")
RANGE_FOR = re.compile(r"for\s*\([^;{]*(?<!:):(?!:)\s*[\w:]*directory_iterator\b")
ENTRY_CALL = re.compile(r"(?:\.|->)" + ENTRY_QUERIES + r"\(\s*\)")


def strip_comments(text):
    text = re.sub(r"/\*.*?\*/", lambda m: re.sub(r"[^\n]", " ", m.group()), text, flags=re.S)
    return re.sub(r"//[^\n]*", "", text)


def arguments(text, start):
    """The top-level arguments of the call whose '(' is at start."""
    depth, current, args = 0, "", []
    for i in range(start, len(text)):
        c = text[i]
        if c in "([{":
            depth += 1
            if depth == 1:
                continue
        elif c in ")]}":
            depth -= 1
            if depth == 0:
                args.append(current.strip())
                return [a for a in args if a]
        elif c == "," and depth == 1:
            args.append(current.strip())
            current = ""
            continue
        current += c
    return args


def throwing_calls(text):
    prefixes = ["std::filesystem"] + ALIAS.findall(text)
    error_codes = set(ERROR_CODE.findall(text))
    statuses = set(FILE_STATUS.findall(text))
    names = "|".join(DISK_FUNCTIONS)
    pattern = re.compile(r"\b(?:" + "|".join(map(re.escape, prefixes)) + r")::(" + names + r")\b\s*(\w+\s*)?\(")
    for match in pattern.finditer(text):
        args = arguments(text, match.end() - 1)
        if args and args[-1] in error_codes:
            continue
        name = match.group(1)
        if name in STATUS_QUERIES and len(args) == 1 and (args[0] in statuses or "status(" in args[0]):
            continue
        yield match.start(), match.group(0).rstrip("(")
    for match in RANGE_FOR.finditer(text):
        yield match.start(), "range-for over a directory iterator"
    for match in ENTRY_CALL.finditer(text):
        yield match.start(), "directory entry query without an error code: " + match.group(0)


def main(folders):
    problems = 0
    for folder in folders:
        for path in sorted(pathlib.Path(folder).rglob("*")):
            if path.suffix not in (".cpp", ".h") or not path.is_file():
                continue
            text = strip_comments(path.read_text(encoding="utf-8", errors="replace"))
            if "filesystem" not in text:
                continue
            for offset, what in throwing_calls(text):
                line = text.count("\n", 0, offset) + 1
                print(f"{path}:{line}: throwing std::filesystem call: {what}")
                problems += 1
    if problems:
        print(f"{problems} throwing std::filesystem call(s); use the std::error_code forms")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:] or ["src"]))
