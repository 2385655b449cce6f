/* CMI adapter: lets an LMS launch the whole package as ONE unit. It opens one
   session with the LMS's run-time API (SCORM 1.2 "API" or SCORM 2004
   "API_1484_11", found in the parent frames or the opener) and offers the pages it
   shows a SCORM 1.2 "API" of its own. Each page keeps its own status and score
   here; the LMS gets the course's sum and status, one Initialize and one
   Finish/Terminate. See README.md. */
var VLMCmiAdapter = (function () {
  "use strict";

  var lms = null, kind = "", open = false, closed = false, started = new Date().getTime();
  var pages = {}, currentKey = "", lastError = "0", suspend = "", itemCount = 0;

  function find(win, name) {
    for (var d = 0; win && d < 8; d++) {
      try { if (win !== window && win[name]) return win[name]; } catch (e) { /* other origin */ }
      if (win.parent === win) break;
      win = win.parent;
    }
    return null;
  }

  function locate() {
    var w = window.parent !== window ? window.parent : null, api;
    var tries = [w, window.opener];
    for (var i = 0; i < tries.length; i++) {
      if (!tries[i]) continue;
      api = find(tries[i], "API_1484_11");
      if (api && typeof api.Initialize === "function") { kind = "2004"; return api; }
      api = find(tries[i], "API");
      if (api && typeof api.LMSInitialize === "function") { kind = "1.2"; return api; }
    }
    return null;
  }

  function lmsCall(name12, name2004, a, b) {
    if (!lms) return "";
    var fn = kind === "2004" ? name2004 : name12;
    try {
      var r = arguments.length > 3 ? lms[fn](a, b) : arguments.length > 2 ? lms[fn](a) : lms[fn]();
      return r === undefined || r === null ? "" : String(r);
    } catch (e) {
      return "";
    }
  }

  function lmsGet(el12, el2004) { return lmsCall("LMSGetValue", "GetValue", kind === "2004" ? el2004 : el12); }
  function lmsSet(el12, el2004, v) { return lmsCall("LMSSetValue", "SetValue", kind === "2004" ? el2004 : el12, String(v)); }

  function two(n) { return (n < 10 ? "0" : "") + n; }

  function sessionTime(ms) {
    var s = Math.max(0, Math.round(ms / 1000));
    if (kind === "2004") return "PT" + Math.floor(s / 3600) + "H" + (Math.floor(s / 60) % 60) + "M" + (s % 60) + "S";
    var h = String(Math.floor(s / 3600));
    while (h.length < 4) h = "0" + h;
    return h + ":" + two(Math.floor(s / 60) % 60) + ":" + two(s % 60);
  }

  // The pages' statuses travel in suspend_data next to their answers.
  function readSuspend() {
    var text = suspend;
    try {
      var data = text ? JSON.parse(text) : {};
      return data && typeof data === "object" ? data : {};
    } catch (e) {
      return {};
    }
  }

  function writeSuspend(text) {
    var data;
    try { data = text ? JSON.parse(text) : {}; } catch (e) { data = {}; }
    if (!data || typeof data !== "object") data = {};
    data._vlm = pages;
    suspend = JSON.stringify(data);
    lmsSet("cmi.suspend_data", "cmi.suspend_data", suspend);
  }

  function page(key) {
    if (!pages[key]) pages[key] = { status: "not attempted", raw: "", min: "", max: "" };
    return pages[key];
  }

  function courseStatus() {
    var scored = 0, passed = 0, failed = 0, done = 0, seen = 0;
    for (var k in pages) {
      var p = pages[k];
      if (p.status === "not attempted") continue;
      seen++;
      if (p.status === "passed") { passed++; scored++; }
      else if (p.status === "failed") { failed++; scored++; }
      if (p.status === "completed" || p.status === "passed" || p.status === "failed") done++;
    }
    if (failed) return "failed";
    if (scored && passed === scored && done === seen) return "passed";
    if (seen && done === seen && seen >= itemCount) return "completed";
    return "incomplete";
  }

  function report() {
    var raw = 0, max = 0, any = false;
    for (var k in pages) {
      var p = pages[k];
      if (p.raw === "") continue;
      any = true;
      raw += Number(p.raw) || 0;
      max += Number(p.max) || 0;
    }
    var status = courseStatus();
    if (kind === "2004") {
      lmsSet("", "cmi.completion_status", status === "incomplete" ? "incomplete" : "completed");
      lmsSet("", "cmi.success_status", status === "passed" ? "passed" : status === "failed" ? "failed" : "unknown");
    } else {
      lmsSet("cmi.core.lesson_status", "", status);
    }
    if (any) {
      lmsSet("cmi.core.score.min", "cmi.score.min", 0);
      lmsSet("cmi.core.score.max", "cmi.score.max", max);
      lmsSet("cmi.core.score.raw", "cmi.score.raw", raw);
      if (kind === "2004" && max > 0) lmsSet("", "cmi.score.scaled", Math.round(raw / max * 10000) / 10000);
    }
    writeSuspend(suspend);
    return status;
  }

  function start() {
    if (open || closed) return open;
    lms = locate();
    if (!lms) return false;
    open = lmsCall("LMSInitialize", "Initialize", "") === "true";
    if (!open) return false;
    suspend = lmsGet("cmi.suspend_data", "cmi.suspend_data");
    var saved = readSuspend()._vlm;
    if (saved && typeof saved === "object") pages = saved;
    return true;
  }

  function finish() {
    if (!open || closed) return;
    closed = true;
    var status = report();
    lmsSet("cmi.core.session_time", "cmi.session_time", sessionTime(new Date().getTime() - started));
    lmsSet("cmi.core.exit", "cmi.exit", status === "incomplete" ? "suspend" : "");
    lmsCall("LMSCommit", "Commit", "");
    lmsCall("LMSFinish", "Terminate", "");
  }

  // The SCORM 1.2 run-time the pages see.
  var pageApi = {
    LMSInitialize: function () { lastError = "0"; return start() ? "true" : "false"; },
    LMSFinish: function () { lastError = "0"; if (open) { report(); lmsCall("LMSCommit", "Commit", ""); } return "true"; },
    LMSCommit: function () { lastError = "0"; if (open) report(); return "true"; },
    LMSGetValue: function (el) {
      lastError = "0";
      var p = page(currentKey);
      switch (String(el)) {
        case "cmi.core.lesson_status": return p.status;
        case "cmi.core.score.raw": return p.raw;
        case "cmi.core.score.min": return p.min;
        case "cmi.core.score.max": return p.max;
        case "cmi.suspend_data": return suspend;
        case "cmi.core.entry": return p.status === "not attempted" ? "ab-initio" : "resume";
        case "cmi.student_data.mastery_score": return "";
        case "cmi.core.student_name": return lmsGet("cmi.core.student_name", "cmi.learner_name");
        case "cmi.core.student_id": return lmsGet("cmi.core.student_id", "cmi.learner_id");
        default:
          if (kind === "1.2") return lmsGet(el, "");
          lastError = "401";
          return "";
      }
    },
    LMSSetValue: function (el, value) {
      lastError = "0";
      var p = page(currentKey);
      value = String(value);
      switch (String(el)) {
        case "cmi.core.lesson_status":
          if (!/^(passed|completed|failed|incomplete|browsed|not attempted)$/.test(value)) { lastError = "405"; return "false"; }
          p.status = value; return "true";
        case "cmi.core.score.raw": p.raw = value; return "true";
        case "cmi.core.score.min": p.min = value; return "true";
        case "cmi.core.score.max": p.max = value; return "true";
        case "cmi.suspend_data": writeSuspend(value); return "true";
        case "cmi.core.session_time": case "cmi.core.exit": return "true"; // the adapter reports its own
        default:
          if (kind === "1.2") return lmsSet(el, "", value) || "false";
          lastError = "401";
          return "false";
      }
    },
    LMSGetLastError: function () { return lastError; },
    LMSGetErrorString: function (code) { return { "0": "No error", "401": "Not implemented error", "405": "Incorrect data type" }[String(code)] || ""; },
    LMSGetDiagnostic: function (code) { return this.LMSGetErrorString(code); }
  };

  window.API = pageApi;
  window.addEventListener("unload", finish);

  return {
    start: start,
    finish: finish,
    // The menu tells which page is shown; every page keeps its own status.
    select: function (key) { currentKey = String(key); },
    setItemCount: function (n) { itemCount = n; },
    pages: function () { return pages; },
    kind: function () { return kind; }
  };
})();
