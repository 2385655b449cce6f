/* Shape. */
VLMObject.define("rectangle", {
  render: function (root) {
    var p = this.props, bw = VLM.int(p.borderWidth, 1);
    root.style.backgroundColor = VLM.color(p.bgColor);
    root.style.border = bw > 0 ? bw + "px solid " + (VLM.color(p.borderColor) || "#000") : "none";
    root.style.borderRadius = VLM.px(p.radius);
    var op = VLM.int(p.opacity, 100);
    root.style.opacity = Math.max(0, Math.min(100, op)) / 100;
  },
  setColor: function (c) {
    this.root.style.backgroundColor = VLM.color(VLM.decodeParam(c));
  }
});
