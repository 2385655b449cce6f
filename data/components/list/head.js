/* List selection question; with "multiple" the right items are listed in "correctAnswer" separated by "|". */
VLMObject.define("list", VLM.mix(VLM.Question, {
  render: function (root) {
    var p = this.props, self = this, sel = VLM.el("select", "", root);
    VLM.applyFont(sel, p);
    sel.multiple = VLM.bool(p.multiple);
    VLM.setName(sel, VLM.firstText(p.label));
    var items = VLM.splitItems(p.items);
    sel.size = Math.max(2, items.length);
    for (var i = 0; i < items.length; i++) {
      var opt = VLM.el("option", "", sel);
      opt.value = items[i];
      opt.textContent = items[i];
    }
    sel.onchange = function () { self.changed(); };
    this.select = sel;
  },
  selected: function () {
    var out = [];
    for (var i = 0; i < this.select.options.length; i++) {
      if (this.select.options[i].selected) out.push(this.select.options[i].value.toLowerCase());
    }
    return out.sort();
  },
  isCorrect: function () {
    var want = VLM.splitItems(this.props.correctAnswer), got = this.selected();
    for (var i = 0; i < want.length; i++) want[i] = want[i].toLowerCase();
    want.sort();
    return want.length > 0 && want.join("|") === got.join("|");
  },
  getAnswer: function () { return this.selected(); },
  setAnswer: function (v) {
    var list = v instanceof Array ? v : [String(v || "")];
    for (var i = 0; i < this.select.options.length; i++) {
      var o = this.select.options[i];
      o.selected = false;
      for (var j = 0; j < list.length; j++) {
        if (String(list[j]).toLowerCase() === o.value.toLowerCase()) o.selected = true;
      }
    }
  },
  resetAnswer: function () { this.setAnswer([]); },
  applyLock: function (on) { this.select.disabled = on; },
  setEnabled: function (on) {
    VLMObject.prototype.setEnabled.call(this, on);
    this.select.disabled = !on;
  }
}));
