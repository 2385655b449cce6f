"""Builds page documents the way the designer makes them: every element gets
its class defaults, a unique name, a GUID, the next "globalIndex" and one
"event" child per event of its class."""
from vlmxml import Node, guid, url_encode

# Properties whose values the HTML editors store URL-encoded.
ENCODED = {"text", "caption", "title", "correctAnswer", "alt", "placeholder", "tooltip",
           "closeCaption", "items", "prompt", "value"}
# Properties holding HTML.
HTML = {"text"}
DATE = "2026.12.10 10:00"
# Texts of the "wrong answer" feedback window of exercise pages.
WRONG = dict(PL="Niestety, to nie jest poprawna odpowiedź.", EN="Unfortunately, that is not the right answer.", DE="Leider ist das nicht die richtige Antwort.", FR="Dommage, ce n'est pas la bonne réponse.")
RIGHT = dict(PL="Dobrze! To poprawna odpowiedź.", EN="Well done! That is correct.",
             DE="Richtig! Das ist die richtige Antwort.", FR="Bravo ! C'est la bonne réponse.")
AUTHOR = "Orvanta"


def _html_entities(text):
    """Rich text is HTML: letters that cp1250 lacks (French è, à ...) become
    character references instead of being folded."""
    out = []
    for ch in text:
        try:
            ch.encode("cp1250")
            out.append(ch)
        except UnicodeEncodeError:
            out.append("&#%d;" % ord(ch))
    return "".join(out)


def stored(name, value):
    if name in HTML:
        value = _html_entities(value)
    return url_encode(value) if name in ENCODED else value


class PageBuilder:
    def __init__(self, defs, lang, key, height=550, page_type="Normal", name="page"):
        self.defs, self.lang, self.key = defs, lang, key
        self.doc = Node("document", [("id", guid(key, "document"))])
        self.info = self.doc.add("info")
        page = defs.resolve("page", lang)
        self.page = Node("page", page.attrs)
        self.page.set("id", guid(key, "page"))
        self.page.set("name", name)
        self.page.set("type", page_type)
        self.page.set("height", str(height))
        self._add_events(self.page, "page")
        self.doc.children.append(self.page)
        self.count = 0

    def describe(self, caption, description="", group="", icon=0):
        """The "info" of an ordinary page."""
        for name, text in (("caption", caption), ("author", AUTHOR), ("version", "1.0"),
                           ("description", description), ("group", group), ("date", DATE)):
            self.info.add(name, text=text)
        self.info.add("icon", [("index", str(icon))])

    def _add_events(self, node, cls):
        for name, code in self.defs.events(cls):
            if not any(c.name == "event" and c.get("name") == name for c in node.children):
                node.add("event", [("name", name)], text=code, cdata=True)

    def _unique(self, prefix):
        used = {c.get("name") for c in self.doc.children}
        n = 1
        while f"{prefix}{n}" in used:
            n += 1
        return f"{prefix}{n}"

    def element(self, cls, x, y, w=None, h=None, **props):
        node = self.defs.resolve(cls, self.lang)
        known = set(k for k, _ in node.attrs)
        node.set("name", self._unique(cls))
        node.set("id", guid(self.key, cls, str(self.count)))
        self.count += 1
        node.set("globalIndex", str(self.count))
        node.set("x", str(x))
        node.set("y", str(y))
        if w is not None:
            node.set("width", str(w))
        if h is not None:
            node.set("height", str(h))
        for k, v in props.items():
            if k not in known:
                raise KeyError(f"class {cls} has no property {k}")
            node.set(k, stored(k, v))
        self._add_events(node, cls)
        self.doc.children.append(node)
        return node

    def on(self, element, event, target, action, param=""):
        """Appends an action to one of the element's events."""
        definition = self.defs.find(action)
        takes = definition is not None and definition.get("param") == "true"
        ptype = definition.get("paramType", "") if definition is not None else ""
        for c in element.children:
            if c.name == "event" and c.get("name") == event:
                c.add("action", [("object", target.get("id")), ("name", action),
                                 ("param", "true" if takes else "false"), ("paramType", ptype)],
                      text=param)
                return
        raise KeyError(f"{element.name} has no event {event}")
