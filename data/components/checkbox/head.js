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
  // Options of one question are grouped under the question's label, so a screen
  // reader names the question when it enters the group. The group element has no
  // box of its own: the options stay placed on the page as designed.
  pageBuilt: function () {
    var g = String(this.props.group || ""), parent = this.root.parentNode;
    if (g === "" || !parent || parent.getAttribute("data-vlm-group") !== null) return;
    var members = [], label = "", i;
    for (i = 0; i < VLMObject.list.length; i++) {
      var o = VLMObject.list[i];
      if (o.className === this.className && String(o.props.group || "") === g) {
        members.push(o);
        label = label || VLM.firstText(o.props.label);
      }
    }
    var box = document.createElement("div");
    box.className = "vlm-choice-group";
    box.setAttribute("data-vlm-group", g);
    box.setAttribute("role", this.inputType === "radio" ? "radiogroup" : "group");
    if (label) {
      var legend = VLM.el("span", "vlm-sr", box);
      legend.id = VLM.uid("question");
      legend.textContent = label;
      box.setAttribute("aria-labelledby", legend.id);
    }
    parent.insertBefore(box, this.root);
    for (i = 0; i < members.length; i++) box.appendChild(members[i].root);
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
