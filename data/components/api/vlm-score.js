/* Questions and scoring. A question is any object with isQuestion set; questions
   sharing a non-empty "group" (check boxes and option buttons) form one unit that is
   right only when all of its members are right and counts the points of its first member. */

VLM.mix = function () {
  var out = {};
  for (var i = 0; i < arguments.length; i++) {
    var src = arguments[i];
    for (var k in src) out[k] = src[k];
  }
  return out;
};

VLM.Question = {
  isQuestion: true,
  locked: false,

  countsAsQuestion: function () {
    return this.hasAnswerKey();
  },

  hasAnswerKey: function () {
    return String(this.props.correctAnswer || "") !== "";
  },

  points: function () {
    return Math.max(0, VLM.int(this.props.points, 0));
  },

  groupKey: function () {
    var g = String(this.props.group || "");
    return g === "" ? "name:" + this.name : "group:" + this.className + ":" + g;
  },

  // Called by the class whenever the learner changes the answer.
  changed: function () {
    if (window.page) window.page.answerChanged(this);
    this.fire("onchange");
  },

  check: function () {
    var ok = this.isCorrect();
    if (window.page) window.page.showQuestionFeedback(this, ok);
    this.fire(ok ? "oncorrect" : "onwrong");
    return ok;
  },

  reset: function () {
    this.locked = false;
    this.resetAnswer();
    this.setLocked(false);
  },

  setLocked: function (on) {
    this.locked = on;
    if (this.applyLock) this.applyLock(on);
  }
};

VLM.questions = function () {
  var out = [];
  for (var i = 0; i < VLMObject.list.length; i++) {
    var o = VLMObject.list[i];
    if (o.isQuestion && o.countsAsQuestion()) out.push(o);
  }
  return out;
};

VLM.score = function (questions) {
  var units = [], byKey = {};
  for (var i = 0; i < questions.length; i++) {
    var q = questions[i], key = q.groupKey(), u = byKey[key];
    if (!u) {
      u = byKey[key] = { key: key, members: [], correct: true, points: q.points() };
      units.push(u);
    }
    u.members.push(q);
    if (!q.isCorrect()) u.correct = false;
  }
  var score = 0, max = 0, allRight = units.length > 0;
  for (var j = 0; j < units.length; j++) {
    max += units[j].points;
    if (units[j].correct) score += units[j].points;
    else allRight = false;
  }
  return { score: score, maxScore: max, correct: allRight, units: units };
};
