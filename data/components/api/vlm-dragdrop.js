/* Drag and drop of "DDElement" objects into "DDBasket" objects, with mouse, pen or
   touch, and with keys: Enter or Space picks an item up (the baskets become tab
   stops), Enter or Space on a basket drops it there, Escape puts it down again. */

VLM.baskets = function () {
  var out = [];
  for (var i = 0; i < VLMObject.list.length; i++) {
    if (VLMObject.list[i].className === "DDBasket") out.push(VLMObject.list[i]);
  }
  return out;
};

VLM.basketAt = function (x, y) {
  var b = VLM.baskets();
  for (var i = b.length - 1; i >= 0; i--) {
    if (!b[i].visible) continue;
    var r = b[i].root.getBoundingClientRect();
    if (x >= r.left && x <= r.right && y >= r.top && y <= r.bottom) return b[i];
  }
  return null;
};

VLM.makeDraggable = function (obj) {
  var root = obj.root, drag = null;
  root.style.touchAction = "none";
  function point(e) {
    return { x: e.clientX, y: e.clientY };
  }
  function down(e) {
    if (!VLM.interactive() || obj.locked || !obj.enabled) return;
    var p = point(e);
    drag = { x: p.x, y: p.y, left: root.offsetLeft, top: root.offsetTop, scale: VLM.pageScale() };
    root.className += " vlm-dragging";
    if (root.setPointerCapture && e.pointerId !== undefined) root.setPointerCapture(e.pointerId);
    e.preventDefault();
  }
  function move(e) {
    if (!drag) return;
    var p = point(e);
    root.style.left = drag.left + (p.x - drag.x) / drag.scale + "px";
    root.style.top = drag.top + (p.y - drag.y) / drag.scale + "px";
    e.preventDefault();
  }
  function up(e) {
    if (!drag) return;
    drag = null;
    root.className = root.className.replace(/ vlm-dragging/g, "");
    var r = root.getBoundingClientRect();
    obj.dropInto(VLM.basketAt(r.left + r.width / 2, r.top + r.height / 2));
    e.preventDefault();
  }
  if (window.PointerEvent) {
    root.addEventListener("pointerdown", down);
    root.addEventListener("pointermove", move);
    root.addEventListener("pointerup", up);
    root.addEventListener("pointercancel", up);
  } else {
    root.addEventListener("mousedown", down);
    document.addEventListener("mousemove", move);
    document.addEventListener("mouseup", up);
  }
};

VLM.grabbed = null;

VLM.keyboardDraggable = function (obj) {
  var root = obj.root;
  VLM.makeButton(root, function () {
    if (VLM.grabbed === obj) VLM.putDown(true);
    else if (VLM.interactive() && !obj.locked && obj.enabled) VLM.pickUp(obj);
  });
  root.setAttribute("aria-pressed", "false");
  root.addEventListener("keydown", function (e) {
    if ((e.key === "Escape" || e.key === "Esc") && VLM.grabbed === obj) VLM.putDown(true);
  });
};

VLM.pickUp = function (obj) {
  VLM.putDown(false);
  VLM.grabbed = obj;
  obj.root.setAttribute("aria-pressed", "true");
  obj.root.className += " vlm-grabbed";
  var b = VLM.baskets();
  for (var i = 0; i < b.length; i++) {
    if (b[i].visible) b[i].setTarget(true);
  }
};

// Ends a keyboard pick-up without a drop; focus goes back to the item when asked.
VLM.putDown = function (refocus) {
  var obj = VLM.grabbed;
  if (!obj) return;
  VLM.grabbed = null;
  obj.root.setAttribute("aria-pressed", "false");
  obj.root.className = obj.root.className.replace(/ vlm-grabbed/g, "");
  var b = VLM.baskets();
  for (var i = 0; i < b.length; i++) b[i].setTarget(false);
  if (refocus) obj.root.focus();
};

VLM.dropGrabbed = function (basket) {
  var obj = VLM.grabbed;
  if (!obj) return;
  VLM.putDown(false);
  obj.dropInto(basket);
  obj.root.focus();
};

VLM.pageScale = function () {
  var m = /scale\(([0-9.]+)\)/.exec(VLM.container().style.transform || "");
  return m ? parseFloat(m[1]) || 1 : 1;
};
