/* Window shown and hidden by actions; also the base of the answer-feedback window.
   A shown window takes the keyboard focus and gives it back to the control that
   had it when the window closes (Escape closes it too); feedback is an alert dialog,
   so screen readers read it out as it appears. */
VLM.WindowBox = {
  renderWindow: function (root, withTitle) {
    var p = this.props, self = this;
    root.setAttribute("role", this.className === "feedback" ? "alertdialog" : "dialog");
    root.tabIndex = -1;
    var bg = VLM.color(p.bgColor);
    if (bg) root.style.backgroundColor = bg;
    VLM.applyFont(root, p);
    if (withTitle) {
      var t = VLM.el("div", "vlm-title", root);
      t.textContent = p.title || "";
      t.style.backgroundColor = VLM.color(p.titleColor) || "#2f6fb7";
      t.id = VLM.uid("title");
      if (VLM.firstText(p.title)) root.setAttribute("aria-labelledby", t.id);
    }
    this.body = VLM.el("div", "vlm-body", root);
    this.body.id = VLM.uid("body");
    if (!root.getAttribute("aria-labelledby")) root.setAttribute("aria-labelledby", this.body.id);
    else root.setAttribute("aria-describedby", this.body.id);
    this.body.innerHTML = p.text || "";
    this.extra = VLM.el("div", "vlm-extra", this.body);
    var bar = VLM.el("div", "vlm-bar", root), b = VLM.el("button", "", bar);
    b.type = "button";
    // Without a caption from the course the button shows a close sign only.
    b.textContent = p.closeCaption || "\u00D7";
    b.onclick = function () { self.hide(); };
    this.closeButton = b;
    root.addEventListener("keydown", function (e) {
      if (e.key === "Escape" || e.key === "Esc") { e.preventDefault(); self.hide(); }
    });
    if (VLM.bool(p.modal)) {
      root.setAttribute("aria-modal", "true");
      this.shade = VLM.el("div", "vlm-modal-shade");
      root.parentNode.insertBefore(this.shade, root);
    }
    root.style.zIndex = 500;
  },
  show: function () {
    var was = this.visible;
    VLMObject.prototype.show.call(this);
    if (was || !this.visible || !VLM.interactive()) return;
    var active = document.activeElement;
    this.opener = active && active !== document.body && !this.root.contains(active) ? active : null;
    this.closeButton.focus();
  },
  hide: function () {
    var was = this.visible, active = document.activeElement;
    var hadFocus = this.root.contains(active) || !active || active === document.body;
    VLMObject.prototype.hide.call(this);
    var back = this.opener;
    this.opener = null;
    if (was && hadFocus && back && document.body.contains(back) && VLM.interactive()) back.focus();
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
