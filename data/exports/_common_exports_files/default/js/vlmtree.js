/* The navigation tree of the course frame set (ds_tree.html). The export writes one
   addTreePage(...) call per course item; this script draws them as a nested list of
   links with expandable chapters (a chapter's toggle is a button named by the
   chapter and says whether it is open); the arrow keys move between the visible
   links, Right and Left open and close chapters. A click asks the frame set (by postMessage) to open the
   entry; opened on its own, the entry's link opens in the "vlmcontent" frame. */
var VLMTree = (function () {
  "use strict";

  var entries = [], currentIndex = -1, nodes = [];

  function host() {
    return window.parent && window.parent !== window ? window.parent : null;
  }

  function send(msg) {
    var h = host();
    if (!h) return false;
    msg.protocol = "vellumar-tree";
    msg.version = 1;
    h.postMessage(msg, "*");
    return true;
  }

  function plain() {
    var out = [];
    for (var i = 0; i < entries.length; i++) {
      var e = entries[i];
      out.push({ chapter: e.chapter, title: e.title, address: e.address, level: e.level, pageId: e.pageId, sequence: e.sequence });
    }
    return out;
  }

  function setExpanded(i, on) {
    var n = nodes[i];
    if (!n || !n.children) return;
    n.item.className = n.item.className.replace(/\s*vlm-(expanded|collapsed)/g, "") + (on ? " vlm-expanded" : " vlm-collapsed");
    n.toggle.setAttribute("aria-expanded", on ? "true" : "false");
    n.children.hidden = !on;
  }

  function isExpanded(i) {
    return nodes[i] && nodes[i].children && !nodes[i].children.hidden;
  }

  function markCurrent(i) {
    if (nodes[currentIndex]) {
      nodes[currentIndex].link.className = "vlm-entry";
      nodes[currentIndex].link.removeAttribute("aria-current");
    }
    currentIndex = i;
    var n = nodes[i];
    if (!n) return;
    n.link.className = "vlm-entry vlm-current";
    n.link.setAttribute("aria-current", "page");
    // Open the chapters above the current entry.
    for (var p = n.parent; p >= 0; p = nodes[p].parent) setExpanded(p, true);
    if (n.link.scrollIntoView) n.link.scrollIntoView({ block: "nearest" });
  }

  function visible(i) {
    for (var p = nodes[i].parent; p >= 0; p = nodes[p].parent) if (!isExpanded(p)) return false;
    return true;
  }

  function focusNext(from, dir) {
    for (var i = from + dir; i >= 0 && i < nodes.length; i += dir) {
      if (visible(i)) { nodes[i].link.focus(); return true; }
    }
    return false;
  }

  // Keys on a link; true when the key was used.
  function onKey(i, key) {
    var n = nodes[i];
    switch (key) {
      case "ArrowDown": return focusNext(i, 1);
      case "ArrowUp": return focusNext(i, -1);
      case "Home": return focusNext(-1, 1);
      case "End": return focusNext(nodes.length, -1);
      case "ArrowRight":
        if (!n.children) return false;
        if (!isExpanded(i)) setExpanded(i, true); else focusNext(i, 1);
        return true;
      case "ArrowLeft":
        if (n.children && isExpanded(i)) { setExpanded(i, false); return true; }
        if (n.parent >= 0) { nodes[n.parent].link.focus(); return true; }
        return false;
    }
    return false;
  }

  function build() {
    var root = document.getElementById("vlmTree") || document.body.appendChild(document.createElement("ul"));
    root.id = "vlmTree";
    root.className = "vlm-tree";
    var lists = [root], parents = [-1];
    for (var i = 0; i < entries.length; i++) {
      var e = entries[i], level = Math.max(0, Math.min(e.level, lists.length - 1));
      lists.length = level + 1;
      parents.length = level + 1;
      var li = document.createElement("li");
      li.className = "vlm-item vlm-level-" + level + (e.chapter ? " vlm-chapter" : " vlm-leaf");
      var toggle = document.createElement("button");
      toggle.type = "button";
      toggle.className = "vlm-toggle";
      if (e.chapter) toggle.setAttribute("aria-label", e.title);
      else toggle.hidden = true;
      li.appendChild(toggle);
      var a = document.createElement("a");
      a.className = "vlm-entry";
      a.href = String(e.address).replace(/&amp;/g, "&");
      a.target = "vlmcontent";
      a.textContent = e.title;
      a.setAttribute("data-index", String(i));
      li.appendChild(a);
      lists[level].appendChild(li);
      var node = { item: li, link: a, toggle: toggle, children: null, parent: parents[level] };
      if (e.chapter) {
        var ul = document.createElement("ul");
        li.appendChild(ul);
        node.children = ul;
        lists.push(ul);
        parents.push(i);
      }
      nodes.push(node);
      (function (index) {
        a.onclick = function (ev) {
          if (send({ type: "open", index: index })) {
            if (ev && ev.preventDefault) ev.preventDefault();
            return false;
          }
          markCurrent(index);
          return true;
        };
        toggle.onclick = function () { setExpanded(index, !isExpanded(index)); };
        a.onkeydown = function (ev) { if (onKey(index, ev.key) && ev.preventDefault) ev.preventDefault(); };
      })(i);
      if (e.chapter) setExpanded(i, level === 0);
    }
  }

  window.addEventListener("message", function (ev) {
    var m = ev.data;
    if (!m || m.protocol !== "vellumar-host" || ev.source !== host()) return;
    if (m.type === "getTree") send({ type: "tree", entries: plain() });
    else if (m.type === "current") markCurrent(parseInt(m.index, 10));
    else if (m.type === "expandAll" || m.type === "collapseAll") {
      for (var i = 0; i < nodes.length; i++) setExpanded(i, m.type === "expandAll");
    }
  });

  return {
    add: function (chapter, title, address, level, extra, pageId, flag, sequence) {
      entries.push({ chapter: !!chapter, title: String(title), address: String(address), level: parseInt(level, 10) || 0,
        pageId: parseInt(pageId, 10), sequence: parseInt(sequence, 10) });
    },
    start: function () {
      build();
      send({ type: "tree", entries: plain() });
    },
    expand: setExpanded,
    entries: function () { return entries; }
  };
})();

function addTreePage(chapter, title, address, level, extra, pageId, flag, sequence) {
  VLMTree.add(chapter, title, address, level, extra, pageId, flag, sequence);
}
