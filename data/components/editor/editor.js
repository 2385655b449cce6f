/* Shared script of the property pages and action parameter pages.
   The program gives each page window.external (see the architecture notes):
   Properties(name[, value]), ColorDialog(color), ResourcesForm(file, kind),
   Result(value). Fields name their property with data-prop; data-kind is
   "text" (default), "bool", "color", "path" (data-mode: image, audio, video,
   htmldoc, flash), "int" or "html" (rich text). */
var VLMEdit = {};

VLMEdit.ext = function () {
  return window.external;
};

VLMEdit.fields = function () {
  return document.querySelectorAll("[data-prop]");
};

VLMEdit.read = function (name) {
  var v = VLMEdit.ext().Properties(name);
  return v === undefined || v === null ? "" : String(v);
};

VLMEdit.setField = function (f, v) {
  var kind = f.getAttribute("data-kind") || "text";
  if (kind === "bool") f.checked = /^\s*true\s*$/i.test(v);
  else if (kind === "html") f.innerHTML = v;
  else if (kind === "color") f.value = VLMEdit.normColor(v);
  else f.value = v;
  VLMEdit.refreshSwatch(f);
};

VLMEdit.fieldValue = function (f) {
  var kind = f.getAttribute("data-kind") || "text";
  if (kind === "bool") return f.checked ? "true" : "false";
  if (kind === "html") return f.innerHTML;
  if (kind === "int") {
    var n = parseInt(f.value, 10);
    return isNaN(n) ? "0" : String(n);
  }
  return f.value;
};

VLMEdit.normColor = function (v) {
  v = String(v || "").replace(/^#/, "");
  return /^[0-9a-f]{6}$/i.test(v) ? v.toUpperCase() : v;
};

VLMEdit.refreshSwatch = function (f) {
  var sw = f.vlmSwatch;
  if (sw) sw.style.backgroundColor = /^[0-9a-f]{6}$/i.test(f.value) ? "#" + f.value : "transparent";
};

// "..." buttons for colours and files, the rich-text toolbar.
VLMEdit.decorate = function () {
  var list = VLMEdit.fields();
  for (var i = 0; i < list.length; i++) {
    (function (f) {
      var kind = f.getAttribute("data-kind") || "text";
      if (kind === "color") {
        var sw = document.createElement("span");
        sw.className = "swatch";
        f.parentNode.insertBefore(sw, f);
        f.vlmSwatch = sw;
        f.oninput = function () { VLMEdit.refreshSwatch(f); };
        VLMEdit.button(f, function () {
          f.value = VLMEdit.normColor(VLMEdit.ext().ColorDialog(f.value));
          VLMEdit.refreshSwatch(f);
        });
      } else if (kind === "path") {
        VLMEdit.button(f, function () {
          var chosen = VLMEdit.ext().ResourcesForm(f.value, f.getAttribute("data-mode") || "image");
          if (chosen) f.value = chosen;
        });
      } else if (kind === "html") {
        VLMEdit.toolbar(f);
      }
    })(list[i]);
  }
};

VLMEdit.button = function (f, onclick) {
  var b = document.createElement("button");
  b.type = "button";
  b.className = "pick";
  b.textContent = "...";
  var hint = f.getAttribute("data-hint");
  if (hint) b.title = hint;
  b.onclick = onclick;
  f.parentNode.insertBefore(b, f.nextSibling);
};

VLMEdit.toolbar = function (f) {
  var bar = document.createElement("div"), cmds = [["bold", "B"], ["italic", "I"], ["underline", "U"],
    ["insertUnorderedList", "\u2022"], ["justifyLeft", "\u2190"], ["justifyCenter", "\u2194"], ["justifyRight", "\u2192"]];
  bar.className = "toolbar";
  for (var i = 0; i < cmds.length; i++) {
    (function (c) {
      var b = document.createElement("button");
      b.type = "button";
      b.textContent = c[1];
      b.setAttribute("data-cmd", c[0]);
      b.onmousedown = function (e) { e.preventDefault(); };
      b.onclick = function () { f.focus(); document.execCommand(c[0], false, null); };
      bar.appendChild(b);
    })(cmds[i]);
  }
  f.parentNode.insertBefore(bar, f);
  f.contentEditable = "true";
};

VLMEdit.loadAll = function () {
  var list = VLMEdit.fields();
  for (var i = 0; i < list.length; i++) VLMEdit.setField(list[i], VLMEdit.read(list[i].getAttribute("data-prop")));
};

VLMEdit.saveAll = function () {
  var list = VLMEdit.fields();
  for (var i = 0; i < list.length; i++) {
    VLMEdit.ext().Properties(list[i].getAttribute("data-prop"), VLMEdit.fieldValue(list[i]));
  }
};

/* Parameters of type "text" are kept form-encoded: a blank as "+", other bytes
   (cp1250) as %XX. */
VLMEdit.cp1250High =
  "\u20AC\uFFFD\u201A\uFFFD\u201E\u2026\u2020\u2021\uFFFD\u2030\u0160\u2039\u015A\u0164\u017D\u0179" +
  "\uFFFD\u2018\u2019\u201C\u201D\u2022\u2013\u2014\uFFFD\u2122\u0161\u203A\u015B\u0165\u017E\u017A" +
  "\u00A0\u02C7\u02D8\u0141\u00A4\u0104\u00A6\u00A7\u00A8\u00A9\u015E\u00AB\u00AC\u00AD\u00AE\u017B" +
  "\u00B0\u00B1\u02DB\u0142\u00B4\u00B5\u00B6\u00B7\u00B8\u0105\u015F\u00BB\u013D\u02DD\u013E\u017C" +
  "\u0154\u00C1\u00C2\u0102\u00C4\u0139\u0106\u00C7\u010C\u00C9\u0118\u00CB\u011A\u00CD\u00CE\u010E" +
  "\u0110\u0143\u0147\u00D3\u00D4\u0150\u00D6\u00D7\u0158\u016E\u00DA\u0170\u00DC\u00DD\u0162\u00DF" +
  "\u0155\u00E1\u00E2\u0103\u00E4\u013A\u0107\u00E7\u010D\u00E9\u0119\u00EB\u011B\u00ED\u00EE\u010F" +
  "\u0111\u0144\u0148\u00F3\u00F4\u0151\u00F6\u00F7\u0159\u016F\u00FA\u0171\u00FC\u00FD\u0163\u02D9";

VLMEdit.formEncode = function (s) {
  var out = "";
  s = String(s);
  for (var i = 0; i < s.length; i++) {
    var ch = s.charAt(i), code = s.charCodeAt(i);
    if (/[A-Za-z0-9*\-._@]/.test(ch)) out += ch;
    else if (ch === " ") out += "+";
    else {
      var b = code < 128 ? code : 128 + VLMEdit.cp1250High.indexOf(ch);
      if (b < 128 && code >= 128) b = 63;
      out += "%" + (b < 16 ? "0" : "") + b.toString(16).toUpperCase();
    }
  }
  return out;
};

VLMEdit.formDecode = function (s) {
  return String(s).replace(/\+/g, " ").replace(/%([0-9a-f]{2})/gi, function (m, h) {
    var b = parseInt(h, 16);
    return b < 128 ? String.fromCharCode(b) : VLMEdit.cp1250High.charAt(b - 128);
  });
};

// Property pages: the program runs "getValues();" after loading and "setValues();" on OK.
function getValues() {
  VLMEdit.loadAll();
  if (window.afterGetValues) window.afterGetValues();
}

function setValues() {
  if (window.beforeSetValues) window.beforeSetValues();
  VLMEdit.saveAll();
}

if (document.readyState === "loading") document.addEventListener("DOMContentLoaded", VLMEdit.decorate);
else VLMEdit.decorate();
