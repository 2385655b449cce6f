/* Window shown and hidden by actions; also the base of the answer-feedback window. */
VLM.WindowBox = {
  renderWindow: function (root, withTitle) {
    var p = this.props, self = this;
    var bg = VLM.color(p.bgColor);
    if (bg) root.style.backgroundColor = bg;
    VLM.applyFont(root, p);
    if (withTitle) {
      var t = VLM.el("div", "vlm-title", root);
      t.textContent = p.title || "";
      t.style.backgroundColor = VLM.color(p.titleColor) || "#2f6fb7";
    }
    this.body = VLM.el("div", "vlm-body", root);
    this.body.innerHTML = p.text || "";
    this.extra = VLM.el("div", "vlm-extra", this.body);
    var bar = VLM.el("div", "vlm-bar", root), b = VLM.el("button", "", bar);
    b.type = "button";
    // Without a caption from the course the button shows a close sign only.
    b.textContent = p.closeCaption || "\u00D7";
    b.onclick = function () { self.hide(); };
    this.closeButton = b;
    if (VLM.bool(p.modal)) {
      this.shade = VLM.el("div", "vlm-modal-shade");
      root.parentNode.insertBefore(this.shade, root);
    }
    root.style.zIndex = 500;
  },
  applyVisibility: function () {
    VLMObject.prototype.applyVisibility.call(this);
    if (this.shade) this.shade.style.visibility = this.root.style.visibility;
  },
  setText: function (t) {
    this.body.innerHTML = VLM.decodeParam(t);
    this.extra = VLM.el("div", "vlm-extra", this.body);
  }
};

VLMObject.define("popup", VLM.mix(VLM.WindowBox, {
  render: function (root) { this.renderWindow(root, true); }
}));
