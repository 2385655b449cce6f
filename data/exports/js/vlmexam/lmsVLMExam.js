/* Exam client of the server platform (SCORM 1.2 run-time API). The exam page
   shows no answer feedback and may come without its answer keys: the platform
   grades. So this client records every question's answer (cmi.interactions and
   cmi.suspend_data), marks the page "completed" once it is submitted, and writes a
   score only when the page could compute one. Runs without an LMS as a no-op. */
(function () {
  "use strict";

  var api = null, searched = false, started = false, finished = false, submitted = false;
  var startTime = new Date().getTime(), status = "", errors = [];

  function findIn(win) {
    for (var depth = 0; win && depth < 8; depth++) {
      try {
        if (win.API && typeof win.API.LMSInitialize !== "undefined") return win.API;
      } catch (e) { /* other origin */ }
      if (win.parent === win) break;
      win = win.parent;
    }
    return null;
  }

  function lms() {
    if (!searched) {
      searched = true;
      api = findIn(window);
      try { if (!api && window.opener) api = findIn(window.opener); } catch (e) { api = null; }
    }
    return api;
  }

  function call(name, a, b) {
    var l = lms();
    if (!l || typeof l[name] !== "function") return "";
    var r;
    try {
      r = arguments.length > 2 ? l[name](a, b) : arguments.length > 1 ? l[name](a) : l[name]();
    } catch (e) {
      errors.push({ call: name, element: a, code: "exception" });
      return "";
    }
    var code = "0";
    try { code = String(l.LMSGetLastError()); } catch (e2) { code = "0"; }
    if (code !== "0" && code !== "") errors.push({ call: name, element: a, code: code });
    return r === undefined || r === null ? "" : String(r);
  }

  function get(el) { return call("LMSGetValue", el); }
  function set(el, v) { return call("LMSSetValue", el, String(v)) === "true"; }

  function start() {
    if (started || finished) return started;
    if (!lms() || call("LMSInitialize", "") !== "true") return false;
    started = true;
    status = get("cmi.core.lesson_status");
    if (status === "" || status === "not attempted") {
      if (set("cmi.core.lesson_status", "incomplete")) status = "incomplete";
    }
    return true;
  }

  // Every question of the page, with or without an answer key.
  function questions() {
    var out = [], list = (window.VLMObject && window.VLMObject.list) || [];
    for (var i = 0; i < list.length; i++) if (list[i].isQuestion && typeof list[i].getAnswer === "function") out.push(list[i]);
    return out;
  }

  // A page whose answer blocks were removed cannot score itself.
  function hasKeys() {
    var qs = questions();
    for (var i = 0; i < qs.length; i++) {
      if (typeof qs[i].hasAnswerKey === "function" ? qs[i].hasAnswerKey() : String((qs[i].props || {}).correctAnswer || "") !== "") return true;
    }
    return false;
  }

  function collect() {
    var answers = {}, qs = questions();
    for (var i = 0; i < qs.length; i++) answers[qs[i].name] = qs[i].getAnswer();
    var p = window.page || {};
    return { answers: answers, attempts: p.attempts || 0, finished: !!p.finished };
  }

  function responseText(v) {
    if (v === null || v === undefined) return "";
    var s = typeof v === "object" ? JSON.stringify(v) : String(v);
    return s.length > 255 ? s.slice(0, 255) : s;
  }

  function store(pageIndex) {
    var data = {}, text = get("cmi.suspend_data");
    try { data = text ? JSON.parse(text) : {}; } catch (e) { data = {}; }
    if (!data || typeof data !== "object") data = {};
    data[String(pageIndex)] = collect();
    var out = JSON.stringify(data);
    if (out.length > 4096) {
      data = {};
      data[String(pageIndex)] = collect();
      out = JSON.stringify(data);
    }
    if (out.length <= 4096) set("cmi.suspend_data", out);
  }

  function journal() {
    var qs = questions(), n = parseInt(get("cmi.interactions._count"), 10);
    if (isNaN(n)) n = 0;
    for (var i = 0; i < qs.length; i++, n++) {
      var base = "cmi.interactions." + n + ".";
      set(base + "id", String(qs[i].name).replace(/[^A-Za-z0-9_\-.]/g, "_") || "q" + i);
      set(base + "type", "fill-in");
      set(base + "student_response", responseText(qs[i].getAnswer()));
    }
  }

  function finish() {
    if (!started || finished) return;
    finished = true;
    var ms = new Date().getTime() - startTime, s = Math.round(ms / 1000), h = String(Math.floor(s / 3600));
    while (h.length < 4) h = "0" + h;
    set("cmi.core.session_time", h + ":" + ("0" + Math.floor(s / 60) % 60).slice(-2) + ":" + ("0" + s % 60).slice(-2));
    set("cmi.core.exit", submitted || status === "completed" ? "" : "suspend");
    call("LMSCommit", "");
    call("LMSFinish", "");
  }

  window.VLMLms = {
    pageLoaded: function () { start(); },
    loadAnswers: function (pageIndex) {
      if (!start()) return null;
      var text = get("cmi.suspend_data");
      try {
        var data = text ? JSON.parse(text) : {}, v = data[String(pageIndex)];
        return v === undefined ? null : JSON.stringify(v);
      } catch (e) {
        return null;
      }
    },
    saveAnswers: function (pageIndex) {
      if (start() && !finished) store(pageIndex);
    },
    reportResult: function (r) {
      if (!start() || finished || !r) return;
      submitted = true;
      journal();
      if (Number(r.maxScore) > 0 && hasKeys()) {
        set("cmi.core.score.min", 0);
        set("cmi.core.score.max", Number(r.maxScore));
        set("cmi.core.score.raw", Math.max(0, Number(r.score) || 0));
      }
      if (set("cmi.core.lesson_status", "completed")) status = "completed";
      store(r.pageIndex);
      call("LMSCommit", "");
    },
    pageUnloaded: function () { finish(); },
    errors: errors
  };

  window.addEventListener("load", function () { window.addEventListener("unload", finish); });
})();
