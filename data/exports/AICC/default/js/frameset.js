/* AICC frame set. Launched by an LMS (AICC_SID and AICC_URL in the address):
   - one unit per page (multi-SCO): the page named by "page=" is shown alone and
     its own script talks to the LMS; the exit button ends its session;
   - one unit for the course: the frame set holds the session, adds up the
     pages' results and keeps their answers in "[Core_Lesson]".
   Opened from disk without an LMS it is the offline frame set. */
(function () {
  "use strict";
  var multi = "*[AiccMulti]*" === "true";
  var cfg = VLMHost.config;
  var launch = VLMHacp.launchParams(window.location.search);
  if (launch.page) cfg.startPageId = launch.page;
  if (typeof window.VLMAiccProfile === "function") window.VLMAiccProfile(cfg, launch, multi);
  if (!launch.sid || !launch.url) return;

  function withLaunch(url) {
    return url + (url.indexOf("?") < 0 ? "?" : "&") + "aicc_sid=" + encodeURIComponent(launch.sid) +
      "&aicc_url=" + encodeURIComponent(launch.url);
  }

  if (multi) {
    cfg.singlePage = true;
    cfg.handshake = true;
    cfg.decorate = withLaunch;
    cfg.onExit = function (done) { done(); };
    return;
  }

  var session = new VLMHacp.Session(launch.url, launch.sid);
  var started = new Date().getTime();
  var results = {}, answers = {}, mastery = null, status = "", ended = false;

  function total() {
    var s = 0;
    for (var k in results) s += results[k].score;
    return s;
  }

  function courseStatus(atExit) {
    var keys = [], k;
    for (k in results) keys.push(k);
    if (!keys.length) return atExit ? "completed" : (status || "incomplete");
    var all = true, allFinished = true;
    for (var i = 0; i < keys.length; i++) {
      var r = results[keys[i]];
      if (!r.passed) all = false;
      if (!r.finished) allFinished = false;
    }
    if (mastery !== null) return total() >= mastery ? "passed" : allFinished ? "failed" : "incomplete";
    return all ? "passed" : allFinished ? "failed" : "incomplete";
  }

  function block(atExit) {
    var any = false;
    for (var k in results) { any = true; break; }
    return VLMHacp.coreBlock({ status: courseStatus(atExit), score: any ? total() : null,
      time: new Date().getTime() - started, lesson: JSON.stringify(answers) });
  }

  session.send("GetParam", "").then(function (r) {
    var d = VLMHacp.parseData(r.data);
    status = VLMHacp.normalStatus(d.core.lesson_status);
    var m = parseFloat(d.student_data.mastery_score);
    mastery = isNaN(m) ? null : m;
    try {
      var saved = d.core_lesson ? JSON.parse(d.core_lesson) : {};
      if (saved && typeof saved === "object") answers = saved;
    } catch (e) { answers = {}; }
    if (status === "" || status === "not attempted") status = "incomplete";
    session.send("PutParam", block(false));
  });

  cfg.onResult = function (m) {
    if (ended) return;
    results[String(m.pageIndex)] = { score: Math.max(0, Number(m.score) || 0), passed: !!m.passed, finished: !!m.finished };
    session.send("PutParam", block(false));
  };
  cfg.onAnswers = function (m) {
    try { answers[String(m.pageIndex)] = JSON.parse(m.text); } catch (e) { /* not ours */ }
  };
  cfg.onPageLoaded = function (m, win) {
    var a = answers[String(m.pageIndex)];
    if (a) VLMHost.post(win, { type: "restoreAnswers", pageIndex: m.pageIndex, text: JSON.stringify(a) });
  };
  cfg.onExit = function (done) {
    if (ended) return done();
    ended = true;
    session.send("PutParam", block(true)).then(function () { return session.send("ExitAU", ""); }).then(done, done);
  };
  window.addEventListener("unload", function () {
    if (ended) return;
    ended = true;
    session.beacon("PutParam", block(true));
    session.beacon("ExitAU", "");
  });
})();
