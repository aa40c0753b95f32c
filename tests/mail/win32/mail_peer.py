#!/usr/bin/python3
"""Host side of the Windows mail tests, started by them under Wine.

  mail_peer.py smtp DIR     an SMTP server on a free loopback port; writes
                            DIR/port, then one folder DIR/msgN per message
                            with what arrived, parsed by the email package
                            under its old (compat32) and its current policy
  mail_peer.py codings DIR  checks the encodings the test wrote into DIR
  mail_peer.py bench DIR    times coreutils base64 on DIR/input.bin

Every result file is written under a temporary name and renamed, so the test
never reads half a file. The server ends when DIR/stop appears (or after ten
minutes, should the test die)."""

import asyncio
import binascii
import email
import email.header
import email.policy
import email.utils
import os
import quopri
import re
import subprocess
import sys
import time

from aiosmtpd.smtp import SMTP


def text_bytes(line):
    """A report line in the bytes the test sent: Western text in Latin-1 or
    its Windows code page, Japanese text as ISO-2022-JP."""
    for codec in ("latin-1", "cp1252", "iso-2022-jp"):
        try:
            return line.encode(codec)
        except UnicodeEncodeError:
            pass
    return line.encode("utf-8")


def put(path, data):
    if isinstance(data, str):
        data = b"\n".join(text_bytes(line) for line in data.split("\n"))
    with open(path + ".part", "wb") as f:
        f.write(data)
    os.replace(path + ".part", path)


def field(text):
    """A report field: tabs separate the fields, so they stand as blanks."""
    return text.replace("\t", " ")


def decoded(value):
    """The header text unfolded, as a reader shows it."""
    value = re.sub(r"\r?\n(?=[ \t])", "", value)
    return field(str(email.header.make_header(email.header.decode_header(value))))


def utf8(key, text):
    """The text as a reader shows it, in hexadecimal UTF-8."""
    return "UTF8\t%s\t%s" % (key, text.encode("utf-8").hex())


def raw_facts(content):
    """The longest header line and the line ends that are no CR LF."""
    head = content.split(b"\r\n\r\n", 1)[0]
    longest = max(len(line) for line in head.split(b"\r\n"))
    bare = len(re.findall(rb"\r(?!\n)|(?<!\r)\n", content))
    return ["LONGEST\t%d" % longest, "BARE\t%d" % bare]


def current_policy(content):
    """Addresses and file names as the current policy reads them."""
    msg = email.message_from_bytes(content, policy=email.policy.default)
    out = []
    for name in ("From", "To", "CC", "Bcc"):
        header = msg.get(name)
        for n, address in enumerate(header.addresses if header is not None else ()):
            out.append("ADDRESS2\t%s\t%s\t%s" % (name, field(address.display_name),
                                                  address.addr_spec))
            out.append(utf8("%s%d" % (name, n), address.display_name))
    if msg.get("Subject") is not None:
        out.append("SUBJECT2\t%s" % field(str(msg["Subject"])))
        out.append(utf8("Subject", str(msg["Subject"])))
    index = 0
    for part in msg.walk():
        if part.is_multipart():
            continue
        out.append("PART2\t%d\t%s" % (index, part.get_filename() or ""))
        if part.get_content_maintype() == "text":
            out.append(utf8("part%d" % index, part.get_content()))
        index += 1
    return out


def uudecode(folder, text, heads):
    uu = os.path.join(folder, "uu")
    os.makedirs(uu, exist_ok=True)
    # Stored as a mail reader keeps it (local line ends); uudecode takes
    # one file per run, so each block from its "begin" on goes in alone.
    text = text.replace(b"\r\n", b"\n")
    for block in text.split(b"\nbegin ")[1:]:
        name = block.split(b"\n", 1)[0].split(b" ", 1)[1].decode("latin-1")
        run = subprocess.run(["uudecode"], input=b"begin " + block, cwd=uu,
                             capture_output=True)
        heads.append("UUDECODE\t%s\t%d\t%s" % (name, run.returncode,
                                                 run.stderr.decode("latin-1").strip()))


def report(folder, helo, envelope):
    content = envelope.original_content or envelope.content
    put(os.path.join(folder, "raw.eml"), content)
    lines = ["HELO\t" + helo, "FROM\t" + envelope.mail_from]
    lines += ["RCPT\t" + r for r in envelope.rcpt_tos]
    put(os.path.join(folder, "envelope.txt"), "\n".join(lines) + "\n")
    msg = email.message_from_bytes(content, policy=email.policy.compat32)
    heads = []
    for name, value in msg.items():
        heads.append("HEADER\t%s\t%s" % (name, decoded(value)))
    for kind in ("From", "To", "CC", "Bcc"):
        for name, addr in email.utils.getaddresses(msg.get_all(kind, [])):
            heads.append("ADDRESS\t%s\t%s\t%s" % (kind, decoded(name), addr))
    index = 0
    for part in msg.walk():
        if part.is_multipart():
            continue
        payload = part.get_payload(decode=True) or b""
        put(os.path.join(folder, "part%d.bin" % index), payload)
        heads.append("PART\t%d\t%s\t%s\t%s" % (index, part.get_content_type(),
                                               part.get_filename() or "",
                                               part.get_content_charset() or ""))
        # A reader undoes the transfer encoding before it finds the blocks.
        if part.get_content_maintype() == "text" and b"\nbegin 600 " in payload:
            uudecode(folder, payload, heads)
        index += 1
    heads += raw_facts(content) + current_policy(content)
    put(os.path.join(folder, "report.txt"), "\n".join(heads) + "\n")


class Handler:
    def __init__(self, root):
        self.root = root
        self.count = 0

    async def handle_DATA(self, server, session, envelope):
        folder = os.path.join(self.root, "msg%d" % self.count)
        self.count += 1
        os.makedirs(folder, exist_ok=True)
        # Accepted first and looked at afterwards, as a server queues mail:
        # the client's time is its own, not that of the parsing.
        asyncio.get_running_loop().run_in_executor(None, self.look_at, folder,
                                                   session.host_name or "", envelope)
        return "250 Message accepted"

    @staticmethod
    def look_at(folder, helo, envelope):
        try:
            report(folder, helo, envelope)
        except Exception as error:
            put(os.path.join(folder, "failed.txt"), repr(error))
        put(os.path.join(folder, "done"), "")


async def serve(root):
    loop = asyncio.get_running_loop()
    handler = Handler(root)
    server = await loop.create_server(
        lambda: SMTP(handler, data_size_limit=None, enable_SMTPUTF8=False, decode_data=False),
        "127.0.0.1", 0)
    put(os.path.join(root, "port"), str(server.sockets[0].getsockname()[1]))
    deadline = time.monotonic() + 600
    while (os.path.isdir(root) and not os.path.exists(os.path.join(root, "stop"))
           and time.monotonic() < deadline):
        await asyncio.sleep(0.1)
    server.close()


def check_codings(root):
    """Our encodings of inputN.bin against the standard library's."""
    problems = []
    n = 0
    while os.path.exists(os.path.join(root, "input%d.bin" % n)):
        data = open(os.path.join(root, "input%d.bin" % n), "rb").read()
        ours = lambda kind: open(os.path.join(root, "%s%d.txt" % (kind, n)), "rb").read()
        if ours("b64") != binascii.b2a_base64(data, newline=False):
            problems.append("base64 %d" % n)
        canonical = re.sub(rb"\r\n|\r|\n", b"\r\n", data)
        if quopri.decodestring(ours("qp")) != canonical:
            problems.append("quoted-printable %d" % n)
        uu_lines = ours("uu").split(b"\r\n")[:-1]
        blocks = [data[i:i + 45] for i in range(0, len(data), 45)]
        if [binascii.a2b_uu(line) for line in uu_lines] != blocks:
            problems.append("uuencode %d" % n)
        n += 1
    put(os.path.join(root, "result.txt"), "checked %d\n%s" % (n, "\n".join(problems)))


def bench(root):
    source = os.path.join(root, "input.bin")
    start = time.perf_counter()
    subprocess.run(["base64", source], stdout=subprocess.DEVNULL, check=True)
    put(os.path.join(root, "result.txt"), "%.6f\n" % (time.perf_counter() - start))


def main():
    mode, root = sys.argv[1], sys.argv[2]
    try:
        if mode == "smtp":
            asyncio.run(serve(root))
        elif mode == "codings":
            check_codings(root)
        elif mode == "bench":
            bench(root)
    except Exception as error:  # the test waits for a file: tell it why none comes
        put(os.path.join(root, "failed.txt"), repr(error))
        raise


main()
