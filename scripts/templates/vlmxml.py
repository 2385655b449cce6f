"""The pieces of the program's file formats that the data generators need:
the XML writer layout, property-value encodings, GUIDs, class defaults read
from the component definitions, and small PNG pictures."""
import re
import struct
import uuid
import xml.etree.ElementTree as ET
import zlib
from pathlib import Path

CRLF = "\r\n"

# cp1250 has no à è ê ù û ï ÿ œ æ: such letters are folded to their base letters.
FOLD = {"à": "a", "è": "e", "ê": "e", "ù": "u", "û": "u", "ï": "i", "ÿ": "y", "œ": "oe",
        "æ": "ae", "À": "A", "È": "E", "Ê": "E", "Ù": "U", "Û": "U", "Ï": "I", "Œ": "OE"}


def cp1250(text):
    return "".join(FOLD.get(c, c) for c in text).encode("cp1250")


class Node:
    def __init__(self, name, attrs=None, text="", cdata=False):
        self.name = name
        self.attrs = list(attrs or [])
        self.text = text
        self.cdata = cdata
        self.children = []

    def add(self, name, attrs=None, text="", cdata=False):
        child = Node(name, attrs, text, cdata)
        self.children.append(child)
        return child

    def get(self, name, default=""):
        for k, v in self.attrs:
            if k == name:
                return v
        return default

    def set(self, name, value):
        for i, (k, _) in enumerate(self.attrs):
            if k == name:
                self.attrs[i] = (k, value)
                return
        self.attrs.append((name, value))

    def to_xml(self, level=0):
        """The writer's layout: two spaces per level, " />" for empty nodes,
        CR LF line ends, no escaping."""
        indent = "  " * level
        out = indent + "<" + self.name
        for k, v in self.attrs:
            if any(c in v for c in '<>"'):
                raise ValueError(f"{self.name}.{k}: value {v!r} would break the markup")
            out += f' {k}="{v}"'
        if not self.children and not self.text:
            return out + " />" + CRLF
        out += ">" + CRLF
        if self.text:
            if self.cdata:
                out += indent + "  <![CDATA[" + self.text + "]]>" + CRLF
            else:
                if "<" in self.text:
                    raise ValueError(f"{self.name}: text {self.text!r} would break the markup")
                out += indent + "  " + self.text + CRLF
        for c in self.children:
            out += c.to_xml(level + 1)
        return out + indent + "</" + self.name + ">" + CRLF


def write_xml(path, node):
    path.parent.mkdir(parents=True, exist_ok=True)
    path.write_bytes(cp1250(node.to_xml(0)))


def write_text(path, text):
    """8-bit text with CR LF line ends."""
    path.parent.mkdir(parents=True, exist_ok=True)
    lines = text.replace("\r\n", "\n").split("\n")
    path.write_bytes(cp1250(CRLF.join(lines)))


def url_encode(text):
    """The property-value encoding of the page documents (bytes of cp1250)."""
    keep = set(b"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789*@._-$!'()")
    out = []
    for b in cp1250(text):
        if b in keep:
            out.append(chr(b))
        elif b == 0x20:
            out.append("+")
        else:
            out.append("%%%02X" % b)
    return "".join(out)


POLISH = set("ąćęłńóśźżĄĆĘŁŃÓŚŹŻ")


def text_to_entities(text):
    """Lexicon definitions: spaces, digits, ASCII letters and the 18 Polish
    letters stay; every other character becomes "&#0" + its cp1250 code + ";"."""
    out = []
    for ch in text.replace("\r\n", "\n").replace("\n", "\r\n"):
        if ch == " " or ("0" <= ch <= "9") or ("a" <= ch.lower() <= "z" and ch.isascii()) or ch in POLISH:
            out.append(ch)
        else:
            out.append("".join("&#0%d;" % b for b in cp1250(ch)))
    return "".join(out)


def guid(*parts):
    """A stable GUID in the registry form, so regenerated files do not change."""
    u = uuid.uuid5(uuid.NAMESPACE_URL, "vellumar:" + "/".join(parts))
    return "{" + str(u).upper() + "}"


def _norm(text):
    return re.sub(r"\s+", " ", (text or "").strip())


class Definitions:
    """The merged class definitions: configuration/definition.xml plus every
    component's definition.xml."""

    def __init__(self, data_dir):
        self.classes = []
        files = [data_dir / "configuration" / "definition.xml"]
        files += sorted((data_dir / "components").glob("*/definition.xml"))
        for f in files:
            root = ET.fromstring(f.read_bytes().decode("cp1250"))
            doc = root if root.tag == "document" else root.find(".//document")
            self.classes += [c for c in doc if c.tag == "class"]

    def find(self, name):
        for c in self.classes:
            if c.get("name") == name:
                return c
        return None

    def resolve(self, class_name, lang):
        """Default attributes of a new element, ancestors first."""
        cls = self.find(class_name)
        if cls is None:
            raise KeyError(f"unknown class {class_name}")
        attrs = Node(class_name)
        self._apply(cls, attrs, lang)
        return attrs

    def _apply(self, cls, target, lang):
        parent = cls.get("extends")
        if parent:
            for c in self.classes:
                if c.get("name") == parent:
                    self._apply(c, target, lang)
        for prop in cls.findall("property"):
            value = prop.get("defaultValue", "")
            for d in prop.iter("defaultValue"):
                if d.get("lang") == lang:
                    value = _norm(d.text)
            if "RESOURCE_PATH" in value:
                value = value.replace("RESOURCE_PATH", "..\\resources\\", 1)
                while "\\\\" in value:
                    value = value.replace("\\\\", "\\")
            target.set(prop.get("name"), value)

    def events(self, class_name):
        cls = self.find(class_name)
        return [(e.get("name"), _norm(e.findtext("code", ""))) for e in cls.iter("event")]

    def properties(self, class_name):
        """Names of the class's properties including inherited ones."""
        return [k for k, _ in self.resolve(class_name, "PL").attrs]


def png(width, height, pixel):
    """A truecolour PNG; pixel(x, y) gives (r, g, b)."""
    raw = bytearray()
    for y in range(height):
        raw.append(0)
        for x in range(width):
            raw.extend(pixel(x, y))

    def chunk(kind, data):
        c = kind + data
        return struct.pack(">I", len(data)) + c + struct.pack(">I", zlib.crc32(c) & 0xFFFFFFFF)

    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0))
            + chunk(b"IDAT", zlib.compress(bytes(raw), 9)) + chunk(b"IEND", b""))
