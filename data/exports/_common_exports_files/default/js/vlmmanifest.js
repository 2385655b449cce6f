/* Course menu of a package (index.html of the SCORM and server packages): reads the
   package's imsmanifest.xml, lists its items as a tree and shows the chosen item in
   the "vlmcontent" frame. Pages ask for other pages by postMessage (position
   numbers count the items in manifest order, the course root being 1). */
var VLMManifest = (function () {
  "use strict";

  var items = [], current = -1, options = { manifest: "imsmanifest.xml", base: "", onOpen: null };

  function $(id) { return document.getElementById(id); }

  // The manifest is UTF-16 with a byte-order mark; other encodings are read as declared.
  function decode(buf) {
    var b = new Uint8Array(buf);
    if (b.length >= 2 && b[0] === 0xFF && b[1] === 0xFE) return new TextDecoder("utf-16le").decode(b.subarray(2));
    if (b.length >= 2 && b[0] === 0xFE && b[1] === 0xFF) return new TextDecoder("utf-16be").decode(b.subarray(2));
    return new TextDecoder("utf-8").decode(b);
  }

  function childrenNamed(node, name) {
    var out = [];
    for (var c = node.firstElementChild; c; c = c.nextElementSibling) if (c.localName === name) out.push(c);
    return out;
  }

  function parse(text) {
    var doc = new DOMParser().parseFromString(text.replace(/^\s*<\?xml[^>]*\?>/, ""), "application/xml");
    if (doc.getElementsByTagName("parsererror").length) throw new Error("imsmanifest.xml cannot be read");
    var hrefs = {}, res = doc.getElementsByTagNameNS("*", "resource");
    for (var i = 0; i < res.length; i++) hrefs[res[i].getAttribute("identifier")] = res[i].getAttribute("href") || "";
    var list = [], org = doc.getElementsByTagNameNS("*", "organization")[0];
    var walk = function (node, level, parent) {
      var ts = childrenNamed(node, "title"), ref = node.getAttribute("identifierref");
      var entry = { title: ts.length ? ts[0].textContent.replace(/^\s+|\s+$/g, "") : "", level: level, parent: parent,
        href: ref && hrefs[ref] !== undefined ? hrefs[ref] : "", chapter: false, identifier: node.getAttribute("identifier") || "" };
      var index = list.length;
      list.push(entry);
      var kids = childrenNamed(node, "item");
      entry.chapter = kids.length > 0;
      for (var k = 0; k < kids.length; k++) walk(kids[k], level + 1, index);
    };
    if (org) {
      var roots = childrenNamed(org, "item");
      for (var r = 0; r < roots.length; r++) walk(roots[r], 0, -1);
    }
    return list;
  }

  function step(from, dir) {
    for (var i = from + dir; i >= 0 && i < items.length; i += dir) if (items[i].href) return i;
    return -1;
  }

  function update() {
    var links = document.querySelectorAll("#vlmMenu a");
    for (var i = 0; i < links.length; i++) {
      var at = parseInt(links[i].getAttribute("data-index"), 10);
      links[i].className = "vlm-entry" + (at === current ? " vlm-current" : "");
      if (at === current) links[i].setAttribute("aria-current", "page"); else links[i].removeAttribute("aria-current");
    }
    if ($("vlmTitle")) $("vlmTitle").textContent = items[current] ? items[current].title : "";
    if ($("vlmPrev")) $("vlmPrev").disabled = step(current, -1) < 0;
    if ($("vlmNext")) $("vlmNext").disabled = step(current, 1) < 0;
  }

  // Screen readers hear the page change; the new page takes the focus once loaded.
  var moveFocus = false;
  function announce() {
    var status = $("vlmStatus");
    if (!status || !items[current]) return;
    var text = (status.getAttribute("data-page") || "") + " " + items[current].title;
    status.textContent = "";
    window.setTimeout(function () { status.textContent = text; }, 50);
  }

  // At narrow widths the menu covers the page while it is open.
  function narrow() {
    return window.matchMedia ? window.matchMedia("(max-width: 640px)").matches : false;
  }

  function menuShown() {
    var c = document.body.className;
    return narrow() ? /vlm-tree-open/.test(c) : !/vlm-tree-hidden/.test(c);
  }

  function setMenuShown(on) {
    var b = document.body, cls = narrow() ? "vlm-tree-open" : "vlm-tree-hidden", add = narrow() ? on : !on;
    b.className = b.className.replace(new RegExp("\\s*" + cls, "g"), "") + (add ? " " + cls : "");
    if ($("vlmToggleTree")) $("vlmToggleTree").setAttribute("aria-expanded", menuShown() ? "true" : "false");
  }

  function focusPage() {
    var f = $("vlmContentFrame");
    f.focus();
    f.contentWindow.postMessage({ protocol: "vellumar-host", version: 1, type: "focus" }, "*");
  }

  function open(i, byLearner) {
    if (i < 0 || i >= items.length || !items[i].href) return false;
    current = i;
    moveFocus = !!byLearner;
    if (byLearner) {
      if (narrow()) setMenuShown(false);
      window.setTimeout(announce, 0);
    }
    var url = options.base + items[i].href;
    if (options.onOpen) options.onOpen(items[i], i);
    $("vlmContentFrame").src = url;
    update();
    return true;
  }

  function render() {
    var menu = $("vlmMenu");
    menu.innerHTML = "";
    var lists = [menu];
    for (var i = 0; i < items.length; i++) {
      var e = items[i];
      lists.length = e.level + 1;
      var li = document.createElement("li");
      li.className = "vlm-item " + (e.chapter ? "vlm-chapter vlm-expanded" : "vlm-leaf");
      var a = document.createElement("a");
      a.className = "vlm-entry";
      a.textContent = e.title;
      a.setAttribute("data-index", String(i));
      if (e.href) {
        a.href = options.base + e.href;
        a.target = "vlmcontent";
        (function (index) { a.onclick = function () { open(index, true); return false; }; })(i);
      }
      li.appendChild(a);
      (lists[e.level] || menu).appendChild(li);
      if (e.chapter) {
        var ul = document.createElement("ul");
        li.appendChild(ul);
        lists.push(ul);
      }
    }
  }

  function fail(text) {
    var m = $("vlmMessage");
    if (m) { m.textContent = text; m.hidden = false; }
  }

  window.addEventListener("message", function (ev) {
    var m = ev.data, f = $("vlmContentFrame");
    if (!m || m.protocol !== "vellumar-page" || !f || ev.source !== f.contentWindow) return;
    if (m.type === "nextPage") open(step(current, 1), true);
    else if (m.type === "prevPage") open(step(current, -1), true);
    else if (m.type === "goToPage") open(parseInt(m.target, 10) - 1, true);
    else if (m.type === "openUrl" && /^https?:/i.test(String(m.url))) window.open(m.url, "_blank");
    else if (m.type === "openLexicon" && /^(https?|file):/i.test(String(m.url))) window.open(m.url, "vlmLexicon", "width=520,height=420,resizable=yes,scrollbars=yes");
    else if (m.type === "pageLoaded") {
      var i = parseInt(m.pageIndex, 10) - 1;
      if (i >= 0 && i < items.length && i !== current) { current = i; update(); }
      if (moveFocus) { moveFocus = false; focusPage(); }
    }
  });

  function start(opts) {
    for (var k in opts || {}) options[k] = opts[k];
    if ($("vlmPrev")) $("vlmPrev").onclick = function () { open(step(current, -1), true); };
    if ($("vlmNext")) $("vlmNext").onclick = function () { open(step(current, 1), true); };
    if ($("vlmToggleTree")) {
      $("vlmToggleTree").onclick = function () { setMenuShown(!menuShown()); };
      $("vlmToggleTree").setAttribute("aria-expanded", menuShown() ? "true" : "false");
    }
    if ($("vlmSkip")) $("vlmSkip").onclick = function (ev) { ev.preventDefault(); focusPage(); };
    return fetch(options.manifest).then(function (r) {
      if (!r.ok) throw new Error(options.manifest + ": " + r.status);
      return r.arrayBuffer();
    }).then(function (buf) {
      items = parse(decode(buf));
      render();
      if (items.length && items[0].title) document.title = items[0].title;
      open(step(-1, 1));
    }).catch(function (e) {
      var m = $("vlmMessage"), text = m ? m.getAttribute("data-unreadable") || "" : "";
      fail(text + " (" + String(e && e.message || e) + ").");
    });
  }

  return { start: start, open: open, items: function () { return items; }, current: function () { return current; }, parse: parse };
})();
