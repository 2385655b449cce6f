/* The page object: its state (set by the template), exercise settings, answers,
   steps and result. "page" is the global the template's replacements call. */

function VLMPage() {
  this.className = "page";
  this.name = "page";
  this.state = psNormal;
  this.isExam = false;
  this.props = {};
  this.events = {};
  this.created = false;
  this.attempts = 0;
  this.finished = false;
  this.result = null;
  this.currentStep = 0;
}

VLMPage.prototype = {
  fire: VLMObject.prototype.fire,

  // From the page record's snippet: its properties and event handlers.
  configure: function (props, events) {
    this.props = props || {};
    this.events = events || {};
    if (this.props.name) this.name = this.props.name;
    VLMObject.all[this.name] = this;
  },

  setIsExam: function (on) {
    this.isExam = !!on;
    this.state = psNormal;
  },

  isExercise: function () {
    return /^exercise$/i.test(String(this.props.type || ""));
  },

  feedbacksShown: function () {
    return !this.isExam && (this.props.feedbacksShow === undefined || VLM.bool(this.props.feedbacksShow));
  },

  tryCount: function () {
    return VLM.int(this.props.tryCount, 1);
  },

  create: function () {
    if (this.created) return;
    this.created = true;
    var c = VLM.container(), body = document.body;
    body.className += " vlm-state-" + this.state + (this.isExam ? " vlm-exam" : "");
    var bg = VLM.color(this.props.bgColor);
    if (bg && this.state !== psDesigning) body.style.backgroundColor = bg;
    if (this.props.height && this.state !== psDesigning) c.style.minHeight = VLM.px(this.props.height);
    this.label(c);
    for (var k = 0; k < VLMObject.list.length; k++) {
      if (VLMObject.list[k].pageBuilt) VLMObject.list[k].pageBuilt();
    }
    if (!VLM.interactive()) return;
    VLM.lmsCall("pageLoaded", this.info());
    if (VLM.bool(this.props.rememberAnswers === undefined ? "true" : this.props.rememberAnswers)) {
      this.restoreAnswers(VLM.lmsCall("loadAnswers", VLM.pageIndex));
    }
    VLM.fitPage();
    window.addEventListener("resize", function () { VLM.fitPage(); });
    for (var i = 0; i < VLMObject.list.length; i++) {
      if (VLMObject.list[i].pageCreated) VLMObject.list[i].pageCreated();
    }
    VLM.post("pageLoaded", { title: document.title, exercise: this.isExercise() });
    this.fire("onload");
  },

  // The page's content is its main landmark, named by the document's title, unless
  // the document marks its main part itself.
  label: function (c) {
    var main = document.querySelector("main, [role=main]");
    if (!main) {
      c.setAttribute("role", "main");
      main = c;
    }
    if (main === c && document.title && !c.getAttribute("aria-label")) c.setAttribute("aria-label", document.title);
  },

  free: function () {
    if (!this.created) return;
    this.created = false;
    if (VLM.interactive()) {
      this.fire("onunload");
      this.saveAnswers();
      VLM.lmsCall("pageUnloaded", this.info());
    }
    for (var i = 0; i < VLMObject.list.length; i++) VLMObject.list[i].free();
  },

  info: function () {
    return { pageIndex: VLM.pageIndex, name: this.name, exercise: this.isExercise(), exam: this.isExam };
  },

  answers: function () {
    var out = {}, qs = VLM.questions();
    for (var i = 0; i < qs.length; i++) out[qs[i].name] = qs[i].getAnswer();
    return out;
  },

  saveAnswers: function () {
    var text;
    try {
      text = JSON.stringify({ answers: this.answers(), attempts: this.attempts, finished: this.finished });
    } catch (e) {
      return;
    }
    VLM.lmsCall("saveAnswers", VLM.pageIndex, text);
  },

  restoreAnswers: function (text) {
    if (!text) return false;
    var data;
    try {
      data = JSON.parse(String(text));
    } catch (e) {
      return false;
    }
    if (!data || typeof data.answers !== "object") return false;
    for (var name in data.answers) {
      var q = VLMObject.all[name];
      if (q && q.isQuestion) q.setAnswer(data.answers[name]);
    }
    this.attempts = VLM.int(data.attempts, 0);
    if (data.finished) this.finish();
    return true;
  },

  answerChanged: function () {
    if (this.feedbacksShown()) VLM.hideFeedbacks("");
  },

  // Checks every answer of the page: counts the attempt, scores, shows feedback,
  // reports to the learning-management side.
  check: function () {
    if (this.finished) return this.result;
    var r = VLM.score(VLM.questions());
    this.attempts++;
    var tries = this.tryCount();
    var last = r.correct || (tries > 0 && this.attempts >= tries);
    var mastery = parseInt(this.props.masteryscore, 10);
    r.masteryScore = isNaN(mastery) ? r.maxScore : mastery;
    r.passed = r.maxScore > 0 ? r.score >= r.masteryScore : r.correct;
    r.attempts = this.attempts;
    r.finished = last;
    r.pageIndex = VLM.pageIndex;
    this.result = r;
    if (this.feedbacksShown()) {
      VLM.showFeedback("", r.correct ? "correct" : last ? "wrong" : "retry", r);
    }
    if (last) this.finish();
    this.saveAnswers();
    VLM.lmsCall("reportResult", r);
    VLM.post("pageResult", {
      score: r.score, maxScore: r.maxScore, masteryScore: r.masteryScore,
      passed: r.passed, correct: r.correct, attempts: r.attempts, finished: r.finished
    });
    this.fire(r.correct ? "oncorrect" : "onwrong");
    return r;
  },

  finish: function () {
    this.finished = true;
    var qs = VLM.questions();
    for (var i = 0; i < qs.length; i++) qs[i].setLocked(true);
  },

  reset: function () {
    this.finished = false;
    this.result = null;
    var qs = VLM.questions();
    for (var i = 0; i < qs.length; i++) qs[i].reset();
    VLM.hideFeedbacks("");
  },

  showQuestionFeedback: function (q, ok) {
    if (!this.feedbacksShown()) return;
    var r = VLM.score([q]);
    VLM.showFeedback(q.name, ok ? "correct" : "wrong", r);
  },

  goToPage: function (position) { return VLM.goToPage(position); },
  nextPage: function () { return VLM.nextPage(); },
  prevPage: function () { return VLM.prevPage(); },
  openUrl: function (url) { return VLM.openUrl(VLM.decodeParam(url)); },

  // Elements with a step number appear when their step is reached.
  launchStep: function (n) {
    this.currentStep = VLM.int(n, 0);
    for (var i = 0; i < VLMObject.list.length; i++) {
      var o = VLMObject.list[i];
      if (o.step === "" || isNaN(parseInt(o.step, 10))) continue;
      if (parseInt(o.step, 10) <= this.currentStep) o.show(); else o.hide();
    }
  },

  nextStep: function () {
    this.launchStep(this.currentStep + 1);
  }
};

function launchStep(n) {
  if (window.page) window.page.launchStep(n);
}

// Pages are designed in pixels and never drawn smaller than designed: a narrow or
// zoomed window scrolls the page instead, so text keeps growing with zoom.
VLM.fitPage = function () {
  var c = VLM.container(), w = 0;
  for (var i = 0; i < VLMObject.list.length; i++) {
    var p = VLMObject.list[i].props;
    w = Math.max(w, VLM.int(p.x, 0) + VLM.int(p.width, 0));
  }
  c.style.minWidth = w > 0 ? VLM.px(w) : "";
};

// After a page change the frame set asks the page to take the focus, so keyboard
// and screen reader users continue at the new page's content.
VLM.focusPage = function () {
  var c = VLM.container();
  var target = c.querySelector("h1") || c;
  if (!target.hasAttribute("tabindex")) target.setAttribute("tabindex", "-1");
  target.focus();
};

window.addEventListener("message", function (ev) {
  var m = ev.data;
  if (!m || m.protocol !== "vellumar-host" || ev.source !== window.parent || m.type !== "focus") return;
  VLM.focusPage();
});

var page = new VLMPage();
