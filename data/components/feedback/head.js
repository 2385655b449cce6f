/* Answer feedback; the window behaviour comes with the pop-up class (included). */
VLMObject.define("feedback", VLM.mix(VLM.WindowBox, {
  render: function (root) {
    var kind = String(this.props.kind || "correct");
    this.renderWindow(root, false);
    root.className += " vlm-kind-" + (/^(correct|wrong|retry)$/.test(kind) ? kind : "correct");
  },
  // result: the score of the page or of one question
  showResult: function (r) {
    this.extra.textContent = "";
    if (r && VLM.bool(this.props.showScore) && r.maxScore > 0) {
      var s = VLM.el("div", "vlm-score", this.extra);
      s.textContent = r.score + " / " + r.maxScore;
    }
    this.show();
  }
}));
