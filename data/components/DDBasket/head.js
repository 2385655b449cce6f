/* Drop basket of a drag-and-drop exercise. */
VLMObject.define("DDBasket", {
  render: function (root) {
    var p = this.props;
    root.style.backgroundColor = VLM.color(p.bgColor);
    root.style.borderColor = VLM.color(p.borderColor) || "#2f6fb7";
    var cap = VLM.el("div", "vlm-caption", root);
    VLM.applyFont(cap, p);
    cap.textContent = p.caption || "";
    cap.id = VLM.uid("basket");
    this.captionNode = cap;
    this.items = [];
    var self = this;
    root.addEventListener("keydown", function (e) {
      if (!self.target) return;
      if (VLM.isActivationKey(e)) {
        e.preventDefault();
        VLM.dropGrabbed(self);
      } else if (e.key === "Escape" || e.key === "Esc") {
        VLM.putDown(true);
      }
    });
  },
  // While an item is picked up by keyboard the basket is a button that drops it here.
  setTarget: function (on) {
    var r = this.root;
    this.target = on;
    if (on) {
      r.setAttribute("role", "button");
      r.tabIndex = 0;
      r.setAttribute("aria-labelledby", this.captionNode.id);
      r.className += " vlm-target";
    } else {
      r.removeAttribute("role");
      r.removeAttribute("tabindex");
      r.removeAttribute("aria-labelledby");
      r.className = r.className.replace(/ vlm-target/g, "");
    }
  },
  accepts: function () {
    var cap = VLM.int(this.props.capacity, 0);
    return cap <= 0 || this.items.length < cap;
  },
  add: function (item) {
    this.items.push(item);
    this.layout();
  },
  remove: function (item) {
    for (var i = 0; i < this.items.length; i++) {
      if (this.items[i] === item) this.items.splice(i, 1);
    }
    this.layout();
  },
  // Dropped items are stacked inside the basket, below its caption.
  layout: function () {
    var top = this.root.offsetTop + 30, left = this.root.offsetLeft;
    for (var i = 0; i < this.items.length; i++) {
      var r = this.items[i].root;
      r.style.left = left + Math.max(4, (this.root.offsetWidth - r.offsetWidth) / 2) + "px";
      r.style.top = top + "px";
      top += r.offsetHeight + 6;
    }
  },
  reset: function () {
    var list = this.items.slice(0);
    for (var i = 0; i < list.length; i++) list[i].reset();
  }
});
