/* SCORM 1.2 run-time client of an exported page (or of lmsrequest.html).
   Finds the LMS "API" object in the parent frames or the opener, opens the session
   once, reports the page's status and score, keeps the remembered answers in
   cmi.suspend_data and closes the session once when the page is left.
   Without an LMS every call is a no-op, so the page runs offline unchanged. */
(function () {
  "use strict";

  var SUSPEND_LIMIT = 4096; // SCORM 1.2 limit of cmi.suspend_data

  var api = null, searched = false, started = false, finished = false;
  var startTime = new Date().getTime();
  var status = "", exercise = false, errors = [];

  function findIn(win) {
    for (var depth = 0; win && depth < 8; depth++) {
      try {
        if (win.API && typeof win.API.LMSInitialize !== "undefined") return win.API;
      } catch (e) { /* a frame of another origin: keep climbing */ }
      if (win.parent === win) break;
      win = win.parent;
    }
    return null;
  }

  function findApi() {
    if (searched) return api;
    searched = true;
    api = findIn(window);
    if (!api) {
      try {
        if (window.opener) api = findIn(window.opener);
      } catch (e) { api = null; }
    }
    return api;
  }

  // Every call is checked; a failure is recorded and the page goes on.
  function call(name, a, b) {
    var lms = findApi();
    if (!lms || typeof lms[name] !== "function") return "";
    var result;
    try {
      result = arguments.length > 2 ? lms[name](a, b) : arguments.length > 1 ? lms[name](a) : lms[name]();
    } catch (e) {
      errors.push({ call: name, element: a, code: "exception", text: String(e) });
      return "";
    }
    var code = "0";
    try { code = String(lms.LMSGetLastError()); } catch (e2) { code = "0"; }
    if (code !== "0" && code !== "") {
      var text = "";
      try { text = String(lms.LMSGetErrorString(code)); } catch (e3) { text = ""; }
      errors.push({ call: name, element: a, code: code, text: text });
    }
    return result === undefined || result === null ? "" : String(result);
  }

  function get(el) { return call("LMSGetValue", el); }
  function set(el, v) { return call("LMSSetValue", el, String(v)) === "true"; }

  function start() {
    if (started || finished) return started;
    if (!findApi()) return false;
    if (call("LMSInitialize", "") !== "true") return false;
    started = true;
    status = get("cmi.core.lesson_status");
    if (status === "" || status === "not attempted") setStatus("incomplete");
    return true;
  }

  function setStatus(s) {
    if (set("cmi.core.lesson_status", s)) status = s;
  }

  function two(n) { return (n < 10 ? "0" : "") + n; }

  // CMITimespan: HHHH:MM:SS.SS
  function timespan(ms) {
    var cs = Math.max(0, Math.round(ms / 10));
    var h = Math.floor(cs / 360000), m = Math.floor(cs / 6000) % 60, s = Math.floor(cs / 100) % 60, f = cs % 100;
    var hh = String(Math.min(h, 9999));
    while (hh.length < 4) hh = "0" + hh;
    return hh + ":" + two(m) + ":" + two(s) + "." + two(f);
  }

  function readSuspend() {
    var text = get("cmi.suspend_data");
    if (!text) return {};
    try {
      var data = JSON.parse(text);
      return data && typeof data === "object" ? data : {};
    } catch (e) {
      return {};
    }
  }

  // The store keys the answers by page position, so a package whose SCO holds
  // several pages (a frame set, a CMI adapter) keeps each page's answers apart.
  function writeSuspend(key, text) {
    var store = readSuspend(), value;
    try { value = JSON.parse(text); } catch (e) { return; }
    store[key] = value;
    var out = JSON.stringify(store);
    if (out.length > SUSPEND_LIMIT) {
      store = {};
      store[key] = value;
      out = JSON.stringify(store);
      if (out.length > SUSPEND_LIMIT) return;
    }
    set("cmi.suspend_data", out);
  }

  function masteryFromLms() {
    var m = parseFloat(get("cmi.student_data.mastery_score"));
    return isNaN(m) ? null : m;
  }

  function finish() {
    if (!started || finished) return;
    finished = true;
    set("cmi.core.session_time", timespan(new Date().getTime() - startTime));
    set("cmi.core.exit", status === "incomplete" ? "suspend" : "");
    call("LMSCommit", "");
    call("LMSFinish", "");
  }

  window.VLMLms = {
    pageLoaded: function (info) {
      exercise = !!(info && info.exercise);
      if (!start()) return;
      if (!exercise && status !== "passed" && status !== "failed") setStatus("completed");
    },

    loadAnswers: function (pageIndex) {
      if (!start()) return null;
      var store = readSuspend(), value = store[String(pageIndex)];
      return value === undefined ? null : JSON.stringify(value);
    },

    saveAnswers: function (pageIndex, text) {
      if (!start() || finished) return;
      writeSuspend(String(pageIndex), text);
    },

    reportResult: function (r) {
      if (!start() || finished || !r) return;
      var max = Math.max(0, Number(r.maxScore) || 0), score = Math.max(0, Number(r.score) || 0);
      set("cmi.core.score.min", 0);
      set("cmi.core.score.max", max);
      set("cmi.core.score.raw", score);
      var mastery = masteryFromLms(), passed = mastery === null ? !!r.passed : score >= mastery;
      if (passed) setStatus("passed");
      else if (r.finished) setStatus("failed");
      call("LMSCommit", "");
    },

    pageUnloaded: function () {
      finish();
    },

    // For diagnostics: what the LMS refused.
    errors: errors
  };

  // A page without the page runtime (lmsrequest.html) is complete once shown.
  // The closing listener is added at load so it runs after the page's own
  // onunload handler has saved the answers.
  window.addEventListener("load", function () {
    if (typeof window.VLM === "undefined" && start() && status === "incomplete") setStatus("completed");
    window.addEventListener("unload", finish);
  });
})();
