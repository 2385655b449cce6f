/* Answer feedback: "feedback" elements of kind correct, wrong or retry, either for
   the whole page (empty "forObject") or for one question (its name). */

VLM.feedbacks = function (forName) {
  var out = [];
  for (var i = 0; i < VLMObject.list.length; i++) {
    var o = VLMObject.list[i];
    if (o.className === "feedback" && String(o.props.forObject || "") === forName) out.push(o);
  }
  return out;
};

VLM.hideFeedbacks = function (forName) {
  var list = VLM.feedbacks(forName);
  for (var i = 0; i < list.length; i++) list[i].hide();
};

// Shows the feedback of the given kind; "retry" falls back to "wrong" when the page has none.
VLM.showFeedback = function (forName, kind, result) {
  var list = VLM.feedbacks(forName), shown = null, i;
  VLM.hideFeedbacks(forName);
  var kinds = kind === "retry" ? ["retry", "wrong"] : [kind];
  for (var k = 0; k < kinds.length && !shown; k++) {
    for (i = 0; i < list.length; i++) {
      if (String(list[i].props.kind || "correct") === kinds[k]) {
        list[i].showResult(result);
        shown = list[i];
      }
    }
  }
  return shown;
};
