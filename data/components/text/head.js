/* Rich text: the author's HTML. */
VLMObject.define("text", {
  render: function (root) {
    var p = this.props, inner = VLM.el("div", "vlm-inner", root);
    VLM.applyFont(inner, p);
    var align = String(p.align || "left");
    inner.style.textAlign = /^(left|center|right|justify)$/.test(align) ? align : "left";
    inner.style.padding = VLM.px(p.padding);
    inner.style.overflow = VLM.bool(p.scroll === undefined ? "true" : p.scroll) ? "auto" : "hidden";
    var bg = VLM.color(p.bgColor);
    if (bg) root.style.backgroundColor = bg;
    inner.innerHTML = p.text || "";
    this.inner = inner;
    this.scrollStop();
  },
  // A box that scrolls is a tab stop, so keys can scroll it.
  scrollStop: function () {
    var i = this.inner;
    if (i.style.overflow === "auto" && i.scrollHeight > i.clientHeight + 1) i.tabIndex = 0;
    else i.removeAttribute("tabindex");
  },
  pageBuilt: function () { this.scrollStop(); },
  setText: function (t) {
    this.inner.innerHTML = VLM.decodeParam(t);
    this.scrollStop();
  }
});
