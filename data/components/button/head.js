/* Button with a caption or a picture. */
VLMObject.define("button", {
  render: function (root) {
    var p = this.props, b = VLM.el("button", "", root);
    b.type = "button";
    VLM.applyFont(b, p);
    var bg = VLM.color(p.bgColor);
    if (bg) b.style.backgroundColor = bg;
    b.style.borderRadius = VLM.px(p.radius);
    if (p.tooltip) b.title = p.tooltip;
    this.button = b;
    this.setCaptionText(p.caption || "");
    this.setPicture(p.buttonSrc);
  },
  setCaptionText: function (t) {
    this.button.textContent = t;
    this.nameButton();
  },
  // A picture without caption is named by its alternative text.
  nameButton: function () {
    var b = this.button;
    VLM.setName(b, VLM.firstText(b.textContent) ? "" : VLM.firstText(this.props.alt, this.props.tooltip));
  },
  setPicture: function (src) {
    var url = VLM.resolveSrc(src);
    if (url) {
      this.button.style.backgroundImage = VLM.cssUrl(url);
      this.button.className = "vlm-picture";
    } else {
      this.button.style.backgroundImage = "";
      this.button.className = "";
    }
  },
  setCaption: function (t) {
    this.setCaptionText(VLM.decodeParam(t));
  },
  setImage: function (src) {
    this.setPicture(VLM.decodeParam(src));
  },
  setEnabled: function (on) {
    VLMObject.prototype.setEnabled.call(this, on);
    this.button.disabled = !on;
  }
});
