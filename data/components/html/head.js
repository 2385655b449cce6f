/* An HTML document from the course resources, in a frame. */
VLMObject.define("html", {
  render: function (root) {
    var p = this.props, f = VLM.el("iframe", "", root);
    f.setAttribute("frameborder", "0");
    if (!VLM.bool(p.scrolling === undefined ? "true" : p.scrolling)) f.setAttribute("scrolling", "no");
    if (VLM.bool(p.border)) root.className += " vlm-bordered";
    var url = VLM.resolveSrc(p.src);
    if (url) f.src = url;
    // A frame is named by its label, else by the document's file name.
    f.title = VLM.firstText(p.label, String(p.src || "").split(/[\\\/]/).pop());
    this.frame = f;
  }
});
