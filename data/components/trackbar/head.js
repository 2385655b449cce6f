/* Slider; "correctAnswer" is a value or a range "from-to". */
VLMObject.define("trackbar", VLM.mix(VLM.Question, {
  render: function (root) {
    var p = this.props, self = this, row = VLM.el("div", "vlm-track", root);
    var inp = VLM.el("input", "", row);
    inp.type = "range";
    VLM.setName(inp, VLM.firstText(p.label));
    inp.min = VLM.int(p.min, 0);
    inp.max = VLM.int(p.max, 100);
    inp.step = Math.max(1, VLM.int(p.increment, 1));
    inp.value = VLM.int(p.value, 50);
    var c = VLM.color(p.color);
    if (c) inp.style.accentColor = c;
    var out = VLM.el("span", "vlm-value", row);
    if (!VLM.bool(p.showValue === undefined ? "true" : p.showValue)) out.style.display = "none";
    inp.oninput = function () { self.showValue(); self.changed(); };
    this.input = inp;
    this.out = out;
    this.showValue();
  },
  showValue: function () { this.out.textContent = this.input.value; },
  range: function () {
    var m = /^\s*(-?\d+(?:\.\d+)?)\s*(?:-\s*(-?\d+(?:\.\d+)?))?\s*$/.exec(String(this.props.correctAnswer || ""));
    if (!m) return null;
    var a = parseFloat(m[1]), b = m[2] === undefined ? a : parseFloat(m[2]);
    return { from: Math.min(a, b), to: Math.max(a, b) };
  },
  isCorrect: function () {
    var r = this.range(), v = parseFloat(this.input.value);
    return !!r && v >= r.from && v <= r.to;
  },
  getAnswer: function () { return this.input.value; },
  setAnswer: function (v) { this.input.value = v; this.showValue(); },
  resetAnswer: function () { this.setAnswer(VLM.int(this.props.value, 50)); },
  setValue: function (v) { this.setAnswer(VLM.decodeParam(v)); this.changed(); },
  applyLock: function (on) { this.input.disabled = on; },
  setEnabled: function (on) {
    VLMObject.prototype.setEnabled.call(this, on);
    this.input.disabled = !on;
  }
}));
