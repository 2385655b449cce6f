/* Choice question: "correctAnswer" is "true" when the option must be selected. */
VLM.ChoiceQuestion = VLM.mix(VLM.Question, {
  render: function (root) {
    var p = this.props, self = this, label = VLM.el("label", "", root);
    root.className += " vlm-choice";
    VLM.applyFont(label, p);
    var inp = VLM.el("input", "", label);
    inp.type = this.inputType;
    if (this.inputType === "radio") inp.name = "vlm-group-" + String(p.group || this.name);
    inp.checked = VLM.bool(p.checked);
    inp.onchange = function () { self.changed(); };
    var cap = VLM.el("span", "vlm-caption", label);
    cap.textContent = p.caption || "";
    this.input = inp;
    this.captionNode = cap;
  },
  countsAsQuestion: function () { return true; },
  isCorrect: function () { return this.input.checked === VLM.bool(this.props.correctAnswer); },
  getAnswer: function () { return this.input.checked; },
  setAnswer: function (v) { this.input.checked = v === true || VLM.bool(v); },
  resetAnswer: function () { this.input.checked = VLM.bool(this.props.checked); },
  setCaption: function (t) { this.captionNode.textContent = VLM.decodeParam(t); },
  applyLock: function (on) {
    this.input.disabled = on;
    if (on) this.root.className += " vlm-locked";
    else this.root.className = this.root.className.replace(/ vlm-locked/g, "");
  }
});

VLMObject.define("checkbox", VLM.mix(VLM.ChoiceQuestion, { inputType: "checkbox" }));
