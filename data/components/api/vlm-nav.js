/* Requests to the host frame set. Exported pages are often opened from file://, where
   a page cannot script its parent, so everything goes through postMessage; the host's
   answer is not needed. See README.md for the messages. */

VLM.PROTOCOL = "vellumar-page";
VLM.requests = [];

VLM.hasHost = function () {
  try {
    return window.parent && window.parent !== window;
  } catch (e) {
    return false;
  }
};

VLM.post = function (type, data) {
  var msg = { protocol: VLM.PROTOCOL, version: 1, type: type, pageIndex: VLM.pageIndex };
  for (var k in data || {}) msg[k] = data[k];
  VLM.requests.push(msg);
  var delivered = false;
  if (VLM.hasHost()) {
    window.parent.postMessage(msg, "*");
    delivered = true;
  }
  if (window.opener && !window.opener.closed && window.opener !== window) {
    try {
      window.opener.postMessage(msg, "*");
      delivered = true;
    } catch (e) { /* opener gone */ }
  }
  var ev;
  try {
    ev = new CustomEvent("vlmrequest", { detail: msg });
  } catch (e2) {
    ev = document.createEvent("CustomEvent");
    ev.initCustomEvent("vlmrequest", false, false, msg);
  }
  window.dispatchEvent(ev);
  return delivered;
};

VLM.goToPage = function (position) {
  return VLM.post("goToPage", { target: VLM.int(position, -1) });
};

VLM.nextPage = function () { return VLM.post("nextPage", {}); };
VLM.prevPage = function () { return VLM.post("prevPage", {}); };

VLM.safeUrl = function (url) {
  url = String(url || "").replace(/^\s+|\s+$/g, "");
  if (url === "" || /^(javascript|vbscript|data):/i.test(url)) return "";
  return url;
};

VLM.openUrl = function (url) {
  url = VLM.safeUrl(url);
  if (url === "") return false;
  if (!VLM.post("openUrl", { url: url })) window.open(url, "_blank");
  return true;
};

/* Lexicon: keyword pages are named after the keyword with Polish letters folded and
   punctuation dropped, in the "keywords" folder of the lexicon. */
VLM.lexiconFileName = function (key) {
  var from = "\u015A\u0179\u015B\u017A\u0141\u0104\u017B\u0142\u0105\u017C\u0106\u0118\u0143\u00D3\u0107\u0119\u0144\u00F3";
  var to = "SZszLAZlazCENOceno";
  var out = "";
  key = String(key);
  for (var i = 0; i < key.length; i++) {
    var ch = key.charAt(i), at = from.indexOf(ch);
    if (at >= 0) ch = to.charAt(at);
    if ("\"#$%&'()*+,-./:;<=>?@".indexOf(ch) >= 0) continue;
    out += ch;
  }
  return out + ".html";
};

VLM.lexiconUrl = function (folder, key) {
  var rel = String(folder || "") + "keywords/" + encodeURIComponent(VLM.lexiconFileName(key));
  try {
    return new URL(rel, window.location.href).href;
  } catch (e) {
    return rel;
  }
};

function openLexicon(folder, key) {
  var url = VLM.lexiconUrl(folder, key);
  if (!VLM.post("openLexicon", { folder: String(folder), key: String(key), url: url })) {
    var w = window.open(url, "vlmLexicon", "width=520,height=420,resizable=yes,scrollbars=yes");
    if (w && w.focus) w.focus();
  }
  return false;
}
