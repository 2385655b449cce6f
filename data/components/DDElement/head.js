/* Draggable item; "correctAnswer" names the basket it belongs in. */
VLMObject.define("DDElement", VLM.mix(VLM.Question, {
  render: function (root) {
    var p = this.props;
    root.style.backgroundColor = VLM.color(p.bgColor) || "#fff";
    root.style.borderColor = VLM.color(p.borderColor) || "#7a8a99";
    VLM.applyFont(root, p);
    var cap = VLM.el("span", "vlm-caption", root);
    cap.textContent = p.caption || "";
    this.basket = null;
    this.home = { x: VLM.int(p.x, 0), y: VLM.int(p.y, 0) };
    VLM.makeDraggable(this);
    VLM.keyboardDraggable(this);
  },
  dropInto: function (basket, quiet) {
    if (this.basket) this.basket.remove(this);
    this.basket = null;
    if (basket && basket.accepts()) {
      this.basket = basket;
      basket.add(this);
      // Where the item lies is told with it.
      this.root.setAttribute("aria-describedby", basket.captionNode.id);
    } else {
      this.moveTo(this.home.x, this.home.y);
      this.root.removeAttribute("aria-describedby");
    }
    if (quiet) return;
    this.fire("ondrop");
    if (this.basket) this.basket.fire("ondrop");
    this.changed();
  },
  isCorrect: function () {
    return !!this.basket && this.basket.name === String(this.props.correctAnswer || "");
  },
  getAnswer: function () { return this.basket ? this.basket.name : ""; },
  setAnswer: function (v) {
    var b = VLMObject.all[String(v || "")];
    this.dropInto(b && b.className === "DDBasket" ? b : null, true);
  },
  resetAnswer: function () { this.dropInto(null, true); }
}));
