#!/usr/bin/env python3
"""Writes src/io/cp932_table_data.cpp: code page 932 as glibc's iconv converts it, the table that
every build of the program converts by, whatever its C library. Run on a glibc system when
glibc's table changes; io_tests compares the table with the live iconv byte for byte."""
import ctypes
import sys

libc = ctypes.CDLL("libc.so.6", use_errno=True)
libc.iconv_open.restype = ctypes.c_void_p
libc.iconv_open.argtypes = [ctypes.c_char_p, ctypes.c_char_p]
libc.iconv.restype = ctypes.c_size_t
libc.iconv.argtypes = [ctypes.c_void_p, ctypes.POINTER(ctypes.c_char_p), ctypes.POINTER(ctypes.c_size_t),
                       ctypes.POINTER(ctypes.c_char_p), ctypes.POINTER(ctypes.c_size_t)]


def converter(to, frm):
    handle = libc.iconv_open(to, frm)
    def convert(data):
        libc.iconv(handle, None, None, None, None)
        inbuf = ctypes.create_string_buffer(data, len(data))
        outbuf = ctypes.create_string_buffer(64)
        inp = ctypes.c_char_p(ctypes.addressof(inbuf))
        outp = ctypes.c_char_p(ctypes.addressof(outbuf))
        inleft = ctypes.c_size_t(len(data))
        outleft = ctypes.c_size_t(64)
        result = libc.iconv(handle, ctypes.byref(inp), ctypes.byref(inleft), ctypes.byref(outp), ctypes.byref(outleft))
        if result == ctypes.c_size_t(-1).value or inleft.value != 0:
            return None
        return outbuf.raw[:64 - outleft.value]
    return convert


decode = converter(b"UTF-32BE", b"CP932")
encode = converter(b"CP932", b"UTF-32BE")


def code_point(utf32):
    if utf32 is None or len(utf32) != 4:
        return None
    return int.from_bytes(utf32, "big")


singles = [code_point(decode(bytes([b]))) for b in range(256)]
leads = [b for b in range(256) if singles[b] is None and any(
    code_point(decode(bytes([b, t]))) is not None for t in range(256))]
pairs = {(l, t): code_point(decode(bytes([l, t]))) for l in leads for t in range(256)}

inverse = {}
for b in range(256):
    if singles[b] is not None:
        inverse.setdefault(singles[b], bytes([b]))
for (l, t), cp in sorted(pairs.items()):
    if cp is not None:
        inverse.setdefault(cp, bytes([l, t]))
exceptions = []
for cp in range(0x10000):
    if 0xD800 <= cp <= 0xDFFF:
        continue
    written = encode(cp.to_bytes(4, "big"))
    if written != inverse.get(cp):
        exceptions.append((cp, written))

out = []
out.append("// Code page 932 as glibc's iconv converts it, written by tools/cp932_table/generate.py; do not")
out.append("// edit. See io/cp932_table.h.")
out.append('#include "io/cp932_table.h"\n')
out.append("namespace vantoki::cp932_table {\n")
out.append("// 0xFFFF: not a character of its own (a lead byte or no character).")
out.append("const std::array<std::uint16_t, 256> kSingleBytes = {")
out.append(",".join(str(0xFFFF if c is None else c) for c in singles) + "};\n")
out.append("const std::array<std::uint8_t, %d> kLeadBytes = {" % len(leads))
out.append(",".join(str(l) for l in leads) + "};\n")
out.append("// For each lead byte in turn, the character of each second byte, 0xFFFF for none.")
out.append("const std::array<std::uint16_t, %d> kPairs = {" % (len(leads) * 256))
values = [0xFFFF if pairs[(l, t)] is None else pairs[(l, t)] for l in leads for t in range(256)]
for i in range(0, len(values), 16):
    out.append(",".join(str(v) for v in values[i:i + 16]) + ",")
out.append("};\n")
out.append("// Where writing differs from the first bytes that read as the character: its bytes, or 0")
out.append("// for a character that is not written at all.")
out.append("const std::array<EncodingException, %d> kEncodingExceptions = {{" % len(exceptions))
for cp, written in exceptions:
    out.append("{%d, %d}," % (cp, 0 if written is None else int.from_bytes(written, "big")))
out.append("}};\n")
out.append("}  // namespace vantoki::cp932_table")
sys.stdout.write("\n".join(out) + "\n")
