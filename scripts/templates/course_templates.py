"""The course templates: an empty course, a short course with a quiz and a
course in chapters, in every language."""
import hashlib

import pictures
from course_texts import T
from pages import RIGHT, WRONG, PageBuilder
from vlmxml import CRLF, Node, cp1250, text_to_entities, write_xml

LANGS = ("PL", "EN", "DE", "FR")
STAMP = "id_261210100000%03d_261210100000%03d"


class Course:
    """A course tree: items in depth-first order with their pages."""

    def __init__(self, title, desc, export_lexicon=0):
        self.title, self.desc, self.export_lexicon = title, desc, export_lexicon
        self.items = [dict(name=title, parent=0, page=None, kind=-1)]
        self.resources = {}
        self.lexicon = {}

    def add(self, name, parent=1, page=None):
        self.items.append(dict(name=name, parent=parent, page=page, kind=0 if page else -1))
        return len(self.items)  # the new item's position (= its page number)

    def project_text(self):
        lines = ["[VELLUMAR]", "[COURSE_TITLE]", self.title, "[COURSE_VERSION]", "1.0",
                 "[VERSION]", "1.0", "[COURSE_RESOLUTION]", "0", "[EXPORT_LEXICON]",
                 str(self.export_lexicon), "[COURSE_DESC]", self.desc, "[COURSE_TREE]"]
        for pos, item in enumerate(self.items, 1):
            leaf = not any(i["parent"] == pos for i in self.items)
            lines += [item["name"], str(pos), str(pos), str(item["parent"]),
                      "true" if leaf else "false", "", STAMP % (pos, pos), str(item["kind"])]
        return CRLF.join(lines) + CRLF

    def write(self, folder, caption):
        folder.mkdir(parents=True)
        info = Node("info")
        info.add("caption", text=caption)
        write_xml(folder / "info.xml", info)
        (folder / "data.vlmproject").write_bytes(cp1250(self.project_text()))
        data = folder / "data"
        (data / "resources").mkdir(parents=True)
        for pos, item in enumerate(self.items, 1):
            if item["page"] is not None:
                write_xml(data / ("p%05d" % pos) / "_page.xmp", item["page"].doc)
        register = Node("resources", [("version", "1.0")])
        for name, content in sorted(self.resources.items()):
            (data / "resources" / name).write_bytes(content)
            digest = hashlib.new("ripemd160", content).hexdigest().upper()
            register.add("resource", [("fileName", name), ("fileSize", str(len(content))), ("hash", digest)])
        write_xml(data / "resources.xml", register)
        if self.lexicon:
            lines = ["[LEXICON]"] + [f"{k}={text_to_entities(v)}" for k, v in sorted(self.lexicon.items(), key=lambda kv: kv[0].lower())]
            (data / "lexicon.ini").write_bytes(cp1250(CRLF.join(lines) + CRLF + CRLF))


def _text(page, x, y, w, h, html):
    return page.element("text", x, y, w, h, text=html)


def _feedback(page, lang, x, y):
    """The windows an exercise page shows after the check."""
    page.element("feedback", x, y, 320, 120, kind="correct", text=RIGHT[lang])
    page.element("feedback", x, y, 320, 120, kind="wrong", text=WRONG[lang])


def _page(defs, lang, key, caption, page_type="Normal"):
    page = PageBuilder(defs, lang, key, page_type=page_type)
    page.describe(caption)
    return page


def empty_course(defs, lang):
    t = T[lang]
    course = Course(t["empty_title"], t["empty_desc"])
    # A picture for a title page; it also keeps the resources folder in the template.
    course.resources = {"banner.png": pictures.banner()}
    course.add(t["first_page"])
    return course


def short_course(defs, lang):
    t = T[lang]
    key = f"course/short/{lang}"
    course = Course(t["short_title"], t["short_desc"])
    course.resources = {"banner.png": pictures.banner(), "illustration.png": pictures.illustration(),
                        "summary.png": pictures.check_mark()}

    p = _page(defs, lang, key + "/title", t["p_title"])
    p.element("image", 0, 0, 800, 200, src="..\\resources\\banner.png", alt=t["short_title"])
    _text(p, 40, 230, 720, 140, t["title_html"])
    start = p.element("button", 40, 400, 200, 44, caption=t["start"])
    p.on(start, "onclick", p.page, "nextPage")
    course.add(t["p_title"], page=p)

    p = _page(defs, lang, key + "/intro", t["p_intro"])
    _text(p, 30, 30, 430, 460, t["intro_html"])
    p.element("image", 490, 60, 280, 210, src="..\\resources\\illustration.png")
    course.add(t["p_intro"], page=p)

    p = _page(defs, lang, key + "/points", t["p_points"])
    _text(p, 30, 30, 740, 460, t["points_html"])
    course.add(t["p_points"], page=p)

    p = _page(defs, lang, key + "/quiz", t["p_quiz"], page_type="Exercise")
    _text(p, 30, 30, 740, 100, t["quiz_html"])
    for i, answer in enumerate(t["quiz_answers"]):
        p.element("radiobutton", 60, 150 + 46 * i, 600, 34, caption=answer, group="q1",
                  correctAnswer="true" if i == 0 else "false")
    check = p.element("button", 60, 310, 220, 44, caption=t["check"])
    p.on(check, "onclick", p.page, "check")
    _feedback(p, lang, 440, 290)
    course.add(t["p_quiz"], page=p)

    p = _page(defs, lang, key + "/summary", t["p_summary"])
    p.element("image", 30, 40, 160, 160, src="..\\resources\\summary.png")
    _text(p, 220, 40, 550, 320, t["summary_html"])
    course.add(t["p_summary"], page=p)
    return course


def chapters_course(defs, lang):
    t = T[lang]
    key = f"course/chapters/{lang}"
    course = Course(t["chapters_title"], t["chapters_desc"], export_lexicon=1)
    course.resources = {"chapter.png": pictures.chapter(), "illustration.png": pictures.illustration()}
    course.lexicon = dict(t["lexicon"])
    for c in (1, 2):
        name = t["chapter"] % c
        p = _page(defs, lang, f"{key}/chapter{c}", name)
        p.element("image", 0, 0, 800, 120, src="..\\resources\\chapter.png")
        _text(p, 40, 150, 720, 300, t["chapter_html"] % c)
        chapter = course.add(name, page=p)
        for lesson in (1, 2):
            name = t["lesson"] % (c, lesson)
            p = _page(defs, lang, f"{key}/lesson{c}.{lesson}", name)
            _text(p, 30, 30, 460, 470, t["lesson_html"] % (c, lesson))
            p.element("image", 520, 60, 250, 190, src="..\\resources\\illustration.png")
            course.add(name, parent=chapter, page=p)

    p = _page(defs, lang, key + "/test", t["p_test"], page_type="Exercise")
    _text(p, 30, 20, 740, 90, t["test_html"])
    for i, (answer, right) in enumerate(t["test_answers"]):
        p.element("checkbox", 60, 115 + 40 * i, 600, 32, caption=answer, group="q1",
                  correctAnswer="true" if right else "false")
    _text(p, 30, 285, 740, 50, t["test_q2"])
    p.element("input", 60, 340, 200, 32, correctAnswer=t["test_q2_answer"], placeholder=t["test_q2_hint"])
    check = p.element("button", 60, 410, 220, 44, caption=t["check"])
    p.on(check, "onclick", p.page, "check")
    _feedback(p, lang, 440, 330)
    p.page.set("masteryscore", "20")  # both questions right: the choice group and the typed answer
    course.add(t["p_test"], page=p)

    p = _page(defs, lang, key + "/end", t["p_end"])
    _text(p, 30, 30, 740, 300, t["end_html"])
    course.add(t["p_end"], page=p)
    return course


TEMPLATES = (("01_empty", "empty_caption", empty_course),
             ("02_short", "short_caption", short_course),
             ("03_chapters", "chapters_caption", chapters_course))


def write_all(defs, root):
    count = 0
    for lang in LANGS:
        for folder, caption, build in TEMPLATES:
            build(defs, lang).write(root / lang / folder, T[lang][caption])
            count += 1
    return count
