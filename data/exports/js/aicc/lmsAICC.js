/* AICC HACP client. In an exported page it reads AICC_SID and AICC_URL from the
   page's launch address, asks the LMS for the unit's data (GetParam), reports the
   "[Core]" block (PutParam: lesson status, score, time; the remembered answers as
   "[Core_Lesson]") and ends the session (ExitAU) when the page is left. A page shown
   by the frame set of a one-unit course has no launch data: it hands its answers to
   the frame set, which owns that session. Loaded by the frame set itself
   (window.VLMHost exists), it only provides VLMHacp. */
var VLMHacp = (function () {
  "use strict";

  function enc(s) {
    return encodeURIComponent(String(s)).replace(/%20/g, "+");
  }

  function launchParams(search) {
    var out = {}, parts = String(search || "").replace(/^\?/, "").split("&");
    for (var i = 0; i < parts.length; i++) {
      var eq = parts[i].indexOf("=");
      if (eq < 0) continue;
      var key = parts[i].slice(0, eq).replace(/^amp;/i, "").toLowerCase(), value;
      try { value = decodeURIComponent(parts[i].slice(eq + 1).replace(/\+/g, " ")); } catch (e) { value = ""; }
      if (!(key in out)) out[key] = value;
    }
    return { sid: out.aicc_sid || "", url: out.aicc_url || "", page: out.page || "" };
  }

  // HACP answers are "name=value" lines; aicc_data runs to the end of the text.
  function parseResponse(text) {
    var r = { error: "", errorText: "", data: "" };
    var lines = String(text || "").split(/\r\n|\n|\r/);
    for (var i = 0; i < lines.length; i++) {
      var eq = lines[i].indexOf("=");
      if (eq < 0) continue;
      var key = lines[i].slice(0, eq).replace(/^\s+|\s+$/g, "").toLowerCase();
      var value = lines[i].slice(eq + 1);
      if (key === "error") r.error = value.replace(/\s+/g, "");
      else if (key === "error_text") r.errorText = value;
      else if (key === "aicc_data") { r.data = [value].concat(lines.slice(i + 1)).join("\r\n"); break; }
    }
    return r;
  }

  // Sections of aicc_data; keys lower case. Free-text sections ([Core_Lesson]) keep their text.
  function parseData(text) {
    var out = { core: {}, student_data: {}, core_lesson: "" }, section = "", free = [];
    var lines = String(text || "").split(/\r\n|\n|\r/);
    for (var i = 0; i < lines.length; i++) {
      var line = lines[i], m = /^\s*\[([^\]]+)\]\s*$/.exec(line);
      if (m) { section = m[1].toLowerCase(); continue; }
      if (section === "core_lesson") { free.push(line); continue; }
      var eq = line.indexOf("=");
      if (eq < 0 || !section) continue;
      if (!out[section]) out[section] = {};
      out[section][line.slice(0, eq).replace(/^\s+|\s+$/g, "").toLowerCase()] = line.slice(eq + 1).replace(/^\s+|\s+$/g, "");
    }
    out.core_lesson = free.join("\r\n").replace(/^\s+|\s+$/g, "");
    return out;
  }

  var STATUS = { p: "passed", c: "completed", f: "failed", i: "incomplete", b: "browsed", n: "not attempted" };

  function normalStatus(s) {
    s = String(s || "").replace(/^\s+/, "").split(",")[0].toLowerCase();
    if (s === "") return "";
    return STATUS[s.charAt(0)] || s;
  }

  function two(n) { return (n < 10 ? "0" : "") + n; }

  function timespan(ms) {
    var s = Math.max(0, Math.round(ms / 1000));
    return two(Math.min(9999, Math.floor(s / 3600))) + ":" + two(Math.floor(s / 60) % 60) + ":" + two(s % 60);
  }

  function coreBlock(state) {
    return "[Core]\r\n" +
      "Lesson_Location=" + (state.location || "") + "\r\n" +
      "Lesson_Status=" + (state.status || "incomplete") + "\r\n" +
      "Score=" + (state.score === null || state.score === undefined ? "" : state.score) + "\r\n" +
      "Time=" + timespan(state.time || 0) + "\r\n" +
      "[Core_Lesson]\r\n" + (state.lesson || "") + "\r\n";
  }

  // One HACP session; commands go out one after another.
  function Session(url, sid) {
    this.url = url;
    this.sid = sid;
    this.queue = Promise.resolve();
    this.blind = false; // the LMS gives no CORS answer: send without reading replies
    this.log = [];
  }

  Session.prototype.body = function (command, data) {
    return "command=" + enc(command) + "&version=2.2&session_id=" + enc(this.sid) + "&aicc_data=" + enc(data || "");
  };

  Session.prototype.send = function (command, data) {
    var self = this, body = this.body(command, data);
    this.queue = this.queue.then(function () {
      var opts = { method: "POST", headers: { "Content-Type": "application/x-www-form-urlencoded" }, body: body };
      if (self.blind) opts.mode = "no-cors";
      return fetch(self.url, opts).then(function (res) {
        return self.blind ? "" : res.text();
      }).then(function (text) {
        var r = parseResponse(text);
        self.log.push({ command: command, error: r.error });
        return r;
      }, function (e) {
        // A cross-origin LMS without CORS still receives what we send.
        self.blind = true;
        self.log.push({ command: command, error: "network", text: String(e) });
        return { error: "network", errorText: String(e), data: "" };
      });
    });
    return this.queue;
  };

  // For a page that is going away: the browser delivers these after unload.
  Session.prototype.beacon = function (command, data) {
    var body = this.body(command, data);
    try {
      if (navigator.sendBeacon && navigator.sendBeacon(this.url, new Blob([body], { type: "application/x-www-form-urlencoded" }))) return;
    } catch (e) { /* fall through */ }
    try {
      fetch(this.url, { method: "POST", headers: { "Content-Type": "application/x-www-form-urlencoded" }, body: body, keepalive: true, mode: "no-cors" });
    } catch (e2) { /* nothing more to do */ }
  };

  return {
    Session: Session, launchParams: launchParams, parseResponse: parseResponse, parseData: parseData,
    coreBlock: coreBlock, normalStatus: normalStatus, timespan: timespan
  };
})();

(function () {
  "use strict";
  if (typeof window.VLMHost !== "undefined") return; // the frame set's own copy

  var inHost = window.parent && window.parent !== window;
  var params = VLMHacp.launchParams(window.location.search);
  var hasRuntime = typeof window.VLM !== "undefined";

  function postHost(msg) {
    if (!inHost) return;
    msg.protocol = "vellumar-lms";
    msg.version = 1;
    window.parent.postMessage(msg, "*");
  }

  function saveNow() {
    if (window.page && window.page.created && typeof window.page.saveAnswers === "function") window.page.saveAnswers();
  }

  if (!params.sid || !params.url) {
    if (!inHost || !hasRuntime) return; // offline page: nothing to report
    // The frame set owns the course's session: hand over answers, take them back.
    window.VLMLms = {
      saveAnswers: function (pageIndex, text) { postHost({ type: "saveAnswers", pageIndex: pageIndex, text: text }); }
    };
    window.addEventListener("message", function (ev) {
      var m = ev.data;
      if (!m || m.protocol !== "vellumar-host" || ev.source !== window.parent) return;
      if (m.type === "restoreAnswers" && window.page && m.text) window.page.restoreAnswers(m.text);
      else if (m.type === "leave") { saveNow(); postHost({ type: "left" }); }
    });
    return;
  }

  var session = new VLMHacp.Session(params.url, params.sid);
  var started = new Date().getTime();
  var state = { status: "", score: null, lesson: "", location: "", time: 0 };
  var got = false, created = false, exercise = false, initialSent = false, ended = false, restored = false;

  function put() {
    state.time = new Date().getTime() - started;
    return session.send("PutParam", VLMHacp.coreBlock(state));
  }

  function initial() {
    if (!got || !created || initialSent) return;
    initialSent = true;
    var s = state.status;
    if (s === "" || s === "not attempted") state.status = exercise ? "incomplete" : "completed";
    else if (!exercise && (s === "incomplete" || s === "browsed")) state.status = "completed";
    put();
  }

  function restore() {
    if (restored || !got || !created || !state.lesson || !window.page) return;
    restored = true;
    var p = window.page.props || {};
    if (String(p.rememberAnswers) !== "false") window.page.restoreAnswers(state.lesson);
  }

  function finish() {
    if (ended) return Promise.resolve();
    ended = true;
    return put().then(function () { return session.send("ExitAU", ""); });
  }

  postHost({ type: "ready" });
  session.send("GetParam", "").then(function (r) {
    var d = VLMHacp.parseData(r.data);
    state.status = VLMHacp.normalStatus(d.core.lesson_status);
    state.location = d.core.lesson_location || "";
    state.lesson = d.core_lesson;
    got = true;
    restore();
    initial();
  });

  window.VLMLms = {
    pageLoaded: function (info) {
      exercise = !!(info && info.exercise);
      created = true;
      restore();
      initial();
    },
    loadAnswers: function () { return got && state.lesson ? state.lesson : null; },
    saveAnswers: function (pageIndex, text) { if (!ended) state.lesson = String(text || ""); },
    reportResult: function (r) {
      if (ended || !r) return;
      state.score = Math.max(0, Number(r.score) || 0);
      if (r.passed) state.status = "passed";
      else if (r.finished) state.status = "failed";
      put();
    },
    session: session
  };

  if (!hasRuntime) {
    // lmsrequest.html: a document or address, complete once shown.
    window.addEventListener("load", function () { created = true; initial(); });
  }

  window.addEventListener("message", function (ev) {
    var m = ev.data;
    if (!m || m.protocol !== "vellumar-host" || ev.source !== window.parent) return;
    if (m.type === "leave") {
      saveNow();
      finish().then(function () { postHost({ type: "left" }); });
    }
  });

  // Left without the frame set asking first (window closed): last data by beacon.
  window.addEventListener("load", function () {
    window.addEventListener("unload", function () {
      if (ended) return;
      ended = true;
      state.time = new Date().getTime() - started;
      session.beacon("PutParam", VLMHacp.coreBlock(state));
      session.beacon("ExitAU", "");
    });
  });
})();
