"""Opens each page of pages.txt in headless Chromium and reads the document it
builds (--dump-dom): one list in the body; every post that went out is there,
its number, name and date alone in its dt and its body's text alone in its
dd, as read here from the thread log; a declared character set shows the
title as written; every link inside the page has its target; every picture's
address is an <img> in its link; every anchor holds its number only.
    python3 check-pages.py FOLDER"""
import html, html.parser, os, re, subprocess, sys

URL = r"[A-Za-z0-9\-._~:/?#\[\]@!$&'()*+,;=%]"
ADDRESS = re.compile(r"(?<![A-Za-z0-9])(https?://|ttps?://|tps?://)((?:(?!&gt;|&lt;|&quot;)" + URL + ")+)")
PICTURE = re.compile(r"\.(jpg|jpeg|png|gif|webp)$", re.I)


def text_of(markup):
    return " ".join(html.unescape(re.sub(r"<[^>]*>", "", markup.replace("<br>", " "))).split())


def without_pictures(body, found):
    """The body less its pictures' addresses outside markup, which go to found restored."""
    def take(m):
        if not PICTURE.search(re.split(r"[?#]", m.group(2))[0]):
            return m.group(0)
        found.append(html.unescape(("https://" if m.group(1).endswith("s://") else "http://") + m.group(2)))
        return ""
    parts = re.split(r"(<a[ >].*?</a>|<[^>]*>)", body, flags=re.I)
    return "".join(p if p.startswith("<") else ADDRESS.sub(take, p) for p in parts)


class Dom(html.parser.HTMLParser):
    """The elements of the document: tag, attributes, text inside, tags around."""
    def __init__(self):
        super().__init__()
        self.elements, self.open = [], []

    def handle_starttag(self, tag, attrs):
        self.elements.append({"tag": tag, "attrs": dict(attrs), "text": "", "in": [e["tag"] for e in self.open]})
        if tag == "br":
            self.handle_data(" ")
        elif tag not in ("img", "meta", "link"):
            self.open.append(self.elements[-1])

    def handle_endtag(self, tag):
        while self.open and self.open.pop()["tag"] != tag:
            pass

    def handle_data(self, data):
        for element in self.open:
            element["text"] += data

    def all(self, tag):
        return [e for e in self.elements if e["tag"] == tag]


def check(page, log, charset, links, numbers):
    folder = os.path.dirname(page)
    dump = subprocess.run(["chromium", "--headless", "--no-sandbox", "--disable-gpu", "--no-first-run",
                           "--disable-background-networking", "--disable-component-update", "--disable-sync",
                           "--blink-settings=imagesEnabled=false", "--user-data-dir=" + folder + "/chromium",
                           "--dump-dom", "file://" + page], capture_output=True, timeout=60,
                          env={"PATH": os.environ["PATH"], "HOME": folder, "LANG": "C"})
    dom = Dom()
    dom.feed(dump.stdout.decode("utf-8"))
    lines = open(log, "rb").read().decode("cp932").split("\n")
    title, faults = lines[0].split("<>")[4].strip(), []
    shown = [e["text"].strip() for e in dom.all("title")]
    if charset and shown != [title]:
        faults.append("title %s, not %s" % (shown, title))
    dts, dds = dom.all("dt"), dom.all("dd")
    if len(dts) != len(numbers) or len(dds) != len(numbers):
        faults.append("%d dt and %d dd for %d posts" % (len(dts), len(dds), len(numbers)))
    if [e["in"] for e in dom.all("dl")] != [["html", "body"]] or any(e["in"][-1:] != ["dl"] for e in dts + dds):
        faults.append("not one dl in the body holding every dt and dd: an element left open")
    pictures = [e["attrs"]["src"] for e in dom.all("img") if e["in"][-1:] == ["a"]]
    for n, dt, dd in zip(numbers, dts, dds):
        name, _, date, body = lines[n - 1].split("<>")[:4]
        found = []
        body = without_pictures(body, found) if links else body
        for shown, wanted in ((dt, "%d %s %s" % (n, text_of(name), text_of(date))), (dd, text_of(body))):
            if " ".join(shown["text"].split()) != " ".join(wanted.split()):
                faults.append("post %d: %s %r, not %r" % (n, shown["tag"], " ".join(shown["text"].split()), wanted))
        faults += ["post %d: no picture %s" % (n, p) for p in found if p not in pictures]
        pictures = [p for p in pictures if p not in found]
    faults += ["a picture of no address: " + p for p in pictures]
    targets = {e["attrs"].get(k) for e in dom.elements for k in ("name", "id")}
    for a in dom.all("a"):
        if a["attrs"].get("href", "").startswith("#") and a["attrs"]["href"][1:] not in targets:
            faults.append("link %s has no target" % a["attrs"]["href"])
        if "name" in a["attrs"] and a["text"].strip() != a["attrs"]["name"].lstrip("R"):
            faults.append("anchor %s holds %r" % (a["attrs"]["name"], a["text"][:40]))
    return faults


failed = 0
for line in open(os.path.join(sys.argv[1], "pages.txt")):
    page, log, charset, links, *numbers = line.split()
    faults = check(os.path.abspath(page), log, int(charset), links == "1", [int(n) for n in numbers])
    print(("FAIL " if faults else "ok   ") + os.path.basename(page) + "".join("\n    " + f for f in faults[:10]))
    failed += bool(faults)
sys.exit(1 if failed else 0)
