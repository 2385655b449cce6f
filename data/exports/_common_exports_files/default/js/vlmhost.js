/* The course frame set (index.html of the offline and AICC layouts): a tree frame
   (ds_tree.html), a content frame and a navigation bar. Opened from file:// each
   frame is its own origin, so the frames are never scripted: the tree and the pages
   send messages (postMessage) and the host answers with messages or by setting the
   address of its own frames. */
var VLMHost = (function () {
  "use strict";

  var HOST = "vellumar-host", PAGE = "vellumar-page", TREE = "vellumar-tree", LMS = "vellumar-lms";
  var entries = [], current = -1, started = false, leaving = null;
  var session = false; // the shown page has an LMS session of its own (it said "ready")
  var moveFocus = false; // the learner changed the page: the new page takes the focus
  var config = {
    startPageId: null,     // page id to show first (AICC web launch "page=")
    singlePage: false,     // only the start page: no tree, no walking (an LMS launched one unit)
    decorate: null,        // function (url, entry) -> url: adds launch parameters for the pages
    handshake: false,      // ask the page to close its LMS session before it is replaced
    onResult: null,        // function (message): exercise results of the pages
    onAnswers: null,       // function (message): answers a page wants kept
    onPageLoaded: null,    // function (message, frameWindow)
    onExit: null           // function (done): the exit button; null hides it
  };

  function $(id) { return document.getElementById(id); }

  function post(win, msg) {
    if (!win) return;
    msg.protocol = HOST;
    msg.version = 1;
    win.postMessage(msg, "*");
  }

  function contentWindow() { var f = $("vlmContentFrame"); return f ? f.contentWindow : null; }
  function treeWindow() { var f = $("vlmTreeFrame"); return f ? f.contentWindow : null; }

  // Addresses come from a script, where "&amp;" stays as written.
  function address(entry) {
    var url = String(entry.address || "").replace(/&amp;/g, "&");
    if (url === "") url = "ds_blank.html";
    return config.decorate ? config.decorate(url, entry) : url;
  }

  function isBlank(entry) {
    return /src=(\.\.%2F)?(ds_)?blank\.html$/i.test(String(entry.address || ""));
  }

  // Position numbers of the course count the root as 1; the tree lists the root
  // only when it is the whole course (page id 1).
  function indexOfPosition(pos) {
    pos = parseInt(pos, 10);
    if (isNaN(pos)) return -1;
    if (entries.length === 1 && entries[0].pageId === 1) return pos === 1 ? 0 : -1;
    var i = pos - 2;
    return i >= 0 && i < entries.length ? i : -1;
  }

  function step(from, dir) {
    for (var i = from + dir; i >= 0 && i < entries.length; i += dir) {
      if (!isBlank(entries[i])) return i;
    }
    return -1;
  }

  function update() {
    var e = entries[current];
    var title = $("vlmTitle");
    if (title) title.textContent = e ? e.title : "";
    var counter = $("vlmCounter");
    if (counter) {
      var n = 0, at = 0;
      for (var i = 0; i < entries.length; i++) {
        if (isBlank(entries[i])) continue;
        n++;
        if (i <= current) at = n;
      }
      counter.textContent = n ? at + " / " + n : "";
    }
    if ($("vlmPrev")) $("vlmPrev").disabled = step(current, -1) < 0;
    if ($("vlmNext")) $("vlmNext").disabled = step(current, 1) < 0;
    post(treeWindow(), { type: "current", index: current });
  }

  // Screen readers hear the page change: its number and title in the status region.
  function announce() {
    var status = $("vlmStatus"), e = entries[current], counter = $("vlmCounter");
    if (!status || !e) return;
    var words = [status.getAttribute("data-page") || "", counter ? counter.textContent : "", e.title];
    status.textContent = "";
    window.setTimeout(function () { status.textContent = words.join(" ").replace(/^\s+|\s+$/g, ""); }, 50);
  }

  function focusPage() {
    var f = $("vlmContentFrame");
    if (!f) return;
    f.focus();
    post(contentWindow(), { type: "focus" });
  }

  // At narrow widths (a small window or a large zoom) the tree covers the page
  // while it is open; the button opens and closes it.
  function narrow() {
    return window.matchMedia ? window.matchMedia("(max-width: 640px)").matches : false;
  }

  function treeShown() {
    var c = document.body.className;
    return narrow() ? /vlm-tree-open/.test(c) : !/vlm-tree-hidden/.test(c);
  }

  function setTreeShown(on) {
    var b = document.body, cls = narrow() ? "vlm-tree-open" : "vlm-tree-hidden", add = narrow() ? on : !on;
    b.className = b.className.replace(new RegExp("\\s*" + cls, "g"), "") + (add ? " " + cls : "");
    var button = $("vlmToggleTree");
    if (button) button.setAttribute("aria-expanded", treeShown() ? "true" : "false");
  }

  function navigate(url) {
    var f = $("vlmContentFrame");
    if (!f) return;
    var go = function () { leaving = null; session = false; f.src = url; };
    if (!config.handshake || !session) return go();
    // Let the page close its LMS session first; do not wait forever.
    leaving = { go: go, timer: window.setTimeout(go, 3000) };
    post(contentWindow(), { type: "leave" });
  }

  function open(i, byLearner) {
    if (i < 0 || i >= entries.length) return false;
    if (config.singlePage && started && i !== current) return false;
    current = i;
    started = true;
    moveFocus = !!byLearner;
    navigate(address(entries[i]));
    update();
    if (byLearner) {
      if (narrow()) setTreeShown(false);
      announce();
    }
    return true;
  }

  function startIndex() {
    if (config.startPageId !== null) {
      for (var i = 0; i < entries.length; i++) if (String(entries[i].pageId) === String(config.startPageId)) return i;
    }
    return isBlank(entries[0] || {}) ? step(0, 1) : 0;
  }

  function requestUrl(type, target) {
    return "pages/lmsrequest/lmsrequest.html?type=" + type + "&src=" + encodeURIComponent(target);
  }

  function safeUrl(url) {
    url = String(url || "");
    return /^(https?|file):/i.test(url) ? url : "";
  }

  function showLexicon(url, key) {
    url = safeUrl(url);
    if (!url) return;
    var panel = $("vlmLexicon");
    if (!panel) return;
    var caption = $("vlmLexiconKey");
    if (caption) caption.textContent = key ? String(key) : "";
    panel.hidden = false;
    document.body.className += /vlm-lexicon-open/.test(document.body.className) ? "" : " vlm-lexicon-open";
    $("vlmLexiconFrame").src = url;
  }

  function hideLexicon() {
    var panel = $("vlmLexicon");
    if (panel) panel.hidden = true;
    document.body.className = document.body.className.replace(/\s*vlm-lexicon-open/g, "");
  }

  function onPageMessage(m, source) {
    switch (m.type) {
      case "pageLoaded":
        var i = indexOfPosition(m.pageIndex);
        if (i >= 0 && i !== current && !config.singlePage) { current = i; update(); }
        if (moveFocus) { moveFocus = false; focusPage(); }
        if (config.onPageLoaded) config.onPageLoaded(m, source);
        break;
      case "goToPage": open(indexOfPosition(m.target), true); break;
      case "nextPage": open(step(current, 1), true); break;
      case "prevPage": open(step(current, -1), true); break;
      case "openUrl":
        var url = safeUrl(m.url);
        if (url && !config.singlePage) navigate(requestUrl("http", url));
        break;
      case "openLexicon": showLexicon(m.url, m.key); break;
      case "pageResult": if (config.onResult) config.onResult(m); break;
    }
  }

  function onMessage(ev) {
    var m = ev.data;
    if (!m || typeof m !== "object") return;
    if (m.protocol === TREE && ev.source === treeWindow()) {
      if (m.type === "tree" && m.entries && m.entries.length !== undefined) {
        entries = m.entries;
        if (!started) open(startIndex()); else update();
      } else if (m.type === "open") {
        open(parseInt(m.index, 10), true);
      }
    } else if (m.protocol === PAGE && ev.source === contentWindow()) {
      onPageMessage(m, ev.source);
    } else if (m.protocol === LMS && ev.source === contentWindow()) {
      if (m.type === "ready") session = true;
      else if (m.type === "left" && leaving) { window.clearTimeout(leaving.timer); leaving.go(); }
      else if (m.type === "saveAnswers" && config.onAnswers) config.onAnswers(m);
    }
  }

  function toggleTree() {
    setTreeShown(!treeShown());
  }

  function init() {
    if (config.singlePage) document.body.className += " vlm-single-page";
    if ($("vlmPrev")) $("vlmPrev").onclick = function () { open(step(current, -1), true); };
    if ($("vlmNext")) $("vlmNext").onclick = function () { open(step(current, 1), true); };
    if ($("vlmToggleTree")) {
      $("vlmToggleTree").onclick = toggleTree;
      $("vlmToggleTree").setAttribute("aria-expanded", treeShown() ? "true" : "false");
    }
    if ($("vlmSkip")) $("vlmSkip").onclick = function (ev) { ev.preventDefault(); focusPage(); };
    if ($("vlmLexiconClose")) $("vlmLexiconClose").onclick = hideLexicon;
    var exit = $("vlmExit");
    if (exit) {
      exit.hidden = !config.onExit;
      exit.onclick = function () {
        exit.disabled = true;
        var finish = function () {
          started = true;
          config.singlePage = true;
          $("vlmContentFrame").src = "ds_blank.html";
          document.body.className += " vlm-finished";
        };
        if (config.handshake && session) {
          leaving = { go: finish, timer: window.setTimeout(finish, 3000) };
          post(contentWindow(), { type: "leave" });
        } else {
          config.onExit(finish);
        }
      };
    }
    var tree = $("vlmTreeFrame");
    if (tree) tree.addEventListener("load", function () { post(treeWindow(), { type: "getTree" }); });
  }

  window.addEventListener("message", onMessage);
  if (document.readyState === "loading") document.addEventListener("DOMContentLoaded", init);
  else init();

  // Launch parameters of the host's own address, names compared without case.
  function query(name) {
    var parts = window.location.search.replace(/^\?/, "").split("&");
    for (var i = 0; i < parts.length; i++) {
      var eq = parts[i].indexOf("=");
      var key = eq < 0 ? parts[i] : parts[i].slice(0, eq);
      if (key.toLowerCase() === name.toLowerCase()) {
        try { return decodeURIComponent((eq < 0 ? "" : parts[i].slice(eq + 1)).replace(/\+/g, " ")); } catch (e) { return ""; }
      }
    }
    return null;
  }

  return {
    config: config,
    query: query,
    open: open,
    entries: function () { return entries; },
    current: function () { return current; },
    post: post,
    indexOfPosition: indexOfPosition
  };
})();
