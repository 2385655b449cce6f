/* Drop-down selection question; "correctAnswer" is the text of the right item. */
VLMObject.define("combo", VLM.mix(VLM.Question, {
  render: function (root) {
    var p = this.props, self = this, sel = VLM.el("select", "", root);
    VLM.applyFont(sel, p);
    VLM.setName(sel, VLM.firstText(p.label, p.prompt));
    if (p.prompt) {
      var o = VLM.el("option", "", sel);
      o.value = "";
      o.textContent = p.prompt;
    }
    var items = VLM.splitItems(p.items);
    for (var i = 0; i < items.length; i++) {
      var opt = VLM.el("option", "", sel);
      opt.value = items[i];
      opt.textContent = items[i];
    }
    sel.onchange = function () { self.changed(); };
    this.select = sel;
  },
  same: function (a, b) {
    return String(a).replace(/^\s+|\s+$/g, "").toLowerCase() === String(b).replace(/^\s+|\s+$/g, "").toLowerCase();
  },
  isCorrect: function () {
    return this.select.value !== "" && this.same(this.select.value, this.props.correctAnswer);
  },
  getAnswer: function () { return this.select.value; },
  setAnswer: function (v) { this.select.value = String(v || ""); },
  resetAnswer: function () { this.select.selectedIndex = 0; },
  applyLock: function (on) { this.select.disabled = on; },
  setEnabled: function (on) {
    VLMObject.prototype.setEnabled.call(this, on);
    this.select.disabled = !on;
  }
}));
