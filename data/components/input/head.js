/* Typed answer; "correctAnswer" may list accepted answers separated by "|". */
VLMObject.define("input", VLM.mix(VLM.Question, {
  render: function (root) {
    var p = this.props, self = this, inp = VLM.el("input", "", root);
    inp.type = "text";
    inp.value = p.value || "";
    if (p.placeholder) inp.placeholder = p.placeholder;
    VLM.setName(inp, VLM.firstText(p.label));
    VLM.applyFont(inp, p);
    inp.oninput = function () { self.changed(); };
    this.input = inp;
  },
  normalize: function (v) {
    v = String(v).replace(/\s+/g, " ").replace(/^ | $/g, "");
    return VLM.bool(this.props.caseSensitive) ? v : v.toLowerCase();
  },
  isCorrect: function () {
    var given = this.normalize(this.input.value), ok = VLM.splitItems(this.props.correctAnswer);
    for (var i = 0; i < ok.length; i++) {
      if (this.normalize(ok[i]) === given) return true;
    }
    return false;
  },
  getAnswer: function () { return this.input.value; },
  setAnswer: function (v) { this.input.value = String(v === undefined || v === null ? "" : v); },
  resetAnswer: function () { this.input.value = this.props.value || ""; },
  setValue: function (v) { this.input.value = VLM.decodeParam(v); this.changed(); },
  applyLock: function (on) { this.input.readOnly = on; },
  setEnabled: function (on) {
    VLMObject.prototype.setEnabled.call(this, on);
    this.input.disabled = !on;
  }
}));
