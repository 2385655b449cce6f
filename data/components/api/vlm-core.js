/* Vellumar page runtime: constants, helpers and the object registry.
   Plain ES5-style script so that pages also run in older embedded browsers. */
var psView = 1, psPreview = 2, psDesigning = 3, psNormal = 4;

var VLM = window.VLM || {};
window.VLM = VLM;
VLM.classes = {};
VLM.resourcesPath = "";
VLM.pageIndex = -1;

VLM.bool = function (v) {
  return /^\s*(true|1|yes|visible)\s*$/i.test(String(v));
};

VLM.int = function (v, def) {
  var n = parseInt(v, 10);
  return isNaN(n) ? (def === undefined ? 0 : def) : n;
};

// Colours come as RRGGBB (the editors' form), #RRGGBB or a CSS colour name.
VLM.color = function (v) {
  v = String(v || "").replace(/^\s+|\s+$/g, "");
  if (/^[0-9a-f]{6}$/i.test(v) || /^[0-9a-f]{3}$/i.test(v)) return "#" + v;
  if (/^#[0-9a-f]{3,8}$/i.test(v) || /^[a-z]{3,20}$/i.test(v)) return v;
  return "";
};

VLM.px = function (v) {
  return VLM.int(v, 0) + "px";
};

// Font family names only: letters, digits, blanks, commas, hyphens and quotes.
VLM.applyFont = function (el, p) {
  var fam = String(p.fontFamily || "");
  if (fam && /^[\w\s,'"-]+$/.test(fam)) el.style.fontFamily = fam;
  if (p.fontSize !== undefined && p.fontSize !== "") el.style.fontSize = VLM.px(p.fontSize);
  var c = VLM.color(p.color);
  if (c) el.style.color = c;
};

VLM.cssUrl = function (src) {
  return 'url("' + String(src).replace(/["\\\n\r]/g, function (ch) { return "\\" + ch.charCodeAt(0).toString(16) + " "; }) + '")';
};

VLM.splitItems = function (v) {
  var out = [], parts = String(v || "").split("|");
  for (var i = 0; i < parts.length; i++) {
    var t = parts[i].replace(/^\s+|\s+$/g, "");
    if (t !== "") out.push(t);
  }
  return out;
};

// cp1250 bytes 0x80..0xFF, for form-encoded action parameters (%XX is a cp1250 byte).
VLM.cp1250High =
  "\u20AC\uFFFD\u201A\uFFFD\u201E\u2026\u2020\u2021\uFFFD\u2030\u0160\u2039\u015A\u0164\u017D\u0179" +
  "\uFFFD\u2018\u2019\u201C\u201D\u2022\u2013\u2014\uFFFD\u2122\u0161\u203A\u015B\u0165\u017E\u017A" +
  "\u00A0\u02C7\u02D8\u0141\u00A4\u0104\u00A6\u00A7\u00A8\u00A9\u015E\u00AB\u00AC\u00AD\u00AE\u017B" +
  "\u00B0\u00B1\u02DB\u0142\u00B4\u00B5\u00B6\u00B7\u00B8\u0105\u015F\u00BB\u013D\u02DD\u013E\u017C" +
  "\u0154\u00C1\u00C2\u0102\u00C4\u0139\u0106\u00C7\u010C\u00C9\u0118\u00CB\u011A\u00CD\u00CE\u010E" +
  "\u0110\u0143\u0147\u00D3\u00D4\u0150\u00D6\u00D7\u0158\u016E\u00DA\u0170\u00DC\u00DD\u0162\u00DF" +
  "\u0155\u00E1\u00E2\u0103\u00E4\u013A\u0107\u00E7\u010D\u00E9\u0119\u00EB\u011B\u00ED\u00EE\u010F" +
  "\u0111\u0144\u0148\u00F3\u00F4\u0151\u00F6\u00F7\u0159\u016F\u00FA\u0171\u00FC\u00FD\u0163\u02D9";

// Text parameters of actions are stored form-encoded ("+" for a blank, %XX for a byte).
VLM.decodeParam = function (v) {
  return String(v).replace(/\+/g, " ").replace(/%([0-9a-f]{2})/gi, function (m, h) {
    var b = parseInt(h, 16);
    return b < 128 ? String.fromCharCode(b) : VLM.cp1250High.charAt(b - 128);
  });
};

// Media references: "..\resources\x.png" points into the course's resources folder,
// which the template tells us through VLM.resourcesPath; absolute file paths become
// file addresses; script addresses are refused.
VLM.resolveSrc = function (v) {
  v = String(v || "").replace(/\\/g, "/").replace(/^\s+|\s+$/g, "");
  if (v === "") return "";
  if (/^(javascript|vbscript|data):/i.test(v)) return "";
  if (/^[a-z][a-z0-9+.-]*:\/\//i.test(v)) return v;
  v = v.replace(/^RESOURCE_PATH\/*/, "../resources/");
  var m = /^(\.\.\/)*resources\/(.*)$/i.exec(v);
  if (m && VLM.resourcesPath) return VLM.fileUrl(VLM.resourcesPath) + VLM.escapePath(m[2]);
  return VLM.fileUrl(v);
};

// File names may hold characters that mean something in an address.
VLM.escapePath = function (p) {
  return String(p).replace(/%/g, "%25").replace(/#/g, "%23").replace(/\?/g, "%3F");
};

VLM.fileUrl = function (p) {
  p = VLM.escapePath(String(p).replace(/\\/g, "/"));
  if (/^[a-z]:\//i.test(p)) return "file:///" + p;
  if (p.charAt(0) === "/" && p.charAt(1) !== "/") return "file://" + p;
  return p;
};

// Event handlers come from snippets; one without actions has an empty body.
VLM.hasBody = function (fn) {
  return typeof fn === "function" && !/\{\s*\}\s*$/.test(String(fn));
};

VLM.el = function (tag, className, parent) {
  var e = document.createElement(tag);
  if (className) e.className = className;
  if (parent) parent.appendChild(e);
  return e;
};

// The first non-empty text among the author's texts; accessible names fall back
// from a dedicated label to texts the element already shows or carries.
VLM.firstText = function () {
  for (var i = 0; i < arguments.length; i++) {
    var t = String(arguments[i] === undefined || arguments[i] === null ? "" : arguments[i]).replace(/^\s+|\s+$/g, "");
    if (t !== "") return t;
  }
  return "";
};

VLM.setName = function (el, text) {
  if (text) el.setAttribute("aria-label", text);
  else el.removeAttribute("aria-label");
};

VLM.uidCounter = 0;
VLM.uid = function (prefix) {
  VLM.uidCounter++;
  return "vlm-" + (prefix || "id") + "-" + VLM.uidCounter;
};

VLM.isActivationKey = function (e) {
  return e.key === "Enter" || e.key === " " || e.key === "Spacebar";
};

// Something that is no control of its own but runs actions on a click gets what a
// keyboard needs of a button: a tab stop and Enter and Space.
VLM.makeButton = function (el, activate) {
  el.setAttribute("role", "button");
  el.tabIndex = 0;
  el.addEventListener("keydown", function (e) {
    if (!VLM.isActivationKey(e) || e.target !== el) return;
    e.preventDefault();
    activate(e);
  });
};

VLM.container = function () {
  var c = document.getElementById("vlmPage");
  if (!c) {
    c = VLM.el("div", "vlm-page", document.body);
    c.id = "vlmPage";
  }
  return c;
};

VLM.interactive = function () {
  var p = window.page;
  return !!p && (p.state === psView || p.state === psNormal);
};

/* ------------------------------------------------------------ objects */

function VLMObject(className, props, events) {
  this.className = className;
  this.props = props || {};
  this.events = events || {};
  this.name = this.props.name || className;
  this.step = this.props.step === undefined ? "" : String(this.props.step);
  this.visible = !/^\s*(hidden|false)\s*$/i.test(this.props.visibility || "visible");
  this.enabled = true;
}

VLMObject.all = {};
VLMObject.list = [];

VLMObject.define = function (className, methods, base) {
  var Parent = base ? VLM.classes[base] : VLMObject;
  var C = function (props, events) {
    VLMObject.call(this, className, props, events);
  };
  C.prototype = new (function () {})();
  var proto = Parent.prototype;
  for (var k in proto) C.prototype[k] = proto[k];
  for (var m in methods) C.prototype[m] = methods[m];
  C.prototype.constructor = C;
  VLM.classes[className] = C;
  return C;
};

VLMObject.create = function (className, props, events) {
  var C = VLM.classes[className];
  if (!C) throw new Error("Unknown component class: " + className);
  var obj = new C(props, events);
  VLMObject.register(obj);
  obj.build();
  return obj;
};

VLMObject.register = function (obj) {
  VLMObject.all[obj.name] = obj;
  VLMObject.list.push(obj);
};

VLMObject.reset = function () {
  VLMObject.all = {};
  VLMObject.list = [];
};

VLMObject.prototype = {
  // Builds the positioned frame of the element; classes fill it in render().
  build: function () {
    var p = this.props, root = this.takeSlot();
    root.className = "vlm-obj vlm-" + this.className;
    root.setAttribute("data-vlm-name", this.name);
    var s = root.style;
    s.left = VLM.px(p.x);
    s.top = VLM.px(p.y);
    s.width = VLM.px(p.width === undefined ? 100 : p.width);
    s.height = VLM.px(p.height === undefined ? 100 : p.height);
    this.root = root;
    this.render(root);
    this.applyVisibility();
    this.bindMouse();
  },

  // The element's markup slot (body.html) keeps the stacking order of the page;
  // without one (a single element on the design surface) the frame is appended.
  takeSlot: function () {
    var c = VLM.container(), slots = c.getElementsByClassName("vlm-slot");
    for (var i = 0; i < slots.length; i++) {
      var slot = slots[i];
      if (slot.getAttribute("data-vlm-class") === this.className) {
        slot.className = "";
        return slot;
      }
    }
    return VLM.el("div", "", c);
  },

  render: function () {},

  bindMouse: function () {
    var self = this, names = ["onclick", "ondblclick", "onmouseover", "onmouseout"];
    for (var i = 0; i < names.length; i++) {
      (function (ev) {
        if (VLM.hasBody(self.events[ev])) self.root[ev] = function () { if (self.enabled) self.fire(ev); };
      })(names[i]);
    }
    if (VLM.hasBody(this.events.onclick)) {
      this.root.className += " vlm-clickable";
      // A frame holding a control of its own (a button, a player) is reached through that
      // control; a button around it would nest one control in another.
      if (!this.root.querySelector("button, input, select, textarea, video, audio, iframe, object, a[href]")) {
        VLM.makeButton(this.root, function () { if (self.enabled) self.fire("onclick"); });
        var img = this.root.querySelector("img");
        if (!VLM.firstText(this.root.textContent, img ? img.alt : ""))
          VLM.setName(this.root, VLM.firstText(this.props.label, this.props.alt));
      }
    }
  },

  // Runs the actions bound to an event; nothing runs on the design surface or in previews.
  fire: function (ev, arg) {
    var h = this.events[ev];
    if (typeof h !== "function" || !VLM.interactive()) return false;
    h.call(this, arg);
    return true;
  },

  applyVisibility: function () {
    var show = this.visible || (window.page && window.page.state === psDesigning);
    this.root.style.visibility = show ? "visible" : "hidden";
  },

  show: function () {
    var was = this.visible;
    this.visible = true;
    this.applyVisibility();
    if (!was) this.fire("onshow");
  },

  hide: function () {
    var was = this.visible;
    this.visible = false;
    this.applyVisibility();
    if (was) this.fire("onhide");
  },

  toggle: function () {
    if (this.visible) this.hide(); else this.show();
  },

  moveTo: function (x, y) {
    this.root.style.left = VLM.px(x);
    this.root.style.top = VLM.px(y);
  },

  enable: function () { this.setEnabled(true); },
  disable: function () { this.setEnabled(false); },
  setEnabled: function (on) {
    this.enabled = on;
    if (this.root.getAttribute("role") === "button") {
      this.root.tabIndex = on ? 0 : -1;
      if (on) this.root.removeAttribute("aria-disabled"); else this.root.setAttribute("aria-disabled", "true");
    }
    if (on) this.root.className = this.root.className.replace(/ vlm-disabled/g, "");
    else if (this.root.className.indexOf("vlm-disabled") < 0) this.root.className += " vlm-disabled";
  },

  free: function () {}
};
