/* Picture. */
VLMObject.define("image", {
  render: function (root) {
    var p = this.props, img = VLM.el("img", "", root);
    img.alt = p.alt || "";
    img.draggable = false;
    var fit = String(p.fit || "contain");
    img.style.objectFit = /^(contain|cover|fill|none)$/.test(fit) ? fit : "contain";
    var bw = VLM.int(p.borderWidth, 0);
    if (bw > 0) {
      root.style.border = bw + "px solid " + (VLM.color(p.borderColor) || "#000");
    }
    if (VLM.bool(p.cursor)) root.style.cursor = "pointer";
    this.img = img;
    this.setSource(p.src);
  },
  setSource: function (src) {
    var url = VLM.resolveSrc(src);
    if (url) this.img.src = url;
    else this.img.removeAttribute("src");
  },
  setImage: function (src) {
    this.setSource(VLM.decodeParam(src));
  }
});
